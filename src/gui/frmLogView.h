#pragma once
// The log on screen: the container of the text box and the buttons (zContainer), moved
// between the main window's log pane (zParentLog) and a window of its own.
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <memory>
#include <string>

namespace ravlet {
class frmMain;
}

namespace ravlet::gui {

class frmLogWindow;

class frmLogView : public QObject {
    Q_OBJECT
  public:
    frmLogView(frmMain& main, QWidget* pane);
    ~frmLogView() override;
    // Places, shows and fills the log as the logic says.
    void Sync();
    QWidget* Container() const { return container_; }
    QWidget* Window() const;
    QPlainTextEdit* Text() const { return text_; }
    QCheckBox* DockBox() const { return dock_; }
    QPushButton* Button(int index) const { return buttons_[index]; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    frmMain& main_;
    QWidget* pane_;
    QWidget* container_;
    QCheckBox* dock_;
    QPushButton* buttons_[4];
    QPlainTextEdit* text_;
    std::unique_ptr<frmLogWindow> window_;  // top level: no parent owns it
    std::string shown_;
};

}  // namespace ravlet::gui
