#pragma once
// What the filter kinds' tests share: a table of links a filter judges, each with its result
// (0: keep, 1: remove, 2: keep as rewritten) and the link after.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace ravlet::test {

// A filter, a link, and what the filter makes of it.
template <typename Filter>
struct JudgedLink {
    Filter filter;
    std::string link;
    int result;
    std::string after;
};

template <typename Filter>
void ExpectJudged(const std::vector<JudgedLink<Filter>>& rows,
                  const std::function<void(const Filter&)>& check = nullptr) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE("row " + std::to_string(i) + ": " + rows[i].link);
        Filter f = rows[i].filter;
        std::string link = rows[i].link;
        EXPECT_EQ(f.Judge(link), rows[i].result);
        EXPECT_EQ(link, rows[i].after);
        if (check) check(f);
    }
}

}  // namespace ravlet::test
