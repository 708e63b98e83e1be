#include "calc/payroll_assets/depreciation_life_rate.h"

#include "base/exceptions.h"
#include "case_table.h"

namespace {
TEST(LifeRate, KeepEachOtherInStep)
{
    auto shown = [](const std::optional<QString>& text) { return text.value_or("<none>"); };
    for (const CaseLine& c : ReadCases("depreciation/life_rate.txt", 3)) {
        EXPECT_EQ(shown(RateTextForLife(c[0])), c[1]) << c.where.toStdString();
        EXPECT_EQ(shown(LifeTextForRate(c[0])), c[2]) << c.where.toStdString();
    }
    EXPECT_EQ(RateTextForLife(""), QString(""));  // an emptied edit empties the other
    EXPECT_EQ(LifeTextForRate(""), QString(""));
    EXPECT_THROW(RateTextForLife("1,2,3"), EConvertError);
    EXPECT_THROW(LifeTextForRate("1.000"), EConvertError);  // no thousands separators here
}
}  // namespace
