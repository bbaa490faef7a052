#include "platform/system/xrandr_display_modes.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#include <algorithm>
#include <cmath>

namespace plat::sys {

namespace {

// X errors during a change arrive asynchronously; this catches them between XSync calls.
int g_trappedErrors = 0;
int trapError(Display*, XErrorEvent*)
{
    ++g_trappedErrors;
    return 0;
}

class ErrorTrap {
public:
    explicit ErrorTrap(Display* display)
        : m_display(display)
    {
        XSync(m_display, False);
        g_trappedErrors = 0;
        m_previous = XSetErrorHandler(trapError);
    }
    ~ErrorTrap()
    {
        XSync(m_display, False);
        XSetErrorHandler(m_previous);
    }
    // Whether any request since the trap was set (or since the last call) failed.
    bool failed()
    {
        XSync(m_display, False);
        bool failed = g_trappedErrors != 0;
        g_trappedErrors = 0;
        return failed;
    }

private:
    Display* m_display;
    int (*m_previous)(Display*, XErrorEvent*) = nullptr;
};

struct ResourcesDeleter {
    void operator()(XRRScreenResources* r) const { XRRFreeScreenResources(r); }
};
struct OutputDeleter {
    void operator()(XRROutputInfo* o) const { XRRFreeOutputInfo(o); }
};
struct CrtcDeleter {
    void operator()(XRRCrtcInfo* c) const { XRRFreeCrtcInfo(c); }
};
using Resources = std::unique_ptr<XRRScreenResources, ResourcesDeleter>;
using OutputInfo = std::unique_ptr<XRROutputInfo, OutputDeleter>;
using CrtcInfo = std::unique_ptr<XRRCrtcInfo, CrtcDeleter>;

const XRRModeInfo* findMode(const XRRScreenResources* resources, RRMode id)
{
    for (int i = 0; i < resources->nmode; ++i) {
        if (resources->modes[i].id == id)
            return &resources->modes[i];
    }
    return nullptr;
}

double refreshRate(const XRRModeInfo& mode)
{
    if (mode.hTotal == 0 || mode.vTotal == 0)
        return 0;
    return double(mode.dotClock) / (double(mode.hTotal) * double(mode.vTotal));
}

bool isSideways(Rotation rotation) { return (rotation & (RR_Rotate_90 | RR_Rotate_270)) != 0; }

class XrandrDisplayModes final : public DisplayModes {
public:
    explicit XrandrDisplayModes(Display* display)
        : m_display(display)
        , m_root(DefaultRootWindow(display))
    {
    }
    ~XrandrDisplayModes() override { XCloseDisplay(m_display); }

    DisplaySize screenSize() const override
    {
        Resources resources(XRRGetScreenResourcesCurrent(m_display, m_root));
        if (resources) {
            RROutput output = primaryOutput(resources.get());
            if (output) {
                OutputInfo info(XRRGetOutputInfo(m_display, resources.get(), output));
                if (info && info->crtc) {
                    CrtcInfo crtc(XRRGetCrtcInfo(m_display, resources.get(), info->crtc));
                    if (crtc && crtc->mode)
                        return { int(crtc->width), int(crtc->height) };
                }
            }
        }
        return currentScreen();
    }

    std::vector<DisplaySize> modes() const override
    {
        std::vector<DisplaySize> sizes;
        Resources resources(XRRGetScreenResourcesCurrent(m_display, m_root));
        if (!resources)
            return sizes;
        RROutput output = primaryOutput(resources.get());
        if (!output)
            return sizes;
        OutputInfo info(XRRGetOutputInfo(m_display, resources.get(), output));
        if (!info)
            return sizes;
        for (int i = 0; i < info->nmode; ++i) {
            const XRRModeInfo* mode = findMode(resources.get(), info->modes[i]);
            if (!mode)
                continue;
            DisplaySize size { int(mode->width), int(mode->height) };
            if (std::find(sizes.begin(), sizes.end(), size) == sizes.end())
                sizes.push_back(size);
        }
        return sizes;
    }

    bool changeMode(DisplaySize size) override
    {
        if (size.width <= 0 || size.height <= 0)
            return false;
        Resources resources(XRRGetScreenResourcesCurrent(m_display, m_root));
        if (!resources)
            return false;
        RROutput output = primaryOutput(resources.get());
        if (!output)
            return false;
        OutputInfo info(XRRGetOutputInfo(m_display, resources.get(), output));
        if (!info || !info->crtc)
            return false;
        CrtcInfo crtc(XRRGetCrtcInfo(m_display, resources.get(), info->crtc));
        if (!crtc)
            return false;

        RRMode mode = chooseMode(resources.get(), info.get(), crtc.get(), size);
        if (!mode)
            return false;
        if (mode == crtc->mode)
            return true;

        DisplaySize oldScreen = currentScreen();
        DisplaySize newScreen = screenAfter(resources.get(), info->crtc, crtc.get(), size);
        int minWidth = 0, minHeight = 0, maxWidth = 0, maxHeight = 0;
        if (XRRGetScreenSizeRange(m_display, m_root, &minWidth, &minHeight, &maxWidth, &maxHeight)) {
            newScreen.width = std::clamp(newScreen.width, minWidth, maxWidth);
            newScreen.height = std::clamp(newScreen.height, minHeight, maxHeight);
        }

        XGrabServer(m_display);
        ErrorTrap trap(m_display);
        // Grow the screen first when the output gets bigger, shrink it last when it gets smaller:
        // an output may never reach past the screen.
        DisplaySize grown { std::max(oldScreen.width, newScreen.width), std::max(oldScreen.height, newScreen.height) };
        bool ok = true;
        if (grown != oldScreen) {
            setScreen(grown);
            ok = !trap.failed();
        }
        if (ok) {
            Status status = XRRSetCrtcConfig(m_display, resources.get(), info->crtc, CurrentTime, crtc->x, crtc->y,
                mode, crtc->rotation, crtc->outputs, crtc->noutput);
            ok = status == RRSetConfigSuccess && !trap.failed();
        }
        if (ok && newScreen != grown) {
            setScreen(newScreen);
            trap.failed(); // a screen left larger than needed is harmless
        }
        if (!ok && currentScreen() != oldScreen) {
            setScreen(oldScreen);
            trap.failed();
        }
        XUngrabServer(m_display);
        XSync(m_display, False);
        return ok;
    }

private:
    RROutput primaryOutput(XRRScreenResources* resources) const
    {
        RROutput primary = XRRGetOutputPrimary(m_display, m_root);
        if (primary)
            return primary;
        for (int i = 0; i < resources->noutput; ++i) {
            OutputInfo info(XRRGetOutputInfo(m_display, resources, resources->outputs[i]));
            if (info && info->connection == RR_Connected && info->crtc)
                return resources->outputs[i];
        }
        return 0;
    }

    // Of the output's modes of that size, the one with the current refresh rate, else the fastest.
    static RRMode chooseMode(XRRScreenResources* resources, XRROutputInfo* info, XRRCrtcInfo* crtc, DisplaySize size)
    {
        const XRRModeInfo* current = findMode(resources, crtc->mode);
        double currentRate = current ? refreshRate(*current) : 0;
        RRMode best = 0;
        double bestScore = -1;
        for (int i = 0; i < info->nmode; ++i) {
            const XRRModeInfo* mode = findMode(resources, info->modes[i]);
            if (!mode || int(mode->width) != size.width || int(mode->height) != size.height)
                continue;
            if (mode->id == crtc->mode)
                return mode->id;
            double rate = refreshRate(*mode);
            double score = std::abs(rate - currentRate) < 0.5 ? 1e9 : rate;
            if (score > bestScore) {
                bestScore = score;
                best = mode->id;
            }
        }
        return best;
    }

    // The screen that holds every active output once this one has the new size.
    DisplaySize screenAfter(XRRScreenResources* resources, RRCrtc changed, XRRCrtcInfo* crtc, DisplaySize size) const
    {
        bool sideways = isSideways(crtc->rotation);
        DisplaySize extent { crtc->x + (sideways ? size.height : size.width), crtc->y + (sideways ? size.width : size.height) };
        for (int i = 0; i < resources->ncrtc; ++i) {
            if (resources->crtcs[i] == changed)
                continue;
            CrtcInfo other(XRRGetCrtcInfo(m_display, resources, resources->crtcs[i]));
            if (!other || !other->mode)
                continue;
            extent.width = std::max(extent.width, other->x + int(other->width));
            extent.height = std::max(extent.height, other->y + int(other->height));
        }
        return extent;
    }

    // The root window follows the screen size; Xlib's DisplayWidth/Height keep the size at connection time.
    DisplaySize currentScreen() const
    {
        Window root;
        int x, y;
        unsigned width = 0, height = 0, border, depth;
        if (!XGetGeometry(m_display, m_root, &root, &x, &y, &width, &height, &border, &depth))
            return { DisplayWidth(m_display, DefaultScreen(m_display)), DisplayHeight(m_display, DefaultScreen(m_display)) };
        return { int(width), int(height) };
    }

    void setScreen(DisplaySize size)
    {
        // Keep the physical size in step so the dots per inch stay the same.
        int screen = DefaultScreen(m_display);
        double mmPerPixelX = double(DisplayWidthMM(m_display, screen)) / std::max(1, DisplayWidth(m_display, screen));
        double mmPerPixelY = double(DisplayHeightMM(m_display, screen)) / std::max(1, DisplayHeight(m_display, screen));
        XRRSetScreenSize(m_display, m_root, size.width, size.height, std::max(1, int(size.width * mmPerPixelX + 0.5)),
            std::max(1, int(size.height * mmPerPixelY + 0.5)));
    }

    Display* m_display;
    Window m_root;
};

} // namespace

std::unique_ptr<DisplayModes> openXrandrDisplayModes(const char* displayName)
{
    Display* display = XOpenDisplay(displayName);
    if (!display)
        return nullptr;
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    if (!XRRQueryExtension(display, &eventBase, &errorBase) || !XRRQueryVersion(display, &major, &minor)
        || major < 1 || (major == 1 && minor < 2)) {
        XCloseDisplay(display);
        return nullptr;
    }
    return std::make_unique<XrandrDisplayModes>(display);
}

} // namespace plat::sys
