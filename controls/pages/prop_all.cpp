#include "controls/pages/prop_all.h"
#include "controls/core/drawn_control.h"
#include "controls/pages/designer_extender.h"
#include "controls/pages/field_specs.h"
#include <array>

namespace qel {

using namespace fields;

namespace {

constexpr std::array<std::string_view, 11> kClasses = {"qelCheck", "qelBar", "qelCommand", "qelFrame", "qelHScroll", "qelLabel",
    "qelOptionButton", "qelToggleButton", "qelUpDown", "qelVScroll", "qelListBox"};

FieldSpec Inside(FieldSpec f, const char* container, int labelLeft, int labelTop, int labelWidth, int left, int width)
{
    f.container = container;
    f.labelLeft = labelLeft;
    f.labelTop = labelTop;
    f.labelWidth = labelWidth;
    f.left = left;
    f.width = width;
    return f;
}

} // namespace

PageSpec propAll::Design()
{
    PageSpec s;
    s.name = "propAll";
    s.caption = "Normal";
    s.pageClass.clear(); // the first selected control of any of the eleven classes
    s.height = 3390;
    ContainerSpec position{"Frame1", "Position", 120, 1080, 3735, 1000, "Picture1", 120, 240, 3495, 700};
    ContainerSpec strings{"Frame2", "Strings", 120, 2280, 3735, 975, "Picture2", 120, 240, 3495, 615};
    s.containers = {position, strings};
    s.fields = {
        Text("txtName", "Name", 240, "Name", 3),
        Check("chkVisible", "Visible", 600, "Visible"),
        Inside(Number("txtLeft", "Left", 0, "Left", 0), "Picture1", 0, 0, 615, 600, 1095),
        Inside(Number("txtTop", "Top", 0, "Top", 1), "Picture1", 1800, 0, 615, 2400, 1095),
        Inside(Number("txtHeight", "Height", 360, "Height", 2), "Picture1", 0, 360, 615, 600, 1095),
        Inside(Number("txtWidth", "Width", 360, "Width", 4), "Picture1", 1800, 360, 615, 2400, 1095),
        Inside(Text("txtTag", "Tag", 0, "Tag", 5), "Picture2", 0, 0, 975, 1080, 1935),
        Inside(Text("txtToolTipText", "ToolTipText", 360, "ToolTipText", 6), "Picture2", 0, 360, 975, 1080, 1935),
    };
    s.loadOrder = {"Name", "Height", "Left", "Tag", "ToolTipText", "Top", "Width", "Visible"};
    s.applyOrder = s.loadOrder;
    s.loadSkipsErrors = false;
    s.applySkipsErrors = true;
    return s;
}

propAll::propAll() : PropertyPage(Design()) {}

bool propAll::OffersPage(std::string_view className)
{
    for (std::string_view c : kClasses)
        if (c == className)
            return true;
    return false;
}

plat::forms::Control& propAll::ExtenderOfFirst() const
{
    plat::forms::Control& first = FirstSelected();
    auto* drawn = dynamic_cast<DrawnControl*>(&first);
    if (!drawn || !OffersPage(first.className()))
        throw PageError("Type mismatch: a " + first.className() + " has no page Normal");
    return drawn->GetExtender();
}

void propAll::LoadFromSelection()
{
    DesignerExtender extender(Site(), ExtenderOfFirst());
    const auto& members = DesignerExtender::Members();
    ReadFields([&](const std::string& member) { return members.read(extender, member); }, Spec().loadSkipsErrors);
}

void propAll::ApplyToSelection()
{
    plat::forms::Control* hostSide = nullptr;
    Statement(true, [&] { hostSide = &ExtenderOfFirst(); });
    if (!hostSide)
        return;
    DesignerExtender extender(Site(), *hostSide);
    const auto& members = DesignerExtender::Members();
    WriteFields([&](const std::string& member, const MemberValue& v) { members.write(extender, member, v); }, true);
}

} // namespace qel
