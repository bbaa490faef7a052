#include "scoreboard/live_video.h"

#include "scoreboard/form_parts.h"
#include "scoreboard/match_state.h"

#include "controls/core/push_button_base.h"
#include "platform/forms/form.h"
#include "platform/forms/timer.h"
#include "platform/media/alpha_image.h"
#include "platform/media/capture_window.h"
#include "platform/system/file_system.h"
#include "platform/window/api.h"

namespace scoreboard {

namespace forms = plat::forms;
namespace media = plat::media;
namespace win = plat::win;

namespace {

constexpr const char* kCaptureWindowName = "我创建的视频窗口";

qel::PushButtonBase* buttonOf(const forms::Form& main, std::string_view name)
{
    return dynamic_cast<qel::PushButtonBase*>(findPart(main, name));
}

void setButtonEnabled(const forms::Form& main, std::string_view name, bool on)
{
    if (auto* button = buttonOf(main, name))
        button->setEnabled(on);
}

void bringToFront(const forms::Form& main, std::string_view name)
{
    if (forms::Control* control = findPart(main, name))
        control->zOrder(0);
}

} // namespace

LiveVideo::LiveVideo(forms::Form& main)
    : m_main(main)
{
}

void LiveVideo::connect()
{
    if (auto* button = buttonOf(m_main, "videmode"))
        button->Click = [this] { videmodeClick(); };
    if (auto* button = buttonOf(m_main, "MP3mode"))
        button->Click = [this] { MP3modeClick(); };
    if (auto* timer = dynamic_cast<forms::Timer*>(findPart(m_main, "Timer11")))
        timer->onTimer = [this] { timer11Tick(); };
}

bool LiveVideo::liveModeOn() const
{
    auto* button = buttonOf(m_main, "videmode");
    return button && !button->Enabled();
}

void LiveVideo::videmodeClick()
{
    forms::Control* view = findPart(m_main, "videlook");
    if (!m_captureWindow && view && view->hwnd())
        m_captureWindow = media::capCreateCaptureWindow(kCaptureWindowName, true, kCaptureX, kCaptureY, kCaptureWidth,
            kCaptureHeight, view->hwnd(), 0);
    // Without a device the switch completes all the same; the window then stays black.
    if (m_captureWindow) {
        win::SendMessage(m_captureWindow, media::WM_CAP_DRIVER_CONNECT, 0, 0);
        win::SendMessage(m_captureWindow, media::WM_CAP_SET_PREVIEW, 1, 0);
        win::SendMessage(m_captureWindow, media::WM_CAP_SET_PREVIEWRATE, kPreviewRateMs, 0);
    }
    bringToFront(m_main, "qelFrame1");
    if (view) {
        view->move(kViewLeft, kViewTop, kViewWidth, kViewHeight);
        view->setVisible(true);
    }
    setButtonEnabled(m_main, "MP3mode", true);
    setButtonEnabled(m_main, "videmode", false);
    bringToFront(m_main, "MP3mode");
    bringToFront(m_main, "videmode");
    setTimerOn(m_main, "Timer11", true);
}

void LiveVideo::timer11Tick()
{
    const std::string& logo = user().logoPath;
    if (!logo.empty() && plat::sys::fileExists(logo))
        for (std::string_view name : {"videimg1", "videimg2"})
            if (auto* picture = dynamic_cast<media::AlphaImage*>(findPart(m_main, name)))
                picture->loadFromFile(logo);
    hidePart(m_main, "qelFrame1");
    hidePart(m_main, "qelFplay");
    setTimerOn(m_main, "Timer11", false);
}

void LiveVideo::MP3modeClick()
{
    hidePart(m_main, "videlook");
    if (m_captureWindow)
        win::SendMessage(m_captureWindow, media::WM_CAP_DRIVER_DISCONNECT, 0, 0);
    setButtonEnabled(m_main, "videmode", true);
    setButtonEnabled(m_main, "MP3mode", false);
    showPart(m_main, "qelFrame1");
    showPart(m_main, "qelFplay");
    bringToFront(m_main, "MP3mode");
    bringToFront(m_main, "videmode");
    setTimerOn(m_main, "Timer11", false);
}

} // namespace scoreboard
