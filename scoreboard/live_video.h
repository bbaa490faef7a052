#pragma once
#include "platform/window/types.h"

namespace plat::forms {
class Form;
class PictureBox;
class Timer;
}
namespace plat::media {
class AlphaImage;
}
namespace qel {
class qelCommand;
class qelFrame;
}

namespace scoreboard {

// The controls of `main` that live mode switches, bound once when it is made.
struct LiveVideoControls {
    qel::qelFrame& qelFrame1;
    qel::qelFrame& qelFplay;
    plat::forms::PictureBox& videlook;
    plat::media::AlphaImage& videimg1;
    plat::media::AlphaImage& videimg2;
    qel::qelCommand& videmode;
    qel::qelCommand& MP3mode;
    plat::forms::Timer& Timer11;
};

// Binds them on a loaded form: one it lacks, or of another class, throws ControlLookupError
// naming the form and the control.
LiveVideoControls bindLiveVideoControls(const plat::forms::Form& form);

// The live mode of the media panel of `main`: "现场模式" (`videmode`) shows the picture of capture
// device 0 in `videlook` in place of the player, and six seconds later (`Timer11`) the logo
// beside it and the music frames gone; "MP3模式" (`MP3mode`) goes back to music mode. The capture
// window is made on the first switch and kept; later switches reconnect the device.
class LiveVideo {
public:
    static constexpr int kCaptureX = 0, kCaptureY = -60, kCaptureWidth = 740, kCaptureHeight = 580; // pixels
    static constexpr double kViewLeft = 3080, kViewTop = 15, kViewWidth = 8575, kViewHeight = 4100; // twips
    static constexpr int kPreviewRateMs = 2;

    explicit LiveVideo(plat::forms::Form& main);

    void connect();

    void videmodeClick();
    void MP3modeClick();
    void timer11Tick();

    // True while `videmode` is disabled.
    bool liveModeOn() const;
    // 0 until live mode was first entered.
    plat::win::HWND captureWindow() const { return m_captureWindow; }

private:
    LiveVideoControls m_controls;
    plat::win::HWND m_captureWindow = 0;
};

} // namespace scoreboard
