#pragma once
// The URL info window ("Info"): not modal, owned by the main window; it follows the list's
// current row while it is open.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

#include "main/MainInfoHost.h"
#include "tools/frmInfo.h"

namespace ravlet::gui {

class StatusBarWidget;

class frmInfoWindow : public QWidget {
    Q_OBJECT
  public:
    frmInfoWindow(frmMain& main, QWidget* owner);
    ~frmInfoWindow() override;

    void ShowInfo(const std::string& address, const std::string& referrer, const std::string& base);
    frmInfo& Logic() { return info_; }

    QLineEdit* txtUrl() const { return url_; }
    QLineEdit* txtRef() const { return ref_; }
    QLineEdit* txtBase() const { return base_; }
    QPlainTextEdit* txt() const { return txt_; }
    QPushButton* cmd(int index) const { return cmd_[index]; }
    StatusBarWidget* StatusLbl() const { return status_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Sync();

    frmMain& main_;
    MainInfoHost host_;
    frmInfo info_;
    QLineEdit* url_ = nullptr;
    QLineEdit* ref_ = nullptr;
    QLineEdit* base_ = nullptr;
    QPlainTextEdit* txt_ = nullptr;
    QPushButton* cmd_[4] = {nullptr, nullptr, nullptr, nullptr};
    StatusBarWidget* status_ = nullptr;
};

}  // namespace ravlet::gui
