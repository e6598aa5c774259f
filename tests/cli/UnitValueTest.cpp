#include "cli/UnitValue.h"

#include <gtest/gtest.h>

#include <string>

#include "support/RowName.h"

namespace ravlet {
namespace {

struct UnitRow {
    const char* what;
    std::string text;
    bool duration;
    bool ok;
    long long value;  // when ok
};

class UnitValueRows : public ::testing::TestWithParam<UnitRow> {};

TEST_P(UnitValueRows, ReadWholeOrRefused) {
    const UnitRow& row = GetParam();
    long long value = -7;
    std::string reason;
    EXPECT_EQ(cli::ReadUnitValue(row.text, row.duration, value, reason), row.ok) << row.text;
    if (row.ok) {
        EXPECT_EQ(value, row.value) << row.text;
    } else {
        EXPECT_EQ(value, -7) << row.text;
        EXPECT_NE(reason.find(row.text), std::string::npos) << reason;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, UnitValueRows,
    ::testing::Values(
        UnitRow{"bytes", "500", false, true, 500}, UnitRow{"zero", "0", false, true, 0},
        UnitRow{"kilobytes", "10k", false, true, 10240},
        UnitRow{"kb and kbs", "1kb 1KBS", false, true, 2048},
        UnitRow{"fraction of megabytes", "1.5m", false, true, 1572864},
        UnitRow{"mb mbs mo", "1mb 1mbs 1Mo", false, true, 3145728},
        UnitRow{"gigabyte", "1g", false, true, 1073741824},
        UnitRow{"gb", "1GB", false, true, 1073741824},
        UnitRow{"pieces summed", "2k 3", false, true, 2051},
        UnitRow{"blanks around", "  4k  ", false, true, 4096},
        UnitRow{"three gigabytes are beyond a setting", "3g", false, false, 0},
        UnitRow{"two gb are beyond a setting", "2gb", false, false, 0},
        UnitRow{"negative", "-5", false, false, 0}, UnitRow{"plus sign", "+5", false, false, 0},
        UnitRow{"unknown unit", "5x", false, false, 0}, UnitRow{"terabyte", "1t", false, false, 0},
        UnitRow{"hour is no size", "1h", false, false, 0},
        UnitRow{"unit apart from its number", "5 k", false, false, 0},
        UnitRow{"words", "lots", false, false, 0}, UnitRow{"empty", "", false, false, 0},
        UnitRow{"lone dot", ".", false, false, 0}, UnitRow{"milliseconds", "250", true, true, 250},
        UnitRow{"ms", "250ms", true, true, 250},
        UnitRow{"seconds", "30s 2sec 1secs", true, true, 33000},
        UnitRow{"minutes", "2min 1m 1mins", true, true, 240000},
        UnitRow{"hour", "1h", true, true, 3600000},
        UnitRow{"half an hour", "0.5h", true, true, 1800000},
        UnitRow{"hours beyond a setting", "1000h", true, false, 0},
        UnitRow{"glued pieces", "1m30s", true, false, 0},
        UnitRow{"gigabyte is no time", "1g", true, false, 0},
        UnitRow{"negative time", "-1s", true, false, 0}, UnitRow{"days", "1d", true, false, 0}),
    test::RowName{});

}  // namespace
}  // namespace ravlet
