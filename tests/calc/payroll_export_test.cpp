#include "calc/payroll_assets/payroll_excel.h"

#include "base/exceptions.h"
#include "payroll_xlsx_reader.h"
#include "test_support.h"
#include "error_of.h"

#include <QFileInfo>

namespace {
class PayrollExportTest : public WorkingFolderTest {};

// RowCount 4: headings, two computed rows and a row with a name only.
std::vector<PayrollRow> threeRowGrid()
{
    std::vector<PayrollRow> grid(4);
    for (int c = 0; c < kPayrollColumns; ++c)
        grid[0][c] = PayrollHeadings()[c];
    grid[1] = {"1", "Ayşe Yılmaz", "3.000,00", "2.144,73", "30", "420,00", "615,00", "30,00", "60,00",
               "1.125,00", "2.550,00", "382,50", "22,77", "855,27", "3.675,00", "3412345", "10000000146"};
    grid[2] = {"2", "Mehmet Öz", "10.000,00", "3.714,17", "15", "546,69", "800,51", "39,05", "78,10",
               "1.464,36", "4.414,26", "662,14", "37,95", "1.285,83", "5.878,61", "", "0012"};
    grid[3][0] = "3";
    grid[3][1] = "Boş Satır";
    return grid;
}

TEST_F(PayrollExportTest, WorkbookHoldsTheGridTotalsAndFormats)
{
    const QString path = Path("bordro.xlsx");
    WritePayrollWorkbook(path, threeRowGrid(), kPayrollColumns);
    const XlsxSheet sheet = ReadXlsxSheet(path);

    // Title lines, headings from sheet row 3 without the row-number column, names, and the identity
    // number as text with its leading zeros.
    const std::pair<const char*, const char*> texts[] = {
        {"A1", "Firma : "}, {"A2", "Bordro Ayı :"}, {"A3", "Adı Soyadı"},  {"B3", "Brüt"},
        {"N3", "Maliyet"},  {"P3", "TC Kimlik No"}, {"A4", "Ayşe Yılmaz"}, {"P4", "10000000146"},
        {"P5", "0012"},     {"A6", "Boş Satır"},    {"A9", "TOPLAM:"}};
    for (const auto& [ref, text] : texts)
        EXPECT_EQ(sheet.Text(ref), text) << ref;
    for (const char* ref : {"A1", "A2", "C3"})
        EXPECT_EQ(sheet.StyleOf(ref).size, 12) << ref;
    for (const char* ref : {"A1", "A2", "C3", "A9"})
        EXPECT_TRUE(sheet.StyleOf(ref).bold) << ref;

    // Amounts and the SGK number go as numbers.
    const std::pair<const char*, double> numbers[] = {
        {"B4", 3000}, {"C4", 2144.73}, {"D4", 30}, {"L5", 37.95}, {"O4", 3412345}};
    for (const auto& [ref, value] : numbers) {
        EXPECT_EQ(sheet.cells.at(ref).type, "") << ref;
        EXPECT_EQ(sheet.Number(ref), value) << ref;
    }
    EXPECT_EQ(sheet.StyleOf("B4").numberFormat, "#,##0.00");
    EXPECT_FALSE(sheet.StyleOf("B4").bold);

    // Zero and empty amounts leave the cell empty.
    for (const char* ref : {"O5", "B6", "C6", "N6", "O6"})
        EXPECT_FALSE(sheet.Has(ref)) << ref;

    const struct {
        const char* ref;
        const char* formula;
        double result;
    } totals[] = {{"B9", "SUM(B4:B7)", 13000},   {"C9", "SUM(C4:C7)", 5858.90}, {"D9", "SUM(D4:D7)", 45},
                  {"J9", "SUM(J4:J7)", 6964.26}, {"N9", "SUM(N4:N7)", 9553.61}};
    for (const auto& t : totals) {
        EXPECT_EQ(sheet.Formula(t.ref), t.formula) << t.ref;
        EXPECT_NEAR(sheet.Number(t.ref), t.result, 1e-9) << t.ref;
        EXPECT_TRUE(sheet.StyleOf(t.ref).bold) << t.ref;
        EXPECT_EQ(sheet.StyleOf(t.ref).numberFormat, "#,##0.00") << t.ref;
    }
    EXPECT_FALSE(sheet.Has("O9") && !sheet.Formula("O9").isEmpty());

    // Columns fitted to their contents: the name column is wider than the days column.
    ASSERT_TRUE(sheet.widths.count(1) && sheet.widths.count(4));
    EXPECT_GT(sheet.widths.at(1), QString("Ayşe Yılmaz").size());
    EXPECT_LT(sheet.widths.at(4), sheet.widths.at(1));
}

TEST_F(PayrollExportTest, BadAmountOrFolderLeavesNoWorkbook)
{
    std::vector<PayrollRow> grid = threeRowGrid();
    grid[2][5] = "5,4,6";
    const QString path = Path("bordro.xlsx");
    EXPECT_THROW(WritePayrollWorkbook(path, grid, kPayrollColumns), EConvertError);
    EXPECT_FALSE(QFileInfo::exists(path));

    const QString error =
        ErrorOf<EInOutError>([&] { WritePayrollWorkbook(Path("yok/bordro.xlsx"), threeRowGrid(), kPayrollColumns); });
    EXPECT_TRUE(error.startsWith(Path("yok/bordro.xlsx") + ": ")) << error.toStdString();
}
}  // namespace
