#include "cli/UnitValue.h"

#include <gtest/gtest.h>

#include <string>

namespace ravlet {
namespace {

// A size or a duration read whole into bytes or milliseconds, or refused with a reason that
// quotes it (the value is then left alone).
TEST(UnitValueRows, ReadWholeOrRefused) {
    struct Unit {
        const char* what;
        std::string text;
        bool duration, ok;
        long long value;  // when ok
    };
    const Unit rows[] = {{"bytes", "500", false, true, 500},
                         {"zero", "0", false, true, 0},
                         {"kilobytes", "10k", false, true, 10240},
                         {"kb and kbs", "1kb 1KBS", false, true, 2048},
                         {"fraction of megabytes", "1.5m", false, true, 1572864},
                         {"mb mbs mo", "1mb 1mbs 1Mo", false, true, 3145728},
                         {"gigabyte", "1g", false, true, 1073741824},
                         {"gb", "1GB", false, true, 1073741824},
                         {"pieces summed", "2k 3", false, true, 2051},
                         {"blanks around", "  4k  ", false, true, 4096},
                         {"three gigabytes are beyond a setting", "3g", false, false, 0},
                         {"two gb are beyond a setting", "2gb", false, false, 0},
                         {"negative", "-5", false, false, 0},
                         {"plus sign", "+5", false, false, 0},
                         {"unknown unit", "5x", false, false, 0},
                         {"terabyte", "1t", false, false, 0},
                         {"hour is no size", "1h", false, false, 0},
                         {"unit apart from its number", "5 k", false, false, 0},
                         {"words", "lots", false, false, 0},
                         {"empty", "", false, false, 0},
                         {"lone dot", ".", false, false, 0},
                         {"milliseconds", "250", true, true, 250},
                         {"ms", "250ms", true, true, 250},
                         {"seconds", "30s 2sec 1secs", true, true, 33000},
                         {"minutes", "2min 1m 1mins", true, true, 240000},
                         {"hour", "1h", true, true, 3600000},
                         {"half an hour", "0.5h", true, true, 1800000},
                         {"hours beyond a setting", "1000h", true, false, 0},
                         {"glued pieces", "1m30s", true, false, 0},
                         {"gigabyte is no time", "1g", true, false, 0},
                         {"negative time", "-1s", true, false, 0},
                         {"days", "1d", true, false, 0}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        long long value = -7;
        std::string reason;
        EXPECT_EQ(cli::ReadUnitValue(row.text, row.duration, value, reason), row.ok);
        EXPECT_EQ(value, row.ok ? row.value : -7);
        if (!row.ok) {
            EXPECT_PRED_FORMAT2(testing::IsSubstring, row.text, reason);
        }
    }
}

}  // namespace
}  // namespace ravlet
