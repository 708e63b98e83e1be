#include "report/fr_pars.h"

#include "base/date_time.h"
#include "base/exceptions.h"

#include <QStringList>

#include "case_table.h"
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

}  // namespace

TEST(Parser, ValuesOfTheCaseTable)
{
    for (const CaseLine& c : ReadCases("report/parser_values.tsv", 2)) {
        ParserUnderTest p;
        const Variant v = p.Calc(c[0]);
        if (c[1].startsWith('"')) {
            EXPECT_TRUE(v.IsString()) << c.where.toStdString();
            EXPECT_EQ(v.AsString(), c[1].mid(1, c[1].size() - 2)) << c.where.toStdString();
        } else {
            EXPECT_TRUE(v.IsNumeric()) << c.where.toStdString();
            EXPECT_DOUBLE_EQ(static_cast<double>(v.AsFloat()), c[1].toDouble()) << c.where.toStdString();
        }
    }
}

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
    for (const CaseLine& c : ReadCases("report/parser_postfix.tsv", 2)) {
        QString out = c[1];
        for (int n = 13; n > 0; --n)
            out.replace(QStringLiteral("#%1").arg(n), QChar(n));
        EXPECT_EQ(parser.TranslateToPostfix(c[0]), out) << c.where.toStdString();
    }
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
