#include <gtest/gtest.h>

#include <string>

#include "support/RunCli.h"
#include "support/TempHome.h"

namespace ravlet {

namespace {

const char kPad[] =
    "<filterravpad selected=\"0\">\r\n"
    "\t<filter type=\"Cleanup\" caption=\"anchors\" enabled=\"1\" collapsed=\"0\" >\r\n"
    "\t\t<data name=\"opts\" value=\"1\" />\r\n"
    "\t</filter>\r\n"
    "\t<group caption=\"off\" enabled=\"0\" collapsed=\"0\" >\r\n"
    "\t\t<filter type=\"Cleanup\" caption=\"pages\" enabled=\"1\" collapsed=\"0\" >\r\n"
    "\t\t\t<data name=\"opts\" value=\"8\" />\r\n"
    "\t\t</filter>\r\n"
    "\t</group>\r\n"
    "\t<filter type=\"Cleanup\" caption=\"doubles\" enabled=\"1\" collapsed=\"0\" >\r\n"
    "\t\t<data name=\"opts\" value=\"16\" />\r\n"
    "\t</filter>\r\n"
    "</filterravpad>\r\n";

}  // namespace

TEST(CliFilter, RefinesAListFileAndStandardInput) {
    test::TempHome home;
    home.Write("pad.rvp", kPad);
    home.Write("list.wls", "/a.html#1\r\n/a.html#2\r\n/b.zip\r\n");
    const std::string pad = "--pad '" + home.File("pad.rvp") + "'";
    const auto fromFile = test::RunCli("filter " + pad + " '" + home.File("list.wls") + "'");
    EXPECT_EQ(fromFile.status, 0);
    EXPECT_EQ(fromFile.out, "/a.html\n/b.zip\n");  // the disabled group does not run

    const auto fromInput = test::RunCli("filter " + pad + " - < '" + home.File("list.wls") + "'");
    EXPECT_EQ(fromInput.status, 0);
    EXPECT_EQ(fromInput.out, fromFile.out);
}

TEST(CliFilter, RefusesPadsThatCannotBeRead) {
    test::TempHome home;
    home.Write("list.wls", "/a\r\n");
    home.Write("bad.rvp", "<filterravpad selected=\"0\"><group caption=\"cut");
    const std::string list = " '" + home.File("list.wls") + "'";
    EXPECT_EQ(test::RunCli("filter --pad '" + home.File("bad.rvp") + "'" + list).status, 1);
    EXPECT_EQ(test::RunCli("filter --pad '" + home.File("none.rvp") + "'" + list).status, 1);
    EXPECT_EQ(test::RunCli("filter" + list).status, 2);
    EXPECT_EQ(test::RunCli("filter --pad x --what" + list).status, 2);
    const auto noList = test::RunCli("filter --pad '" + home.File("bad.rvp") + "' nolist.wls");
    EXPECT_EQ(noList.status, 1);
    EXPECT_EQ(noList.out, "");
}

}  // namespace ravlet
