#include "calc/payroll_assets/severance_notice_pay.h"
#include "calc/payroll_assets/severance_pay.h"

#include "base/date_time.h"
#include "case_table.h"

namespace {
TEST(SeveranceRules, OneYearServedAndNoticeBands)
{
    const TDateTime start = EncodeDate(2000, 1, 1);
    for (const CaseLine& c : ReadCases("severance/rules.txt", 4)) {
        SCOPED_TRACE(c.where.toStdString());
        if (c[0] == "OneYear") {
            EXPECT_EQ(HasServedOneYear(FromQDate(QDate::fromString(c[1], "dd.MM.yyyy")),
                                       FromQDate(QDate::fromString(c[2], "dd.MM.yyyy"))),
                      c[3] == "1");
        } else {
            const NoticePay pay = ComputeNoticePay(3000, 0, 0, start, start + c[1].toDouble());
            EXPECT_EQ(pay.wageDays, c[2].toInt());
            EXPECT_EQ(pay.bandText, c[3]);
        }
    }
}
}  // namespace
