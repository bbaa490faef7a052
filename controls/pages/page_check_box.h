#pragma once
#include "platform/forms/font_desc.h"
#include "platform/forms/user_control.h"
#include <functional>
#include <string>

namespace qel {

// The plain check box of the property pages: a 13 × 13 box at the left, vertically centred,
// and the caption beside it, its lines (CR LF between them) centred as one block. Value 0 is
// clear, 1 checked, 2 grayed. A left press and release on it or Space toggles it (a grayed box
// clears) and raises Click; setting Value by code raises nothing.
class PageCheckBox : public plat::forms::UserControl {
public:
    std::function<void()> Click;

    std::string className() const override { return "PageCheckBox"; }

    int Value() const { return m_value; }
    void setValue(int value);
    const std::string& Caption() const { return m_caption; }
    void setCaption(const std::string& caption);
    void setFont(const plat::forms::FontDesc& font);
    void setBackColor(uint32_t color);

    void initProperties() override;
    void readProperties(plat::forms::PropertyBag& bag) override;
    void writeProperties(plat::forms::PropertyBag& bag) const override;

protected:
    plat::win::LRESULT windowProc(plat::win::HWND hwnd, plat::win::UINT msg, plat::win::WPARAM wParam, plat::win::LPARAM lParam) override;
    void onPaint() override { Draw(); }
    void onResize() override { Draw(); }
    void onGotFocus() override { Draw(); }
    void onLostFocus() override { Draw(); }
    void onKeyUp(int& keyCode, int shift) override;
    void onPlaced() override { Draw(); }

private:
    void Toggle();
    void Draw();

    int m_value = 0;
    std::string m_caption;
    plat::forms::FontDesc m_font;
    uint32_t m_backColor = 0x8000000Fu;
    bool m_pressed = false;
    bool m_focused = false;
};

} // namespace qel
