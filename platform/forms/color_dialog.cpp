#include "platform/forms/color_dialog.h"
#include "platform/forms/color_grid.h"
#include "platform/forms/color_spectrum.h"
#include "platform/forms/common_dialog_flags.h"
#include "platform/forms/label.h"
#include "platform/forms/message_box_button.h"
#include "platform/forms/text_box.h"
#include "platform/window/api.h"
#include "platform/window/twips.h"
#include "platform/window/virtual_keys.h"
#include <cstdlib>

namespace plat::forms {

using namespace plat::win;

namespace {

ColorDialog* s_current = nullptr;

constexpr int kCompactWidth = 224;
constexpr int kFullWidth = 490;
constexpr int kHeight = 316;

template<class T>
T& placeAt(Form& form, const std::string& name, int x, int y, int w, int h, int index = -1)
{
    T& c = form.add<T>(name, nullptr, index);
    c.move(twipsFromPixels(x), twipsFromPixels(y), twipsFromPixels(w), twipsFromPixels(h));
    return c;
}

} // namespace

// Seven hues from light to dark, and a column of greys from white to black.
const std::array<gfx::Color, ColorDialog::kBasicCount>& ColorDialog::basicColors()
{
    static const std::array<gfx::Color, kBasicCount> colors = [] {
        std::array<gfx::Color, kBasicCount> c{};
        const int hues[7] = {0, 20, 40, 80, 120, 160, 200};
        const int luminances[6] = {210, 180, 150, 120, 80, 40};
        const int greys[6] = {255, 204, 153, 102, 51, 0};
        for (int row = 0; row < 6; ++row) {
            for (int col = 0; col < 7; ++col)
                c[size_t(row * 8 + col)] = hslToRgb({hues[col], kHslMax, luminances[row]});
            c[size_t(row * 8 + 7)] = gfx::rgb(greys[row], greys[row], greys[row]);
        }
        return c;
    }();
    return colors;
}

std::array<gfx::Color, ColorDialog::kCustomCount>& ColorDialog::customColors()
{
    static std::array<gfx::Color, kCustomCount> colors = [] {
        std::array<gfx::Color, kCustomCount> c{};
        c.fill(0xFFFFFF);
        return c;
    }();
    return colors;
}

ColorDialog* ColorDialog::current() { return s_current; }

ColorDialog::ColorDialog(gfx::Color initial, int flags, std::string title)
    : DialogForm("ColorDialog", title.empty() ? "颜色" : std::move(title))
    , m_color((flags & cdlCCRGBInit) ? initial & 0x00FFFFFFu : 0)
    , m_hsl(rgbToHsl(m_color))
    , m_flags(flags)
    , m_fullOpen((flags & cdlCCFullOpen) && !(flags & cdlCCPreventFullOpen))
{
    centre(m_fullOpen ? kFullWidth : kCompactWidth, kHeight);
}

ColorDialog::~ColorDialog()
{
    if (s_current == this)
        s_current = m_outer;
}

bool ColorDialog::run()
{
    m_chosen = false;
    m_outer = s_current;
    s_current = this;
    struct Restore {
        ColorDialog* self;
        ~Restore() { s_current = self->m_outer; }
    } restore{this};
    show(ShowMode::Modal);
    if (isLoaded())
        unload();
    return m_chosen;
}

void ColorDialog::onLoad()
{
    placeAt<Label>(*this, "basicLabel", 8, 30, 200, 16).setCaption("基本颜色(&B):");
    m_basic = &placeAt<ColorGrid>(*this, "basic", 8, 46, 8 * ColorGrid::kCellWidth, 6 * ColorGrid::kCellHeight);
    m_basic->setColors({basicColors().begin(), basicColors().end()}, 8);
    m_basic->onChoose = [this](int i) {
        m_custom->setSelected(-1);
        gfx::Color c = basicColors()[size_t(i)];
        present(c, rgbToHsl(c), Source::Grid);
    };
    placeAt<Label>(*this, "customLabel", 8, 184, 200, 16).setCaption("自定义颜色(&C):");
    m_custom = &placeAt<ColorGrid>(*this, "custom", 8, 200, 8 * ColorGrid::kCellWidth, 2 * ColorGrid::kCellHeight);
    m_custom->setColors({customColors().begin(), customColors().end()}, 8);
    m_custom->onChoose = [this](int i) {
        m_basic->setSelected(-1);
        m_customSlot = i;
        gfx::Color c = customColors()[size_t(i)];
        present(c, rgbToHsl(c), Source::Grid);
    };
    m_define = &placeAt<MessageBoxButton>(*this, "define", 8, 250, 208, 23);
    m_define->setCaption("规定自定义颜色(&D) >>");
    m_define->onClick = [this] { openFull(); };
    m_ok = &placeAt<MessageBoxButton>(*this, "ok", 8, 282, 66, 23);
    m_ok->setCaption("确定");
    m_ok->setDefault(true);
    m_ok->onClick = [this] { accept(); };
    m_cancel = &placeAt<MessageBoxButton>(*this, "cancel", 80, 282, 66, 23);
    m_cancel->setCaption("取消");
    m_cancel->onClick = [this] { cancel(); };

    // The full part, hidden while the dialog is compact.
    m_spectrum = &placeAt<ColorSpectrum>(*this, "spectrum", 230, 46, 212, 136);
    m_spectrum->onPick = [this](int hue, int saturation) {
        Hsl hsl{hue, saturation, m_hsl.luminance};
        // Picking a hue from black or white would show nothing: take the middle luminance.
        if (hsl.luminance == 0 || hsl.luminance == kHslMax)
            hsl.luminance = kHslMax / 2;
        present(hslToRgb(hsl), hsl, Source::Spectrum);
    };
    m_luminance = &placeAt<LuminanceBar>(*this, "luminance", 450, 46, 26, 136);
    m_luminance->onPick = [this](int luminance) {
        Hsl hsl{m_hsl.hue, m_hsl.saturation, luminance};
        present(hslToRgb(hsl), hsl, Source::Luminance);
    };
    m_preview = &placeAt<Label>(*this, "preview", 230, 190, 60, 44);
    m_preview->setBorderStyle(1);
    m_preview->setCaption("");
    m_previewLabel = &placeAt<Label>(*this, "previewLabel", 230, 238, 70, 16);
    m_previewLabel->setCaption("颜色|纯色");
    const char* captions[6] = {"色调(&E):", "饱和度(&S):", "亮度(&L):", "红(&R):", "绿(&G):", "蓝(&U):"};
    for (int i = 0; i < 6; ++i) {
        int labelWidth = i < 3 ? 66 : 44;
        int x = i < 3 ? 294 : 398, y = 190 + (i % 3) * 24;
        m_numberLabels[size_t(i)] = &placeAt<Label>(*this, "numberLabel", x, y + 3, labelWidth, 16, i);
        m_numberLabels[size_t(i)]->setCaption(captions[i]);
        m_numberLabels[size_t(i)]->setAlignment(1);
        TextBox& box = placeAt<TextBox>(*this, "number", x + labelWidth, y, 34, 21, i);
        box.setMaxLength(3);
        box.onKeyPress = [](int& ascii) {
            if (ascii != 8 && (ascii < '0' || ascii > '9'))
                ascii = 0;
        };
        box.onChange = [this, i] { numbersTyped(i); };
        m_numbers[size_t(i)] = &box;
    }
    m_add = &placeAt<MessageBoxButton>(*this, "add", 230, 282, 246, 23);
    m_add->setCaption("添加到自定义颜色(&A)");
    m_add->onClick = [this] {
        customColors()[size_t(m_customSlot)] = m_color;
        m_custom->setColor(m_customSlot, m_color);
        m_customSlot = (m_customSlot + 1) % kCustomCount;
    };

    int tab = 0;
    for (Control* c : std::initializer_list<Control*>{m_basic, m_custom, m_define, m_ok, m_cancel})
        c->setTabIndex(tab++);
    for (TextBox* b : m_numbers)
        b->setTabIndex(tab++);
    m_add->setTabIndex(tab++);
    layOut();
    present(m_color, m_hsl, Source::Code);
}

void ColorDialog::layOut()
{
    bool full = m_fullOpen;
    for (Control* c : std::initializer_list<Control*>{m_spectrum, m_luminance, m_preview, m_previewLabel, m_add})
        c->setVisible(full);
    for (int i = 0; i < 6; ++i) {
        m_numbers[size_t(i)]->setVisible(full);
        m_numberLabels[size_t(i)]->setVisible(full);
    }
    // The button would stay drawn as if it could be pressed: it goes once it has nothing to do.
    if (full || (m_flags & cdlCCPreventFullOpen)) {
        m_define->setEnabled(false);
        m_define->setVisible(false);
    }
    move(left(), top(), twipsFromPixels(full ? kFullWidth : kCompactWidth), twipsFromPixels(kHeight));
    drawFrame();
}

void ColorDialog::openFull()
{
    if (m_fullOpen || (m_flags & cdlCCPreventFullOpen))
        return;
    m_fullOpen = true;
    layOut();
    m_spectrum->setFocus();
}

void ColorDialog::onActivate()
{
    int basic = -1;
    for (int i = 0; i < kBasicCount; ++i)
        if (basicColors()[size_t(i)] == m_color)
            basic = i;
    m_basic->setSelected(basic);
    m_ok->setFocus();
}

void ColorDialog::setColor(gfx::Color color)
{
    color &= 0x00FFFFFFu;
    present(color, rgbToHsl(color), Source::Code);
}

void ColorDialog::present(gfx::Color color, const Hsl& hsl, Source source)
{
    m_color = color;
    m_hsl = hsl;
    if (!isLoaded())
        return;
    m_updating = true;
    m_preview->setBackColor(color);
    m_spectrum->setHueSaturation(hsl.hue, hsl.saturation);
    m_luminance->setHueSaturation(hsl.hue, hsl.saturation);
    m_luminance->setLuminance(hsl.luminance);
    const int values[6] = {hsl.hue, hsl.saturation, hsl.luminance, gfx::redOf(color), gfx::greenOf(color), gfx::blueOf(color)};
    for (int i = 0; i < 6; ++i) {
        bool typedHere = (source == Source::HslBoxes && i < 3) || (source == Source::RgbBoxes && i >= 3);
        if (!typedHere)
            m_numbers[size_t(i)]->setText(std::to_string(values[i]));
    }
    m_updating = false;
}

void ColorDialog::numbersTyped(int index)
{
    if (m_updating)
        return;
    auto value = [&](int i, int max) {
        const std::string t = m_numbers[size_t(i)]->text();
        return t.empty() ? -1 : std::min(max, std::atoi(t.c_str()));
    };
    if (index < 3) {
        int h = value(0, kHslMax - 1), s = value(1, kHslMax), l = value(2, kHslMax);
        if (h < 0 || s < 0 || l < 0)
            return;
        Hsl hsl{h, s, l};
        present(hslToRgb(hsl), hsl, Source::HslBoxes);
    } else {
        int r = value(3, 255), g = value(4, 255), b = value(5, 255);
        if (r < 0 || g < 0 || b < 0)
            return;
        gfx::Color c = gfx::rgb(r, g, b);
        present(c, rgbToHsl(c), Source::RgbBoxes);
    }
}

void ColorDialog::accept()
{
    m_chosen = true;
    hide();
}

void ColorDialog::cancel()
{
    m_chosen = false;
    hide();
}

void ColorDialog::onKeyDown(int& keyCode, int)
{
    if (keyCode == VK_RETURN) {
        keyCode = 0;
        if (GetFocus() == m_cancel->hwnd())
            cancel();
        else if (GetFocus() == m_define->hwnd())
            openFull();
        else if (GetFocus() == m_add->hwnd())
            m_add->onClick();
        else
            accept();
    } else if (keyCode == VK_ESCAPE) {
        keyCode = 0;
        cancel();
    }
}

void ColorDialog::onKeyPress(int& keyAscii)
{
    if (keyAscii == 13 || keyAscii == 27)
        keyAscii = 0;
}

} // namespace plat::forms
