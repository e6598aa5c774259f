#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "filters/FilterFileType.h"
#include "filters/FilterKindRows.h"
#include "support/Defaults.h"
#include "support/ScriptedUi.h"

namespace ravlet {

namespace {

FileTypeFilter DefaultGroups() {
    FileTypeFilter f;
    f.GroupsFromText(test::Defaults().Refiner_FTentries);
    return f;
}

}  // namespace

TEST(FilterFileType, Judging) {
    // groups, selected groups, link, result
    const std::string defaults = test::Defaults().Refiner_FTentries;
    const std::tuple<std::string, int, std::string, int> rows[] = {
        {defaults, 0, "/a.jpg", 1},  // nothing selected removes every link
        {defaults, 1, "/a.JPG", 0},  // image, without regard to case
        {defaults, 1, "/a.jpg?x=1", 1},
        {defaults, 1, "/a.gif", 1},  // the gif is in "image other"
        {defaults, 3, "/a.gif", 0},
        {defaults, 1, "", 1},
        {defaults, 1, "jpg", 1},  // shorter than ".jpg"
        {defaults, 1, ".jpg", 0},
        {"empty()", 1, "/a.jpg", 1},  // a group without extensions
        {"empty()img(.jpg)", 1, "/a.jpg", 1},
        {"empty()img(.jpg)", 3, "/a.jpg", 0},
        {"g(.a,,.b)", 1, "/anything", 0},  // an empty extension matches every link
        {"g(.a,)", 1, "/x", 0},
        {"g(.a, .b)", 1, "/x.b", 1},  // the pieces are not trimmed
        {"g(.a, .b)", 1, "/x .b", 0},
        {"g(.TAR.GZ)", 1, "/x.tar.gz", 0},
    };
    for (const auto& [groups, opts, given, result] : rows) {
        FileTypeFilter f;
        f.GroupsFromText(groups);
        f.SetOpts(opts);
        std::string link = given;
        EXPECT_EQ(f.Judge(link), result) << groups << " " << opts << " " << given;
        EXPECT_EQ(link, given);
    }
}

TEST(FilterFileType, GroupTextToGroups) {
    FileTypeFilter f;
    f.GroupsFromText(" image ( .jpg,.png ) junk without paren )docs(.pdf)trailing(");
    ASSERT_EQ(f.GroupCount(), 3u);
    EXPECT_EQ(f.Group(0), "image (.jpg,.png)");
    EXPECT_EQ(f.Group(1), "docs (.pdf)");
    EXPECT_EQ(f.Group(2), "trailing ()");
    EXPECT_EQ(f.GroupsText(), "image(.jpg,.png)docs(.pdf)trailing()");
    EXPECT_EQ(DefaultGroups().GroupCount(), 8u);
}

TEST(FilterFileType, DataBlockRoundTrips) {
    FileTypeFilter f = DefaultGroups();
    f.SetOpts(5);
    const std::string block = f.DataRead();
    EXPECT_EQ(
        block.rfind("<data name=\"entries\" value=\"image(.jpg,.jpeg,.jp2,.png)image other(", 0),
        0u);
    EXPECT_NE(block.find("\" />\r\n<data name=\"opts\" value=\"5\" />"), std::string::npos);
    EXPECT_EQ(block.substr(block.size() - 4), "\" />");

    FileTypeFilter g;
    g.DataWrite(DataLinesRead(block));
    EXPECT_EQ(g.GroupsText(), f.GroupsText());
    EXPECT_EQ(g.Opts(), 5);
    EXPECT_TRUE(g.Selected(0));
    EXPECT_FALSE(g.Selected(1));
    EXPECT_TRUE(g.Selected(2));

    // A block without entries leaves no groups; bits past the groups select nothing.
    g.DataWrite(DataLinesRead("<data name=\"opts\" value=\"-1\" />"));
    EXPECT_EQ(g.GroupCount(), 0u);
    EXPECT_EQ(g.Opts(), 0);
}

TEST(FilterFileType, MaskCannotHoldGroupsFromPosition31) {
    std::string text;
    for (int i = 0; i < 33; ++i) text += "g" + std::to_string(i) + "(.e" + std::to_string(i) + ")";
    FileTypeFilter f;
    f.GroupsFromText(text);
    EXPECT_TRUE(f.Select(30, true));
    EXPECT_FALSE(f.Select(31, true));
    EXPECT_FALSE(f.Select(32, true));
    EXPECT_EQ(f.Opts(), 1 << 30);
    std::string link = "x.e31";
    EXPECT_EQ(f.Judge(link), 1);
}

TEST(FilterFileType, EditingTheGroups) {
    test::ScriptedUi ui;
    FileTypeFilter f;
    f.GroupsFromText("a(.x)b(.y)c(.z)");
    f.Select(1, true);
    f.Choose(1);
    EXPECT_EQ(f.NameField(), "b");
    EXPECT_EQ(f.ExtensionsField(), ".y");

    f.NameChanged(" b(e)tter ");
    f.ExtensionsChanged(" .y , .w ,,.v) ");
    EXPECT_EQ(f.Group(1), "better (.y,.w,,.v)");

    std::string link = "/f.w";
    EXPECT_EQ(f.Judge(link), 0);  // the rebuilt group judges at once

    ui.answers = {MsgAnswer::No};
    f.Delete();
    EXPECT_EQ(f.GroupCount(), 3u);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Delete better (.y,.w,,.v) ?");
    EXPECT_EQ(ui.messages[0].title, "Delete Filetype");
    EXPECT_EQ(ui.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Question);

    ui.answers = {MsgAnswer::Yes, MsgAnswer::Yes, MsgAnswer::Yes};
    f.Delete();
    EXPECT_EQ(f.GroupCount(), 2u);
    EXPECT_EQ(f.Current(), 1);  // the group now at the same position
    EXPECT_EQ(f.Group(1), "c (.z)");
    EXPECT_FALSE(f.Selected(1));
    f.Delete();
    EXPECT_EQ(f.Current(), 0);  // the removed group was last
    f.Delete();
    EXPECT_EQ(f.Current(), -1);
    EXPECT_EQ(f.GroupCount(), 0u);

    f.Add();
    EXPECT_EQ(f.Group(0), "new (.end,.end2)");
    EXPECT_EQ(f.Current(), 0);
    EXPECT_TRUE(f.EditorOpen());
    EXPECT_EQ(f.ExpandCaption(), "<<");
}

}  // namespace ravlet
