// A large page is scanned a block at a time with all tag passes side by side; what it finds
// must be what the passes find one after the other over the whole text, however tags, values
// and their ends fall across the blocks.
#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "links/LinkScanner.h"
#include "support/RowName.h"
#include "tools/ctlStatusBar.h"

namespace ravlet {
namespace {

using Links = std::vector<std::string>;

// The passes of each group one after the other over the whole text.
Links OneAfterAnother(std::string text, int modes) {
    for (char& c : text) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    const std::vector<std::pair<const char*, const char*>> href = {
        {"a", "href"}, {"link", "href"}, {"frame", "src"}, {"map", "href"}, {"form", "action"}};
    const std::vector<std::pair<const char*, const char*>> images = {
        {"img", "src"},          {"img", "lowsrc"},    {"body", "background"},
        {"table", "background"}, {"tr", "background"}, {"td", "background"}};
    const std::vector<std::pair<const char*, const char*>> wild = {{"", "src"}, {"", "value"}};
    Links found;
    for (const auto& [bit, passes] :
         {std::pair{int(ScanHref), href}, std::pair{int(ScanImages), images},
          std::pair{int(ScanWildSrc), wild}}) {
        if (modes & bit) {
            for (const auto& [tag, attribute] : passes)
                ScanTagAttribute(text, tag, attribute, found);
        }
    }
    if (modes & ScanPlainHttp) {
        for (const char* prefix : {"http://", "https://", "ftp://"})
            ScanPlainText(text, prefix, found);
    }
    return found;
}

std::string RandomPage(std::mt19937& random, std::size_t bytes) {
    static const char* const kPieces[] = {
        "<a ",          "<A ",     "<area ",    "<link ",     "<frameset ", "<form ",
        "<img ",        "<IMG ",   "<body ",    "<table ",    "<tr ",       "<td ",
        " href=",       " HREF=",  " src=",     " lowsrc=",   " value=",    " action=",
        " background=", "\"",      "'",         ">",          " ",          "\r\n",
        "x.html",       "a&amp;b", "http://h/", "https://s/", "ftp://f/",   "q"};
    std::uniform_int_distribution<std::size_t> pick(0, std::size(kPieces) - 1);
    std::string page;
    while (page.size() < bytes) page += kPieces[pick(random)];
    return page;
}

struct BlockCase {
    const char* what;
    unsigned seed;
    std::size_t bytes;
    int modes;
};

class ScanInBlocks : public ::testing::TestWithParam<BlockCase> {};

TEST_P(ScanInBlocks, FindsWhatThePassesFindOneAfterAnother) {
    const BlockCase& c = GetParam();
    std::mt19937 random(c.seed);
    const std::string page = RandomPage(random, c.bytes);
    Links found;
    ctlStatusBar bar;
    std::vector<int> steps;
    bar.OnRedraw([&] {
        if (bar.Mode() == 1 && (steps.empty() || steps.back() != bar.Step()))
            steps.push_back(bar.Step());
    });
    ScanLinks(page, found, c.modes, &bar);
    const Links expected = OneAfterAnother(page, c.modes);
    ASSERT_EQ(found.size(), expected.size());
    EXPECT_TRUE(found == expected);
    for (std::size_t k = 1; k < steps.size(); ++k) EXPECT_GE(steps[k], steps[k - 1]) << k;
    EXPECT_EQ(bar.Caption(), "Scanning done.");
}

INSTANTIATE_TEST_SUITE_P(
    Pages, ScanInBlocks,
    ::testing::Values(BlockCase{"AllModesTwoMegabytes", 1, 2 << 20, 15},
                      BlockCase{"TagPassesJustOverOneBlock", 2, (256 << 10) + 7, 7},
                      BlockCase{"ImagesAloneThreeBlocks", 3, 3 * (256 << 10), ScanImages},
                      BlockCase{"WildAloneFourBlocks", 4, 4 * (256 << 10) - 1, ScanWildSrc}),
    test::RowName{});

// An attribute that lies blocks away from its tag is still taken, once, in its pass's turn.
TEST(ScanInBlocks, AnAttributeFarBehindItsTag) {
    std::string page = "<td class=x>";
    page += std::string(600 << 10, 'y');
    page += " background=\"far.png\" <a href=near.html>";
    Links found;
    ScanLinks(page, found, ScanHref | ScanImages, nullptr);
    EXPECT_EQ(found, (Links{"near.html", "far.png"}));
}

}  // namespace
}  // namespace ravlet
