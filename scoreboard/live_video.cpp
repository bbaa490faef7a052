#include "scoreboard/live_video.h"

#include "scoreboard/match_state.h"

#include "controls/core/qel_command.h"
#include "controls/core/qel_frame.h"
#include "platform/forms/form.h"
#include "platform/forms/picture_box.h"
#include "platform/forms/timer.h"
#include "platform/media/alpha_image.h"
#include "platform/media/capture_window.h"
#include "platform/media/picture_store.h"
#include "platform/system/file_system.h"
#include "platform/window/api.h"

namespace scoreboard {

namespace forms = plat::forms;
namespace media = plat::media;
namespace win = plat::win;

namespace {

constexpr const char* kCaptureWindowName = "我创建的视频窗口";

} // namespace

LiveVideoControls bindLiveVideoControls(const forms::Form& form)
{
    return LiveVideoControls{
        .qelFrame1 = form.get<qel::qelFrame>("qelFrame1"),
        .qelFplay = form.get<qel::qelFrame>("qelFplay"),
        .videlook = form.get<forms::PictureBox>("videlook"),
        .videimg1 = form.get<media::AlphaImage>("videimg1"),
        .videimg2 = form.get<media::AlphaImage>("videimg2"),
        .videmode = form.get<qel::qelCommand>("videmode"),
        .MP3mode = form.get<qel::qelCommand>("MP3mode"),
        .Timer11 = form.get<forms::Timer>("Timer11"),
    };
}

LiveVideo::LiveVideo(forms::Form& main)
    : m_controls(bindLiveVideoControls(main))
{
}

void LiveVideo::connect()
{
    m_controls.videmode.Click = [this] { videmodeClick(); };
    m_controls.MP3mode.Click = [this] { MP3modeClick(); };
    m_controls.Timer11.onTimer = [this] { timer11Tick(); };
}

bool LiveVideo::liveModeOn() const { return !m_controls.videmode.Enabled(); }

void LiveVideo::videmodeClick()
{
    const LiveVideoControls& c = m_controls;
    forms::PictureBox& view = c.videlook;
    if (!m_captureWindow && view.hwnd())
        m_captureWindow = media::capCreateCaptureWindow(kCaptureWindowName, true, kCaptureX, kCaptureY, kCaptureWidth,
            kCaptureHeight, view.hwnd(), 0);
    // Without a device the switch completes all the same; the window then stays black.
    if (m_captureWindow) {
        win::SendMessage(m_captureWindow, media::WM_CAP_DRIVER_CONNECT, 0, 0);
        win::SendMessage(m_captureWindow, media::WM_CAP_SET_PREVIEW, 1, 0);
        win::SendMessage(m_captureWindow, media::WM_CAP_SET_PREVIEWRATE, kPreviewRateMs, 0);
    }
    // The logo shows beside the picture six seconds on: decoded meanwhile away from the board's
    // thread when it is not held any more, a big one holds up nothing then.
    const std::string& logo = user().logoPath;
    if (!logo.empty())
        media::PictureStore::instance().prepare(logo, c.videimg1.fit(), {});
    c.qelFrame1.zOrder(0);
    view.move(kViewLeft, kViewTop, kViewWidth, kViewHeight);
    view.setVisible(true);
    c.MP3mode.setEnabled(true);
    c.videmode.setEnabled(false);
    c.MP3mode.zOrder(0);
    c.videmode.zOrder(0);
    c.Timer11.setEnabled(true);
}

void LiveVideo::timer11Tick()
{
    const LiveVideoControls& c = m_controls;
    const std::string& logo = user().logoPath;
    if (!logo.empty() && plat::sys::fileExists(logo))
        for (media::AlphaImage* picture : {&c.videimg1, &c.videimg2})
            picture->loadFromFile(logo);
    c.qelFrame1.setVisible(false);
    c.qelFplay.setVisible(false);
    c.Timer11.setEnabled(false);
}

void LiveVideo::MP3modeClick()
{
    const LiveVideoControls& c = m_controls;
    c.videlook.setVisible(false);
    if (m_captureWindow)
        win::SendMessage(m_captureWindow, media::WM_CAP_DRIVER_DISCONNECT, 0, 0);
    c.videmode.setEnabled(true);
    c.MP3mode.setEnabled(false);
    c.qelFrame1.setVisible(true);
    c.qelFplay.setVisible(true);
    c.MP3mode.zOrder(0);
    c.videmode.zOrder(0);
    c.Timer11.setEnabled(false);
}

} // namespace scoreboard
