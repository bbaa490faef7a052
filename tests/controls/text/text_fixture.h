#pragma once
#include "controls/text/fixed_point.h"
#include "platform/backend/session.h"
#include "platform/forms/form.h"
#include "platform/forms/property_bag.h"
#include "platform/window/api.h"
#include "platform/window/virtual_keys.h"
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace qel::testing {

using plat::forms::PropertyBag;
using plat::gfx::Color;
using Log = std::vector<std::string>;

// The events a test cares for, in the order they were raised ("Change 50", "MouseDown 1").
struct EventLog {
    Log entries;
    void add(std::string entry) { entries.push_back(std::move(entry)); }
    Log take() { return std::exchange(entries, {}); }
};

// A fixed-point value as the logs show it ("50", "-0.5").
inline std::string text(Fixed v) { return v.toString(); }

// A headless session with one shown form at the screen's top-left corner, on which tests place
// controls at pixel positions as a stored layout would: the extender first, then the stored
// properties (which subclass a control in run mode), or the defaults of a newly placed one.
class TextControlsTest : public ::testing::Test {
protected:
    plat::backend::HeadlessSession session{{1024, 768}};
    plat::forms::Form form{"test", ""};

    void SetUp() override
    {
        form.move(0, 0, 800 * 15, 600 * 15);
        form.load();
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

    // A control that reads `stored` as its stored properties.
    template<class T>
    T& place(const std::string& name, int x, int y, int w, int h, PropertyBag stored = {})
    {
        PropertyBag extender = extenderAt(x, y, w, h);
        auto& c = form.addControl(std::make_unique<T>(), name, -1, nullptr, &stored, &extender);
        session.settle();
        return dynamic_cast<T&>(c);
    }

    // A control as a designer places a new one (defaults, no stored properties).
    template<class T>
    T& placeNew(const std::string& name, int x, int y, int w, int h)
    {
        PropertyBag extender = extenderAt(x, y, w, h);
        auto& c = form.addControl(std::make_unique<T>(), name, -1, nullptr, nullptr, &extender);
        session.settle();
        return dynamic_cast<T&>(c);
    }

    // A pixel of a window's persistent image, and of the composed screen.
    static Color imagePixel(plat::win::HWND h, int x, int y) { return plat::win::WindowImage(h).colorAt(x, y); }
    Color screenPixel(int x, int y)
    {
        session.settle();
        return session.windows().screen().colorAt(x, y);
    }
};

} // namespace qel::testing
