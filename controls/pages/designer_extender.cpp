#include "controls/pages/designer_extender.h"
#include <cmath>

namespace qel {
namespace {

// Twips a form keeps for a position or a size.
constexpr double kLargestTwips = 2147483647.0;

double Position(double twips, const char* member)
{
    if (!std::isfinite(twips) || std::fabs(twips) > kLargestTwips)
        throw PageError(std::string("Invalid property value: ") + member);
    return twips;
}

double Size(double twips, const char* member)
{
    if (twips < 0)
        throw PageError(std::string("Invalid property value: ") + member + " cannot be negative");
    return Position(twips, member);
}

} // namespace

void DesignerExtender::setLeft(double twips) { m_control.setLeft(Position(twips, "Left")); }
void DesignerExtender::setTop(double twips) { m_control.setTop(Position(twips, "Top")); }
void DesignerExtender::setWidth(double twips) { m_control.setWidth(Size(twips, "Width")); }
void DesignerExtender::setHeight(double twips) { m_control.setHeight(Size(twips, "Height")); }

const MemberTable<DesignerExtender>& DesignerExtender::Members()
{
    static const MemberTable<DesignerExtender> table = [] {
        using E = DesignerExtender;
        MemberTable<E> t;
        t.bind<E>("Name", &E::Name, &E::setName);
        t.bind<E>("Left", &E::Left, &E::setLeft);
        t.bind<E>("Top", &E::Top, &E::setTop);
        t.bind<E>("Width", &E::Width, &E::setWidth);
        t.bind<E>("Height", &E::Height, &E::setHeight);
        t.bind<E>("Visible", &E::Visible, &E::setVisible);
        t.bind<E>("Tag", &E::Tag, &E::setTag);
        t.bind<E>("ToolTipText", &E::ToolTipText, &E::setToolTipText);
        return t;
    }();
    return table;
}

bool IsControlName(const std::string& name)
{
    auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    if (name.empty() || name.size() > 40 || !letter(name[0]))
        return false;
    for (char c : name)
        if (!letter(c) && !(c >= '0' && c <= '9') && c != '_')
            return false;
    return true;
}

} // namespace qel
