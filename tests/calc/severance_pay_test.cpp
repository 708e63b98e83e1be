#include "calc/payroll_assets/severance_notice_pay.h"
#include "calc/payroll_assets/severance_pay.h"
#include "test_support.h"

#include "base/date_time.h"

namespace {

struct ServiceCase {
    const char* name;
    QDate entry;
    QDate exit;
    bool served;
};

class OneYearRuleTest : public ::testing::TestWithParam<ServiceCase> {};

TEST_P(OneYearRuleTest, NeedsTheAnniversaryReached)
{
    EXPECT_EQ(HasServedOneYear(FromQDate(GetParam().entry), FromQDate(GetParam().exit)), GetParam().served);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OneYearRuleTest,
    ::testing::Values(ServiceCase{"DayBeforeAnniversary", {2011, 7, 1}, {2012, 6, 30}, false},
                      ServiceCase{"Anniversary", {2011, 7, 1}, {2012, 7, 1}, true},
                      ServiceCase{"LeapDayEntryBefore28February", {2012, 2, 29}, {2013, 2, 27}, false},
                      ServiceCase{"LeapDayEntryOn28February", {2012, 2, 29}, {2013, 2, 28}, true},
                      ServiceCase{"LeapDayEntryToLeapDay", {2012, 2, 29}, {2016, 2, 29}, true},
                      ServiceCase{"ExitBeforeEntry", {2011, 7, 1}, {2011, 6, 1}, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct BandCase {
    long double tenure;
    int wageDays;
    const char* text;
};

class NoticeBandTest : public ::testing::TestWithParam<BandCase> {};

TEST_P(NoticeBandTest, FirstMatchingBandFromTheTopWins)
{
    const TDateTime entry = FromQDate(QDate(2000, 1, 1));
    const NoticePay pay = ComputeNoticePay(3000, 0, 0, entry, entry + static_cast<double>(GetParam().tenure));
    EXPECT_EQ(pay.wageDays, GetParam().wageDays);
    EXPECT_EQ(pay.bandText, QString(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Bands, NoticeBandTest,
                         ::testing::Values(BandCase{-5, 14, "(14 Günlük Ücret.)"}, BandCase{182, 14, "(14 Günlük Ücret.)"},
                                           BandCase{183, 28, "(28 Günlük Ücret.)"}, BandCase{547, 28, "(28 Günlük Ücret.)"},
                                           BandCase{548, 42, "(42 Günlük Ücret.)"}, BandCase{1094, 42, "(42 Günlük Ücret.)"},
                                           BandCase{1095, 56, "(56 Günlük Ücret.)"}, BandCase{99998, 56, "(56 Günlük Ücret.)"},
                                           BandCase{99999, 0, ""}));

}  // namespace
