#include "platform/forms/message_box_icon.h"
#include "platform/gfx/text_layout.h"

namespace plat::forms {

namespace {

void thickLine(gfx::DeviceContext& dc, gfx::Point a, gfx::Point b, int width, gfx::Color color)
{
    dc.setPen(gfx::Pen::solid(color));
    for (int dx = 0; dx < width; ++dx)
        for (int dy = 0; dy < width; ++dy)
            dc.line(a.x + dx, a.y + dy, b.x + dx, b.y + dy);
}

void mark(gfx::DeviceContext& dc, gfx::Rect box, const char* text, gfx::Color color)
{
    dc.setFont(gfx::Font::open("Arial", 18, true));
    dc.setTextColor(color);
    dc.setBackMode(gfx::BackMode::Transparent);
    dc.drawText(text, box, gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE);
}

} // namespace

void drawMessageIcon(gfx::DeviceContext& dc, MessageIcon icon, gfx::Point at)
{
    const int s = kMessageIconSize;
    gfx::Rect box = gfx::Rect::fromSize(at.x, at.y, s, s);
    gfx::Region disc = gfx::Region::ellipse({at.x + 1, at.y + 1, at.x + s - 1, at.y + s - 1});
    switch (icon) {
    case MessageIcon::None:
        return;
    case MessageIcon::Stop:
        dc.fillRegion(disc, gfx::Brush::solid(gfx::rgb(204, 0, 0)));
        dc.frameRegion(disc, gfx::Brush::solid(gfx::rgb(128, 0, 0)), 1, 1);
        thickLine(dc, {at.x + 10, at.y + 10}, {at.x + 21, at.y + 21}, 3, gfx::rgb(255, 255, 255));
        thickLine(dc, {at.x + 21, at.y + 10}, {at.x + 10, at.y + 21}, 3, gfx::rgb(255, 255, 255));
        return;
    case MessageIcon::Question:
        dc.fillRegion(disc, gfx::Brush::solid(gfx::rgb(255, 255, 255)));
        dc.frameRegion(disc, gfx::Brush::solid(gfx::rgb(0, 64, 160)), 2, 2);
        mark(dc, box, "?", gfx::rgb(0, 64, 160));
        return;
    case MessageIcon::Information:
        dc.fillRegion(disc, gfx::Brush::solid(gfx::rgb(255, 255, 255)));
        dc.frameRegion(disc, gfx::Brush::solid(gfx::rgb(0, 64, 160)), 2, 2);
        mark(dc, box, "i", gfx::rgb(0, 64, 160));
        return;
    case MessageIcon::Exclamation: {
        // A yellow triangle, point up, with a dark outline.
        gfx::Region triangle;
        for (int y = 2; y < s - 2; ++y) {
            int half = (y - 2) * (s / 2 - 1) / (s - 5);
            gfx::Rect row{at.x + s / 2 - 1 - half, at.y + y, at.x + s / 2 + 1 + half, at.y + y + 1};
            triangle = gfx::Region::combine(triangle, gfx::Region::fromRect(row), gfx::Region::Combine::Or);
        }
        dc.fillRegion(triangle, gfx::Brush::solid(gfx::rgb(255, 204, 0)));
        dc.frameRegion(triangle, gfx::Brush::solid(gfx::rgb(96, 72, 0)), 1, 1);
        mark(dc, box.offset(0, 3), "!", gfx::rgb(0, 0, 0));
        return;
    }
    }
}

} // namespace plat::forms
