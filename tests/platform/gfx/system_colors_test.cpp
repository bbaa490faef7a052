#include "platform/gfx/system_colors.h"

#include <gtest/gtest.h>

using namespace plat::gfx;

TEST(SystemColors, CodesTranslateToTheirRgb)
{
    resetSystemColors();
    EXPECT_EQ(translateColor(0x8000000Fu), systemColor(ColorBtnFace));
    EXPECT_EQ(translateColor(0x8000000Du), rgb(51, 153, 255)); // highlight
    EXPECT_EQ(translateColor(0x80000005u), rgb(255, 255, 255)); // window
    EXPECT_EQ(toRgb(systemColorCode(ColorWindowText)), 0u);
}

TEST(SystemColors, PlainColoursPassUnchanged)
{
    EXPECT_EQ(translateColor(0x00C56A31u), 0x00C56A31u);
    EXPECT_EQ(translateColor(0u), 0u);
    EXPECT_EQ(translateColor(0x02123456u), 0x00123456u); // palette-relative
}

TEST(SystemColors, UnknownCodesAreRefused)
{
    EXPECT_EQ(translateColor(0x80000040u), std::nullopt);
    EXPECT_EQ(translateColor(0x40123456u), std::nullopt);
    EXPECT_EQ(toRgb(0x80000040u), 0x000040u);
}

TEST(SystemColors, ChangedColourIsSeenByTranslation)
{
    setSystemColor(ColorHighlight, rgb(1, 2, 3));
    EXPECT_EQ(toRgb(0x8000000Du), rgb(1, 2, 3));
    resetSystemColors();
    EXPECT_EQ(toRgb(0x8000000Du), rgb(51, 153, 255));
}
