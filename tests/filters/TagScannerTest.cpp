#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "filters/TagScanner.h"

namespace ravlet {

namespace {

// The attributes read from the tag's start: "name[value]" without a value, "name=[value]"
// with one, blanks between them.
std::string ReadAll(const std::string& text) {
    std::string all;
    for (const TagAttr& a : TagAttributes(text, 1))
        all += (all.empty() ? "" : " ") + a.name + (a.noValue ? "[" : "=[") + a.value + "]";
    return all;
}

}  // namespace

TEST(TagScanner, EscapingRoundTrips) {
    const std::pair<std::string, std::string> rows[] = {
        {"", ""},
        {"plain text", "plain text"},
        {"a&b\"c>d", "a&amp;b&quote;c&gt;d"},
        {"<not escaped>", "<not escaped&gt;"},
        {"&amp;", "&amp;amp;"},
        {"&quote;", "&amp;quote;"},
        {"\"\"", "&quote;&quote;"},
        {"&gt;>", "&amp;gt;&gt;"},
        {"tab\there", "tab\there"},
    };
    for (const auto& [plain, escaped] : rows) {
        EXPECT_EQ(TagEscape(plain), escaped) << plain;
        EXPECT_EQ(TagUnescape(escaped), plain) << escaped;
    }
}

TEST(TagScanner, UnescapeKnowsOnlyItsThreeEntities) {
    EXPECT_EQ(TagUnescape("&quot;"), "&quot;");
    EXPECT_EQ(TagUnescape("&GT;&Amp;"), "&GT;&Amp;");
    EXPECT_EQ(TagUnescape("&lt;"), "&lt;");
    // The order of the replacements decides what a doubly escaped text becomes.
    EXPECT_EQ(TagUnescape("&amp;gt;"), "&gt;");
}

TEST(TagScanner, FindsTagsByPosition) {
    const std::string skipped = "a </b> < c <d e=\"1\">";
    // text, search from, tag start (0: no tag), name, self-closing, end
    using TagRow =
        std::tuple<std::string, std::size_t, std::size_t, std::string, bool, std::size_t>;
    const TagRow rows[] = {
        {skipped, 1, 12, "d", false, skipped.size() + 1},
        {"<data name=\"x\" />", 1, 1, "data", true, 18},
        {"x<group>", 1, 2, "group", false, 9},
        {"x<group>", 3, 0, "", false, 0},
        {"<abc", 1, 0, "", false, 0},            // the name runs to the end
        {"<abc def", 1, 0, "", false, 0},        // no ">"
        {"<", 1, 0, "", false, 0},               // "<" as the last character
        {"<& <> </x> < y", 1, 0, "", false, 0},  // no tag start at all
        {"<a\tb>", 1, 1, "a", false, 6},         // TAB ends the name
        {"<=x>", 1, 1, "", false, 5},            // a start with an empty name
        {"<a/><b>", 2, 5, "b", false, 8},        // search from inside the first tag
        {"<a>", 0, 1, "a", false, 4},            // position 0 is taken as 1
        {"<a>", 9, 0, "", false, 0},             // beyond the end
        // A "<" whose tag does not end before the next "<" is text.
        {"<d n=\"1\"\r\n</f>", 1, 0, "", false, 0},
        {"x<y <d>", 1, 5, "d", false, 8},
        {"<d v=\"a<b\">", 1, 1, "d", false, 12},  // a "<" in a quoted value is text
    };
    for (const auto& [text, from, start, name, selfClosing, end] : rows) {
        TagInfo tag;
        EXPECT_EQ(TagNext(text, from, &tag), start) << text << " from " << from;
        if (start == 0) continue;
        EXPECT_EQ(std::tie(tag.name, tag.selfClosing, tag.end), std::tie(name, selfClosing, end))
            << text;
    }
}

TEST(TagScanner, ReadsAttributesFromTheTagStart) {
    const std::pair<std::string, std::string> rows[] = {
        {"<data name=\"opts\" value=\"3\" />", "data[] name=[opts] value=[3]"},
        {"<group caption=\"a &amp; b\" enabled=\"1\" collapsed=\"0\" >",
         "group[] caption=[a &amp; b] enabled=[1] collapsed=[0]"},
        {"<f a=1 b=two c>", "f[] a=[1] b=[two] c[]"},
        {"<f 9x=1>", "f[] x=[1]"},  // digits are skipped
        {"<f a=\"\">", "f[] a=[]"},
        {"<f a=\"x\"/>", "f[] a=[x]"},
        // A ">" written into a value by hand ends the tag but not the value.
        {"<f a=\"x>y\" b=\"1\">", "f[] a=[x>y] b=[1]"},
    };
    for (const auto& [text, attributes] : rows) EXPECT_EQ(ReadAll(text), attributes) << text;
}

TEST(TagScanner, AttributeLengths) {
    EXPECT_EQ(TagAttrRead("name=\"opts\"", 1).length, 11u);
    EXPECT_EQ(TagAttrRead("a=12 ", 1).length, 4u);
    EXPECT_EQ(TagAttrRead("abc ", 1).length, 3u);
    EXPECT_EQ(TagAttrRead("=x", 1).length, 0u);
    EXPECT_EQ(TagAttrRead("x", 5).length, 0u);
    // An unclosed quote takes the rest of the text.
    EXPECT_EQ(TagAttrRead("a=\"open", 1).value, "open");
}

TEST(TagScanner, FindsOpeningAndClosingTagsWithoutRegardToCase) {
    EXPECT_EQ(TagFindOpen("<group>", 1, "GROUP"), 1u);
    EXPECT_EQ(TagFindOpen("x<Group a>", 1, "group"), 2u);
    EXPECT_EQ(TagFindOpen("<group/>", 1, "group"), 1u);
    EXPECT_EQ(TagFindOpen("<groups> <group/ > <group>", 1, "group"), 20u);
    EXPECT_EQ(TagFindOpen("<group>", 2, "group"), 0u);
    EXPECT_EQ(TagFindOpen("<group", 1, "group"), 0u);
    EXPECT_EQ(TagFindClose("a</GROUP>", 1, "group"), 2u);
    EXPECT_EQ(TagFindClose("a</groupie", 1, "group"), 2u);  // only the prefix is compared
    EXPECT_EQ(TagFindClose("a</group>", 3, "group"), 0u);
    EXPECT_EQ(TagFindClose("</", 1, "group"), 0u);
}

TEST(TagScanner, MatchesClosingTagsOverNesting) {
    const std::string nested = "<group a=\"1\"><group b=\"2\"></group></group>";
    const std::size_t firstEnd = 14;
    EXPECT_EQ(TagMatchClose("group", firstEnd, nested.size(), nested), 35u);

    const std::string siblings = "<g><g></g><g></g></g><g></g>";
    EXPECT_EQ(TagMatchClose("g", 4, siblings.size(), siblings), 18u);

    // No closing tag at all: the limit stands for it.
    const std::string open = "<g>text";
    EXPECT_EQ(TagMatchClose("g", 4, open.size(), open), open.size());
    // Nested elements that never close leave the outer one unmatched.
    const std::string broken = "<g><g><g>x";
    EXPECT_EQ(TagMatchClose("g", 4, broken.size(), broken), 0u);
    // With one close too few, the last close seen answers for the outer element.
    const std::string short1 = "<g><g></g>";
    EXPECT_EQ(TagMatchClose("g", 4, short1.size(), short1), 7u);
    // A close beyond the limit does not count inside the loop.
    const std::string far = "<g><g></g></g>";
    EXPECT_EQ(TagMatchClose("g", 4, 10, far), 7u);
    EXPECT_EQ(TagMatchClose("g", 4, far.size(), far), 11u);
}

TEST(TagScanner, DeepNestingReadsAsUnmatched) {
    std::string text;
    const int depth = TagIndex::kMaxDepth + 5;
    for (int i = 0; i < depth; ++i) text += "<g>";
    for (int i = 0; i < depth; ++i) text += "</g>";
    EXPECT_EQ(TagMatchClose("g", 4, text.size(), text), 0u);

    std::string shallow;
    for (int i = 0; i < 10; ++i) shallow += "<g>";
    for (int i = 0; i < 10; ++i) shallow += "</g>";
    EXPECT_EQ(TagMatchClose("g", 4, shallow.size(), shallow), shallow.size() - 3);
}

TEST(TagScanner, IndexAnswersAsThePlainSearch) {
    std::mt19937 random(7);
    const std::vector<std::string> pieces = {"<g>", "</g>", "<G a=\"1\">", "<g/>", "</G>",
                                             "x",   "<gx>", "</gx>",       "< ",   "</"};
    for (int round = 0; round < 300; ++round) {
        std::string text;
        const int n = 1 + static_cast<int>(random() % 14);
        for (int i = 0; i < n; ++i) text += pieces[random() % pieces.size()];
        const TagIndex index(text, "g");
        for (std::size_t from = 1; from <= text.size() + 1; ++from) {
            ASSERT_EQ(index.FindOpen(from), TagFindOpen(text, from, "g")) << text;
            ASSERT_EQ(index.FindClose(from), TagFindClose(text, from, "g")) << text;
            ASSERT_EQ(index.MatchClose(from, text.size()),
                      TagMatchClose("g", from, text.size(), text))
                << text << " from " << from;
        }
    }
}

TEST(TagScanner, IndexSkipsTagsInsideValues) {
    const std::string text = "<g c=\"<g x\"><h v=\"</g\" /></g>";
    const TagIndex index(text, "g");
    EXPECT_EQ(index.FindOpen(2), 0u);
    EXPECT_EQ(index.FindClose(1), text.size() - 3);
    EXPECT_EQ(index.MatchClose(14, text.size()), text.size() - 3);
    // The plain search takes the value's "<g " for a tag.
    EXPECT_EQ(TagFindOpen(text, 2, "g"), 7u);
}

}  // namespace ravlet
