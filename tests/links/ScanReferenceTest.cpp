// The fast passes against the steps of the scan written out with the plain text helpers, on
// random pages made of the pieces that matter (tag openings, attributes, quotes, ends).
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "links/LinkScanner.h"
#include "links/TextFinder.h"
#include "net/ravlet_url.h"
#include "support/Joined.h"

namespace ravlet {
namespace {

constexpr std::size_t npos = std::string::npos;

std::vector<std::string> SlowTagAttribute(const std::string& text, const std::string& tag,
                                          const std::string& attribute) {
    std::vector<std::string> out;
    std::size_t s = 0;
    for (;;) {
        if (!tag.empty()) {
            const std::size_t p = IFind(text, "<" + tag, s);
            if (p == npos) break;
            s = p + tag.size() + 1;
        }
        const std::size_t q = IFind(text, " " + attribute + "=", s);
        if (q == npos) break;
        std::size_t v = q + attribute.size() + 2;
        std::size_t e;
        if (v < text.size() && (text[v] == '"' || text[v] == '\'')) {
            e = text.find(text[v], v + 1);
            ++v;
        } else {
            e = std::min(text.find(' ', v), text.find('>', v));
        }
        if (e == npos) {
            s = v;
            continue;
        }
        if (e > v) out.push_back(HtmlDecodeAmp(text.substr(v, e - v)));
        s = e + 1;
    }
    return out;
}

std::vector<std::string> SlowPlainText(const std::string& text, const std::string& prefix) {
    std::vector<std::string> out;
    std::size_t s = 0;
    for (;;) {
        const std::size_t p = IFind(text, prefix, s);
        if (p == npos) break;
        std::size_t e =
            std::min({text.find(' ', p), text.find('"', p), IFind(text, "http://", p + 1)});
        if (e == npos) e = text.size();
        if (e > p) out.push_back(text.substr(p, e - p));
        s = p + prefix.size() + 1;
    }
    return out;
}

std::string RandomPage(std::mt19937& random) {
    static const char* const pieces[] = {"<a",     "<A",      "<img",         " href=",  " HREF=",
                                         " src=",  " value=", "\"",           "'",       " ",
                                         ">",      "x",       "&amp;",        "http://", "HTTPS://",
                                         "ftp://", "<tr",     " background=", "=",       "y/z"};
    std::string page;
    const std::size_t count = random() % 40;
    for (std::size_t i = 0; i < count; ++i) page += pieces[random() % std::size(pieces)];
    return page;
}

TEST(ScanReference, TagPassesAgreeOnRandomPages) {
    const std::pair<const char*, const char*> passes[] = {
        {"a", "href"}, {"img", "src"}, {"tr", "background"}, {"", "src"}, {"", "value"}};
    std::mt19937 random(7);
    for (int round = 0; round < 20000; ++round) {
        const std::string page = RandomPage(random);
        for (const auto& [tag, attribute] : passes) {
            std::vector<std::string> fast;
            ScanTagAttribute(page, tag, attribute, fast);
            ASSERT_EQ(fast, SlowTagAttribute(page, tag, attribute))
                << "<" << tag << " " << attribute << "= in '" << page << "'";
        }
    }
}

TEST(ScanReference, PlainPassesAgreeOnRandomPages) {
    std::mt19937 random(11);
    for (int round = 0; round < 20000; ++round) {
        const std::string page = RandomPage(random);
        for (const char* prefix : {"http://", "https://", "ftp://"}) {
            std::vector<std::string> fast;
            ScanPlainText(page, prefix, fast);
            ASSERT_EQ(fast, SlowPlainText(page, prefix)) << prefix << " in '" << page << "'";
        }
    }
}

// Every pass of every mode, in the scan's order, written out with the plain helpers.
std::vector<std::string> SlowScan(std::string text, int modes) {
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    // Each group's passes as "tag attribute" ("" for any tag), "|" between them.
    const std::pair<int, const char*> groups[] = {
        {ScanHref, "a href|link href|frame src|map href|form action"},
        {ScanImages,
         "img src|img lowsrc|body background|table background|tr background|td background"},
        {ScanWildSrc, " src| value"}};
    std::vector<std::string> out;
    for (const auto& [mode, passes] : groups) {
        if (!(modes & mode)) continue;
        for (const std::string& pass : test::Split(passes)) {
            const std::size_t blank = pass.find(' ');
            const auto found =
                SlowTagAttribute(text, pass.substr(0, blank), pass.substr(blank + 1));
            out.insert(out.end(), found.begin(), found.end());
        }
    }
    if (modes & ScanPlainHttp) {
        for (const char* prefix : {"http://", "https://", "ftp://"}) {
            const auto found = SlowPlainText(text, prefix);
            out.insert(out.end(), found.begin(), found.end());
        }
    }
    return out;
}

// The scan finds its openings, names and prefixes in one sweep; the pieces crowd the bytes that
// sweep stops at, in both cases, at the page's ends and across its blocks of 16 and 64.
TEST(ScanReference, WholeScanAgreesWithItsPassesOnRandomPages) {
    static const std::vector<std::string> pieces = test::Split(
        "<a|<A|<link|<LiNk|<frame|<form|<FORM|<map|<img|<body|<table|<TR|<td|<t|<|=| href=| "
        "HREF=| src=| lowsrc=| action=| value=| background=|src=|\"|'| "
        "|>|x|&amp;|http://|HTTPS://|ftp://|:|//|http:/|\r\n|e=|c=");
    // Under every loop the sweep has (it follows the text finder's).
    for (const FinderPath path : {FinderPath::Scalar, FinderPath::Sse2, FinderPath::Avx512}) {
        if (!ForceFinderPath(path)) continue;
        SCOPED_TRACE(static_cast<int>(path));
        std::mt19937 random(13);
        for (int round = 0; round < 3000; ++round) {
            std::string page;
            const std::size_t count = random() % 80;
            for (std::size_t i = 0; i < count; ++i) page += pieces[random() % pieces.size()];
            const int modes = static_cast<int>(random() % 16);
            std::vector<std::string> fast;
            ScanLinks(page, fast, modes, nullptr);
            ASSERT_EQ(fast, SlowScan(page, modes)) << "modes " << modes << " in '" << page << "'";
        }
    }
    ForceFinderPath(FinderPath::Best);
}

}  // namespace
}  // namespace ravlet
