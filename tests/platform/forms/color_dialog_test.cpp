#include "common_dialog_fixture.h"
#include "platform/forms/color_dialog.h"
#include "platform/forms/color_grid.h"
#include "platform/forms/color_spectrum.h"
#include "platform/forms/label.h"
#include "platform/forms/text_box.h"

namespace plat::forms::testing {

using namespace plat::win;

class ColorDialogTest : public CommonDialogTest {
protected:
    ColorDialogTest() { ColorDialog::customColors().fill(0xFFFFFF); }
    ColorDialog& shown() { return *ColorDialog::current(); }
    gfx::Point cell(const ColorGrid& grid, int index)
    {
        gfx::Rect r = grid.cellRect(index);
        gfx::Point o = ClientToScreen(grid.hwnd(), {0, 0});
        return {o.x + (r.left + r.right) / 2, o.y + (r.top + r.bottom) / 2};
    }
    std::vector<std::string> numbers()
    {
        std::vector<std::string> out;
        for (int i = 0; i < 6; ++i)
            out.push_back(shown().numberBox(i).text());
        return out;
    }
};

TEST(ColorModels, HueSaturationLuminanceOnTheDialogsScales)
{
    struct Case {
        gfx::Color rgb;
        Hsl hsl;
    };
    const Case cases[] = {
        {0x0000FF, {0, 240, 120}},   // red
        {0x00FF00, {80, 240, 120}},  // green
        {0xFF0000, {160, 240, 120}}, // blue
        {0xFFFFFF, {0, 0, 240}},
        {0x000000, {0, 0, 0}},
        {0x808080, {0, 0, 120}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(rgbToHsl(c.rgb), c.hsl) << std::hex << c.rgb;
        EXPECT_EQ(hslToRgb(c.hsl), c.rgb) << std::hex << c.rgb;
    }
    // Round trips of arbitrary colours stay within a step of the scales.
    for (gfx::Color c : {0x30AB48u, 0x404000u, 0xFFFF00u, 0x123456u}) {
        gfx::Color back = hslToRgb(rgbToHsl(c));
        EXPECT_LE(std::abs(gfx::redOf(back) - gfx::redOf(c)), 3);
        EXPECT_LE(std::abs(gfx::greenOf(back) - gfx::greenOf(c)), 3);
        EXPECT_LE(std::abs(gfx::blueOf(back) - gfx::blueOf(c)), 3);
    }
}

TEST_F(ColorDialogTest, StartsFromTheColourWithRgbInitOpenFullAndAnswersABasicColour)
{
    dialog->setColor(0x0000FF);
    dialog->setFlags(cdlCCRGBInit | cdlCCFullOpen); // 3
    std::vector<std::string> before;
    int selectedBasic = -2;
    bool spectrumShown = false;
    whenIdle({
        [&] {
            before = numbers();
            selectedBasic = shown().basicGrid().selected();
            spectrumShown = IsWindowVisible(shown().spectrum().hwnd());
            EXPECT_EQ(shown().preview().backColor(), 0x0000FFu);
            queueClick(cell(shown().basicGrid(), 8 * 4 + 5)); // row 4, the blue column
        },
        [&] { queueClick(centre(shown().okButton())); },
    });
    ASSERT_TRUE(dialog->showColor());
    EXPECT_EQ(before, (std::vector<std::string>{"0", "240", "120", "255", "0", "0"}));
    EXPECT_EQ(selectedBasic, 8 * 3); // pure red is a basic colour
    EXPECT_TRUE(spectrumShown);
    EXPECT_EQ(dialog->color(), ColorDialog::basicColors()[8 * 4 + 5]);
}

TEST_F(ColorDialogTest, CancelKeepsTheColourAndWithoutRgbInitTheDialogStartsBlack)
{
    dialog->setColor(0x404000);
    dialog->setFlags(0);
    gfx::Color startedWith = 1;
    bool spectrumShown = true;
    whenIdle({
        [&] {
            startedWith = shown().color();
            spectrumShown = IsWindowVisible(shown().spectrum().hwnd());
            queueClick(cell(shown().basicGrid(), 0));
        },
        [&] { queueKey(VK_ESCAPE); },
    });
    EXPECT_FALSE(dialog->showColor());
    EXPECT_EQ(startedWith, 0u);
    EXPECT_FALSE(spectrumShown); // compact without cdlCCFullOpen
    EXPECT_EQ(dialog->color(), 0x404000u);
    dialog->setCancelError(true);
    whenIdle({[&] { queueClick(centre(shown().cancelButton())); }});
    EXPECT_THROW(dialog->showColor(), CommonDialogCancelled);
    EXPECT_EQ(dialog->color(), 0x404000u);
}

TEST_F(ColorDialogTest, TypedNumbersTheSpectrumAndTheLuminanceBarSetTheColour)
{
    dialog->setFlags(cdlCCRGBInit);
    dialog->setColor(0);
    std::vector<std::string> afterRgb, afterSpectrum;
    gfx::Color afterLuminance = 0;
    whenIdle({
        [&] { queueClick(centre(shown().defineButton())); }, // opens the full part
        [&] {
            EXPECT_TRUE(shown().fullOpen());
            EXPECT_FALSE(shown().defineButton().enabled());
            TextBox& red = shown().numberBox(3);
            queueClick(centre(red));
            queueKey(VK_END);
            queueKey(VK_BACK);
            queueText("72");
            TextBox& green = shown().numberBox(4);
            queueClick(centre(green));
            queueKey(VK_BACK);
            queueText("171x"); // letters are refused
            TextBox& blue = shown().numberBox(5);
            queueClick(centre(blue));
            queueKey(VK_BACK);
            queueText("48");
        },
        [&] {
            afterRgb = numbers();
            EXPECT_EQ(shown().color(), 0x30AB48u);
            EXPECT_EQ(shown().preview().backColor(), 0x30AB48u);
            // A click in the spectrum at hue 160, saturation 240 gives blue at this luminance.
            gfx::Point at = shown().spectrum().pointOf(160, 240);
            gfx::Point o = ClientToScreen(shown().spectrum().hwnd(), {0, 0});
            queueClick({o.x + at.x, o.y + at.y});
        },
        [&] {
            afterSpectrum = numbers();
            LuminanceBar& bar = shown().luminanceBar();
            gfx::Point o = ClientToScreen(bar.hwnd(), {0, 0});
            queueClick({o.x + 4, o.y + bar.yOf(240)}); // the top: white
        },
        [&] {
            afterLuminance = shown().color();
            queueKey(VK_RETURN);
        },
    });
    ASSERT_TRUE(dialog->showColor());
    EXPECT_EQ(afterRgb[3], "72");
    EXPECT_EQ(afterRgb[4], "171");
    EXPECT_EQ(afterRgb[5], "48");
    EXPECT_EQ(afterSpectrum[0], "160");
    EXPECT_EQ(afterSpectrum[1], "240");
    EXPECT_EQ(afterLuminance, 0xFFFFFFu);
    EXPECT_EQ(dialog->color(), 0xFFFFFFu);
}

TEST_F(ColorDialogTest, CustomColoursLastBetweenUses)
{
    dialog->setFlags(cdlCCRGBInit | cdlCCFullOpen);
    dialog->setColor(0x00FFFF);
    whenIdle({
        [&] { queueClick(centre(shown().addButton())); },
        [&] { queueKey(VK_ESCAPE); },
    });
    EXPECT_FALSE(dialog->showColor());
    EXPECT_EQ(ColorDialog::customColors()[0], 0x00FFFFu);
    gfx::Color custom0 = 0;
    whenIdle({
        [&] {
            custom0 = shown().customGrid().colors()[0];
            queueClick(cell(shown().customGrid(), 0));
        },
        [&] { queueKey(VK_RETURN); },
    });
    dialog->setColor(0);
    ASSERT_TRUE(dialog->showColor());
    EXPECT_EQ(custom0, 0x00FFFFu);
    EXPECT_EQ(dialog->color(), 0x00FFFFu);
}

TEST_F(ColorDialogTest, TheArrowsMoveThroughTheBasicColours)
{
    dialog->setFlags(0);
    whenIdle({
        [&] { queueClick(cell(shown().basicGrid(), 9)); },
        [&] {
            queueKey(VK_RIGHT);
            queueKey(VK_DOWN);
        },
        [&] {
            EXPECT_EQ(shown().basicGrid().selected(), 18);
            queueKey(VK_RETURN);
        },
    });
    ASSERT_TRUE(dialog->showColor());
    EXPECT_EQ(dialog->color(), ColorDialog::basicColors()[18]);
}

} // namespace plat::forms::testing
