#include "x_screen.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace test_support {

namespace {

constexpr uint32_t kActiveCaption = 0x99B4D1;

} // namespace

ScreenPicture screenPicture(const std::string& display)
{
    ScreenPicture picture;
    Display* connection = XOpenDisplay(display.c_str());
    if (!connection)
        return picture;
    const Window root = DefaultRootWindow(connection);
    XWindowAttributes attributes {};
    XGetWindowAttributes(connection, root, &attributes);
    if (XImage* image = XGetImage(connection, root, 0, 0, unsigned(attributes.width), unsigned(attributes.height), AllPlanes, ZPixmap)) {
        picture.width = attributes.width;
        picture.height = attributes.height;
        picture.pixels.resize(size_t(picture.width) * size_t(picture.height));
        for (int y = 0; y < picture.height; ++y)
            for (int x = 0; x < picture.width; ++x)
                picture.pixels[size_t(y) * size_t(picture.width) + size_t(x)] = uint32_t(XGetPixel(image, x, y)) & 0xFFFFFFu;
        XDestroyImage(image);
    }
    XCloseDisplay(connection);
    return picture;
}

bool isScoreAmber(uint32_t rgb)
{
    const auto [r, g, b] = channels(rgb);
    return r > 230 && g > 180 && g < 216 && b < 26;
}

bool boardShown(const ScreenPicture& picture) { return picture.count(isScoreAmber) > 10000; }

int captionPixels(const ScreenPicture& picture)
{
    return picture.count([](uint32_t rgb) { return rgb == kActiveCaption; });
}

bool boxShown(const ScreenPicture& picture) { return captionPixels(picture) > 1000; }

} // namespace test_support
