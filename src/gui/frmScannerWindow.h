#pragma once
// The site scanner window "scanner": start and base fields with the base buttons, Start /
// Continue, Pause and Stop, the three lists, the progress line and the status bar. Every
// action goes to the frmScanner logic, which says what to draw.
#include <QAbstractListModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QWidget>
#include <functional>

#include "scanner/frmScanner.h"

class QAction;

namespace ravlet::gui {

class StatusBarWidget;

// One of the scanner's lists on screen. Every row is as wide as two screens, so long
// addresses scroll sideways without the view measuring each row.
class ScanListModel : public QAbstractListModel {
    Q_OBJECT
  public:
    explicit ScanListModel(const ScanList& list, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // Reads the rows again when the list changed.
    void Sync();

  private:
    const ScanList& list_;
    long version_ = -1;
    int rows_ = 0;
    int width_ = 0;
};

class frmScannerWindow : public QWidget, public ScannerView {
    Q_OBJECT
  public:
    explicit frmScannerWindow(ScannerHost& host, QWidget* owner = nullptr);
    ~frmScannerWindow() override;

    frmScanner& Logic() { return logic_; }

    // ScannerView.
    void Update(int parts) override;
    void FocusStart() override;

    // The controls, by the names the logic gives them (tests find them here).
    QLineEdit* txtInStart() const { return start_; }
    QLineEdit* txtInBase() const { return base_; }
    QPushButton* txtInBaseCmd(int index) const { return baseCmd_[index]; }
    QPushButton* zcAny(int index) const { return zcAny_[index]; }
    QListView* List(int index) const { return lists_[index]; }  // 0 to do, 1 done, 2 cache
    QLabel* StatusInfoLbl() const { return info_; }
    StatusBarWidget* StatusLbl() const { return status_; }
    QAction* zmSpref() const { return prefs_; }

    // Called when the window has agreed to close and goes.
    std::function<void()> onUnloaded;
    // "&Preferences...": the preferences window on its scanner page.
    std::function<void()> onPreferences;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QPushButton* Button(const char* caption, const char* tip);

    frmScanner logic_;
    QLineEdit* start_ = nullptr;
    QLineEdit* base_ = nullptr;
    QPushButton* baseCmd_[3] = {nullptr, nullptr, nullptr};
    QPushButton* zcAny_[3] = {nullptr, nullptr, nullptr};
    ScanListModel* models_[3] = {nullptr, nullptr, nullptr};
    QListView* lists_[3] = {nullptr, nullptr, nullptr};
    QLabel* info_ = nullptr;
    StatusBarWidget* status_ = nullptr;
    QAction* prefs_ = nullptr;
};

}  // namespace ravlet::gui
