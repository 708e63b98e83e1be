#include "report/fr_emf_pages.h"
#include "report/fr_memo_view.h"
#include "report/fr_pages.h"
#include "report/fr_picture_view.h"
#include "report/fr_report.h"
#include "report/fr_utils.h"
#include "golden.h"
#include "template_test_support.h"

#include "base/exceptions.h"
#include "base/printer.h"
#include "report/fr_globals.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {
// A prepared page of the given paper holding memos with the given texts, as a build would print them.
void AddPage(TfrReport& report, uint8_t orientation, const QStringList& texts)
{
    TfrPage page(frA4Paper, 0, 0, orientation);
    report.EMFPages.Add(page);
    TfrEMFPage& record = report.EMFPages.Pages(report.EMFPages.Count() - 1);
    int y = 20;
    for (const QString& text : texts) {
        TfrMemoView memo;
        memo.RecordForm = 1;
        memo.SetBounds(40, y, 300, 18);
        memo.OutLines.Add(text);
        memo.FillColor = 0x0000FF;
        record.Stream->WriteByte(memo.ObjectType);
        memo.SaveToStream(*record.Stream);
        y += 20;
    }
}

QByteArray SaveFile(TfrReport& report)
{
    TMemoryStream s;
    report.EMFPages.SaveToStream(s);
    return s.Data();
}

// Loads a file and answers the error text, empty when it loaded.
QString LoadFile(TfrReport& report, const QByteArray& bytes)
{
    TMemoryStream s(bytes);
    try {
        report.EMFPages.LoadFromStream(s);
    } catch (const EStreamError& e) {
        return e.Message();
    }
    return QString();
}

class PreparedPages : public VirtualPrinterTest {};
}  // namespace

TEST_F(PreparedPages, ThreePagesHaveTheStoredLayoutAndReadBack)
{
    TfrReport report;
    AddPage(report, frPortrait, {"Birinci"});
    AddPage(report, frLandscape, {"İkinci", "sayfa"});
    AddPage(report, frPortrait, {});
    const QByteArray file = SaveFile(report);
    // flag, printer name, page count; each page: the next page's position, five paper fields, its stream
    ExpectGoldenBytes("views/prepared_pages.hex", file);
    TfrReport copy;
    copy.FromTemplate = true;
    ASSERT_EQ(LoadFile(copy, file), QString());
    ASSERT_EQ(copy.EMFPages.Count(), 3);
    EXPECT_EQ(copy.EMFPages.Pages(1).PageInfo.PageWidth, 1064);
    EXPECT_EQ(SaveFile(copy), file);
    copy.EMFPages.ObjectsToPage(1);
    const auto& objects = copy.EMFPages.Pages(1).Page->Objects;
    ASSERT_EQ(objects.size(), 2u);
    EXPECT_EQ(objects[1]->Memo.ToQStringList(), QStringList({"sayfa"}));
    EXPECT_EQ(objects[1]->y, 40);
}

TEST_F(PreparedPages, AFileWithoutPagesCutOrDamagedIsRefusedAndThePagesStay)
{
    TfrReport source;
    AddPage(source, frPortrait, {"Birinci"});
    AddPage(source, frPortrait, {"İkinci"});
    AddPage(source, frLandscape, {"Üçüncü"});
    const QByteArray file = SaveFile(source);
    TfrReport report;
    AddPage(report, frPortrait, {"Önceki rapor"});
    const QByteArray before = SaveFile(report);
    auto expectRefused = [&](const QByteArray& bytes, const QString& text, const std::string& what) {
        EXPECT_EQ(LoadFile(report, bytes), text) << what;
        EXPECT_EQ(SaveFile(report), before) << what;
    };
    expectRefused(Bytes().u8({0}).str("").i32(0).data(), frNoPagesText(), "no pages");
    for (int n = 0; n < file.size(); ++n)
        expectRefused(file.left(n), frDamagedFileText(), "cut at " + std::to_string(n));
    QByteArray backwards = file;
    backwards.replace(8, 4, Bytes().i32(4).data());
    expectRefused(backwards, frDamagedFileText(), "next page before the page");
    QByteArray beyond = file;
    beyond.replace(8, 4, Bytes().i32(static_cast<int32_t>(file.size()) + 1).data());
    expectRefused(beyond, frDamagedFileText(), "next page beyond the file");
    QByteArray huge = file;
    huge.replace(4, 4, Bytes().i32(0x7FFFFFFF).data());
    expectRefused(huge, frDamagedFileText(), "page count beyond the file");
    QByteArray badView = file;
    badView[8 + 16 + 1] = 7;  // the first view's type byte
    expectRefused(badView, frDamagedFileText(), "unknown view type");
}

TEST_F(PreparedPages, DamagedBytesNeverCrashOrHang)
{
    TfrReport source;
    AddPage(source, frPortrait, {"Birinci", "satır"});
    AddPage(source, frLandscape, {"İkinci"});
    const QByteArray file = SaveFile(source);
    for (int i = 0; i < file.size(); ++i) {
        for (char garbage : {'\x00', '\xFF', '\x80'}) {
            QByteArray damaged = file;
            damaged[i] = garbage;
            TfrReport report;
            if (!LoadFile(report, damaged).isEmpty()) {
                EXPECT_EQ(report.EMFPages.Count(), 0) << i;
            }
        }
    }
}

TEST_F(PreparedPages, ACompressedFileGivesEmptyPages)
{
    TfrReport source;
    AddPage(source, frPortrait, {"Birinci"});
    QByteArray file = SaveFile(source);
    file[0] = 1;
    TfrReport report;
    ASSERT_EQ(LoadFile(report, file), QString());
    ASSERT_EQ(report.EMFPages.Count(), 1);
    EXPECT_EQ(report.EMFPages.Pages(0).Stream->Size(), 0);
    report.EMFPages.ObjectsToPage(0);
    EXPECT_TRUE(report.EMFPages.Pages(0).Page->Objects.empty());
}

TEST_F(PreparedPages, AnOldFormFileOpensWithOnePicturePerPage)
{
    const QByteArray metafile("\xD7\xCD\xC6\x9A\x00\x00", 6);  // a drawing form this program cannot show
    Bytes b;
    b.text("Microsoft XPS Document Writer").u8({0}).i32(2);
    const int first = b.size();
    b.i32(first + 16 + metafile.size()).u16(9).i32(2100).i32(2970).u8({0, 1}).bytes(metafile);
    const int second = b.size();
    b.i32(second + 16 + metafile.size()).u16(9).i32(2970).i32(2100).u8({1, 1}).bytes(metafile);
    TfrReport report;
    ASSERT_EQ(LoadFile(report, b.data()), QString());
    ASSERT_EQ(report.EMFPages.Count(), 2);
    for (int i = 0; i < 2; ++i) {
        report.EMFPages.ObjectsToPage(i);
        const TfrEMFPage& page = report.EMFPages.Pages(i);
        ASSERT_EQ(page.Page->Objects.size(), 1u) << i;
        const TfrView& picture = *page.Page->Objects[0];
        EXPECT_EQ(picture.ObjectType, gtPicture);
        EXPECT_EQ(picture.dx, page.PageInfo.PageWidth);
        EXPECT_EQ(picture.dy, page.PageInfo.PageHeight);
    }
    EXPECT_EQ(report.EMFPages.Pages(1).PageInfo.PageWidth, 1064);
}

TEST_F(PreparedPages, APageNotVisibleFreesItsViewsAndDrawsNothing)
{
    TfrReport report;
    AddPage(report, frPortrait, {"Birinci"});
    frEngineMode = 1;
    QImage image(376, 536, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QImage blank = image;
    {
        TCanvas canvas(&image);
        TfrEMFPage& page = report.EMFPages.Pages(0);
        page.Visible = 1;
        report.EMFPages.Draw(0, canvas, {0, 0, 376, 536});
        EXPECT_NE(page.Page, nullptr);
        page.Visible = 0;
        report.EMFPages.Draw(0, canvas, {0, 0, 0, 0});
        EXPECT_EQ(page.Page, nullptr);
    }
    EXPECT_NE(image, blank);  // the visible page drew its memo
    QImage untouched = blank;
    {
        TCanvas canvas(&untouched);
        report.EMFPages.Draw(0, canvas, {0, 0, 376, 536});
    }
    EXPECT_EQ(untouched, blank);
}

TEST_F(PreparedPages, OnlyThePrinterDrawsViewsOutsideTheCanvas)
{
    TfrReport report;
    AddPage(report, frPortrait, {"Üst"});  // y 20
    TfrEMFPage& page = report.EMFPages.Pages(0);
    TfrMemoView low;
    low.RecordForm = 1;
    low.SetBounds(40, 600, 300, 18);
    page.Stream->WriteByte(low.ObjectType);
    low.SaveToStream(*page.Stream);
    page.Visible = 1;
    frEngineMode = 1;
    // A drawn view takes the rectangle's corner as its origin; a skipped one keeps 0.
    auto origins = [&page] {
        return std::vector<int>{page.Page->Objects[0]->OriginY, page.Page->Objects[1]->OriginY};
    };
    // Half scale (536 / 1071): the upper memo's slack rectangle starts at 10 + 7 - 10, the lower at
    // 300 + 7 - 10, below the 100 pixels of the image.
    QImage image(376, 100, QImage::Format_RGB32);
    {
        TCanvas canvas(&image);
        report.EMFPages.Draw(0, canvas, {0, 7, 376, 543});
    }
    EXPECT_EQ(origins(), (std::vector<int>{7, 0}));
    // The printer draws every view, even with the whole page above its sheet.
    Printer().SetOutputFileName(Path("sayfa.pdf"));
    ASSERT_TRUE(Printer().BeginDoc());
    {
        TCanvas canvas(Printer().Canvas());
        report.EMFPages.Draw(0, canvas, {0, -20000, 376, -19464});
    }
    Printer().EndDoc();
    Printer().SetOutputFileName(QString());
    EXPECT_EQ(origins(), (std::vector<int>{-20000, -20000}));
}

TEST_F(PreparedPages, SavedReportsReadBackThroughTheirFile)
{
    TfrReport report;
    AddPage(report, frPortrait, {"Birinci"});
    AddPage(report, frLandscape, {"İkinci"});
    report.SavePreparedReport(Path("rapor.frp"));
    TfrReport copy;
    copy.FromTemplate = true;
    copy.LoadPreparedReport(Path("rapor.frp"));
    EXPECT_FALSE(copy.FromTemplate);
    EXPECT_EQ(SaveFile(copy), SaveFile(report));
    EXPECT_THROW(copy.LoadPreparedReport(Path("yok.frp")), Exception);
    EXPECT_EQ(copy.EMFPages.Count(), 2);
}

namespace {
// A file of one A4 page whose stream has the given version: a memo and a rich view as that version's
// writer put them, the font name and the rich view's class name in the string form of the version.
QByteArray FileOfVersion(int version, int charset)
{
    auto string = [version](Bytes& b, const char* s) -> Bytes& { return version < 23 ? b.oldStr(s) : b.str(s); };
    auto viewRecord = [](Bytes& b, int y) -> Bytes& {
        return b.i32(40).i32(y).i32(300).i32(18).u16(3).u16(0).i32(1).i32(0).u16(0).i32(0x1FFFFFFF);
    };
    Bytes stream;
    stream.u8({version, gtMemo});
    viewRecord(stream, 20).u16(1).u16(4).text("abcd").u8({0});
    string(stream, "Arial").i32(10).u16(2).i32(0).i32(1).u16(charset);
    string(stream.u8({gtAddIn}), "TfrRichView");
    viewRecord(stream, 50).u16(0).u8({0, 0});
    stream.u8({0}).i32(stream.size() + 4);
    Bytes file;
    file.u8({0}).str("").i32(1);
    file.i32(file.size() + 16 + stream.size()).u16(frA4Paper).i32(2100).i32(2970).u8({0, 1}).bytes(stream.data());
    return file.data();
}
}  // namespace

TEST_F(PreparedPages, PageStreamsBeforeVersion23ReadTheirOldFontNameAndNoCharacterSet)
{
    struct Case {
        int version;
        int charset;
    };
    for (const Case c : {Case{21, frDefaultCharset}, Case{22, frDefaultCharset}, Case{23, 162}}) {
        TfrReport report;
        ASSERT_EQ(LoadFile(report, FileOfVersion(c.version, 162)), QString()) << c.version;
        report.EMFPages.ObjectsToPage(0);
        const auto& objects = report.EMFPages.Pages(0).Page->Objects;
        ASSERT_EQ(objects.size(), 2u) << c.version;
        const auto& memo = dynamic_cast<const TfrMemoView&>(*objects[0]);
        EXPECT_EQ(memo.Memo.ToQStringList(), QStringList({"abcd"})) << c.version;
        EXPECT_EQ(memo.Font.Name, "Arial") << c.version;
        EXPECT_EQ(memo.Font.Size, 10) << c.version;
        EXPECT_EQ(memo.Alignment, 1) << c.version;
        EXPECT_EQ(memo.Font.Charset, c.charset) << c.version;
        EXPECT_EQ(objects[1]->ClassName(), "TfrRichView") << c.version;
        EXPECT_EQ(objects[1]->y, 50) << c.version;
    }
}

TEST_F(PreparedPages, WritingAFileSetsTheCurrentVersion)
{
    TfrReport report;
    ASSERT_EQ(LoadFile(report, FileOfVersion(22, 0)), QString());
    ASSERT_EQ(frTemplateVersion, 22);
    SaveFile(report);
    EXPECT_EQ(frTemplateVersion, 23);
}
