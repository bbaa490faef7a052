#include "scoreboard/form_parts.h"

#include "controls/core/push_button_base.h"
#include "controls/core/qel_label.h"
#include "platform/forms/form.h"
#include "platform/forms/label.h"
#include "platform/forms/timer.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace scoreboard {

namespace forms = plat::forms;

forms::Control* findPart(const forms::Form& form, std::string_view name, int index)
{
    if (!form.isLoaded())
        return nullptr;
    return index >= 0 ? form.find(name, index) : form.find(name);
}

void showPart(const forms::Form& form, std::string_view name, bool front)
{
    if (forms::Control* c = findPart(form, name)) {
        c->setVisible(true);
        if (front)
            c->zOrder(0);
    }
}

void hidePart(const forms::Form& form, std::string_view name)
{
    if (forms::Control* c = findPart(form, name))
        c->setVisible(false);
}

bool partVisible(const forms::Form& form, std::string_view name)
{
    forms::Control* c = findPart(form, name);
    return c && c->visible();
}

std::string captionOf(const forms::Control* control)
{
    if (auto* label = dynamic_cast<const forms::Label*>(control))
        return label->caption();
    if (auto* label = dynamic_cast<const qel::qelLabel*>(control))
        return label->Caption();
    if (auto* button = dynamic_cast<const qel::PushButtonBase*>(control))
        return button->Caption();
    return {};
}

void setCaptionOf(forms::Control* control, std::string_view caption)
{
    if (auto* label = dynamic_cast<forms::Label*>(control))
        label->setCaption(std::string(caption));
    else if (auto* label = dynamic_cast<qel::qelLabel*>(control))
        label->setCaption(std::string(caption));
    else if (auto* button = dynamic_cast<qel::PushButtonBase*>(control))
        button->setCaption(std::string(caption));
}

uint32_t foreColorOf(const forms::Control* control, uint32_t fallback)
{
    if (auto* label = dynamic_cast<const forms::Label*>(control))
        return label->foreColor();
    if (auto* label = dynamic_cast<const qel::qelLabel*>(control))
        return label->ForeColor();
    if (auto* button = dynamic_cast<const qel::PushButtonBase*>(control))
        return button->ForeColor();
    return fallback;
}

void setTimerOn(const forms::Form& form, std::string_view name, bool on)
{
    if (auto* timer = dynamic_cast<forms::Timer*>(findPart(form, name)))
        timer->setEnabled(on);
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

void forEachItem(const forms::Form& form, std::string_view name, const std::function<void(forms::Control&, int)>& fn)
{
    if (!form.isLoaded())
        return;
    std::vector<std::pair<int, forms::Control*>> items;
    for (forms::Control* c : form.controls())
        if (c->index() >= 0 && form.find(name, c->index()) == c)
            items.emplace_back(c->index(), c);
    std::sort(items.begin(), items.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto& [index, control] : items)
        fn(*control, index);
}

} // namespace scoreboard
