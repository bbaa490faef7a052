#pragma once
#include "platform/forms/font_desc.h"
#include "platform/gfx/picture.h"
#include <cstdint>
#include <memory>
#include <string>
#include <variant>

namespace qel {

// One row of qelListBox: its text and key, colours, font, picture, height, alignment, selection
// and check state, and three free fields for the caller. Every member only stores and returns a
// value; nothing reacts to a change. The font is held by reference: items given the same font
// object share it.
class qelListItem {
public:
    // The item's picture: none, a picture, or a number (a marker or a handle the caller keeps).
    using IconValue = std::variant<std::monostate, std::shared_ptr<const plat::gfx::Picture>, int64_t>;
    using FontRef = std::shared_ptr<plat::forms::FontDesc>;

    // Free fields; the file mode puts the full path in tagString1 and the icon's cache key in
    // tagString2.
    std::string tagString1;
    std::string tagString2;
    int32_t tagLong = 0;

    qelListItem();

    uint32_t BackColor() const { return m_backColor; }
    void setBackColor(uint32_t v) { m_backColor = v; }
    bool Checked() const { return m_checked; }
    void setChecked(bool v) { m_checked = v; }
    const FontRef& Font() const { return m_font; }
    void setFont(FontRef font) { m_font = std::move(font); }
    uint32_t ForeColor() const { return m_foreColor; }
    void setForeColor(uint32_t v) { m_foreColor = v; }
    const IconValue& Icon() const { return m_icon; }
    void setIcon(IconValue v) { m_icon = std::move(v); }
    // Whether the item has a picture: not empty and not the number 0.
    bool HasIcon() const;
    int32_t Index() const { return m_index; }
    void setIndex(int32_t v) { m_index = v; }
    const std::string& Key() const { return m_key; }
    void setKey(std::string v) { m_key = std::move(v); }
    bool Selected() const { return m_selected; }
    void setSelected(bool v) { m_selected = v; }
    const std::string& Text() const { return m_text; }
    void setText(std::string v) { m_text = std::move(v); }
    // Twips.
    int32_t Height() const { return m_height; }
    void setHeight(int32_t v) { m_height = v; }
    int32_t Alignment() const { return m_alignment; }
    void setAlignment(int32_t v) { m_alignment = v; }
    int32_t pxlIconHeight() const { return m_pxlIconHeight; }
    void setpxlIconHeight(int32_t v) { m_pxlIconHeight = v; }
    int32_t pxlIconWidth() const { return m_pxlIconWidth; }
    void setpxlIconWidth(int32_t v) { m_pxlIconWidth = v; }
    uint32_t SelColor() const { return m_selColor; }
    void setSelColor(uint32_t v) { m_selColor = v; }
    uint32_t BorderSelColor() const { return m_borderSelColor; }
    void setBorderSelColor(uint32_t v) { m_borderSelColor = v; }
    // 0 draws Icon as a picture; any other value draws the file icon of tagString1.
    int32_t pctType() const { return m_pctType; }
    void setpctType(int32_t v) { m_pctType = v; }

private:
    uint32_t m_backColor = 0;
    bool m_checked = false;
    FontRef m_font;
    uint32_t m_foreColor = 0;
    IconValue m_icon;
    int32_t m_index = 0;
    std::string m_key;
    bool m_selected = false;
    std::string m_text;
    int32_t m_height = 0;
    int32_t m_alignment = 0;
    int32_t m_pxlIconHeight = 0;
    int32_t m_pxlIconWidth = 0;
    uint32_t m_selColor = 0;
    uint32_t m_borderSelColor = 0;
    int32_t m_pctType = 0;
};

} // namespace qel
