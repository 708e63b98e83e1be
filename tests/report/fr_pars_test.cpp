#include "report/fr_pars.h"

#include "base/date_time.h"
#include "base/exceptions.h"

#include <QStringList>

#include "report_test_support.h"

#include <gtest/gtest.h>

namespace {

// A parser whose names come from a table and whose one function F answers with a fixed text.
struct ParserUnderTest {
    TfrParser parser;
    QStringList askedNames;
    QStringList calls;
    QString functionResult = "0";

    ParserUnderTest()
    {
        parser.OnGetValue = [this](const QString& name, Variant& value) {
            askedNames << name;
            if (name == "A")
                value = Variant(1);
            else if (name == "B")
                value = Variant(2);
            else if (name == "X" || name == "PAGE#")
                value = Variant(5);
        };
        parser.OnFunction = [this](const QString& name, const Variant& p1, const Variant& p2, const Variant& p3,
                                   QString& value) {
            calls << name + "|" + p1.AsString() + "|" + p2.AsString() + "|" + p3.AsString();
            value = functionResult;
        };
    }
    Variant Calc(const QString& s) { return parser.Calc(s); }
};

struct NumberCase {
    const char* expression;
    double expected;
};

class ParserNumbers : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ParserNumbers, Evaluates)
{
    ParserUnderTest p;
    const Variant v = p.Calc(QString::fromUtf8(GetParam().expression));
    EXPECT_TRUE(v.IsNumeric()) << GetParam().expression;
    EXPECT_DOUBLE_EQ(static_cast<double>(v.AsFloat()), GetParam().expected) << GetParam().expression;
}

INSTANTIATE_TEST_SUITE_P(
    Precedence, ParserNumbers,
    ::testing::Values(NumberCase{"2+3*4", 14}, NumberCase{"(2+3)*4", 20}, NumberCase{"-2*3", -6},
                      NumberCase{"10-4-3", 3}, NumberCase{"2*(-3)", -6}, NumberCase{"+4", 4},
                      NumberCase{"7 MOD 3", 1}, NumberCase{"INT(-2.5)", -2}, NumberCase{"FRAC(2.75)", 0.75},
                      NumberCase{"FRAC(-2.75)", -0.75}, NumberCase{"ROUND(2.5)", 2}, NumberCase{"ROUND(3.5)", 4},
                      NumberCase{"INT(2.5) + 1", 3}, NumberCase{"5/0", 0}, NumberCase{"7/2", 3.5},
                      NumberCase{"1 = 1", 1}, NumberCase{"1 <> 1", 0}, NumberCase{"2 >= 2", 1},
                      NumberCase{"3 <= 2", 0}, NumberCase{"NOT 0", 1}, NumberCase{"NOT 3", 0},
                      NumberCase{"(1 = 1) AND (2 = 2)", 1}, NumberCase{"(1 = 1) OR (2 = 2)", 2},
                      NumberCase{"3 OR 4", 7}, NumberCase{"3 AND 4", 12},
                      // comparisons bind last: A = (1 OR B) = 2, (1 = 3) = 2
                      NumberCase{"A = 1 OR B = 2", 0}, NumberCase{"(A = 1) OR (B = 2)", 2},
                      NumberCase{"1,5", 1.5}, NumberCase{"1.5", 1.5}, NumberCase{"1 + 2; 3", 3},
                      NumberCase{"2+3)", 5}, NumberCase{"IF(2 > 1, 10, 20)", 10},
                      NumberCase{"IF(0.5, 1, 2)", 2}, NumberCase{"[PAGE#] + 1", 6},
                      NumberCase{"'a' < 'b'", 1}, NumberCase{"'10' + 1", 11},
                      // keywords under the Turkish locale, where "if" would upper-case to "İF"
                      NumberCase{"if(1, 2, 3)", 2}, NumberCase{"int(7.9) mod 4", 3},
                      NumberCase{"not 0 and 1", 1}, NumberCase{"round(frac(1.75) * 4)", 3},
                      // equal priorities associate from the left; comparisons after arithmetic
                      NumberCase{"2 * 3 MOD 4", 2}, NumberCase{"12 / 4 * 3", 9}, NumberCase{"2 = 1 + 1", 1},
                      NumberCase{"NOT 1 = 0", 1}, NumberCase{"-(2 + 3) * 2", -10}, NumberCase{"ROUND(-2.5)", -2},
                      NumberCase{"ROUND(0.5)", 0}, NumberCase{"INT(7.9) + FRAC(0.25)", 7.25},
                      NumberCase{".5 + ,25", 0.75}, NumberCase{"1.5 + 1,5", 3}, NumberCase{"'b' > 'a'", 1},
                      NumberCase{"IF(-1, 1, 2)", 2}, NumberCase{"IF(1.9, 1, 2)", 1}, NumberCase{"IF('3', 1, 2)", 1},
                      NumberCase{"COPY(12345, 2, 2) + 1", 24}));

struct TextCase {
    const char* expression;
    const char* expected;
};

class ParserTexts : public ::testing::TestWithParam<TextCase> {};

TEST_P(ParserTexts, Evaluates)
{
    ParserUnderTest p;
    const Variant v = p.Calc(QString::fromUtf8(GetParam().expression));
    EXPECT_TRUE(v.IsString()) << GetParam().expression;
    EXPECT_EQ(v.AsString(), QString::fromUtf8(GetParam().expected)) << GetParam().expression;
}

INSTANTIATE_TEST_SUITE_P(Texts, ParserTexts,
                         ::testing::Values(TextCase{"'ab' + 'cd'", "abcd"}, TextCase{"STR(5) + 'x'", "5x"},
                                           TextCase{"'it''s'", "it's"}, TextCase{"''", ""},
                                           TextCase{"COPY('abcdef', 2, 3)", "bcd"},
                                           TextCase{"COPY('abc', 3, 9)", "c"},
                                           TextCase{"COPY('it''s', 2, 3)", "t's"},
                                           TextCase{"IF(2 > 1, 'yes', 'no')", "yes"},
                                           TextCase{"IF(0, 'yes', 'no')", "no"},
                                           TextCase{"IF(1,'it''s','x')", "it's"},
                                           TextCase{"'a (b' + 'ç'", "a (bç"}, TextCase{"STR(1.5)", "1,5"},
                                           TextCase{"COPY('abc', 0, 2)", "ab"}, TextCase{"COPY('abc', 4, 1)", ""},
                                           TextCase{"COPY('abc', 2, 0)", ""},
                                           // a run of quotes collapses to one before the outer pair goes
                                           TextCase{"'a'''", "a"}, TextCase{"STR(1/4)", "0,25"}));

TEST(Parser, DateAndTimeLiterals)
{
    ParserUnderTest p;
    EXPECT_DOUBLE_EQ(p.Calc("%D'01.02.2005'").AsDate(), EncodeDate(2005, 2, 1));
    EXPECT_DOUBLE_EQ(p.Calc("%d'01.02.2005' + 1").AsFloat(), EncodeDate(2005, 2, 2));
    EXPECT_NEAR(static_cast<double>(p.Calc("%T'12:00:00'").AsFloat()), 0.5, 1e-9);
    EXPECT_THROW(p.Calc("%D'31.02.2005'"), EConvertError);
}

TEST(Parser, NamesGoToTheValueHandler)
{
    ParserUnderTest p;
    p.Calc("[PAGE#] + 1");
    p.Calc("abc + 1");
    p.Calc("[A[B]C]");
    p.Calc("NOT[X]");
    EXPECT_EQ(p.askedNames, (QStringList{"PAGE#", "ABC", "A[B]C", "NOT[X]"}));
    EXPECT_EQ(p.Calc("NOT [X]").AsInteger(), 0);
    p.askedNames.clear();
    p.Calc("\"Kayıt no\" + isim");
    EXPECT_EQ(p.askedNames, (QStringList{"\"KAYIT NO\"", "ISIM"}));
}

TEST(Parser, PostfixForms)
{
    TfrParser parser;
    const std::pair<QString, QString> cases[] = {
        {"2+3*4", "2 3 4 *+"},
        {"(2+3)*4", "2 3 +4 *"},
        {"-2*3", QString("2 3 *") + QChar(9)},
        // the unary minus pops the pending "*", which is left without its second operand
        {"2*-3", QString("2 *3 ") + QChar(9)},
        {"a >= 'x''y'", QString("a 'x''y' ") + QChar(1)},
        {"%D'01.02.2005'", "%D'01.02.2005' "},
        {"NOT [X]", QString("[X] ") + QChar(12)},
        {"1 + 2; 3", "1 2 +"},
        {"7 MOD 3", QString("7 3 ") + QChar(13)},
        {"A = 1 OR B = 2", QString("A 1 B ") + QChar(4) + "=2 ="},
        {"INT(x) <> 0", QString("x ") + QChar(6) + "0 " + QChar(3)},
        {"[A] <= -1", QString("[A] 1 ") + QChar(9) + QChar(2)},
        {"+[A]", QString("[A] ") + QChar(10)},
        {"(1", "1 ("},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(parser.TranslateToPostfix(in), out) << in.toStdString();
}

TEST(Parser, FunctionsRunAtTranslationWithSourceTextArguments)
{
    ParserUnderTest p;
    p.functionResult = "123.45";
    const QString postfix = p.parser.TranslateToPostfix("f(1+2, 'a') * 2");
    EXPECT_EQ(p.calls, QStringList{"F|1+2| 'a'|"});
    EXPECT_DOUBLE_EQ(static_cast<double>(p.parser.EvaluatePostfix(postfix).AsFloat()), 246.9);
    EXPECT_DOUBLE_EQ(static_cast<double>(p.parser.EvaluatePostfix(postfix).AsFloat()), 246.9);
    EXPECT_EQ(p.calls.size(), 1);

    const std::pair<QString, QString> results[] = {
        {"'x'", "x"}, {"'it's'", "it's"}, {"'a' + 'b'", "a' + 'b"}, {"", ""}};
    for (const auto& [answer, text] : results) {
        p.functionResult = answer;
        EXPECT_EQ(p.Calc("F()").AsString(), text) << answer.toStdString();
    }
    p.functionResult = "%d'01.02.2005'";
    EXPECT_DOUBLE_EQ(p.Calc("F(0)").AsDate(), EncodeDate(2005, 2, 1));
    p.functionResult = "";
    EXPECT_TRUE(p.Calc("F(0)").IsEmpty());
}

TEST(Parser, FunctionResultsAreSourceText)
{
    ParserUnderTest p;
    p.functionResult = "2+3";
    EXPECT_EQ(p.Calc("F() * 2").AsInteger(), 10);  // spliced as (2+3)
    p.functionResult = "A";
    EXPECT_EQ(p.Calc("F(9) + 1").AsInteger(), 2);  // a name in the answer is asked for when evaluated
    EXPECT_EQ(p.askedNames, QStringList{"A"});
    // COPY and IF calculate their arguments at once; a call inside them is made then.
    p.functionResult = "'xyz'";
    p.calls.clear();
    EXPECT_EQ(p.Calc("COPY(F(1), 2, 1)").AsString(), "y");
    EXPECT_EQ(p.calls, QStringList{"F|1||"});
    // IF splices the chosen text as written: only the call of that branch is made.
    p.calls.clear();
    EXPECT_EQ(p.Calc("IF(0, F(1), F(2))").AsString(), "xyz");
    EXPECT_EQ(p.calls, QStringList{"F|2||"});
    EXPECT_THROW(p.Calc("IF('x', 1, 2)"), EConvertError);
    EXPECT_THROW(p.Calc("COPY('abc', 1.5, 1)"), EConvertError);
}

TEST(Parser, EvaluatingPostfixAsWritten)
{
    ParserUnderTest p;
    // A value handler gets the stack slot as an earlier operand left it: Q is not set by the handler,
    // so it keeps the 2 that stood there before "+" took it.
    EXPECT_EQ(p.Calc("1 + 2 + Q").AsInteger(), 5);
    EXPECT_EQ(p.Calc("Q").AsString(), "");
    // The character after a literal or a name is the blank that ends it, and is skipped unread.
    EXPECT_EQ(p.parser.EvaluatePostfix("'ab'X'cd' +").AsString(), "abcd");
    EXPECT_EQ(p.parser.EvaluatePostfix("A*B +").AsInteger(), 3);
    EXPECT_EQ(p.parser.EvaluatePostfix("%t'06:00' ").AsFloat(), 0.25L);
    EXPECT_TRUE(p.parser.EvaluatePostfix("").IsEmpty());
}

TEST(Parser, MalformedExpressionsRaiseTheParserError)
{
    ParserUnderTest p;
    const char* bad[] = {
        "2*-3",                                 // "*" left without its second operand
        "1+(2+(3+(4+(5+(6+(7+(8+(9+1))))))))",  // nine operands pending
        "F(1, 2, 3, 4)",                        // a fourth argument
        "*",
        "(2+3",                                 // an unclosed parenthesis
    };
    for (const char* e : bad)
        EXPECT_THROW(p.Calc(e), EParserError) << e;
    EXPECT_THROW(p.parser.EvaluatePostfix("1 ("), EParserError);
    EXPECT_THROW(p.Calc("1 + 'x'"), EConvertError);
    EXPECT_THROW(p.Calc("COPY('abc', 'x', 1)"), EConvertError);
    EXPECT_EQ(p.Calc("1+(2+(3+(4+(5+(6+(7+8))))))").AsInteger(), 36);  // eight pending is the limit
}

TEST(TokenReaders, BracketsQuotesAndNames)
{
    struct BracketCase {
        QString text;
        int start;
        int stop;
        QString name;
    };
    const BracketCase brackets[] = {
        {"[A[B]C]", 1, 7, "A[B]C"}, {"x [a']'b] y", 3, 9, "a']'b"}, {"[\"]\"]", 1, 5, "\"]\""},
        {"abc", 1, 1, ""},          {"", 1, 1, ""},
        {"x[y]z", 2, 4, "y"},       {"['a\"b]' \"]\"]", 1, 12, "'a\"b]' \"]\""},
        // unclosed: Stop is the last character, and the name stops before it
        {"[abc", 1, 4, "ab"},
    };
    for (const BracketCase& c : brackets) {
        int start = c.start, stop = 0;
        QString name;
        frExtractBracketedName(c.text, start, stop, name);
        EXPECT_EQ(stop, c.stop) << c.text.toStdString();
        EXPECT_EQ(name, c.name) << c.text.toStdString();
    }

    const std::pair<QString, QString> quotes[] = {{"'it's'", "'it''s'"}, {"''", "''"}, {"'''", "''''"},
                                                  {"abc'd", "abc'd"}, {"'a'", "'a'"}};
    for (auto [in, out] : quotes) {
        frDoubleInnerQuotes(in);
        EXPECT_EQ(in, out);
    }

    int pos = 3;
    EXPECT_EQ(TfrParser::ReadName("1+  \"Ad Soyad\"*2", pos), "\"Ad Soyad\"");
    EXPECT_EQ(pos, 15);
    pos = 1;
    EXPECT_EQ(TfrParser::GetQuotedString("'a''b' + 1", pos), "'a''b'");
    EXPECT_EQ(pos, 7);
    pos = 1;
    QString p1, p2, p3;
    TfrParser::SplitArguments("(a(1,2), 'x,y' ,c) rest", pos, p1, p2, p3);
    EXPECT_EQ(p1, "a(1,2)");
    EXPECT_EQ(p2, " 'x,y' ");
    EXPECT_EQ(p3, "c");
    EXPECT_EQ(pos, 19);
    // Texts that end too early: each reader stops at the end.
    pos = 1;
    EXPECT_EQ(TfrParser::GetQuotedString("'ab''", pos), "'ab''");
    pos = 2;
    EXPECT_EQ(TfrParser::ReadName("x\"a b+c", pos), "\"a b+c");
    pos = 1;
    TfrParser::SplitArguments("(a, (b)", pos, p1, p2, p3);
    EXPECT_EQ(p1, "a");
    EXPECT_EQ(p2, " (b)");
    EXPECT_EQ(p3, "");
    // Parentheses count even inside quotes.
    pos = 1;
    TfrParser::SplitArguments("('a)b', 1)", pos, p1, p2, p3);
    EXPECT_EQ(p1, "'a");
    EXPECT_EQ(pos, 5);
}

}  // namespace
