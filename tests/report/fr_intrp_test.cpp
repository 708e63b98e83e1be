#include "report/fr_intrp.h"

#include "base/exceptions.h"
#include "base/string_list.h"

#include <QStringList>

#include "case_table.h"
#include "report_test_support.h"

#include <gtest/gtest.h>

namespace {

// An interpreter whose names are its own variables; PAGE# is fixed, F counts its calls.
class ScriptHost : public TfrInterpretator {
public:
    TfrVariables vars;
    int page = 1;
    QStringList calls;
    void GetValue(const QString& name, Variant& value) override
    {
        if (name == "PAGE#")
            value = Variant(page);
        else if (vars.IndexOf(name) >= 0)
            value = vars.GetVariable(name);
        else
            throw EParserError("unknown " + name);
    }
    void SetValue(const QString& name, const Variant& value) override { vars.SetVariable(name, value); }
    void CallFunction(const QString& name, const Variant& p1, const Variant& p2, const Variant& p3,
                      QString& value) override
    {
        calls << name + "|" + p1.AsString() + "|" + p2.AsString() + "|" + p3.AsString();
        value = name == "F" ? "41" : "0";
    }
    TStringList Compile(const QStringList& source, QStringList* errors = nullptr)
    {
        TStringList lines(source), errorLines;
        CompileScript(lines, lines, errorLines);
        if (errors != nullptr)
            *errors = errorLines.ToQStringList();
        return lines;
    }
    void CompileAndRun(const QStringList& source)
    {
        QStringList errors;
        const TStringList lines = Compile(source, &errors);
        EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
        RunScript(lines);
    }
    long double Var(const QString& name) const { return vars.GetVariable(name).AsFloat(); }
};

QString Cond(int target, const QString& postfix)
{
    QString s = QString(QChar(1)) + QChar(0) + QChar(0) + postfix;
    frSetLineTarget(s, target);
    return s;
}

// A script of the case tables: its lines joined by " | ", "\\t" for a tab.
QStringList Source(const QString& text)
{
    return QString(text).replace("\\t", "\t").split(" | ");
}

QString Jump(int target)
{
    QString s = QString(QChar(2)) + QChar(0) + QChar(0);
    frSetLineTarget(s, target);
    return s;
}

TEST(ScriptCompile, AssignmentsInABeginList)
{
    ScriptHost host;
    const TStringList lines = host.Compile({"begin A := 1; B := A + 2 end"});
    EXPECT_EQ(lines.ToQStringList(), (QStringList{"A 1 ", "B A 2 +"}));
    host.RunScript(lines);
    EXPECT_EQ(host.Var("A"), 1);
    EXPECT_EQ(host.Var("B"), 3);
}

TEST(ScriptCompile, IfThenElseTargets)
{
    ScriptHost host;
    const TStringList lines = host.Compile({"if [PAGE#] > 1 then X := 1 else X := 2"});
    EXPECT_EQ(lines.ToQStringList(),
              (QStringList{Cond(3, QString("[PAGE#] 1 ") + QChar('>')), "X 1 ", Jump(4), "X 2 "}));
    host.page = 2;
    host.RunScript(lines);
    EXPECT_EQ(host.Var("X"), 1);
    host.page = 1;
    host.RunScript(lines);
    EXPECT_EQ(host.Var("X"), 2);
}

TEST(ScriptCompile, OnlyTheFirstTopLevelStatement)
{
    ScriptHost host;
    EXPECT_EQ(host.Compile({"A := 1; B := 2"}).ToQStringList(), QStringList{"A 1 "});
    EXPECT_EQ(host.Compile({""}).Count(), 0);
}

TEST(ScriptRun, RunsOfTheCaseTable)
{
    for (const CaseLine& c : ReadCases("report/script_runs.tsv", 3)) {
        ScriptHost host;
        host.CompileAndRun(Source(c[0]));
        EXPECT_EQ(host.vars.GetVariable(c[1]).AsString(), c[2]) << c.where.toStdString();
    }
}
TEST(ScriptCompile, GotoLabelResolvesInTheSecondPass)
{
    ScriptHost host;
    const TStringList lines = host.Compile({"begin X := 0; 10: X := X + 1; if X < 3 then goto 10 end"});
    ASSERT_EQ(lines.Count(), 4);
    EXPECT_EQ(lines[3], Jump(1));
    EXPECT_EQ(frLineTarget(lines[2]), 4);
}

TEST(ScriptCompile, CallsAreMadeOnceWhenCompiling)
{
    ScriptHost host;
    const TStringList lines = host.Compile({"begin X := F(1, 'a') + 1; NEWPAGE; A[2] := 5 end"});
    EXPECT_EQ(host.calls, (QStringList{"F|1| 'a'|", "NEWPAGE|0||", "SETARRAY|A| 2|  5"}));
    EXPECT_EQ(lines[1], QString(QChar(3)) + "0 ");
    host.RunScript(lines);
    host.RunScript(lines);
    EXPECT_EQ(host.calls.size(), 3);
    EXPECT_EQ(host.Var("X"), 42);
}

TEST(ScriptCompile, AGotoWithoutItsLabelKeepsItsDigits)
{
    ScriptHost host;
    const TStringList lines = host.Compile({"begin goto 7; A := 1 end"});
    ASSERT_EQ(lines.Count(), 2);
    EXPECT_EQ(lines[0], QString(QChar(2)) + "7");
    EXPECT_EQ(frLineTarget(lines[0]), '7');  // the digit is the low byte, the high byte 0
    host.RunScript(lines);
    EXPECT_EQ(host.vars.Count(), 0);
}

TEST(ScriptCompile, ErrorsOfTheCaseTableListTheLineColumnAndMessage)
{
    for (const CaseLine& c : ReadCases("report/script_errors.tsv", 2)) {
        ScriptHost host;
        QStringList errors;
        host.Compile(Source(c[0]), &errors);
        EXPECT_EQ(errors, QStringList{c[1]}) << c.where.toStdString();
    }
}

TEST(ScriptCompile, AFailedStatementKeepsWhatWasCompiledBefore)
{
    ScriptHost host;
    QStringList errors;
    const TStringList lines = host.Compile({"begin A := 1; B 2; C := 3 end"}, &errors);
    EXPECT_EQ(lines.ToQStringList(), QStringList{"A 1 "});
    EXPECT_EQ(errors.size(), 1);
}

TEST(ScriptRun, AnEndlessLoopStopsWithAnError)
{
    ScriptHost host;
    const TStringList lines = host.Compile({"begin X := 0; while 1 do X := X + 1 end"});
    try {
        host.RunScript(lines);
        FAIL() << "the loop was not stopped";
    } catch (const Exception& e) {
        EXPECT_TRUE(e.Message().contains("WHILE")) << e.what();
    }
    EXPECT_GT(host.Var("X"), 1000);
}

TEST(ScriptRun, AJumpPastTheLastLineEnds)
{
    ScriptHost host;
    TStringList lines(QStringList{Jump(7), "A 1 "});
    host.RunScript(lines);
    EXPECT_EQ(host.vars.Count(), 0);
}

TEST(Variables, StoreInOrderAndCompareNamesWithoutCase)
{
    TfrVariables v;
    v.SetVariable("Toplam", Variant(5));
    v.SetVariable("isim", Variant("Ali"));
    v.SetVariable("TOPLAM", Variant(6));
    EXPECT_EQ(v.Count(), 2);
    EXPECT_EQ(v.GetName(0), "Toplam");
    EXPECT_EQ(v.GetVariable("toplam").AsInteger(), 6);
    EXPECT_EQ(v.IndexOf("İSİM"), 1);
    EXPECT_TRUE(v.GetVariable("yok").IsNull());
    EXPECT_EQ(v.IndexOf("yok"), -1);
    EXPECT_EQ(v.GetName(5), "");
    v.Delete(7);
    v.Delete(0);
    EXPECT_EQ(v.GetName(0), "isim");
    v.Clear();
    EXPECT_EQ(v.Count(), 0);
}

}  // namespace
