#pragma once
#include "platform/gfx/blit.h"
#include "platform/gfx/font.h"
#include "platform/gfx/region.h"
#include "platform/gfx/surface.h"

#include <optional>
#include <string_view>

namespace plat::gfx {

class Picture;

enum class BackMode { Transparent, Opaque };

struct Brush {
    enum class Style { Solid, Null } style = Style::Solid;
    Color color = 0xFFFFFF;
    static Brush solid(Color c) { return {Style::Solid, c}; }
    static Brush null() { return {Style::Null, 0}; }
};

struct Pen {
    enum class Style { Solid, Null } style = Style::Solid;
    Color color = 0;
    static Pen solid(Color c) { return {Style::Solid, c}; }
    static Pen null() { return {Style::Null, 0}; }
};

// Drawing state over a surface, as a device context keeps it: pen (the fore colour), brush, font,
// text colour, background colour and mode, clip region and origin. Coordinates given to the
// drawing calls are logical: the origin is added to reach the surface's pixels. The clip region is
// in the surface's own pixels. The surface must outlive the context.
class DeviceContext {
public:
    explicit DeviceContext(Surface& surface);

    Surface& surface() { return *m_surface; }
    const Surface& surface() const { return *m_surface; }

    // State.
    void setPen(const Pen& pen) { m_pen = pen; }
    const Pen& pen() const { return m_pen; }
    void setForeColor(Color c) { m_pen = Pen::solid(c); }
    Color foreColor() const { return m_pen.color; }
    void setBrush(const Brush& brush) { m_brush = brush; }
    const Brush& brush() const { return m_brush; }
    void setFont(const Font& font) { m_font = font; }
    const Font& font() const;
    void setTextColor(Color c) { m_textColor = c; }
    Color textColor() const { return m_textColor; }
    void setBackColor(Color c) { m_backColor = c; }
    Color backColor() const { return m_backColor; }
    void setBackMode(BackMode mode) { m_backMode = mode; }
    BackMode backMode() const { return m_backMode; }
    void setOrigin(Point origin) { m_origin = origin; }
    Point origin() const { return m_origin; }
    // None removes the clip region (the whole surface may be drawn on).
    void setClipRegion(std::optional<Region> region) { m_clip = std::move(region); }
    const std::optional<Region>& clipRegion() const { return m_clip; }
    Point currentPosition() const { return m_position; }

    // Primitives.
    void clear(Color c);
    void setPixel(int x, int y, Color c);
    Color pixel(int x, int y) const; // the colour at a logical point; 0xFFFFFFFF (CLR_INVALID) outside
    void moveTo(int x, int y);
    // A line in the pen from the current position; the end point itself is not drawn and becomes
    // the current position.
    void lineTo(int x, int y);
    void line(int x1, int y1, int x2, int y2);
    void fillRect(const Rect& r, Color c);
    void fillRect(const Rect& r, const Brush& brush);
    // Outline in the pen (its outermost pixels), inside filled with the brush.
    void rectangle(const Rect& r);
    void frameRect(const Rect& r, Color c);
    void fillRegion(const Region& region, const Brush& brush);
    void frameRegion(const Region& region, const Brush& brush, int width, int height);
    void invertRect(const Rect& r);
    void drawFocusRect(const Rect& r);

    // Blits from a surface (source coordinates are the source's own pixels).
    void bitBlt(int x, int y, int w, int h, const Surface& src, int sx, int sy, Rop rop = Rop::SrcCopy);
    void transparentBlt(int x, int y, int w, int h, const Surface& src, int sx, int sy, Color key);
    void stretchBlt(const Rect& dst, const Surface& src, const Rect& srcRect, StretchMode mode = StretchMode::Nearest);
    void alphaBlend(const Rect& dst, const Surface& src, const Rect& srcRect, uint8_t constantAlpha = 255);
    // A picture or icon at a size (its first frame, blended with its alpha); a size of 0 means the
    // picture's own.
    void drawPicture(const Picture& picture, int x, int y, int w = 0, int h = 0);

    // Text.
    // One line at a reference point (the top-left of the level text, turned with the font's
    // escapement), in the text colour; the opaque mode fills its cell with the back colour.
    void textOut(int x, int y, std::string_view utf8);
    // DrawText: lays `utf8` out in `rect` (logical); with DT_CALCRECT only measures, setting
    // `rect` to the bounds. Returns the text's height.
    int drawText(std::string_view utf8, Rect& rect, unsigned format);
    Size textExtent(std::string_view utf8) const;

private:
    Rect toDevice(const Rect& r) const { return r.offset(m_origin.x, m_origin.y); }
    Clip clip() const;
    Clip clipWithin(const Rect& deviceRect) const;

    Surface* m_surface;
    Pen m_pen;
    Brush m_brush;
    Font m_font;
    Color m_textColor = 0;
    Color m_backColor = 0xFFFFFF;
    BackMode m_backMode = BackMode::Opaque;
    Point m_origin;
    Point m_position;
    std::optional<Region> m_clip;
};

} // namespace plat::gfx
