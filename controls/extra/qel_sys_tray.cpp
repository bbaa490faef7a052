#include "controls/extra/qel_sys_tray.h"
#include "controls/extra/mdl_sys_tray_callback.h"
#include "platform/system/ansi_codec.h"
#include "platform/forms/form.h"
#include "platform/forms/resources_folder.h"
#include "platform/window/api.h"

namespace qel {

using namespace plat;
using namespace plat::win;

namespace {
constexpr uint32_t kTrayFlags = 7;
constexpr UINT kCallbackMessage = WM_MOUSEMOVE;
} // namespace

qelSysTray::qelSysTray()
    : HiddenFaceControl(30, 30)
    , m_iconRecords(1)
    , m_inTrayFlags(1, false)
{
}

qelSysTray::~qelSysTray() { TearDown(); }

void qelSysTray::setIcon(const gfx::Picture& icon)
{
    m_icon = icon;
    m_iconSource = {};
}

void qelSysTray::setIcon(const forms::PictureRef& icon)
{
    gfx::Picture p;
    if (!icon.isEmpty())
        p.load(forms::resourcePath(icon.path).string());
    setIcon(p);
    m_iconSource = icon;
}

bool qelSysTray::IsInTray(int32_t Index) const { return Index >= 0 && size_t(Index) < m_inTrayFlags.size() && m_inTrayFlags[size_t(Index)]; }

void qelSysTray::AddToTray(int32_t Index)
{
    if (Index < 0)
        return;
    if (size_t(Index) >= m_inTrayFlags.size()) {
        m_inTrayFlags.resize(size_t(Index) + 1, false);
        m_iconRecords.resize(size_t(Index) + 1);
    }
    m_inTrayFlags[size_t(Index)] = true;
    if (m_icon.isEmpty())
        return;
    NotifyIconRecord& r = m_iconRecords[size_t(Index)];
    r = {};
    r.hWnd = hwnd();
    r.uID = uint32_t(Index);
    r.uFlags = kTrayFlags;
    r.uCallbackMessage = kCallbackMessage;
    r.hIcon = m_icon;
    // The shell's tip field holds 127 bytes of the code page and its zero: cut there, and
    // between two characters.
    r.szTip = plat::sys::ansiPrefix(m_balloonTipString, 127);
    r.uTimeout = 3000;
    r.dwInfoFlags = 1;
    trayShell().Add(r);
    mdlSysTrayCallBack::RegisterTrayIcon(this, mdlSysTrayCallBack::TrayKey(hwnd(), Index));
}

void qelSysTray::RemoveFromTray(int32_t Index)
{
    if (Index < 0 || size_t(Index) >= m_inTrayFlags.size())
        return;
    NotifyIconRecord r = m_iconRecords[size_t(Index)];
    r.hWnd = hwnd();
    r.uID = uint32_t(Index);
    trayShell().Delete(r);
    mdlSysTrayCallBack::UnregisterTrayIcon(mdlSysTrayCallBack::TrayKey(hwnd(), Index));
    if (Index == UpperIndex() && Index >= 1) {
        m_inTrayFlags.pop_back();
        m_iconRecords.pop_back();
    } else {
        m_inTrayFlags[size_t(Index)] = false;
    }
}

void qelSysTray::RefreshAllIcons2()
{
    for (size_t i = 0; i < m_inTrayFlags.size(); ++i)
        if (m_inTrayFlags[i])
            trayShell().Add(m_iconRecords[i]);
}

void qelSysTray::ReAddTrayIcons()
{
    if (!form())
        return;
    for (forms::Control* c : form()->controls())
        if (auto* tray = dynamic_cast<qelSysTray*>(c))
            tray->RefreshAllIcons2();
}

void qelSysTray::StartSubclass()
{
    if (!ambient().userMode || !hwnd())
        return;
    m_hook.Install(hwnd(), [this](HWND h, UINT m, WPARAM w, LPARAM l) { return WindowProc(h, m, w, l); });
    if (!mdlSysTrayCallBack::HostSubclassed() && m_preventFromCrash && form()) {
        m_taskbarCreatedMessage = RegisterWindowMessage("TaskbarCreated");
        mdlSysTrayCallBack::SubclassHost(form()->hwnd(), m_taskbarCreatedMessage);
    }
}

LRESULT qelSysTray::WindowProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    const WndProc previous = m_hook.PreviousWindowProc();
    if (uMsg == kCallbackMessage)
        HandleTrayMouse(wParam, lParam);
    return CallWindowProc(previous, hwnd, uMsg, wParam, lParam);
}

void qelSysTray::HandleTrayMouse(WPARAM wParam, LPARAM lParam)
{
    int button = 0;
    const TrayEvent* event = nullptr;
    switch (UINT(lParam)) {
    case WM_MOUSEMOVE: button = 0; event = &MouseMove; break;
    case WM_LBUTTONDOWN: button = 1; event = &MouseDown; break;
    case WM_LBUTTONUP: button = 1; event = &MouseUp; break;
    case WM_LBUTTONDBLCLK: button = 1; event = &MouseDblClick; break;
    case WM_RBUTTONDOWN: button = 2; event = &MouseDown; break;
    case WM_RBUTTONUP: button = 2; event = &MouseUp; break;
    case WM_RBUTTONDBLCLK: button = 2; event = &MouseDblClick; break;
    case WM_MBUTTONDOWN: button = 4; event = &MouseDown; break;
    case WM_MBUTTONUP: button = 4; event = &MouseUp; break;
    case WM_MBUTTONDBLCLK: button = 4; event = &MouseDblClick; break;
    default: return;
    }
    if (button != 0) {
        // The parent window comes to the front first (SetForegroundWindow).
        const HWND parent = GetParent(this->hwnd());
        if (parent)
            win::sys().setActive(win::sys().topLevelOf(parent));
    }
    int id = int(wParam);
    if (*event)
        (*event)(button, id);
}

void qelSysTray::TearDown()
{
    if (m_tornDown)
        return;
    m_tornDown = true;
    m_hook.Restore();
    for (size_t i = 0; i < m_inTrayFlags.size(); ++i) {
        mdlSysTrayCallBack::UnregisterTrayIcon(mdlSysTrayCallBack::TrayKey(m_iconRecords[i].hWnd ? m_iconRecords[i].hWnd : hwnd(), int32_t(i)));
        NotifyIconRecord r = m_iconRecords[i];
        r.uID = uint32_t(i);
        if (r.hWnd)
            trayShell().Delete(r);
    }
    m_inTrayFlags.clear();
    m_iconRecords.clear();
}

void qelSysTray::onRemoved() { TearDown(); }

void qelSysTray::initProperties() { StoredProperties().init(*this); }

void qelSysTray::readProperties(forms::PropertyBag& bag)
{
    StoredProperties().read(*this, bag);
    StartSubclass();
}

void qelSysTray::writeProperties(forms::PropertyBag& bag) const { StoredProperties().write(*this, bag); }

void qelSysTray::DrawFace(gfx::DeviceContext& dc, int w, int h)
{
    // A task bar with a small icon at its right end.
    dc.clear(0xE0E0E0);
    dc.fillRect({2, h / 2, w - 2, h - 4}, 0x804020);
    dc.fillRect({w - 12, h / 2 + 3, w - 5, h - 7}, 0x40C0FF);
}

} // namespace qel
