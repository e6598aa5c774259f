#include "gui/frmRefineNew.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

#include "gui/FilterGenWidget.h"
#include "gui/QtText.h"
#include "gui/WindowPlaces.h"

namespace ravlet::gui {

frmRefineNew::frmRefineNew(RefinerHost& host, QWidget* owner)
    : QWidget(owner, Qt::Window), logic_(host) {
    setWindowTitle(QString::fromLatin1(Refiner::kCaption));
    auto* layout = new QVBoxLayout(this);
    auto* menuBar = new QMenuBar(this);
    filterMenu_ = menuBar->addMenu(QStringLiteral("&Filter"));
    for (const std::string& item : Refiner::FilterMenu()) {
        if (item.empty()) {
            filterMenu_->addSeparator();
        } else if (item == "&Group") {
            filterMenu_->addAction(Q(item), this, [this] { logic_.zmFgroup_Click(); });
        } else {
            filterMenu_->addAction(Q(item), this, [this, item] { logic_.zmFitem_Click(item); });
        }
    }
    QMenu* listMenu = menuBar->addMenu(QStringLiteral("&List"));
    listMenu->addAction(QStringLiteral("&Get"), this, [this] { logic_.zmLget_Click(); });
    layout->setMenuBar(menuBar);

    list_ = new GlistWidget(logic_.Pad().List());
    scroll_ = new QScrollArea(this);
    scroll_->setWidget(list_);
    scroll_->setWidgetResizable(true);
    layout->addWidget(scroll_, 1);

    buttons_ = new QHBoxLayout;
    apply_ = Button("&Apply", "Applies the Filter-Rules", [this] { logic_.cApply_Click(0); });
    reset_ = Button("&Reset", "Reset to originally List - a kind of Undo",
                    [this] { logic_.cApply_Click(1); });
    QPushButton* add = Button("&Add", "", nullptr);
    connect(add, &QPushButton::clicked, this,
            [this, add] { filterMenu_->popup(add->mapToGlobal(QPoint(0, add->height()))); });
    Button("&Del", "", [this] { logic_.Gcmd_Delete(); });
    read_ = Button("R&ead", "Read your Default Filter-Rules", [this] {
        read_->setEnabled(false);
        logic_.cCfg_Click(1);
        read_->setEnabled(true);
    });
    Button("&Save", "Save Filter-Rules as your Default", [this] { logic_.cCfg_Click(0); });
    Button("|->", "Buildbase (like in main window)", [this] { logic_.zcAny_Click(); });
    buttons_->addStretch();
    layout->addLayout(buttons_);

    FilterPad& pad = logic_.Pad();
    pad.onFilterCreated = [this](FilterGen& f) { FilterCreated(f); };
    pad.onFilterRemoving = [this](FilterGen& f) { FilterRemoving(f); };
    logic_.onResetDone = [this] {
        if (reset_->isVisible()) reset_->setFocus();
    };
    logic_.Form_Load();
    const int height = logic_.Height() / kUnitsPerPixel;
    resize(logic_.Width() / kUnitsPerPixel, height > 0 ? height : sizeHint().height());
    RestoreRefinerPlace(*this);
}

frmRefineNew::~frmRefineNew() {
    if (!unloaded_) Unload();
    logic_.onResetDone = nullptr;
    FilterPad& pad = logic_.Pad();
    pad.onFilterCreated = nullptr;
    pad.onFilterRemoving = nullptr;
}

QPushButton* frmRefineNew::Button(const char* caption, const char* hint,
                                  std::function<void()> action) {
    auto* b = new QPushButton(QString::fromLatin1(caption), this);
    if (*hint) b->setToolTip(QString::fromLatin1(hint));
    if (action) connect(b, &QPushButton::clicked, this, [action] { action(); });
    buttons_->addWidget(b);
    return b;
}

void frmRefineNew::FilterCreated(FilterGen& filter) {
    auto* w = new FilterGenWidget(filter, list_);
    panels_[&filter] = w;
    list_->Host(&filter, w);
}

void frmRefineNew::FilterRemoving(FilterGen& filter) {
    const auto it = panels_.find(&filter);
    if (it == panels_.end()) return;
    list_->Unhost(&filter);
    delete it->second;
    panels_.erase(it);
}

void frmRefineNew::Unload() {
    StoreRefinerPlace(*this);
    logic_.Form_Unload(width() * kUnitsPerPixel, height() * kUnitsPerPixel);
    unloaded_ = true;
}

void frmRefineNew::StateChanged() {
    apply_->setText(Q(logic_.ApplyCaption()));
    apply_->setEnabled(logic_.ApplyEnabled());
    if (reset_) reset_->setEnabled(logic_.ResetEnabled());
}

void frmRefineNew::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F8 && event->modifiers() == Qt::NoModifier) {
        hide();
        return;
    }
    if (onForeignKey) onForeignKey(event);
}

void frmRefineNew::closeEvent(QCloseEvent* event) {
    // The pad is applied or read under way: the window stays until that has ended.
    if (logic_.PadBusy()) {
        event->ignore();
        return;
    }
    Unload();
    event->accept();
    if (onUnloaded) onUnloaded();
}

}  // namespace ravlet::gui
