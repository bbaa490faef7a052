#pragma once
#include "forms_fixture.h"
#include "platform/forms/standard_controls.h"
#include "platform/gfx/picture.h"
#include "platform/window/twips.h"
#include "platform/window/virtual_keys.h"
#include "tests/support/screenshot_folder.h"
#include <functional>
#include <string>
#include <vector>

namespace plat::forms::testing {

// A form without a stored layout for controls made in code, at the screen's top-left corner.
class CodeForm : public Form {
public:
    CodeForm() : Form("CodeForm", std::filesystem::path())
    {
        move(0, 0, win::twipsFromPixels(640), win::twipsFromPixels(480));
        setBackColor(0x8000000Fu);
    }
};

class InputControlsTest : public FormsTest {
protected:
    InputControlsTest()
    {
        registerStandardControls();
        form.show();
    }
    ~InputControlsTest() override { session.backend().setIdleHandler(nullptr); }

    CodeForm form;

    // Places a control at a pixel rectangle of the form.
    template<class T>
    T& place(const std::string& name, gfx::Rect pixels, int index = -1)
    {
        T& c = form.add<T>(name, nullptr, index);
        c.move(win::twipsFromPixels(pixels.left), win::twipsFromPixels(pixels.top), win::twipsFromPixels(pixels.width()),
            win::twipsFromPixels(pixels.height()));
        session.settle();
        return c;
    }

    // A point of a control's window, relative to its top-left corner, on the screen.
    gfx::Point on(const Control& c, int x, int y)
    {
        gfx::Point o = win::ClientToScreen(c.hwnd(), {0, 0});
        return {o.x + x, o.y + y};
    }
    void clickAt(const Control& c, int x, int y)
    {
        gfx::Point p = on(c, x, y);
        session.click(p.x, p.y);
    }
    // Keys with modifiers held: shift 1, ctrl 2.
    void press(int vk, int modifiers = 0)
    {
        if (modifiers & 1)
            session.keyDown(win::VK_SHIFT);
        if (modifiers & 2)
            session.keyDown(win::VK_CONTROL);
        session.key(vk);
        if (modifiers & 2)
            session.keyUp(win::VK_CONTROL);
        if (modifiers & 1)
            session.keyUp(win::VK_SHIFT);
    }
    gfx::Color screenAt(int x, int y)
    {
        session.settle();
        return win::sys().screen().colorAt(x, y);
    }
    int count(gfx::Color c, gfx::Rect screenRect)
    {
        session.settle();
        return test_support::pixelsOfColor(win::sys().screen(), screenRect, c);
    }
    gfx::Rect screenRectOf(const Control& c) { return win::GetScreenRect(c.hwnd()); }

    // Modal dialogs: once the loop is idle, each step runs when the one before has been handled.
    // Steps queue input with the helpers below (not through the session, which would pump).
    void whenIdle(std::vector<std::function<void()>> steps)
    {
        session.backend().setIdleHandler([steps, next = size_t(0)]() mutable {
            if (next == steps.size())
                return false;
            steps[next++]();
            return true;
        });
    }
    void queueClick(gfx::Point p, bool twice = false)
    {
        for (int i = 0; i < (twice ? 2 : 1); ++i) {
            win::sys().queueInput({win::InputEvent::Kind::ButtonDown, p.x, p.y, 1});
            win::sys().queueInput({win::InputEvent::Kind::ButtonUp, p.x, p.y, 1});
        }
    }
    void queueKey(int vk, bool down = true, bool up = true)
    {
        win::InputEvent e{win::InputEvent::Kind::KeyDown};
        e.value = vk;
        if (down)
            win::sys().queueInput(e);
        e.kind = win::InputEvent::Kind::KeyUp;
        if (up)
            win::sys().queueInput(e);
    }
    void queueText(const std::string& utf8)
    {
        win::sys().queueText(utf8);
    }
};

} // namespace plat::forms::testing
