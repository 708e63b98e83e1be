#include "calc/payroll_assets/payroll_excel.h"

#include "payroll_xlsx_reader.h"
#include "test_support.h"

#include <clocale>
#include <string>

namespace {
// The process's numbers in a locale with a decimal comma, as on a Turkish desktop, whatever the test
// run was started with.
class TurkishNumericLocale {
public:
    TurkishNumericLocale() : old_(std::setlocale(LC_NUMERIC, nullptr))
    {
        ok_ = std::setlocale(LC_NUMERIC, "tr_TR.UTF-8") != nullptr;
    }
    ~TurkishNumericLocale() { std::setlocale(LC_NUMERIC, old_.c_str()); }
    bool ok() const { return ok_; }

private:
    std::string old_;
    bool ok_ = false;
};

class PayrollExportLocaleTest : public WorkingFolderTest {};

TEST_F(PayrollExportLocaleTest, NumbersWidthsAndMarginsAreInTheFilesOwnFormUnderTheTurkishLocale)
{
    TurkishNumericLocale turkish;
    ASSERT_TRUE(turkish.ok()) << "the tr_TR.UTF-8 locale is not installed (scripts/test.sh generates it)";
    ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");

    std::vector<PayrollRow> grid(3);
    for (int c = 0; c < kPayrollColumns; ++c)
        grid[0][c] = PayrollHeadings()[c];
    grid[1] = {"1", "Ayşe Yılmaz", "3.000,00", "2.144,73", "30", "420,00", "615,00", "30,00", "60,00",
               "1.125,00", "2.550,00", "382,50", "22,77", "855,27", "3.675,00", "3412345", "10000000146"};
    grid[2][0] = "2";
    const QString path = Path("bordro.xlsx");
    WritePayrollWorkbook(path, grid, kPayrollColumns);
    // The writer leaves the process's locale as it found it.
    EXPECT_EQ(std::string(std::localeconv()->decimal_point), ",");

    const XlsxSheet sheet = ReadXlsxSheet(path);
    EXPECT_DOUBLE_EQ(sheet.Number("C4"), 2144.73);
    EXPECT_DOUBLE_EQ(sheet.Number("M4"), 855.27);
    EXPECT_DOUBLE_EQ(sheet.Number("C8"), 2144.73);  // the formula's cached result
    ASSERT_FALSE(sheet.widths.empty());
    for (const auto& [col, width] : sheet.widths)
        EXPECT_GT(width, 1) << "column " << col;
    ASSERT_FALSE(sheet.pageMargins.empty());
    for (const auto& [name, text] : sheet.pageMargins) {
        bool ok = false;
        text.toDouble(&ok);
        EXPECT_TRUE(ok) << name.toStdString() << "=" << text.toStdString();
    }
}
}  // namespace
