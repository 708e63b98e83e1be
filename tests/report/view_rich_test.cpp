#include "base/rich_edit.h"
#include "base/stream.h"
#include "base/text_run_recorder.h"
#include "report/fr_globals.h"
#include "report/fr_rich.h"
#include "report/fr_utils.h"

#include "view_test_support.h"

#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Lines as a calculator writes them, some long enough to wrap.
QStringList ReportLines(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i) {
        QString line = QStringLiteral("%1 Gecikme faizi dönemi %2").arg(i, 5).arg(i % 12 + 1);
        if (i % 7 == 3)
            line += QString(" uzun açıklama").repeated(8);
        if (i % 11 == 5)
            line.clear();
        lines << line;
    }
    return lines;
}

class RichViewTest : public PrintingModeTest {
protected:
    static std::unique_ptr<TfrRichView> MakeView(const QStringList& lines, int width)
    {
        auto v = std::make_unique<TfrRichView>();
        v->RecordForm = 1;
        v->SetBounds(0, 0, width, 100);
        v->RichEdit->SetFontSpec("Courier New", -11);
        v->RichEdit->SetLines(lines);
        return v;
    }

    // The text of one prepared-page record of a rich view.
    static QString ReadPart(TMemoryStream& page)
    {
        page.SetPosition(0);
        EXPECT_EQ(page.ReadByte(), gtAddIn);
        EXPECT_EQ(frReadString(page), "TfrRichView");
        TfrRichView back;
        back.RecordForm = 1;
        back.LoadFromStream(page);
        EXPECT_EQ(page.Position(), page.Size());
        return back.RichEdit->document()->toPlainText();
    }

    // Width of a text in a font of `pixels` on the 96-dpi measuring canvas.
    static int ScreenWidth(const QString& face, int pixels, const QString& text)
    {
        TCanvas& c = frMeasureCanvas();
        TFont font;
        font.Name = face;
        c.SetFont(font, -pixels);
        return c.TextWidth(text);
    }
};

TEST_F(RichViewTest, SplitPartsLoseAndRepeatNoCharacter)
{
    for (int pageHeight : {60, 250, 1000}) {
        SCOPED_TRACE(pageHeight);
        auto view = MakeView(ReportLines(120), 420);
        const QString whole = view->RichEdit->document()->toPlainText();
        int full = view->ContentHeight();
        EXPECT_GT(full, pageHeight);
        QString joined;
        int parts = 0;
        const int length = TRichPageFormatter::TextLength(*view->RichEdit->document());
        while (view->PartStart < length) {
            ASSERT_LT(++parts, 500) << "the split makes no progress";
            view->PartMode = 3;
            view->dy = pageHeight;
            TMemoryStream page;
            view->Print(page);
            QString part = ReadPart(page);
            EXPECT_FALSE(part.isEmpty());
            joined += part;
        }
        EXPECT_EQ(joined, whole);
        EXPECT_GT(parts, full / pageHeight - 1);
    }
}

TEST_F(RichViewTest, EachPartFitsItsPage)
{
    auto view = MakeView(ReportLines(60), 300);
    view->ContentHeight();
    const int pageHeight = 120;
    const int length = TRichPageFormatter::TextLength(*view->RichEdit->document());
    while (view->PartStart < length) {
        int unprinted = view->UnprintedHeight();
        view->PartMode = 3;
        view->dy = pageHeight;
        TMemoryStream page;
        view->Print(page);
        // the part lays out within the page it was cut for
        auto part = MakeView({}, 300);
        page.SetPosition(0);
        page.ReadByte();
        frReadString(page);
        part->LoadFromStream(page);
        part->RecordForm = 0;
        EXPECT_LE(part->ContentHeight(), pageHeight);
        // what stays after this part needs less room than before it
        if (view->PartStart < length) {
            EXPECT_LT(view->UnprintedHeight(), unprinted);
        }
    }
}

TEST_F(RichViewTest, ContentHeightIsTheLeastHeightThatHoldsTheText)
{
    auto view = MakeView(ReportLines(40), 350);
    int h = view->ContentHeight();
    const QTextDocument& doc = *view->RichEdit->document();
    const QPaintDevice* screen = frMeasureCanvas().Device();
    const int length = TRichPageFormatter::TextLength(doc);
    EXPECT_EQ(TRichPageFormatter::FitEndUncached(doc, 0, 350, h, screen), length);
    EXPECT_LT(TRichPageFormatter::FitEndUncached(doc, 0, 350, h - 1, screen), length);
}

TEST_F(RichViewTest, EmptyTextHasNoDataAndHeightEight)
{
    TfrRichView view;
    view.SetBounds(0, 0, 200, 50);
    EXPECT_EQ(view.ContentHeight(), 8);
    view.RecordForm = 0;
    TMemoryStream out;
    view.SaveToStream(out);
    // has-text 0 and an end position equal to the stream's end
    QByteArray tail = out.Data().right(5);
    EXPECT_EQ(tail[0], 0);
    EXPECT_EQ(tail.mid(1), QByteArray::fromHex("") + QByteArray(1, char(out.Size() & 0xFF)) +
                               QByteArray(1, char((out.Size() >> 8) & 0xFF)) + QByteArray(2, '\0'));
}

TEST_F(RichViewTest, OneShortLineCountsAsFittingBelowItsHeight)
{
    // nothing fitting at the start counts as fitting, so the search ends under one line
    auto view = MakeView({"tek"}, 300);
    EXPECT_EQ(view->ContentHeight(), 8);
    EXPECT_EQ(view->MinHeight(), 8);
}

TEST_F(RichViewTest, CachedFittingAnswersAsAFreshLayout)
{
    auto view = MakeView(ReportLines(80), 260);
    const QTextDocument& doc = *view->RichEdit->document();
    const QPaintDevice* screen = frMeasureCanvas().Device();
    TRichPageFormatter formatter;
    const int length = TRichPageFormatter::TextLength(doc);
    for (int start : {0, 1, 17, 300, 301, length / 2, length - 3, length}) {
        for (double height : {0.0, 5.0, 13.0, 14.0, 100.0, 333.0, 5000.0}) {
            EXPECT_EQ(formatter.FitEnd(doc, start, 260, height, screen),
                      TRichPageFormatter::FitEndUncached(doc, start, 260, height, screen))
                << start << " " << height;
        }
    }
    EXPECT_EQ(formatter.LayoutCount(), 1) << "one layout served every question";
    view->RichEdit->AddLine("bir satır daha");
    formatter.FitEnd(doc, 0, 260, 100, screen);
    EXPECT_EQ(formatter.LayoutCount(), 2) << "a change of the text lays it out again";
}

TEST_F(RichViewTest, DrawShowsTheTextOnScreenAndRecorders)
{
    auto view = MakeView({"Birinci satır", "İkinci satır"}, 300);
    view->SetBounds(20, 30, 300, 100);
    TTextRunRecorder rec(800, 600);
    {
        TCanvas canvas(&rec);
        view->ScaleX = view->ScaleY = 2;
        view->Draw(canvas);
    }
    ASSERT_EQ(rec.Runs().size(), 2u);
    EXPECT_EQ(rec.Runs()[0].Text, "Birinci satır");
    EXPECT_EQ(rec.Runs()[1].Text, "İkinci satır");
    // laid out for the design size, stretched twice into the zoomed rectangle
    EXPECT_EQ(rec.Runs()[0].Bounds.left(), 40);
    EXPECT_NEAR(rec.Runs()[0].Bounds.top(), 60, 1);
    EXPECT_GT(rec.Runs()[1].Bounds.top(), rec.Runs()[0].Bounds.bottom() - 2);

    QImage image(700, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        TCanvas canvas(&image);
        view->Draw(canvas);
    }
    int dark = 0;
    for (int y = 60; y < 120; ++y)
        for (int x = 40; x < 300; ++x)
            dark += qGray(image.pixel(x, y)) < 128;
    EXPECT_GT(dark, 100) << "the text is painted";
}

TEST_F(RichViewTest, CopyKeepsTheFormatting)
{
    TfrRichView a, b;
    a.RichEdit->SetFontSpec("Times New Roman Tur", -16, 2);
    a.RichEdit->SetLines({"kalın yazı"});
    b.Assign(a);
    EXPECT_EQ(b.RichEdit->Lines(), QStringList{"kalın yazı"});
    QTextCursor c(b.RichEdit->document());
    c.setPosition(2);
    EXPECT_TRUE(c.charFormat().font().bold());
}

TEST_F(RichViewTest, LinesSetInPiecesAreTheTextCopiedWhole)
{
    // what a report printed from the view's own lines, copied as the stream form gives them
    auto paragraphs = [](const QTextDocument& doc) {
        QStringList out;
        for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
            QString line = block.text() + "|" + QString::number(block.blockFormat().alignment()) + "|" +
                           block.charFormat().font().toString() + "|" + QString::number(block.blockFormat().properties().size());
            for (auto it = block.begin(); !it.atEnd(); ++it)
                line += "|" + it.fragment().text() + "|" + it.fragment().charFormat().font().toString() + "|" +
                        QString::number(it.fragment().charFormat().properties().size());
            out << line;
        }
        return out;
    };
    for (int count : {0, 1, 4096, 4097, 9000}) {
        SCOPED_TRACE(count);
        QStringList lines = ReportLines(count);
        for (int i = 0; i < count; i += 13)
            lines[i] += "\tğüşİ€\u2028{}";
        TfrRichView whole, pieces;
        whole.RichEdit->SetFontSpec("Courier New", -11, 2);
        whole.RichEdit->SetLines(lines);
        TfrRichView copy;
        copy.Assign(whole);
        int next = 0;
        pieces.SetLines("Courier New", -11, 2, count, [&] { return lines[next++]; });
        EXPECT_EQ(next, count);
        const QStringList got = paragraphs(*pieces.RichEdit->document());
        const QStringList want = paragraphs(*copy.RichEdit->document());
        const auto differ = std::mismatch(got.begin(), got.end(), want.begin(), want.end());
        EXPECT_TRUE(differ.first == got.end() && differ.second == want.end())
            << "paragraph " << differ.first - got.begin() << " of " << got.size() << " / " << want.size();
        EXPECT_EQ(pieces.RichEdit->FontHeight(), -11);
        TfrRichView shared;
        shared.Assign(pieces);
        EXPECT_EQ(shared.RichEdit.data(), pieces.RichEdit.data()) << "shared as it is";
    }
}

TEST_F(RichViewTest, OnAPrinterTheTextIsLaidOutAtTheDevicesResolution)
{
    TfrRichView view;
    view.SetBounds(20, 30, 300, 100);
    view.RichEdit->SetFontSpec("Courier New", -16);
    view.RichEdit->SetLines({"Birinci satır"});
    // a 192-dpi device: twice the screen's pixels
    TTextRunRecorder rec(1600, 1200, 192);
    {
        TCanvas canvas(&rec);
        view.ToPrinter = true;
        view.ScaleX = view.ScaleY = 2;
        view.Draw(canvas);
    }
    ASSERT_EQ(rec.Runs().size(), 1u);
    EXPECT_EQ(rec.Runs()[0].Text, "Birinci satır");
    EXPECT_EQ(rec.Runs()[0].Bounds.left(), 40);
    EXPECT_NEAR(rec.Runs()[0].Bounds.top(), 60, 1);
    // the 12-point text is twice as wide as on the screen
    EXPECT_NEAR(rec.Runs()[0].Bounds.width(), 2 * ScreenWidth("Courier New", 16, "Birinci satır"), 2);
}

}  // namespace
