#include "calc/payroll_assets/depreciation_life_rate.h"
#include "test_support.h"

#include "base/exceptions.h"

#include <optional>

namespace {

struct LinkCase {
    const char* text;
    std::optional<QString> rate;  // RateTextForLife
    std::optional<QString> life;  // LifeTextForRate
};

class LifeRateTest : public ::testing::TestWithParam<LinkCase> {};

TEST_P(LifeRateTest, KeepEachOtherInStep)
{
    EXPECT_EQ(RateTextForLife(GetParam().text), GetParam().rate);
    EXPECT_EQ(LifeTextForRate(GetParam().text), GetParam().life);
}

INSTANTIATE_TEST_SUITE_P(Cases, LifeRateTest,
                         ::testing::Values(LinkCase{"4", "25", "25"}, LinkCase{"3", "33,3333333333333", "33"},
                                           LinkCase{" 4 0 ", "2,5", "2"},  // 100 / 40 = 2,5 rounds to even
                                           LinkCase{"30", "3,33333333333333", "3"}, LinkCase{"100", "1", "1"},
                                           LinkCase{"", QString(""), QString("")},
                                           LinkCase{"0", std::nullopt, std::nullopt}));

TEST(LifeRate, TextThatIsNoNumberRaises)
{
    EXPECT_THROW(RateTextForLife("1,2,3"), EConvertError);
    EXPECT_THROW(LifeTextForRate("1.000"), EConvertError);  // no thousands separators here
}

}  // namespace
