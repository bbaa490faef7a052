#pragma once
#include "platform/forms/color_models.h"
#include "platform/forms/user_control.h"
#include <functional>

namespace plat::forms {

// The colour dialog's field of hues (across) and saturations (down, full at the top), shown at
// the middle luminance, with a cross at the current hue and saturation. A press or a drag picks.
class ColorSpectrum : public UserControl {
public:
    std::string className() const override { return "ColorSpectrum"; }

    int hue() const { return m_hue; }
    int saturation() const { return m_saturation; }
    void setHueSaturation(int hue, int saturation);
    // The window point of a hue and saturation (inside the border).
    gfx::Point pointOf(int hue, int saturation) const;

    std::function<void(int hue, int saturation)> onPick;

protected:
    bool canTakeFocus() const override { return false; }
    void onPaint() override { redraw(); }
    void onResize() override;
    win::LRESULT windowProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override;

private:
    gfx::Rect field() const;
    void pick(gfx::Point p);
    void redraw();

    int m_hue = 0;
    int m_saturation = 0;
    bool m_dragging = false;
    gfx::Surface m_field; // the field drawn once per size
};

// The bar beside the spectrum: the luminances of the current hue and saturation, white at the
// top and black at the bottom, with a marker at the current luminance.
class LuminanceBar : public UserControl {
public:
    std::string className() const override { return "LuminanceBar"; }

    void setHueSaturation(int hue, int saturation);
    int luminance() const { return m_luminance; }
    void setLuminance(int luminance);
    int yOf(int luminance) const;

    std::function<void(int luminance)> onPick;

protected:
    bool canTakeFocus() const override { return false; }
    void onPaint() override { redraw(); }
    void onResize() override { redraw(); }
    win::LRESULT windowProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override;

private:
    gfx::Rect bar() const;
    void pick(int y);
    void redraw();

    int m_hue = 0;
    int m_saturation = 0;
    int m_luminance = 0;
    bool m_dragging = false;
};

} // namespace plat::forms
