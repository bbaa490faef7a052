#include "forms_fixture.h"
#include "platform/forms/form_layout.h"
#include "platform/forms/standard_controls.h"
#include "tests/support/screenshot_folder.h"

namespace plat::forms::testing {

using namespace plat::win;

class StandardControls : public FormsTest {
protected:
    StandardControls() { registerStandardControls(); }
    Form form{"Standard", testLayout("standard.json")};
    gfx::Color screenAt(int x, int y)
    {
        session.settle();
        return sys().screen().colorAt(x, y);
    }
    int pixelsOf(gfx::Color c, gfx::Rect r)
    {
        session.settle();
        return test_support::pixelsOfColor(sys().screen(), r, c);
    }
};

TEST_F(StandardControls, LoadFromALayoutAndDrawOnTheScreen)
{
    form.show();
    // The box (blue) with its label inside (yellow); the opaque label (red) beside it.
    EXPECT_EQ(screenAt(12, 12), 0xFF0000u);
    EXPECT_EQ(screenAt(21, 21), 0x00FFFFu);
    EXPECT_EQ(screenAt(245, 15), 0x0000FFu);
    // The transparent label shows the form's grey around white letters.
    gfx::Rect clear = gfx::Rect::fromSize(240, 60, 100, 30);
    EXPECT_EQ(screenAt(339, 89), 0x808080u);
    EXPECT_GT(pixelsOf(0xFFFFFF, clear), 10);
    // The ring: its border is white, its inside shows the form.
    EXPECT_EQ(screenAt(360, 10), 0xFFFFFFu);
    EXPECT_EQ(screenAt(361, 11), 0xFFFFFFu);
    EXPECT_EQ(screenAt(410, 60), 0x808080u);
    EXPECT_EQ(at(410, 60), form.hwnd()); // a click inside goes to what is behind
    EXPECT_EQ(at(361, 60), form.get<Shape>("ring").hwnd());
    // The line: three pixels thick, centred on y = 300.
    EXPECT_EQ(pixelsOf(0x00FF00, {0, 290, 400, 310}), 203 * 3); // square ends: one pixel beyond each point
    EXPECT_EQ(screenAt(100, 299), 0x00FF00u);
    EXPECT_EQ(screenAt(100, 302), 0x808080u);
}

TEST_F(StandardControls, ALineHasNoEventsSoAClickOnItReachesWhatIsBehind)
{
    form.load();
    form.show();
    EXPECT_EQ(screenAt(100, 300), 0x00FF00u);
    EXPECT_EQ(at(100, 300), form.hwnd());
}

TEST_F(StandardControls, APictureSizesTheImageAndAMissingOneShowsNothing)
{
    form.load();
    auto& pic = form.get<Image>("pic");
    EXPECT_EQ(pic.width(), 16 * 15);
    EXPECT_EQ(pic.height(), 8 * 15);
    pic.setStretch(true);
    pic.move(150, 2250, 3000, 1500);
    EXPECT_EQ(pic.currentPicture().width(), 16);
    pic.setPicture(PictureRef{"test/missing.png"});
    EXPECT_TRUE(pic.currentPicture().isEmpty());
    EXPECT_EQ(pic.width(), 3000);
    form.show();
    EXPECT_EQ(screenAt(50, 200), 0x808080u); // see-through where there is no picture
}

TEST_F(StandardControls, LabelAutoSizeFitsItsText)
{
    form.load();
    auto& label = form.get<Label>("clear");
    label.setAutoSize(true);
    double oneWord = label.width();
    EXPECT_LT(oneWord, 1500);
    EXPECT_GT(oneWord, 0);
    label.setCaption("Clear Clear");
    EXPECT_GT(label.width(), oneWord * 1.8);
    // With WordWrap the width stays and the label grows downwards.
    label.setWidth(oneWord * 1.2);
    double oneLine = label.height();
    label.setWordWrap(true);
    EXPECT_EQ(label.width(), oneWord * 1.2);
    EXPECT_GT(label.height(), oneLine * 1.8);
}

TEST_F(StandardControls, LabelMouseEventsInTwipsAndTheClickOrder)
{
    form.show();
    auto& label = form.get<Label>("opaque"); // at (240, 10), 100 x 30 pixels
    std::vector<std::string> events;
    auto record = [&](const char* what) {
        return [&events, what](int button, int shift, double x, double y) {
            events.push_back(std::string(what) + " " + std::to_string(button) + " " + std::to_string(shift) + " "
                + std::to_string(int(x)) + "," + std::to_string(int(y)));
        };
    };
    label.onMouseDown = record("Down");
    label.onMouseUp = record("Up");
    label.onClick = [&] { events.push_back("Click"); };
    label.onDblClick = [&] { events.push_back("DblClick"); };
    session.click(243, 12);
    session.click(243, 12); // within the double-click time
    EXPECT_EQ(events, (std::vector<std::string>{"Down 1 0 45,30", "Up 1 0 45,30", "Click", "DblClick", "Up 1 0 45,30"}));

    // Released outside: no click.
    events.clear();
    session.advance(1000);
    session.mouseDown(243, 12);
    session.mouseUp(400, 200);
    EXPECT_EQ(events, (std::vector<std::string>{"Down 1 0 45,30", "Up 1 0 2400,2850"}));
}

TEST_F(StandardControls, AContainersChildrenFollowIt)
{
    form.show();
    auto& box = form.get<PictureBox>("box");
    auto& inside = form.get<Label>("inside");
    EXPECT_EQ(inside.container(), &box);
    box.move(1500, 1500);
    EXPECT_EQ(GetScreenRect(inside.hwnd()), gfx::Rect::fromSize(110, 110, 100, 20));
    EXPECT_EQ(screenAt(111, 111), 0x00FFFFu);
    box.setVisible(false);
    EXPECT_EQ(screenAt(111, 111), 0x808080u);
    box.setVisible(true);
    inside.zOrder(1);
    EXPECT_EQ(screenAt(111, 111), 0x00FFFFu); // still in front of its container, behind its siblings
}

TEST_F(StandardControls, TimerTicksOnItsPeriodAndRestartsWhenEnabledOrGivenANewInterval)
{
    form.load();
    auto& timer = form.get<Timer>("tick");
    EXPECT_EQ(timer.hwnd(), 0u);
    std::vector<int64_t> ticks;
    timer.onTimer = [&] { ticks.push_back(session.nowMs()); };
    session.advance(350);
    EXPECT_EQ(ticks, (std::vector<int64_t>{100, 200, 300}));

    ticks.clear();
    timer.setEnabled(false);
    session.advance(200);
    EXPECT_TRUE(ticks.empty());
    timer.setEnabled(true); // at 550: the period starts afresh
    session.advance(250);
    EXPECT_EQ(ticks, (std::vector<int64_t>{650, 750}));

    ticks.clear();
    timer.setEnabled(true); // at 800: already on, nothing changes
    session.advance(100);
    EXPECT_EQ(ticks, (std::vector<int64_t>{850}));

    ticks.clear();
    timer.setInterval(300); // at 900
    session.advance(700);
    EXPECT_EQ(ticks, (std::vector<int64_t>{1200, 1500}));

    ticks.clear();
    timer.setInterval(0);
    session.advance(1000);
    EXPECT_TRUE(ticks.empty());
    EXPECT_FALSE(timer.isRunning());

    timer.setInterval(50);
    form.unload();
    session.advance(200);
    EXPECT_TRUE(ticks.empty());
}

TEST_F(StandardControls, StoredPropertiesComeBackFromTheWrittenLayout)
{
    form.load();
    form.get<Label>("opaque").setAlignment(2);
    form.get<Shape>("ring").setShape(Shape::Circle);
    FormLayout layout = form.layout();
    const ControlLayout& box = layout.controls[0];
    EXPECT_EQ(box.className, "PictureBox");
    EXPECT_EQ(box.controls[0].properties.readProperty("Caption", ""), "内部标签");
    EXPECT_FALSE(box.controls[0].properties.contains("Font")); // the form's font is the default
    EXPECT_EQ(layout.controls[1].properties.readProperty("Alignment", 0), 2);
    EXPECT_EQ(layout.controls[4].properties.readProperty("BorderWidth", 1), 3);
    EXPECT_EQ(layout.controls[5].properties.readProperty("Shape", 0), 3);
    EXPECT_EQ(layout.controls[6].properties.readProperty("Interval", 0), 100);
}

} // namespace plat::forms::testing
