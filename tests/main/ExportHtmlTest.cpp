// The HTML export: the page's lines with each option, escaping, the export base, the options
// window and a failed write.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/Settings.h"
#include "main/ExportHtml.h"
#include "main/frmExportHtml.h"
#include "net/ravlet_url.h"
#include "support/Joined.h"
#include "support/MainFixture.h"

namespace ravlet {
namespace {

using Rows = std::vector<std::string>;

ExportHtmlOptions Opt(bool headline, bool useDesc, const std::string& desc, bool newWindow,
                      bool promote, const std::string& title = "T") {
    ExportHtmlOptions o;
    o.title = title;
    o.headline = headline;
    o.useDescription = useDesc;
    o.description = desc;
    o.newWindow = newWindow;
    o.promote = promote;
    return o;
}

// The entries ("|" between them) with the options: the lines between "<body>" and "</body>".
TEST(ExportPage, WritesTheLines) {
    const struct {
        const char* what;
        const char* entries;
        ExportHtmlOptions options;
        std::string body, title = "T";
    } rows[] = {
        {"an empty list", "", Opt(false, false, "", false, false), ""},
        {"empty list with heading and description", "", Opt(true, true, "D", false, false),
         "<h1>T</h1>\r\n<p>D</p>\r\n"},
        {"relative entries get the base in the href only", "a.jpg|http://o/b.jpg",
         Opt(false, false, "", false, false),
         "<a href=\"http://h/d/a.jpg\">a.jpg</a><br />\r\n"
         "<a href=\"http://o/b.jpg\">http://o/b.jpg</a><br />\r\n"},
        {"new window", "a", Opt(false, false, "", true, false),
         "<a href=\"http://h/d/a\" target=\"_blank\">a</a><br />\r\n"},
        {"description unchecked writes no paragraph", "", Opt(false, false, "D", false, false), ""},
        {"the ravlet link", "", Opt(false, false, "", false, true),
         "<p><b>Download Help ?!</b><br /><a href=\"http://home/\" >Get ravlet and "
         "download all the links of this page with ease.</p>\r\n"},
        {"markup in entries title and description is escaped", "x.php?a=1&b=\"2\"|<script>",
         Opt(true, true, "<b>&</b>", false, false, "a<\"b\">&"),
         "<h1>a&lt;&quot;b&quot;&gt;&amp;</h1>\r\n<p>&lt;b&gt;&amp;&lt;/b&gt;</p>\r\n"
         "<a href=\"http://h/d/x.php?a=1&amp;b=&quot;2&quot;\">x.php?a=1&amp;b=&quot;2&quot;"
         "</a><br />\r\n"
         "<a href=\"http://h/d/&lt;script&gt;\">&lt;script&gt;</a><br />\r\n",
         "a&lt;&quot;b&quot;&gt;&amp;"},
        {"an attribute cannot be broken out of", "\" onclick=\"x",
         Opt(false, false, "", false, false),
         "<a href=\"http://h/d/&quot; onclick=&quot;x\">&quot; onclick=&quot;x</a><br />\r\n"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(
            ExportHtmlPage(test::Split(row.entries), "http://h/d/", row.options, "http://home/"),
            "<html>\r\n<head><title>" + row.title + "</title></head>\r\n<body>\r\n" + row.body +
                "</body>\r\n</html>\r\n")
            << row.what;
    }
}

TEST(ExportBase, TheBaseWithASchemeElseThePagesBase) {
    UrlSchemesInit();
    EXPECT_EQ(ExportHtmlBase("http://b/x/", "http://p/q/r.html"), "http://b/x/");
    EXPECT_EQ(ExportHtmlBase("b/x/", "http://p/q/r.html"), "http://p/q/");
    EXPECT_EQ(ExportHtmlBase("", ""), "");
}

TEST(ExportPercent, EachEntryShowsTheShareWritten) {
    std::vector<int> seen;
    ExportHtmlPage({"a", "b", "c"}, "", ExportHtmlOptions{}, "", [&](int p) { seen.push_back(p); });
    EXPECT_EQ(seen, (std::vector<int>{33, 67, 100}));
}

// The options window.
TEST(ExportOptions, TheDescriptionFollowsItsBoxAndACloseCancels) {
    frmExportHtml form;
    EXPECT_FALSE(form.txtDescEnabled());
    form.chk[1] = true;
    EXPECT_TRUE(form.txtDescEnabled());
    form.Form_Unload();
    EXPECT_EQ(form.Result(), "cancel");
    form.cmd_Click(0);
    form.Form_Unload();
    EXPECT_EQ(form.Result(), "ok");
    form.cmd_Click(1);
    EXPECT_EQ(form.Result(), "cancel");
}

struct ExportView : test::RecordingView {
    std::function<void(frmExportHtml&)> answer;
    std::vector<std::string> presets;
    void ShowExportOptions(frmExportHtml& form) override {
        presets.push_back(form.txtTitle);
        if (answer) answer(form);
    }
};

struct ExportScene {
    ExportScene() {
        f.main->SetView(&view);
        f.main->txtUrl.text = "http://p/q/r.html";
        f.main->txtUrlBase = "";
        f.Rows({"a", "http://o/b"});
        AppSettings().webhomepage = "http://home/";
    }
    ~ExportScene() { f.main->SetView(&f.view); }
    test::MainFixture f;
    ExportView view;
};

TEST(ExportMenu, AsksForTheTargetThenTheOptionsThenWrites) {
    ExportScene s;
    s.view.answer = [](frmExportHtml& form) {
        form.txtTitle = "Mine";
        form.chk[2] = true;
        form.cmd_Click(0);
    };
    s.f.ui.files.push_back(s.f.home.File("out.html"));
    s.f.main->ExportHtmlFile();
    ASSERT_EQ(s.f.ui.fileRequests.size(), 1u);
    const FileDialogRequest& r = s.f.ui.fileRequests[0];
    EXPECT_TRUE(r.save);
    EXPECT_EQ(r.title, "Export HTML File");
    EXPECT_EQ(r.defaultExt, ".html");
    EXPECT_EQ(r.filter, HtmlFileFilter(AppSettings()));
    EXPECT_EQ(s.view.presets, Rows{"http://p/q/r.html"});
    EXPECT_EQ(s.f.home.Read("out.html"),
              "<html>\r\n<head><title>Mine</title></head>\r\n<body>\r\n"
              "<a href=\"http://p/q/a\" target=\"_blank\">a</a><br />\r\n"
              "<a href=\"http://o/b\" target=\"_blank\">http://o/b</a><br />\r\n"
              "</body>\r\n</html>\r\n");
    EXPECT_EQ(s.f.main->StatusBar.Caption(), "Ready (2 Links)");
    EXPECT_FALSE(s.f.ui.busy());
}

TEST(ExportMenu, CancelOrACloseWritesNothing) {
    ExportScene s;
    s.f.home.Write("out.html", "old");
    s.view.answer = [](frmExportHtml& form) { form.cmd_Click(1); };
    EXPECT_FALSE(s.f.main->ExportHtml(s.f.home.File("out.html")));
    s.view.answer = [](frmExportHtml& form) { form.Form_Unload(); };
    EXPECT_FALSE(s.f.main->ExportHtml(s.f.home.File("out.html")));
    EXPECT_EQ(s.f.home.Read("out.html"), "old");
    s.f.main->ExportHtmlFile();  // the target dialog cancelled
    EXPECT_EQ(s.view.presets.size(), 2u);
}

TEST(ExportMenu, AFailedWriteIsReportedAndLeavesNoPageBehind) {
    ExportScene s;
    s.view.answer = [](frmExportHtml& form) { form.cmd_Click(0); };
    // A folder at the target's name, and a target in a folder that does not exist.
    std::filesystem::create_directory(s.f.home.File("taken.html"));
    s.f.home.Write("taken.html/keep", "k");
    for (const std::string& target :
         {s.f.home.File("taken.html"), s.f.home.File("nowhere/out.html")}) {
        SCOPED_TRACE(target);
        s.f.ui.messages.clear();
        EXPECT_FALSE(s.f.main->ExportHtml(target));
        ASSERT_EQ(s.f.ui.messages.size(), 1u);
        EXPECT_EQ(s.f.ui.messages[0].title, "HTML Export");
        EXPECT_NE(s.f.ui.messages[0].text.find(target), std::string::npos);
        EXPECT_EQ(s.f.main->StatusBar.Caption(), "HTML export failed: " + target);
    }
    EXPECT_EQ(s.f.home.Read("taken.html/keep"), "k");
    std::vector<std::string> left;
    for (const auto& e : std::filesystem::directory_iterator(s.f.home.path()))
        left.push_back(e.path().filename().string());
    EXPECT_EQ(left, Rows{"taken.html"}) << "no temporary file remains";
}

}  // namespace
}  // namespace ravlet
