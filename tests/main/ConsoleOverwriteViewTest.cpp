#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "main/ConsoleOverwriteView.h"
#include "support/RowName.h"

namespace ravlet {
namespace {

struct ConsoleRow {
    const char* what;
    std::string typed;
    bool interactive;
    int button;
    std::string name;
};

class ConsoleOverwriteRows : public ::testing::TestWithParam<ConsoleRow> {};

TEST_P(ConsoleOverwriteRows, Answers) {
    std::istringstream in(GetParam().typed);
    std::ostringstream out;
    ConsoleOverwriteView view(in, out, GetParam().interactive);
    frmOverwrite form(view);
    OverwriteQuestion q;
    q.caption = "Overwrite 'a.txt' ?";
    q.prompt = "A File already exists. What to do ?";
    q.info = "Current:\r\n3 bytes\r\nNew:\r\nunknown";
    q.name = "/d/a.txt";
    const OverwriteAnswer a = view.Show(q, form);
    EXPECT_EQ(a.button, GetParam().button);
    EXPECT_EQ(a.name, GetParam().name);
    EXPECT_NE(out.str().find("Overwrite 'a.txt' ?\nA File already exists. What to do ?\n"
                             "Current: 3 bytes New: unknown\n"),
              std::string::npos)
        << out.str();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ConsoleOverwriteRows,
    ::testing::Values(
        ConsoleRow{"overwrite", "o\n", true, Ow_Overwrite, "/d/a.txt"},
        ConsoleRow{"capital letter", "S\n", true, Ow_Skip, "/d/a.txt"},
        ConsoleRow{"unknown letters ask again", "x\n\n  a\n", true, Ow_OverwriteAll, "/d/a.txt"},
        ConsoleRow{"rename with a name", "r\n/d/b.txt\n", true, Ow_Rename, "/d/b.txt"},
        ConsoleRow{"rename keeps the name on enter", "r\n\n", true, Ow_Rename, "/d/a.txt"},
        ConsoleRow{"end of input is a closed window", "", true, Ow_Closed, "/d/a.txt"},
        ConsoleRow{"retry", "t\n", true, Ow_Retry, "/d/a.txt"},
        ConsoleRow{"skip all", "l\n", true, Ow_SkipAll, "/d/a.txt"},
        ConsoleRow{"no terminal reads nothing", "o\n", false, Ow_Closed, "/d/a.txt"}),
    test::RowName{});

}  // namespace
}  // namespace ravlet
