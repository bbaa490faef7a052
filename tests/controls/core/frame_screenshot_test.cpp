// Draws a test form with frames holding toggle buttons, check boxes and option buttons in their
// states, saves the screen (and the check boxes and the option buttons enlarged) and checks the
// saved pixels.
#include "choice_helpers.h"
#include "container_fixture.h"
#include "controls/core/qel_check.h"
#include "controls/core/qel_frame.h"
#include "controls/core/qel_option_button.h"
#include "controls/core/qel_toggle_button.h"
#include "platform/gfx/picture.h"
#include "tests/support/screenshot_folder.h"

namespace qel::testing {
namespace {

using namespace plat::win;

// A 16 × 16 picture: an orange disc on transparent.
plat::gfx::Picture badge()
{
    plat::gfx::Surface s(16, 16, 0x00000000u);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if ((x - 7.5) * (x - 7.5) + (y - 7.5) * (y - 7.5) <= 49)
                s.setPixel(x, y, 0xFF0080FFu);
    return plat::gfx::Picture(s);
}

PropertyBag caption(const std::string& text)
{
    PropertyBag b;
    b.writeProperty("Caption", text, "");
    b.writeProperty("BackColor", uint32_t(0xFFFFFF), uint32_t(0xC0C0C0));
    return b;
}

class FrameScreenshotTest : public ContainerTest {};

TEST_F(FrameScreenshotTest, AFrameHoldingTheOtherControlsInTheirStates)
{
    form.setBackColor(0xF0F0F0);
    PropertyBag outerBag;
    outerBag.writeProperty("Caption", std::string("设置 Settings"), "");
    qelFrame& outer = place<qelFrame>("outer", 20, 20, 620, 330, outerBag);
    outer.setPicture(badge());

    // Toggle buttons: clear, latched, disabled latched.
    PropertyBag tb;
    tb.writeProperty("Caption", std::string("关闭 Close"), "");
    placeIn<qelToggleButton>(outer, "toggleOff", 20, 30, 110, 30, tb);
    placeIn<qelToggleButton>(outer, "toggleOn", 140, 30, 110, 30, tb).setValue(true);
    qelToggleButton& toggleDim = placeIn<qelToggleButton>(outer, "toggleDim", 260, 30, 110, 30, tb);
    toggleDim.setValue(true);
    toggleDim.setEnabled(false);

    // Check boxes in every look.
    struct CheckState {
        const char* name;
        const char* text;
        int value;
        bool enabled;
    } checks[] = {
        {"c0", "清除 Clear", 0, true},       {"c1", "勾选 Ticked", 1, true},   {"c2", "Hover (clear)", 0, true},
        {"c3", "Disabled clear", 0, false}, {"c4", "Disabled ticked", 1, false}, {"c5", "Value 2", 2, true},
        {"c6", "焦点 Focus", 1, true},
    };
    qelCheck* hoverBox = nullptr;
    qelCheck* focusBox = nullptr;
    int y = 75;
    for (const CheckState& c : checks) {
        qelCheck& box = placeIn<qelCheck>(outer, c.name, 20, y, 170, 20, caption(c.text));
        box.setValue(c.value);
        box.setEnabled(c.enabled);
        if (std::string(c.name) == "c2")
            hoverBox = &box;
        if (std::string(c.name) == "c6")
            focusBox = &box;
        y += 26;
    }

    // Option buttons: a group in a nested see-through frame and a disabled nested frame.
    PropertyBag innerBag;
    innerBag.writeProperty("Caption", std::string("裁判数量"), "");
    innerBag.writeProperty("TitleGradient", int32_t(2), 1);
    qelFrame& inner = placeIn<qelFrame>(outer, "inner", 210, 75, 190, 130, innerBag);
    PropertyBag opt = caption("");
    opt.writeProperty("Group", uint8_t(1), uint8_t(0));
    for (int i = 0; i < 3; ++i) {
        qelOptionButton& o = placeIn<qelOptionButton>(inner, "vbo", 15, 30 + 30 * i, 150, 20, opt, i);
        o.setCaption(std::to_string(i + 1) + " 名裁判");
    }
    form.array<qelOptionButton>("vbo")[1].setValue(1);

    PropertyBag dimBag;
    dimBag.writeProperty("Caption", std::string("Disabled frame"), "");
    dimBag.writeProperty("BackGradient", int32_t(0), 2);
    dimBag.writeProperty("BreakCorner", false, true);
    qelFrame& dim = placeIn<qelFrame>(outer, "dim", 410, 75, 190, 130, dimBag);
    PropertyBag opt2 = caption("");
    opt2.writeProperty("Group", uint8_t(2), uint8_t(0));
    placeIn<qelOptionButton>(dim, "o1", 15, 30, 150, 20, opt2).setCaption("Selected");
    placeIn<qelOptionButton>(dim, "o2", 15, 60, 150, 20, opt2).setCaption("Not selected");
    form.get<qelOptionButton>("o1").setValue(1);
    placeIn<qelCheck>(dim, "dimCheck", 15, 90, 150, 20, caption("Ticked")).setValue(1);
    dim.setPicture(badge());
    dim.setEnabled(false);

    PropertyBag clearBag;
    clearBag.writeProperty("Caption", std::string("See-through"), "");
    clearBag.writeProperty("BackStyle", int32_t(0), 1);
    clearBag.writeProperty("TextPosition", int32_t(0), 2);
    qelFrame& seeThrough = placeIn<qelFrame>(outer, "seeThrough", 210, 220, 390, 90, clearBag);
    placeIn<qelCheck>(seeThrough, "clearCheck", 15, 35, 200, 20, caption("On a see-through frame")).setBackStyle(0);

    show();
    focusBox->setFocus();
    session.settle();
    const plat::gfx::Rect h = GetScreenRect(hoverBox->hwnd());
    session.mouseMove(h.left + 6, h.top + 10);
    session.advance(5);
    ASSERT_EQ(GetFocus(), focusBox->hwnd());
    EXPECT_EQ(shownCell(hoverBox->hwnd(), CheckBoxGlyphs()), GlyphClearHover);
    EXPECT_EQ(shownCell(form.get<qelCheck>("dimCheck").hwnd(), CheckBoxGlyphs()), GlyphTickedDisabled);
    EXPECT_FALSE(form.get<qelOptionButton>("o1").Enabled()) << "disabled through its frame";
    const test_support::ScreenshotFolder shots;
    const plat::gfx::Surface shot = shots.save(session.windows().screen(), "qel_frame_states.png");
    ASSERT_EQ(shot.pixels(), session.windows().screen().pixels());
    EXPECT_FALSE(shots.save(test_support::zoomed(shot, {36, 90, 136, 280}, 4), "qel_frame_glyphs_zoom.png").isEmpty());
    EXPECT_FALSE(shots.save(test_support::zoomed(shot, {240, 120, 330, 210}, 6), "qel_frame_options_zoom.png").isEmpty());
    // On the screen as saved, each box shows the cell of its state, the option buttons too.
    const std::pair<const char*, int> boxes[] = {{"c0", GlyphClear}, {"c1", GlyphTicked}, {"c2", GlyphClearHover},
        {"c3", GlyphClearDisabled}, {"c4", GlyphTickedDisabled}, {"c5", GlyphTickedDisabled}, {"c6", GlyphTicked},
        {"dimCheck", GlyphTickedDisabled}};
    for (auto [name, cell] : boxes)
        EXPECT_EQ(shownCell(shot, GetScreenRect(form.get<qelCheck>(name).hwnd()), CheckBoxGlyphs()), cell) << name;
    const int options[] = {GlyphClear, GlyphTicked, GlyphClear};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(shownCell(shot, GetScreenRect(form.array<qelOptionButton>("vbo")[i].hwnd()), OptionButtonGlyphs()), options[i]) << i;
    EXPECT_EQ(shownCell(shot, GetScreenRect(form.get<qelOptionButton>("o1").hwnd()), OptionButtonGlyphs()), GlyphTickedDisabled);
}

} // namespace
} // namespace qel::testing
