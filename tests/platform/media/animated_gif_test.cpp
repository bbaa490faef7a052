#include "picture_controls_fixture.h"
#include "platform/forms/form_layout.h"
#include "platform/media/animated_gif.h"
#include "platform/window/api.h"
#include <nlohmann/json.hpp>

using namespace plat;
using namespace plat::media;
using namespace picture_test;
using media_test::testFile;

namespace {

// anim.gif: 8 x 8 pixels, three frames: red 100 ms, lime 200 ms, blue 300 ms, looping.
class AnimatedGifTest : public PictureControlsTest {
protected:
    AnimatedGif& place(double width = 16 * 15, double height = 16 * 15)
    {
        AnimatedGif& gif = form.add<AnimatedGif>("gif" + std::to_string(++m_count));
        gif.move(kLeft, kTop, width, height);
        session.settle();
        return gif;
    }
    AnimatedGif& placeWith(const std::string& path)
    {
        AnimatedGif& gif = place();
        EXPECT_TRUE(gif.loadFromFile(path)) << path;
        session.settle();
        return gif;
    }
    uint32_t shown() { return screenAt(kLeftPx + 3, kTopPx + 3); }

private:
    int m_count = 0;
};

TEST_F(AnimatedGifTest, TakesTheFramesAndDelaysOfTheFile)
{
    AnimatedGif& gif = placeWith(testFile("anim.gif"));
    ASSERT_EQ(gif.frameCount(), 3);
    EXPECT_EQ(gif.frameDelay(0), 100);
    EXPECT_EQ(gif.frameDelay(1), 200);
    EXPECT_EQ(gif.frameDelay(2), 300);
    EXPECT_TRUE(gif.running());
}

TEST_F(AnimatedGifTest, AdvancesFramesAtTheirDelaysOnTheVirtualClock)
{
    AnimatedGif& gif = placeWith(testFile("anim.gif"));
    const int64_t start = session.nowMs();
    struct Step {
        int64_t at; // ms after the picture was loaded
        int frame;
        uint32_t pixel;
    };
    const Step steps[] = {
        {0, 0, kRedPixel},   {99, 0, kRedPixel},   {100, 1, kLimePixel}, {299, 1, kLimePixel},
        {300, 2, kBluePixel}, {599, 2, kBluePixel}, {600, 0, kRedPixel},  {700, 1, kLimePixel},
        {6000, 0, kRedPixel}, {6100, 1, kLimePixel},
    };
    for (const Step& s : steps) {
        session.advance(start + s.at - session.nowMs());
        EXPECT_EQ(gif.currentFrame(), s.frame) << "at " << s.at << " ms";
        EXPECT_EQ(shown(), s.pixel) << "at " << s.at << " ms";
    }
    EXPECT_EQ(screenAt(kLeftPx + 12, kTopPx + 3), kBackgroundPixel) << "right of the frames";
}

TEST_F(AnimatedGifTest, ALateTimerShowsTheFrameOfThatMomentWithoutReplayingTheOthers)
{
    AnimatedGif& gif = placeWith(testFile("anim.gif"));
    const int64_t start = session.nowMs();
    // The loop stalls for 1150 ms (a modal dialog opening, a slow disk): 1150 = 600 + 550, blue.
    session.windows().clock().sleepUntil((start + 1150) * 1000);
    session.settle();
    EXPECT_EQ(gif.currentFrame(), 2);
    EXPECT_EQ(shown(), kBluePixel);
    session.advance(start + 1199 - session.nowMs());
    EXPECT_EQ(gif.currentFrame(), 2);
    session.advance(1);
    EXPECT_EQ(gif.currentFrame(), 0) << "back on the grid of the file's delays";
    EXPECT_EQ(shown(), kRedPixel);
}

TEST_F(AnimatedGifTest, WithoutLoopItStopsOnTheLastFrameAndPlayStartsAgain)
{
    AnimatedGif& gif = place();
    gif.setLoop(false);
    ASSERT_TRUE(gif.loadFromFile(testFile("anim.gif")));
    session.advance(600);
    EXPECT_EQ(gif.currentFrame(), 2);
    EXPECT_FALSE(gif.running());
    session.advance(5000);
    EXPECT_EQ(gif.currentFrame(), 2);
    EXPECT_EQ(shown(), kBluePixel);

    gif.play();
    EXPECT_TRUE(gif.running());
    session.settle();
    EXPECT_EQ(shown(), kRedPixel);
    session.advance(100);
    EXPECT_EQ(shown(), kLimePixel);
}

TEST_F(AnimatedGifTest, StopHoldsTheFrameAndPlayGoesOnFromIt)
{
    AnimatedGif& gif = placeWith(testFile("anim.gif"));
    session.advance(150);
    gif.stop();
    EXPECT_FALSE(gif.running());
    session.advance(2000);
    EXPECT_EQ(gif.currentFrame(), 1);
    EXPECT_EQ(shown(), kLimePixel);
    gif.play();
    session.advance(199);
    EXPECT_EQ(gif.currentFrame(), 1) << "the frame shows its whole delay again";
    session.advance(1);
    EXPECT_EQ(gif.currentFrame(), 2);
}

TEST_F(AnimatedGifTest, AFrameCanBeChosen)
{
    AnimatedGif& gif = placeWith(testFile("anim.gif"));
    gif.setCurrentFrame(2);
    session.settle();
    EXPECT_EQ(shown(), kBluePixel);
    session.advance(300);
    EXPECT_EQ(gif.currentFrame(), 0);
    gif.setCurrentFrame(7);
    EXPECT_EQ(gif.currentFrame(), 2) << "clamped to the frames there are";
}

TEST_F(AnimatedGifTest, AMissingOrBrokenFileShowsNothing)
{
    scratch.write("broken.gif", "GIF89a and then nothing useful");
    for (const std::string& file : {std::string("missing.gif"), std::string("broken.gif")}) {
        AnimatedGif& gif = place();
        gif.setPicture({scratch.file(file)});
        session.advance(500);
        EXPECT_EQ(gif.frameCount(), 0) << file;
        EXPECT_FALSE(gif.running()) << file;
        EXPECT_EQ(shown(), kBackgroundPixel) << file;
        gif.setVisible(false);
    }
}

TEST_F(AnimatedGifTest, APictureWhoseFileIsGoneShowsNothingInsteadOfTheOldFrames)
{
    AnimatedGif& gif = placeWith(testFile("anim.gif"));
    gif.setPicture({scratch.file("gone.gif")});
    session.advance(200);
    EXPECT_EQ(gif.frameCount(), 0);
    EXPECT_EQ(shown(), kBackgroundPixel);
}

TEST_F(AnimatedGifTest, ASingleFrameNeedsNoTimer)
{
    AnimatedGif& gif = placeWith(testFile("picture.png"));
    EXPECT_EQ(gif.frameCount(), 1);
    EXPECT_FALSE(gif.running());
    EXPECT_EQ(shown(), kRedPixel);
}

TEST_F(AnimatedGifTest, TransparentPixelsOfTheFileShowWhatLiesBehind)
{
    // Frame 0: red and see-through blue on the top row, lime and white below; frame 1 all lime.
    scratch.write("clear.gif", tinyGif({{{0, 1, 2, 3}, 20, 1}, {{2, 2, 2, 2}, 20}}));
    AnimatedGif& gif = placeWith(scratch.file("clear.gif"));
    ASSERT_EQ(gif.frameCount(), 2);
    EXPECT_EQ(screenAt(kLeftPx, kTopPx), kRedPixel);
    EXPECT_EQ(screenAt(kLeftPx + 1, kTopPx), kBackgroundPixel);
    EXPECT_EQ(screenAt(kLeftPx, kTopPx + 1), kLimePixel);
    EXPECT_EQ(screenAt(kLeftPx + 1, kTopPx + 1), 0xFFFFFFFFu);
}

TEST_F(AnimatedGifTest, AMaskColourIsSeeThroughToo)
{
    AnimatedGif& gif = place();
    gif.setUseMaskColor(true);
    gif.setMaskColor(gfx::rgb(0, 255, 0));
    ASSERT_TRUE(gif.loadFromFile(testFile("anim.gif")));
    session.settle();
    EXPECT_EQ(shown(), kRedPixel);
    session.advance(100);
    EXPECT_EQ(shown(), kBackgroundPixel) << "the lime frame is masked away";
    gif.setUseMaskColor(false);
    session.settle();
    EXPECT_EQ(shown(), kLimePixel);
}

TEST_F(AnimatedGifTest, AnOpaqueBackFillsTheControlBehindTheFrames)
{
    scratch.write("clear.gif", tinyGif({{{0, 1, 1, 0}, 20, 1}}));
    AnimatedGif& gif = place();
    gif.setBackStyle(1);
    gif.setBackColor(gfx::rgb(255, 255, 0));
    ASSERT_TRUE(gif.loadFromFile(scratch.file("clear.gif")));
    session.settle();
    const uint32_t yellow = 0xFF00FFFFu;
    EXPECT_EQ(screenAt(kLeftPx, kTopPx), kRedPixel);
    EXPECT_EQ(screenAt(kLeftPx + 1, kTopPx), yellow) << "see-through pixel";
    EXPECT_EQ(screenAt(kLeftPx + 10, kTopPx + 10), yellow) << "beyond the frame";
    gif.setBackStyle(0);
    session.settle();
    EXPECT_EQ(screenAt(kLeftPx + 10, kTopPx + 10), kBackgroundPixel);
}

TEST_F(AnimatedGifTest, StretchScalesTheFramesToTheControl)
{
    AnimatedGif& gif = place(32 * 15, 24 * 15);
    gif.setStretch(true);
    ASSERT_TRUE(gif.loadFromFile(testFile("anim.gif")));
    session.settle();
    EXPECT_EQ(screenAt(kLeftPx + 31, kTopPx + 23), kRedPixel);
    session.advance(100);
    EXPECT_EQ(screenAt(kLeftPx + 31, kTopPx + 23), kLimePixel);
}

TEST_F(AnimatedGifTest, ShortDelaysShowForATenthOfASecond)
{
    scratch.write("fast.gif", tinyGif({{{0, 0, 0, 0}, 0}, {{2, 2, 2, 2}, 1}, {{3, 3, 3, 3}, 2}}));
    AnimatedGif& gif = placeWith(scratch.file("fast.gif"));
    ASSERT_EQ(gif.frameCount(), 3);
    EXPECT_EQ(gif.frameDelay(0), AnimatedGif::kShortDelayMs);
    EXPECT_EQ(gif.frameDelay(1), AnimatedGif::kShortDelayMs);
    EXPECT_EQ(gif.frameDelay(2), 20);
}

TEST_F(AnimatedGifTest, ClicksAndMouseEventsAsThePictureControlGivesThem)
{
    AnimatedGif& gif = placeWith(testFile("anim.gif"));
    std::vector<std::string> events;
    gif.onClick = [&] { events.push_back("Click"); };
    gif.onMouseDown = [&](int b, int, double x, double y) { events.push_back("Down " + std::to_string(b) + " " + std::to_string(int(x)) + " " + std::to_string(int(y))); };
    session.mouseMove(kLeftPx + 2, kTopPx + 6);
    session.click(kLeftPx + 2, kTopPx + 6);
    EXPECT_EQ(events, (std::vector<std::string>{"Down 1 30 90", "Click"}));
}

TEST_F(AnimatedGifTest, AStoredLayoutPlacesAnAnimationThatRuns)
{
    forms::Form stored("layout", writeLayout(R"([
        { "class": "AniGIF", "name": "AniGIF1",
          "extender": { "Left": 1500, "Top": 750, "Width": 240, "Height": 240 },
          "properties": { "Picture": "test/anim.gif", "Loop": false, "BackStyle": 1, "BackColor": "&H0000FFFF&",
                          "UseMaskColor": true, "MaskColor": "&H0000FF00&" } },
        { "class": "AniGIF", "name": "still", "extender": { "Left": 3000, "Top": 750, "Width": 240, "Height": 240 },
          "properties": { "Picture": "test/anim.gif", "Animate": false } } ])"));
    stored.show();
    session.settle();
    auto& gif = stored.get<AnimatedGif>("AniGIF1");
    auto& still = stored.get<AnimatedGif>("still");
    EXPECT_FALSE(gif.loop());
    EXPECT_TRUE(gif.running());
    EXPECT_FALSE(still.running());
    EXPECT_EQ(shown(), kRedPixel);
    session.advance(100);
    EXPECT_EQ(shown(), 0xFF00FFFFu) << "the masked lime frame shows the yellow back";
    session.advance(1000);
    EXPECT_EQ(shown(), kBluePixel);
    EXPECT_EQ(still.currentFrame(), 0);

    forms::FormLayout layout = stored.layout();
    ASSERT_EQ(layout.controls.size(), 2u);
    EXPECT_EQ(layout.controls[0].className, "AniGIF");
    EXPECT_EQ(layout.controls[0].properties.data(),
        (forms::PropertyBag::Json{{"picture", "test/anim.gif"}, {"loop", false}, {"backstyle", 1}, {"backcolor", "&H0000FFFF&"},
            {"usemaskcolor", true}, {"maskcolor", "&H0000FF00&"}}));
    EXPECT_EQ(layout.controls[1].properties.data(), (forms::PropertyBag::Json{{"picture", "test/anim.gif"}, {"animate", false}}));
}

TEST_F(AnimatedGifTest, UnloadingTheFormStopsTheAnimation)
{
    placeWith(testFile("anim.gif"));
    form.unload();
    session.advance(1000); // no timer may reach the control that is gone
    EXPECT_FALSE(form.isLoaded());
}

} // namespace
