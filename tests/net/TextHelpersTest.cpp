#include <gtest/gtest.h>

#include <cmath>

#include "net/ravlet_url.h"

namespace ravlet {
namespace {

TEST(ParseUnitValue, SizesAndDurations) {
    struct Row {
        const char* text;
        int mode;
        const char* result;
    };
    const Row rows[] = {{"1.5mb", 0, "1572864"},
                        {"2k 3", 0, "2051"},
                        {"0", 0, ""},
                        {"5 k", 0, "5"},
                        {"10KB", 0, "10240"},
                        {" 1Mo ", 0, "1048576"},
                        {"  1   Mo ", 0, "1"},
                        {"2kbs", 0, "2048"},
                        {"abc", 0, ""},
                        {"2min", 1, "120000"},
                        {"30secs", 1, "30000"},
                        {"250ms", 1, "250"},
                        {"1m 30s", 1, "90000"},
                        {"2.5", 0, "2"},
                        {"3.5", 0, "4"},
                        {"42x", 7, "42"},
                        {"", 0, ""},
                        {"-1k", 0, "-1024"}};
    for (const Row& r : rows) EXPECT_EQ(ParseUnitValue(r.text, r.mode), r.result) << r.text;
}

TEST(ParseUnitValue, HugeAndHostileInputsStayFinite) {
    // Beyond a double there is no value: no limit rather than a wrapped one.
    EXPECT_EQ(ParseUnitValue(std::string(400, '9') + "m", 0), "");
    EXPECT_EQ(ParseUnitValue("3000000m 3000000m", 0), "6291456000000");
    EXPECT_EQ(ParseUnitValue(std::string("1\0k", 3), 0), "1024");
    EXPECT_EQ(ParseUnitValue(std::string(100000, ' '), 1), "");
}

TEST(Numbers, LenientAndStrict) {
    EXPECT_EQ(LenientNumber(" 1 2 3abc"), 123);
    EXPECT_EQ(LenientNumber("x12"), 0);
    EXPECT_EQ(LenientNumber("2.5"), 2);
    EXPECT_EQ(LenientNumber("99999999999"), 2147483647);
    EXPECT_EQ(LenientNumber("-99999999999"), -2147483648LL);
    long long v = 7;
    EXPECT_FALSE(StrictNumber("12a", v));
    EXPECT_EQ(v, 7);
    EXPECT_TRUE(StrictNumber(" 1.5 ", v));
    EXPECT_EQ(v, 2);
    EXPECT_FALSE(StrictNumber("4294967296", v));
    EXPECT_TRUE(std::isnan(LeadingValue("1e999")));
}

TEST(TextRoutines, CaseAndTrim) {
    EXPECT_EQ(LCase("AbC-Ä"), "abc-Ä");
    EXPECT_EQ(UCase("aBc"), "ABC");
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(Trim("\ta\t"), "\ta\t");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_TRUE(IEquals("HeLLo", "hello"));
    EXPECT_FALSE(IEquals("hello", "hell"));
    EXPECT_TRUE(IStartsWith("HTTP://x", "http://"));
    EXPECT_TRUE(IEndsWith("a.JPG", ".jpg"));
    EXPECT_FALSE(IEndsWith("g", ".jpg"));
}

TEST(TextRoutines, FindAndReplace) {
    EXPECT_EQ(IFind("xxHREF=y", "href="), 2u);
    EXPECT_EQ(IFind("abc", "d"), std::string::npos);
    EXPECT_EQ(IFind("abcabc", "ABC", 1), 3u);
    EXPECT_EQ(IFind("abc", "", 3), 3u);
    EXPECT_EQ(IFind("abc", "a", 4), std::string::npos);
    const std::string longNeedle = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    EXPECT_EQ(IFind("zz" + LCase(longNeedle) + "zz", longNeedle), 2u);
    EXPECT_EQ(IFind(std::string(10000, 'a') + "b", std::string(20, 'a') + "B"), 9980u);
    EXPECT_EQ(ReplaceAll("a--b--", "--", "+"), "a+b+");
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
    EXPECT_EQ(IReplaceAll("xAmPx", "amp", "&"), "x&x");
}

TEST(TextRoutines, SplitLinesAndNewlines) {
    EXPECT_TRUE(Split("", ",").empty());
    EXPECT_EQ(Split("a,,b,", ","), (std::vector<std::string>{"a", "", "b", ""}));
    EXPECT_EQ(Split("a,b", ""), (std::vector<std::string>{"a,b"}));
    EXPECT_EQ(FirstLine("one\r\ntwo"), "one");
    EXPECT_EQ(FirstLine("one\ntwo"), "one\ntwo");
    EXPECT_EQ(NormalizeNewlines("a\r\nb\rc\nd\r\r\n"), "a\r\nb\r\nc\r\nd\r\n\r\n");
    EXPECT_EQ(ListToText({"a", "b", ""}), "a\r\nb\r\n");
    EXPECT_EQ(TextToLines("a\r\nb"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(TextToLines("a\r\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_EQ(TextToLines(""), (std::vector<std::string>{""}));
}

}  // namespace
}  // namespace ravlet
