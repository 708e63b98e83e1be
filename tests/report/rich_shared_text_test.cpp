// A rich body's text shared rather than copied: the copies a report makes of the view, and the pages
// that read their text from memory, must hold what the stored form holds.
#include "base/rich_edit.h"
#include "base/stream.h"
#include "report/fr_emf_pages.h"

#include "build_test_support.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Each paragraph with its alignment, each run with its text and everything that lays it out.
QStringList Formats(const QTextDocument& doc)
{
    QStringList out;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        QString line = QString::number(int(block.blockFormat().alignment())) + ":";
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            const QFont font = f.font().resolve(doc.defaultFont());
            line += QStringLiteral("[%1|%2|%3|%4|%5%6%7|%8]")
                        .arg(it.fragment().text(), font.family())
                        .arg(font.pointSizeF())
                        .arg(font.pixelSize())
                        .arg(font.bold())
                        .arg(font.italic())
                        .arg(font.underline())
                        .arg(f.foreground().color().name());
        }
        out << line;
    }
    return out;
}

class RichSharedText : public ReportBuildTest {
protected:
    // Formats a line of the body with what the stored form writes: font, weight, style, colour, alignment.
    static void Format(TRichEdit& edit, int line, const QTextCharFormat& f, Qt::Alignment a = Qt::AlignLeft)
    {
        QTextCursor c(edit.document()->findBlockByNumber(line));
        c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        c.mergeCharFormat(f);
        QTextBlockFormat b;
        b.setAlignment(a);
        c.mergeBlockFormat(b);
    }
    std::vector<QStringList> PageTexts(TfrReport& from)
    {
        std::vector<QStringList> pages;
        for (int i = 0; i < from.EMFPages.Count(); ++i) {
            from.EMFPages.ObjectsToPage(i);
            for (const auto& v : from.EMFPages.Pages(i).Page->Objects) {
                if (auto* rich = dynamic_cast<TfrRichView*>(v.get()))
                    pages.push_back(Formats(*rich->RichEdit->document()));
                else if (v->ClassName() == "TfrPictureView")
                    pages.push_back({"picture"});
            }
            from.EMFPages.Pages(i).Page.reset();
        }
        return pages;
    }
};

}  // namespace

TEST_F(RichSharedText, PagesReadFromMemoryHoldWhatTheirSavedFileHolds)
{
    TfrRichView& rich = BuildPortraitTemplate();
    AddPicture(40, 994, 20, 20);  // a record after the body's whose data ends at a stream position
    // a size in pixels, which the stored form keeps in half points
    rich.RichEdit->SetFontSpec("DejaVu Sans Mono", -11);
    QStringList lines;
    for (int i = 1; i <= 160; ++i)
        lines << (i % 9 == 0 ? QString() : QStringLiteral("Satır %1 gecikme faizi ğüşiöç İĞÜŞÖÇ").arg(i));
    for (int i = 2; i < lines.size(); i += 2)
        lines[i] = QString("uzun paragraf ").repeated(10);  // wrap; page ends fall inside some
    rich.RichEdit->SetLines(lines);
    QTextCharFormat bold, red, serif;
    bold.setFontWeight(QFont::Bold);
    red.setForeground(Qt::red);
    serif.setFontItalic(true);
    serif.setFontUnderline(true);
    serif.setFontFamilies({"Liberation Serif"});
    Format(*rich.RichEdit, 3, bold);
    Format(*rich.RichEdit, 5, red);
    for (int line = 7; line < lines.size(); line += 3)  // centred, some starting a page or split by one
        Format(*rich.RichEdit, line, serif, Qt::AlignHCenter);
    ASSERT_TRUE(Prepare());
    ASSERT_GE(PageCount(), 3);
    int held = 0;
    for (int i = 0; i < PageCount(); ++i)
        held += static_cast<int>(report->EMFPages.Pages(i).HeldTexts.size());
    EXPECT_EQ(held, PageCount()) << "each page reads its part of the body from memory";
    int insideParagraph = 0;
    for (int i = 1; i < PageCount(); ++i) {
        for (const TfrHeldText& h : report->EMFPages.Pages(i).HeldTexts)
            insideParagraph += h.Text->document()->findBlock(h.From).position() != h.From;
    }
    EXPECT_GT(insideParagraph, 0) << "some page starts inside a paragraph";

    const std::vector<QStringList> inMemory = PageTexts(*report);
    TMemoryStream file;
    report->EMFPages.SaveToStream(file);
    TfrReport copy;
    file.SetPosition(0);
    copy.EMFPages.LoadFromStream(file);
    EXPECT_EQ(inMemory, PageTexts(copy));
    QStringList all;
    for (const QStringList& page : inMemory)
        for (const QString& paragraph : page)
            all << paragraph;
    EXPECT_TRUE(std::any_of(inMemory.begin() + 1, inMemory.end(),
                            [](const QStringList& page) { return page.first().startsWith("4:"); }))
        << "a page starts with a centred paragraph, and keeps it centred";
    EXPECT_TRUE(all.filter("[Satır 4 ").first().contains("|100|#")) << "bold kept";
    EXPECT_TRUE(all.filter("[Satır 6 ").first().contains("#ff0000")) << "colour kept";
}

TEST_F(RichSharedText, CopiesShareTheTextUntilOneIsGivenAnother)
{
    auto source = std::make_unique<TfrRichView>();
    source->RichEdit->SetLines({"birinci"});
    TfrRichView first, second, third;
    first.Assign(*source);
    second.Assign(*source);
    EXPECT_EQ(first.RichEdit.data(), second.RichEdit.data()) << "copied once";
    EXPECT_NE(first.RichEdit.data(), source->RichEdit.data());

    source->RichEdit->SetLines({"ikinci"});
    third.Assign(*source);
    EXPECT_EQ(third.RichEdit->Lines(), QStringList{"ikinci"});
    EXPECT_EQ(first.RichEdit->Lines(), QStringList{"birinci"}) << "an earlier copy keeps its text";

    // A stored record read into one copy leaves the other as it was.
    TMemoryStream record;
    source->RecordForm = 0;
    source->SaveToStream(record);
    record.SetPosition(0);
    first.LoadFromStream(record);
    EXPECT_EQ(first.RichEdit->Lines(), QStringList{"ikinci"});
    EXPECT_EQ(second.RichEdit->Lines(), QStringList{"birinci"});

    source.reset();
    EXPECT_EQ(third.RichEdit->Lines(), QStringList{"ikinci"}) << "the text outlives the view it came from";
}

TEST_F(RichSharedText, MeasuringWithoutShapingAnswersAsAFreshLayout)
{
    // Paragraphs the measuring takes by their face's advance beside ones it must lay out: wider than
    // the width by a character or less, other faces inside, characters the face lacks, tabs, marks.
    const int width = 300;
    const QStringList lines = {
        "1  01.01.2014  31.01.2014  1,50  1.234,56 TL", "ğüşıöç İĞÜŞÖÇ   ", "", "   ",
        QString("x").repeated(40), QString("y").repeated(41), QString("z").repeated(42), QString("w").repeated(80),
        "ok → 漢字 sonu", "sekme\tile", QString("a\t").repeated(12), "e\u0301 birleşik", "kalın burada", "satır sonu"};
    const QPaintDevice* screen = frMeasureCanvas().Device();
    for (const char* face : {"Courier New", "DejaVu Sans Mono", "Arial"}) {
        for (int pixels : {11, 15}) {
            TRichEdit edit;
            edit.SetFontSpec(face, -pixels);
            edit.SetLines(lines);
            QTextCursor bold(edit.document()->findBlockByNumber(11));
            bold.setPosition(bold.position() + 6, QTextCursor::KeepAnchor);
            QTextCharFormat f;
            f.setFontWeight(QFont::Bold);
            bold.mergeCharFormat(f);
            const QTextDocument& doc = *edit.document();
            TRichPageFormatter formatter;
            for (int start : {0, 5, TRichPageFormatter::TextLength(doc) / 2})
                for (int height = 0; height <= 400; height += 7)
                    ASSERT_EQ(formatter.FitEnd(doc, start, width, height, screen),
                              TRichPageFormatter::FitEndUncached(doc, start, width, height, screen))
                        << face << " " << pixels << " from " << start << " in " << height;
        }
    }
}

