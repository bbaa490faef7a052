#pragma once
#include "controls/core/drawn_control.h"
#include "platform/backend/session.h"
#include "platform/forms/form.h"
#include "platform/forms/property_bag.h"
#include "platform/window/api.h"
#include "platform/window/virtual_keys.h"
#include "tests/support/screenshot_folder.h"
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace qel::testing {

using plat::forms::PropertyBag;
using plat::gfx::Color;

// A headless session with one shown form at the screen's top-left corner, on which tests
// place controls at pixel positions, as a stored layout would (extender, then the stored
// properties, which subclasses the control in run mode).
class ControlsTest : public ::testing::Test {
protected:
    plat::backend::HeadlessSession session{{1024, 768}};
    plat::forms::Form form{"test", ""};

    void SetUp() override
    {
        form.move(0, 0, 800 * 15, 600 * 15);
        form.load();
    }

    void show()
    {
        form.show();
        session.settle();
    }

    static PropertyBag extenderAt(int x, int y, int w, int h)
    {
        PropertyBag e;
        e.writeProperty("Left", double(x * 15), -1.0);
        e.writeProperty("Top", double(y * 15), -1.0);
        e.writeProperty("Width", double(w * 15), -1.0);
        e.writeProperty("Height", double(h * 15), -1.0);
        return e;
    }

    // Places a control that reads `stored` as its stored properties.
    template<class T>
    T& place(const std::string& name, int x, int y, int w, int h, PropertyBag stored = {})
    {
        PropertyBag extender = extenderAt(x, y, w, h);
        auto& c = form.addControl(std::make_unique<T>(), name, -1, nullptr, &stored, &extender);
        return dynamic_cast<T&>(c);
    }

    // Places a control as a designer places a new one (defaults, no stored properties).
    template<class T>
    T& placeNew(const std::string& name, int x, int y, int w, int h)
    {
        PropertyBag extender = extenderAt(x, y, w, h);
        auto& c = form.addControl(std::make_unique<T>(), name, -1, nullptr, nullptr, &extender);
        return dynamic_cast<T&>(c);
    }

    // The pixel of a window's persistent image.
    static plat::gfx::Color imagePixel(plat::win::HWND h, int x, int y) { return plat::win::WindowImage(h).colorAt(x, y); }
    // The pixel on the composed screen.
    plat::gfx::Color screenPixel(int x, int y)
    {
        session.settle();
        return session.windows().screen().colorAt(x, y);
    }
    // How many pixels of a window's persistent image have the colour.
    static int countColour(plat::win::HWND h, Color c)
    {
        const plat::gfx::Surface& s = plat::win::WindowImage(h);
        return test_support::pixelsOfColor(s, s.rect(), c);
    }
    // How many pixels of a part of the composed screen have the colour.
    int screenPixelsOfColor(plat::gfx::Rect part, Color c)
    {
        session.settle();
        return test_support::pixelsOfColor(session.windows().screen(), part, c);
    }
};

} // namespace qel::testing
