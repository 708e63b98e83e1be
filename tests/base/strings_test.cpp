#include "base/strings.h"

#include <gtest/gtest.h>

TEST(Strings, TurkishCaseMapping)
{
    struct Case {
        const char* lower;
        const char* upper;
    };
    const Case cases[] = {
        {"istanbul ılık", "İSTANBUL ILIK"},
        {"ığdır izmir", "IĞDIR İZMİR"},
        {"çğöşü âîû", "ÇĞÖŞÜ ÂÎÛ"},
        {"ÿ 12,5 ß", "Ÿ 12,5 ß"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AnsiUpperCase(QString::fromUtf8(c.lower)), QString::fromUtf8(c.upper));
        EXPECT_EQ(AnsiLowerCase(QString::fromUtf8(c.upper)), QString::fromUtf8(c.lower));
    }
}

TEST(Strings, PlainCaseFoldsAsciiOnly)
{
    EXPECT_EQ(UpperCase(QStringLiteral("istanbul çay")), QStringLiteral("ISTANBUL çAY"));
    EXPECT_EQ(LowerCase(QStringLiteral("İZMİR IĞDIR")), QStringLiteral("İzmİr iĞdir"));
    EXPECT_TRUE(SameText(QStringLiteral("Memo1"), QStringLiteral("MEMO1")));
    EXPECT_FALSE(SameText(QStringLiteral("ı"), QStringLiteral("I")));
    EXPECT_LT(CompareText(QStringLiteral("abc"), QStringLiteral("ABD")), 0);
    EXPECT_GT(CompareText(QStringLiteral("abcd"), QStringLiteral("ABC")), 0);
}

TEST(Strings, TurkishOrder)
{
    struct Case {
        const char* a;
        const char* b;
        int text;  // sign of AnsiCompareText
        int str;   // sign of AnsiCompareStr
    };
    const Case cases[] = {
        {"istanbul", "İSTANBUL", 0, -1},
        {"ılık", "ILIK", 0, -1},
        {"I", "i", -1, -1},  // I is the capital of ı, which comes before i
        {"c", "ç", -1, -1},
        {"çay", "dere", -1, -1},
        {"ğ", "h", -1, -1},
        {"ozan", "öz", -1, -1},
        {"öz", "pz", -1, -1},
        {"şu", "tu", -1, -1},
        {"ü", "v", -1, -1},
        {"a", "ab", -1, -1},
        {"hala", "hâlâ", -1, -1},    // the circumflex only breaks a tie
        {"hâlâ", "halaz", -1, -1},
        {"10", "a", -1, -1},
        {"a b", "ab", -1, -1},
        {"Ali", "ali", 0, 1},
    };
    auto sign = [](int v) { return (v > 0) - (v < 0); };
    for (const Case& c : cases) {
        const QString a = QString::fromUtf8(c.a), b = QString::fromUtf8(c.b);
        EXPECT_EQ(sign(AnsiCompareText(a, b)), c.text) << c.a << " / " << c.b;
        EXPECT_EQ(sign(AnsiCompareText(b, a)), -c.text) << c.b << " / " << c.a;
        EXPECT_EQ(sign(AnsiCompareStr(a, b)), c.str) << c.a << " / " << c.b;
    }
}

TEST(Strings, TrimPosCopy)
{
    EXPECT_EQ(Trim(QStringLiteral("\t a b \r\n")), QStringLiteral("a b"));
    EXPECT_EQ(TrimLeft(QStringLiteral("\x01 a ")), QStringLiteral("a "));
    EXPECT_EQ(TrimRight(QStringLiteral(" a \x1f")), QStringLiteral(" a"));
    EXPECT_EQ(Trim(QStringLiteral(" \u00A0 ")), QStringLiteral("\u00A0"));  // only characters up to the blank

    EXPECT_EQ(Pos(QStringLiteral("b"), QStringLiteral("abcb")), 2);
    EXPECT_EQ(Pos(QStringLiteral("x"), QStringLiteral("abc")), 0);
    EXPECT_EQ(Pos(QString(), QStringLiteral("abc")), 0);

    struct Case {
        int index, count;
        const char* result;
    };
    const Case cases[] = {{2, 3, "bcd"}, {0, 2, "ab"}, {-5, 3, "abc"}, {5, 10, "ef"},
                          {6, 1, "f"},   {7, 1, ""},   {2, -1, ""},    {2, 0, ""}};
    for (const Case& c : cases)
        EXPECT_EQ(Copy(QStringLiteral("abcdef"), c.index, c.count), QString(c.result)) << c.index << "," << c.count;
}

TEST(Strings, Quoting)
{
    EXPECT_EQ(QuotedStr(QStringLiteral("it's")), QStringLiteral("'it''s'"));
    EXPECT_EQ(QuotedStr(QString()), QStringLiteral("''"));
    struct Case {
        const char* in;
        const char* out;
    };
    const Case cases[] = {
        {"'it''s'", "it's"}, {"abc", "abc"}, {"'abc", "'abc"}, {"'abc'def", "abc"},
        {"''", ""},          {"", ""},       {"'a''", "a'"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AnsiDequotedStr(QString(c.in), u'\''), QString(c.out)) << c.in;
}
