#include "controls/core/gradient.h"
#include "platform/window/twips.h"

namespace qel {

using plat::gfx::Color;
using plat::gfx::DeviceContext;
using plat::win::roundHalfEven;

namespace {

int channelStep(int32_t from, int32_t to, int i, int n)
{
    if (n == 0)
        return from;
    return int(roundHalfEven(double(from) + double(i) * double(to - from) / double(n)));
}

int pixelsX(double twips) { return int(roundHalfEven(twips / plat::win::TwipsPerPixelX())); }
int pixelsY(double twips) { return int(roundHalfEven(twips / plat::win::TwipsPerPixelY())); }

} // namespace

Color GradientStep(const RGBRecord& c1, const RGBRecord& c2, int i, int n)
{
    return plat::gfx::rgb(channelStep(c1.Red, c2.Red, i, n), channelStep(c1.Green, c2.Green, i, n),
        channelStep(c1.Blue, c2.Blue, i, n));
}

void PaintGradientRows(DeviceContext& dc, const RGBRecord& c1, const RGBRecord& c2, int width, int height, int first)
{
    const int n = pixelsY(height);
    const int right = pixelsX(width) + 1;
    for (int y = first; y <= n; ++y) {
        dc.setForeColor(GradientStep(c1, c2, y, n));
        dc.line(0, y, right, y);
    }
}

void PaintGradientColumns(DeviceContext& dc, const RGBRecord& c1, const RGBRecord& c2, int width, int height, int first)
{
    const int n = pixelsX(width);
    const int bottom = pixelsY(height);
    for (int x = 0; x <= n; ++x) {
        dc.setForeColor(GradientStep(c1, c2, x, n));
        dc.line(x, first, x, bottom);
    }
}

void DrawGradientLeftRight(DeviceContext& dc, const RGBRecord& From, const RGBRecord& To, int Width, int Height, int Start)
{
    const int n = pixelsX(Width);
    const int bottom = pixelsY(Height);
    for (int x = Start; x <= n; ++x) {
        dc.setForeColor(GradientStep(From, To, x, n));
        dc.line(x, 0, x, bottom);
    }
}

void DrawGradientTopBottom(DeviceContext& dc, const RGBRecord& From, const RGBRecord& To, int Right, int Height, int Start)
{
    const int n = pixelsY(Height);
    for (int y = Start; y <= n; ++y) {
        dc.setForeColor(GradientStep(From, To, y, n));
        dc.line(0, y, Right, y);
    }
}

} // namespace qel
