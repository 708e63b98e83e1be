#include "calc/payroll_assets/payroll_document.h"

#include "base/exceptions.h"
#include "base/format_settings.h"
#include "error_of.h"

#include <gtest/gtest.h>

namespace {
class PayrollDocumentTest : public ::testing::Test {
protected:
    void SetUp() override { SetFormatSettings(TFormatSettings::Turkish()); }
};

std::vector<PayrollRow> sampleGrid()
{
    std::vector<PayrollRow> grid(3);
    for (int c = 0; c < kPayrollColumns; ++c)
        grid[0][c] = PayrollHeadings()[c];
    grid[1] = {"1", "Ali \"Can\" Öztürk", "3.000,00", "2.144,73", "30", "420,00", "615,00", "30,00", "60,00",
               "1.125,00", "2.550,00", "382,50", "22,77", "855,27", "3.675,00", "12345", "10000000146"};
    grid[2][0] = "2";
    return grid;
}

const QStringList kHeader = {"14", "20,50", "1", "2", "15", "0,759", "1.201,50", "7.809,90", "0"};

TEST_F(PayrollDocumentTest, LinesReadBackAsWritten)
{
    const QStringList lines = PayrollDocumentLines(kHeader, sampleGrid());
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], "14,\"20,50\",1,2,15,\"0,759\",\"1.201,50\",\"7.809,90\",0");
    EXPECT_TRUE(lines[2].startsWith("1,\"Ali \"\"Can\"\" Öztürk\",\"3.000,00\",\"2.144,73\",30,"));

    const PayrollDocument doc = ParsePayrollDocument(lines);
    EXPECT_EQ(doc.headerValues, kHeader);
    const std::vector<PayrollRow> grid = sampleGrid();
    ASSERT_EQ(doc.rows.size(), 2u);
    EXPECT_EQ(doc.rows[0], grid[1]);
    EXPECT_EQ(doc.rows[1], grid[2]);
}

TEST_F(PayrollDocumentTest, OtherFilesAreRefused)
{
    const QStringList good = PayrollDocumentLines(kHeader, sampleGrid());
    QStringList otherHeadings = good;
    otherHeadings[1] = "\"\",Vade,Tutar,Gün";
    QStringList shortHeader = good;
    shortHeader[0] = "14,20";
    QStringList wideRow = good;
    wideRow[3] += ",x";
    const QStringList refused[] = {
        {}, {good[0], good[1]}, otherHeadings, shortHeader, wideRow, {"{\\rtf1 abc}", "", ""},
    };
    for (const QStringList& lines : refused)
        EXPECT_EQ(ErrorOf<EReadError>([&] { ParsePayrollDocument(lines); }),
                  "Dosya bir Tavrelo ücret dosyası değil; bordro değiştirilmedi.")
            << lines.join(" | ").toStdString();
}
}  // namespace
