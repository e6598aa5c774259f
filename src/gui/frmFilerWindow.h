#pragma once
// The filename generator's window ("Filename Generator"): a tool window of the main window,
// loaded on first use; its close box only hides it.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include "main/MainFilerHost.h"
#include "tools/frmFiler.h"

namespace ravlet::gui {

class frmFilerWindow : public QWidget {
    Q_OBJECT
  public:
    frmFilerWindow(frmMain& main, QWidget* owner);
    ~frmFilerWindow() override;

    // Draws the logic's fields, captions and enabled controls.
    void Sync();
    frmFiler& Logic() { return filer_; }

    QLineEdit* txtDef(int index) const { return def_[index]; }
    QLineEdit* txtRange() const { return range_; }
    QCheckBox* txtRangeTrail() const { return trail_; }
    QCheckBox* chkAdd() const { return add_; }
    QRadioButton* chkAddOpt(int index) const { return where_[index]; }
    QPushButton* cApply(int index) const { return apply_[index]; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    frmMain& main_;
    MainFilerHost host_;
    frmFiler filer_;
    QLineEdit* def_[2] = {nullptr, nullptr};
    QLineEdit* range_ = nullptr;
    QCheckBox* trail_ = nullptr;
    QCheckBox* add_ = nullptr;
    QRadioButton* where_[2] = {nullptr, nullptr};
    QPushButton* apply_[2] = {nullptr, nullptr};
};

}  // namespace ravlet::gui
