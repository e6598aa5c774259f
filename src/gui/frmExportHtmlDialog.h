#pragma once
// The options window of the HTML export ("HTML Export"), modal over the main window.
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

namespace ravlet {
class frmExportHtml;
}

namespace ravlet::gui {

class frmExportHtmlDialog : public QDialog {
    Q_OBJECT
  public:
    frmExportHtmlDialog(frmExportHtml& form, QWidget* parent);

    QLineEdit* txtTitle() const { return title_; }
    QCheckBox* chk(int index) const { return chk_[index]; }
    QLineEdit* txtDesc() const { return desc_; }
    QPushButton* cmd(int index) const { return cmd_[index]; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Take();
    void Sync();

    frmExportHtml& form_;
    QLineEdit* title_ = nullptr;
    QCheckBox* chk_[4] = {nullptr, nullptr, nullptr, nullptr};
    QLineEdit* desc_ = nullptr;
    QPushButton* cmd_[2] = {nullptr, nullptr};
};

}  // namespace ravlet::gui
