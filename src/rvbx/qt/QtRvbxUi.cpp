// The component's windows drawn by Qt: its message boxes and FrmInfo. The component usually
// runs in a process without Qt (the browser's host), so it starts Qt itself when it first
// needs a window, and does without when there is no display.
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QWidget>
#include <cstdlib>
#include <memory>

#include "rvbx/FrmInfo.h"
#include "rvbx/RvbxUi.h"

namespace ravlet::rvbx {

namespace {

constexpr int kMargin = 8;

class FrmInfoWidget : public QWidget {
  public:
    explicit FrmInfoWidget(const std::string& text) {
        setWindowTitle(QString::fromLatin1(kFrmInfoCaption));
        setAttribute(Qt::WA_DeleteOnClose);
        lblInfo_ = new QLabel(QString::fromStdString(FrmInfoLabel()), this);
        lblInfo_->setGeometry(kMargin, 4, 400, 18);
        infoTxt_ = new QPlainTextEdit(this);
        infoTxt_->setPlainText(QString::fromStdString(text));
        infoTxt_->move(kMargin, 26);
        resize(480, 320);
    }

  protected:
    void resizeEvent(QResizeEvent* event) override {
        const InfoRect r = InfoTextArea(event->size().width(), event->size().height(),
                                        infoTxt_->x(), infoTxt_->y());
        infoTxt_->setGeometry(r.left, r.top, r.width, r.height);
    }

  private:
    QLabel* lblInfo_;
    QPlainTextEdit* infoTxt_;
};

bool HaveDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value && *value) return true;
    }
    return false;
}

class QtRvbxUi : public RvbxUi {
  public:
    void Message(const std::string& text, const std::string& title, bool errorIcon) override {
        if (!Ready()) return fallback_.Message(text, title, errorIcon);
        QMessageBox box(errorIcon ? QMessageBox::Critical : QMessageBox::NoIcon,
                        QString::fromStdString(title), QString::fromStdString(text),
                        QMessageBox::Ok);
        box.exec();
    }
    void ShowInfo(const std::string& text) override {
        if (!Ready()) return fallback_.ShowInfo(text);
        // Qt deletes the window when it closes.
        (new FrmInfoWidget(text))->show();
        // A process that has no event loop of its own keeps the window until it is closed.
        if (app_) app_->exec();
    }

  private:
    bool Ready() {
        if (QApplication::instance()) return true;
        if (!HaveDisplay()) return false;
        static int argc = 1;
        static char name[] = "rvbx";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
        return true;
    }

    StderrRvbxUi fallback_;
    std::unique_ptr<QApplication> app_;
};

}  // namespace

std::shared_ptr<RvbxUi> DefaultRvbxUi() {
    static std::shared_ptr<RvbxUi> ui = std::make_shared<QtRvbxUi>();
    return ui;
}

}  // namespace ravlet::rvbx
