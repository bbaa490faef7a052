#pragma once
#include "platform/forms/color_models.h"
#include "platform/forms/user_control.h"
#include <functional>

namespace plat::forms {

// A part of the colour dialog that picks where the left button presses and wherever it is dragged
// while held, until it is released.
class ColorPickArea : public UserControl {
protected:
    bool canTakeFocus() const override { return false; }
    win::LRESULT windowProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override;
    virtual void pick(gfx::Point p) = 0;

private:
    bool m_dragging = false;
};

// The colour dialog's field of hues (across) and saturations (down, full at the top), shown at
// the middle luminance, with a cross at the current hue and saturation. A press or a drag picks.
class ColorSpectrum : public ColorPickArea {
public:
    std::string className() const override { return "ColorSpectrum"; }

    int hue() const { return m_hue; }
    int saturation() const { return m_saturation; }
    void setHueSaturation(int hue, int saturation);
    // The window point of a hue and saturation (inside the border).
    gfx::Point pointOf(int hue, int saturation) const;

    std::function<void(int hue, int saturation)> onPick;

protected:
    void onPaint() override { redraw(); }
    void onResize() override;
    void pick(gfx::Point p) override;

private:
    gfx::Rect field() const;
    void redraw();

    int m_hue = 0;
    int m_saturation = 0;
    gfx::Surface m_field; // the field drawn once per size
};

// The bar beside the spectrum: the luminances of the current hue and saturation, white at the
// top and black at the bottom, with a marker at the current luminance.
class LuminanceBar : public ColorPickArea {
public:
    std::string className() const override { return "LuminanceBar"; }

    void setHueSaturation(int hue, int saturation);
    int luminance() const { return m_luminance; }
    void setLuminance(int luminance);
    int yOf(int luminance) const;

    std::function<void(int luminance)> onPick;

protected:
    void onPaint() override { redraw(); }
    void onResize() override { redraw(); }
    void pick(gfx::Point p) override; // only the height counts

private:
    gfx::Rect bar() const;
    void redraw();

    int m_hue = 0;
    int m_saturation = 0;
    int m_luminance = 0;
};

} // namespace plat::forms
