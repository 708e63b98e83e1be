#include "base/exceptions.h"
#include "base/stream.h"
#include "report/fr_band_view.h"
#include "report/fr_globals.h"
#include "report/fr_line_view.h"
#include "report/fr_memo_view.h"
#include "report/fr_obj_editor_form.h"
#include "report/fr_picture_view.h"
#include "report/fr_rich.h"
#include "report/fr_subreport_view.h"
#include "report/fr_utils.h"

#include "base/rich_edit.h"
#include "golden.h"
#include "template_test_support.h"

#include <QPainter>

#include <algorithm>

#include <gtest/gtest.h>

namespace {

QByteArray Saved(TfrView& view)
{
    TMemoryStream out;
    view.SaveToStream(out);
    return out.Data();
}

// Stored layouts are compared whole with tests/data/views/*.hex.
class ViewRecordTest : public ::testing::Test {
protected:
    void SetUp() override { frTemplateVersion = 23; }
    void TearDown() override { frTemplateVersion = 23; }
    // Writes `view` and reads it back into a fresh object of its class.
    std::unique_ptr<TfrView> RoundTrip(TfrView& view, QByteArray* written = nullptr)
    {
        TMemoryStream out;
        view.SaveToStream(out);
        if (written)
            *written = out.Data();
        auto copy = frCreateObject(view.ObjectType, view.ClassName());
        copy->RecordForm = view.RecordForm;
        TMemoryStream in(out.Data());
        copy->LoadFromStream(in);
        EXPECT_EQ(in.Position(), in.Size()) << "the reader stops where the writer stopped";
        TMemoryStream again;
        if (copy->RecordForm == 1)
            copy->OutLines.Assign(copy->Memo);  // a prepared record's lines are read as the memo
        copy->SaveToStream(again);
        EXPECT_EQ(again.Data(), out.Data()) << "bytes differ after a round trip";
        return copy;
    }
    static void FillCommon(TfrView& v)
    {
        v.Name = v.NamePrefix + "7";
        v.SetBounds(10, -20, 300, 45);
        v.Flags = 0x8003;
        v.FrameTyp = 9;
        v.FrameWidth = 1.5f;
        v.FrameColor = 0x123456;
        v.FrameStyle = 3;
        v.FillColor = 0xFFFFFF;
        v.Format = 0x01040200 | ',';
        v.FormatStr = "#,##0.00";
        v.Memo.SetText("satır bir\r\n[DATE]\r\n");
        v.Script.SetText("a := 1");
        v.Visible = 0;
    }
};

TEST_F(ViewRecordTest, PlainRecordHasTheStoredLayout)
{
    TfrLineView line;
    line.Name = "Line1";
    line.SetBounds(10, 20, 30, 0);
    line.FrameWidth = 0.5f;
    line.FillColor = frNoFillColor;
    line.Format = 0x22C;
    QByteArray bytes;
    RoundTrip(line, &bytes);
    // name, x..dy, flags, edges, width in thousandths, colour, style, fill, format, then the format
    // string, memo and script, and the visibility word
    ExpectGoldenBytes("views/line_record.hex", bytes);
}

TEST_F(ViewRecordTest, EveryClassRoundTripsInBothForms)
{
    for (uint8_t form : {0, 1}) {
        SCOPED_TRACE(form);
        TfrMemoView memo;
        FillCommon(memo);
        memo.RecordForm = form;
        memo.OutLines.SetText("çıktı\r\n");
        memo.Font.Name = "Courier New";
        memo.Font.Size = 12;
        memo.Font.Style = 7;
        memo.Font.Color = 0xFF;
        memo.Font.Charset = 162;
        memo.Alignment = frtaCenter | frtaDown;
        memo.Highlight = {4, 0xFF0000, 0xC0C0C0};
        memo.HighlightCondition = "[VALUE] > 0";
        auto m = RoundTrip(memo);
        auto* mc = static_cast<TfrMemoView*>(m.get());
        EXPECT_EQ(mc->Font, memo.Font);
        EXPECT_EQ(mc->Alignment, memo.Alignment);
        if (form == 0) {
            EXPECT_EQ(mc->Name, "Memo7");
            EXPECT_EQ(mc->HighlightCondition, "[VALUE] > 0");
            EXPECT_EQ(mc->Highlight.FontColor, 0xFF0000);
            EXPECT_EQ(mc->Memo.ToQStringList(), memo.Memo.ToQStringList());
            EXPECT_EQ(mc->Script.ToQStringList(), QStringList{"a := 1"});
            EXPECT_EQ(mc->Visible, 0);
            EXPECT_EQ(mc->FormatStr, "#,##0.00");
        } else {
            // the prepared page keeps the evaluated lines, read back as the memo
            EXPECT_EQ(mc->Memo.ToQStringList(), QStringList{"çıktı"});
            EXPECT_EQ(mc->Name, "");
        }
        EXPECT_EQ(mc->x, 10);
        EXPECT_EQ(mc->y, -20);
        EXPECT_FLOAT_EQ(mc->FrameWidth, 1.5f);
        EXPECT_EQ(mc->FrameStyle, 3);
        TfrSubReportView sub;
        FillCommon(sub);
        sub.RecordForm = form;
        sub.PageIndex = 3;
        EXPECT_EQ(static_cast<TfrSubReportView*>(RoundTrip(sub).get())->PageIndex, 3);
        TfrBandView band;
        FillCommon(band);
        band.RecordForm = form;
        band.FrameTyp = btGroupHeader;
        band.FormatStr = "[Tablo.\"Ay\"]";
        auto b = RoundTrip(band);
        EXPECT_EQ(static_cast<TfrBandView*>(b.get())->BandType(), btGroupHeader);
        if (form == 0) {
            EXPECT_EQ(b->FormatStr, "[Tablo.\"Ay\"]");
        }
        TfrLineView line;
        FillCommon(line);
        line.RecordForm = form;
        RoundTrip(line);
        TfrPictureView pic;
        FillCommon(pic);
        pic.RecordForm = form;
        QImage img(3, 2, QImage::Format_RGB32);
        img.fill(qRgb(10, 200, 30));
        pic.Picture.SetBitmap(img);
        auto p = RoundTrip(pic);
        const TPicture& back = static_cast<TfrPictureView*>(p.get())->Picture;
        EXPECT_EQ(back.GraphicKind(), TPicture::Bitmap);
        EXPECT_EQ(back.Image().pixel(2, 1), qRgb(10, 200, 30));
        TfrRichView rich;
        FillCommon(rich);
        rich.RecordForm = 0;  // the prepared form writes the shared edit's text, tested with the splitting
        rich.RichEdit->SetFontSpec("Courier New", -11, 2);
        rich.RichEdit->SetLines({"Birinci satır", "İkinci satır"});
        auto r = RoundTrip(rich);
        EXPECT_EQ(static_cast<TfrRichView*>(r.get())->RichEdit->Lines(), QStringList({"Birinci satır", "İkinci satır"}));
    }
}

TEST_F(ViewRecordTest, FrameWidthIsStoredWholeOrInThousandths)
{
    struct Case {
        float width;
        int stored;
        float readBack;
    } cases[] = {{0.5f, 500, 0.5f}, {2.0f, 2, 2.0f}, {1.0f, 1, 1.0f}, {10.0f, 10, 10.0f}, {11.0f, 11, 0.011f},
                 {1.25f, 1250, 1.25f}};
    for (const Case& c : cases) {
        TfrLineView line;
        line.FrameWidth = c.width;
        QByteArray bytes;
        auto back = RoundTrip(line, &bytes);
        // name (3 bytes for ""), x..dy, flags, edges, then the width
        EXPECT_EQ(Int32At(bytes, 3 + 16 + 4), c.stored) << c.width;
        EXPECT_FLOAT_EQ(back->FrameWidth, c.readBack) << c.width;
    }
}

TEST_F(ViewRecordTest, OlderTemplateVersionsReadTheirForms)
{
    // A version-22 memo: no name, old terminated strings, no script and visibility.
    const QByteArray rec = Bytes()
                               .i32(1).i32(2).i32(100).i32(20).u16(3).u16(0).i32(1).i32(0).u16(0).i32(frNoFillColor)
                               .i32(0x22C).oldStr("N0").oldStr("ab\rc")
                               .oldStr("Arial").i32(10).u16(2).i32(0).i32(1).u16(162)
                               .u16(2).i32(0).i32(0xFFFFFF).u8({0})
                               .data();
    for (int version : {21, 22}) {
        SCOPED_TRACE(version);
        frTemplateVersion = static_cast<uint8_t>(version);
        TfrMemoView memo;
        memo.Visible = 7;
        TMemoryStream in(rec);
        memo.LoadFromStream(in);
        EXPECT_EQ(in.Position(), in.Size());
        // the name, the lines and the empty script are pinned with the old templates
        EXPECT_EQ(memo.Visible, 7) << "older records leave the visibility alone";
        EXPECT_EQ(memo.FormatStr, "N0");
        EXPECT_EQ(memo.Font.Style, 2);
        EXPECT_EQ(memo.Font.Charset, frDefaultCharset) << "the stored character set counts from version 23";
        EXPECT_EQ(memo.Flags, 3);
    }
}  // version 21 adding word wrap is pinned with the old templates

TEST_F(ViewRecordTest, GeneratedNamesTakeTheFirstFreeNumber)
{
    static TfrLineView taken;
    static bool allTaken = false;
    auto* old = frFindReportObject;
    frFindReportObject = [](const QString& name) -> TfrView* {
        return allTaken || name == "Memo1" || name == "Memo2" ? &taken : nullptr;
    };
    TfrMemoView memo;
    memo.MakeUniqueName();
    EXPECT_EQ(memo.Name, "Memo3");
    allTaken = true;
    memo.MakeUniqueName();
    EXPECT_EQ(memo.Name, "") << "all 10000 names taken";
    allTaken = false;
    frFindReportObject = old;
}

TEST_F(ViewRecordTest, FactoryMakesEachClassAndNumbersThem)
{
    struct Case {
        uint8_t type;
        const char* className;
        const char* expected;
    } cases[] = {{0, "", "TfrMemoView"},      {1, "", "TfrPictureView"}, {2, "", "TfrBandView"},
                 {3, "", "TfrSubReportView"}, {4, "", "TfrLineView"},    {10, "TfrRichView", "TfrRichView"}};
    for (const Case& c : cases) {
        auto v = frCreateObject(c.type, c.className);
        ASSERT_NE(v, nullptr) << int(c.type);
        EXPECT_EQ(v->ClassName(), c.expected);
        EXPECT_EQ(v->ObjectType, c.type);
    }
    for (uint8_t unknown : {5, 7, 9, 11, 200})
        EXPECT_EQ(frCreateObject(unknown, "TfrRichView"), nullptr) << int(unknown);
    auto a = frCreateObject(0, "");
    auto b = frCreateObject(4, "");
    EXPECT_EQ(b->ID, a->ID + 1);
    EXPECT_EQ(a->NamePrefix, "Memo");
    EXPECT_EQ(frCreateObject(10, "TfrRichView")->NamePrefix, "Rich");
    // defaults the stored bytes of the memo and line tests do not pin
    EXPECT_EQ((QList<int>{TfrBandView().Flags, TfrBandView().Format, TfrPictureView().Flags}), (QList<int>{48, 0, 5}));
    try {
        frCreateObject(10, "tfrrichview");
        FAIL() << "a class name differing in case is unknown";
    } catch (const EClassNotFound& e) {
        EXPECT_EQ(e.Message(), "Bulunamadıtfrrichview");
    }
}

TEST_F(ViewRecordTest, TheRichViewIsRegisteredWithAnObjectEditorWindow)
{
    frCreateObject(10, "TfrRichView");  // registered by then
    const auto* entry = std::find_if(frAddIns, frAddIns + frViewClassCount,
                                     [](const TfrAddInObjectInfo& e) { return e.ClassName == "TfrRichView"; });
    ASSERT_NE(entry, frAddIns + frViewClassCount);
    EXPECT_NE(qobject_cast<TfrObjEditorForm*>(entry->EditWindow), nullptr);
    EXPECT_EQ(entry->EditWindow, frRichForm());
}

TEST_F(ViewRecordTest, PictureRecordKeepsItsEndPosition)
{
    TfrPictureView pic;
    QByteArray bytes;
    RoundTrip(pic, &bytes);
    // kind 0: the end position is the position right after the field itself
    int kindAt = static_cast<int>(bytes.size()) - 5;
    EXPECT_EQ(bytes[kindAt], 0);
    EXPECT_EQ(Int32At(bytes, kindAt + 1), bytes.size());
    // a kind this reader does not know: empty picture, and the reader goes on after the stored data
    QByteArray unknown = Bytes().bytes(bytes.left(kindAt)).u8({5}).i32(kindAt + 5 + 3).u8({1, 2, 3, 0x42}).data();
    TfrPictureView back;
    back.Picture.SetBitmap(QImage(2, 2, QImage::Format_RGB32));
    TMemoryStream in(unknown);
    back.LoadFromStream(in);
    EXPECT_TRUE(back.Picture.Empty());
    EXPECT_EQ(in.ReadByte(), 0x42);
    // an enhanced metafile of the original platform cannot be played: read over, the picture stays empty
    QByteArray withEmf = Bytes().bytes(bytes.left(kindAt)).u8({2}).i32(kindAt + 5 + 60)
                             .i32(1).i32(108).bytes(QByteArray(32, '\x11')).text(" EMF").i32(0x10000).i32(60)
                             .bytes(QByteArray(8, '\x22')).u8({0x42}).data();
    TfrPictureView fromEmf;
    TMemoryStream emfIn(withEmf);
    fromEmf.LoadFromStream(emfIn);
    EXPECT_TRUE(fromEmf.Picture.Empty());
    EXPECT_EQ(emfIn.ReadByte(), 0x42);
    // data that is no drawing at all is an error of the graphic's reader
    withEmf[kindAt + 5 + 41] = 'X';
    TMemoryStream badIn(withEmf);
    EXPECT_THROW(fromEmf.LoadFromStream(badIn), EStreamError);
    // the recorded drawing travels whole
    QPicture drawing;
    {
        QPainter p(&drawing);
        p.drawLine(0, 0, 10, 10);
    }
    pic.Picture.SetMetafile(drawing, QSize(40, 30));
    auto copy = RoundTrip(pic);
    const TPicture& m = static_cast<TfrPictureView*>(copy.get())->Picture;
    EXPECT_EQ(m.GraphicKind(), TPicture::Metafile);
    EXPECT_EQ(m.Width(), 40);
    EXPECT_EQ(m.Height(), 30);
}

TEST_F(ViewRecordTest, InvisibleViewLeavesNoBytes)
{
    TfrLineView line;
    line.RecordForm = 1;
    line.Visible = 0;
    TMemoryStream out;
    line.Print(out);
    EXPECT_EQ(out.Size(), 0);
    line.Visible = 1;
    line.Print(out);
    EXPECT_EQ(static_cast<uint8_t>(out.Data()[0]), gtLine);
    TfrRichView rich;
    rich.RecordForm = 1;
    TMemoryStream richOut;
    rich.Print(richOut);
    // type byte 10, then the class name, then the record
    EXPECT_EQ(static_cast<uint8_t>(richOut.Data()[0]), gtAddIn);
    EXPECT_EQ(richOut.Data().mid(1, 14), Bytes().str("TfrRichView").data());
}

TEST_F(ViewRecordTest, MemoRecordBytesInBothForms)
{
    TfrMemoView memo;
    memo.Name = "Memo2";
    memo.SetBounds(5, 6, 70, 20);
    memo.Memo.SetText("x");
    ExpectGoldenBytes("views/memo_record.hex", Saved(memo));
    memo.RecordForm = 1;
    memo.OutLines.SetText("a\r\nb");
    memo.Font.Charset = 162;
    memo.Alignment = frtaRight | frtaDown;
    ExpectGoldenBytes("views/memo_record_prepared.hex", Saved(memo));
}

TEST_F(ViewRecordTest, SubReportAndEmptyRichRecordsInThePreparedForm)
{
    TfrSubReportView sub;
    sub.RecordForm = 1;
    sub.SetBounds(1, 2, 3, 4);
    sub.PageIndex = 2;
    ExpectGoldenBytes("views/subreport_record_prepared.hex", Saved(sub));
    TfrRichView rich;
    rich.SetBounds(1, 2, 3, 4);
    const QByteArray bytes = Saved(rich);
    ExpectGoldenBytes("views/empty_rich_record.hex", bytes);
    EXPECT_EQ(Int32At(bytes, bytes.size() - 4), bytes.size());  // ends with its own end position
}

}  // namespace
