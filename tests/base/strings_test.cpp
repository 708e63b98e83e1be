#include "base/string_list.h"
#include "base/strings.h"

#include "case_table.h"

#include <QRegularExpression>

namespace {
QString Unescaped(QString text)
{
    static const QRegularExpression escape(R"(\\(t|r|n|x[0-9A-Fa-f]{2}|u[0-9A-Fa-f]{4}))");
    for (auto m = escape.match(text); m.hasMatch(); m = escape.match(text, m.capturedStart() + 1)) {
        const QString e = m.captured(1);
        const QChar c = e == "t" ? u'\t' : e == "r" ? u'\r' : e == "n" ? u'\n' : QChar(e.mid(1).toUShort(nullptr, 16));
        text.replace(m.capturedStart(), m.capturedLength(), c);
    }
    return text;
}

QStringList Items(const QString& field)
{
    return field == "<none>" ? QStringList() : Unescaped(field).split('|');
}

int Sign(int v) { return (v > 0) - (v < 0); }
}  // namespace

TEST(Strings, CaseOrderCopyQuotesAndCommaTexts)
{
    for (const CaseLine& c : ReadCases("base/strings.txt", 4)) {
        SCOPED_TRACE(c.where.toStdString());
        const QString a = Unescaped(c[1]), b = Unescaped(c[2]), expected = Unescaped(c[3]);
        if (c[0] == "AnsiCase") {
            EXPECT_EQ(AnsiUpperCase(a), b);
            EXPECT_EQ(AnsiLowerCase(b), a);
        } else if (c[0] == "Order") {
            const QStringList signs = c[3].split(' ');
            EXPECT_EQ(Sign(AnsiCompareText(a, b)), signs[0].toInt());
            EXPECT_EQ(Sign(AnsiCompareText(b, a)), -signs[0].toInt());
            EXPECT_EQ(Sign(AnsiCompareStr(a, b)), signs[1].toInt());
        } else if (c[0] == "Copy") {
            EXPECT_EQ(Copy("abcdef", a.toInt(), b.toInt()), expected);
        } else if (c[0] == "Dequoted") {
            EXPECT_EQ(AnsiDequotedStr(a, u'\''), expected);
        } else if (c[0].startsWith("Trim")) {
            EXPECT_EQ(c[0] == "Trim" ? Trim(a) : c[0] == "TrimLeft" ? TrimLeft(a) : TrimRight(a), expected);
        } else if (c[0] == "CommaText") {
            EXPECT_EQ(TStringList(Items(c[1])).CommaText(), expected);
            TStringList back;
            back.SetCommaText(expected);
            EXPECT_EQ(back.ToQStringList(), Items(c[1]));
        } else {
            TStringList list;
            c[0] == "SetText" ? list.SetText(a) : list.SetCommaText(a);
            EXPECT_EQ(list.ToQStringList(), Items(c[3]));
        }
    }
}

TEST(Strings, PlainCaseFoldsAsciiOnly)
{
    EXPECT_EQ(UpperCase("istanbul çay"), "ISTANBUL çAY");
    EXPECT_EQ(LowerCase("İZMİR IĞDIR"), "İzmİr iĞdir");
    EXPECT_TRUE(SameText("Memo1", "MEMO1"));
    EXPECT_FALSE(SameText("ı", "I"));
    EXPECT_LT(CompareText("abc", "ABD"), 0);
    EXPECT_GT(CompareText("abcd", "ABC"), 0);
    EXPECT_EQ(Pos("b", "abcb"), 2);
    EXPECT_EQ(Pos("x", "abc"), 0);
    EXPECT_EQ(Pos(QString(), "abc"), 0);
    EXPECT_EQ(QuotedStr("it's"), "'it''s'");
    EXPECT_EQ(QuotedStr(QString()), "''");
}
