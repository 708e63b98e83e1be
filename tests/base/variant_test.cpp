#include "base/variant.h"

#include "base/exceptions.h"
#include "case_table.h"
#include "error_of.h"
#include "settings_fixture.h"

#include <functional>

namespace {
const TDateTime kFeb1 = 38384;  // 01.02.2005

// An operand as the case table writes it.
Variant Operand(const QString& t)
{
    if (t.startsWith('"'))
        return Variant(t.mid(1, t.size() - 2));
    if (t.startsWith("date:"))
        return Variant::FromDate(t.mid(5).toDouble());
    if (t == "null" || t == "empty")
        return t == "null" ? Variant::Null() : Variant();
    if (t == "true")
        return Variant(true);
    if (t == "max" || t == "min")
        return Variant(t == "max" ? std::numeric_limits<int64_t>::max() : std::numeric_limits<int64_t>::min());
    if (t == "1<<40")
        return Variant(qint64(1) << 40);
    return t.contains('.') ? Variant(t.toDouble()) : Variant(t.toInt());
}
}  // namespace

TEST_F(TurkishSettingsTest, VariantArithmeticAndComparison)
{
    const QStringList types = {"empty", "null", "integer", "double", "date", "string", "boolean"};
    for (const CaseLine& c : ReadCases("base/variant.txt", 5)) {
        SCOPED_TRACE(c.where.toStdString());
        const Variant a = Operand(c[0]), b = Operand(c[2]);
        const QChar op = c[1].at(0);
        const Variant r = c[0].isEmpty() ? -b
                          : op == '+'    ? a + b
                          : op == '-'    ? a - b
                          : op == '*'    ? a * b
                          : op == '/'    ? a / b
                          : op == '%'    ? a % b
                                         : Variant(Variant::Compare(a, b));
        EXPECT_EQ(types.value(r.VarType()), c[3]);
        EXPECT_EQ(r.AsString(), c[4]);
    }
}

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
