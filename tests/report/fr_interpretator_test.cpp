#include "report/fr_interpretator.h"

#include "base/exceptions.h"
#include "report/fr_band.h"
#include "report/fr_band_view.h"
#include "report/fr_line_view.h"
#include "report/fr_memo_view.h"
#include "report/fr_pages.h"

#include "report_engine_fixture.h"
#include "report_test_support.h"

namespace {

// A template page whose run-time views are two memos, a line and a band view with its band.
class ScriptedViews : public ReportEngineTest {
protected:
    void SetUp() override
    {
        ReportEngineTest::SetUp();
        page = std::make_unique<TfrPage>(9, 0, 0, 0);
        auto m1 = std::make_unique<TfrMemoView>();
        m1->Name = "Memo1";
        m1->SetBounds(10, 20, 100, 30);
        m1->Memo.Add("ilk");
        memo1 = m1.get();
        auto m2 = std::make_unique<TfrMemoView>();
        m2->Name = "Memo2";
        memo2 = m2.get();
        auto l = std::make_unique<TfrLineView>();
        l->Name = "Line1";
        line = l.get();
        auto b = std::make_unique<TfrBandView>();
        b->Name = "MasterData1";
        bandView = b.get();
        page->RunViews.push_back(std::move(m1));
        page->RunViews.push_back(std::move(m2));
        page->RunViews.push_back(std::move(l));
        page->RunViews.push_back(std::move(b));
        band.View = bandView;
        bandView->Parent = &band;
        band.DY = 40;
        page->NextY = 300;
        page->BottomLimitY = 1000;
        frCurrentPage = page.get();
        frCurrentView = memo1;
        report->OnGetValue = [](const QString& name, Variant& value) {
            if (name == "RAPORDEGERI")
                value = Variant(77);
        };
    }
    void Run(const QStringList& script)
    {
        TStringList lines(script), errors;
        frGlobalInterpreter->CompileScript(lines, lines, errors);
        EXPECT_EQ(errors.Count(), 0) << errors.Text().toStdString();
        frGlobalInterpreter->RunScript(lines);
    }
    Variant Get(const QString& name)
    {
        Variant v;
        frGlobalInterpreter->GetValue(name, v);
        return v;
    }
    std::unique_ptr<TfrPage> page;
    TfrMemoView* memo1 = nullptr;
    TfrMemoView* memo2 = nullptr;
    TfrLineView* line = nullptr;
    TfrBandView* bandView = nullptr;
    TfrBand band{5, nullptr};
};

TEST_F(ScriptedViews, PropertiesOfTheViewItselfAndOfOthers)
{
    Run({"begin", "  Memo2.Visible := 0;", "  FontSize := 12; FontStyle := 2 + 8;", "  Text := 'x';",
         "  Left := 10 + Width; Memo2.FillColor := clRed;", "  FontName := 'Courier New'; Adjust := 2", "end"});
    EXPECT_EQ(memo2->Visible, 0);
    EXPECT_EQ(memo1->Font.Size, 12);
    EXPECT_EQ(memo1->Font.Style, 2);  // strike-out is not a script style
    EXPECT_EQ(memo1->Memo.ToQStringList(), QStringList{"x"});
    EXPECT_EQ(memo1->x, 110);
    EXPECT_EQ(memo2->FillColor, 0xFF);
    EXPECT_EQ(memo1->Font.Name, "Courier New");
    EXPECT_EQ(memo1->Alignment, 2);
    EXPECT_EQ(frGlobalVariables->Count(), 0);  // properties are no variables
}

TEST_F(ScriptedViews, ReadingProperties)
{
    memo1->Font.Style = 1 | 2 | 8;
    memo1->FrameWidth = 1.5f;
    const std::pair<QString, QString> cases[] = {
        {"Left", "10"},        {"Top", "20"},          {"Width", "100"},     {"Height", "30"},
        {"Visible", "True"},   {"FrameWidth", "1,5"},  {"FontStyle", "3"},   {"Text", "ilk\r\n"},
        {"MEMO2.LEFT", "0"},   {"clYellow", "65535"},  {"FREESPACE", "700"}, {"Memo1.FontSize", "10"},
        {"MasterData1.Height", "40"}};
    for (const auto& [name, text] : cases)
        EXPECT_EQ(Get(name).AsString(), text) << name.toStdString();
    EXPECT_THROW(Get("MasterData1.FontSize"), EParserError);  // no memo: the report's handler, which knows nothing
}

TEST_F(ScriptedViews, VariablesAndWhatFallsThrough)
{
    Run({"begin Total := 5; freespace := 1; Yok.Visible := 0; x := RaporDegeri + 1 end"});
    EXPECT_EQ(frGlobalVariables->GetVariable("Total").AsInteger(), 5);
    EXPECT_EQ(Get("FREESPACE").AsInteger(), 1);  // the variable answers before the built-in
    EXPECT_EQ(frGlobalVariables->GetVariable("X").AsInteger(), 78);
    EXPECT_EQ(frGlobalVariables->IndexOf("Yok.Visible"), -1);
    EXPECT_THROW(Get("Bilinmeyen"), EParserError);
}

TEST_F(ScriptedViews, BandViewsChangeTheirRunTimeBand)
{
    Run({"begin MasterData1.Height := 55; MasterData1.Visible := 0; MasterData1.FillColor := 5 end"});
    EXPECT_EQ(band.DY, 55);
    EXPECT_FALSE(band.Visible);
    EXPECT_EQ(bandView->FillColor, frNoFillColor);
}

TEST_F(ScriptedViews, MemoPropertiesOfOtherViewsAreLeftAlone)
{
    Run({"Line1.FontSize := 30"});
    EXPECT_EQ(frGlobalVariables->Count(), 0);
    frCurrentView = line;
    Run({"Width := 7"});
    EXPECT_EQ(line->dx, 7);
}

TEST_F(ScriptedViews, NewPageAndNewColumnRunWhenCompiled)
{
    TStringList lines(QStringList{"begin NEWPAGE; NEWCOLUMN(0); Y := COPY('abc', 2, 1) end"}), errors;
    frGlobalInterpreter->CompileScript(lines, lines, errors);
    EXPECT_EQ(lines.ToQStringList(), (QStringList{QString(QChar(3)) + "0 ", QString(QChar(3)) + "0 ", "Y 'b' "}));
}

TEST_F(ScriptedViews, WhereANameIsLookedUp)
{
    frGlobalVariables->SetVariable("Left", Variant(99));
    Run({"begin Left := 10; Memo1.Gizli := 3; FrameTyp := 5; Memo2.Flags := 3 end"});
    EXPECT_EQ(memo1->x, 10);  // the property wins over the variable when assigning...
    EXPECT_EQ(Get("LEFT").AsInteger(), 99);  // ...and the variable when reading
    EXPECT_EQ(frGlobalVariables->GetVariable("Memo1.Gizli").AsInteger(), 3);  // no property: the whole name
    EXPECT_EQ(Get("FrameTyp").AsInteger(), 5);
    EXPECT_EQ(Get("Memo2.Flags").AsInteger(), 3);
    EXPECT_EQ(Get("MasterData1.Flags").AsInteger(), 0);  // a band answers only its geometry and visibility
    EXPECT_EQ(Get("clRed").AsInteger(), 0xFF);
    EXPECT_EQ(Get("RAPORDEGERI").AsInteger(), 77);
    EXPECT_THROW(Get("freespace"), EParserError);  // the built-in is matched in capitals only
    frCurrentView = nullptr;
    EXPECT_THROW(Get("clRed"), EParserError);  // no view: the report answers for every name
    EXPECT_EQ(Get("Memo1.Width").AsInteger(), 100);
}

TEST_F(ScriptedViews, AVariableReadBeforeItIsSetStopsTheScript)
{
    TStringList lines(QStringList{"begin Z := Q + 1 end"}), errors;
    frGlobalInterpreter->CompileScript(lines, lines, errors);
    EXPECT_EQ(errors.Count(), 0);
    EXPECT_THROW(frGlobalInterpreter->RunScript(lines), EParserError);
    EXPECT_EQ(frGlobalVariables->IndexOf("Z"), -1);
}

TEST_F(ScriptedViews, ABandScriptOfNewPageAloneCallsNothing)
{
    QStringList calls;
    report->OnUserFunction = [&](const QString& name, const Variant&, const Variant&, const Variant&, QString&) {
        calls << name;
    };
    TStringList lines(QStringList{"NEWPAGE"}), errors;
    frGlobalInterpreter->CompileScript(lines, lines, errors);
    EXPECT_EQ(lines.ToQStringList(), QStringList{QString(QChar(3)) + "0 "});
    frGlobalInterpreter->RunScript(lines);
    EXPECT_TRUE(calls.isEmpty());
}

}  // namespace
