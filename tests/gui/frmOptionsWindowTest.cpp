// The preferences window on screen, opened from every entry that leads to it and worked
// through its real controls and buttons.
#include "gui/frmOptionsWindow.h"

#include <gtest/gtest.h>

#include <QCompleter>
#include <QFileSystemModel>
#include <QTimer>
#include <functional>
#include <tuple>

#include "app/Integration.h"
#include "gui/GlistWidget.h"
#include "gui/MainWindowUnderTest.h"
#include "gui/ScannerWindow.h"
#include "gui/frmScannerWindow.h"
#include "platform/Registry.h"
#include "platform/StartProgram.h"
#include "support/RecordingAutomation.h"
#include "support/TestHttpServer.h"

namespace ravlet::gui {

namespace {

struct OptionsUnderTest : MainUnderTest {
    // Triggers entry and runs work inside the modal window that it opens; false when no
    // preferences window came.
    bool Open(QAction* entry, std::function<void(frmOptionsWindow&)> work) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<frmOptionsWindow*>(QApplication::activeModalWidget());
            if (!d) return;
            seen = true;
            EXPECT_TRUE(f.main->PreferencesOpen());
            work(*d);
            if (d->isVisible()) d->cmdSubmit(1)->click();
        });
        if (!entry) return false;
        entry->trigger();
        EXPECT_FALSE(f.main->PreferencesOpen());
        return seen;
    }
    static std::vector<int> ShownPages(const frmOptionsWindow& d) {
        std::vector<int> shown;
        for (int i = 0; i < Page_Count; ++i)
            if (d.PageFrame(i)->isVisible()) shown.push_back(i);
        return shown;
    }
};

template <typename T>
T* Get(const frmOptionsWindow& d, const char* name) {
    return qobject_cast<T*>(d.Control(QString::fromLatin1(name)));
}

void Type(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    edit->insert(text);
}

}  // namespace

TEST(OptionsWindow, EveryEntryOpensItsPage) {
    OptionsUnderTest w;
    using Entry = std::tuple<const char*, const char*, int>;  // the menu, the entry, its page
    for (const auto& [menu, caption, page] :
         {Entry{"&Preferences", "&Preferences...", Page_Download},
          Entry{"&Preferences", "Check for new &Version...", Page_About},
          Entry{"&Directories", "&Edit Favorites...", Page_Dir}}) {
        SCOPED_TRACE(caption);
        std::vector<int> shown;
        QString title;
        EXPECT_TRUE(w.Open(w.Action(menu, caption), [&](frmOptionsWindow& d) {
            shown = OptionsUnderTest::ShownPages(d);
            title = d.windowTitle();
        }));
        EXPECT_EQ(shown, std::vector<int>{page});
        EXPECT_EQ(title, "Preferences");
    }
    QAction* scanner = w.Action("&Tools", "&Scanner...");
    ASSERT_NE(scanner, nullptr);
    scanner->trigger();
    ASSERT_NE(w.view.Scanner().Window(), nullptr);
    std::vector<int> shown;
    EXPECT_TRUE(w.Open(w.view.Scanner().Window()->zmSpref(),
                       [&](frmOptionsWindow& d) { shown = OptionsUnderTest::ShownPages(d); }));
    EXPECT_EQ(shown, std::vector<int>{Page_Scanner});
    w.view.Scanner().Close();
}

TEST(OptionsWindow, TheFolderBoxesCompleteFoldersOnly) {
    OptionsUnderTest w;
    const auto foldersOnly = [](QCompleter* c) {
        auto* model = c ? qobject_cast<QFileSystemModel*>(c->model()) : nullptr;
        return model && (model->filter() & QDir::AllDirs) && !(model->filter() & QDir::Files);
    };
    EXPECT_TRUE(foldersOnly(w.view.dirText()->completer()));
    bool favourites = false;
    EXPECT_TRUE(w.Open(w.Action("&Directories", "&Edit Favorites..."), [&](frmOptionsWindow& d) {
        favourites = foldersOnly(Get<QLineEdit>(d, "cFavDir")->completer());
    }));
    EXPECT_TRUE(favourites);
}

TEST(OptionsWindow, ApplyAndOkWriteTheControlsBack) {
    OptionsUnderTest w;
    EXPECT_TRUE(w.Open(w.Action("&Preferences", "&Preferences..."), [&](frmOptionsWindow& d) {
        Type(Get<QLineEdit>(d, "txtCfgNetTimeout"), QStringLiteral("2min"));
        QCheckBox* link = Get<QCheckBox>(d, "chkCfgScanLink");
        QCheckBox* img = Get<QCheckBox>(d, "chkCfgScanImg");
        EXPECT_FALSE(link->isEnabled());
        img->click();
        EXPECT_TRUE(link->isEnabled());
        link->click();
        EXPECT_FALSE(link->isChecked());
        img->click();
        EXPECT_TRUE(link->isChecked()) << "one scan mode stays on";
        EXPECT_FALSE(link->isEnabled());
        QLineEdit* depth = Get<QLineEdit>(d, "txtCfgScanner_LevelDepth");
        EXPECT_FALSE(depth->isEnabled());
        Get<QRadioButton>(d, "optCfgScanner_LevelMode2")->click();
        EXPECT_TRUE(depth->isEnabled());
        Type(depth, QStringLiteral("-4"));
        d.cmdSubmit(2)->click();
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(AppSettings().nettimeout, 120000);
        EXPECT_EQ(AppSettings().Scanner_LevelMode, 2);
        EXPECT_EQ(depth->text(), "1") << "loaded back after Apply";
        Type(Get<QLineEdit>(d, "txtCfgBrowser"), QStringLiteral("agent/9"));
        d.cmdSubmit(0)->click();
        EXPECT_FALSE(d.isVisible());
    }));
    EXPECT_EQ(AppSettings().user_agent, "agent/9");
    EXPECT_NE(w.f.home.Read("ravlet.ini").find("user-agent=agent/9\r\n"), std::string::npos);
}

TEST(OptionsWindow, TheReRoutePageListsTheManagersAndSetsTheDefault) {
    test::RecordingAutomation managers;
    managers.Register("JetCar.Netscape");
    OptionsUnderTest w;
    EXPECT_TRUE(w.Open(w.Action("Re-Route", "&Re-Route Setup..."), [&](frmOptionsWindow& d) {
        EXPECT_EQ(OptionsUnderTest::ShownPages(d), std::vector<int>{Page_ReRoute});
        auto* list = Get<QListWidget>(d, "cReRouteList");
        auto* web = Get<QPushButton>(d, "cReRouteCmd0");
        auto* notice = Get<QLabel>(d, "cReRouteInfoL");
        ASSERT_EQ(list->count(), 15);
        EXPECT_EQ(list->item(0)->text(), "(none)");
        EXPECT_EQ(list->item(12)->text(), "Net Vampire [shareware]");
        EXPECT_EQ(list->item(13)->text(), "aria2 [open source, JSON-RPC]");
        EXPECT_EQ(list->currentRow(), 0);
        EXPECT_FALSE(web->isEnabled());
        const auto click = [list](int row) {
            QListWidgetItem* item = list->item(row);
            list->setCurrentItem(item);
            emit list->itemClicked(item);
        };
        click(12);
        EXPECT_TRUE(notice->isVisible()) << "Net Vampire is not installed";
        click(9);
        EXPECT_FALSE(notice->isVisible()) << "the registered FlashGet is";
        EXPECT_TRUE(web->isEnabled());
        d.cmdSubmit(2)->click();
        EXPECT_EQ(AppSettings().ReRouteDefaultId, "flashget");
        EXPECT_EQ(list->currentRow(), 9);
    }));
    EXPECT_NE(w.Action("Re-Route", "Flashget (former JetCar) (Default)"), nullptr)
        << "the menu follows the new default";
}

TEST(OptionsWindow, TheBrowserMenuButtonsInstallAndRemoveTheEntries) {
    OptionsUnderTest w;
    int starts = 0;
    SetProgramStartRecorder([&starts](const std::string&, const std::vector<std::string>&) {
        ++starts;
        return 0;
    });
    const std::string page = std::string(kMenuExtKey) + "\\" + kPageCaption;
    bool installed = false;
    bool removed = true;
    EXPECT_TRUE(w.Open(w.Action("&Preferences", "&Preferences..."), [&](frmOptionsWindow& d) {
        Get<QPushButton>(d, "cmdIntegrate0")->click();
        installed = Registry().KeyExists(RegHive::CurrentUser, page);
        Get<QPushButton>(d, "cmdIntegrate1")->click();
        removed = !Registry().KeyExists(RegHive::CurrentUser, page);
    }));
    SetProgramStartRecorder(nullptr);
    EXPECT_TRUE(installed);
    EXPECT_TRUE(removed);
    EXPECT_EQ(starts, 2) << "the component registered, then unregistered";
    EXPECT_EQ(w.f.MessageTexts(),
              (std::vector<std::string>{"Integration succesfull", "Integration succesfull"}));
}

TEST(OptionsWindow, TheCheckButtonShowsTheVerdictAndItsLabelHidesIt) {
    OptionsUnderTest w;
    test::TestHttpServer server;
    const std::string site = "127.0.0.1:" + std::to_string(server.Port());
    AppSettings().webserver = site;
    AppSettings().weburlver = "/ver";
    server.Route("/ver", test::Page("%versionstrings%\r\nwebserver=" + site +
                                    "\r\nweburlver=/ver\r\nversion=0.0.0\r\n"
                                    "%versionstrings end%\r\nBye.\r\n%eof%\r\n"));
    EXPECT_TRUE(
        w.Open(w.Action("&Preferences", "Check for new &Version..."), [&](frmOptionsWindow& d) {
            auto* text = Get<QLabel>(d, "verTxt");
            EXPECT_FALSE(text->isVisible());
            Get<QPushButton>(d, "cmdHomepage2")->click();
            EXPECT_TRUE(text->isVisible());
            EXPECT_TRUE(text->text().startsWith("You got pre-release "));
            EXPECT_TRUE(text->text().endsWith("\n\nBye."));
            EXPECT_TRUE(Get<QPushButton>(d, "cmdHomepage2")->isEnabled());
            Get<QPushButton>(d, "verLbl")->click();
            EXPECT_FALSE(text->isVisible());
        }));
}

}  // namespace ravlet::gui
