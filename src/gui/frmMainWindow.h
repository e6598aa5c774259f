#pragma once
// The main window on screen: a thin view over the logic's frmMain. It forwards every user
// action to the logic and draws what the logic says after each change.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStackedWidget>
#include <QSystemTrayIcon>
#include <QToolButton>
#include <map>
#include <memory>

#include "main/MainOptionsHost.h"
#include "main/MainView.h"

namespace ravlet {
class frmMain;
}

namespace ravlet::gui {

class LinkListView;
class StatusBarWidget;
class frmOverwriteDialog;
class frmLogView;
class ScannerWindow;
class frmFilerWindow;
class frmInfoWindow;

class frmMainWindow : public QMainWindow, public MainView {
    Q_OBJECT
  public:
    explicit frmMainWindow(frmMain& main);
    ~frmMainWindow() override;

    // MainView.
    void Show() override;
    void Update(int parts) override;
    void FocusUrlBox() override;
    void CloseWindow() override;
    void Terminate() override;
    void PopupFileMenu() override;
    void ShowNamingMenu() override;
    void ShowInfo(const std::string& address, const std::string& referrer,
                  const std::string& base) override;
    void ShowExportOptions(frmExportHtml& form) override;
    void ShowFiler() override;
    bool CloseToolWindows() override;
    void ShowPreferences(int page) override;
    void Title(const std::string& title) override {
        setWindowTitle(QString::fromLocal8Bit(title.data(), static_cast<qsizetype>(title.size())));
    }
    bool Active() const override { return isActiveWindow(); }
    bool TrayMessage(const std::string& title, const std::string& text) override;

    // The controls, by the names the logic gives them (tests find them here).
    QComboBox* txtUrl() const { return txtUrl_; }
    QLineEdit* txtUrlBase() const { return txtUrlBase_; }
    QPushButton* cGo() const { return cGo_; }
    LinkListView* ListLinks() const { return list_; }
    QPlainTextEdit* TextHtml() const { return source_; }
    StatusBarWidget* StatusBar() const { return status_; }
    QWidget* zParentLog() const { return logPane_; }
    frmLogView* LogView() const { return logView_.get(); }
    QComboBox* dirText() const { return dirText_; }
    QWidget* FolderBar() const { return folderBar_; }
    QPushButton* DownloadButton(int index) const { return download_[index]; }
    QMenu* Menu(const QString& title) const;
    ScannerWindow& Scanner() const { return *scanner_; }
    // The tool windows, once loaded.
    frmFilerWindow* FilerWindow() const { return filerWindow_.get(); }
    frmInfoWindow* InfoWindow() const { return infoWindow_.get(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void BuildMenus();
    void BuildToolbars();
    QAction* Item(QMenu* menu, const char* caption, const char* shortcutText,
                  std::function<void()> action);
    QAction* Command(QMenu* menu, const char* caption, int code,
                     const char* shortcutText = nullptr);
    void FillDirectoriesMenu();
    void FillParseOptions();
    void FillFilenaming();
    void FillReRouteMenu();
    void SyncTexts();
    void SyncControls();
    void SyncLayout();

    frmMain& main_;
    std::map<QString, QMenu*> menus_;
    QMenu* fileMenu_ = nullptr;
    QMenu* listMenu_ = nullptr;
    QMenu* dirMenu_ = nullptr;
    QMenu* parseMenu_ = nullptr;
    QMenu* namingMenu_ = nullptr;
    QMenu* reRouteMenu_ = nullptr;
    QAction* folderBarAction_ = nullptr;
    QComboBox* txtUrl_ = nullptr;
    QLineEdit* txtUrlBase_ = nullptr;
    QPushButton* cGo_ = nullptr;
    QPushButton* buildBase_ = nullptr;
    QPushButton* refiner_ = nullptr;
    QPushButton* applyFilters_ = nullptr;
    QPushButton* download_[3] = {nullptr, nullptr, nullptr};
    QPushButton* folderButton_ = nullptr;
    QPushButton* namingButton_ = nullptr;
    QPushButton* barFolderButton_ = nullptr;
    QPushButton* barNamingButton_ = nullptr;
    QWidget* folderBar_ = nullptr;
    QComboBox* dirText_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    LinkListView* list_ = nullptr;
    QPlainTextEdit* source_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QWidget* logPane_ = nullptr;
    std::unique_ptr<frmLogView> logView_;
    StatusBarWidget* status_ = nullptr;
    std::unique_ptr<QSystemTrayIcon> tray_;
    // Shown only while it carries a message, outside the notification-area mode.
    std::unique_ptr<QSystemTrayIcon> messageTray_;
    std::unique_ptr<frmOverwriteDialog> overwrite_;
    std::unique_ptr<ScannerWindow> scanner_;
    std::unique_ptr<frmFilerWindow> filerWindow_;
    std::unique_ptr<frmInfoWindow> infoWindow_;
    MainOptionsHost optionsHost_{main_};
    bool syncing_ = false;
    bool closing_ = false;
    bool placed_ = false;        // the saved place was applied
    bool logHeightSet_ = false;  // the saved height of the log pane was applied
};

}  // namespace ravlet::gui
