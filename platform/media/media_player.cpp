#include "platform/media/media_player.h"
#include "platform/media/gst_runtime.h"
#include "platform/media/time_text.h"
#include "platform/system/file_system.h"
#include <algorithm>
#include <cmath>
#include <gst/audio/streamvolume.h>
#include <gst/gst.h>
#include <optional>

namespace plat::media {

namespace {

// playbin's "flags": audio and software volume only, so no video window ever opens.
constexpr unsigned kPlayFlagAudio = 0x02;
constexpr unsigned kPlayFlagSoftVolume = 0x10;

std::string uriFor(const std::string& path)
{
    if (gst_uri_is_valid(path.c_str()))
        return path;
    GError* error = nullptr;
    gchar* uri = gst_filename_to_uri(path.c_str(), &error);
    if (!uri) {
        g_clear_error(&error);
        return {};
    }
    std::string result(uri);
    g_free(uri);
    return result;
}

// The file's name without its extension, as it is shown (a name that is not UTF-8 in the code page).
std::string displayName(const std::string& path)
{
    auto slash = path.find_last_of('/');
    std::string name = sys::shownFileName(slash == std::string::npos ? path : path.substr(slash + 1));
    auto dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}

double toSeconds(gint64 nanoseconds) { return double(nanoseconds) / double(GST_SECOND); }

// An end this much before the file's given length is the end of a file cut short.
constexpr double kEarlyEndSeconds = 1.0;

} // namespace

struct MediaPlayer::Pipeline {
    GstElement* playbin = nullptr;
    GstBus* bus = nullptr;
    int state = PlayStateStopped;
    bool failed = false;
    bool endedEarly = false;
    bool prerolled = false;
    bool seeking = false;
    std::optional<double> pendingSeek;
    double position = 0;
    double duration = 0;

    ~Pipeline()
    {
        if (playbin)
            gst_element_set_state(playbin, GST_STATE_NULL);
        if (bus)
            gst_object_unref(bus);
        if (playbin)
            gst_object_unref(playbin);
    }

    void queryDuration()
    {
        gint64 length = 0;
        if (gst_element_query_duration(playbin, GST_FORMAT_TIME, &length) && length > 0)
            duration = toSeconds(length);
    }

    void queryPosition()
    {
        if (!prerolled || seeking || failed || state == PlayStateStopped)
            return;
        gint64 at = 0;
        if (gst_element_query_position(playbin, GST_FORMAT_TIME, &at) && at >= 0)
            position = duration > 0 ? std::min(toSeconds(at), duration) : toSeconds(at);
    }

    void seekTo(double seconds)
    {
        position = seconds;
        if (!prerolled) {
            pendingSeek = seconds;
            return;
        }
        auto flags = GstSeekFlags(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE);
        if (gst_element_seek_simple(playbin, GST_FORMAT_TIME, flags, gint64(seconds * GST_SECOND)))
            seeking = true;
    }

    // Stopped: paused at the start, still loaded, so the next play starts at once.
    void rewind()
    {
        state = PlayStateStopped;
        if (failed)
            return;
        gst_element_set_state(playbin, GST_STATE_PAUSED);
        seekTo(0);
    }

    void fail()
    {
        failed = true;
        prerolled = false;
        seeking = false;
        pendingSeek.reset();
        state = PlayStateStopped;
        position = 0;
        gst_element_set_state(playbin, GST_STATE_NULL);
    }

    void handle(GstMessage* message)
    {
        switch (GST_MESSAGE_TYPE(message)) {
        case GST_MESSAGE_EOS:
            // Where the sound ran out, against the length the file gave.
            queryPosition();
            endedEarly = duration > 0 && duration - position > kEarlyEndSeconds;
            rewind();
            break;
        case GST_MESSAGE_ERROR:
            fail();
            break;
        case GST_MESSAGE_ASYNC_DONE:
            if (GST_MESSAGE_SRC(message) != GST_OBJECT(playbin))
                break;
            prerolled = true;
            seeking = false;
            queryDuration();
            if (pendingSeek) {
                double target = *pendingSeek;
                pendingSeek.reset();
                seekTo(target);
            }
            break;
        case GST_MESSAGE_DURATION_CHANGED:
            if (prerolled)
                queryDuration();
            break;
        default:
            break;
        }
    }
};

MediaPlayer::MediaPlayer() : MediaPlayer(Options{silentAudioWanted()}) {}

MediaPlayer::MediaPlayer(Options options) : m_options(options) {}

MediaPlayer::~MediaPlayer() = default;

void MediaPlayer::setURL(const std::string& path)
{
    m_url = path;
    m_name = path.empty() ? std::string() : displayName(path);
    m_pipeline.reset();
    if (path.empty())
        return;

    ensureGStreamer();
    auto pipeline = std::make_unique<Pipeline>();
    pipeline->playbin = gst_element_factory_make("playbin", nullptr);
    if (!pipeline->playbin)
        return;
    gst_object_ref_sink(pipeline->playbin);
    pipeline->bus = gst_element_get_bus(pipeline->playbin);
    g_object_set(pipeline->playbin, "flags", kPlayFlagAudio | kPlayFlagSoftVolume, nullptr);
    if (m_options.silentAudio) {
        GstElement* sink = gst_element_factory_make("fakesink", nullptr);
        if (sink) {
            g_object_set(sink, "sync", TRUE, nullptr);
            g_object_set(pipeline->playbin, "audio-sink", sink, nullptr);
        }
    }
    m_pipeline = std::move(pipeline);
    setMute(m_mute);
    setVolume(m_volume);

    std::string uri = uriFor(path);
    if (uri.empty()) {
        m_pipeline->fail();
        return;
    }
    g_object_set(m_pipeline->playbin, "uri", uri.c_str(), nullptr);
    if (gst_element_set_state(m_pipeline->playbin, GST_STATE_PAUSED) == GST_STATE_CHANGE_FAILURE)
        m_pipeline->fail();
}

const std::string& MediaPlayer::URL() const
{
    return m_url;
}

void MediaPlayer::poll()
{
    if (!m_pipeline || !m_pipeline->bus)
        return;
    while (GstMessage* message = gst_bus_pop(m_pipeline->bus)) {
        m_pipeline->handle(message);
        gst_message_unref(message);
    }
}

int MediaPlayer::playState()
{
    poll();
    return m_pipeline ? m_pipeline->state : PlayStateStopped;
}

void MediaPlayer::play()
{
    poll();
    if (!m_pipeline || m_pipeline->failed)
        return;
    if (gst_element_set_state(m_pipeline->playbin, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
        m_pipeline->fail();
        return;
    }
    m_pipeline->endedEarly = false;
    m_pipeline->state = PlayStatePlaying;
}

bool MediaPlayer::mediaFailed()
{
    poll();
    return m_pipeline && m_pipeline->failed;
}

bool MediaPlayer::endedEarly()
{
    poll();
    return m_pipeline && m_pipeline->endedEarly;
}

void MediaPlayer::pause()
{
    poll();
    if (!m_pipeline || m_pipeline->failed)
        return;
    m_pipeline->queryPosition();
    gst_element_set_state(m_pipeline->playbin, GST_STATE_PAUSED);
    m_pipeline->state = PlayStatePaused;
}

void MediaPlayer::stop()
{
    poll();
    if (m_pipeline)
        m_pipeline->rewind();
}

double MediaPlayer::position()
{
    poll();
    if (!m_pipeline)
        return 0;
    m_pipeline->queryPosition();
    return m_pipeline->position;
}

void MediaPlayer::seek(double seconds)
{
    poll();
    if (!m_pipeline || m_pipeline->failed)
        return;
    if (!std::isfinite(seconds) || seconds < 0)
        seconds = 0;
    if (m_pipeline->duration > 0)
        seconds = std::min(seconds, m_pipeline->duration);
    m_pipeline->endedEarly = false;
    m_pipeline->seekTo(seconds);
}

double MediaPlayer::duration()
{
    poll();
    if (!m_pipeline)
        return 0;
    if (m_pipeline->prerolled && !m_pipeline->seeking && m_pipeline->duration <= 0)
        m_pipeline->queryDuration();
    return m_pipeline->duration;
}

void MediaPlayer::setMute(bool mute)
{
    m_mute = mute;
    if (m_pipeline && m_pipeline->playbin)
        g_object_set(m_pipeline->playbin, "mute", gboolean(mute), nullptr);
}

void MediaPlayer::setVolume(int volume)
{
    m_volume = std::clamp(volume, 0, 100);
    if (m_pipeline && m_pipeline->playbin)
        gst_stream_volume_set_volume(GST_STREAM_VOLUME(m_pipeline->playbin), GST_STREAM_VOLUME_FORMAT_CUBIC,
                                     m_volume / 100.0);
}

// --- the grouped members -------------------------------------------------------------------

void MediaPlayer::Controls::play() { m_player.play(); }
void MediaPlayer::Controls::pause() { m_player.pause(); }
void MediaPlayer::Controls::stop() { m_player.stop(); }
double MediaPlayer::Controls::currentPosition() { return m_player.position(); }
void MediaPlayer::Controls::setCurrentPosition(double seconds) { m_player.seek(seconds); }
std::string MediaPlayer::Controls::currentPositionString() { return minutesSecondsText(m_player.position()); }

std::string MediaPlayer::Media::name() const { return m_player.m_name; }
double MediaPlayer::Media::duration() { return m_player.duration(); }
std::string MediaPlayer::Media::durationString() { return minutesSecondsText(m_player.duration()); }

void MediaPlayer::Settings::setMute(bool mute) { m_player.setMute(mute); }
void MediaPlayer::Settings::setVolume(int volume) { m_player.setVolume(volume); }

// Read back from the pipeline, so that what is reported is what GStreamer plays with.
bool MediaPlayer::Settings::mute() const
{
    const auto& pipeline = m_player.m_pipeline;
    if (!pipeline || !pipeline->playbin)
        return m_player.m_mute;
    gboolean mute = FALSE;
    g_object_get(pipeline->playbin, "mute", &mute, nullptr);
    return mute;
}

int MediaPlayer::Settings::volume() const
{
    const auto& pipeline = m_player.m_pipeline;
    if (!pipeline || !pipeline->playbin)
        return m_player.m_volume;
    double cubic = gst_stream_volume_get_volume(GST_STREAM_VOLUME(pipeline->playbin), GST_STREAM_VOLUME_FORMAT_CUBIC);
    return int(std::lround(cubic * 100));
}

} // namespace plat::media
