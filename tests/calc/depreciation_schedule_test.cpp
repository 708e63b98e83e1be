#include "calc/payroll_assets/depreciation_schedule.h"

#include <gtest/gtest.h>

namespace {
// Whole schedules are compared through the tab (tests/data/depreciation/cases.txt).
TEST(DepreciationRule, ProRataFromJanuaryIsNormal)
{
    DepreciationInput in;
    in.assetName = "Kamyon";
    in.method = 0;
    in.cost = 10000;
    in.life = 4;
    in.entryYear = 2009;
    in.entryMonth = 1;
    in.saleYear = 2049;
    in.ticked[2011 - FirstRevaluationYear] = true;
    in.rates[2011 - FirstRevaluationYear] = 5;
    const QStringList normal = DepreciationScheduleLines(in);
    in.method = 2;
    EXPECT_EQ(DepreciationScheduleLines(in), normal);
}
}  // namespace
