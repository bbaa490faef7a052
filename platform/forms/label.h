#pragma once
#include "platform/forms/control.h"
#include "platform/forms/input_control.h"
#include "platform/forms/mouse_events.h"
#include "platform/gfx/font.h"
#include <string>

namespace plat::forms {

// A text on the form. It never takes the focus.
class Label : public Control, public MouseEvents, public ColorsAndFont {
public:
    Label();
    std::string className() const override { return "Label"; }

    const std::string& caption() const { return m_caption; }
    void setCaption(std::string caption);
    // 0 left, 1 right, 2 centre.
    int alignment() const { return m_alignment; }
    void setAlignment(int alignment);
    // 0 transparent (what lies behind shows around the text), 1 opaque.
    int backStyle() const { return m_backStyle; }
    void setBackStyle(int backStyle);
    // 0 none, 1 a single line around it.
    int borderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);
    // Sizes itself to its text: across only, or (with WordWrap) down at its width.
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool on);
    bool wordWrap() const { return m_wordWrap; }
    void setWordWrap(bool on);
    // "&" marks the next character as the access key (underlined); "&&" is a plain "&".
    bool useMnemonic() const { return m_useMnemonic; }
    void setUseMnemonic(bool on);

    void setEnabled(bool enabled) override;
    void refresh() { redraw(); }

    void initProperties() override;
    void readProperties(PropertyBag& bag) override;
    void writeProperties(PropertyBag& bag) const override;

protected:
    win::HWND createWindow(win::HWND parent, const gfx::Rect& pixels) override;
    win::LRESULT windowProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override;
    void onPlaced() override { redraw(); }
    void lookChanged(Look what) override;

private:
    static const auto& storedProperties();
    void changed();
    void redraw();
    void fitToText();
    unsigned textFormat() const;
    const gfx::Font& drawFont();

    std::string m_caption;
    int m_alignment = 0;
    int m_backStyle = 1;
    int m_borderStyle = 0;
    bool m_autoSize = false;
    bool m_wordWrap = false;
    bool m_useMnemonic = true;
    bool m_loading = false;
    bool m_sizing = false;
    gfx::Font m_drawFont;
    bool m_fontCurrent = false;
};

} // namespace plat::forms
