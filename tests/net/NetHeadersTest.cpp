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

}  // namespace
}  // namespace ravlet
