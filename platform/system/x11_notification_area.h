#pragma once
#include "platform/system/notification_area.h"
#include <chrono>
#include <map>
#include <memory>
#include <string>

struct _XDisplay;

namespace plat::sys {

// The notification area of an X11 desktop, by the freedesktop System Tray Protocol: each icon is
// a small window of ours that the tray host embeds (XEmbed) after a dock request sent to the
// owner of the _NET_SYSTEM_TRAY_S<screen> selection. A new owner announces itself with a MANAGER
// message on the root window; when the owner's window goes, the icons go with it, as they do
// when a taskbar crashes. The tip is the icon window's name (_NET_WM_NAME) and a small window
// of its own shown while the pointer rests on the icon.
//
// It keeps its own connection to the display, so the tray's events never mix with those of the
// toolkit that shows the program's screen. X errors of that connection (a tray host that died
// between two requests) are caught and make the call fail; they never end the program.
class X11NotificationArea final : public NotificationArea {
public:
    static constexpr int kTipDelayMs = 500;
    static constexpr int kDoubleClickMs = 500;

    // Null (with the reason) when the display cannot be opened; nullptr names $DISPLAY. The icons
    // carry the program's name as their X class ("ball" gives the class "Ball").
    static std::unique_ptr<X11NotificationArea> open(const char* displayName, std::string programName, std::string& error);
    ~X11NotificationArea() override;

    void setHandlers(Handlers handlers) override { m_handlers = std::move(handlers); }
    bool add(IconId id, const IconPixels& picture, const std::string& tipUtf8, const IconPixels& tipPicture) override;
    bool remove(IconId id) override;
    void pump() override;

    // --- for tests and diagnosis (X window ids; 0 for none) ---
    bool hasHost() const { return m_owner != 0; }
    unsigned long hostWindow() const { return m_owner; }
    unsigned long iconWindow(IconId id) const;
    unsigned long tipWindow() const { return m_tipShown ? m_tip : 0; }
    int connectionNumber() const;

private:
    struct Icon {
        unsigned long window = 0;
        IconPixels picture;
        std::string tip;
        IconPixels tipPicture;
        int width = 0, height = 0;
        int lastPressButton = 0;
        unsigned long lastPressTime = 0;
    };
    using Clock = std::chrono::steady_clock;

    X11NotificationArea(_XDisplay* display, std::string programName);
    void findHost();
    void hostChanged(unsigned long owner);
    void dropIcons();
    void handle(void* xevent);
    Icon* iconOfWindow(unsigned long window, IconId* id = nullptr);
    void drawIcon(Icon& icon);
    void mouse(IconId id, Mouse kind, int button);
    void startHover(IconId id, int rootX, int rootY);
    void endHover();
    void showTip();
    void drawTip();
    void setName(unsigned long window, const std::string& utf8);

    _XDisplay* m_display;
    std::string m_programName;
    int m_screen = 0;
    unsigned long m_root = 0;
    unsigned long m_selection = 0, m_opcode = 0, m_manager = 0, m_xembedInfo = 0, m_netWmName = 0, m_utf8String = 0,
                  m_windowType = 0, m_windowTypeTooltip = 0;
    unsigned long m_owner = 0;
    std::map<IconId, Icon> m_icons;
    Handlers m_handlers;

    // Hover and the tip window.
    bool m_hovering = false;
    IconId m_hoverId = 0;
    Clock::time_point m_hoverSince;
    int m_pointerX = 0, m_pointerY = 0;
    unsigned long m_tip = 0;
    bool m_tipShown = false;
    IconPixels m_tipPicture;
};

} // namespace plat::sys
