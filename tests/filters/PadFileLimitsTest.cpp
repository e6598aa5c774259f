// A file far too big to be a filter pad is refused before it is read, and the pad stays.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "filters/FilterPad.h"
#include "filters/PadFile.h"
#include "support/ScriptedUi.h"
#include "support/TempHome.h"

namespace ravlet {
namespace {

TEST(PadFileLimits, AFileBeyondTheLimitIsNotRead) {
    test::ScriptedUi ui;
    test::TempHome home;
    FilterPad pad;
    ASSERT_TRUE(PadRead(pad,
                        "<filterravpad selected=\"0\">\r\n"
                        "\t<group caption=\"kept\" enabled=\"1\" collapsed=\"0\" >\r\n"
                        "\t</group>\r\n</filterravpad>")
                    .Readable());
    ASSERT_EQ(pad.List().EntryCount(), 1);

    // A sparse file: its size is beyond the limit without the disk holding it.
    const std::string path = home.File("huge.rvp");
    home.Write("huge.rvp", "<filterravpad selected=\"0\">\r\n</filterravpad>");
    std::filesystem::resize_file(path, kPadFileMaxBytes + 1);
    const PadReadResult r = PadReadFile(pad, path);
    EXPECT_FALSE(r.Readable());
    EXPECT_EQ(r.problem, "the file is too big for a filter pad");
    EXPECT_EQ(pad.List().EntryCount(), 1);
}

}  // namespace
}  // namespace ravlet
