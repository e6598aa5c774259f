#include "platform/UrlCanonical.h"

#include <gtest/gtest.h>

namespace ravlet {
namespace {

TEST(RemoveDotSegments, Paths) {
    const std::pair<const char*, const char*> rows[] = {{"/a/b/../c/./d", "/a/c/d"},
                                                        {"/a/b/..", "/a/"},
                                                        {"/../../x", "/x"},
                                                        {"a/../../x", "../x"},
                                                        {"/a/./", "/a/"},
                                                        {"", ""},
                                                        {"/", "/"},
                                                        {"/a//b", "/a//b"},
                                                        {"/..", "/"},
                                                        {"a/..", ""},
                                                        {"a/b/..", "a/"},
                                                        {"..", "../"}};
    for (const auto& [in, out] : rows) EXPECT_EQ(RemoveDotSegments(in), out) << in;
}

TEST(CanonicalizeUrl, EscapeThenUnescape) {
    EXPECT_EQ(CanonicalizeUrl("http://h/a b<c>", CanonicalMode::EscapeUnsafe),
              "http://h/a%20b%3Cc%3E");
    EXPECT_EQ(CanonicalizeUrl("http://h/%7e%zz%4", CanonicalMode::Unescape), "http://h/~%zz%4");
    EXPECT_EQ(CanonicalizeUrl(std::string("http://h/\xff\x01", 11), CanonicalMode::EscapeUnsafe),
              "http://h/%FF%01");
    // The host is never taken as a path segment.
    EXPECT_EQ(CanonicalizeUrl("http://../x", CanonicalMode::Unescape), "http://../x");
}

}  // namespace
}  // namespace ravlet
