#include "gui/frmLogView.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "gui/QtKeys.h"
#include "gui/QtText.h"
#include "gui/WindowPlaces.h"
#include "main/frmMain.h"

namespace ravlet::gui {

// The log's own window; its close box only hides the log.
class frmLogWindow : public QWidget {
  public:
    explicit frmLogWindow(frmMain& main) : QWidget(nullptr, Qt::Window), main_(main) {
        setWindowTitle(QStringLiteral("Log"));
        setLayout(new QVBoxLayout);
        layout()->setContentsMargins(4, 4, 4, 4);
        resize(640, 320);
    }
    // Goes where it was at the last start, before it first shows.
    void Place() {
        if (placed_) return;
        placed_ = true;
        RestoreLogWindowPlace(*this);
    }

  protected:
    void moveEvent(QMoveEvent* event) override {
        QWidget::moveEvent(event);
        if (placed_ && isVisible()) StoreLogWindowPlace(*this);
    }
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        if (placed_ && isVisible()) StoreLogWindowPlace(*this);
    }
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        if (main_.LogLoaded())
            main_.Log().QueryUnload();
        else
            hide();
    }

  private:
    frmMain& main_;
    bool placed_ = false;
};

frmLogView::frmLogView(frmMain& main, QWidget* pane)
    : main_(main),
      pane_(pane),
      container_(new QWidget(pane)),
      window_(std::make_unique<frmLogWindow>(main)) {
    container_->setObjectName(QStringLiteral("zContainer"));
    auto* column = new QVBoxLayout(container_);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    auto* row = new QHBoxLayout;
    dock_ = new QCheckBox(QStringLiteral("&Dock"));
    dock_->setObjectName(QStringLiteral("cmdDocked"));
    row->addWidget(dock_);
    const char* captions[] = {"&Clear", "&Hide", "List &Urls", "Clr && Hi&de"};
    for (int i = 0; i < 4; ++i) {
        buttons_[i] = new QPushButton(QString::fromLatin1(captions[i]));
        buttons_[i]->setObjectName(QStringLiteral("cmdTop%1").arg(i));
        row->addWidget(buttons_[i]);
        connect(buttons_[i], &QPushButton::clicked, this, [this, i] {
            if (main_.LogLoaded()) main_.Log().cmdTop_Click(i);
        });
    }
    buttons_[2]->setToolTip(QStringLiteral("Replace list of links with all urls in the log."));
    row->addStretch(1);
    column->addLayout(row);
    text_ = new QPlainTextEdit;
    text_->setObjectName(QStringLiteral("txtLog"));
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    column->addWidget(text_, 1);
    pane_->layout()->addWidget(container_);
    connect(dock_, &QCheckBox::clicked, this, [this](bool on) {
        if (main_.LogLoaded()) main_.Log().Docked(on);
    });
    for (QWidget* w : container_->findChildren<QWidget*>()) w->installEventFilter(this);
    container_->installEventFilter(this);
}

frmLogView::~frmLogView() = default;

QWidget* frmLogView::Window() const {
    return window_.get();
}

bool frmLogView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && main_.LogLoaded()) {
        // F7 hides the log; every other key reaches the main window's shortcuts.
        auto* w = qobject_cast<QWidget*>(watched);
        const KeyPress key =
            ToKeyPress(*static_cast<QKeyEvent*>(event), FocusedIn(w ? w->window() : nullptr));
        if (main_.Log().Form_KeyDown(key)) return true;
    }
    return false;
}

void frmLogView::Sync() {
    if (!main_.LogLoaded()) {
        pane_->setVisible(false);
        window_->hide();
        text_->clear();
        shown_.clear();
        return;
    }
    frmLog& log = main_.Log();
    QWidget* host = log.Docked() ? pane_ : window_.get();
    if (container_->parentWidget() != host) {
        container_->setParent(host);
        host->layout()->addWidget(container_);
        container_->show();
    }
    dock_->setChecked(log.Docked());
    pane_->setVisible(main_.LogPaneVisible());
    const bool own = !log.Docked() && log.WindowVisible();
    if (own) window_->Place();
    window_->setVisible(own);
    if (log.txtLog() != shown_) {
        shown_ = log.txtLog();
        text_->setPlainText(QLines(shown_));
    }
}

}  // namespace ravlet::gui
