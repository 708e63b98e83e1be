#include "base/numbers.h"

#include "base/exceptions.h"
#include "settings_fixture.h"

struct FormatCase {
    const char* pattern;
    long double value;
    const char* expected;
};

class FormatFloatTest : public TurkishSettingsTest, public ::testing::WithParamInterface<FormatCase> {};

TEST_P(FormatFloatTest, Pattern)
{
    EXPECT_EQ(FormatFloat(GetParam().pattern, GetParam().value).toStdString(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Turkish, FormatFloatTest,
    ::testing::Values(
        FormatCase{"#,##0.00", 1234.565L, "1.234,57"},
        // Extended 1.005 is a hair below the half but reads as 1.005 at 18 digits; the double is further below.
        FormatCase{"0.00", 1.005L, "1,01"}, FormatCase{"0.00", static_cast<double>(1.005), "1,00"},
        FormatCase{"#,##0.00", -0.005L, "-0,01"},
        FormatCase{"#,##0.00", -0.004L, "0,00"},
        FormatCase{"#,##0.00", 0, "0,00"},
        FormatCase{"#,##0.00", 1e15L, "1.000.000.000.000.000,00"},
        FormatCase{"#,##0.00", -1234567.891L, "-1.234.567,89"},
        FormatCase{"#,##0.00", 1e18L, "1E18"},
        FormatCase{"0.00", 0.125L, "0,13"},  // an exact binary half goes away from zero
        FormatCase{"#,##0", 2.5L, "3"}, FormatCase{"#,##0", 999.5L, "1.000"}, FormatCase{"#,##0", 123, "123"},
        FormatCase{"###.##", 1234.5L, "1234,5"}, FormatCase{"###.##", 5, "5"}, FormatCase{"###.##", 0.5L, ",5"},
        FormatCase{"###.##", 0, ""},
        FormatCase{"#,###.##", 1234567.125L, "1.234.567,13"},
        FormatCase{"000", 7, "007"},
        FormatCase{"\"Toplam: \"#,##0.00' TL'", 1234.5L, "Toplam: 1.234,50 TL"},
        FormatCase{"#,##0.00;(#,##0.00);\"sıfır\"", -1234.5L, "(1.234,50)"},
        FormatCase{"#,##0.00;(#,##0.00);\"sıfır\"", 0.001L, "sıfır"},
        FormatCase{"#,##0.00;(#,##0.00);\"sıfır\"", 5, "5,00"},
        FormatCase{"0.00;;\"yok\"", -3, "-3,00"},
        FormatCase{"0.00E+00", 1234.5L, "1,23E+03"},
        FormatCase{"", 2.5L, "2,5"}));

struct FloatToStrCase {
    long double value;
    const char* expected;
};

class FloatToStrTest : public TurkishSettingsTest, public ::testing::WithParamInterface<FloatToStrCase> {};

TEST_P(FloatToStrTest, FifteenSignificantDigits)
{
    EXPECT_EQ(FloatToStr(GetParam().value).toStdString(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Turkish, FloatToStrTest,
    ::testing::Values(FloatToStrCase{100.0L / 3, "33,3333333333333"}, FloatToStrCase{0.1L + 0.2L, "0,3"},
                      FloatToStrCase{static_cast<long double>(0.1 + 0.2), "0,3"},
                      FloatToStrCase{2.0L / 3, "0,666666666666667"},
                      FloatToStrCase{123456789012345.0L, "123456789012345"},
                      FloatToStrCase{999999999999999.5L, "1E15"}, FloatToStrCase{1e15L, "1E15"},
                      FloatToStrCase{0.0001L, "0,0001"}, FloatToStrCase{0.00001L, "1E-5"},
                      FloatToStrCase{-2.5L, "-2,5"}, FloatToStrCase{0, "0"}));

TEST_F(TurkishSettingsTest, FloatToStrFFormats)
{
    EXPECT_EQ(FloatToStrF(1234.5678L, ffFixed, 15, 2), "1234,57");
    EXPECT_EQ(FloatToStrF(1234.5678L, ffFixed, 4, 2), "1235,00");  // precision wins over digits
    EXPECT_EQ(FloatToStrF(-0.001L, ffFixed, 15, 2), "0,00");
    EXPECT_EQ(FloatToStrF(1234.5678L, ffNumber, 15, 2), "1.234,57");
    EXPECT_EQ(FloatToStrF(1234.5678L, ffNumber, 15, 0), "1.235");
    EXPECT_EQ(FloatToStrF(1234.5678L, ffExponent, 4, 2), "1,235E+03");
    EXPECT_EQ(FloatToStrF(1234.5678L, ffGeneral, 3, 0), "1,23E3");
    EXPECT_EQ(FloatToStrF(-1234.5L, ffCurrency, 15, 2), "-1.234,50 TL");
}

TEST_F(EnglishSettingsTest, SeparatorsFollowTheSettings)
{
    EXPECT_EQ(FormatFloat("#,##0.00", 1234.565L), "1,234.57");
    EXPECT_EQ(FloatToStr(100.0L / 3), "33.3333333333333");
    EXPECT_EQ(FloatToStrF(-1234.5L, ffCurrency, 15, 2), "($1,234.50)");
    EXPECT_EQ(StrToFloat("1.5"), 1.5L);
    EXPECT_THROW(StrToFloat("1,5"), EConvertError);
}

struct ReadCase {
    const char* text;
    long double expected;
};

class StrToFloatTest : public TurkishSettingsTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(StrToFloatTest, Reads)
{
    EXPECT_EQ(StrToFloat(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Turkish, StrToFloatTest,
                         ::testing::Values(ReadCase{"1,5", 1.5L}, ReadCase{"  12,25 ", 12.25L},
                                           ReadCase{"-3", -3}, ReadCase{"+7", 7}, ReadCase{",5", 0.5L},
                                           ReadCase{"5,", 5}, ReadCase{"1,5E3", 1500},
                                           ReadCase{"2e-2", 0.02L}));

TEST_F(TurkishSettingsTest, TextsThatAreNoNumber)
{
    for (const char* text : {"1,2,3", "", " ", "1.5", "1.000,5", "abc", "1 5", "1E", "-", "1e99999"}) {
        long double v = 0;
        EXPECT_FALSE(TryStrToFloat(text, v)) << text;
        try {
            StrToFloat(text);
            ADD_FAILURE() << "no error for " << text;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), QString("'%1' geçerli bir sayı değil").arg(text));
        }
    }
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
    try {
        StrToInt("1,0");
        ADD_FAILURE();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'1,0' geçerli bir tamsayı değil");
    }
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
