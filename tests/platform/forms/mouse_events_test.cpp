#include "forms_fixture.h"
#include "platform/forms/mouse_events.h"
#include "platform/forms/standard_controls.h"

namespace plat::forms::testing {

using namespace plat::win;

// The events raised for the messages a window gets, in order.
class MouseRecorder : public MouseEvents {
public:
    explicit MouseRecorder(DoubleClick doubleClick) : MouseEvents(doubleClick)
    {
        onClick = [this] { events += "Click "; };
        onDblClick = [this] { events += "DblClick "; };
        onMouseDown = [this](int button, int, double, double) { events += "Down" + std::to_string(button) + " "; };
        onMouseUp = [this](int button, int, double, double) { events += "Up" + std::to_string(button) + " "; };
    }
    using MouseEvents::DoubleClick;
    bool send(HWND hwnd, UINT msg, int x, int y, WPARAM wParam = 0) { return raiseMouseEvents(hwnd, msg, wParam, makeLParam(x, y)); }
    void forget() { cancelPress(); }

    std::string events;
};

class MouseEventsTest : public FormsTest {
protected:
    MouseEventsTest()
    {
        registerStandardControls();
        form.show();
    }
    Form form{"Standard", testLayout("standard.json")};
};

TEST_F(MouseEventsTest, TheSecondPressOfADoubleClickRaisesWhatTheModeSays)
{
    struct Case {
        MouseRecorder::DoubleClick mode;
        std::string events;
    };
    const Case cases[] = {
        {MouseRecorder::DoubleClick::InPlaceOfClick, "Down1 Up1 Click DblClick Up1 "},
        {MouseRecorder::DoubleClick::AfterClick, "Down1 Up1 Click Down1 Up1 Click DblClick "},
    };
    for (const Case& c : cases) {
        MouseRecorder r(c.mode);
        for (UINT msg : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
            EXPECT_TRUE(r.send(form.hwnd(), msg, 5, 5));
        EXPECT_EQ(r.events, c.events);
    }
}

TEST_F(MouseEventsTest, NoClickForAReleaseOutsideOrAForgottenPress)
{
    for (auto mode : {MouseRecorder::DoubleClick::InPlaceOfClick, MouseRecorder::DoubleClick::AfterClick}) {
        MouseRecorder r(mode);
        r.send(form.hwnd(), WM_LBUTTONDOWN, 5, 5);
        r.send(form.hwnd(), WM_LBUTTONUP, -1, 5);
        r.send(form.hwnd(), WM_LBUTTONDOWN, 5, 5);
        r.forget();
        r.send(form.hwnd(), WM_LBUTTONUP, 5, 5);
        EXPECT_EQ(r.events, "Down1 Up1 Down1 Up1 ");
        EXPECT_FALSE(r.send(form.hwnd(), WM_KEYDOWN, 0, 0));
    }
}

} // namespace plat::forms::testing
