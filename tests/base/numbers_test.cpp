#include "base/numbers.h"

#include "base/exceptions.h"
#include "case_table.h"
#include "error_of.h"
#include "settings_fixture.h"

#include <locale>
#include <sstream>

namespace {
// Read in the C locale whatever the process runs under, to the full long double.
long double Number(const QString& text)
{
    std::istringstream in(text.toStdString());
    in.imbue(std::locale::classic());
    long double v = 0;
    in >> v;
    return v;
}

// "a/b" and "a+b" worked out in long double, or in double after "d:", as the code under test gets them.
long double ValueOf(QString text)
{
    const bool inDouble = text.startsWith("d:");
    if (inDouble)
        text.remove(0, 2);
    auto read = [inDouble](const QString& t) {
        return inDouble ? static_cast<long double>(double(Number(t))) : Number(t);
    };
    for (QChar op : {u'/', u'+'}) {
        if (const qsizetype at = text.indexOf(op); at > 0) {
            const long double a = read(text.left(at)), b = read(text.mid(at + 1));
            if (inDouble)
                return op == u'/' ? double(a) / double(b) : double(a) + double(b);
            return op == u'/' ? a / b : a + b;
        }
    }
    return read(text);
}
}  // namespace

TEST_F(TurkishSettingsTest, NumbersWrittenAndRead)
{
    const QStringList formats = {"ffGeneral", "ffExponent", "ffFixed", "ffNumber", "ffCurrency"};
    for (const CaseLine& c : ReadCases("base/numbers.txt", 4)) {
        SCOPED_TRACE(c.where.toStdString());
        if (c[0] == "FormatFloat") {
            EXPECT_EQ(FormatFloat(c[1], ValueOf(c[2])), c[3]);
        } else if (c[0] == "FloatToStr") {
            EXPECT_EQ(FloatToStr(ValueOf(c[2])), c[3]);
        } else if (c[0] == "FloatToStrF") {
            const QStringList f = c[1].split(' ');
            EXPECT_EQ(FloatToStrF(ValueOf(c[2]), TFloatFormat(formats.indexOf(f[0])), f[1].toInt(), f[2].toInt()),
                      c[3]);
        } else if (c[3].isEmpty()) {
            EXPECT_EQ(StrToFloat(c[1]), ValueOf(c[2]));
        } else {
            long double v = 0;
            EXPECT_FALSE(TryStrToFloat(c[1], v));
            EXPECT_EQ(ErrorOf<EConvertError>([&] { StrToFloat(c[1]); }), c[3]);
        }
    }
}

TEST_F(EnglishSettingsTest, SeparatorsFollowTheSettings)
{
    EXPECT_EQ(FormatFloat("#,##0.00", 1234.565L), "1,234.57");
    EXPECT_EQ(FloatToStr(100.0L / 3), "33.3333333333333");
    EXPECT_EQ(FloatToStrF(-1234.5L, ffCurrency, 15, 2), "($1,234.50)");
    EXPECT_EQ(StrToFloat("1.5"), 1.5L);
    EXPECT_THROW(StrToFloat("1,5"), EConvertError);
}

TEST_F(TurkishSettingsTest, Integers)
{
    EXPECT_EQ(StrToInt("42"), 42);
    EXPECT_EQ(StrToInt("  -7"), -7);
    EXPECT_EQ(StrToInt64("-9223372036854775808"), INT64_MIN);
    EXPECT_EQ(StrToInt64("2147483648"), 2147483648LL);
    EXPECT_EQ(StrToIntDef("2147483648", 9), 9);
    EXPECT_EQ(StrToIntDef("12 ", 9), 9);
    EXPECT_EQ(StrToIntDef("", 9), 9);
    EXPECT_EQ(IntToStr(-1234567), "-1234567");
    EXPECT_EQ(ErrorOf<EConvertError>([] { StrToInt("1,0"); }), "'1,0' geçerli bir tamsayı değil");
    EXPECT_THROW(StrToInt64("9223372036854775808"), EConvertError);
}

TEST(Rounding, HalvesGoToTheEvenNeighbour)
{
    const struct {
        long double value;
        int64_t round, trunc;
    } cases[] = {{2.5L, 2, 2}, {3.5L, 4, 3}, {-2.5L, -2, -2}, {-3.5L, -4, -3}, {0.5L, 0, 0},
                 {2.4999999L, 2, 2}, {-2.7L, -3, -2}, {1e15L + 0.5L, 1000000000000000LL, 1000000000000000LL}};
    for (const auto& c : cases) {
        EXPECT_EQ(Round(c.value), c.round) << double(c.value);
        EXPECT_EQ(Trunc(c.value), c.trunc) << double(c.value);
    }
    EXPECT_EQ(Int(-2.5L), -2.0L);
    EXPECT_EQ(Frac(2.75L), 0.75L);
    EXPECT_EQ(Frac(-2.75L), -0.75L);
    EXPECT_THROW(Round(1e19L), EMathError);
}
