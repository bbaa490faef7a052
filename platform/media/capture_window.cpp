#include "platform/media/capture_window.h"
#include "platform/window/api.h"
#include "platform/window/messages.h"
#include <algorithm>
#include <map>
#include <memory>
#include <vector>

namespace plat::media {

namespace {

constexpr win::TimerId kPreviewTimer = 0xCA97;
// The loop need not look for pictures faster than a display can show them, whatever rate
// was asked for (a camera gives one every 33 ms at most).
constexpr int kFastestPollMs = 15;
constexpr int kDefaultRateMs = 33;
constexpr uint32_t kBlack = 0xFF000000u;

// Nearest-neighbour stretch of `from` over the whole of `to`.
void stretch(const gfx::Surface& from, gfx::Surface& to)
{
    if (from.isEmpty() || to.isEmpty())
        return;
    std::vector<int> columns(size_t(to.width()));
    for (int x = 0; x < to.width(); ++x)
        columns[size_t(x)] = int(int64_t(x) * from.width() / to.width());
    for (int y = 0; y < to.height(); ++y) {
        const uint32_t* src = from.row(int(int64_t(y) * from.height() / to.height()));
        uint32_t* dst = to.row(y);
        for (int x = 0; x < to.width(); ++x)
            dst[x] = src[columns[size_t(x)]];
    }
}

class CaptureWindow {
public:
    explicit CaptureWindow(win::HWND hwnd) : m_hwnd(hwnd) {}

    CaptureSource& source() { return m_source; }

    win::LRESULT handle(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam)
    {
        switch (msg) {
        case WM_CAP_DRIVER_CONNECT: {
            stopPreviewTimer();
            bool connected = m_source.connect(int(wParam));
            showBlack();
            return connected ? 1 : 0;
        }
        case WM_CAP_DRIVER_DISCONNECT:
            stopPreviewTimer();
            m_source.disconnect();
            showBlack();
            return 1;
        case WM_CAP_SET_PREVIEW:
            m_source.setPreview(wParam != 0);
            if (m_source.preview())
                startPreviewTimer();
            else
                stopPreviewTimer();
            return m_source.preview() == (wParam != 0) ? 1 : 0;
        case WM_CAP_SET_PREVIEWRATE:
            m_source.setPreviewRate(int(std::min<win::WPARAM>(wParam, 60000)));
            if (m_timerOn)
                startPreviewTimer();
            return 1;
        case win::WM_TIMER:
            if (wParam == kPreviewTimer) {
                takePicture();
                return 0;
            }
            break;
        case win::WM_SIZE:
            if (!m_source.frame().isEmpty())
                draw();
            else
                showBlack();
            break;
        case win::WM_DESTROY:
            stopPreviewTimer();
            m_source.disconnect();
            break;
        default:
            break;
        }
        return win::DefWindowProc(m_hwnd, msg, wParam, lParam);
    }

    void showBlack()
    {
        win::WindowImage(m_hwnd).fill(kBlack);
        win::ImageChanged(m_hwnd);
    }

private:
    void startPreviewTimer()
    {
        int rate = m_source.previewRate() > 0 ? m_source.previewRate() : kDefaultRateMs;
        win::SetTimer(m_hwnd, kPreviewTimer, uint32_t(std::max(rate, kFastestPollMs)));
        m_timerOn = true;
    }

    void stopPreviewTimer()
    {
        if (m_timerOn)
            win::KillTimer(m_hwnd, kPreviewTimer);
        m_timerOn = false;
    }

    void takePicture()
    {
        bool fresh = m_source.poll();
        if (!m_source.isConnected()) { // the device went away
            stopPreviewTimer();
            showBlack();
            return;
        }
        if (fresh)
            draw();
    }

    void draw()
    {
        stretch(m_source.frame(), win::WindowImage(m_hwnd));
        win::ImageChanged(m_hwnd);
    }

    win::HWND m_hwnd;
    CaptureSource m_source;
    bool m_timerOn = false;
};

// The capture windows that exist, by handle; each is removed when its window is destroyed.
std::map<win::HWND, std::unique_ptr<CaptureWindow>>& captureWindows()
{
    static std::map<win::HWND, std::unique_ptr<CaptureWindow>> windows;
    return windows;
}

win::LRESULT captureWindowProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam)
{
    auto& windows = captureWindows();
    auto it = windows.find(hwnd);
    if (it == windows.end())
        return win::DefWindowProc(hwnd, msg, wParam, lParam);
    win::LRESULT result = it->second->handle(msg, wParam, lParam);
    if (msg == win::WM_DESTROY)
        windows.erase(hwnd);
    return result;
}

} // namespace

win::HWND capCreateCaptureWindow(const std::string& name, bool visible, int x, int y, int width, int height,
                                 win::HWND parent, int id)
{
    (void)id;
    win::HWND hwnd = win::CreateWindow(name, parent, gfx::Rect::fromSize(x, y, width, height), false,
                                       win::makeWndProc(&captureWindowProc));
    if (!hwnd)
        return 0;
    auto& window = captureWindows()[hwnd];
    window = std::make_unique<CaptureWindow>(hwnd);
    window->showBlack();
    if (visible)
        win::ShowWindow(hwnd, true);
    return hwnd;
}

CaptureSource* captureSourceOf(win::HWND hwnd)
{
    auto& windows = captureWindows();
    auto it = windows.find(hwnd);
    return it == windows.end() ? nullptr : &it->second->source();
}

} // namespace plat::media
