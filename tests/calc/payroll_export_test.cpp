#include "calc/payroll_assets/payroll_excel.h"

#include "base/exceptions.h"
#include "error_of.h"
#include "golden.h"
#include "payroll_xlsx_reader.h"
#include "test_support.h"

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

    // Every cell: its reference, kind, text or number, formula and style. Title lines, headings from sheet
    // row 3 without the row-number column, the identity number as text with its leading zeros, amounts
    // and the SGK number as numbers, zero and empty amounts left out, and the totals' formulas.
    QStringList cells;
    for (const auto& [ref, cell] : sheet.cells) {
        const XlsxSheet::Style style = sheet.StyleOf(ref);
        cells << QStringList{ref, cell.type.isEmpty() ? "number" : "text", sheet.Text(ref), cell.formula,
                             QString("%1%2 %3").arg(style.bold ? "bold " : "").arg(style.size).arg(style.numberFormat)}
                     .join('\t');
    }
    ExpectGolden("payroll/workbook_cells.txt", cells);

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
