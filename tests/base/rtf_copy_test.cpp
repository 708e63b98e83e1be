#include "base/rich_edit.h"
#include "base/rtf.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Every paragraph and fragment alike in text and formats.
void ExpectSameParagraphs(const QTextDocument& copied, const QTextDocument& expected)
{
    QTextBlock a = copied.begin();
    QTextBlock b = expected.begin();
    for (; a.isValid() || b.isValid(); a = a.next(), b = b.next()) {
        ASSERT_TRUE(a.isValid() && b.isValid()) << "paragraph counts differ";
        EXPECT_EQ(a.text().toStdString(), b.text().toStdString());
        EXPECT_TRUE(a.blockFormat() == b.blockFormat() && a.charFormat() == b.charFormat()) << a.text().toStdString();
        auto fa = a.begin();
        auto fb = b.begin();
        for (; !fa.atEnd() || !fb.atEnd(); ++fa, ++fb) {
            ASSERT_TRUE(!fa.atEnd() && !fb.atEnd()) << "fragments differ in " << a.text().toStdString();
            EXPECT_EQ(fa.fragment().text().toStdString(), fb.fragment().text().toStdString());
            EXPECT_TRUE(fa.fragment().charFormat() == fb.fragment().charFormat()) << fa.fragment().text().toStdString();
        }
    }
}

// The direct copy against the round trip through the text form; a copy of the copy changes nothing
// more (a report expands the copy it already holds).
void ExpectSameAsThroughRtf(const std::function<void(TRichEdit&)>& make)
{
    TRichEdit source;
    make(source);
    TRichEdit throughRtf;
    throughRtf.setPlainText(QStringLiteral("eski metin"));  // what was there goes
    TRichEdit copied;
    copied.setPlainText(QStringLiteral("eski metin"));
    throughRtf.LoadRtf(source.SaveRtf());
    ASSERT_TRUE(CopyAsRtf(*source.document(), *copied.document()));
    ExpectSameParagraphs(*copied.document(), *throughRtf.document());
    TRichEdit again;
    again.setPlainText(QStringLiteral("eski metin"));
    ASSERT_TRUE(CopyAsRtf(*copied.document(), *again.document()));
    SCOPED_TRACE("copied twice");
    ExpectSameParagraphs(*again.document(), *copied.document());
}

void Add(QTextCursor& cursor, const QString& text, double points, bool bold = false, QColor color = QColor())
{
    QTextCharFormat format;
    format.setFontFamilies({QStringLiteral("Arial")});
    format.setFontPointSize(points);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    if (color.isValid())
        format.setForeground(color);
    cursor.insertText(text, format);
}

void Paragraph(QTextCursor& cursor, Qt::Alignment alignment, double points)
{
    QTextBlockFormat block;
    block.setAlignment(alignment);
    QTextCharFormat format;
    format.setFontPointSize(points);
    cursor.insertBlock(block, format);
}

TEST(RtfCopyTest, GivesWhatTheTextFormGivesBack)
{
    const std::vector<std::pair<const char*, std::function<void(TRichEdit&)>>> cases = {
        {"report pane: 11 px Courier New, Turkish letters, tabs, brackets, empty lines",
         [](TRichEdit& e) {
             e.SetFontSpec(QStringLiteral("Courier New"), -11, 0);
             e.SetLines({QStringLiteral("GECİKME ZAMMI\tçğıöşü ÇĞİÖŞÜ"), QString(), QStringLiteral("['['] 1.234,56 TL €"),
                         QString(), QStringLiteral("\\{}")});
         }},
        {"bold italic underlined pane font, 8.25 pt text",
         [](TRichEdit& e) {
             e.SetFontSpec(QStringLiteral("Courier New"), -13, 7);
             e.SetLines({QStringLiteral("a"), QStringLiteral("b")});
             QTextCursor c(e.document());
             c.movePosition(QTextCursor::End);
             Add(c, QStringLiteral("küçük"), 8.25);
         }},
        {"runs: sizes, bold, colours, alignments, empty paragraphs of their own size, centred last line",
         [](TRichEdit& e) {
             QTextCursor c(e.document());
             Add(c, QStringLiteral("Başlık "), 8.25, true, Qt::red);
             Add(c, QStringLiteral("ve "), 8.25, false, QColor(10, 20, 30, 128));
             Add(c, QStringLiteral("devamı"), 11, true, QColor::fromHsv(120, 200, 100));
             Paragraph(c, Qt::AlignHCenter, 14);
             Paragraph(c, Qt::AlignRight, 7.3);
             Add(c, QStringLiteral("sağda\tsekme"), 9.75);
             Paragraph(c, Qt::AlignJustify | Qt::AlignTop, 10);
             Add(c, QStringLiteral("iki yana"), 10, false, Qt::red);
             Paragraph(c, Qt::AlignHCenter, 12);
             Add(c, QStringLiteral("ortada son"), 12, true);
         }},
        {"characters the text form changes, drops or spells out",
         [](TRichEdit& e) {
             QString all;
             for (int u = 1; u < 0x10000; ++u)
                 if (u != 0x2029 && u != 0xFDD0 && u != 0xFDD1 && u != '\n' && u != '\r')
                     all += QChar(static_cast<char16_t>(u));
             QTextCursor c(e.document());
             c.insertText(all + QStringLiteral("😀\u2028\u00A0"));
             Paragraph(c, Qt::AlignLeft, 9);
         }},
        {"paragraph marks among the characters", [](TRichEdit& e) { e.setPlainText(QStringLiteral("a\u2029b\nc")); }},
        {"empty document", [](TRichEdit&) {}},
        {"one empty line", [](TRichEdit& e) { e.SetLines({QString()}); }},
    };
    for (const auto& [name, make] : cases) {
        SCOPED_TRACE(name);
        ExpectSameAsThroughRtf(make);
    }
}

TEST(RtfCopyTest, LeavesTheTargetAloneForFontNamesTheTextFormChanges)
{
    for (const QString& family : {QStringLiteral("Ali;Veli"), QStringLiteral(" Arial"), QStringLiteral("A{b}")}) {
        TRichEdit source;
        QTextCursor c(source.document());
        QTextCharFormat format;
        format.setFontFamilies({family});
        c.insertText(QStringLiteral("metin"), format);
        TRichEdit target;
        target.setPlainText(QStringLiteral("eski"));
        EXPECT_FALSE(CopyAsRtf(*source.document(), *target.document())) << family.toStdString();
        EXPECT_EQ(target.toPlainText(), QStringLiteral("eski"));
    }
}

}  // namespace
