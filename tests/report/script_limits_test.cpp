// Scripts and expressions from a template can be anything: nesting, length and growth beyond any real
// report end in the engine's error, never in a stack overflow or in all memory taken.
#include "report/fr_intrp.h"

#include "base/exceptions.h"
#include "base/string_list.h"
#include "report_test_support.h"

#include <gtest/gtest.h>

namespace {

struct Host : TfrInterpretator {
    TfrVariables vars;
    void GetValue(const QString& name, Variant& value) override { value = vars.GetVariable(name); }
    void SetValue(const QString& name, const Variant& value) override { vars.SetVariable(name, value); }
};

QStringList CompileErrors(Host& host, const QString& source, TStringList* compiled = nullptr)
{
    TStringList lines(QStringList{source}), errors;
    host.CompileScript(lines, lines, errors);
    if (compiled)
        *compiled = lines;
    return errors.ToQStringList();
}

QString Repeat(const QString& s, int n)
{
    return s.repeated(n);
}

struct NestingCase {
    const char* name;
    QString source;
};

class ScriptNesting : public ::testing::TestWithParam<NestingCase> {};

TEST_P(ScriptNesting, TooDeepIsACompileErrorOfTheScript)
{
    Host host;
    const QStringList errors = CompileErrors(host, GetParam().source);
    ASSERT_EQ(errors.size(), 1) << GetParam().name;
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("Строка 1/"))) << errors[0].toStdString();
    EXPECT_TRUE(errors[0].endsWith(QStringLiteral(": Слишком глубокая вложенность"))) << errors[0].toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, ScriptNesting,
    ::testing::Values(NestingCase{"begin", Repeat("begin ", 12000) + "X := 1" + Repeat(" end", 12000)},
                      NestingCase{"if", Repeat("if 1 then ", 12000) + "X := 1"},
                      NestingCase{"while", Repeat("while 0 do ", 12000) + "X := 1"},
                      NestingCase{"labels", Repeat("1: ", 12000) + "X := 1"},
                      NestingCase{"unary minus", "X := " + Repeat("-", 40000) + "1"},
                      NestingCase{"parentheses", "X := " + Repeat("(", 6000) + "1" + Repeat(")", 6000)},
                      NestingCase{"calls", "X := " + Repeat("F(", 6000) + "1" + Repeat(")", 6000)}),
    [](const auto& info) {
        QString n = info.param.name;
        return n.replace(' ', '_').toStdString();
    });

TEST(ScriptLimits, NestingThatRealScriptsUseStillCompiles)
{
    Host host;
    EXPECT_EQ(CompileErrors(host, Repeat("begin ", 50) + "X := " + Repeat("-(", 40) + "2" + Repeat(")", 40) +
                                      Repeat(" end", 50)),
              QStringList());
}

TEST(ScriptLimits, ALongSumWithoutBlanksCompilesAndAddsUpLeftToRight)
{
    // the length of the editor's buffer; terms joined by loops, not by one call per operator
    Host host;
    TStringList compiled;
    const QString source = "X:=100" + Repeat("-1+2", 7999);
    ASSERT_EQ(CompileErrors(host, source, &compiled), QStringList());
    host.RunScript(compiled);
    EXPECT_EQ(host.vars.GetVariable("X").AsFloat(), 100 + 7999);
}

TEST(ScriptLimits, AStringThatDoublesInALoopStopsWithTheParserError)
{
    Host host;
    TStringList compiled;
    ASSERT_EQ(CompileErrors(host, "begin S := 'ab'; while 1 = 1 do S := S + S end", &compiled), QStringList());
    try {
        host.RunScript(compiled);
        FAIL() << "the loop ran to its end";
    } catch (const EParserError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("İfadenin değeri çok uzun (en çok 4194304 karakter)"));
    }
    EXPECT_LE(host.vars.GetVariable("S").AsString().size(), 4194304);
}

TEST(ExpressionLimits, CallsNestedThroughTheHandlersStopWithTheParserError)
{
    // a function handler evaluates its argument with the parser again, as the report's does
    TfrParser parser;
    parser.OnFunction = [&](const QString&, const Variant& p1, const Variant&, const Variant&, QString& value) {
        value = parser.Calc(p1.AsString()).AsString();
    };
    EXPECT_EQ(parser.Calc(Repeat("F(", 20) + "7" + Repeat(")", 20)).AsFloat(), 7);
    try {
        parser.Calc(Repeat("F(", 6000) + "7" + Repeat(")", 6000));
        FAIL() << "no error";
    } catch (const EParserError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("İfadede iç içe çok fazla çağrı var (en çok 100)"));
    }
    EXPECT_EQ(parser.Calc("F(F(1 + 1))").AsFloat(), 2);  // the count went back down
}

}  // namespace
