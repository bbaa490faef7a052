#pragma once
#include "controls_fixture.h"
#include <memory>
#include <string>

namespace qel::testing {

// Places controls inside containers (frames) as a stored layout does, at pixel positions
// relative to the container.
class ContainerTest : public ControlsTest {
protected:
    // Reads `stored` as its stored properties.
    template<class T>
    T& placeIn(plat::forms::Control& container, const std::string& name, int x, int y, int w, int h, PropertyBag stored = {},
        int index = -1)
    {
        PropertyBag extender = extenderAt(x, y, w, h);
        auto& c = form.addControl(std::make_unique<T>(), name, index, &container, &stored, &extender);
        return dynamic_cast<T&>(c);
    }
    // As a designer places a new one (defaults, no stored properties).
    template<class T>
    T& placeNewIn(plat::forms::Control* container, const std::string& name, int x, int y, int w, int h)
    {
        PropertyBag extender = extenderAt(x, y, w, h);
        auto& c = form.addControl(std::make_unique<T>(), name, -1, container, nullptr, &extender);
        return dynamic_cast<T&>(c);
    }
};

} // namespace qel::testing
