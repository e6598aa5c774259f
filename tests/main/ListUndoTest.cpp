// Undo and redo of the list: every command that changes the rows, the selection after an
// undo, the bound of 50 steps, the byte budget, and the commands on many rows that need no
// question because they can be undone.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "filters/FilterCleanup.h"
#include "filters/Refiner.h"
#include "main/Drop.h"
#include "main/MainRefinerHost.h"
#include "support/MainFixture.h"
#include "support/TestHttpServer.h"

namespace ravlet {
namespace {

using Rows = std::vector<std::string>;

// The refiner's logic behind the window, with one filter that cuts anchors.
struct CutAnchors : RefinerHooks {
    explicit CutAnchors(frmMain& main) : host(main), refiner(host) {
        const int entry = refiner.Pad().AddFilter("Cleanup");
        refiner.Pad().FilterAt(entry)->cleanup.opts = kCleanupCutAnchor;
    }
    void RvCommands_FC(int code) override { refiner.RvCommands_FC(code); }
    void SetResetList(const Rows& rows) override { refiner.SetResetList(rows); }
    MainRefinerHost host;
    Refiner refiner;
};

// 150 rows, the second and fourth selected: more than the 100 at which a destructive command
// would have to ask, were it not undone.
Rows Before() {
    Rows rows = {"b.html", "a.html#top", "C.html", "d.html"};
    for (int i = 0; i < 146; ++i) rows.push_back("p" + std::to_string(1000 + i) + ".html");
    return rows;
}

struct Window {
    Window() {
        f.main->SetRefiner(&refiner);
        server.Route("/page.html", test::Page("<a href=got1.html> <a href=got2.html>"));
        f.home.Write("list.wls", "from-file\r\nb.html\r\n");
        f.home.Write("page.html", "<a href=from-html.html>");
        f.home.Write("site.map", "### SITEMAP1 INTELLITAMPER\r\nEXTRALINK##from-map\r\n");
        f.main->ShowMainWindow();
        f.main->txtUrl.text = server.Url("/page.html");
        f.main->txtUrlBase = "http://h/x/";
        f.Rows(Before(), {1, 3});
        f.main->ListLinks().Current(1);
        f.main->State(State_ListReady);
    }
    ~Window() { f.main->SetRefiner(nullptr); }
    test::MainFixture f;
    CutAnchors refiner{*f.main};
    test::TestHttpServer server;
};

std::function<void(Window&)> Command(int code) {
    return [code](Window& w) { w.f.main->RvCommand(code); };
}

using M = frmMain;
std::function<void(Window&)> Call(void (M::*command)()) {
    return [command](Window& w) { (w.f.main.get()->*command)(); };
}

// Each command that changes the rows, with the clipboard's text ("" leaves the clipboard) and
// the file a dialog chooses (or the answer of the edit question): undo restores the rows and
// redo the command's ones.
TEST(UndoCommand, UndoRestoresTheRowsAndRedoTheCommandsOnes) {
    const struct {
        const char *what, *clip, *file;
        std::function<void(Window&)> fire;
    } rows[] = {
        {"Delete Selected", "", "", Command(Cmd_DeleteSelected)},
        {"Cut Selected", "", "", Command(Cmd_CutSelected)},
        {"Clear", "", "", Command(Cmd_Clear)},
        {"Cut List", "", "", Command(Cmd_CutList)},
        {"Paste as Entry", "new.html", "", Command(Cmd_PasteEntry)},
        {"Paste List", "x.html\r\ny.html", "", Command(Cmd_PasteList)},
        {"Clear and Paste", "n1\r\nn2", "", Command(Cmd_ClearPaste)},
        {"Sort", "", "", Command(Cmd_Sort)},
        {"Apply Base", "", "", Command(Cmd_ApplyBase)},
        {"Get", "", "", Command(Cmd_Get)},
        {"Get and Add", "", "", Command(Cmd_GetAdd)},
        {"Refiner apply", "", "", Command(Cmd_RefinerApply)},
        {"Refiner apply button", "", "", [](Window& w) { w.refiner.refiner.cApply_Click(0); }},
        {"Symbiont", "s1\r\ns2#x", "", Call(&M::Symbiont)},
        {"Edit entry", "", "edited", Call(&M::EntryEdit)},
        {"Drag a row down and back up", "", "",
         [](Window& w) {
             w.f.main->ListLinks_MouseDown(0);
             for (long row : {1, 2, 5, 3}) w.f.main->ListLinks_MouseMove(row);
             w.f.main->ListLinks_MouseUp();
         }},
        {"Open Listfile", "", "list.wls", [](Window& w) { w.f.main->OpenListfile(false); }},
        {"Append Listfile", "", "list.wls", [](Window& w) { w.f.main->OpenListfile(true); }},
        {"Import HTML File", "", "page.html", Call(&M::ImportHtmlFile)},
        {"Import site map", "", "site.map", Call(&M::ImportSiteMap)},
        {"Import Clipboard", "<a href=clip.html>", "", Call(&M::ImportClipboard)},
        {"Clear all", "", "", Call(&M::ClearAll)},
        {"List Urls of the log", "", "",
         [](Window& w) {
             w.f.main->Log().addMessage("Error: 404 - Url: http://l/1.html", false);
             w.f.main->Log().cmdTop_Click(2);
         }},
        {"Drop of two addresses", "", "",
         [](Window& w) {
             DropData d;
             d.addresses = {"http://d/1.html", "http://d/2.html"};
             w.f.main->DropOnWindow(d);
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        Window w;
        if (*row.clip) w.f.Clip(row.clip);
        w.f.ui.files.push_back(w.f.home.File(row.file));
        w.f.ui.inputs.push_back(row.file);
        row.fire(w);
        const Rows after = w.f.Rows();
        EXPECT_NE(after, Before()) << "the command changed the list";
        EXPECT_TRUE(w.f.ui.messages.empty()) << "no question, not even on 150 rows";
        w.f.main->Undo();
        EXPECT_EQ(w.f.Rows(), Before());
        w.f.main->Redo();
        EXPECT_EQ(w.f.Rows(), after);
        w.f.main->Undo();
        EXPECT_EQ(w.f.Rows(), Before());
    }
}

TEST(ListUndo, TheRestoredRowsAreSelectedAndTheFirstIsCurrent) {
    Window w;
    w.f.main->RvCommand(Cmd_DeleteSelected);
    w.f.main->Undo();
    const LinkList& list = w.f.main->ListLinks();
    EXPECT_EQ(list.SelectedCount(), 2u);
    EXPECT_TRUE(list.Selected(1) && list.Selected(3));
    EXPECT_EQ(list.Current(), 1);
}

TEST(ListUndo, ClearAllComesBackWithTheAddressesAndTheSource) {
    Window w;
    w.f.main->TextHtml = "<a href=b.html>";
    const Rows texts = {w.f.main->txtUrl.text, "http://h/x/", "<a href=b.html>"};
    auto now = [&] {
        return Rows{w.f.main->txtUrl.text, w.f.main->txtUrlBase, w.f.main->TextHtml};
    };
    w.f.main->ClearAll();
    EXPECT_EQ(now(), Rows(3));
    EXPECT_TRUE(w.f.Rows().empty());
    w.f.main->Undo();
    EXPECT_EQ(now(), texts);
    EXPECT_EQ(w.f.Rows(), Before());
    w.f.main->Redo();
    EXPECT_EQ(now(), Rows(3));
    // With an empty list, the texts alone are the step.
    w.f.main->Undo();
    w.f.main->RvCommand(Cmd_Clear);
    w.f.main->ClearAll();
    w.f.main->Undo();
    EXPECT_EQ(now(), texts);
}

TEST(ListUndo, KeepsTheNewest50StepsAndSaysWhenNothingIsLeft) {
    Window w;
    for (int i = 0; i < 60; ++i) {
        w.f.Clip("new" + std::to_string(i));
        w.f.main->RvCommand(Cmd_PasteEntry);
    }
    EXPECT_EQ(w.f.main->UndoHistory().UndoSteps(), ListUndo::kMaxSteps);
    for (int i = 0; i < 50; ++i) w.f.main->Undo();
    Rows expected = Before();
    for (int i = 0; i < 10; ++i) expected.push_back("new" + std::to_string(i));
    EXPECT_EQ(w.f.Rows(), expected);
    w.f.main->Undo();
    EXPECT_EQ(w.f.Rows(), expected);
    EXPECT_EQ(w.f.main->StatusBar.Caption(), "Nothing to undo");
}

TEST(ListUndo, SmallChangesOfALargeListKeepOnlyWhatTheyTook) {
    LinkList list;
    std::vector<std::string> rows(100000, std::string(60, 'x'));
    list.Assign(rows);
    ListUndo undo(list);
    undo.Begin();
    list.Remove(99999);
    list.Remove(7);
    list.Set(0, "edited");
    list.Add("added");
    undo.End();
    EXPECT_LT(undo.Bytes(), 1024u) << "changed rows, not a copy of the list";
    ASSERT_TRUE(undo.Undo());
    EXPECT_EQ(list.Items(), rows);
}

TEST(ListUndo, TheByteBudgetDropsTheOldestStepsButNeverTheNewest) {
    LinkList list;
    ListUndo undo(list, 10000);
    for (char c : {'a', 'b', 'c'}) {
        ListUndoStep step(undo);
        list.Assign(std::vector<std::string>(100, std::string(60, c)));
    }
    EXPECT_EQ(undo.UndoSteps(), 1u) << "each replacement holds about 11 kB";
    ASSERT_TRUE(undo.Undo());
    EXPECT_EQ(list.At(0), std::string(60, 'b'));
    EXPECT_FALSE(undo.Undo());
}

}  // namespace
}  // namespace ravlet
