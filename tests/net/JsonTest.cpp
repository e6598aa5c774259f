#include <gtest/gtest.h>

#include <string>

#include "net/Json.h"
#include "support/RowName.h"

namespace ravlet {

struct EscapeCase {
    const char* what;
    std::string text;
    std::string json;
};

class JsonStringOf : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(JsonStringOf, IsValidJsonThatReadsBack) {
    const EscapeCase& c = GetParam();
    EXPECT_EQ(JsonString(c.text), c.json);
    const auto back = JsonParse(c.json);
    ASSERT_TRUE(back.has_value());
    EXPECT_TRUE(back->Is(JsonValue::Kind::Text));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, JsonStringOf,
    ::testing::Values(EscapeCase{"plain", "http://h/a?b=1", "\"http://h/a?b=1\""},
                      EscapeCase{"quote and backslash", "a\"b\\c", "\"a\\\"b\\\\c\""},
                      EscapeCase{"controls", std::string("t\tn\n\x01\x7f", 6),
                                 "\"t\\u0009n\\u000a\\u0001\\u007f\""},
                      EscapeCase{"nul", std::string("a\0b", 3), "\"a\\u0000b\""},
                      EscapeCase{"utf8 kept", "caf\xC3\xA9 \xF0\x9F\x98\x80",
                                 "\"caf\xC3\xA9 \xF0\x9F\x98\x80\""},
                      EscapeCase{"latin1 byte", "caf\xE9", "\"caf\xC3\xA9\""},
                      EscapeCase{"cut utf8", "x\xC3", "\"x\xC3\x83\""},
                      EscapeCase{"overlong", "\xC0\xAF", "\"\xC3\x80\xC2\xAF\""},
                      EscapeCase{"surrogate", "\xED\xA0\x80", "\"\xC3\xAD\xC2\xA0\xC2\x80\""}),
    test::RowName());

struct ParseCase {
    const char* what;
    std::string text;
    bool valid;
};

class JsonParseOf : public ::testing::TestWithParam<ParseCase> {};

TEST_P(JsonParseOf, AcceptsJsonOnly) {
    EXPECT_EQ(JsonParse(GetParam().text).has_value(), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, JsonParseOf,
    ::testing::Values(ParseCase{"object", R"( {"a":[1,-2.5e3,true,null,"x\u00e9\ud83d\ude00"]} )",
                                true},
                      ParseCase{"empty", "", false}, ParseCase{"trailing", "{} x", false},
                      ParseCase{"open", R"({"a":[1,2)", false},
                      ParseCase{"raw control in string", "\"a\x01\"", false},
                      ParseCase{"lone low surrogate", R"("\udc00")", false},
                      ParseCase{"bad escape", R"("\q")", false},
                      ParseCase{"leading zero dot", "0.", false},
                      ParseCase{"200 levels", std::string(200, '[') + std::string(200, ']'), true},
                      ParseCase{"250 levels", std::string(250, '[') + std::string(250, ']'), false},
                      ParseCase{"html", "<html>", false}),
    test::RowName());

TEST(JsonParse, ReadsMembersAndEscapes) {
    const auto v = JsonParse(R"({"result":[["g1"],{"code":1,"message":"N\"o\u00e9"}]})");
    ASSERT_TRUE(v.has_value());
    const JsonValue* r = v->Member("result");
    ASSERT_TRUE(r && r->Is(JsonValue::Kind::Array) && r->items.size() == 2);
    EXPECT_EQ(r->items[0].items[0].text, "g1");
    EXPECT_EQ(r->items[1].Member("message")->text, "N\"o\xC3\xA9");
    EXPECT_EQ(r->items[1].Member("code")->number, 1);
    EXPECT_EQ(v->Member("none"), nullptr);
}

}  // namespace ravlet
