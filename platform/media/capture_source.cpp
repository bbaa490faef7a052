#include "platform/media/capture_source.h"
#include "platform/media/gst_runtime.h"
#include <cstdlib>
#include <cstring>
#include <gst/app/gstappsink.h>
#include <gst/gst.h>
#include <gst/video/video.h>

namespace plat::media {

namespace {

// RGBx bytes read as a little-endian word are 0xxxBBGGRR: the surface's layout once the
// padding byte becomes alpha.
constexpr const char* kConversion =
    " ! videoconvert ! video/x-raw,format=RGBx ! appsink name=frames max-buffers=1 drop=true sync=false";

void copyFrame(GstSample* sample, gfx::Surface& into)
{
    GstVideoInfo info;
    if (!gst_video_info_from_caps(&info, gst_sample_get_caps(sample)))
        return;
    GstBuffer* buffer = gst_sample_get_buffer(sample);
    GstVideoFrame video;
    if (!buffer || !gst_video_frame_map(&video, &info, buffer, GST_MAP_READ))
        return;
    const int width = GST_VIDEO_FRAME_WIDTH(&video);
    const int height = GST_VIDEO_FRAME_HEIGHT(&video);
    const int stride = GST_VIDEO_FRAME_PLANE_STRIDE(&video, 0);
    const auto* data = static_cast<const uint8_t*>(GST_VIDEO_FRAME_PLANE_DATA(&video, 0));
    if (into.width() != width || into.height() != height)
        into = gfx::Surface(width, height);
    for (int y = 0; y < height; ++y) {
        uint32_t* row = into.row(y);
        std::memcpy(row, data + size_t(y) * size_t(stride), size_t(width) * 4);
        for (int x = 0; x < width; ++x)
            row[x] |= 0xFF000000u;
    }
    gst_video_frame_unmap(&video);
}

} // namespace

struct CaptureSource::Pipeline {
    GstElement* pipeline = nullptr;
    GstElement* sink = nullptr;
    GstBus* bus = nullptr;

    ~Pipeline()
    {
        if (pipeline)
            gst_element_set_state(pipeline, GST_STATE_NULL);
        if (sink)
            gst_object_unref(sink);
        if (bus)
            gst_object_unref(bus);
        if (pipeline)
            gst_object_unref(pipeline);
    }
};

CaptureSource::CaptureSource() = default;

CaptureSource::~CaptureSource() = default;

std::string CaptureSource::sourceDescription(int deviceIndex)
{
    if (const char* custom = std::getenv("BALL_CAPTURE_PIPELINE"); custom && *custom)
        return custom;
    return "v4l2src device=/dev/video" + std::to_string(deviceIndex) + " ! decodebin";
}

bool CaptureSource::connect(int deviceIndex)
{
    disconnect();
    ensureGStreamer();
    std::string description = sourceDescription(deviceIndex) + kConversion;
    GError* error = nullptr;
    auto pipeline = std::make_unique<Pipeline>();
    pipeline->pipeline = gst_parse_launch(description.c_str(), &error);
    if (pipeline->pipeline)
        gst_object_ref_sink(pipeline->pipeline);
    if (error) {
        g_clear_error(&error);
        return false;
    }
    if (!pipeline->pipeline)
        return false;
    pipeline->sink = gst_bin_get_by_name(GST_BIN(pipeline->pipeline), "frames");
    pipeline->bus = gst_element_get_bus(pipeline->pipeline);
    if (!pipeline->sink || !pipeline->bus)
        return false;
    // Opening the device happens on the way to READY: a missing camera fails here.
    if (gst_element_set_state(pipeline->pipeline, GST_STATE_READY) == GST_STATE_CHANGE_FAILURE)
        return false;
    m_pipeline = std::move(pipeline);
    m_preview = false;
    return true;
}

void CaptureSource::disconnect()
{
    m_pipeline.reset();
    m_preview = false;
    m_frame = gfx::Surface();
}

void CaptureSource::setPreview(bool on)
{
    if (!m_pipeline)
        return;
    auto target = on ? GST_STATE_PLAYING : GST_STATE_PAUSED;
    if (gst_element_set_state(m_pipeline->pipeline, target) == GST_STATE_CHANGE_FAILURE) {
        disconnect();
        return;
    }
    m_preview = on;
}

bool CaptureSource::poll()
{
    if (!m_pipeline)
        return false;
    while (GstMessage* message = gst_bus_pop(m_pipeline->bus)) {
        bool failed = GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR;
        gst_message_unref(message);
        if (failed) {
            disconnect();
            return false;
        }
    }
    if (!m_preview)
        return false;
    GstSample* sample = gst_app_sink_try_pull_sample(GST_APP_SINK(m_pipeline->sink), 0);
    if (!sample)
        return false;
    copyFrame(sample, m_frame);
    gst_sample_unref(sample);
    ++m_frameCount;
    return true;
}

} // namespace plat::media
