// Response headers by name: only a whole name answers, never one it merely begins.
#include <gtest/gtest.h>

#include "net/RvNetGet.h"
#include "support/ScriptedUi.h"
#include "support/TestHttpServer.h"

namespace ravlet {
namespace {

TEST(NetHeaders, ANameThatOnlyBeginsTheWantedOneIsNotIt) {
    test::ScriptedUi ui;
    test::TestHttpServer server;
    test::TestResponse r;
    r.body = "x";
    r.headers.push_back({"Content-Disposition-Note", "filename=evil.zip"});
    r.headers.push_back({"Content-Type-Hint", "text/html"});
    r.headers.push_back({"Content-Type", "application/zip"});
    server.Route("/f", r);
    RvNetGet get;
    get.NetInit("ravlet-test", 0, "");
    get.Timeout(3000);
    bool ok = false;
    get.NetUrlOpen(server.Url("/f"), "", ok);
    ASSERT_TRUE(ok) << get.NetError();
    EXPECT_EQ(get.NetUrlHeaderByName("Content-disposition"), "");
    EXPECT_EQ(get.NetUrlHeaderByName("Content-Type"), "application/zip");
    EXPECT_EQ(get.NetUrlHeaderByName("content-disposition-note"), "filename=evil.zip");
    get.NetUrlClose();
}

// A head line's value: the name in any case, blanks after the colon left out, the first line
// of the name answering; the address a request head asked for, from its request line and Host.
TEST(NetHeaders, ValuesAndTheRequestedAddressAreReadFromTheirLines) {
    const std::string head =
        "HTTP/1.1 200 OK\r\nETAG:   \"v1\"\r\nX-Empty:   \r\nLast-Modified: a\r\n"
        "last-modified: b\r\nContent-Length: 5";
    const struct {
        const char* name;
        const char* value;
    } rows[] = {
        {"ETag", "\"v1\""},      {" etag ", "\"v1\""},
        {"X-Empty", ""},         {"Last-Modified", "a"},
        {"Content-Length", "5"}, {"Content-Len", ""},
        {"HTTP/1.1 200 OK", ""}, {"", ""},
    };
    for (const auto& row : rows) EXPECT_EQ(HeadLineValue(head, row.name), row.value) << row.name;

    using namespace std::string_literals;
    EXPECT_EQ(RequestedAddress("GET /a%20b.zip HTTP/1.1\0HOST: h:8080\0Accept: */*"s, "https://"),
              "https://h:8080/a%20b.zip");
    EXPECT_EQ(RequestedAddress("GET http://p/x HTTP/1.1\0Host: q"s, "http://"), "http://p/x");
    EXPECT_EQ(RequestedAddress("HEAD /x HTTP/1.1\0\0Host: q"s, "http://"), "q");
    EXPECT_EQ(RequestedAddress("", "http://"), "");
}

}  // namespace
}  // namespace ravlet
