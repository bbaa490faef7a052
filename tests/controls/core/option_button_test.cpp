#include "choice_helpers.h"
#include "container_fixture.h"
#include "event_log.h"
#include "controls/core/qel_frame.h"
#include "controls/core/qel_option_button.h"
#include "controls/core/register_core_controls.h"
#include "platform/forms/form_layout.h"
#include "tests/support/temp_folder.h"
#include <filesystem>
#include <unistd.h>
#include <fstream>
#include <functional>

namespace qel::testing {
namespace {

using namespace plat::win;

PropertyBag group(int g, int value = 0)
{
    PropertyBag b;
    b.writeProperty("Group", uint8_t(g), uint8_t(0));
    b.writeProperty("Value", int32_t(value), 0);
    return b;
}

// Two frames side by side, left at (20, 20) and right at (340, 20), 300 × 200 pixels each.
// In the left frame a1 and a2 (group 1); in the right frame b1 (group 1) and b2 (group 2);
// on the form itself c (group 2).
class OptionButtonTest : public ContainerTest {
protected:
    qelFrame* left = nullptr;
    qelFrame* right = nullptr;
    qelOptionButton *a1 = nullptr, *a2 = nullptr, *b1 = nullptr, *b2 = nullptr, *c = nullptr;
    EventLog log;

    void SetUp() override
    {
        ContainerTest::SetUp();
        left = &place<qelFrame>("left", 20, 20, 300, 200);
        right = &place<qelFrame>("right", 340, 20, 300, 200);
        a1 = &placeIn<qelOptionButton>(*left, "a1", 10, 30, 120, 20, group(1));
        a2 = &placeIn<qelOptionButton>(*left, "a2", 10, 60, 120, 20, group(1));
        b1 = &placeIn<qelOptionButton>(*right, "b1", 10, 30, 120, 20, group(1));
        b2 = &placeIn<qelOptionButton>(*right, "b2", 10, 60, 120, 20, group(2));
        c = &place<qelOptionButton>("c", 20, 300, 120, 20, group(2));
        show();
        session.mouseMove(900, 700);
        session.settle();
        for (qelOptionButton* o : {a1, a2, b1, b2, c}) {
            log.watchMouseButtons(*o);
            log.watchKeys(*o);
        }
        log.watchChange(*a1);
    }
    std::vector<int> values() const { return {a1->Value(), a2->Value(), b1->Value(), b2->Value(), c->Value()}; }
    // Sets the values as given, each in a group of its own meanwhile, so no clearing runs.
    void setValues(const std::vector<int>& v)
    {
        qelOptionButton* all[] = {a1, a2, b1, b2, c};
        for (size_t i = 0; i < v.size(); ++i) {
            const int g = all[i]->Group();
            all[i]->setGroup(200 + int(i));
            all[i]->setValue(v[i]);
            all[i]->setGroup(g);
        }
    }
    // The screen point inside a1.
    void clickA1() { session.click(20 + 30 + 10, 20 + 30 + 10); }
};

TEST_F(OptionButtonTest, SelectingClearsTheSameGroupAcrossTheWholeForm)
{
    struct Case {
        const char* what;
        std::vector<int> before;
        std::function<void()> act;
        std::vector<int> after;
        Log events;
    } cases[] = {
        {"a click clears a2 and b1 (the other frame), not b2 or c", {0, 1, 1, 1, 1},
            [&] { clickA1(); }, {1, 0, 0, 1, 1}, {"Change 1", "MouseDown 1", "MouseUp 1"}},
        {"a click on the selected button keeps it and raises Change again", {1, 0, 0, 0, 0},
            [&] { clickA1(); }, {1, 0, 0, 0, 0}, {"Change 1", "MouseDown 1", "MouseUp 1"}},
        {"Value 2: a click leaves it and clears nothing, but raises Change", {2, 1, 1, 0, 0},
            [&] { clickA1(); }, {2, 1, 1, 0, 0}, {"Change 2", "MouseDown 1", "MouseUp 1"}},
        {"Space selects", {0, 1, 0, 0, 0},
            [&] { a1->setFocus(); session.key(VK_SPACE); }, {1, 0, 0, 0, 0},
            {"Change 1", "KeyDown 32", "KeyUp 32"}},
        {"Value 1 from the host clears the others without Change", {0, 1, 1, 1, 0},
            [&] { a1->setValue(1); }, {1, 0, 0, 1, 0}, {}},
        {"Value 0 from the host leaves the group without a selection", {1, 0, 0, 1, 0},
            [&] { a1->setValue(0); }, {0, 0, 0, 1, 0}, {}},
        {"a disabled button ignores the click", {0, 1, 0, 0, 0},
            [&] { a1->setEnabled(false); clickA1(); a1->setEnabled(true); }, {0, 1, 0, 0, 0},
            {"MouseDown 1", "MouseUp 1"}},
        {"a disabled button ignores Space", {0, 1, 0, 0, 0},
            [&] { a1->setEnabled(false); SendMessage(a1->hwnd(), WM_KEYDOWN, VK_SPACE, 0); a1->setEnabled(true); },
            {0, 1, 0, 0, 0}, {"KeyDown 32"}},
        {"a double click selects twice", {0, 1, 0, 0, 0},
            [&] { clickA1(); clickA1(); }, {1, 0, 0, 0, 0},
            {"Change 1", "MouseDown 1", "MouseUp 1", "Change 1", "MouseDblClick 1", "MouseUp 1"}},
    };
    for (const Case& k : cases) {
        setValues(k.before);
        log.take();
        k.act();
        session.settle();
        EXPECT_EQ(values(), k.after) << k.what;
        EXPECT_EQ(log.take(), k.events) << k.what;
        session.advance(600);
    }
}

TEST_F(OptionButtonTest, EveryButtonShowsItsOwnValue)
{
    a1->setValue(1);
    b2->setValue(2);
    session.settle();
    const auto& glyphs = OptionButtonGlyphs();
    EXPECT_EQ(shownCell(a1->hwnd(), glyphs), GlyphTicked);
    EXPECT_EQ(shownCell(a2->hwnd(), glyphs), GlyphClear) << "cleared and redrawn";
    EXPECT_EQ(shownCell(b1->hwnd(), glyphs), GlyphClear);
    EXPECT_EQ(shownCell(b2->hwnd(), glyphs), GlyphTickedDisabled) << "Value 2";
    a2->setEnabled(false);
    a1->setEnabled(false);
    EXPECT_EQ(shownCell(a1->hwnd(), glyphs), GlyphTickedDisabled);
    EXPECT_EQ(shownCell(a2->hwnd(), glyphs), GlyphClearDisabled);
    a1->setEnabled(true);
    session.mouseMove(60, 60);
    session.advance(5);
    EXPECT_EQ(shownCell(a1->hwnd(), glyphs), GlyphTickedHover);
}

TEST_F(OptionButtonTest, ADisabledButtonPassesTheFocusOn)
{
    a2->setEnabled(false);
    a2->setFocus();
    session.settle();
    EXPECT_NE(GetFocus(), a2->hwnd());
    a1->setFocus();
    session.settle();
    session.keyDown(VK_DOWN);
    session.settle();
    EXPECT_EQ(GetFocus(), b1->hwnd()) << "the arrow passes over the disabled button";
    session.keyUp(VK_DOWN);
    session.keyDown(VK_UP);
    session.settle();
    EXPECT_EQ(GetFocus(), a1->hwnd());
    session.keyUp(VK_UP);
}

class OptionGroupChoiceTest : public ContainerTest {};

TEST_F(OptionGroupChoiceTest, ANewButtonJoinsItsNeighboursOrTakesTheLowestFreeGroup)
{
    qelFrame& frame1 = place<qelFrame>("frame1", 20, 20, 300, 200);
    qelFrame& frame2 = place<qelFrame>("frame2", 340, 20, 300, 200);
    qelOptionButton& first = placeNewIn<qelOptionButton>(nullptr, "first", 20, 300, 100, 20);
    EXPECT_EQ(first.Group(), 1) << "the first button of a form";
    qelOptionButton& second = placeNewIn<qelOptionButton>(nullptr, "second", 20, 330, 100, 20);
    EXPECT_EQ(second.Group(), 1) << "the same container";
    qelOptionButton& inFrame = placeNewIn<qelOptionButton>(&frame1, "inFrame", 10, 30, 100, 20);
    EXPECT_EQ(inFrame.Group(), 2) << "a new container: the next free number";
    qelOptionButton& besideIt = placeNewIn<qelOptionButton>(&frame1, "besideIt", 10, 60, 100, 20);
    EXPECT_EQ(besideIt.Group(), 2);
    besideIt.setGroup(0);
    qelOptionButton& another = placeNewIn<qelOptionButton>(&frame2, "another", 10, 30, 100, 20);
    EXPECT_EQ(another.Group(), 3) << "0 is taken by besideIt, 1 and 2 as well";
    EXPECT_EQ(first.Value(), 0);
}

TEST_F(OptionGroupChoiceTest, WithAll256GroupsInUseANewButtonGetsGroup0)
{
    for (int g = 0; g < 256; ++g) {
        qelFrame& f = place<qelFrame>("f" + std::to_string(g), 0, 0, 10, 10);
        placeIn<qelOptionButton>(f, "o" + std::to_string(g), 0, 0, 10, 10, group(g));
    }
    qelOptionButton& last = placeNewIn<qelOptionButton>(nullptr, "last", 20, 300, 100, 20);
    EXPECT_EQ(last.Group(), 0);
    EXPECT_THROW(last.setGroup(256), std::out_of_range);
    EXPECT_THROW(last.setGroup(-1), std::out_of_range);
    EXPECT_EQ(last.Group(), 0);
}

// The stored Group is applied before the stored Value, so a button stored with Value 1 clears
// its own group while the form loads, not group 0.
TEST_F(OptionGroupChoiceTest, AStoredButtonClearsItsOwnGroupWhenItIsRead)
{
    qelOptionButton& zero = place<qelOptionButton>("zero", 20, 20, 100, 20, group(0, 1));
    qelOptionButton& fiveA = place<qelOptionButton>("fiveA", 20, 50, 100, 20, group(5, 1));
    qelOptionButton& fiveB = place<qelOptionButton>("fiveB", 20, 80, 100, 20, group(5, 1));
    EXPECT_EQ(zero.Value(), 1) << "group 0 is left alone";
    EXPECT_EQ(fiveA.Value(), 0) << "cleared by the later button of its group";
    EXPECT_EQ(fiveB.Value(), 1);
    EXPECT_EQ(fiveB.Group(), 5);
    session.settle();
    EXPECT_EQ(shownCell(fiveA.hwnd(), OptionButtonGlyphs()), GlyphClear);
}

TEST_F(OptionGroupChoiceTest, PropertiesAreStoredInTheirOrder)
{
    qelOptionButton& o = place<qelOptionButton>("o", 20, 20, 100, 20, group(3, 1));
    o.setCaption("2");
    o.setAlignment(1);
    o.setEnabled(false);
    o.setBackStyle(0);
    o.setForeColor(0xFF);
    o.setUnRefreshControl(true);
    o.setBackColor(0xFFFFFF);
    PropertyBag out;
    o.writeProperties(out);
    const std::vector<std::string> keys = out.keys();
    EXPECT_EQ(keys, (std::vector<std::string>{"backcolor", "backstyle", "caption", "forecolor", "enabled", "value", "group",
                        "alignment", "unrefreshcontrol"}));
    EXPECT_EQ(o.ContainerHwnd(), form.hwnd());
}

// A stored layout of the title dialog's kind: three buttons of one control array in one group,
// the second stored selected, inside a frame; the classes come from the registry.
TEST_F(OptionGroupChoiceTest, AStoredLayoutPlacesAnArrayOfButtonsInAFrame)
{
    registerCoreControls();
    const TempFolder scratch("qel-option-layout-XXXXXX");
    const std::filesystem::path file = scratch / "layout.json";
    std::ofstream(file) << R"({ "form": "dlg", "controls": [
        { "class": "qelFrame", "name": "box", "extender": { "left": 300, "top": 300, "width": 3000, "height": 1500 },
          "properties": { "caption": "裁判数量" },
          "controls": [
            { "class": "qelOptionButton", "name": "vbo", "index": 0, "extender": { "left": 150, "top": 450, "width": 600, "height": 300 },
              "properties": { "caption": "1", "group": 1 } },
            { "class": "qelOptionButton", "name": "vbo", "index": 1, "extender": { "left": 900, "top": 450, "width": 600, "height": 300 },
              "properties": { "caption": "2", "group": 1, "value": 1 } },
            { "class": "qelOptionButton", "name": "vbo", "index": 2, "extender": { "left": 1650, "top": 450, "width": 600, "height": 300 },
              "properties": { "caption": "3", "group": 1 } } ] } ] })";
    plat::forms::Form dlg("dlg", file);
    dlg.load();
    auto vbo = dlg.array<qelOptionButton>("vbo");
    qelFrame& box = dlg.get<qelFrame>("box");
    EXPECT_EQ(box.Caption(), "裁判数量");
    EXPECT_EQ(vbo[1].Value(), 1);
    EXPECT_EQ(vbo[1].ContainerHwnd(), box.hwnd());
    vbo[2].setValue(1);
    EXPECT_EQ(vbo[0].Value(), 0);
    EXPECT_EQ(vbo[1].Value(), 0);
    EXPECT_EQ(vbo[2].Value(), 1) << "an array element does not clear itself";
    dlg.unload();
}

} // namespace
} // namespace qel::testing
