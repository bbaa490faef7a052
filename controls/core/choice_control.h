#pragma once
#include "controls/core/choice_glyphs.h"
#include "controls/core/caption_control.h"
#include <string>

namespace qel {

// What the check box and the option button share: a 13 × 13 glyph cell at the left edge,
// vertically centred, and the caption beside it from x = 20; a mouse-over and a disabled look;
// a dotted focus rectangle around the caption; the arrow keys move the focus; a left press, the
// press of a double click and Space activate the control (the check box toggles, the option
// button selects) before the mouse or key event is raised.
class ChoiceControl : public CaptionControl {
public:
    int Value() const { return m_value; }
    virtual void setValue(int value);

    // Redraws now, unless UnRefreshControl is set.
    void Refresh();

    // The cell of the glyph picture the control shows now.
    int GlyphCell() const { return GlyphCellFor(Enabled(), MouseInside(), m_value); }

    // The text rectangle starts here; the focus rectangle 3 pixels left of it.
    static constexpr int kCaptionLeft = 20;

protected:
    explicit ChoiceControl(const plat::gfx::Surface& glyphs) : m_glyphs(glyphs) {}

    // The toggle or select of a left press, a double-click press or Space.
    virtual void Activate() = 0;

    static const auto& ValueProperty();

    void ApplyBackColor() override;
    void OnBackStyleSet() override { ApplyBackStyle(); }
    void Redraw() override { Refresh(); }
    void OnMouseButton(plat::win::UINT msg, MouseEventArgs& args) override;
    void OnMouseHover() override;
    void OnMouseLeave() override;
    void onKeyDown(int& keyCode, int shift) override;
    void onGotFocus() override;
    void onLostFocus() override;

    int m_value{};

private:
    // Draws the focus rectangle (enabled) or passes the focus on (disabled).
    void FocusRoutine();
    void ApplyBackStyle();
    void DrawGlyph();

    const plat::gfx::Surface& m_glyphs;
};

inline const auto& ChoiceControl::ValueProperty()
{
    using C = ChoiceControl;
    static const auto table = propertyTable(PropertiesOf<C>::property("Value", &C::Value, &C::setValue, 0).pages());
    return table;
}

} // namespace qel
