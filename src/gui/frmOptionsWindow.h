#pragma once
// The preferences window ("Preferences"): modal; its pages are frames of controls hosted by
// the entries of a grouped list. Every control writes its field of the logic as it changes;
// after each change the window draws what the logic says.
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <functional>
#include <map>
#include <vector>

#include "tools/frmOptionsNew.h"

namespace ravlet::gui {

class GlistWidget;

class frmOptionsWindow : public QDialog {
    Q_OBJECT
  public:
    frmOptionsWindow(OptionsHost& host, QWidget* owner);
    ~frmOptionsWindow() override;

    // Loads, expands page's entry and shows the window modally.
    void ShowPreferences(int page);
    frmOptionsNew& Logic() { return logic_; }

    // The controls, by the names the logic gives them (tests find them here).
    QWidget* Control(const QString& name) const;
    QPushButton* cmdSubmit(int index) const { return submit_[index]; }
    QWidget* PageFrame(int index) const { return frames_[index]; }
    GlistWidget* List() const { return list_; }

  private:
    QWidget* BuildAbout();
    QWidget* BuildDownload();
    QWidget* BuildNetEngine();
    QWidget* BuildSettings();
    QWidget* BuildAutomation();
    QWidget* BuildDir();
    QWidget* BuildReRoute();
    QWidget* BuildScanner();

    QLineEdit* Edit(const char* name, std::string frmOptionsNew::*field,
                    std::function<void()> changed = nullptr);
    QCheckBox* Box(const char* name, const char* caption, bool frmOptionsNew::*field,
                   std::function<void(bool)> clicked = nullptr);
    // Option buttons for an index field; returns the buttons' row.
    QWidget* Options(const char* name, std::vector<const char*> captions, int frmOptionsNew::*field,
                     bool vertical, std::function<void()> changed = nullptr);
    QPushButton* Button(const char* name, const char* caption, std::function<void()> clicked);
    QLabel* Buddy(const char* caption, QWidget* control);
    void Name(QWidget* w, const QString& name);
    void Sync();

    frmOptionsNew logic_;
    GlistWidget* list_ = nullptr;
    std::array<QWidget*, Page_Count> frames_{};
    std::array<QPushButton*, 4> submit_{};
    std::map<QString, QWidget*> controls_;
    std::vector<std::function<void()>> syncs_;
    bool syncing_ = false;
};

}  // namespace ravlet::gui
