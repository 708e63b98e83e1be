// The program's stored portrait template: the calculator's text flows over pages under the title, the
// date and the page numbers. The hand-built shape of it is pinned by the golden page dumps.
#include "build_test_support.h"

#include "base/date_time.h"
#include "base/stream.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

QStringList NumberedLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("%1. satır: gecikme faizi 1.234,56 TL").arg(i, 3, 10, QLatin1Char('0'));
    return lines;
}

class StoredPortraitTemplate : public ReportBuildTest {};

}  // namespace

TEST_F(StoredPortraitTemplate, CalculatorTextFlowsOverPagesWithDateAndPageNumbers)
{
    QFile file(QStringLiteral(TAVRELO_TEST_DATA "/../../data/fr_report2.reportform"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    TMemoryStream stream(file.readAll());
    report->StoreInDFM = true;
    report->ReadBinaryData(stream);
    auto* title = dynamic_cast<TfrMemoView*>(report->FindObject("Memo5"));
    auto* body = dynamic_cast<TfrRichView*>(report->FindObject("rich1"));
    ASSERT_NE(title, nullptr);
    ASSERT_NE(body, nullptr);
    title->Memo.SetText("GECİKME FAİZİ HESAPLAMA");
    body->RichEdit->SetFontSpec("Courier New", 11);
    const QStringList text = NumberedLines(250);
    body->RichEdit->SetLines(text);
    ASSERT_TRUE(Prepare());
    ASSERT_GE(PageCount(), 3);
    const QString today = FormatDateTime("dd.mm.yyyy", Date());
    QStringList printed;
    for (int page = 0; page < PageCount(); ++page) {
        for (const PrintedView& v : Printed(page)) {
            if (v.className == "TfrRichView") {
                for (const QString& line : v.lines) {
                    if (!line.isEmpty())
                        printed << line;
                }
            }
        }
        const QStringList memos = MemoTexts(page);
        EXPECT_TRUE(memos.contains(QStringLiteral("Sayfa %1").arg(page + 1))) << memos.join(", ").toStdString();
        EXPECT_TRUE(memos.contains(today));
        EXPECT_EQ(memos.contains("GECİKME FAİZİ HESAPLAMA"), page == 0);
    }
    EXPECT_EQ(printed, text);
}
