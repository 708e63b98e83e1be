// The report templates the main window holds are kept in data/ as the "ReportForm" data of their
// components. They are written here, by the engine's own writer, from the design below:
//     TAVRELO_WRITE_TEMPLATES=1 build/tests/test_report --gtest_filter='TemplateFiles.*'
// rewrites them; otherwise the test checks that the committed files are what the design writes.
#include "report/fr_band_view.h"
#include "report/fr_memo_view.h"
#include "report/fr_report.h"
#include "report/fr_rich.h"
#include "template_test_support.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {
const QString kTurkishTimes = QStringLiteral("Times New Roman Tur");
constexpr int kTurkishCharset = 162;
// "[DATE]" shown with the custom date pattern: category date, index custom, the default decimals.
constexpr int32_t kCustomDateFormat = 0x02040000 | 0x200 | ',';

// The body's band stretches with its rich text and breaks over as many pages as the text needs.
constexpr uint16_t kBodyBandFlags = flBandOnFirstPage | flBandOnLastPage | flStretched | flBandBreaked;

struct Band {
    const char* name;
    TfrBandType type;
    int top, height;
    const char* memo;
    uint16_t flags = flBandOnFirstPage | flBandOnLastPage;
};

struct Memo {
    const char* name;
    int x, y, dx, dy;
    bool timesBold;   // the title font
    bool times;       // the page font
    int alignment;
    const char* text;
};

struct Design {
    uint8_t orientation;
    int pageWidth;  // page units of A4 in that orientation on the virtual printer
    Band title, header, summary, footer;
    std::vector<Memo> titleMemos, headerMemos, footerMemos;
    Memo rich;
};

// The payroll's landscape template; its geometry is the payroll report's.
const Design kReport3{
    frLandscape,
    1064,
    {"ReportTitle1", btReportTitle, 44, 48, ""},
    {"PageHeader1", btPageHeader, 108, 64, ""},
    {"ReportSummary1", btReportSummary, 188, 430, "[TOTALPAGES]", kBodyBandFlags},
    {"PageFooter1", btPageFooter, 664, 28, ""},
    {{"Memo5", 40, 48, 980, 18, true, false, frtaCenter, ""}, {"Memo7", 40, 68, 980, 18, false, false, 0, ""}},
    {{"Memo3", 870, 110, 148, 18, false, true, frtaRight, "[DATE]"},
     {"Memo1", 40, 132, 980, 18, false, false, 0, ""},
     {"Memo6", 40, 152, 980, 18, false, false, 0, ""}},
    {{"Memo2", 40, 668, 876, 22, false, true, 0, ""}, {"Memo4", 916, 668, 104, 22, false, true, frtaRight, "Sayfa [PAGE#]"}},
    {"Rich1", 40, 190, 980, 422, false, false, 0, ""},
};

// The portrait template the other calculators share, laid out like the payroll's on the narrower page:
// the same margins and heights, the page footer near the foot of the page.
const Design kReport2{
    frPortrait,
    752,
    {"ReportTitle1", btReportTitle, 44, 28, ""},
    {"PageHeader1", btPageHeader, 88, 44, ""},
    {"ReportSummary1", btReportSummary, 148, 430, "[TOTALPAGES]", kBodyBandFlags},
    {"PageFooter1", btPageFooter, 990, 28, ""},
    {{"Memo5", 40, 48, 668, 18, true, false, frtaCenter, ""}},
    {{"Memo3", 560, 90, 148, 18, false, true, frtaRight, "[DATE]"}, {"Memo1", 40, 112, 668, 18, false, false, 0, ""}},
    {{"Memo2", 40, 994, 564, 22, false, true, 0, ""}, {"Memo4", 604, 994, 104, 22, false, true, frtaRight, "Sayfa [PAGE#]"}},
    {"Rich1", 40, 150, 668, 422, false, false, 0, ""},
};

void AddBand(TfrPage& page, const Design& d, const Band& b)
{
    auto band = std::make_unique<TfrBandView>();
    band->Name = b.name;
    band->FrameTyp = b.type;
    band->Flags = b.flags;
    band->SetBounds(0, b.top, d.pageWidth, b.height);
    if (*b.memo)
        band->Memo.Add(b.memo);
    page.Objects.push_back(std::move(band));
}

void AddMemos(TfrPage& page, const std::vector<Memo>& memos)
{
    for (const Memo& m : memos) {
        auto memo = std::make_unique<TfrMemoView>();
        memo->Name = m.name;
        memo->SetBounds(m.x, m.y, m.dx, m.dy);
        if (m.timesBold || m.times) {
            memo->Font.Name = kTurkishTimes;
            memo->Font.Size = 12;
            memo->Font.Style = m.timesBold ? 2 : 0;
            memo->Font.Charset = kTurkishCharset;
        }
        memo->Alignment = m.alignment;
        if (*m.text)
            memo->Memo.Add(m.text);
        if (QString(m.text) == "[DATE]") {
            memo->Format = kCustomDateFormat;
            memo->FormatStr = "dd.mm.yyyy";
        }
        page.Objects.push_back(std::move(memo));
    }
}

void Build(TfrReport& report, const Design& d)
{
    TfrPage& page = report.Pages.Add();
    page.ChangePaper(frA4Paper, 0, 0, d.orientation);
    AddBand(page, d, d.title);
    AddMemos(page, d.titleMemos);
    AddBand(page, d, d.header);
    AddMemos(page, d.headerMemos);
    AddBand(page, d, d.summary);
    auto rich = std::make_unique<TfrRichView>();
    rich->Name = d.rich.name;
    rich->SetBounds(d.rich.x, d.rich.y, d.rich.dx, d.rich.dy);
    page.Objects.push_back(std::move(rich));
    AddBand(page, d, d.footer);
    AddMemos(page, d.footerMemos);
    report.StoreInDFM = true;
}

QByteArray FormData(const Design& d)
{
    // The templates were designed with this printer selected; it is stored in their header.
    TfrPrinter& printer = frPrinterObject();
    printer.Printers = QStringList({"Microsoft XPS Document Writer", QString()});
    printer.VirtualPrinterIndex = 1;
    printer.PrinterIndex = 0;
    TfrReport report;
    Build(report, d);
    TMemoryStream stream;
    report.WriteBinaryData(stream);
    return stream.Data();
}

QString DataFile(const char* name)
{
    return QStringLiteral(TAVRELO_TEST_DATA "/../../data/") + name;
}

class TemplateFiles : public VirtualPrinterTest,
                      public ::testing::WithParamInterface<std::pair<const char*, const Design*>> {};
}  // namespace

TEST_P(TemplateFiles, AreWhatTheEngineWritesForTheirDesign)
{
    const auto& [name, design] = GetParam();
    const QByteArray written = FormData(*design);
    QFile file(DataFile(name));
    if (qEnvironmentVariableIsSet("TAVRELO_WRITE_TEMPLATES")) {
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(written);
        return;
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    EXPECT_EQ(file.readAll(), written);
}

INSTANTIATE_TEST_SUITE_P(Templates, TemplateFiles,
                         ::testing::Values(std::make_pair("fr_report2.reportform", &kReport2),
                                           std::make_pair("fr_report3.reportform", &kReport3)),
                         [](const auto& info) { return std::string(info.index == 0 ? "frReport2" : "frReport3"); });
