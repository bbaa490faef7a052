#include "platform/system/x11_notification_area.h"
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <algorithm>
#include <bit>
#include <cctype>
#include <cstdlib>
#include <cstring>

namespace plat::sys {

namespace {

constexpr long kSystemTrayRequestDock = 0;
constexpr long kXEmbedMapped = 1;
constexpr long kIconEvents = ExposureMask | StructureNotifyMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask
    | EnterWindowMask | LeaveWindowMask;

// Catches the X errors of one connection while it lives, so a request that meets a window that
// has gone makes the call fail instead of ending the program. Errors of other connections go to
// the handler that was there before. Traps nest; the outermost one installs the handler.
class ErrorTrap {
public:
    explicit ErrorTrap(Display* display) : m_display(display)
    {
        if (s_depth++ == 0) {
            s_display = display;
            s_previous = XSetErrorHandler(&ErrorTrap::handler);
        }
        m_errorsBefore = s_errors;
    }
    ~ErrorTrap()
    {
        XSync(m_display, False);
        if (--s_depth == 0) {
            XSetErrorHandler(s_previous);
            s_display = nullptr;
        }
    }
    ErrorTrap(const ErrorTrap&) = delete;
    ErrorTrap& operator=(const ErrorTrap&) = delete;
    bool failed()
    {
        XSync(m_display, False);
        return s_errors != m_errorsBefore;
    }

private:
    static int handler(Display* display, XErrorEvent* error)
    {
        if (display == s_display) {
            ++s_errors;
            return 0;
        }
        return s_previous ? s_previous(display, error) : 0;
    }
    Display* m_display;
    unsigned m_errorsBefore = 0;
    static inline int s_depth = 0;
    static inline Display* s_display = nullptr;
    static inline XErrorHandler s_previous = nullptr;
    static inline unsigned s_errors = 0;
};

// A colour channel of a visual's pixel: where it sits and how many bits it has.
struct Channel {
    int shift = 0;
    int bits = 8;
    explicit Channel(unsigned long mask)
    {
        if (mask) {
            shift = std::countr_zero(mask);
            bits = std::popcount(mask);
        }
    }
    int get(unsigned long pixel) const
    {
        const unsigned long v = (pixel >> shift) & ((1ul << bits) - 1);
        return bits >= 8 ? int(v >> (bits - 8)) : int(v * 255 / ((1ul << bits) - 1));
    }
    unsigned long put(int value) const
    {
        const unsigned long v = bits >= 8 ? (unsigned long)value << (bits - 8) : (unsigned long)value * ((1ul << bits) - 1) / 255;
        return v << shift;
    }
};

struct PixelFormat {
    Channel red, green, blue;
    explicit PixelFormat(const XImage& image) : red(image.red_mask), green(image.green_mask), blue(image.blue_mask) {}
    uint32_t toColor(unsigned long pixel) const { return uint32_t(red.get(pixel)) | uint32_t(green.get(pixel)) << 8 | uint32_t(blue.get(pixel)) << 16; }
    unsigned long toPixel(uint32_t color) const { return red.put(int(color & 255)) | green.put(int((color >> 8) & 255)) | blue.put(int((color >> 16) & 255)); }
};

// An image in the screen's format, every pixel `fill`.
XImage* blankImage(Display* d, int width, int height, uint32_t fill)
{
    const int screen = DefaultScreen(d);
    Visual* visual = DefaultVisual(d, screen);
    char* data = static_cast<char*>(std::calloc(size_t(width) * size_t(height), 4));
    XImage* image = XCreateImage(d, visual, unsigned(DefaultDepth(d, screen)), ZPixmap, 0, data, unsigned(width), unsigned(height), 32, 0);
    if (!image) {
        std::free(data);
        return nullptr;
    }
    image->red_mask = visual->red_mask;
    image->green_mask = visual->green_mask;
    image->blue_mask = visual->blue_mask;
    const PixelFormat format(*image);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            XPutPixel(image, x, y, format.toPixel(fill));
    return image;
}

// An image of the window's size to draw into: what the window shows now when it can be read
// (the tray's background, through the icon's parent-relative background), else `fill`.
XImage* windowImage(Display* d, Window w, int width, int height, uint32_t fill)
{
    if (XImage* shown = XGetImage(d, w, 0, 0, unsigned(width), unsigned(height), AllPlanes, ZPixmap))
        return shown;
    return blankImage(d, width, height, fill);
}

uint32_t blend(uint32_t back, uint32_t pixel)
{
    const uint32_t a = pixel >> 24;
    uint32_t out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const uint32_t f = (pixel >> shift) & 255, b = (back >> shift) & 255;
        out |= ((f * a + b * (255 - a) + 127) / 255) << shift;
    }
    return out;
}

// Draws `picture` into `image`, scaled to fit and centred, over what the image holds.
void drawFitted(XImage* image, const IconPixels& picture)
{
    const int w = image->width, h = image->height;
    if (picture.isEmpty() || w <= 0 || h <= 0)
        return;
    const PixelFormat format(*image);
    const double scale = std::min(double(w) / picture.width, double(h) / picture.height);
    const int dw = std::max(1, int(picture.width * scale + 0.5)), dh = std::max(1, int(picture.height * scale + 0.5));
    const int ox = (w - dw) / 2, oy = (h - dh) / 2;
    for (int y = 0; y < dh; ++y) {
        const int sy = std::min(picture.height - 1, y * picture.height / dh);
        for (int x = 0; x < dw; ++x) {
            const int sx = std::min(picture.width - 1, x * picture.width / dw);
            const uint32_t p = picture.pixels[size_t(sy) * size_t(picture.width) + size_t(sx)];
            const int px = ox + x, py = oy + y;
            if (px < 0 || py < 0 || px >= w || py >= h)
                continue;
            const uint32_t back = format.toColor(XGetPixel(image, px, py));
            XPutPixel(image, px, py, format.toPixel(blend(back, p)));
        }
    }
}

int windowsButton(unsigned int xButton)
{
    switch (xButton) {
    case Button1: return 1;
    case Button2: return 4;
    case Button3: return 2;
    default: return 0; // the wheel and extra buttons
    }
}

} // namespace

std::unique_ptr<X11NotificationArea> X11NotificationArea::open(const char* displayName, std::string programName, std::string& error)
{
    Display* d = XOpenDisplay(displayName);
    if (!d) {
        error = std::string("cannot open the X display ") + (displayName ? displayName : (std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "(none)"));
        return nullptr;
    }
    return std::unique_ptr<X11NotificationArea>(new X11NotificationArea(d, std::move(programName)));
}

X11NotificationArea::X11NotificationArea(Display* d, std::string programName) : m_display(d), m_programName(std::move(programName))
{
    m_screen = DefaultScreen(d);
    m_root = RootWindow(d, m_screen);
    const std::string selection = "_NET_SYSTEM_TRAY_S" + std::to_string(m_screen);
    m_selection = XInternAtom(d, selection.c_str(), False);
    m_opcode = XInternAtom(d, "_NET_SYSTEM_TRAY_OPCODE", False);
    m_manager = XInternAtom(d, "MANAGER", False);
    m_xembedInfo = XInternAtom(d, "_XEMBED_INFO", False);
    m_netWmName = XInternAtom(d, "_NET_WM_NAME", False);
    m_utf8String = XInternAtom(d, "UTF8_STRING", False);
    m_windowType = XInternAtom(d, "_NET_WM_WINDOW_TYPE", False);
    m_windowTypeTooltip = XInternAtom(d, "_NET_WM_WINDOW_TYPE_TOOLTIP", False);
    // A new tray host announces itself to the root window's structure listeners.
    XSelectInput(d, m_root, StructureNotifyMask);
    findHost();
}

X11NotificationArea::~X11NotificationArea()
{
    {
        ErrorTrap trap(m_display);
        for (auto& [id, icon] : m_icons)
            XDestroyWindow(m_display, icon.window);
        if (m_tip)
            XDestroyWindow(m_display, m_tip);
    }
    XCloseDisplay(m_display);
}

int X11NotificationArea::connectionNumber() const { return ConnectionNumber(m_display); }

unsigned long X11NotificationArea::iconWindow(IconId id) const
{
    auto it = m_icons.find(id);
    return it == m_icons.end() ? 0 : it->second.window;
}

void X11NotificationArea::findHost()
{
    ErrorTrap trap(m_display);
    // Held so the owner cannot go between the question and the watch on its window.
    XGrabServer(m_display);
    const Window owner = XGetSelectionOwner(m_display, m_selection);
    if (owner != None)
        XSelectInput(m_display, owner, StructureNotifyMask);
    XUngrabServer(m_display);
    m_owner = trap.failed() ? 0 : owner;
}

void X11NotificationArea::hostChanged(unsigned long owner)
{
    if (owner == m_owner)
        return;
    // Icons docked in a host that was replaced are not shown by the new one.
    dropIcons();
    {
        ErrorTrap trap(m_display);
        XSelectInput(m_display, owner, StructureNotifyMask);
        m_owner = trap.failed() ? 0 : owner;
    }
    if (m_owner && m_handlers.created)
        m_handlers.created();
}

void X11NotificationArea::dropIcons()
{
    endHover();
    ErrorTrap trap(m_display);
    for (auto& [id, icon] : m_icons)
        XDestroyWindow(m_display, icon.window);
    m_icons.clear();
}

void X11NotificationArea::setName(unsigned long window, const std::string& utf8)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(utf8.data());
    XChangeProperty(m_display, window, m_netWmName, m_utf8String, 8, PropModeReplace, bytes, int(utf8.size()));
    XChangeProperty(m_display, window, XA_WM_NAME, m_utf8String, 8, PropModeReplace, bytes, int(utf8.size()));
}

bool X11NotificationArea::add(IconId id, const IconPixels& picture, const std::string& tipUtf8, const IconPixels& tipPicture)
{
    if (!m_owner || m_icons.count(id))
        return false;
    ErrorTrap trap(m_display);
    Icon icon;
    icon.picture = picture;
    icon.tip = tipUtf8;
    icon.tipPicture = tipPicture;
    icon.width = std::clamp(picture.width, 16, 64);
    icon.height = std::clamp(picture.height, 16, 64);

    XSetWindowAttributes attributes{};
    attributes.background_pixmap = ParentRelative;
    attributes.event_mask = kIconEvents;
    const Window w = XCreateWindow(m_display, m_root, 0, 0, unsigned(icon.width), unsigned(icon.height), 0, CopyFromParent, InputOutput,
        CopyFromParent, CWBackPixmap | CWEventMask, &attributes);
    icon.window = w;
    const long info[2] = {0, kXEmbedMapped};
    XChangeProperty(m_display, w, m_xembedInfo, m_xembedInfo, 32, PropModeReplace, reinterpret_cast<const unsigned char*>(info), 2);
    setName(w, tipUtf8);
    // The tray host's socket asks the size it gives the icon from the size hints.
    XSizeHints* hints = XAllocSizeHints();
    if (hints) {
        hints->flags = PMinSize | PBaseSize;
        hints->min_width = hints->base_width = icon.width;
        hints->min_height = hints->base_height = icon.height;
        XSetWMNormalHints(m_display, w, hints);
        XFree(hints);
    }
    // X names the instance in lower case and its class with a capital ("ball", "Ball").
    std::string resName = m_programName, resClass = m_programName;
    if (!resClass.empty())
        resClass[0] = char(std::toupper(static_cast<unsigned char>(resClass[0])));
    XClassHint hint{resName.data(), resClass.data()};
    XSetClassHint(m_display, w, &hint);

    XEvent request{};
    request.xclient.type = ClientMessage;
    request.xclient.window = m_owner;
    request.xclient.message_type = m_opcode;
    request.xclient.format = 32;
    request.xclient.data.l[0] = CurrentTime;
    request.xclient.data.l[1] = kSystemTrayRequestDock;
    request.xclient.data.l[2] = long(w);
    XSendEvent(m_display, m_owner, False, NoEventMask, &request);
    if (trap.failed()) {
        XDestroyWindow(m_display, w);
        return false;
    }
    m_icons.emplace(id, std::move(icon));
    return true;
}

bool X11NotificationArea::remove(IconId id)
{
    auto it = m_icons.find(id);
    if (it == m_icons.end())
        return false;
    if (m_hovering && m_hoverId == id)
        endHover();
    ErrorTrap trap(m_display);
    XDestroyWindow(m_display, it->second.window);
    m_icons.erase(it);
    return true;
}

X11NotificationArea::Icon* X11NotificationArea::iconOfWindow(unsigned long window, IconId* id)
{
    for (auto& [key, icon] : m_icons)
        if (icon.window == window) {
            if (id)
                *id = key;
            return &icon;
        }
    return nullptr;
}

void X11NotificationArea::pump()
{
    {
        ErrorTrap trap(m_display);
        while (XPending(m_display) > 0) {
            XEvent e;
            XNextEvent(m_display, &e);
            handle(&e);
        }
    }
    if (m_hovering && !m_tipShown && Clock::now() - m_hoverSince >= std::chrono::milliseconds(kTipDelayMs))
        showTip();
}

void X11NotificationArea::handle(void* raw)
{
    XEvent& e = *static_cast<XEvent*>(raw);
    IconId id = 0;
    switch (e.type) {
    case ClientMessage:
        if (e.xclient.window == m_root && e.xclient.message_type == m_manager && Atom(e.xclient.data.l[1]) == m_selection)
            hostChanged(Window(e.xclient.data.l[2]));
        break;
    case DestroyNotify:
        if (m_owner && e.xdestroywindow.window == m_owner) {
            m_owner = 0;
            dropIcons();
        }
        break;
    case ConfigureNotify:
        if (Icon* icon = iconOfWindow(e.xconfigure.window)) {
            if (icon->width != e.xconfigure.width || icon->height != e.xconfigure.height) {
                icon->width = e.xconfigure.width;
                icon->height = e.xconfigure.height;
                drawIcon(*icon);
            }
        }
        break;
    case Expose:
        if (e.xexpose.count != 0)
            break;
        if (Icon* icon = iconOfWindow(e.xexpose.window))
            drawIcon(*icon);
        else if (m_tip && e.xexpose.window == m_tip)
            drawTip();
        break;
    case ButtonPress:
        if (Icon* icon = iconOfWindow(e.xbutton.window, &id)) {
            const int button = windowsButton(e.xbutton.button);
            if (!button)
                break;
            endHover();
            // X has no double clicks: the second press of a button within the time is one.
            const bool second = icon->lastPressButton == button && icon->lastPressTime != 0
                && e.xbutton.time - icon->lastPressTime <= (unsigned long)kDoubleClickMs;
            if (second) {
                icon->lastPressButton = 0;
                icon->lastPressTime = 0;
            } else {
                icon->lastPressButton = button;
                icon->lastPressTime = std::max<unsigned long>(1, e.xbutton.time);
            }
            mouse(id, second ? Mouse::DoubleClick : Mouse::Down, button);
        }
        break;
    case ButtonRelease:
        if (iconOfWindow(e.xbutton.window, &id)) {
            if (const int button = windowsButton(e.xbutton.button))
                mouse(id, Mouse::Up, button);
        }
        break;
    case MotionNotify:
        if (iconOfWindow(e.xmotion.window, &id)) {
            if (!m_hovering || m_hoverId != id || !m_tipShown)
                startHover(id, e.xmotion.x_root, e.xmotion.y_root);
            mouse(id, Mouse::Move, 0);
        }
        break;
    case EnterNotify:
        if (iconOfWindow(e.xcrossing.window, &id))
            startHover(id, e.xcrossing.x_root, e.xcrossing.y_root);
        break;
    case LeaveNotify:
        if (iconOfWindow(e.xcrossing.window, &id) && m_hovering && m_hoverId == id)
            endHover();
        break;
    default:
        break;
    }
}

void X11NotificationArea::mouse(IconId id, Mouse kind, int button)
{
    if (m_handlers.mouse)
        m_handlers.mouse(id, kind, button);
}

void X11NotificationArea::drawIcon(Icon& icon)
{
    if (icon.width <= 0 || icon.height <= 0)
        return;
    ErrorTrap trap(m_display);
    XClearWindow(m_display, icon.window);
    XImage* image = windowImage(m_display, icon.window, icon.width, icon.height, 0xD4D0C8);
    if (!image)
        return;
    drawFitted(image, icon.picture);
    XPutImage(m_display, icon.window, DefaultGC(m_display, m_screen), image, 0, 0, 0, 0, unsigned(icon.width), unsigned(icon.height));
    XDestroyImage(image);
}

// --- the tip ---

void X11NotificationArea::startHover(IconId id, int rootX, int rootY)
{
    if (!m_hovering || m_hoverId != id)
        m_hoverSince = Clock::now();
    m_hovering = true;
    m_hoverId = id;
    m_pointerX = rootX;
    m_pointerY = rootY;
}

void X11NotificationArea::endHover()
{
    m_hovering = false;
    if (m_tipShown && m_tip) {
        ErrorTrap trap(m_display);
        XUnmapWindow(m_display, m_tip);
    }
    m_tipShown = false;
}

void X11NotificationArea::showTip()
{
    auto it = m_icons.find(m_hoverId);
    if (it == m_icons.end() || it->second.tipPicture.isEmpty())
        return;
    m_tipPicture = it->second.tipPicture;
    ErrorTrap trap(m_display);
    const int screenW = DisplayWidth(m_display, m_screen), screenH = DisplayHeight(m_display, m_screen);
    const int w = m_tipPicture.width, h = m_tipPicture.height;
    // Below and right of the pointer; above or left of it where the screen ends.
    int x = m_pointerX + 12, y = m_pointerY + 20;
    if (x + w > screenW)
        x = std::max(0, screenW - w);
    if (y + h > screenH)
        y = std::max(0, m_pointerY - h - 4);
    if (!m_tip) {
        XSetWindowAttributes attributes{};
        attributes.override_redirect = True;
        attributes.event_mask = ExposureMask;
        attributes.background_pixel = WhitePixel(m_display, m_screen);
        m_tip = XCreateWindow(m_display, m_root, x, y, unsigned(w), unsigned(h), 0, CopyFromParent, InputOutput, CopyFromParent,
            CWOverrideRedirect | CWEventMask | CWBackPixel, &attributes);
        const long type = long(m_windowTypeTooltip);
        XChangeProperty(m_display, m_tip, m_windowType, XA_ATOM, 32, PropModeReplace, reinterpret_cast<const unsigned char*>(&type), 1);
    } else {
        XMoveResizeWindow(m_display, m_tip, x, y, unsigned(w), unsigned(h));
    }
    setName(m_tip, it->second.tip);
    XMapRaised(m_display, m_tip);
    m_tipShown = true;
    drawTip();
}

void X11NotificationArea::drawTip()
{
    if (!m_tip || !m_tipShown || m_tipPicture.isEmpty())
        return;
    ErrorTrap trap(m_display);
    const int w = m_tipPicture.width, h = m_tipPicture.height;
    XImage* out = blankImage(m_display, w, h, 0);
    if (!out)
        return;
    const PixelFormat format(*out);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            XPutPixel(out, x, y, format.toPixel(m_tipPicture.pixels[size_t(y) * size_t(w) + size_t(x)] & 0x00FFFFFFu));
    XPutImage(m_display, m_tip, DefaultGC(m_display, m_screen), out, 0, 0, 0, 0, unsigned(w), unsigned(h));
    XDestroyImage(out);
}

} // namespace plat::sys
