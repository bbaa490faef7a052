#include "scoreboard/form_parts.h"

#include "controls/core/drawn_control.h"
#include "platform/forms/form.h"
#include "platform/forms/mouse_events.h"

#include <utility>

namespace scoreboard {

namespace forms = plat::forms;

forms::Control* findPart(const forms::Form& form, std::string_view name, int index)
{
    if (!form.isLoaded())
        return nullptr;
    return index >= 0 ? &form.get<forms::Control>(name, index) : &form.get<forms::Control>(name);
}

void showPart(forms::Control& control, bool front)
{
    control.setVisible(true);
    if (front)
        control.zOrder(0);
}

void onMouseMoveOf(forms::Control* control, std::function<void()> handler)
{
    if (auto* drawn = dynamic_cast<qel::DrawnControl*>(control))
        drawn->MouseMove = [handler = std::move(handler)](int&, int&, int&, int&, int&) { handler(); };
    else if (auto* events = dynamic_cast<forms::MouseEvents*>(control))
        events->onMouseMove = [handler = std::move(handler)](int, int, double, double) { handler(); };
}

void onDoubleClickOf(forms::Control* control, std::function<void()> handler)
{
    if (auto* drawn = dynamic_cast<qel::DrawnControl*>(control))
        drawn->MouseDblClick = [handler = std::move(handler)](int&, int&, int&, int&, int&) { handler(); };
    else if (auto* events = dynamic_cast<forms::MouseEvents*>(control))
        events->onDblClick = std::move(handler);
}

} // namespace scoreboard
