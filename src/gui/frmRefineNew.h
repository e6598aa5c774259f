#pragma once
// The refiner window "FilterRavPad": the grouped list of the pad with its filter panels, and
// the buttons and menus of the refiner. Every action goes to the Refiner logic.
#include <QPushButton>
#include <QScrollArea>
#include <QWidget>
#include <functional>
#include <map>

#include "filters/Refiner.h"
#include "gui/GlistWidget.h"

class QHBoxLayout;
class QMenu;

namespace ravlet::gui {

class frmRefineNew : public QWidget {
  public:
    // The stored window sizes (and the main window's height handed in) are layout units,
    // 15 to a pixel.
    static constexpr int kUnitsPerPixel = 15;

    explicit frmRefineNew(RefinerHost& host, QWidget* owner = nullptr);
    ~frmRefineNew() override;

    Refiner& Logic() { return logic_; }
    GlistWidget& List() { return *list_; }
    QMenu* FilterMenu() const { return filterMenu_; }
    // The apply button follows the main window's State ("&Stop" while filtering).
    void StateChanged();
    // F8 and every other key the refiner does not use go to the main window.
    std::function<void(QKeyEvent*)> onForeignKey;
    // Called when the window has unloaded itself (closed by the user).
    std::function<void()> onUnloaded;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QPushButton* Button(const char* caption, const char* hint, std::function<void()> action);
    void Unload();
    void FilterCreated(FilterGen& filter);
    void FilterRemoving(FilterGen& filter);

    Refiner logic_;
    QScrollArea* scroll_;
    QHBoxLayout* buttons_ = nullptr;
    GlistWidget* list_;
    QMenu* filterMenu_;
    QPushButton* apply_ = nullptr;
    QPushButton* reset_ = nullptr;
    QPushButton* read_ = nullptr;
    std::map<FilterGen*, QWidget*> panels_;
    bool unloaded_ = false;
};

}  // namespace ravlet::gui
