#include "controls/extra/tray_shell.h"
#include "controls/core/drawn_control.h"
#include "platform/forms/fonts.h"
#include "platform/gfx/draw.h"
#include "platform/gfx/system_colors.h"
#include "platform/gfx/text_render.h"
#include "platform/system/utf8.h"
#include "platform/system/notification_area.h"
#include "platform/window/api.h"
#include "platform/window/window_system.h"

namespace qel {

using namespace plat;
using namespace plat::win;
using sys::NotificationArea;

namespace {

NotificationArea::IconId DesktopId(HWND hwnd, uint32_t id) { return (NotificationArea::IconId(hwnd) << 32) | id; }

sys::IconPixels Pixels(const gfx::Surface& s)
{
    sys::IconPixels p;
    p.width = s.width();
    p.height = s.height();
    p.pixels = s.pixels();
    return p;
}

UINT MouseMessage(NotificationArea::Mouse kind, int button)
{
    // WM_LBUTTONDOWN, WM_RBUTTONDOWN and WM_MBUTTONDOWN each begin a run of down, up, double click.
    const UINT first = button == 2 ? WM_RBUTTONDOWN : button == 4 ? WM_MBUTTONDOWN : WM_LBUTTONDOWN;
    switch (kind) {
    case NotificationArea::Mouse::Move: return WM_MOUSEMOVE;
    case NotificationArea::Mouse::Down: return first;
    case NotificationArea::Mouse::Up: return first + 1;
    case NotificationArea::Mouse::DoubleClick: return first + 2;
    }
    return WM_MOUSEMOVE;
}

} // namespace

TrayShell::~TrayShell()
{
    StopPumping();
    if (m_desktop && m_desktop == sys::notificationArea())
        m_desktop->setHandlers({});
}

NotificationArea* TrayShell::Desktop()
{
    NotificationArea* area = sys::notificationArea();
    if (area != m_desktop) {
        m_desktop = area;
        if (area)
            area->setHandlers({
                [this](NotificationArea::IconId id, NotificationArea::Mouse kind, int button) {
                    Act(HWND(id >> 32), uint32_t(id & 0xFFFFFFFFu), MouseMessage(kind, button));
                },
                [this] { RestartShell(); },
            });
    }
    return area;
}

// The desktop's reports are handled between the program's own messages.
void TrayShell::KeepPumping()
{
    WindowSystem* ws = WindowSystem::current();
    if (!m_desktop || !ws || (m_pumpingIn == ws && m_pumpTimer))
        return;
    m_pumpingIn = ws;
    m_pumpTimer = SetTimer(0, 0, uint32_t(m_desktop->pumpIntervalMs()), [this](HWND, TimerId) {
        if (NotificationArea* area = Desktop())
            area->pump();
    });
}

void TrayShell::StopPumping()
{
    if (m_pumpTimer && m_pumpingIn && WindowSystem::current() == m_pumpingIn)
        KillTimer(0, m_pumpTimer);
    m_pumpTimer = 0;
    m_pumpingIn = nullptr;
}

bool TrayShell::Add(const NotifyIconRecord& record)
{
    if (IsShown(record.hWnd, record.uID))
        return false;
    if (NotificationArea* area = Desktop()) {
        // Watching from the first add on, so a tray that starts later is noticed.
        KeepPumping();
        const gfx::Surface& picture = record.hIcon.image();
        if (!area->add(DesktopId(record.hWnd, record.uID), Pixels(picture), record.szTip, Pixels(TipPicture(record.szTip))))
            return false;
    }
    m_shown.emplace(std::make_pair(record.hWnd, record.uID), record);
    return true;
}

bool TrayShell::Delete(const NotifyIconRecord& record)
{
    if (NotificationArea* area = Desktop())
        area->remove(DesktopId(record.hWnd, record.uID));
    return m_shown.erase({record.hWnd, record.uID}) != 0;
}

void TrayShell::Act(HWND hwnd, uint32_t id, UINT mouseMessage)
{
    auto it = m_shown.find({hwnd, id});
    if (it == m_shown.end() || !IsWindow(hwnd))
        return;
    SendMessage(hwnd, it->second.uCallbackMessage, id, LPARAM(mouseMessage));
}

void TrayShell::RestartShell()
{
    m_shown.clear();
    const UINT created = RegisterWindowMessage("TaskbarCreated");
    for (HWND top : win::sys().topLevels())
        SendMessage(top, created, 0, 0);
}

gfx::Surface TrayShell::TipPicture(const std::string& tip)
{
    if (tip.empty())
        return {};
    const gfx::Font font = forms::openFont(forms::FontDesc{});
    const std::u32string text = sys::decodeUtf8(tip);
    const int padX = 4, padY = 2;
    gfx::Surface s(font.width(text) + 2 * padX + 2, font.metrics().height + 2 * padY + 2, gfx::opaque(gfx::systemColor(gfx::ColorInfoBk)));
    gfx::DeviceContext dc(s);
    dc.frameRect(s.rect(), gfx::systemColor(gfx::ColorInfoText));
    gfx::TextLineStyle style;
    style.color = gfx::systemColor(gfx::ColorInfoText);
    gfx::drawTextLine(s, gfx::Clip(s.rect()), font, {1 + padX, 1 + padY}, text, style);
    return s;
}

namespace {
TrayShell*& current()
{
    static TrayShell* shell = nullptr;
    return shell;
}
TrayShell& programShell()
{
    static TrayShell shell;
    return shell;
}
} // namespace

TrayShell& trayShell() { return current() ? *current() : programShell(); }

void setTrayShell(TrayShell* shell) { current() = shell; }

UINT RegisterWindowMessage(const std::string& name)
{
    static std::map<std::string, UINT> numbers;
    auto it = numbers.find(name);
    if (it != numbers.end())
        return it->second;
    const UINT n = 0xC000 + UINT(numbers.size());
    numbers.emplace(name, n);
    return n;
}

} // namespace qel
