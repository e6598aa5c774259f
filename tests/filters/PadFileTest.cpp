#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "app/Settings.h"
#include "filters/PadFile.h"
#include "net/ListFiles.h"
#include "support/FileSizeLimit.h"
#include "support/Joined.h"
#include "support/ScriptedUi.h"
#include "support/TempHome.h"

namespace ravlet {

namespace {

class PadFileTest : public ::testing::Test {
  protected:
    void SetUp() override { SettingsSetDefaults(AppSettings()); }
    test::ScriptedUi ui;
};

// One line of the tree: level, caption, kind ("" for a group), flags, data block.
struct PadNode {
    int level;
    std::string caption, kind;
    bool enabled, collapsed;
    std::string data;
    bool operator==(const PadNode&) const = default;
};

std::ostream& operator<<(std::ostream& out, const PadNode& n) {
    return out << n.level << " [" << n.caption << "] " << n.kind << " " << n.enabled << n.collapsed
               << " [" << n.data << "]";
}

std::vector<PadNode> Tree(const FilterPad& pad) {
    std::vector<PadNode> nodes;
    const Glist& list = pad.List();
    for (int i = 1; i <= list.EntryCount(); ++i) {
        const GlistEntry& e = *list.Entry(i);
        const FilterGen* f = pad.FilterAt(i);
        nodes.push_back({e.level, e.caption, f ? f->Filter() : "", e.enabled, e.collapsed,
                         f ? f->DataRead() : ""});
    }
    return nodes;
}

// The captions of the tree, "|" between them.
std::string PadCaptions(const FilterPad& pad) {
    std::vector<std::string> captions;
    for (const PadNode& n : Tree(pad)) captions.push_back(n.caption);
    return test::Joined(captions);
}

// A pad with every kind, nested groups, and group and filter captions that need escaping.
void BuildSample(FilterPad& pad) {
    Glist& list = pad.List();
    pad.AddGroup();
    list.EntryData(1, "caption", std::string("Pictures & \"more\" > <less>"));
    list.EntryIndex(1);
    list.EntryIndex(list.EntryAddInto("<group inner", nullptr));
    list.EntryData(2, "enabled", true);
    int f = pad.AddFilter("File Type");
    pad.FilterAt(f)->fileType.SetOpts(3);
    list.Move(f, 2, GlistDrop::Into);
    f = list.EntryIndex();
    f = pad.AddFilter("Pre- and Suf-fix");
    pad.FilterAt(f)->preSuffix = {".zip", "/dl/\"x\"", true, false};
    list.EntryData(f, "collapsed", true);
    list.EntryIndex(1);
    f = pad.AddFilter("Find (and Replace)");
    pad.FilterAt(f)->findReplace = {1, "a&b</filter></group><group x", true, 2, false, "c>d\r\ne"};
    list.EntryIndex(0);
    f = pad.AddFilter("OneWildcard*");
    pad.FilterAt(f)->oneWildcard = {2, "img*.jpg"};
    list.EntryData(f, "enabled", false);
    f = pad.AddFilter("Cleanup");
    pad.FilterAt(f)->cleanup.opts = 19;
    list.EntryData(f, "caption", std::string("a \"b\" <c> & <d"));
    pad.AddGroup();
    list.EntryIndex(3);
}

}  // namespace

TEST_F(PadFileTest, EmptyPadAndGroupWithOneCleanupFilter) {
    FilterPad pad;
    EXPECT_EQ(PadWrite(pad), "<filterravpad selected=\"0\">\r\n</filterravpad>");
    Glist& list = pad.List();
    const int g = list.SilentAdd("G", nullptr, 0, 0);
    list.EntryData(g, "enabled", true);
    FilterGen& f = pad.CreateFilter();
    f.Filter("Cleanup");
    f.cleanup.opts = 3;
    const int e = list.SilentAdd("F", &f, 0, 1);
    list.EntryData(e, "enabled", true);
    list.EntryData(e, "collapsed", true);
    EXPECT_EQ(PadWrite(pad),
              "<filterravpad selected=\"0\">\r\n"
              "\t<group caption=\"G\" enabled=\"1\" collapsed=\"0\" >\r\n"
              "\t\t<filter type=\"Cleanup\" caption=\"F\" enabled=\"1\" collapsed=\"1\" >\r\n"
              "\t\t\t<data name=\"opts\" value=\"3\" />\r\n"
              "\t\t</filter>\r\n"
              "\t</group>\r\n"
              "</filterravpad>");
}

TEST_F(PadFileTest, WrittenPadReadsBackByteForByte) {
    FilterPad pad;
    BuildSample(pad);
    const std::string text = PadWrite(pad);
    EXPECT_NE(text.find("caption=\"Pictures &amp; &quote;more&quote; &gt; <less&gt;\""),
              std::string::npos);
    // Data lines are indented with their element, every line of them.
    EXPECT_NE(text.find("\r\n\t\t\t\t<data name=\"opts\" value=\"3\" />\r\n\t\t\t</filter>"),
              std::string::npos);

    FilterPad again;
    EXPECT_EQ(PadRead(again, text).status, PadReadStatus::Ok);
    EXPECT_EQ(Tree(again), Tree(pad));
    EXPECT_EQ(again.List().EntryIndex(), pad.List().EntryIndex());
    EXPECT_EQ(PadWrite(again), text);
    EXPECT_EQ(again.List().Entry(1)->caption, "Pictures & \"more\" > <less>");
}

TEST_F(PadFileTest, HandWrittenPad) {
    const std::string text =
        "<filterravpad selected=\"2\">\r\n"
        "\t<group caption=\"Only pictures\" enabled=\"1\" collapsed=\"0\" >\r\n"
        "\t\t<filter type=\"File Type\" caption=\"pics\" enabled=\"1\" collapsed=\"0\" >\r\n"
        "\t\t\t<data name=\"entries\" value=\"image(.jpg,.png)other(.gif)\" />\r\n"
        "\t\t\t<data name=\"opts\" value=\"2\" />\r\n"
        "\t\t</filter>\r\n"
        "\t\t<group caption=\"off\" enabled=\"0\" collapsed=\"1\" >\r\n"
        "\t\t\t<filter type=\"OneWildcard*\" caption=\"x\" enabled=\"1\" collapsed=\"0\" >\r\n"
        "\t\t\t\t<data name=\"action\" value=\"4\" />\r\n"
        "\t\t\t\t<data name=\"mask\" value=\"a*&quote;\" />\r\n"
        "\t\t\t</filter>\r\n"
        "\t\t</group>\r\n"
        "\t</group>\r\n"
        "\t<filter type=\"Cleanup\" caption=\"tidy\" enabled=\"1\" collapsed=\"1\" >\r\n"
        "\t\t<data name=\"opts\" value=\"16\" />\r\n"
        "\t</filter>\r\n"
        "</filterravpad>";
    FilterPad pad;
    ASSERT_EQ(PadRead(pad, text).status, PadReadStatus::Ok);
    EXPECT_EQ(PadCaptions(pad), "Only pictures|pics|off|x|tidy");
    std::vector<int> levels;
    for (const PadNode& n : Tree(pad)) levels.push_back(n.level);
    EXPECT_EQ(levels, (std::vector<int>{0, 1, 1, 2, 0}));
    EXPECT_EQ(pad.List().EntryIndex(), 2);
    EXPECT_EQ(pad.List().CheckState(4), 2);  // under the disabled group
    EXPECT_TRUE(pad.List().Entry(3)->collapsed);
    EXPECT_EQ(pad.FilterAt(2)->fileType.GroupCount(), 2u);
    EXPECT_TRUE(pad.FilterAt(2)->fileType.Selected(1));
    EXPECT_EQ(pad.FilterAt(4)->oneWildcard.mask, "a*\"");
    EXPECT_EQ(pad.FilterAt(5)->cleanup.opts, 16);
    EXPECT_EQ(PadWrite(pad), text);

    // Any number but 0 sets a flag; a missing attribute gives an empty caption and false;
    // the selected number is rounded.
    ASSERT_EQ(PadRead(pad,
                      "<filterravpad selected=\"1.6\"><group caption=\"g\" enabled=\"0.4\" >"
                      "</group><group enabled=\"x\" collapsed=\"-1\" ></group></filterravpad>")
                  .status,
              PadReadStatus::Ok);
    ASSERT_EQ(pad.List().EntryCount(), 2);
    EXPECT_TRUE(pad.List().Entry(1)->enabled);
    EXPECT_FALSE(pad.List().Entry(1)->collapsed);
    EXPECT_FALSE(pad.List().Entry(2)->enabled);
    EXPECT_TRUE(pad.List().Entry(2)->collapsed);
    EXPECT_EQ(pad.List().Entry(2)->caption, "");
    EXPECT_EQ(pad.List().EntryIndex(), 2);
}

TEST_F(PadFileTest, BundledSamplePadReadsBackByteForByte) {
    const std::string text =
        ReadTextFile(std::string(RAVLET_SOURCE_DIR) + "/examples/pads/archives-and-music.rvp");
    ASSERT_FALSE(text.empty());
    FilterPad pad;
    ASSERT_EQ(PadRead(pad, text).status, PadReadStatus::Ok);
    EXPECT_EQ(Tree(pad).size(), 8u);
    EXPECT_EQ(PadWrite(pad) + "\r\n", text);
}

TEST_F(PadFileTest, TextsThatAreNoPad) {
    FilterPad pad;
    BuildSample(pad);
    const int before = pad.List().EntryCount();
    EXPECT_EQ(PadRead(pad, "no tags < here at all").status, PadReadStatus::NoTag);
    EXPECT_EQ(pad.List().EntryCount(), before);
    EXPECT_EQ(PadRead(pad, "<FilterRavPad selected=\"1\"></FilterRavPad>").status,
              PadReadStatus::NotAPad);
    EXPECT_EQ(pad.List().EntryCount(), 0);
}

TEST_F(PadFileTest, DamagedElementsAreSkipped) {
    struct DamagedRow {
        std::string inner;
        const char* captions;
        bool damaged;
        std::size_t messages;
    };
    const DamagedRow rows[] = {
        // A self-closing filter is skipped.
        {"<filter type=\"Cleanup\" caption=\"a\" /><filter type=\"Cleanup\" caption=\"b\" >"
         "</filter>",
         "b", false, 0},
        {"<filter caption=\"a\" ></filter>", "", true, 0},  // no type
        // No closing tag within its group: skipped.
        {"<group caption=\"g\" ><filter type=\"Cleanup\" caption=\"a\" ></group>", "g", true, 0},
        // The close is searched as a prefix: the root's close ends the filter.
        {"<filter type=\"Cleanup\" caption=\"a\" >", "a", false, 0},
        {"<other x=\"1\"><group caption=\"g\" ></group>", "g", false, 0},
        // One message a read.
        {"<group caption=\"g\" ><group caption=\"h\" ><group caption=\"i\" >x", "i", true, 1},
        {"<filter type=\"Nonsense\" caption=\"n\" ><data name=\"q\" value=\"1\" /></filter>", "n",
         false, 0},
    };
    for (const auto& r : rows) {
        ui.messages.clear();
        FilterPad pad;
        const auto result =
            PadRead(pad, "<filterravpad selected=\"0\">" + r.inner + "</filterravpad>");
        EXPECT_EQ(result.status == PadReadStatus::Damaged, r.damaged) << r.inner;
        EXPECT_EQ(PadCaptions(pad), r.captions) << r.inner;
        ASSERT_EQ(ui.messages.size(), r.messages) << r.inner;
        if (r.messages > 0) {
            EXPECT_EQ(ui.messages[0].text, "Error: No closing Tag found.");
            EXPECT_EQ(ui.messages[0].title, "List_WriteParseData");
            EXPECT_EQ(ui.messages[0].icon, MsgIcon::Critical);
        }
    }
}

// An unfinished tag in a filter's data is text: the filter ends at its own "</filter>", the
// damaged line is skipped, and the next filter keeps its data.
TEST_F(PadFileTest, AnUnfinishedTagDoesNotSwallowTheNextFilter) {
    const std::string damaged[] = {"\t\t<data name=\"opts\" value=\"1\"\r\n",
                                   "\t\tx<y\r\n\t\t<data name=\"opts\" value=\"1\" />\r\n",
                                   "\t\t<data name=\"opts\" value=\"1\" /> x<y\r\n"};
    for (const std::string& lines : damaged) {
        const std::string text =
            "<filterravpad selected=\"0\">\r\n"
            "\t<filter type=\"Cleanup\" caption=\"first\" enabled=\"1\" collapsed=\"0\" >\r\n" +
            lines +
            "\t</filter>\r\n"
            "\t<filter type=\"Cleanup\" caption=\"second\" enabled=\"1\" collapsed=\"0\" >\r\n"
            "\t\t<data name=\"opts\" value=\"16\" />\r\n"
            "\t</filter>\r\n"
            "</filterravpad>";
        FilterPad pad;
        PadRead(pad, text);
        ASSERT_EQ(PadCaptions(pad), "first|second") << lines;
        EXPECT_EQ(pad.FilterAt(2)->cleanup.opts, 16) << lines;
        const bool dataLineWhole = lines.find("/>") != std::string::npos;
        EXPECT_EQ(pad.FilterAt(1)->cleanup.opts, dataLineWhole ? 1 : 0) << lines;
    }
}

TEST_F(PadFileTest, UnknownKindsSurviveASave) {
    const std::string text =
        "<filterravpad selected=\"1\">\r\n"
        "\t<filter type=\"Future Kind\" caption=\"f\" enabled=\"1\" collapsed=\"0\" >\r\n"
        "\t\t<data name=\"a\" value=\"1\" />\r\n"
        "\t\t<data name=\"b\" value=\"x&amp;y\" />\r\n"
        "\t</filter>\r\n"
        "</filterravpad>";
    FilterPad pad;
    ASSERT_EQ(PadRead(pad, text).status, PadReadStatus::Ok);
    EXPECT_EQ(pad.FilterAt(1)->Filter(), "");
    EXPECT_EQ(PadWrite(pad), text);

    // Only its data tags are kept: another tag written back inside it could open a group.
    std::string stray = text;
    stray.insert(stray.find("\t\t<data name=\"b\""), "<group caption=\"x\" >");
    FilterPad other;
    ASSERT_EQ(PadRead(other, stray).status, PadReadStatus::Ok);
    EXPECT_EQ(PadWrite(other), text);
}

TEST_F(PadFileTest, TruncatedAtEveryOffset) {
    FilterPad pad;
    BuildSample(pad);
    const std::string text = PadWrite(pad);
    for (std::size_t cut = 0; cut < text.size(); ++cut) {
        FilterPad part;
        const auto result = PadRead(part, text.substr(0, cut));
        // Only the very last ">" can go without losing anything.
        if (cut + 1 < text.size()) {
            EXPECT_NE(result.status, PadReadStatus::Ok) << cut;
        }
        const Glist& list = part.List();
        EXPECT_LE(list.EntryCount(), pad.List().EntryCount()) << cut;
        for (int i = 1; i <= list.EntryCount(); ++i) EXPECT_LE(list.Entry(i)->level, 2) << cut;
    }
}

TEST_F(PadFileTest, DeepNestingAndHugeValues) {
    std::string deep = "<filterravpad selected=\"0\">";
    for (int i = 0; i < 5000; ++i) deep += "<group caption=\"g\" enabled=\"1\" collapsed=\"0\" >";
    for (int i = 0; i < 5000; ++i) deep += "</group>";
    deep += "</filterravpad>";
    FilterPad pad;
    EXPECT_EQ(PadRead(pad, deep).status, PadReadStatus::Damaged);
    EXPECT_GT(pad.List().EntryCount(), 0);
    EXPECT_LE(ui.messages.size(), 1u);

    const std::string huge(10 << 20, 'x');
    const std::string text =
        "<filterravpad selected=\"1\"><filter type=\"Find (and Replace)\" "
        "caption=\"big\" ><data name=\"find\" value=\"" +
        huge + "\" /></filter></filterravpad>";
    FilterPad big;
    ASSERT_EQ(PadRead(big, text).status, PadReadStatus::Ok);
    EXPECT_EQ(big.FilterAt(1)->findReplace.find.size(), huge.size());
}

// A file far too big to be a pad is refused before it is read, and the pad stays.
TEST_F(PadFileTest, AFileBeyondTheLimitIsNotRead) {
    test::TempHome home;
    FilterPad pad;
    pad.AddGroup();
    // A sparse file: its size is beyond the limit without the disk holding it.
    home.Write("huge.rvp", "<filterravpad selected=\"0\">\r\n</filterravpad>");
    std::filesystem::resize_file(home.File("huge.rvp"), kPadFileMaxBytes + 1);
    const PadReadResult r = PadReadFile(pad, home.File("huge.rvp"));
    EXPECT_FALSE(r.Readable());
    EXPECT_EQ(r.problem, "the file is too big for a filter pad");
    EXPECT_EQ(pad.List().EntryCount(), 1);
}

TEST_F(PadFileTest, DefaultFile) {
    test::TempHome home;
    FilterPad pad;
    BuildSample(pad);
    const int count = pad.List().EntryCount();
    EXPECT_EQ(PadReadDefault(pad).status, PadReadStatus::Ok);  // no file yet: nothing changes
    EXPECT_EQ(pad.List().EntryCount(), count);
    ASSERT_TRUE(PadSaveDefault(pad));
    EXPECT_EQ(home.Read("default.rvp"), PadWrite(pad) + "\r\n");

    FilterPad again;
    EXPECT_EQ(PadReadDefault(again).status, PadReadStatus::Ok);
    EXPECT_EQ(Tree(again), Tree(pad));
    EXPECT_EQ(again.List().EntryIndex(), pad.List().EntryIndex());

    // A disk that fills up midway (a file-size limit, which holds for root too): the save
    // fails and the old file stays whole.
    FilterPad bigger;
    BuildSample(bigger);
    for (int i = 0; i < 50; ++i) bigger.AddFilter("Cleanup");
    std::string error;
    bool saved;
    {
        const test::FileSizeLimit full(PadWrite(pad).size());
        saved = PadSaveDefault(bigger, &error);
    }
    EXPECT_FALSE(saved);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(home.Read("default.rvp"), PadWrite(pad) + "\r\n");

    // A folder at the file's name is not replaced.
    std::filesystem::remove(home.File("default.rvp"));
    std::filesystem::create_directory(home.File("default.rvp"));
    error.clear();
    EXPECT_FALSE(PadSaveDefault(pad, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(std::filesystem::is_directory(home.File("default.rvp")));
}

}  // namespace ravlet
