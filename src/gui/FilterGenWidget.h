#pragma once
// The FilterGen component as the refiner's grouped list hosts it: a container that shows the
// editing panel of the filter's kind once the kind is set.
#include <QVBoxLayout>
#include <QWidget>

#include "filters/FilterGen.h"

namespace ravlet::gui {

// One kind's editing panel: reads its filter's parameters and writes every edit back.
class FilterPanel : public QWidget {
  public:
    using QWidget::QWidget;
    virtual void Load() = 0;
};

class FilterGenWidget : public QWidget, public FilterGenView {
  public:
    FilterGenWidget(FilterGen& filter, QWidget* parent);
    ~FilterGenWidget() override;

    FilterGen& Filter() { return filter_; }
    FilterPanel* Panel() const { return panel_; }

    void ShowPanel(const std::string& kind) override;
    void PanelEnabled(bool on) override { setEnabled(on); }
    void PanelVisible(bool on) override { setVisible(on); }
    int PanelHeight() const override;
    void ParametersChanged() override;

  private:
    FilterGen& filter_;
    QVBoxLayout* layout_;
    FilterPanel* panel_ = nullptr;
};

// The panel of the filter's kind, or nullptr when it has none.
FilterPanel* MakeFilterPanel(FilterGen& filter, QWidget* parent);
FilterPanel* MakeCleanupPanel(FilterGen& filter, QWidget* parent);
FilterPanel* MakeFileTypePanel(FilterGen& filter, QWidget* parent);
FilterPanel* MakeFindReplacePanel(FilterGen& filter, QWidget* parent);
FilterPanel* MakeOneWildcardPanel(FilterGen& filter, QWidget* parent);
FilterPanel* MakePreSuffixPanel(FilterGen& filter, QWidget* parent);

}  // namespace ravlet::gui
