#include "gui/FilterGenWidget.h"

namespace ravlet::gui {

FilterGenWidget::FilterGenWidget(FilterGen& filter, QWidget* parent)
    : QWidget(parent), filter_(filter), layout_(new QVBoxLayout(this)) {
    layout_->setContentsMargins(0, 0, 0, 0);
    filter_.View(this);
}

FilterGenWidget::~FilterGenWidget() {
    if (filter_.View() == this) filter_.Free();
}

void FilterGenWidget::ShowPanel(const std::string& /*kind*/) {
    if (panel_) return;
    panel_ = MakeFilterPanel(filter_, this);
    if (!panel_) return;
    layout_->addWidget(panel_);
    panel_->Load();
    adjustSize();
}

int FilterGenWidget::PanelHeight() const {
    return panel_ ? sizeHint().height() : 0;
}

void FilterGenWidget::ParametersChanged() {
    if (panel_) panel_->Load();
}

FilterPanel* MakeFilterPanel(FilterGen& filter, QWidget* parent) {
    const std::string& kind = filter.Filter();
    if (kind == "Cleanup") return MakeCleanupPanel(filter, parent);
    if (kind == "File Type") return MakeFileTypePanel(filter, parent);
    if (kind == "Find (and Replace)") return MakeFindReplacePanel(filter, parent);
    if (kind == "OneWildcard*") return MakeOneWildcardPanel(filter, parent);
    if (kind == "Pre- and Suf-fix") return MakePreSuffixPanel(filter, parent);
    return nullptr;
}

}  // namespace ravlet::gui
