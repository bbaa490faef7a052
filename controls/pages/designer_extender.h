#pragma once
#include "controls/pages/member_table.h"
#include "controls/pages/page_site.h"
#include "platform/forms/control.h"
#include <string>

namespace qel {

// The host-side properties of a placed control as the designer hands them to a page: the
// control's own extender (its GetExtender) for position, size, visibility, tag and tip, and the
// designer for the name. Refused writes throw PageError: a name the form does not accept, a
// negative size, a position or size beyond what the form keeps.
class DesignerExtender {
public:
    DesignerExtender(PageSite& site, plat::forms::Control& extender) : m_site(site), m_control(extender) {}

    std::string Name() const { return m_site.NameOf(m_control); }
    void setName(const std::string& name) { m_site.Rename(m_control, name); }
    double Left() const { return m_control.left(); }
    void setLeft(double twips);
    double Top() const { return m_control.top(); }
    void setTop(double twips);
    double Width() const { return m_control.width(); }
    void setWidth(double twips);
    double Height() const { return m_control.height(); }
    void setHeight(double twips);
    bool Visible() const { return m_control.visible(); }
    void setVisible(bool on) { m_control.setVisible(on); }
    std::string Tag() const { return m_control.tag(); }
    void setTag(const std::string& tag) { m_control.setTag(tag); }
    std::string ToolTipText() const { return m_control.toolTipText(); }
    void setToolTipText(const std::string& text) { m_control.setToolTipText(text); }

    // Name, Left, Top, Width, Height, Visible, Tag and ToolTipText by name.
    static const MemberTable<DesignerExtender>& Members();

private:
    PageSite& m_site;
    plat::forms::Control& m_control;
};

// Whether the form accepts a control name: a letter, then letters, digits and underscores, at
// most 40 characters.
bool IsControlName(const std::string& name);

} // namespace qel
