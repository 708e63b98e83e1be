#include "report/fr_prntr.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {
// Printers report sizes in whole points; within a millimetre of a table paper is that paper.
TEST(PaperSnap, ASizeNearATablePaperIsThatPaper)
{
    using Paper = std::tuple<int32_t, int32_t, int32_t>;
    const std::pair<Paper, Paper> cases[] = {
        {{9, 2099, 2970}, {9, 2100, 2970}},      // A4 as 595 x 842 points
        {{9, 2970, 2099}, {9, 2970, 2100}},      // turned
        {{256, 2159, 2794}, {1, 2159, 2794}},    // Letter without an id: the first Letter of the table
        {{18, 2160, 2793}, {18, 2159, 2794}},    // an id of the same size keeps its own
        {{9, 2110, 2980}, {9, 2100, 2970}},      // a millimetre off
        {{256, 2112, 2970}, {256, 2112, 2970}},  // more is a size of its own
        {{256, 1500, 1000}, {256, 1500, 1000}},
    };
    for (const auto& [given, expected] : cases) {
        auto [id, width, height] = given;
        frSnapToTablePaper(id, width, height);
        EXPECT_EQ(std::tuple(id, width, height), expected)
            << std::get<0>(given) << " " << std::get<1>(given) << "x" << std::get<2>(given);
    }
}
}  // namespace
