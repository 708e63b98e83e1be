#include "base/fonts.h"

#include <QFontInfo>

#include <gtest/gtest.h>

struct FontCase {
    const char* windowsName;
    const char* family;
};

class FontResolution : public ::testing::TestWithParam<FontCase> {};

TEST_P(FontResolution, QtResolvesTheMetricCompatibleFamily)
{
    QFont font = MakeFont(GetParam().windowsName, -11);
    EXPECT_EQ(QFontInfo(font).family().toStdString(), GetParam().family);
}

INSTANTIATE_TEST_SUITE_P(Windows, FontResolution,
                         ::testing::Values(FontCase{"Courier New", "Liberation Mono"},
                                           FontCase{"Arial", "Liberation Sans"},
                                           FontCase{"Times New Roman", "Liberation Serif"},
                                           FontCase{"Times New Roman Tur", "Liberation Serif"},
                                           FontCase{"Tahoma", "Tahoma"}));

TEST(Fonts, NegativeHeightIsTheCharacterHeight)
{
    EXPECT_EQ(MakeFont("Courier New", -11).pixelSize(), 11);
    QFont bold = MakeFont("Tahoma", -11, 2 | 4);
    EXPECT_TRUE(bold.bold());
    EXPECT_TRUE(bold.underline());
    EXPECT_FALSE(bold.italic());
}
