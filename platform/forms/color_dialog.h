#pragma once
#include "platform/forms/color_models.h"
#include "platform/forms/dialog_form.h"
#include "platform/gfx/surface.h"
#include <array>
#include <string>

namespace plat::forms {

class ColorGrid;
class ColorSpectrum;
class Label;
class LuminanceBar;
class MessageBoxButton;
class TextBox;

// Our own modal colour dialog: 48 basic colours, 16 custom colours that last as long as the
// program, and (opened at once with cdlCCFullOpen, or by "规定自定义颜色 >>" unless
// cdlCCPreventFullOpen) a spectrum with a luminance bar, the hue / saturation / luminance and
// red / green / blue numbers and "添加到自定义颜色". With cdlCCRGBInit it starts from the
// colour given, else from black. Enter chooses ("确定"), Esc and the close box cancel.
class ColorDialog : public DialogForm {
public:
    static constexpr int kBasicCount = 48;
    static constexpr int kCustomCount = 16;

    ColorDialog(gfx::Color initial, int flags, std::string title = "");
    ~ColorDialog() override;

    // Shows it modally; true when a colour was chosen.
    bool run();
    gfx::Color color() const { return m_color; }
    // Makes `color` the dialog's colour, as picking it would.
    void setColor(gfx::Color color);
    bool fullOpen() const { return m_fullOpen; }
    void openFull();
    void accept();
    void cancel();

    static const std::array<gfx::Color, kBasicCount>& basicColors();
    static std::array<gfx::Color, kCustomCount>& customColors();
    static ColorDialog* current();

    ColorGrid& basicGrid() const { return *m_basic; }
    ColorGrid& customGrid() const { return *m_custom; }
    ColorSpectrum& spectrum() const { return *m_spectrum; }
    LuminanceBar& luminanceBar() const { return *m_luminance; }
    // 0 hue, 1 saturation, 2 luminance, 3 red, 4 green, 5 blue.
    TextBox& numberBox(int index) const { return *m_numbers[size_t(index)]; }
    Label& preview() const { return *m_preview; }
    MessageBoxButton& okButton() const { return *m_ok; }
    MessageBoxButton& cancelButton() const { return *m_cancel; }
    MessageBoxButton& defineButton() const { return *m_define; }
    MessageBoxButton& addButton() const { return *m_add; }

protected:
    void onLoad() override;
    void onActivate() override;
    void onKeyDown(int& keyCode, int shift) override;
    void onKeyPress(int& keyAscii) override;

private:
    enum class Source { Code, Grid, Spectrum, Luminance, HslBoxes, RgbBoxes };
    void present(gfx::Color color, const Hsl& hsl, Source source);
    void numbersTyped(int index);
    void layOut();

    gfx::Color m_color = 0;
    Hsl m_hsl;
    int m_flags = 0;
    bool m_fullOpen = false;
    bool m_chosen = false;
    bool m_updating = false;
    int m_customSlot = 0;
    ColorDialog* m_outer = nullptr;

    ColorGrid* m_basic = nullptr;
    ColorGrid* m_custom = nullptr;
    ColorSpectrum* m_spectrum = nullptr;
    LuminanceBar* m_luminance = nullptr;
    Label* m_preview = nullptr;
    std::array<TextBox*, 6> m_numbers{};
    std::array<Label*, 6> m_numberLabels{};
    Label* m_previewLabel = nullptr;
    MessageBoxButton* m_ok = nullptr;
    MessageBoxButton* m_cancel = nullptr;
    MessageBoxButton* m_define = nullptr;
    MessageBoxButton* m_add = nullptr;
};

} // namespace plat::forms
