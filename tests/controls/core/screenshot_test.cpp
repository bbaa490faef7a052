// Draws a test form with buttons and labels in their states (normal, hover, focus, disabled,
// labels; then with a button held down), saves the screen and the hover and focus frames enlarged,
// and checks the saved pixels.
#include "controls_fixture.h"
#include "controls/core/qel_command.h"
#include "controls/core/qel_label.h"
#include "tests/support/screenshot_folder.h"

namespace qel::testing {
namespace {

using namespace plat::win;

// A 16 × 16 picture: a red square with a blue cross and a transparent corner.
plat::gfx::Picture testPicture()
{
    plat::gfx::Surface s(16, 16, 0xFF0000FFu);
    for (int i = 0; i < 16; ++i) {
        s.setPixel(i, 7, 0xFFFF0000u);
        s.setPixel(7, i, 0xFFFF0000u);
    }
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            s.setPixel(x, y, 0x00000000u);
    return plat::gfx::Picture(s);
}

TEST_F(ControlsTest, ScreenshotOfButtonsAndLabelsInTheirStates)
{
    form.setBackColor(0xF0F0F0);
    auto bag = [](const std::string& text) {
        PropertyBag b;
        b.writeProperty("Caption", text, "");
        return b;
    };
    qelCommand& normal = place<qelCommand>("normal", 20, 20, 100, 30, bag("普通 Normal"));
    qelCommand& hover = place<qelCommand>("hover", 140, 20, 100, 30, bag("悬停 Hover"));
    qelCommand& focus = place<qelCommand>("focus", 260, 20, 100, 30, bag("焦点 Focus"));
    qelCommand& disabled = place<qelCommand>("disabled", 380, 20, 100, 30, bag("禁用 Disabled"));
    qelCommand& pushed = place<qelCommand>("pushed", 500, 20, 100, 30, bag("按下 Pushed"));
    disabled.setEnabled(false);
    qelCommand& picture = place<qelCommand>("picture", 20, 70, 140, 36, bag("开始"));
    picture.setPicture(testPicture());
    qelCommand& grayPicture = place<qelCommand>("grayPicture", 180, 70, 140, 36, bag("暂停"));
    grayPicture.setPicture(testPicture());
    grayPicture.setEnabled(false);
    qelCommand& flat = place<qelCommand>("flat", 340, 70, 120, 36, bag("Flat, square"));
    flat.setBackGradient(0);
    flat.setBreakCorner(false);
    qelCommand& columns = place<qelCommand>("columns", 480, 70, 120, 36, bag("Left to right"));
    columns.setBackGradient(1);
    columns.setBackColor1(0x0000FF);
    columns.setBackColor2(0xFF0000);
    columns.setForeColor(0xFFFFFF);

    PropertyBag plain = bag("标签 Label left");
    qelLabel& left = place<qelLabel>("left", 20, 130, 160, 24, plain);
    qelLabel& bordered = place<qelLabel>("bordered", 200, 130, 160, 24, bag("Centred, border"));
    bordered.setAlignment(2);
    bordered.setBorderStyle(1);
    qelLabel& dim = place<qelLabel>("dim", 380, 130, 160, 24, bag("Disabled, right"));
    dim.setAlignment(1);
    dim.setEnabled(false);
    qelLabel& twoLines = place<qelLabel>("twoLines", 20, 170, 160, 40, bag("Two lines\r\nA & B, A && B"));
    twoLines.setBackColor(0xE0FFFF);
    qelLabel& data = place<qelLabel>("data", 200, 170, 160, 40, bag("Data: A & B"));
    data.setUseMnemonic(false);
    data.setBackColor(0xE0FFFF);
    // A see-through label over a coloured button: only its text covers the button.
    qelCommand& behind = place<qelCommand>("behind", 380, 165, 220, 50, bag(""));
    behind.setBackColor1(0x40C040);
    behind.setBackColor2(0x006000);
    behind.setCaption("");
    qelLabel& seeThrough = place<qelLabel>("seeThrough", 400, 175, 180, 30, bag("See-through 透明"));
    seeThrough.setBackStyle(0);
    seeThrough.setForeColor(0xFFFFFF);
    (void)left;

    show();
    focus.setFocus();
    session.settle();
    const plat::gfx::Rect h = GetScreenRect(hover.hwnd());
    session.mouseMove(h.left + 50, h.top + 15);
    session.advance(5);
    const test_support::ScreenshotFolder shots;
    const plat::gfx::Surface states = shots.save(session.windows().screen(), "qel_core_states.png");
    ASSERT_EQ(states.pixels(), session.windows().screen().pixels());
    EXPECT_FALSE(shots.save(test_support::zoomed(states, {130, 10, 370, 60}, 4), "qel_core_frames_zoom.png").isEmpty());

    using test_support::pixelsOfColor;
    auto rectOf = [](const qelCommand& c) { return GetScreenRect(c.hwnd()); };
    // The hover frame is orange, the focus frame light blue; each shows on its own button only.
    const plat::gfx::Color hoverFrame = 0x31B2FF, focusFrame = 0xE7AE8C;
    EXPECT_GT(pixelsOfColor(states, rectOf(hover), hoverFrame), 100);
    EXPECT_GT(pixelsOfColor(states, rectOf(focus), focusFrame), 100);
    for (const qelCommand* other : {&normal, &disabled, &pushed}) {
        EXPECT_EQ(pixelsOfColor(states, rectOf(*other), hoverFrame), 0) << other->Caption();
        EXPECT_EQ(pixelsOfColor(states, rectOf(*other), focusFrame), 0) << other->Caption();
    }
    // The picture keeps its red on the enabled button and turns grey on the disabled one.
    EXPECT_GT(pixelsOfColor(states, rectOf(picture), 0x0000FF), 150);
    EXPECT_EQ(pixelsOfColor(states, rectOf(grayPicture), 0x0000FF), 0);
    EXPECT_GT(pixelsOfColor(states, rectOf(grayPicture), 0x555555), 150);
    // The see-through label lets the button's green show around its white text.
    const plat::gfx::Rect clear = GetScreenRect(seeThrough.hwnd());
    EXPECT_GT(pixelsOfColor(states, clear, 0xFFFFFF), 100);
    EXPECT_GT(pixelsOfColor(states, clear, states.colorAt(clear.right - 2, clear.top + 2)), 50);
    EXPECT_GT(plat::gfx::greenOf(states.colorAt(clear.right - 2, clear.top + 2)), 2 * plat::gfx::redOf(states.colorAt(clear.right - 2, clear.top + 2)));

    const plat::gfx::Rect p = GetScreenRect(pushed.hwnd());
    session.mouseMove(p.left + 50, p.top + 15);
    session.advance(5);
    session.mouseDown(p.left + 50, p.top + 15);
    session.settle();
    EXPECT_TRUE(pushed.Pushed());
    const plat::gfx::Surface held = shots.save(session.windows().screen(), "qel_core_pushed.png");
    ASSERT_EQ(held.pixels(), session.windows().screen().pixels());
    // Held down, the button looks pressed; the buttons beside it look as before.
    EXPECT_FALSE(test_support::samePixels(held, states, rectOf(pushed)));
    EXPECT_TRUE(test_support::samePixels(held, states, rectOf(normal)));
    EXPECT_TRUE(test_support::samePixels(held, states, rectOf(disabled)));
    session.mouseUp(p.left + 50, p.top + 15);
}

} // namespace
} // namespace qel::testing
