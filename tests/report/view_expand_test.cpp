#include "base/date_time.h"
#include "base/rich_edit.h"
#include "base/stream.h"
#include "report/fr_memo_view.h"
#include "report/fr_rich.h"
#include "report/fr_utils.h"
#include "report_engine_fixture.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

class ViewExpandTest : public ReportEngineTest {
protected:
    void SetUp() override
    {
        ReportEngineTest::SetUp();
        frEngineMode = 1;
    }
    void TearDown() override
    {
        frEngineMode = 0;
        ReportEngineTest::TearDown();
    }
};

TEST_F(ViewExpandTest, MemoLinesTakeTheirValues)
{
    frCurrentPageNo = 2;
    frTotalPages = 7;
    frGlobalVariables->SetVariable("Boş", QString());
    frGlobalVariables->SetVariable("İki", QStringLiteral("bir\r\niki"));
    report->OnGetValue = [](const QString& name, Variant& value) {
        if (name == "Tutar")
            value = Variant(1234.5);
    };
    struct Case {
        const char* name;
        QStringList memo;
        QStringList expanded;
        int format = -1;  // the view's own, where not its default
    } cases[] = {
        {"page numbers", {"Sayfa [PAGE#] / [TOTALPAGES]"}, {"Sayfa 3 / 7"}},
        {"empty line stays", {"a", "", "b"}, {"a", "", "b"}},
        {"an empty value removes its line", {"a", "[Boş]", "b"}, {"a", "b"}},
        {"an empty value inside a line", {"a[Boş]b"}, {"ab"}},
        {"a value with a break is two lines", {"[İki] son"}, {"bir", "iki son"}},
        {"nested brackets", {"x[[PAGE#]]y"}, {"x3y"}},
        {"functions and suffixes",
         {"[FORMATFLOAT('#,##0.00', 1234.5)] TL", "[NAMECASE('aBC dEF')]", "[Tutar #N0,2] ve [Tutar]"},
         {"1.234,50 TL", "Abc def", "1234,50 ve 1234,5"}},
        // thousands, two fixed decimals, comma: for every bracket without a suffix
        {"the view's format", {"[PAGE#]: [Tutar]"}, {"3,00: 1.234,50"}, 0x0103022C},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TfrMemoView memo;
        memo.Memo = TStringList(c.memo);
        if (c.format >= 0)
            memo.Format = c.format;
        frCurrentView = &memo;
        memo.ExpandVariables();
        EXPECT_EQ(memo.OutLines.ToQStringList(), c.expanded);
    }
}

TEST_F(ViewExpandTest, DateMemoOfTheTemplates)
{
    frDate = EncodeDate(2014, 3, 5);
    TfrMemoView memo;
    memo.Memo.SetText("[DATE]");
    memo.Format = 0x02040000;
    memo.FormatStr = "dd.mm.yyyy";
    memo.RecordForm = 1;
    TMemoryStream page;
    memo.Print(page);
    page.SetPosition(1);
    TfrMemoView back;
    back.RecordForm = 1;
    back.LoadFromStream(page);
    EXPECT_EQ(back.Memo.ToQStringList(), QStringList{"05.03.2014"});
}

TEST_F(ViewExpandTest, RichTextKeepsTheFormattingAroundAValue)
{
    frCurrentPageNo = 11;
    TfrRichView view;
    view.RecordForm = 1;
    view.SetBounds(0, 0, 400, 100);
    view.RichEdit->SetFontSpec("Courier New", -11);
    view.RichEdit->SetLines({"Başlık", "Sayfa [PAGE#] sonu", "[PAGE#]"});
    QTextCursor bold(view.RichEdit->document());
    bold.setPosition(view.RichEdit->document()->findBlockByNumber(1).position());
    bold.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    QTextCharFormat f;
    f.setFontWeight(QFont::Bold);
    bold.mergeCharFormat(f);
    TMemoryStream page;
    view.Print(page);
    page.SetPosition(0);
    page.ReadByte();
    frReadString(page);
    TfrRichView back;
    back.RecordForm = 1;
    back.LoadFromStream(page);
    EXPECT_EQ(back.RichEdit->Lines(), QStringList({"Başlık", "Sayfa 12 sonu", "12"}));
    QTextCursor c(back.RichEdit->document());
    c.setPosition(back.RichEdit->document()->findBlockByNumber(1).position() + 7);
    EXPECT_TRUE(c.charFormat().font().bold()) << "the value takes the bold of its line";
    // the template's own text is untouched
    EXPECT_EQ(view.RichEdit->Line(1), "Sayfa [PAGE#] sonu");
}

}  // namespace
