#include "base/rich_edit.h"

#include "base/exceptions.h"
#include "base/rtf.h"
#include "test_support.h"

#include <QFile>
#include <QTextBlock>
#include <QTextDocument>

namespace {
class RichEditTest : public WorkingFolderTest {};

TEST_F(RichEditTest, LinesCountAsInTheOriginalControl)
{
    TRichEdit edit;
    EXPECT_EQ(edit.LineCount(), 0);
    edit.AddLine("");
    EXPECT_EQ(edit.LineCount(), 1);
    edit.AddLines({"a", "", "ç"});
    EXPECT_EQ(edit.Lines(), QStringList({"", "a", "", "ç"}));
    edit.SetLine(7, "yok");
    EXPECT_EQ(edit.LineCount(), 4);
    edit.SetLine(2, "orta");
    EXPECT_EQ(edit.Lines(), QStringList({"", "a", "orta", "ç"}));
    EXPECT_EQ(edit.Line(9), "");
    edit.ClearLines();
    EXPECT_EQ(edit.LineCount(), 0);
    edit.SetLines(QStringList(60, QString()));
    EXPECT_EQ(edit.LineCount(), 60);
}

TEST_F(RichEditTest, TextTypedAfterTheLastBreakIsALine)
{
    TRichEdit edit;
    edit.setPlainText("bir\niki");
    EXPECT_EQ(edit.LineCount(), 2);
    edit.AddLine("üç");
    EXPECT_EQ(edit.Lines(), QStringList({"bir", "iki", "üç"}));
}

TEST_F(RichEditTest, FontSpecAppliesToTextBeforeAndAfter)
{
    TRichEdit edit;
    edit.AddLine("önce");
    edit.SetFontSpec("Courier New", -11);
    edit.AddLine("sonra");
    for (int i = 0; i < 2; ++i) {
        const QFont f = edit.document()->findBlockByNumber(i).begin().fragment().charFormat().font();
        EXPECT_EQ(f.family(), "Liberation Mono") << i;
        EXPECT_EQ(f.pixelSize(), 11) << i;
    }
}

QTextCharFormat formatAt(const TRichEdit& edit, int line)
{
    return edit.document()->findBlockByNumber(line).begin().fragment().charFormat();
}

TEST_F(RichEditTest, RtfRoundTripKeepsTurkishTextBoldAndSizes)
{
    TRichEdit source;
    source.SetFontSpec("Times New Roman Tur", -16, 2);
    source.AddLine("GECİKME FAİZİ");
    source.SetFontSpec("Courier New", -11);
    const QStringList body = {"İşçi ğüşıöç ĞÜŞİÖÇ", "", "€ 1.234,56 Ω", "sekme\tve {süslü} \\ ters"};
    source.AddLines(body);
    // the title keeps its own font: set it again after SetFontSpec spread the report font
    QTextCursor title(source.document()->findBlockByNumber(0));
    title.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    bold.setFontPointSize(14);
    title.mergeCharFormat(bold);

    const QByteArray rtf = source.SaveRtf();
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1254"));
    EXPECT_TRUE(rtf.contains("GEC\\'ddKME FA\\'ddZ\\'dd")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("\\u937?")) << rtf.constData();  // no byte for omega in 1254
    EXPECT_EQ(rtf.count("\\par\r\n"), 5);

    TRichEdit copy;
    copy.LoadRtf(rtf);
    EXPECT_EQ(copy.Lines(), QStringList{"GECİKME FAİZİ"} + body);
    EXPECT_EQ(formatAt(copy, 0).fontWeight(), QFont::Bold);
    EXPECT_DOUBLE_EQ(formatAt(copy, 0).fontPointSize(), 14);
    EXPECT_EQ(formatAt(copy, 1).fontWeight(), QFont::Normal);
    EXPECT_DOUBLE_EQ(formatAt(copy, 1).fontPointSize(), 8.5);  // 11 px at 96 dpi, in half points
    EXPECT_EQ(formatAt(copy, 1).font().family(), "Liberation Mono");
    EXPECT_EQ(copy.SaveRtf(), rtf);
}

TEST_F(RichEditTest, LibreOfficeRtfLoadsAsLines)
{
    TRichEdit edit;
    edit.LoadFromFile(TAVRELO_TEST_DATA "/libreoffice_help.rtf");
    EXPECT_EQ(edit.Lines(), QStringList({
                                "GECİKME FAİZİ HESAPLAMA",
                                "Borç tarihi ve işlem tarihi önce girilir; ğüşıöç ĞÜŞİÖÇ.",
                                "",
                                "Tutar:\t7.809,90 TL bağlantı",
                                "Satır ğ \\ { } son.",
                            }));
    const QTextBlock title = edit.document()->findBlockByNumber(0);
    EXPECT_EQ(title.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(formatAt(edit, 0).fontWeight(), QFont::Bold);
    EXPECT_DOUBLE_EQ(formatAt(edit, 0).fontPointSize(), 16);
    EXPECT_EQ(formatAt(edit, 0).font().family(), "Liberation Serif");
    // "7.809,90 TL" is the italic blue run of line 3
    QTextBlock amounts = edit.document()->findBlockByNumber(3);
    QTextCharFormat amount;
    for (auto it = amounts.begin(); !it.atEnd(); ++it)
        if (it.fragment().text().contains("7.809"))
            amount = it.fragment().charFormat();
    EXPECT_TRUE(amount.fontItalic());
    EXPECT_EQ(amount.foreground().color(), QColor(0, 0, 255));
}

TEST_F(RichEditTest, WordPadRtfLoadsAsLines)
{
    const QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1254\\deff0\\nouicompat\\deflang1055{\\fonttbl{\\f0\\fnil"
                           "\\fcharset162 Calibri;}}\r\n{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
                           "\\pard\\sa200\\sl276\\slmult1\\b\\f0\\fs22\\lang31 Ba\\'fel\\'fdk\\b0\\par\r\n"
                           "Sat\\'fdr 1\\par\r\n}\r\n";
    TRichEdit edit;
    edit.LoadRtf(rtf);
    EXPECT_EQ(edit.Lines(), QStringList({"Başlık", "Satır 1"}));
    EXPECT_EQ(formatAt(edit, 0).fontWeight(), QFont::Bold);
    EXPECT_EQ(formatAt(edit, 1).fontWeight(), QFont::Normal);
}

TEST_F(RichEditTest, DamagedRtfKeepsWhatWasRead)
{
    struct Case {
        const char* rtf;
        QStringList lines;
    } cases[] = {
        {"{\\rtf1 abc\\par de", {"abc", "de"}},
        {"{\\rtf1 a}}}\\par b", {"a"}},
        {"{\\rtf1 x\\bin4 }{\\\\y\\par}", {"xy"}},
        {"{\\rtf1 \\u-200", {QString(QChar(0xFF38))}},
        {"{\\rtf1 \\'4", {}},
        {"{\\rtf1\\uc2 \\u305\\'fd\\'3fz}", {"ız"}},
        {"{\\rtf1 {\\*\\yeni {i\\c} metin}k{\\fonttbl\\f0 A;}\\f9 l}", {"kl"}},
    };
    for (const auto& c : cases) {
        TRichEdit edit;
        edit.LoadRtf(c.rtf);
        EXPECT_EQ(edit.Lines(), c.lines) << c.rtf;
    }
}

TEST_F(RichEditTest, PlainTextLoadsInCodePage1254)
{
    TRichEdit edit;
    edit.LoadRtf(QByteArray("Sat\xfdr\r\n\xdd\xfe\r\n"));
    EXPECT_EQ(edit.Lines(), QStringList({"Satır", "İş"}));
}

TEST_F(RichEditTest, FilesRoundTripAndAMissingFileRaises)
{
    TRichEdit edit;
    edit.AddLines({"yüzde", "18"});
    edit.SaveToFile(Path("oran"));
    TRichEdit copy;
    copy.LoadFromFile(Path("oran"));
    EXPECT_EQ(copy.Lines(), edit.Lines());
    EXPECT_THROW(copy.LoadFromFile(Path("yok")), EInOutError);
    EXPECT_THROW(edit.SaveToFile(Path("oran/alt")), EInOutError);
    EXPECT_EQ(copy.Lines(), edit.Lines());
}
}  // namespace
