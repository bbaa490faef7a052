#include "controls/pages/property_page_host.h"
#include "controls/pages/designer_extender.h"
#include "controls/pages/member_value.h"
#include "controls/pages/page_registry.h"
#include "platform/forms/layout_error.h"
#include "platform/forms/property_bag.h"
#include <algorithm>

namespace qel {

using plat::forms::Control;

PropertyPageHost::PropertyPageHost(plat::forms::Form& designed, std::filesystem::path layoutFile)
    : m_designed(designed)
    , m_layoutFile(std::move(layoutFile))
{
}

PropertyPageHost::~PropertyPageHost() = default;

std::vector<std::string> PropertyPageHost::OfferedPages() const
{
    // The tabs of the first selected control's class; each page itself passes over the
    // controls it does not edit.
    return m_selection.empty() ? std::vector<std::string>() : PagesOfClass(m_selection.front()->className());
}

bool PropertyPageHost::Select(std::vector<Control*> controls)
{
    m_selection = std::move(controls);
    const std::vector<std::string> offered = OfferedPages();
    std::vector<std::string> shown;
    for (const Tab& t : m_pages)
        shown.push_back(t.page->Spec().name);
    if (shown != offered) {
        m_pages.clear();
        for (const std::string& name : offered) {
            Tab tab;
            tab.page = CreatePage(name);
            tab.page->Attach(*this);
            tab.page->load();
            m_pages.push_back(std::move(tab));
        }
    }
    bool ok = true;
    for (Tab& t : m_pages) {
        t.changed = false;
        try {
            t.page->LoadFromSelection();
        } catch (const std::exception& e) {
            Fail(*t.page, "load", e);
            ok = false;
        }
    }
    return ok;
}

PropertyPage* PropertyPageHost::PageNamed(const std::string& name) const
{
    for (const Tab& t : m_pages)
        if (t.page->Spec().name == name)
            return t.page.get();
    return nullptr;
}

std::vector<std::string> PropertyPageHost::TabCaptions() const
{
    std::vector<std::string> out;
    for (const Tab& t : m_pages)
        out.push_back(t.page->Caption());
    return out;
}

void PropertyPageHost::setDialogPosition(double left, double top)
{
    m_dialogLeft = left;
    m_dialogTop = top;
}

void PropertyPageHost::ShowPage(int tab)
{
    for (int i = 0; i < PageCount(); ++i) {
        PropertyPage& p = Page(i);
        if (i == tab) {
            p.move(m_dialogLeft, m_dialogTop);
            p.show();
        } else {
            p.hide();
        }
    }
}

bool PropertyPageHost::PageChanged(const PropertyPage& page) const
{
    for (const Tab& t : m_pages)
        if (t.page.get() == &page)
            return t.changed;
    return false;
}

void PropertyPageHost::SetPageChanged(const PropertyPage& page)
{
    for (Tab& t : m_pages)
        if (t.page.get() == &page)
            t.changed = true;
}

void PropertyPageHost::Fail(const PropertyPage& page, const std::string& what, const std::exception& e)
{
    m_failures.push_back(page.Spec().name + " " + what + ": " + e.what());
}

bool PropertyPageHost::Apply()
{
    bool ok = true;
    for (Tab& t : m_pages) {
        if (!t.changed)
            continue;
        try {
            t.page->ApplyToSelection();
            t.changed = false;
        } catch (const std::exception& e) {
            // The edits stay marked as not applied.
            Fail(*t.page, "apply", e);
            ok = false;
        }
    }
    if (m_layoutFile.empty())
        return ok;
    try {
        plat::forms::writeLayout(Layout(), m_layoutFile);
    } catch (const std::exception& e) {
        m_failures.push_back(std::string("layout: ") + e.what());
        ok = false;
    }
    return ok;
}

std::string PropertyPageHost::NameOf(const Control& control) const
{
    auto it = m_names.find(&control);
    return it == m_names.end() ? control.name() : it->second;
}

void PropertyPageHost::Rename(Control& control, const std::string& name)
{
    if (!IsControlName(name))
        throw PageError("Invalid property value: \"" + name + "\" is not a control name");
    const std::string key = plat::forms::PropertyBag::keyOf(name);
    for (const Control* other : m_designed.controls()) {
        if (other == &control)
            continue;
        // Members of one control array share their name.
        const bool sameArray = other->index() >= 0 && control.index() >= 0
            && plat::forms::PropertyBag::keyOf(other->name()) == plat::forms::PropertyBag::keyOf(control.name());
        if (!sameArray && plat::forms::PropertyBag::keyOf(NameOf(*other)) == key)
            throw PageError("Ambiguous name detected: \"" + name + "\"");
    }
    m_names[&control] = name;
}

plat::forms::FormLayout PropertyPageHost::Layout() const
{
    plat::forms::FormLayout layout = m_designed.layout();
    std::map<std::pair<std::string, int>, std::string> renamed;
    // Only controls still on the form: a removed one's entry is never looked at.
    for (const Control* control : m_designed.controls())
        if (auto it = m_names.find(control); it != m_names.end())
            renamed[{control->name(), control->index()}] = it->second;
    auto walk = [&](auto& self, std::vector<plat::forms::ControlLayout>& entries) -> void {
        for (auto& e : entries) {
            auto it = renamed.find({e.name, e.index});
            if (it != renamed.end())
                e.name = it->second;
            self(self, e.controls);
        }
    };
    walk(walk, layout.controls);
    return layout;
}

} // namespace qel
