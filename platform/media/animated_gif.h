#pragma once
#include "platform/forms/picture_ref.h"
#include "platform/gfx/picture.h"
#include "platform/media/picture_control.h"
#include <cstdint>
#include <string>

namespace plat::media {

// The animated-GIF control: shows the frames of a GIF one after the other, each for the delay
// the file gives it, on a timer of the window core (so the virtual clock drives it in tests).
// The frames keep their transparency and are blended over what lies behind; a mask colour can
// make one more colour see-through. A missing or unreadable file shows nothing. It never takes
// the focus.
//
// Stored properties: Picture (a path relative to the resources folder, or absolute), Animate
// (runs when placed; default True), Loop (starts again after the last frame; default True),
// Stretch (scales the frames to the control), BackStyle (0 transparent, 1 BackColor behind
// the frames), BackColor, UseMaskColor and MaskColor.
class AnimatedGif : public PictureControl {
public:
    static constexpr const char* kClassName = "AniGIF";
    std::string className() const override { return kClassName; }

    // Delays of 10 ms and less (0 and 1 hundredth in the file) are shown this long, as
    // browsers do.
    static constexpr int kShortDelayMs = 100;
    static constexpr uint32_t kDefaultMaskColor = 0x00C0C0C0u;

    const forms::PictureRef& picture() const { return m_picture; }
    // Loads the file's frames and starts again at the first frame.
    void setPicture(const forms::PictureRef& picture);
    bool loadFromFile(const std::string& path);

    // --- playing ---
    bool animate() const { return m_animate; }
    void setAnimate(bool animate);
    void play() { setAnimate(true); }
    void stop() { setAnimate(false); }
    bool loop() const { return m_loop; }
    void setLoop(bool loop);
    // Whether the timer runs: animating, with more than one frame, not stopped at the end.
    bool running() const { return m_running; }

    int frameCount() const { return int(m_frames.frameCount()); }
    int currentFrame() const { return m_current; }
    // Shows a frame; the animation (if it runs) goes on from there.
    void setCurrentFrame(int frame);
    // How long a frame shows, in milliseconds (short delays already lengthened).
    int frameDelay(int frame) const;

    // --- look ---
    bool stretch() const { return m_stretch; }
    void setStretch(bool stretch);
    int backStyle() const { return m_backStyle; }
    void setBackStyle(int style);
    uint32_t backColor() const { return m_backColor; }
    void setBackColor(uint32_t color);
    bool useMaskColor() const { return m_useMaskColor; }
    void setUseMaskColor(bool use);
    uint32_t maskColor() const { return m_maskColor; }
    void setMaskColor(uint32_t color);

    void initProperties() override;
    void readProperties(forms::PropertyBag& bag) override;
    void writeProperties(forms::PropertyBag& bag) const override;

protected:
    void onPlaced() override;
    void onRemoved() override;
    void onResize() override { redraw(); }

private:
    static const auto& storedProperties();
    void restart();
    void schedule();
    void tick();
    void redraw();

    forms::PictureRef m_picture;
    gfx::Picture m_frames;
    int m_current = 0;
    int64_t m_frameShownMs = 0; // when the current frame's delay began
    bool m_running = false;
    bool m_finished = false; // stopped on the last frame (Loop False)

    bool m_animate = true;
    bool m_loop = true;
    bool m_stretch = false;
    int m_backStyle = 0;
    uint32_t m_backColor = 0x8000000Fu;
    bool m_useMaskColor = false;
    uint32_t m_maskColor = kDefaultMaskColor;
};

} // namespace plat::media
