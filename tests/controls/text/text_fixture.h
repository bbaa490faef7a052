#pragma once
#include "controls/text/fixed_point.h"
#include "tests/controls/core/controls_fixture.h"
#include "tests/controls/core/event_log.h"
#include <string>

namespace qel::testing {

// A fixed-point value as the logs show it ("50", "-0.5").
inline std::string text(Fixed v) { return v.toString(); }

// The core controls' fixture with the form shown from the start and the session settled after
// each control is placed, so that a text control is drawn and has its scroll bars before a test
// types into it.
class TextControlsTest : public ControlsTest {
protected:
    void SetUp() override
    {
        ControlsTest::SetUp();
        show();
    }

    // A control that reads `stored` as its stored properties.
    template<class T>
    T& place(const std::string& name, int x, int y, int w, int h, PropertyBag stored = {})
    {
        T& c = ControlsTest::place<T>(name, x, y, w, h, std::move(stored));
        session.settle();
        return c;
    }

    // A control as a designer places a new one (defaults, no stored properties).
    template<class T>
    T& placeNew(const std::string& name, int x, int y, int w, int h)
    {
        T& c = ControlsTest::placeNew<T>(name, x, y, w, h);
        session.settle();
        return c;
    }
};

} // namespace qel::testing
