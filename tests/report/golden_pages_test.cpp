// Prepared pages of a set of templates, dumped as text (every view's place, size and text) and compared
// whole with the dumps kept under tests/data/golden. Each is built at two passes, and must come out the
// same at one pass but for its page count.
#include "build_test_support.h"
#include "golden.h"

#include "base/data_set.h"
#include "base/stream.h"
#include "report/fr_dbset.h"
#include "report/fr_dset.h"

#include <QCryptographicHash>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

#include <functional>

namespace {

QStringList Numbered(const QString& text, int count, int width = 3)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << text.arg(i, width, 10, QLatin1Char('0'));
    return lines;
}

// A view's text as printed: a memo's or rich view's lines, else a digest of the record its drawing comes from.
QString ViewText(TfrView& view)
{
    if (dynamic_cast<TfrRichView*>(&view) != nullptr || dynamic_cast<TfrMemoView*>(&view) != nullptr)
        return PrintedLines(view).join('|');
    TMemoryStream record;
    view.SaveToStream(record);
    return "#" + QCryptographicHash::hash(record.Data(), QCryptographicHash::Md5).toHex().left(12);
}

QString Dump(TfrReport& report)
{
    QString text;
    TfrEMFPages& pages = report.EMFPages;
    for (int i = 0; i < pages.Count(); ++i) {
        const TfrPrinterInfo& info = pages.Pages(i).PageInfo;
        text += QStringLiteral("Sayfa %1: %2x%3\n").arg(i + 1).arg(info.PageWidth).arg(info.PageHeight);
        pages.ObjectsToPage(i);
        for (const auto& v : pages.Pages(i).Page->Objects) {
            text += QStringLiteral("  %1 %2,%3 %4x%5 ")
                        .arg(v->ClassName().mid(3))
                        .arg(v->x)
                        .arg(v->y)
                        .arg(v->dx)
                        .arg(v->dy) +
                    ViewText(*v) + '\n';
        }
        pages.Pages(i).Page.reset();
    }
    return text;
}

class GoldenPages : public ReportBuildTest {
protected:
    void TearDown() override
    {
        ReportBuildTest::TearDown();
        QSqlDatabase::removeDatabase("golden");
    }
    void Footer(int top = 990, int height = 28)
    {
        AddBand(btPageFooter, top, height);
        AddMemo(560, top + 4, 148, 18, {"Sayfa [PAGE#] / [TOTALPAGES]"});
    }
    // "Data": `count` records; "Grup" and "Tutar" answer from the record.
    void UserData(int count, int groupSize)
    {
        delete owner->findChild<QObject*>("Data");  // the data of the case before
        auto* data = new TfrUserDataset(owner.get());
        data->setObjectName("Data");
        data->RangeEnd = reCount;
        data->RangeEndCount = count;
        report->OnGetValue = [data, groupSize](const QString& name, Variant& value) {
            if (name == "Grup")
                value = Variant(QString(QChar('A' + data->RecNo / groupSize)));
            else if (name == "Tutar")
                value = Variant((data->RecNo + 1) * 25);
        };
    }
    // "Data": one record a key; "Key" and "Amount" answer from the record.
    void Records(const QStringList& keys, const QList<int>& amounts)
    {
        delete owner->findChild<QObject*>("Data");
        auto* data = new TfrUserDataset(owner.get());
        data->setObjectName("Data");
        data->RangeEnd = reCount;
        data->RangeEndCount = static_cast<int>(keys.size());
        report->OnGetValue = [data, keys, amounts](const QString& name, Variant& value) {
            if (data->RecNo >= keys.size())
                return;
            if (name == "Key")
                value = Variant(keys[data->RecNo]);
            else if (name == "Amount")
                value = Variant(amounts[data->RecNo]);
        };
    }
    // A master band of `count` records under a header and above a footer.
    void HeaderDataFooter(const QString& count, uint16_t headerFlags = 48)
    {
        AddBand(btMasterHeader, 100, 20, headerFlags);
        AddMemo(20, 102, 200, 16, {"Başlık"});
        AddBand(btMasterData, 130, 20, 48, count);
        AddMemo(20, 132, 200, 16, {"Kayıt [LINE#]"});
        AddBand(btMasterFooter, 160, 20);
        AddMemo(20, 162, 200, 16, {"Son"});
    }
    // Records of a sub-report inside each record of a master band.
    void SubReportRows(const QString& records, uint16_t flags, int bandHeight, const QString& rows)
    {
        AddBand(btMasterData, 100, bandHeight, flags, records);
        AddMemo(20, 100, 300, 16, {"Ana [LINE#]"});
        AddSubReport(40, 118, 300, 10, 1);
        AddBand(btMasterData, 50, 20, 48, rows, 1);
        AddMemo(10, 50, 300, 16, {"Alt [LINE#]"}, 1);
    }
    // Invoices 1 to 4 in a database table, "Faturalar"; "Kalemler" walks the items of the current one,
    // as many as `items` gives for it.
    void SqliteInvoices(QList<int> items = {6, 12, 18, 24})
    {
        for (const char* name : {"Faturalar", "Kalemler", "Fatura"})
            delete owner->findChild<QObject*>(name);  // those of the case before
        if (!QSqlDatabase::contains("golden")) {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "golden");
            db.setDatabaseName(":memory:");
            ASSERT_TRUE(db.open());
            QSqlQuery q(db);
            ASSERT_TRUE(q.exec("CREATE TABLE Fatura (No INTEGER, Musteri VARCHAR(20))"));
            ASSERT_TRUE(q.exec("INSERT INTO Fatura VALUES (1, 'Ali'), (2, 'Veli'), (3, 'Ayşe'), (4, 'Şükrü')"));
        }
        auto* table = new TDataSet(owner.get());
        table->setObjectName("Fatura");
        table->ConnectionName = "golden";
        table->TableName = "Fatura";
        auto* invoices = new TfrDBDataSet(owner.get());
        invoices->setObjectName("Faturalar");
        invoices->SetDataSet(table);
        auto* walk = new TfrUserDataset(owner.get());
        walk->setObjectName("Kalemler");
        walk->RangeEnd = reCount;
        walk->OnFirst = [table, items](TfrDataset* sender) {
            sender->RangeEndCount = items.value(static_cast<int>(table->FieldByName("No")->AsFloat()) - 1);
        };
        report->OnGetValue = [table, walk](const QString& name, Variant& value) {
            if (name == "Tutar")
                value = Variant(static_cast<int>(table->FieldByName("No")->AsFloat()) * 100 + walk->RecNo + 1);
        };
    }
    // Invoices over their items, with a detail header and a footer totalling the named item band.
    void InvoicesAndItems(uint16_t invoiceFlags)
    {
        AddBand(btMasterData, 100, 24, invoiceFlags, "Faturalar");
        AddMemo(20, 102, 300, 18, {"Fatura [No] [Musteri]"});
        AddBand(btDetailHeader, 130, 20, 48 | flBandRepeatHeader);
        AddMemo(40, 132, 300, 16, {"Kalemler"});
        AddBand(btDetailData, 160, 30, 48, "Kalemler", 0, "KalemBandi");
        AddMemo(40, 162, 300, 16, {"[LINE#]. kalem [Tutar]"});
        AddBand(btDetailFooter, 200, 20);
        AddMemo(40, 202, 300, 16, {"Ara toplam [SUM([Tutar], KalemBandi)] ([COUNT(x, KalemBandi)])"});
    }
};

struct GoldenCase {
    QString name;
    std::function<void()> build;
};

}  // namespace

TEST_F(GoldenPages, MatchTheKeptDumpsAtOneAndTwoPasses)
{
    std::vector<GoldenCase> cases = {
        {"title_header_footer_summary",
         [this] {
             UserData(70, 100);
             AddBand(btReportTitle, 20, 40);
             AddMemo(20, 22, 400, 30, {"Rapor başlığı", "[2 * 21]"});
             AddBand(btPageHeader, 70, 24);
             AddMemo(20, 72, 300, 18, {"Sayfa başlığı [PAGE#]"});
             AddBand(btMasterData, 100, 16, 48, "Data");
             AddMemo(20, 100, 300, 16, {"Kayıt [LINE#]: [Tutar]"});
             AddBand(btReportSummary, 130, 24);
             AddMemo(20, 132, 300, 18, {"Toplam [SUM([Tutar])]"});
             Footer();
         }},
        // the last items of an invoice run onto the next page, under the repeated detail header
        {"master_detail_sqlite",
         [this] {
             SqliteInvoices();
             InvoicesAndItems(48);
             Footer();
         }},
        // an invoice without items prints only when its band asks to
        {"master_without_detail_left_out",
         [this] {
             SqliteInvoices({2, 0, 1, 0});
             InvoicesAndItems(48);
         }},
        {"master_without_detail_printed_when_asked",
         [this] {
             SqliteInvoices({2, 0, 1, 0});
             InvoicesAndItems(48 | flBandPrintIfSubsetEmpty);
         }},
        {"groups_repeated_with_totals",
         [this] {
             UserData(50, 14);
             AddBand(btGroupHeader, 60, 30, 48 | flBandRepeatHeader, "[Grup]");
             AddMemo(20, 62, 300, 18, {"Grup [Grup]"});
             AddBand(btMasterData, 100, 40, 48, "Data");
             AddMemo(20, 102, 300, 16, {"[LINE#]: [Tutar]"});
             AddBand(btGroupFooter, 150, 24);
             AddMemo(20, 152, 300, 18, {"Grup toplamı [SUM([Tutar])]"});
             AddBand(btReportSummary, 200, 24);
             AddMemo(20, 202, 300, 18, {"Genel toplam [SUM([Tutar])]"});
             Footer();
         }},
        {"two_columns",
         [this] {
             Page().Columns = 2;
             Page().ColumnSpacing = 12;
             AddBand(btColumnHeader, 40, 20);
             AddMemo(20, 42, 200, 16, {"Sütun başı"});
             AddBand(btMasterData, 100, 30, 48, "70");
             AddMemo(20, 102, 200, 16, {"Kayıt [LINE#]"});
             AddBand(btColumnFooter, 150, 20);
             AddMemo(20, 152, 200, 16, {"Sütun sonu"});
             Footer();
         }},
        {"cross_table_wider_than_a_page",
         [this] {
             AddBand(btMasterData, 100, 30, 48, "3");
             AddMemo(20, 100, 60, 16, {"Satır [LINE#]"});
             AddCrossBand(btCrossHeader, 100, 80, 48 | flBandRepeatHeader);
             AddMemo(110, 100, 60, 16, {"Ad"});
             AddCrossBand(btCrossData, 200, 90, 48, "14");
             AddMemo(210, 100, 60, 16, {"S[COLUMN#]"});
             AddCrossBand(btCrossFooter, 650, 80);
             AddMemo(660, 100, 60, 16, {"Toplam [SUM([COLUMN#])]"});
         }},
        {"cross_columns_named_per_band",
         [this] {
             AddBand(btMasterData, 100, 30, 48, "2", 0, "Satirlar");
             AddMemo(20, 100, 60, 16, {"Satır [LINE#]"});
             AddBand(btMasterFooter, 200, 30);
             AddMemo(20, 200, 200, 16, {"Son"});
             AddCrossBand(btCrossData, 200, 90, 48, "Satirlar=4;");
             AddMemo(210, 100, 60, 16, {"S[COLUMN#]"});
         }},
        {"memo_split_over_three_pages",
         [this] {
             AddBand(btReportSummary, 100, 40, 48 | flStretched | flBandBreaked);
             AddMemo(20, 100, 300, 20, Numbered("Satır %1", 150));
             AddMemo(400, 100, 200, 16, {"Yanında"}).Flags = flWordWrap;
             Footer();
         }},
        {"rich_body_over_three_pages",
         [this] {
             TfrRichView& rich = BuildPortraitTemplate();
             rich.RichEdit->SetFontSpec("DejaVu Sans Mono", -15);
             rich.RichEdit->SetLines(Numbered("%1  01.01.2014  31.01.2014  1,50  1.234,56 TL", 150));
         }},
        {"nested_sub_reports_over_a_page",
         [this] {
             AddBand(btReportTitle, 20, 30);
             AddMemo(20, 20, 300, 16, {"Ana sayfa"});
             AddBand(btMasterData, 100, 40, 48, "1");
             AddSubReport(20, 110, 500, 20, 1);
             Footer();
             AddBand(btMasterData, 40, 40, 48, "16", 1);
             AddMemo(20, 40, 200, 16, {"Dış [LINE#]"}, 1);
             AddSubReport(60, 60, 400, 20, 2, 1);
             AddBand(btMasterData, 40, 22, 48, "5", 2);
             AddMemo(20, 40, 200, 16, {"İç [LINE#]"}, 2);
         }},
        {"print_on_previous_page_with_footer",
         [this] {
             AddBand(btMasterData, 100, 40, 48, "30");
             AddMemo(20, 100, 200, 16, {"Birinci [LINE#]"});
             AddBand(btReportSummary, 150, 30);
             AddMemo(20, 152, 200, 16, {"Birincinin özeti"});
             Footer();
             Page(1).PrintOnPreviousPage = 1;
             AddBand(btReportTitle, 20, 30, 48, {}, 1);
             AddMemo(20, 20, 200, 16, {"İkinci başlık"}, 1);
             AddBand(btMasterData, 100, 40, 48, "5", 1);
             AddMemo(20, 100, 200, 16, {"İkinci [LINE#]"}, 1);
             AddBand(btPageFooter, 990, 28, 48, {}, 1);
             AddMemo(560, 994, 148, 18, {"Sayfa [PAGE#] / [TOTALPAGES]"}, 1);
         }},
        {"band_at_the_page_bottom",
         [this] {
             AddBand(btMasterData, 60, 48, 48, "20");
             AddMemo(20, 60, 200, 16, {"Kayıt [LINE#]"});
             AddBand(btReportSummary, 200, 40, 48 | flStretched | flBandBreaked);
             AddMemo(20, 200, 300, 36, Numbered("Satır %1", 40));
             AddPicture(400, 200, 150, 150);
             Footer(1018, 35);
         }},
        {"band_taller_than_a_page",
         [this] {
             AddBand(btMasterData, 100, 40, 48 | flStretched, "2");
             AddMemo(20, 100, 300, 36, Numbered("Satır [LINE#].%1", 80));
             Footer();
         }},
        {"breakable_band_taller_than_a_page_below_a_title",
         [this] {
             AddBand(btReportTitle, 20, 40);
             AddMemo(20, 20, 300, 16, {"Başlık"});
             AddBand(btMasterData, 100, 40, 48 | flStretched | flBandBreaked, "1");
             AddMemo(20, 100, 300, 36, Numbered("Satır %1", 160));
             Footer();
         }},
        {"master_header_data_footer_with_totals",
         [this] {
             Records({"a", "b", "c"}, {10, 20, 30});
             AddBand(btMasterHeader, 100, 20);
             AddMemo(20, 102, 200, 16, {"Başlık"});
             AddBand(btMasterData, 130, 20, 48, "Data");
             AddMemo(20, 132, 200, 16, {"Satır [LINE#] [Key]"});
             AddBand(btMasterFooter, 160, 20);
             AddMemo(20, 162, 200, 16, {"Toplam [SUM([Amount])] ortalama [AVG([Amount])] adet [COUNT(x)]"});
         }},
        // a data band with no source is not looped at all: no header, no footer
        {"counted_data_text", [this] { HeaderDataFooter("4"); }},
        {"data_band_without_source", [this] { HeaderDataFooter(""); }},
        {"records_onto_three_pages",
         [this] {
             AddBand(btMasterData, 100, 50, 48, "45");
             AddMemo(20, 100, 200, 16, {"Kayıt [LINE#]"});
             AddBand(btPageFooter, 900, 35);
             AddMemo(600, 902, 120, 16, {"Sayfa [PAGE#] / [TOTALPAGES]"});
         }},
        {"groups_nested_inner_footers_first",
         [this] {
             Records({"A1", "A1", "A2", "B1", "B2", "B2"}, {1, 2, 3, 4, 5, 6});
             AddBand(btGroupHeader, 40, 20, 48, "COPY([Key], 1, 1)");
             AddMemo(20, 42, 200, 16, {"Dış [COPY([Key], 1, 1)]"});
             AddBand(btGroupHeader, 70, 20, 48, "[Key]");
             AddMemo(20, 72, 200, 16, {"İç [Key]"});
             AddBand(btMasterData, 100, 20, 48, "Data");
             AddMemo(20, 102, 200, 16, {"[LINE#]: [Amount]"});
             AddBand(btGroupFooter, 130, 20);
             AddMemo(20, 132, 200, 16, {"İç son [SUM([Amount])] ([COUNT(x)])"});
             AddBand(btGroupFooter, 160, 20);
             AddMemo(20, 162, 200, 16, {"Dış son [SUM([Amount])]"});
             AddBand(btReportSummary, 200, 20);
             AddMemo(20, 202, 200, 16, {"Genel toplam [SUM([Amount])]"});
         }},
        {"band_too_tall_for_the_rest_moves_whole",
         [this] {
             AddBand(btMasterData, 100, 300, 48, "4");
             AddMemo(20, 100, 200, 16, {"Kayıt [LINE#]"});
         }},
        // a flag of 1 counts the records of a hidden band; without it a total never counted is blank
        {"hidden_data_band_totals",
         [this] {
             Records({"a", "b", "c"}, {10, 20, 30});
             AddBand(btMasterData, 100, 20, 48, "Data").Visible = 0;
             AddMemo(20, 102, 200, 16, {"[Amount]"});
             AddBand(btMasterFooter, 160, 20);
             AddMemo(20, 162, 200, 16, {"[SUM([Amount], , 1)]"});
             AddMemo(300, 162, 200, 16, {"[SUM([Amount] + 0)]"});
         }},
        {"repeated_header_and_overlay",
         [this] {
             AddBand(btOverlay, 500, 20);
             AddMemo(300, 505, 100, 16, {"TASLAK"});
             AddBand(btMasterHeader, 60, 30, 48 | flBandRepeatHeader);
             AddMemo(20, 62, 200, 16, {"Sütunlar"});
             AddBand(btMasterData, 100, 50, 48, "45");
             AddMemo(20, 100, 200, 16, {"Kayıt [LINE#]"});
         }},
        // a band with no data of its own prints with the record before it, counted once
        {"bands_chained_behind_a_data_band",
         [this] {
             Records({"a", "b"}, {10, 20});
             AddBand(btMasterData, 100, 20, 48, "Data");
             AddMemo(20, 102, 200, 16, {"[Key]"});
             AddBand(btMasterData, 130, 20);
             AddMemo(20, 132, 200, 16, {"[Amount]"});
             AddBand(btMasterFooter, 160, 20);
             AddMemo(20, 162, 200, 16, {"Toplam [SUM([Amount])]"});
         }},
        {"page_break_after_bands_repeats_headers",
         [this] {
             AddBand(btMasterHeader, 60, 20, 48 | flBandRepeatHeader);
             AddMemo(20, 60, 200, 16, {"Başlık"});
             AddBand(btMasterData, 100, 20, 48 | flBandNewPageAfter, "3");
             AddMemo(20, 100, 200, 16, {"Kayıt [LINE#]"});
             AddBand(btMasterFooter, 140, 20, 48 | flBandNewPageAfter);
             AddMemo(20, 140, 200, 16, {"Son"});
         }},
        // each record with its 23 rows takes 478: the third band starts at 974, too low for its 100
        {"breakable_band_keeps_its_sub_report", [this] { SubReportRows("3", 48 | flBandBreaked, 100, "23"); }},
        {"sub_report_in_each_record", [this] { SubReportRows("3", 48, 40, "2"); }},
        {"sub_report_taller_than_the_page", [this] { SubReportRows("1", 48, 40, "60"); }},
        {"breakable_band_with_a_view_far_below",
         [this] {
             AddBand(btReportSummary, 100, 2000000020, 48 | flBandBreaked);
             AddMemo(20, 100, 200, 16, {"Üst"});
             AddMemo(20, 100 + 2000000000, 200, 16, {"Alt"});
         }},
    };
    // a breakable band's memo: 137 lines end a little above the band's rectangle and the last line still
    // prints; 60 fit and are not split, the band as high as the memo
    for (auto [name, lines] : {std::pair{"memo_split_last_line_alone", 137}, {"memo_that_fits_unsplit", 60}}) {
        cases.push_back({name, [this, lines] {
                             AddBand(btMasterData, 100, 20, 48 | flStretched | flBandBreaked, "1");
                             AddMemo(20, 100, 300, 20, Numbered("Satır %1", lines));
                             AddBand(btMasterFooter, 130, 20);
                             AddMemo(20, 132, 200, 16, {"Son"});
                         }});
    }
    // a band grows to its tallest memo, never below its own height nor its memos below theirs
    for (int lines : {1, 4, 10}) {
        cases.push_back({QStringLiteral("stretched_band_of_%1_lines").arg(lines), [this, lines] {
                             AddBand(btMasterData, 100, 40, 48 | flStretched, "2");
                             AddMemo(20, 100, 300, 20, Numbered("Satır %1", lines));
                             AddMemo(340, 100, 100, 20, {"Yan"});
                         }});
    }
    // page header and footer flags choose the first and the last page
    for (auto [header, footer] : {std::pair{32, 48}, {48, 32}, {48, 16}, {0, 0}}) {
        cases.push_back({QStringLiteral("page_header_%1_footer_%2").arg(header).arg(footer), [this, header, footer] {
                             AddBand(btPageHeader, 20, 30, header);
                             AddMemo(20, 22, 200, 16, {"Üst"});
                             AddBand(btMasterData, 100, 50, 48, "45");
                             AddMemo(20, 100, 200, 16, {"[LINE#]"});
                             AddBand(btPageFooter, 900, 35, footer);
                             AddMemo(600, 902, 120, 16, {"Alt"});
                         }});
    }
    for (const GoldenCase& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        report->Pages.Clear();
        c.build();
        report->PrepareTwice = 1;
        ASSERT_TRUE(Prepare()) << frErrorText.toStdString();
        const QString counted = Dump(*report);
        report->PrepareTwice = 0;
        ASSERT_TRUE(Prepare());
        // one pass knows no page count: that alone differs
        EXPECT_EQ(Dump(*report), QString(counted).replace(QStringLiteral(" / %1\n").arg(PageCount()), " / 0\n"));
        EXPECT_TRUE(counted.contains(QStringLiteral("Sayfa %1 / %1\n").arg(PageCount())) || !counted.contains(" / "));
        QStringList lines = counted.split('\n');
        lines.removeLast();
        ExpectGolden("golden/" + c.name + ".txt", lines);
    }
}

TEST_F(GoldenPages, MemoOfOneFieldIsBoundToItsBandsDataSet)
{
    SqliteInvoices({2, 0, 1, 0});
    InvoicesAndItems(48);
    AddMemo(400, 102, 100, 16, {"[Musteri]"});
    QStringList bound;
    report->OnEnterRect = [&bound](TStringList&, TfrView* view) {
        if (view->Memo.Count() > 0 && view->Memo[0] == "[Musteri]")
            bound << (view->DataSet != nullptr ? view->DataSet->objectName() + "." + view->DataField : "none");
    };
    ASSERT_TRUE(Prepare());
    EXPECT_EQ(bound, (QStringList{"Fatura.Musteri", "Fatura.Musteri"}));
}
