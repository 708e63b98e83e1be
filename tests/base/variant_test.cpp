#include "base/variant.h"

#include "base/exceptions.h"
#include "settings_fixture.h"
#include "error_of.h"

#include <functional>

namespace {
const TDateTime kFeb1 = 38384;  // 01.02.2005

struct OpCase {
    const char* name;
    std::function<Variant()> result;
    Variant::Type type;
    const char* text;
};

std::ostream& operator<<(std::ostream& os, const OpCase& c)
{
    return os << c.name;
}
}  // namespace

class VariantArithmetic : public TurkishSettingsTest, public ::testing::WithParamInterface<OpCase> {};

TEST_P(VariantArithmetic, TypeAndText)
{
    Variant r = GetParam().result();
    EXPECT_EQ(r.VarType(), GetParam().type);
    EXPECT_EQ(r.AsString().toStdString(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, VariantArithmetic,
    ::testing::Values(
        OpCase{"two strings join", [] { return Variant("ab") + Variant("cd"); }, Variant::varString, "abcd"},
        OpCase{"empty joins as text", [] { return Variant() + Variant("x"); }, Variant::varString, "x"},
        OpCase{"string and number add", [] { return Variant("5") + Variant(2); }, Variant::varDouble, "7"},
        OpCase{"number and string add", [] { return Variant(2) + Variant("1,5"); }, Variant::varDouble, "3,5"},
        OpCase{"two strings subtract", [] { return Variant("10") - Variant("2,5"); }, Variant::varDouble, "7,5"},
        OpCase{"empty is zero", [] { return Variant() + Variant(5); }, Variant::varInteger, "5"},
        OpCase{"null propagates", [] { return Variant::Null() + Variant(5); }, Variant::varNull, ""},
        OpCase{"null divides to null", [] { return Variant(5) / Variant::Null(); }, Variant::varNull, ""},
        OpCase{"qint64 is an integer", [] { return Variant(qint64(1) << 40) - Variant(1); }, Variant::varInteger,
               "1099511627775"},
        OpCase{"integers stay integers", [] { return Variant(3) * Variant(4); }, Variant::varInteger, "12"},
        OpCase{"overflow goes floating",
               [] { return Variant(std::numeric_limits<int64_t>::max()) + Variant(1); }, Variant::varDouble,
               "9,22337203685478E18"},
        OpCase{"division is floating", [] { return Variant(6) / Variant(3); }, Variant::varDouble, "2"},
        OpCase{"division keeps fraction", [] { return Variant(7) / Variant(2); }, Variant::varDouble, "3,5"},
        OpCase{"mod", [] { return Variant(7) % Variant(3); }, Variant::varInteger, "1"},
        OpCase{"mod keeps the dividend's sign", [] { return Variant(-7) % Variant(3); }, Variant::varInteger, "-1"},
        OpCase{"mod rounds floats half even", [] { return Variant(8.5) % Variant(3); }, Variant::varInteger, "2"},
        OpCase{"smallest mod -1",
               [] { return Variant(std::numeric_limits<int64_t>::min()) % Variant(-1); }, Variant::varInteger, "0"},
        OpCase{"true is -1", [] { return Variant(true) + Variant(1); }, Variant::varInteger, "0"},
        OpCase{"true times two", [] { return Variant(true) * Variant(2); }, Variant::varInteger, "-2"},
        OpCase{"date plus days", [] { return Variant::FromDate(kFeb1) + Variant(1); }, Variant::varDate,
               "02.02.2005"},
        OpCase{"date less half a day", [] { return Variant::FromDate(kFeb1) - Variant(0.5); }, Variant::varDate,
               "31.01.2005 12:00:00"},
        OpCase{"days between dates", [] { return Variant::FromDate(kFeb1 + 1) - Variant::FromDate(kFeb1); },
               Variant::varDouble, "1"},
        OpCase{"negated string", [] { return -Variant("2,5"); }, Variant::varDouble, "-2,5"},
        OpCase{"negated smallest integer", [] { return -Variant(std::numeric_limits<int64_t>::min()); },
               Variant::varDouble, "9,22337203685478E18"}));

TEST_F(TurkishSettingsTest, VariantErrors)
{
    const struct {
        std::function<Variant()> op;
        const char* message;
    } cases[] = {
        {[] { return Variant("abc") + Variant(1); }, "'abc' geçerli bir sayı değil"},
        {[] { return Variant("ab") - Variant("cd"); }, "'ab' geçerli bir sayı değil"},
        {[] { return Variant(5) % Variant(0); }, "Sıfıra bölme hatası"},
        {[] { return Variant(5) / Variant(0.0); }, "Sıfıra bölme hatası"},
        {[] { return Variant(Variant::Null().AsFloat()); }, "(Null) türündeki değer (Double) türüne dönüştürülemez"},
        {[] { return Variant(Variant("x").AsBoolean()); }, "'x' geçerli bir mantıksal değer değil"},
        {[] { return Variant(Variant("x").AsInteger()); }, "'x' geçerli bir tamsayı değil"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ErrorOf(c.op), c.message);
    EXPECT_THROW(Variant(5) % Variant(0), EZeroDivide);
    EXPECT_THROW(Variant::Compare(Variant("abc"), Variant(1)), EConvertError);
}

TEST_F(TurkishSettingsTest, VariantComparison)
{
    const struct {
        Variant a, b;
        int expected;
    } cases[] = {
        {2, 10, -1},          {"2", "10", 1},       {"2", 10, -1},        {1, 1.0, 0},
        {"a", "A", -1},       {"ç", "d", -1},       {"ab", "ab", 0},      {Variant(), 0, 0},
        {Variant(), "", 0},   {Variant::Null(), Variant::Null(), 0},    {Variant::Null(), -5, -1},
        {true, 0, -1},        {Variant::FromDate(kFeb1), 38383.5, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Variant::Compare(c.a, c.b), c.expected) << c.a.AsString().toStdString() << " ? "
                                                          << c.b.AsString().toStdString();
}

TEST_F(TurkishSettingsTest, VariantConversions)
{
    EXPECT_EQ(Variant::FromDate(kFeb1).AsString(), "01.02.2005");
    EXPECT_EQ(Variant::FromDate(kFeb1 + 0.75).AsString(), "01.02.2005 18:00:00");
    EXPECT_EQ(Variant(true).AsString(), "True");
    EXPECT_EQ(Variant(100.0L / 3).AsString(), "33,3333333333333");
    EXPECT_EQ(Variant(2.5).AsInteger(), 2);
    EXPECT_EQ(Variant("3,5").AsInteger(), 4);
    EXPECT_EQ(Variant(" 12").AsInteger(), 12);
    EXPECT_TRUE(Variant("true").AsBoolean());
    EXPECT_FALSE(Variant("0").AsBoolean());
    EXPECT_TRUE(Variant(-1).AsBoolean());
    EXPECT_EQ(Variant().AsFloat(), 0);
    EXPECT_EQ(Variant("01.02.2005").AsDate(), kFeb1);
}
