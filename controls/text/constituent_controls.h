#pragma once
#include "platform/forms/control.h"
#include "platform/forms/form.h"
#include "platform/forms/property_bag.h"
#include <memory>
#include <string>

namespace qel {

// The controls a control is made of (a text box's edit fields and scroll bars): each has its
// own window inside the owner's window, lives and dies with the owner, and is none of the form's
// controls (not in its list, its stored layout or its name lookup). They are placed on a hidden
// holder form of their own, which gives them their ambient (design mode and font of the owner's
// form), and their windows are then moved into the owner's window; positions are relative to it.
class ConstituentControls {
public:
    explicit ConstituentControls(plat::forms::Control& owner);
    ~ConstituentControls();
    ConstituentControls(const ConstituentControls&) = delete;
    ConstituentControls& operator=(const ConstituentControls&) = delete;

    // Places a part at a position in twips inside the owner. With `stored` it reads its stored
    // properties (as a part loaded from its owner's design), else it takes its defaults.
    template<class T>
    T& add(const std::string& name, double left, double top, double width, double height, plat::forms::PropertyBag* stored = nullptr)
    {
        return add(std::make_unique<T>(), name, left, top, width, height, stored);
    }
    // The same with a part made by the owner.
    template<class T>
    T& add(std::unique_ptr<T> part, const std::string& name, double left, double top, double width, double height,
        plat::forms::PropertyBag* stored = nullptr)
    {
        return static_cast<T&>(place(std::move(part), name, left, top, width, height, stored));
    }

private:
    plat::forms::Control& place(std::unique_ptr<plat::forms::Control> part, const std::string& name, double left, double top, double width,
        double height, plat::forms::PropertyBag* stored);

    plat::forms::Control& m_owner;
    std::unique_ptr<plat::forms::Form> m_holder;
};

} // namespace qel
