#include "report/fr_intrp.h"

#include "base/exceptions.h"
#include "base/string_list.h"

#include <QStringList>

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

struct LoopCase {
    const char* name;
    QStringList script;
    const char* variable;
    double expected;
};

class ScriptLoops : public ::testing::TestWithParam<LoopCase> {};

TEST_P(ScriptLoops, Run)
{
    ScriptHost host;
    host.CompileAndRun(GetParam().script);
    EXPECT_EQ(host.Var(GetParam().variable), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Loops, ScriptLoops,
    ::testing::Values(
        LoopCase{"while", {"begin I := 0; while I < 3 do I := I + 1 end"}, "I", 3},
        LoopCase{"repeatRunsOnce", {"begin I := 5; repeat I := I + 1 until I >= 3 end"}, "I", 6},
        LoopCase{"repeatCounts", {"begin I := 0; repeat I := I + 2; J := I until I >= 7 end"}, "J", 8},
        LoopCase{"gotoLabel", {"begin X := 0; 10: X := X + 1; if X < 3 then goto 10 end"}, "X", 3},
        LoopCase{"nested", {"begin S := 0; I := 0;", "while I < 3 do begin", "  J := 0;",
                            "  while J < 2 do begin S := S + 1; J := J + 1 end;", "  I := I + 1", "end", "end"},
                 "S", 6},
        LoopCase{"lowerCaseKeywords", {"begin i := 0; while i < 4 do i := i + 1; if i = 4 then k := 1 else k := 2 end"},
                 "K", 1},
        LoopCase{"semicolonBeforeEnd", {"begin A := 7; end"}, "A", 7},
        LoopCase{"commentsAndTabs", {"begin\tA := 1; // B := 2", "{ A := 5", "A := A + 1 { ; A := 9 }", "end"}, "A", 2}),
    [](const auto& info) { return std::string(info.param.name); });

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

TEST(ScriptCompile, TextResults)
{
    struct Case {
        QStringList script;
        const char* text;  // of X
    } cases[] = {
        {{"X := COPY('abc', 1, 1)"}, "a"},  // fixed when compiling
        // "//" or "{" inside the quotes starts a comment; the text goes on with the next line, joined by a blank
        {{"X := 'a//b'", "c'"}, "a c"},
        {{"X := 'p{q'", "r  s'"}, "p r s"},
    };
    for (const Case& c : cases) {
        ScriptHost host;
        host.CompileAndRun(c.script);
        EXPECT_EQ(host.vars.GetVariable("X").AsString(), c.text) << c.script.join('|').toStdString();
    }
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

struct ErrorCase {
    const char* name;
    QStringList script;
    const char* message;
};

class ScriptErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(ScriptErrors, ListTheLineColumnAndMessage)
{
    ScriptHost host;
    QStringList errors;
    host.Compile(GetParam().script, &errors);
    EXPECT_EQ(errors, QStringList{QString::fromUtf8(GetParam().message)});
}

INSTANTIATE_TEST_SUITE_P(
    Errors, ScriptErrors,
    ::testing::Values(
        // GOTO reads no token for its label: the error points at GOTO itself.
        ErrorCase{"gotoNeedsDigits", {"goto abc"}, "Строка 1/1: Метка в goto должна быть числом"},
        ErrorCase{"gotoInsideBegin", {"begin { note", "  goto x", "end"}, "Строка 2/3: Метка в goto должна быть числом"},
        ErrorCase{"thenMissing", {"begin", "  A := 1;", "  if A > 0 X := 2", "end"}, "Строка 3/12: Здесь требуется \"then\""},
        // The walk to the line and column counts the characters of a "//" comment, which the compiler
        // never saw (only "{" comments are left out), so the place lands that many characters early.
        ErrorCase{"thenMissingAfterASlashComment", {"begin", "  A := 1; // a note: x y z", "  if A > 0 X := 2", "end"},
                  "Строка 2/18: Здесь требуется \"then\""},
        ErrorCase{"thenMissingAfterABraceComment", {"begin", "  A := 1; { a note: x y z", "  if A > 0 X := 2", "end"},
                  "Строка 3/12: Здесь требуется \"then\""},
        ErrorCase{"beginNotClosed", {"begin A := 1"}, "Строка 1/12: Здесь требуется \";\" или \"end\""},
        ErrorCase{"repeatNotClosed", {"repeat A := 1 end"}, "Строка 1/15: Здесь требуется \";\" или \"until\""},
        ErrorCase{"doMissing", {"while 1 A := 1"}, "Строка 1/9: Здесь требуется \"do\""},
        ErrorCase{"assignmentMissing", {"A 1"}, "Строка 1/3: Здесь требуется \":=\""},
        ErrorCase{"parenthesis", {"A := (1"}, "Строка 1/7: Здесь требуется \")\""},
        // The scan for "]" reads no token: the error points at the "[".
        ErrorCase{"bracket", {"A := [B + 1"}, "Строка 1/6: Здесь требуется \"]\""},
        ErrorCase{"indexBracket", {"A[1 := 2"}, "Строка 1/5: Здесь требуется \"]\""},
        ErrorCase{"argumentList", {"A := F(1 2)"}, "Строка 1/10: Здесь требуется \",\" или \")\""},
        ErrorCase{"tabs", {"\tA\t1"}, "Строка 1/4: Здесь требуется \":=\""}),
    [](const auto& info) { return std::string(info.param.name); });

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
