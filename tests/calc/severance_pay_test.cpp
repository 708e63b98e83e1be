#include "calc/payroll_assets/severance_notice_pay.h"
#include "calc/payroll_assets/severance_pay.h"
#include "test_support.h"

#include "base/date_time.h"

namespace {

TEST(OneYearRule, NeedsTheAnniversaryReached)
{
    const struct {
        QDate entry, exit;
        bool served;
    } cases[] = {
        {{2011, 7, 1}, {2012, 6, 30}, false}, {{2011, 7, 1}, {2012, 7, 1}, true},
        {{2012, 2, 29}, {2013, 2, 27}, false},  // a leap-day entry completes its year on 28 February
        {{2012, 2, 29}, {2013, 2, 28}, true},   {{2012, 2, 29}, {2016, 2, 29}, true},
        {{2011, 7, 1}, {2011, 6, 1}, false},    // exit before entry
    };
    for (const auto& c : cases)
        EXPECT_EQ(HasServedOneYear(FromQDate(c.entry), FromQDate(c.exit)), c.served)
            << c.entry.toString("dd.MM.yyyy").toStdString() << " - " << c.exit.toString("dd.MM.yyyy").toStdString();
}

TEST(NoticeBands, FirstMatchingBandFromTheTopWins)
{
    const struct {
        long double tenure;
        int wageDays;
        const char* text;
    } cases[] = {{-5, 14, "(14 Günlük Ücret.)"},    {182, 14, "(14 Günlük Ücret.)"},   {183, 28, "(28 Günlük Ücret.)"},
                 {547, 28, "(28 Günlük Ücret.)"},   {548, 42, "(42 Günlük Ücret.)"},   {1094, 42, "(42 Günlük Ücret.)"},
                 {1095, 56, "(56 Günlük Ücret.)"},  {99998, 56, "(56 Günlük Ücret.)"}, {99999, 0, ""}};
    const TDateTime entry = FromQDate(QDate(2000, 1, 1));
    for (const auto& c : cases) {
        const NoticePay pay = ComputeNoticePay(3000, 0, 0, entry, entry + static_cast<double>(c.tenure));
        EXPECT_EQ(pay.wageDays, c.wageDays) << static_cast<double>(c.tenure);
        EXPECT_EQ(pay.bandText, QString(c.text)) << static_cast<double>(c.tenure);
    }
}

}  // namespace
