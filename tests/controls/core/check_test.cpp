#include "choice_helpers.h"
#include "controls_fixture.h"
#include "event_log.h"
#include "controls/core/qel_check.h"
#include "controls/core/qel_command.h"
#include "platform/gfx/system_colors.h"
#include <functional>
#include <set>

namespace qel::testing {
namespace {

using namespace plat::win;

// A check box at (100, 100), 120 × 20 pixels, with a push button before it and one after it
// in tab order; the mouse rests far away.
class CheckTest : public ControlsTest {
protected:
    qelCommand* before = nullptr;
    qelCheck* box = nullptr;
    qelCommand* after = nullptr;
    EventLog log;

    void SetUp() override
    {
        ControlsTest::SetUp();
        before = &place<qelCommand>("before", 100, 40, 80, 30);
        box = &place<qelCheck>("chk", 100, 100, 120, 20);
        after = &place<qelCommand>("after", 100, 160, 80, 30);
        show();
        session.mouseMove(700, 500);
        session.settle();
        log.watchMouseButtons(*box);
        log.watchKeys(*box);
        log.watchClick(*box);
        log.watchChange(*box);
    }
    void clickBox() { session.click(160, 110); }
    int cell() { session.settle(); return shownCell(box->hwnd(), CheckBoxGlyphs()); }
};

TEST_F(CheckTest, PressesAndSpaceToggleWithChangeBeforeClick)
{
    struct Case {
        const char* what;
        int value;
        bool enabled;
        std::function<void()> input;
        int expected;
        Log events;
    } cases[] = {
        {"click on a clear box", 0, true, [&] { clickBox(); }, 1, {"Change 1", "Click", "MouseDown 1", "MouseUp 1"}},
        {"click on a ticked box", 1, true, [&] { clickBox(); }, 0, {"Change 0", "Click", "MouseDown 1", "MouseUp 1"}},
        {"click on Value 2 leaves it", 2, true, [&] { clickBox(); }, 2, {"Change 2", "Click", "MouseDown 1", "MouseUp 1"}},
        {"click on a disabled box", 0, false, [&] { clickBox(); }, 0, {"MouseDown 1", "MouseUp 1"}},
        {"Space", 0, true, [&] { box->setFocus(); session.key(VK_SPACE); }, 1,
            {"Change 1", "Click", "KeyDown 32", "KeyUp 32"}},
        {"Space on a disabled box", 1, false,
            [&] { SendMessage(box->hwnd(), WM_KEYDOWN, VK_SPACE, 0); }, 1, {"KeyDown 32"}},
        {"double click: toggled twice", 0, true, [&] { clickBox(); clickBox(); }, 0,
            {"Change 1", "Click", "MouseDown 1", "MouseUp 1", "Change 0", "Click", "MouseDblClick 1", "MouseUp 1"}},
    };
    for (const Case& c : cases) {
        box->setEnabled(c.enabled);
        box->setValue(c.value);
        log.take();
        c.input();
        session.settle();
        EXPECT_EQ(box->Value(), c.expected) << c.what;
        EXPECT_EQ(log.take(), c.events) << c.what;
        session.advance(600); // no double click with the next case
    }
}

TEST_F(CheckTest, AChangeHandlerSetsValueThroughItsParameter)
{
    box->Change = [this](int& Value) {
        log.add("Change " + std::to_string(Value));
        Value = 0;
    };
    clickBox();
    EXPECT_EQ(box->Value(), 0);
    EXPECT_EQ(log.take(), (Log{"Change 1", "Click", "MouseDown 1", "MouseUp 1"})) << "one Change only, Click follows";
    session.mouseMove(700, 500);
    session.advance(5);
    EXPECT_EQ(cell(), GlyphClear) << "drawn clear";
}

TEST_F(CheckTest, TheCellFollowsValueEnabledAndTheMouse)
{
    struct Case {
        int value;
        bool enabled;
        bool mouseOver;
        int expected;
    } cases[] = {
        {0, true, false, GlyphClear},
        {1, true, false, GlyphTicked},
        {2, true, false, GlyphTickedDisabled},
        {-1, true, false, GlyphTickedDisabled},
        {0, true, true, GlyphClearHover},
        {1, true, true, GlyphTickedHover},
        {2, true, true, GlyphTickedDisabled},
        {0, false, false, GlyphClearDisabled},
        {1, false, false, GlyphTickedDisabled},
        {2, false, true, GlyphTickedDisabled},
        {0, false, true, GlyphClearDisabled},
    };
    for (const Case& c : cases) {
        box->setEnabled(c.enabled);
        box->setValue(c.value);
        if (c.mouseOver) {
            session.mouseMove(150, 110);
            session.advance(5);
        }
        EXPECT_EQ(cell(), c.expected) << "Value " << c.value << (c.enabled ? " enabled" : " disabled")
                                      << (c.mouseOver ? ", mouse over" : "");
        session.mouseMove(700, 500);
        session.advance(5);
    }
}

TEST_F(CheckTest, HoverRedrawsAndTheFirstLeaveDrawsNothing)
{
    // Tracking starts with the pointer elsewhere: the leave notice that follows draws nothing.
    qelCheck& fresh = place<qelCheck>("fresh", 300, 100, 120, 20);
    EventLog seen;
    seen.watchHover(fresh);
    fresh.hDc().setPixel(100, 1, 0x0000FF); // a mark only a redraw removes
    session.settle();
    EXPECT_EQ(seen.take(), (Log{"MouseLeave"}));
    EXPECT_EQ(fresh.Face().colorAt(100, 1), 0x0000FFu) << "the first leave only notes it";
    session.mouseMove(350, 110);
    session.advance(5);
    EXPECT_EQ(seen.take(), (Log{"MouseHover"}));
    EXPECT_EQ(shownCell(fresh.hwnd(), CheckBoxGlyphs()), GlyphClearHover);
    EXPECT_NE(fresh.Face().colorAt(100, 1), 0x0000FFu);
    session.mouseMove(700, 500);
    session.advance(5);
    EXPECT_EQ(seen.take(), (Log{"MouseLeave"}));
    EXPECT_EQ(shownCell(fresh.hwnd(), CheckBoxGlyphs()), GlyphClear) << "later leaves redraw";
}

TEST_F(CheckTest, ArrowsMoveTheFocusAndStillRaiseKeyDown)
{
    struct Case {
        int key;
        qelCommand* target;
    } cases[] = {{VK_UP, before}, {VK_LEFT, before}, {VK_DOWN, after}, {VK_RIGHT, after}};
    for (const Case& c : cases) {
        box->setFocus();
        session.settle();
        log.take();
        session.keyDown(c.key);
        session.settle();
        EXPECT_EQ(GetFocus(), c.target->hwnd()) << c.key;
        EXPECT_EQ(log.take(), (Log{"KeyDown " + std::to_string(c.key)}));
        session.keyUp(c.key);
    }
}

TEST_F(CheckTest, ADisabledBoxPassesTheFocusOn)
{
    box->setEnabled(false);
    box->setFocus();
    session.settle();
    EXPECT_EQ(GetFocus(), after->hwnd());

    // Disabling the focused box: its repaint runs the focus routine, which moves the focus on.
    box->setEnabled(true);
    box->setFocus();
    session.settle();
    ASSERT_EQ(GetFocus(), box->hwnd());
    EXPECT_TRUE(box->HasFocus());
    box->setEnabled(false);
    session.settle();
    EXPECT_EQ(GetFocus(), after->hwnd());
    EXPECT_FALSE(box->HasFocus());
}

TEST_F(CheckTest, TheFocusRectangleSurroundsTheCaptionOnly)
{
    box->setCaption("Mute");
    const plat::gfx::Surface unfocused = WindowImage(box->hwnd());
    box->setFocus();
    session.settle();
    const plat::gfx::Surface& focused = WindowImage(box->hwnd());
    const int hA = box->hDc().font().textExtent("A").height;
    const int top = int(roundHalfEven((20 - hA) / 2.0));
    const int right = int(roundHalfEven(box->hDc().font().textExtent("Mute").width + 23.0));
    int changedOnFrame = 0, changedElsewhere = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 120; ++x) {
            if (focused.colorAt(x, y) == unfocused.colorAt(x, y))
                continue;
            const bool onFrame = ((x == 17 || x == right - 1) && y >= top - 1 && y < top + hA + 2)
                || ((y == top - 1 || y == top + hA + 1) && x >= 17 && x < right);
            ++(onFrame ? changedOnFrame : changedElsewhere);
        }
    EXPECT_GT(changedOnFrame, 10) << "a dotted frame from (17, top - 1) to (right, top + hA + 2)";
    EXPECT_EQ(changedElsewhere, 0);
    EXPECT_EQ(screenPixel(100 + 17, 100 + top - 1), focused.colorAt(17, top - 1)) << "and it is on the screen";

    after->setFocus();
    session.settle();
    ASSERT_NE(GetFocus(), box->hwnd());
    for (int x = 0; x < 120; ++x)
        EXPECT_EQ(WindowImage(box->hwnd()).colorAt(x, top - 1), unfocused.colorAt(x, top - 1)) << "gone with the focus, x " << x;
}

TEST_F(CheckTest, TheBoxStaysAtTheLeftWhateverTheAlignment)
{
    box->setCaption("Mm");
    const int hA = box->hDc().font().textExtent("A").height;
    const int textTop = int(roundHalfEven((20 - hA) / 2.0));
    struct Case {
        int alignment;
        int left, right; // where the caption's ink may lie
    } cases[] = {{0, 20, 45}, {2, 50, 90}, {1, 90, 120}, {5, 90, 120}};
    for (const Case& c : cases) {
        box->setAlignment(c.alignment);
        EXPECT_EQ(shownCell(box->hwnd(), CheckBoxGlyphs()), GlyphClear) << c.alignment;
        auto [first, last] = drawnColumns(box->hwnd(), kGlyphSize, textTop, textTop + hA, 0xC0C0C0);
        EXPECT_GE(first, c.left) << "Alignment " << c.alignment;
        EXPECT_LE(last, c.right - 1) << "Alignment " << c.alignment;
    }
}

TEST_F(CheckTest, DisabledTextIsGreyAndSeeThroughShowsWhatIsBehind)
{
    box->setCaption("WWWW");
    box->setBackColor(0xFFFFFF);
    box->setForeColor(0x0000FF);
    auto inkColours = [&] {
        std::set<plat::gfx::Color> colours;
        const auto& image = WindowImage(box->hwnd());
        for (int y = 0; y < 20; ++y)
            for (int x = 20; x < 120; ++x)
                colours.insert(image.colorAt(x, y));
        return colours;
    };
    EXPECT_TRUE(inkColours().count(0x0000FF));
    box->setEnabled(false);
    EXPECT_TRUE(inkColours().count(ChoiceControl::kDisabledTextColor));
    EXPECT_FALSE(inkColours().count(0x0000FF));

    form.setBackColor(0x00FF00);
    session.settle();
    EXPECT_EQ(screenPixel(100 + 110, 100 + 1), 0xFFFFFFu) << "opaque";
    box->setBackStyle(0);
    EXPECT_EQ(screenPixel(100 + 110, 100 + 1), 0x00FF00u) << "the background is see-through";
    EXPECT_EQ(screenPixel(100 + 0, 100 + 10), imagePixel(box->hwnd(), 0, 10)) << "the glyph's frame is not";
}

TEST_F(CheckTest, UnRefreshControlKeepsTheImage)
{
    const plat::gfx::Surface before = WindowImage(box->hwnd());
    box->setUnRefreshControl(true);
    box->setValue(1);
    box->setCaption("Other");
    box->move(box->left(), box->top(), box->width() + 150, box->height());
    box->Refresh();
    clickBox();
    EXPECT_EQ(box->Value(), 0) << "clicks still toggle";
    EXPECT_EQ(log.take(), (Log{"Change 0", "Click", "MouseDown 1", "MouseUp 1"}));
    EXPECT_EQ(shownCell(box->hwnd(), CheckBoxGlyphs()), GlyphClear);
    EXPECT_EQ(WindowImage(box->hwnd()).colorAt(40, 10), before.colorAt(40, 10));
    box->setUnRefreshControl(false);
    session.settle();
    EXPECT_EQ(WindowImage(box->hwnd()).colorAt(40, 10), before.colorAt(40, 10)) << "no repaint by itself";
}

TEST_F(CheckTest, PropertiesAreStoredInTheirOrderWithTheStoredDefaults)
{
    PropertyBag stored;
    stored.writeProperty("Value", int32_t(1), 0);
    stored.writeProperty("Caption", std::string("静音"), "");
    qelCheck& restored = place<qelCheck>("restored", 300, 100, 120, 20, stored);
    EXPECT_EQ(restored.Value(), 1);
    EXPECT_EQ(restored.Caption(), "静音");
    EXPECT_EQ(restored.BackColor(), 0xC0C0C0u) << "the default of a stored box";
    EXPECT_TRUE(restored.Subclassed());

    qelCheck& fresh = placeNew<qelCheck>("fresh", 300, 140, 120, 20);
    EXPECT_EQ(fresh.BackColor(), 0xFFFFFFu) << "the default of a newly placed box";
    EXPECT_EQ(fresh.Caption(), "Caption");
    EXPECT_EQ(fresh.Font().name, form.font().name);
    EXPECT_TRUE(fresh.ImageCurrent()) << "a new box paints itself";

    PropertyBag out;
    restored.setBackStyle(0);
    restored.setAlignment(2);
    restored.setForeColor(0x123456);
    restored.setEnabled(false);
    restored.setUnRefreshControl(true);
    restored.setBackColor(0xFFFFFF);
    restored.writeProperties(out);
    const std::vector<std::string> keys = out.keys();
    EXPECT_EQ(keys, (std::vector<std::string>{"backcolor", "backstyle", "caption", "forecolor", "enabled", "value", "alignment",
                        "unrefreshcontrol"}));

    PropertyBag clear;
    fresh.setValue(0);
    fresh.writeProperties(clear);
    EXPECT_FALSE(clear.contains("Value")) << "Value 0 is the default";
}

TEST_F(CheckTest, ASystemColourReadsBackAsItsValueAfterARedraw)
{
    box->setBackColor(plat::gfx::systemColorCode(plat::gfx::ColorWindow));
    EXPECT_EQ(box->BackColor(), plat::gfx::systemColor(plat::gfx::ColorWindow));
    EXPECT_EQ(imagePixel(box->hwnd(), 110, 1), plat::gfx::systemColor(plat::gfx::ColorWindow));
}

} // namespace
} // namespace qel::testing
