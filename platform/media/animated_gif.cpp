#include "platform/media/animated_gif.h"
#include "platform/forms/colors.h"
#include "platform/gfx/blit.h"
#include "platform/media/picture_path.h"
#include "platform/window/api.h"
#include <algorithm>

namespace plat::media {

using namespace plat::win;

namespace {

constexpr TimerId kFrameTimer = 0xA61F;
constexpr uint32_t kSeeThrough = 0x00000000u;

} // namespace

void AnimatedGif::setPicture(const forms::PictureRef& picture)
{
    m_picture = picture;
    if (!m_frames.load(picturePathOf(picture)))
        m_frames.clear();
    m_current = 0;
    m_finished = false;
    restart();
}

bool AnimatedGif::loadFromFile(const std::string& path)
{
    gfx::Picture loaded;
    if (path.empty() || !loaded.load(path))
        return false;
    m_frames = std::move(loaded);
    m_picture = pictureRefOf(path);
    m_current = 0;
    m_finished = false;
    restart();
    return true;
}

void AnimatedGif::setAnimate(bool animate)
{
    if (m_animate == animate && (m_running || !animate))
        return;
    m_animate = animate;
    if (animate && m_finished) {
        m_current = 0;
        m_finished = false;
        restart();
        return;
    }
    if (hwnd())
        m_frameShownMs = GetTickCount();
    schedule();
}

void AnimatedGif::setLoop(bool loop)
{
    m_loop = loop;
    if (loop && m_finished) {
        m_finished = false;
        if (hwnd())
            m_frameShownMs = GetTickCount();
        schedule();
    }
}

void AnimatedGif::setCurrentFrame(int frame)
{
    if (frameCount() == 0)
        return;
    m_current = std::clamp(frame, 0, frameCount() - 1);
    m_finished = false;
    restart();
}

int AnimatedGif::frameDelay(int frame) const
{
    if (frame < 0 || frame >= frameCount())
        return 0;
    int delay = m_frames.frame(size_t(frame)).delayMs;
    return delay <= 10 ? kShortDelayMs : delay;
}

void AnimatedGif::restart()
{
    if (hwnd())
        m_frameShownMs = GetTickCount();
    schedule();
    redraw();
}

void AnimatedGif::schedule()
{
    m_running = hwnd() && m_animate && frameCount() > 1 && !m_finished;
    if (!hwnd())
        return;
    if (!m_running) {
        KillTimer(hwnd(), kFrameTimer);
        return;
    }
    int64_t wait = std::max<int64_t>(1, m_frameShownMs + frameDelay(m_current) - GetTickCount());
    SetTimer(hwnd(), kFrameTimer, uint32_t(wait), [this](HWND, TimerId) { tick(); });
}

void AnimatedGif::tick()
{
    if (!m_running)
        return;
    const int64_t now = GetTickCount();
    // Far behind (a stalled loop): whole rounds of the animation change nothing.
    if (m_loop) {
        int64_t round = 0;
        for (int i = 0; i < frameCount(); ++i)
            round += frameDelay(i);
        if (round > 0 && now - m_frameShownMs > round)
            m_frameShownMs += (now - m_frameShownMs) / round * round;
    }
    const int shown = m_current;
    while (now >= m_frameShownMs + frameDelay(m_current)) {
        int next = m_current + 1;
        if (next >= frameCount()) {
            if (!m_loop) {
                m_finished = true;
                break;
            }
            next = 0;
        }
        m_frameShownMs += frameDelay(m_current);
        m_current = next;
    }
    schedule();
    if (m_current != shown)
        redraw();
}

void AnimatedGif::setStretch(bool stretch)
{
    m_stretch = stretch;
    redraw();
}

void AnimatedGif::setBackStyle(int style)
{
    m_backStyle = style == 1 ? 1 : 0;
    redraw();
}

void AnimatedGif::setBackColor(uint32_t color)
{
    m_backColor = color;
    redraw();
}

void AnimatedGif::setUseMaskColor(bool use)
{
    m_useMaskColor = use;
    redraw();
}

void AnimatedGif::setMaskColor(uint32_t color)
{
    m_maskColor = color;
    redraw();
}

const auto& AnimatedGif::storedProperties()
{
    using P = forms::PropertiesOf<AnimatedGif>;
    using G = AnimatedGif;
    static const auto table = forms::propertyTable(P::property("Animate", &G::animate, [](G& g, bool on) { g.m_animate = on; }, true),
        P::property("Loop", &G::loop, [](G& g, bool on) { g.m_loop = on; }, true),
        P::property("Stretch", &G::stretch, [](G& g, bool on) { g.m_stretch = on; }, false),
        P::propertyAs<int16_t>(
            "BackStyle", [](const G& g) { return int16_t(g.m_backStyle); }, [](G& g, int16_t style) { g.m_backStyle = style == 1 ? 1 : 0; },
            int16_t(0)),
        P::property("BackColor", &G::backColor, [](G& g, uint32_t color) { g.m_backColor = color; }, forms::kColorButtonFace),
        P::property("UseMaskColor", &G::useMaskColor, [](G& g, bool on) { g.m_useMaskColor = on; }, false),
        P::property("MaskColor", &G::maskColor, [](G& g, uint32_t color) { g.m_maskColor = color; }, kDefaultMaskColor));
    return table;
}

void AnimatedGif::initProperties()
{
    storedProperties().init(*this);
    pictureProperty<AnimatedGif>().init(*this);
}

void AnimatedGif::readProperties(forms::PropertyBag& bag)
{
    storedProperties().read(*this, bag);
    pictureProperty<AnimatedGif>().read(*this, bag);
}

void AnimatedGif::writeProperties(forms::PropertyBag& bag) const
{
    pictureProperty<AnimatedGif>().write(*this, bag);
    storedProperties().write(*this, bag);
}

void AnimatedGif::onPlaced()
{
    SetWindowBlend(hwnd(), Blend::Alpha);
    restart();
}

void AnimatedGif::onRemoved()
{
    m_running = false;
}

void AnimatedGif::redraw()
{
    if (!hwnd())
        return;
    gfx::Surface& target = image();
    const bool opaqueBack = m_backStyle == 1;
    target.fill(opaqueBack ? gfx::opaque(forms::resolveColor(m_backColor)) : kSeeThrough);
    if (frameCount() > 0) {
        gfx::Surface frame = m_frames.frame(size_t(m_current)).image;
        if (m_useMaskColor) {
            const uint32_t key = forms::resolveColor(m_maskColor) & 0x00FFFFFFu;
            for (uint32_t& p : frame.pixels())
                if ((p & 0x00FFFFFFu) == key)
                    p = kSeeThrough;
        }
        const gfx::Clip clip(target.rect());
        const gfx::Rect to = m_stretch ? target.rect() : gfx::Rect::fromSize(0, 0, frame.width(), frame.height());
        if (opaqueBack)
            gfx::alphaBlendStretched(target, to, frame, frame.rect(), clip);
        else
            gfx::stretchBlit(target, to, frame, frame.rect(), clip, gfx::StretchMode::Bilinear);
    }
    refreshImage();
}

} // namespace plat::media
