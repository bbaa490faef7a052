#pragma once
#include "platform/gfx/surface.h"
#include <cstdint>
#include <memory>
#include <string>

namespace plat::media {

// Live pictures of a video device through GStreamer: the source (by default the camera
// /dev/video<index>, decoded when it only gives MJPEG) is converted to 32-bit pixels and handed
// over on the owner's thread by poll(). The environment variable BALL_CAPTURE_PIPELINE replaces
// the source part (e.g. "videotestsrc is-live=true ! video/x-raw,width=320,height=240"); the
// conversion is always added after it.
// A missing device is not an error: connect() fails quietly and there is no picture.
class CaptureSource {
public:
    CaptureSource();
    ~CaptureSource();
    CaptureSource(const CaptureSource&) = delete;
    CaptureSource& operator=(const CaptureSource&) = delete;

    // The source part of the pipeline for a device index.
    static std::string sourceDescription(int deviceIndex);

    // Opens the source; pictures come once preview is on. Returns false when there is no
    // device or the source cannot be built. Connecting again reconnects.
    bool connect(int deviceIndex = 0);
    void disconnect();
    bool isConnected() const { return m_pipeline != nullptr; }

    void setPreview(bool on);
    bool preview() const { return m_preview; }
    // Milliseconds between preview frames as the owner asked; the owner paces its drawing by it.
    void setPreviewRate(int milliseconds) { m_previewRate = milliseconds; }
    int previewRate() const { return m_previewRate; }

    // Takes the newest picture, if one came since the last call; returns whether it did.
    // Also takes the pipeline's messages: an error (the device went away) disconnects.
    bool poll();

    // The latest picture (0x00BBGGRR pixels, alpha 255); empty before the first and after
    // disconnect.
    const gfx::Surface& frame() const { return m_frame; }
    uint64_t frameCount() const { return m_frameCount; }

private:
    struct Pipeline;

    std::unique_ptr<Pipeline> m_pipeline;
    bool m_preview = false;
    int m_previewRate = 0;
    gfx::Surface m_frame;
    uint64_t m_frameCount = 0;
};

} // namespace plat::media
