#include "app/frmLog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "links/LinkList.h"
#include "support/Joined.h"
#include "support/ScriptedUi.h"

namespace ravlet {

namespace {

struct Host : LogHost {
    bool pane = false;
    int layouts = 0;
    int readies = 0;
    std::vector<int> keys;
    LinkList list;
    bool LogPaneVisible() const override { return pane; }
    void LogPaneVisible(bool v) override { pane = v; }
    void Form_Resize() override { ++layouts; }
    void zParentLog_Resize() override {}
    bool Form_KeyDown(const KeyPress& k) override {
        keys.push_back(k.key);
        return true;
    }
    ravlet::LinkList& ListLinks() override { return list; }
    bool ListUrlsAllowed() const override { return listFree; }
    bool listFree = true;
    void Interface_StatusReady() override { ++readies; }
};

}  // namespace

TEST(frmLog, NewestFirstAndTheOldTextCutTo15000Characters) {
    Host host;
    frmLog log(host);
    log.addMessage("one", false);
    log.addMessage("two", false);
    EXPECT_EQ(log.txtLog(), "two\r\none\r\n");
    std::string last;
    for (int i = 0; i < 100; ++i) {
        last = "<" + std::to_string(i) + ">" + std::string(195, 'x');
        log.addMessage(last, false);
    }
    EXPECT_LE(log.txtLog().size(), 15000u + last.size() + 2);
    EXPECT_GT(log.txtLog().size(), 14000u);
    EXPECT_EQ(log.txtLog().compare(0, last.size() + 2, last + "\r\n"), 0);
    EXPECT_EQ(log.txtLog().find("<0>"), std::string::npos) << "the oldest message is gone";

    log.cmdTop_Click(0);
    const std::string huge = "<first>" + std::string(40000, 'a') + "<last>";
    log.addMessage(huge, false);
    EXPECT_EQ(log.txtLog(), huge + "\r\n") << "the newest message is never cut";
    log.addMessage("b", false);
    EXPECT_EQ(log.txtLog(), "b\r\n" + huge.substr(0, 15000))
        << "the next one cuts the old text to its first 15000 characters";
}

TEST(frmLog, ShowMakesAHiddenLogVisibleWhereItLives) {
    Host host;
    frmLog log(host);
    log.Toggle();
    EXPECT_FALSE(log.LogVisible());
    log.addMessage("quiet", false);
    EXPECT_FALSE(log.LogVisible());
    log.addMessage("loud", true);
    EXPECT_TRUE(host.pane);
    log.Docked(false);
    EXPECT_FALSE(host.pane);
    EXPECT_TRUE(log.WindowVisible());
    log.Toggle();
    EXPECT_FALSE(log.LogVisible());
    log.addMessage("loud", true);
    EXPECT_TRUE(log.WindowVisible());
    EXPECT_FALSE(host.pane);
}

TEST(frmLog, OpensDockedAndDockingBackAndForthKeepsTheTextAndTheCloseBoxOnlyHides) {
    Host host;
    EXPECT_FALSE(frmLog::Loaded());
    {
        frmLog log(host);
        EXPECT_TRUE(log.Docked());
        EXPECT_TRUE(host.pane);
        EXPECT_FALSE(log.WindowVisible());
        EXPECT_GE(host.layouts, 1);
        log.addMessage("keep me", false);
        for (int i = 0; i < 5; ++i) {
            log.Docked(false);
            log.Docked(true);
        }
        EXPECT_EQ(log.txtLog(), "keep me\r\n");
        EXPECT_TRUE(host.pane);
        EXPECT_FALSE(log.WindowVisible());
        log.Docked(false);
        EXPECT_FALSE(log.QueryUnload());
        EXPECT_FALSE(log.WindowVisible());
        EXPECT_TRUE(frmLog::Loaded());
    }
    EXPECT_FALSE(frmLog::Loaded());
}

TEST(frmLog, ButtonsClearAndHide) {
    Host host;
    frmLog log(host);
    log.addMessage("x", false);
    log.cmdTop_Click(0);
    EXPECT_EQ(log.txtLog(), "");
    log.cmdTop_Click(1);
    EXPECT_FALSE(host.pane);
    log.cmdTop_Click(1);
    EXPECT_TRUE(host.pane);
    log.addMessage("y", false);
    log.cmdTop_Click(3);
    EXPECT_EQ(log.txtLog(), "");
    EXPECT_FALSE(host.pane);
}

// Messages oldest first, lists written "a|b".
TEST(frmLog, ListUrlsPutsTheLoggedAddressesIntoTheList) {
    const struct {
        const char* what;
        std::string messages, before, after;
    } rows[] = {{"newest first",
                 "Error: Http Code not OK (200):404 - Url: http://a/1|"
                 "skipping: is text/html - Url: http://a/2",
                 "old", "http://a/2|http://a/1"},
                {"same address twice", "Error: x - Url: http://a/1|Error: y - Url: http://a/1", "",
                 "http://a/1"},
                {"marker in any case", "failed URL: http://a/3", "", "http://a/3"},
                {"first marker of the line", "Url: http://a/ Url: http://b/", "",
                 "http://a/ Url: http://b/"},
                {"no address keeps the list", "Warning: nothing here", "old|rows", "old|rows"},
                {"empty log", "", "old", "old"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        test::ScriptedUi ui;
        Host host;
        host.list.Assign(test::Split(row.before));
        frmLog log(host);
        for (const std::string& m : test::Split(row.messages)) log.addMessage(m, false);
        log.cmdTop_Click(2);
        EXPECT_EQ(test::Joined(host.list.Items()), row.after);
        EXPECT_EQ(host.readies, row.after == row.before ? 0 : 1)
            << "a new list refreshes the status";
        EXPECT_FALSE(ui.busy());
    }
}

TEST(frmLog, F7HidesOtherKeysGoToTheMainWindow) {
    Host host;
    frmLog log(host);
    log.Docked(false);
    EXPECT_TRUE(log.Form_KeyDown({Key_F(7)}));
    EXPECT_FALSE(log.WindowVisible());
    EXPECT_TRUE(host.keys.empty());
    log.Form_KeyDown({Key_F(7), false, true, false});
    log.Form_KeyDown({'A', false, true, false});
    EXPECT_EQ(host.keys, (std::vector<int>{Key_F(7), 'A'}));
}

}  // namespace ravlet
