#include "report/fr_band_view.h"
#include "report/fr_dset.h"
#include "report/fr_memo_view.h"
#include "report/fr_report.h"
#include "report/fr_rich.h"
#include "golden.h"
#include "template_test_support.h"

#include "base/rich_edit.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
const QString kUnsupported = QStringLiteral("Unsupported FRF format");

template <typename T>
T& Place(TfrReport& report, int page, const QString& name, int x, int y, int dx, int dy)
{
    auto view = std::make_unique<T>();
    view->Name = name;
    view->SetBounds(x, y, dx, dy);
    T& placed = *view;
    report.Pages.Pages(page).Objects.push_back(std::move(view));
    return placed;
}

// A small template with a band, two memos and a rich view with text.
void Design(TfrReport& report)
{
    report.Pages.Add();
    auto& band = Place<TfrBandView>(report, 0, "ReportSummary1", 0, 100, 752, 60);
    band.FrameTyp = btReportSummary;
    band.Memo.Add("[TOTALPAGES]");
    auto& title = Place<TfrMemoView>(report, 0, "Memo5", 40, 48, 668, 18);
    title.Font.Name = "Times New Roman Tur";
    title.Font.Size = 12;
    title.Font.Style = 2;
    title.Memo.Add("Başlık");
    auto& rich = Place<TfrRichView>(report, 0, "Rich1", 40, 102, 668, 50);
    rich.RichEdit->SetLines({"Gecikme zammı", "ÇĞİÖŞÜ çğıöşü"});
    auto& footer = Place<TfrMemoView>(report, 0, "Memo4", 604, 994, 104, 22);
    footer.Memo.Add("Sayfa [PAGE#]");
    report.Variables.Add("Firma");
    report.Variables.Add(" Unvan");
}

QByteArray Save(TfrReport& report)
{
    TMemoryStream s;
    report.SaveToStream(s);
    return s.Data();
}

void Load(TfrReport& report, const QByteArray& bytes)
{
    TMemoryStream s(bytes);
    report.LoadFromStream(s);
}

Bytes PageRecord(int paper, int width, int height, int orientation, const QByteArray& oldExtra = {})
{
    Bytes b;
    b.i32(paper).i32(width).i32(height).i32(0).i32(0).i32(0).i32(0).u8({orientation}).bytes(oldExtra);
    b.u16(0).u16(1).i32(1).i32(0);
    return b;
}

// A memo record as the templates before version 23 hold it: no name, script or visibility, the strings
// and the memo in their terminated forms.
Bytes OldMemoRecord(int flags, const char* lines)
{
    Bytes b;
    b.i32(40).i32(48).i32(300).i32(18).u16(flags).u16(0).i32(1).i32(0).u16(0).i32(0x1FFFFFFF);
    b.i32(0x22C).oldStr("").text(lines).u8({0});
    b.oldStr("Arial").i32(10).u16(2).i32(0).i32(1).u16(162);
    b.u16(2).i32(0).i32(0xFFFFFF).oldStr("");
    return b;
}

class TemplateStream : public VirtualPrinterTest {};
}  // namespace

TEST_F(TemplateStream, WithoutViewsHoldsHeaderPagesAndAnEmptyValueSection)
{
    TfrReport report;
    report.PrepareTwice = 1;
    report.Pages.Add();
    TfrPage& second = report.Pages.Add();
    second.ChangePaper(frA4Paper, 0, 0, frLandscape);
    second.Margins = {10, 20, 30, 40};
    second.PrintOnPreviousPage = 1;
    second.ApplyMargins = 0;
    second.Columns = 2;
    second.ColumnSpacing = 15;
    // version, flags, printer name; each page: paper, size, margins, orientation, then its flags and
    // columns; the empty value section
    const QByteArray bytes = Save(report);
    ExpectGoldenBytes("report/template_without_views.hex", bytes);
    TfrReport copy;
    Load(copy, bytes);
    EXPECT_EQ(Save(copy), bytes);
    EXPECT_EQ(copy.PrepareTwice, 1);
    EXPECT_TRUE(TestDialogs().shown.empty());
}

TEST_F(TemplateStream, WithViewsReadsBackToTheSameBytes)
{
    TfrReport report;
    Design(report);
    const QByteArray bytes = Save(report);
    TfrReport copy;
    Load(copy, bytes);
    ASSERT_EQ(copy.Pages.Count(), 1);
    ASSERT_EQ(copy.Pages.Pages(0).Objects.size(), 4u);
    EXPECT_EQ(Save(copy), bytes);
    auto* rich = dynamic_cast<TfrRichView*>(copy.FindObject("rich1"));
    ASSERT_NE(rich, nullptr);
    EXPECT_EQ(rich->RichEdit->Lines(), QStringList({"Gecikme zammı", "ÇĞİÖŞÜ çğıöşü"}));
    EXPECT_EQ(copy.Variables.ToQStringList(), QStringList({"Firma", " Unvan"}));
    EXPECT_TRUE(TestDialogs().shown.empty());
}

TEST_F(TemplateStream, OldTemplatesReadTheirFormsAndNameTheirViews)
{
    // version 22 writes its version byte, version 21 has none; version 21 memos wrap their words
    for (const auto& [versionByte, expectedFlags] : {std::pair{true, 1}, std::pair{false, 3}}) {
        SCOPED_TRACE(versionByte ? "v22" : "v21");
        TestDialogs().Reset();
        Bytes b;
        if (versionByte)
            b.u8({22});
        b.u16(0).u16(0).oldStr("");
        b.u8({255}).bytes(PageRecord(9, 2970, 2100, 1, QByteArray(6, '\x7F')).data());
        b.u8({0, 0}).bytes(OldMemoRecord(1, "Toplam\r[SUM]").data());
        b.u8({0, 0}).bytes(OldMemoRecord(1, "").data());
        b.u8({254}).i32(0).text("Kategori\r Tutar").u8({0});
        TfrReport report;
        Load(report, b.data());
        EXPECT_TRUE(TestDialogs().shown.empty());
        ASSERT_EQ(report.Pages.Count(), 1);
        const TfrPage& page = report.Pages.Pages(0);
        EXPECT_EQ(page.Orientation, frLandscape);
        EXPECT_EQ(page.Width, 2970);
        EXPECT_EQ(page.ApplyMargins, 1);
        ASSERT_EQ(page.Objects.size(), 2u);
        auto* first = dynamic_cast<TfrMemoView*>(page.Objects[0].get());
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(first->Name, "Memo1");
        EXPECT_EQ(page.Objects[1]->Name, "Memo2");
        EXPECT_EQ(first->Memo.ToQStringList(), QStringList({"Toplam", "[SUM]"}));
        EXPECT_EQ(first->Flags, expectedFlags);
        EXPECT_EQ(first->Visible, 0xFFFF);
        EXPECT_EQ(first->Script.Count(), 0);
        EXPECT_EQ(first->Font.Name, "Arial");
        EXPECT_EQ(first->Alignment, 1);
        EXPECT_EQ(page.Objects[1]->Memo.Count(), 0);
        EXPECT_EQ(report.Variables.ToQStringList(), QStringList({"Kategori", " Tutar"}));
    }
}

TEST_F(TemplateStream, AnOlderFramedMemoIsReadAsAMemoAndItsExtraBytesSkipped)
{
    Bytes b;
    b.u8({22}).u16(0).u16(0).oldStr("");
    b.u8({255}).bytes(PageRecord(9, 2100, 2970, 0, QByteArray(6, 0)).data());
    b.u8({10}).oldStr("TfrFramedMemoView").u8({0}).bytes(OldMemoRecord(3, "Cerceveli").data());
    b.bytes(QByteArray(8, '\x55'));
    b.u8({0, 0}).bytes(OldMemoRecord(3, "").data());
    TfrReport report;
    Load(report, b.data());
    EXPECT_TRUE(TestDialogs().shown.empty());
    const TfrPage& page = report.Pages.Pages(0);
    ASSERT_EQ(page.Objects.size(), 2u);
    EXPECT_EQ(page.Objects[0]->ObjectType, gtMemo);
    EXPECT_EQ(page.Objects[0]->Memo.ToQStringList(), QStringList({"Cerceveli"}));
    EXPECT_EQ(page.Objects[1]->Name, "Memo2");
}

TEST_F(TemplateStream, BrokenTemplatesEndInTheMessageAndOneEmptyPage)
{
    const QByteArray page = Bytes().u8({255}).bytes(PageRecord(9, 0, 0, 0).data()).data();
    const std::pair<const char*, QByteArray> bodies[] = {  // after the version byte, flags and printer name
        {"type byte 11", Bytes().bytes(page).u8({11}).data()},
        {"type byte without class", Bytes().bytes(page).u8({7, 0}).data()},
        {"view on a missing page", Bytes().bytes(page).u8({0, 3}).data()},
        {"unknown add-in", Bytes().bytes(page).u8({10}).str("TfrChart").u8({0}).data()},
        {"cut page record", Bytes().u8({255}).i32(9).i32(2100).data()},
        {"huge value count", Bytes().u8({254}).i32(0x7FFFFFFF).u8({1}).data()},
        {"string longer than the stream", Bytes().u8({254}).i32(1).u8({1}).i32(0).u8({200}).data()},
    };
    for (const auto& [name, body] : bodies) {
        SCOPED_TRACE(name);
        TestDialogs().Reset();
        TfrReport report;
        report.Pages.Add();
        report.Pages.Add();
        Load(report, Bytes().u8({23}).u16(0).u16(0).str("").bytes(body).data());
        ASSERT_EQ(TestDialogs().shown.size(), 1u);
        EXPECT_EQ(TestDialogs().shown[0].text, kUnsupported);
        EXPECT_EQ(TestDialogs().shown[0].caption, "Error");
        EXPECT_EQ(TestDialogs().shown[0].icon, DialogService::Error);
        ASSERT_EQ(report.Pages.Count(), 1);
        EXPECT_TRUE(report.Pages.Pages(0).Objects.empty());
        EXPECT_EQ(report.Pages.Pages(0).PaperSize, frA4Paper);
    }
}

TEST_F(TemplateStream, ANewerVersionIsRefusedAndTheTemplateKept)
{
    TfrReport report;
    Design(report);
    Load(report, Bytes().u8({24}).u16(0).u16(0).str("").data());
    ASSERT_EQ(TestDialogs().Texts(), QStringList({kUnsupported}));
    EXPECT_EQ(report.Pages.Pages(0).Objects.size(), 4u);
}

TEST_F(TemplateStream, EveryCutOfATemplateLoadsWholeViewsOrFailsCleanly)
{
    TfrReport source;
    Design(source);
    const QByteArray bytes = Save(source);
    for (int n = 0; n < bytes.size(); ++n) {
        TestDialogs().Reset();
        TfrReport report;
        Load(report, bytes.left(n));
        if (!TestDialogs().shown.empty()) {
            EXPECT_EQ(TestDialogs().Texts(), QStringList({kUnsupported})) << n;
            EXPECT_EQ(report.Pages.Count(), 1) << n;
            EXPECT_TRUE(report.Pages.Pages(0).Objects.empty()) << n;
            continue;
        }
        // A cut between two entries leaves a shorter template; whatever it holds is whole.
        if (report.Pages.Count() == 0)
            continue;
        const auto& objects = report.Pages.Pages(0).Objects;
        ASSERT_LE(objects.size(), 4u);
        for (size_t i = 0; i < objects.size(); ++i)
            EXPECT_EQ(objects[i]->Name, source.Pages.Pages(0).Objects[i]->Name) << n;
    }
}

TEST_F(TemplateStream, DamagedBytesNeverCrashOrHang)
{
    TfrReport source;
    Design(source);
    const QByteArray bytes = Save(source);
    for (int i = 1; i < bytes.size(); ++i) {
        for (char garbage : {'\x00', '\xFF', '\x80'}) {
            QByteArray damaged = bytes;
            damaged[i] = garbage;
            TestDialogs().Reset();
            TfrReport report;
            Load(report, damaged);
            EXPECT_GE(report.Pages.Count(), 1) << i;
        }
    }
}

TEST_F(TemplateStream, FormDataHoldsTheTemplateOnlyWhenStoredInTheForm)
{
    TfrReport report;
    Design(report);
    TMemoryStream without;
    report.WriteBinaryData(without);
    EXPECT_EQ(without.Data().toHex(' '), Bytes().i32(23).data().toHex(' '));
    report.StoreInDFM = true;
    TMemoryStream with;
    report.WriteBinaryData(with);
    const QByteArray templateBytes = Save(report);
    EXPECT_EQ(with.Data(), Bytes().i32(23).i32(static_cast<int32_t>(templateBytes.size())).bytes(templateBytes).data());
    TfrReport copy;
    copy.StoreInDFM = true;
    with.SetPosition(0);
    copy.ReadBinaryData(with);
    EXPECT_EQ(Save(copy), templateBytes);
    EXPECT_TRUE(TestDialogs().shown.empty());
    // A count beyond the property's bytes is a damaged template.
    TfrReport cut;
    cut.StoreInDFM = true;
    TMemoryStream shortData(with.Data().left(with.Data().size() - 1));
    cut.ReadBinaryData(shortData);
    EXPECT_EQ(TestDialogs().Texts(), QStringList({kUnsupported}));
    EXPECT_EQ(cut.Pages.Count(), 1);
}

TEST_F(TemplateStream, FindObjectComparesNamesWithoutCaseOverPagesInOrder)
{
    TfrReport report;
    Design(report);
    report.Pages.Add();
    Place<TfrMemoView>(report, 1, "Memo9", 0, 0, 10, 10);
    Place<TfrMemoView>(report, 1, "MEMO5", 0, 0, 10, 10);
    EXPECT_EQ(report.FindObject("memo5"), report.Pages.Pages(0).Objects[1].get());
    EXPECT_EQ(report.FindObject("memo9"), report.Pages.Pages(1).Objects[0].get());
    EXPECT_EQ(report.FindObject("RICH1"), report.Pages.Pages(0).Objects[2].get());
    EXPECT_EQ(report.FindObject("Memo6"), nullptr);
}

TEST_F(TemplateStream, VariablesAreListedByCategory)
{
    TfrReport report;
    report.Variables.SetText("Firma\r\n Unvan\r\n Adres\r\nBordro\r\n Ay\r\n");
    TStringList list;
    report.GetCategoryList(list);
    EXPECT_EQ(list.ToQStringList(), QStringList({"Firma", "Bordro"}));
    report.GetVarList(0, list);
    EXPECT_EQ(list.ToQStringList(), QStringList({"Unvan", "Adres"}));
    report.GetVarList(1, list);
    EXPECT_EQ(list.ToQStringList(), QStringList({"Ay"}));
    report.GetVarList(2, list);
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(TemplateStream, AStoredPrinterIsSelectedUnlessTheReportKeepsTheDefault)
{
    TfrPrinter& printer = frPrinterObject();
    printer.Printers = QStringList({"Ofis", "Depo", QString()});
    printer.VirtualPrinterIndex = 2;
    printer.PrinterIndex = 2;
    TfrReport report;
    report.SelectStoredPrinter("Microsoft XPS Document Writer");
    EXPECT_EQ(printer.PrinterIndex, 2);
    report.KeepDefaultPrinter = 1;
    report.SelectStoredPrinter("depo");
    EXPECT_EQ(printer.PrinterIndex, 2);
    report.KeepDefaultPrinter = 0;
    report.SelectStoredPrinter("depo");
    EXPECT_EQ(printer.PrinterIndex, 1);
}

TEST_F(TemplateStream, OnlyAnInstalledStoredPrinterIsSelected)
{
    TfrPrinter& printer = frPrinterObject();
    printer.Printers = QStringList({"Ofis", "Depo", QString()});
    printer.VirtualPrinterIndex = 2;
    const std::pair<const char*, int> cases[] = {{"", 0}, {"Microsoft XPS Document Writer", 0}, {"depo", 1}};
    for (const auto& [stored, selected] : cases) {
        printer.PrinterIndex = 0;
        TfrReport report;
        Load(report, Bytes().u8({23}).u16(0).u16(0).str(stored).u8({254}).i32(0).u16(0).u8({0}).data());
        EXPECT_EQ(printer.PrinterIndex, selected) << stored;
    }
}

TEST_F(TemplateStream, AnEmptyLineOfTheVariablesNamesACategory)
{
    TfrReport report;
    report.Pages.Add();
    report.Variables.SetText("Firma\r\n Unvan\r\n\r\n Ay\r\n \r\n");
    TfrReport copy;
    Load(copy, Save(report));
    TStringList list;
    copy.GetCategoryList(list);
    EXPECT_EQ(list.ToQStringList(), QStringList({"Firma", ""}));
    copy.GetVarList(0, list);
    EXPECT_EQ(list.ToQStringList(), QStringList({"Unvan"}));
    copy.GetVarList(1, list);
    EXPECT_EQ(list.ToQStringList(), QStringList({"Ay", ""}));
}

TEST_F(TemplateStream, ARemovedDatasetIsForgotten)
{
    TfrReport report;
    auto* dataset = new TfrUserDataset(&report);
    report.Dataset = dataset;
    delete dataset;
    EXPECT_EQ(report.Dataset, nullptr);
}
