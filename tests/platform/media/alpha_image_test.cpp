#include "picture_controls_fixture.h"
#include "platform/forms/form_layout.h"
#include "platform/forms/resources_folder.h"
#include "platform/gfx/picture.h"
#include "platform/media/alpha_image.h"
#include "platform/window/api.h"
#include "platform/window/virtual_keys.h"
#include <fstream>
#include <nlohmann/json.hpp>

using namespace plat;
using namespace plat::media;
using namespace picture_test;
using media_test::testFile;

namespace {

// picture.png: 16 x 8 pixels, the left half opaque red, the right half blue at half opacity.
class AlphaImageTest : public PictureControlsTest {
protected:
    AlphaImage& place(double left = kLeft, double top = kTop, double width = 32 * 15, double height = 16 * 15)
    {
        AlphaImage& image = form.add<AlphaImage>("image" + std::to_string(++m_count));
        image.move(left, top, width, height);
        session.settle();
        return image;
    }
    // The alpha of the file's half-transparent half, as decoded.
    int blueAlpha() { return int(gfx::Picture::fromFile(testFile("picture.png")).image().pixel(12, 4) >> 24); }

private:
    int m_count = 0;
};

TEST_F(AlphaImageTest, ShowsThePictureOverTheFormWithItsAlpha)
{
    AlphaImage& image = place();
    ASSERT_TRUE(image.loadFromFile(testFile("picture.png")));
    session.settle();
    const int a = blueAlpha();
    ASSERT_NEAR(a, 128, 1);

    EXPECT_EQ(screenAt(kLeftPx + 2, kTopPx + 3), kRedPixel) << "opaque half";
    EXPECT_TRUE(pixelNear(screenAt(kLeftPx + 12, kTopPx + 3), blended(kBluePixel, a, kBackgroundPixel))) << "half-transparent half";
    EXPECT_EQ(screenAt(kLeftPx + 20, kTopPx + 3), kBackgroundPixel) << "right of the picture, inside the control";
    EXPECT_EQ(screenAt(kLeftPx + 2, kTopPx + 12), kBackgroundPixel) << "below the picture, inside the control";
    EXPECT_EQ(screenAt(kLeftPx - 1, kTopPx + 3), kBackgroundPixel) << "outside the control";
}

TEST_F(AlphaImageTest, ShowsAControlUnderneathThroughItsTransparentPart)
{
    AlphaImage& under = place(kLeft, kTop, 64 * 15, 16 * 15);
    under.setStretch(true);
    ASSERT_TRUE(under.loadFromFile(testFile("picture.png"))); // red over x 0..31, blue over 32..63
    AlphaImage& over = place(kLeft + 20 * 15, kTop);
    ASSERT_TRUE(over.loadFromFile(testFile("picture.png"))); // red over x 20..27, blue over 28..35
    session.settle();
    const int a = blueAlpha();

    EXPECT_EQ(screenAt(kLeftPx + 24, kTopPx + 4), kRedPixel);
    EXPECT_TRUE(pixelNear(screenAt(kLeftPx + 29, kTopPx + 4), blended(kBluePixel, a, kRedPixel))) << "blue over the red below";
    EXPECT_TRUE(pixelNear(screenAt(kLeftPx + 29, kTopPx + 12), kRedPixel)) << "below the upper picture only the lower one";
}

TEST_F(AlphaImageTest, StretchScalesThePictureToTheControl)
{
    AlphaImage& image = place();
    ASSERT_TRUE(image.loadFromFile(testFile("picture.png")));
    image.setStretch(true);
    session.settle();
    const int a = blueAlpha();
    EXPECT_EQ(screenAt(kLeftPx + 4, kTopPx + 14), kRedPixel);
    EXPECT_TRUE(pixelNear(screenAt(kLeftPx + 28, kTopPx + 14), blended(kBluePixel, a, kBackgroundPixel)));

    image.setStretch(false);
    session.settle();
    EXPECT_EQ(screenAt(kLeftPx + 28, kTopPx + 14), kBackgroundPixel);
}

TEST_F(AlphaImageTest, KeepsThePictureItHadWhenTheFileCannotBeLoaded)
{
    AlphaImage& image = place();
    ASSERT_TRUE(image.loadFromFile(testFile("picture.png")));
    session.settle();
    const forms::PictureRef before = image.picture();
    const uint32_t red = screenAt(kLeftPx + 2, kTopPx + 3), blue = screenAt(kLeftPx + 12, kTopPx + 3);

    scratch.write("broken.png", "not a picture at all");
    scratch.write("empty.png", "");
    const std::string cases[] = {
        scratch.file("missing.png"),
        scratch.file("broken.png"),
        scratch.file("empty.png"),
        scratch.file(""), // a folder
        "",
    };
    for (const std::string& path : cases) {
        EXPECT_FALSE(image.loadFromFile(path)) << path;
        session.settle();
        EXPECT_EQ(image.picture(), before) << path;
        EXPECT_EQ(screenAt(kLeftPx + 2, kTopPx + 3), red) << path;
        EXPECT_EQ(screenAt(kLeftPx + 12, kTopPx + 3), blue) << path;
    }
}

TEST_F(AlphaImageTest, TheStoredPictureStaysWhenALaterFileIsMissing)
{
    forms::Form stored("layout", writeLayout(R"([
        { "class": "aicAlphaImage", "name": "mainlogo",
          "extender": { "Left": 1500, "Top": 750, "Width": 480, "Height": 240 },
          "properties": { "Picture": "test/picture.png" } } ])"));
    stored.show();
    auto& logo = stored.get<AlphaImage>("mainlogo");
    EXPECT_FALSE(logo.loadFromFile(scratch.file("img/logo.png")));
    session.settle();
    EXPECT_EQ(logo.picture().path, "test/picture.png");
    EXPECT_EQ(screenAt(kLeftPx + 2, kTopPx + 3), kRedPixel);
}

TEST_F(AlphaImageTest, ALoadedPictureReplacesTheOldOneWhole)
{
    AlphaImage& image = place();
    image.setStretch(true);
    ASSERT_TRUE(image.loadFromFile(testFile("picture.png")));
    gfx::Surface white(4, 4, 0xFFFFFFFFu);
    ASSERT_TRUE(gfx::savePng(white, scratch.file("white.png")));
    ASSERT_TRUE(image.loadFromFile(scratch.file("white.png")));
    session.settle();
    EXPECT_EQ(image.pictureSize().width, 4);
    EXPECT_EQ(screenAt(kLeftPx + 2, kTopPx + 3), 0xFFFFFFFFu);
    EXPECT_EQ(screenAt(kLeftPx + 30, kTopPx + 14), 0xFFFFFFFFu);
}

TEST_F(AlphaImageTest, HidingShowsWhatLiesBehind)
{
    AlphaImage& image = place();
    ASSERT_TRUE(image.loadFromFile(testFile("picture.png")));
    for (bool visible : {false, true, false}) {
        image.setVisible(visible);
        session.settle();
        EXPECT_EQ(screenAt(kLeftPx + 2, kTopPx + 3), visible ? kRedPixel : kBackgroundPixel) << visible;
    }
}

// --- events ---

class AlphaImageEvents : public AlphaImageTest {
protected:
    AlphaImageEvents()
    {
        image.loadFromFile(testFile("picture.png"));
        image.onClick = [this] { events.push_back("Click"); };
        image.onDblClick = [this] { events.push_back("DblClick"); };
        image.onMouseDown = [this](int b, int s, double x, double y) { record("Down", b, s, x, y); };
        image.onMouseMove = [this](int b, int s, double x, double y) { record("Move", b, s, x, y); };
        image.onMouseUp = [this](int b, int s, double x, double y) { record("Up", b, s, x, y); };
    }
    void record(const char* what, int button, int shift, double x, double y)
    {
        events.push_back(std::string(what) + " " + std::to_string(button) + " " + std::to_string(shift) + " "
            + std::to_string(int(x)) + " " + std::to_string(int(y)));
    }

    AlphaImage& image = place();
    std::vector<std::string> events;
};

TEST_F(AlphaImageEvents, ReportButtonsShiftAndTwipsRelativeToTheControl)
{
    using V = std::vector<std::string>;
    struct Case {
        const char* name;
        int button;
        int heldKey; // 0 for none
        gfx::Point down, up;
        V expected;
    };
    const Case cases[] = {
        {"left click", 1, 0, {5, 3}, {5, 3}, {"Down 1 0 75 45", "Up 1 0 75 45", "Click"}},
        {"left, released elsewhere inside", 1, 0, {5, 3}, {30, 15}, {"Down 1 0 75 45", "Move 1 0 450 225", "Up 1 0 450 225", "Click"}},
        {"left, released outside", 1, 0, {5, 3}, {40, 3}, {"Down 1 0 75 45", "Move 1 0 600 45", "Up 1 0 600 45"}},
        {"right button", 2, 0, {1, 1}, {1, 1}, {"Down 2 0 15 15", "Up 2 0 15 15"}},
        {"middle button", 3, 0, {0, 0}, {0, 0}, {"Down 4 0 0 0", "Up 4 0 0 0"}},
        {"with Shift", 1, win::VK_SHIFT, {2, 2}, {2, 2}, {"Down 1 1 30 30", "Up 1 1 30 30", "Click"}},
        {"with Ctrl", 1, win::VK_CONTROL, {2, 2}, {2, 2}, {"Down 1 2 30 30", "Up 1 2 30 30", "Click"}},
        {"with Alt", 1, win::VK_MENU, {2, 2}, {2, 2}, {"Down 1 4 30 30", "Up 1 4 30 30", "Click"}},
    };
    for (const Case& c : cases) {
        session.mouseMove(kLeftPx + c.down.x, kTopPx + c.down.y);
        if (c.heldKey)
            session.keyDown(c.heldKey);
        session.advance(1000); // never a double click with the case before
        events.clear();
        session.mouseDown(kLeftPx + c.down.x, kTopPx + c.down.y, c.button);
        session.mouseUp(kLeftPx + c.up.x, kTopPx + c.up.y, c.button);
        if (c.heldKey)
            session.keyUp(c.heldKey);
        EXPECT_EQ(events, c.expected) << c.name;
    }
}

TEST_F(AlphaImageEvents, MovesReportTheButtonsHeld)
{
    session.mouseMove(kLeftPx + 1, kTopPx + 1);
    session.mouseDown(kLeftPx + 1, kTopPx + 1);
    session.mouseMove(kLeftPx + 2, kTopPx + 1);
    session.mouseUp(kLeftPx + 2, kTopPx + 1);
    session.mouseMove(kLeftPx + 3, kTopPx + 1);
    EXPECT_EQ(events, (std::vector<std::string>{"Move 0 0 15 15", "Down 1 0 15 15", "Move 1 0 30 15", "Up 1 0 30 15", "Click",
                          "Move 0 0 45 15"}));
}

TEST_F(AlphaImageEvents, EveryPressOfADoubleClickClicks)
{
    session.mouseMove(kLeftPx + 4, kTopPx + 4);
    events.clear();
    session.click(kLeftPx + 4, kTopPx + 4);
    session.advance(100);
    session.click(kLeftPx + 4, kTopPx + 4);
    EXPECT_EQ(events, (std::vector<std::string>{"Down 1 0 60 60", "Up 1 0 60 60", "Click", "Down 1 0 60 60", "Up 1 0 60 60",
                          "Click", "DblClick"}));
}

TEST_F(AlphaImageEvents, ADisabledControlRaisesNothing)
{
    image.setEnabled(false);
    session.mouseMove(kLeftPx + 4, kTopPx + 4);
    session.click(kLeftPx + 4, kTopPx + 4);
    EXPECT_TRUE(events.empty());

    // Disabled between the press and the release: no Click on the next release either.
    image.setEnabled(true);
    session.advance(1000);
    session.mouseDown(kLeftPx + 4, kTopPx + 4);
    image.setEnabled(false);
    session.mouseUp(kLeftPx + 4, kTopPx + 4);
    image.setEnabled(true);
    session.advance(1000);
    session.mouseUp(kLeftPx + 4, kTopPx + 4);
    EXPECT_EQ(events, (std::vector<std::string>{"Down 1 0 60 60", "Up 1 0 60 60"}));
}

TEST_F(AlphaImageEvents, ClickingNeverTakesTheFocus)
{
    auto& other = form.add<AlphaImage>("other");
    other.move(0, 0, 300, 300);
    win::HWND focus = win::GetFocus();
    session.click(kLeftPx + 4, kTopPx + 4);
    EXPECT_EQ(events.back(), "Click");
    EXPECT_EQ(win::GetFocus(), focus);
    image.setFocus();
    EXPECT_EQ(win::GetFocus(), focus);
}

TEST_F(AlphaImageEvents, AHandlerMayUnloadTheFormOnMouseUp)
{
    image.onMouseUp = [this](int, int, double, double) {
        events.push_back("Up");
        form.unload();
    };
    session.mouseMove(kLeftPx + 4, kTopPx + 4);
    events.clear();
    session.click(kLeftPx + 4, kTopPx + 4);
    EXPECT_FALSE(form.isLoaded());
    EXPECT_EQ(events, (std::vector<std::string>{"Down 1 0 60 60", "Up"}));
}

// --- stored layouts ---

TEST_F(AlphaImageTest, AControlArrayFromAStoredLayoutReportsEachItemsIndex)
{
    std::string items = "[";
    for (int i = 0; i < 5; ++i) {
        items += std::string(i ? "," : "") + R"({ "class": "aicAlphaImage", "name": "a1", "index": )" + std::to_string(i)
            + R"(, "extender": { "Left": )" + std::to_string(1500 + i * 600) + R"(, "Top": 750, "Width": 480, "Height": 240,
                 "ToolTipText": "按钮" }, "properties": { "Picture": "test/picture.png" } })";
    }
    forms::Form stored("layout", writeLayout(items + "]"));
    stored.show();
    session.settle();

    auto a1 = stored.array<AlphaImage>("a1");
    ASSERT_EQ(a1.count(), 5u);
    std::vector<std::string> events;
    for (auto [index, button] : a1) {
        button.onClick = [&events, index = index] { events.push_back("Click " + std::to_string(index)); };
        button.onMouseMove = [&events, index = index](int, int, double x, double y) {
            events.push_back("Move " + std::to_string(index) + " " + std::to_string(int(x)) + " " + std::to_string(int(y)));
        };
    }
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(screenAt(kLeftPx + 40 * i + 2, kTopPx + 2), kRedPixel) << i;
        EXPECT_EQ(a1[i].toolTipText(), "按钮");
    }
    session.mouseMove(kLeftPx + 40 * 3 + 10, kTopPx + 5);
    session.click(kLeftPx + 40 * 3 + 10, kTopPx + 5);
    session.advance(1000);
    session.mouseMove(kLeftPx + 40 * 1 + 1, kTopPx + 1);
    session.click(kLeftPx + 40 * 1 + 1, kTopPx + 1);
    EXPECT_EQ(events, (std::vector<std::string>{"Move 3 150 75", "Click 3", "Move 1 15 15", "Click 1"}));
}

TEST_F(AlphaImageTest, PropertiesGoBackIntoTheLayoutAsTheyWereStored)
{
    gfx::Surface white(4, 4, 0xFFFFFFFFu);
    ASSERT_TRUE(gfx::savePng(white, scratch.file("white.png")));
    forms::Form stored("layout", writeLayout(R"([
        { "class": "aicAlphaImage", "name": "plain", "extender": { "Width": 480, "Height": 240 } },
        { "class": "aicAlphaImage", "name": "logo", "extender": { "Width": 480, "Height": 240 },
          "properties": { "PICTURE": "test/picture.png", "stretch": true } },
        { "class": "aicAlphaImage", "name": "outside", "extender": { "Width": 480, "Height": 240 },
          "properties": { "Picture": ")" + scratch.file("white.png") + R"(" } } ])"));
    stored.load();
    EXPECT_TRUE(stored.get<AlphaImage>("logo").stretch());
    EXPECT_EQ(stored.get<AlphaImage>("outside").pictureSize().width, 4) << "an absolute path loads as it stands";

    forms::FormLayout layout = stored.layout();
    ASSERT_EQ(layout.controls.size(), 3u);
    EXPECT_EQ(layout.controls[0].className, "aicAlphaImage");
    EXPECT_TRUE(layout.controls[0].properties.empty()) << "defaults are not stored";
    EXPECT_EQ(layout.controls[1].properties.data(), (forms::PropertyBag::Json{{"picture", "test/picture.png"}, {"stretch", true}}));
    EXPECT_EQ(layout.controls[2].properties.data(), (forms::PropertyBag::Json{{"picture", scratch.file("white.png")}}));
}

TEST_F(AlphaImageTest, ALoadedFileIsKeptRelativeToTheResourcesWhenItLiesThere)
{
    AlphaImage& image = place();
    ASSERT_TRUE(image.loadFromFile(forms::resourcePath("test/picture.png").string()));
    EXPECT_EQ(image.picture().path, "test/picture.png");

    std::filesystem::copy_file(testFile("picture.png"), scratch.file("mine.png"));
    ASSERT_TRUE(image.loadFromFile(scratch.file("mine.png")));
    EXPECT_EQ(image.picture().path, scratch.file("mine.png"));
}

TEST_F(AlphaImageTest, ANewlyPlacedControlShowsNothing)
{
    AlphaImage& image = place();
    EXPECT_TRUE(image.picture().isEmpty());
    EXPECT_FALSE(image.stretch());
    EXPECT_EQ(screenAt(kLeftPx + 2, kTopPx + 3), kBackgroundPixel);
    EXPECT_EQ(image.className(), "aicAlphaImage");
}

} // namespace

namespace {

using PictureSharing = AlphaImageTest;

TEST_F(PictureSharing, AFileIsDecodedOnceAndEachSizeMadeOnceForAllControlsShowingIt)
{
    PictureStore& store = PictureStore::instance();
    store.clear();
    gfx::Surface big(2000, 1000, 0xFF0000FFu);
    ASSERT_TRUE(gfx::savePng(big, scratch.file("big.png")));
    const int before = store.decodes();
    std::vector<AlphaImage*> images;
    for (double side : {70.0, 80.0, 70.0, 160.0}) {
        AlphaImage& image = place(kLeft, kTop, side * 15, side * 15);
        image.setStretch(true);
        ASSERT_TRUE(image.loadFromFile(scratch.file("big.png")));
        images.push_back(&image);
    }
    session.settle();
    EXPECT_EQ(store.decodes() - before, 1) << "one decode for four controls";
    EXPECT_EQ(&images[0]->pictureImage(), &images[2]->pictureImage()) << "controls of one size share the picture";
    EXPECT_NE(&images[0]->pictureImage(), &images[1]->pictureImage());
    for (AlphaImage* image : images) {
        EXPECT_EQ(image->pictureSize(), (gfx::Size{2000, 1000}));
        EXPECT_EQ(image->pictureImage().width(), image->image().width()) << "kept at the size it is shown";
        EXPECT_EQ(image->pictureImage().pixel(5, 5), 0xFF0000FFu);
    }
}

// A picture the operator picks is prepared away from the windows' thread: the answer comes from a
// timer of the window system, after which showing it, or a copy of its bytes, decodes nothing.
TEST_F(PictureSharing, APreparedPictureAndItsCopyAreShownWithoutADecode)
{
    PictureStore& store = PictureStore::instance();
    store.clear();
    ASSERT_TRUE(gfx::savePng(gfx::Surface(1600, 1600, 0xFF00FF00u), scratch.file("picked.png")));
    std::ofstream(scratch.file("damaged.png"), std::ios::binary) << "\x89PNG\r\n\x1a\n not really";
    std::vector<std::string> answers;
    for (const char* name : {"picked.png", "damaged.png", "missing.png", "picked.png"})
        store.prepare(scratch.file(name), gfx::PictureFit::Scale,
            [&answers, name](bool held) { answers.push_back(std::string(name) + (held ? " held" : " refused")); });
    EXPECT_EQ(answers, (std::vector<std::string>{"missing.png refused"})) << "only what is known already comes at once";
    EXPECT_EQ(store.preparing(), 2u) << "one decode for the two asking for one file";
    session.advance(10);
    EXPECT_EQ(answers, (std::vector<std::string>{"missing.png refused", "picked.png held", "picked.png held", "damaged.png refused"}));
    EXPECT_EQ(store.preparing(), 0u);
    EXPECT_TRUE(store.holds(scratch.file("picked.png"), gfx::PictureFit::Scale));

    const int before = store.decodes();
    std::filesystem::copy_file(scratch.file("picked.png"), scratch.file("copy.png"));
    store.adoptCopy(scratch.file("copy.png"), scratch.file("picked.png"), gfx::PictureFit::Scale);
    for (const char* name : {"picked.png", "copy.png"}) {
        AlphaImage& image = place(kLeft, kTop, 64 * 15, 64 * 15);
        image.setStretch(true);
        ASSERT_TRUE(image.loadFromFile(scratch.file(name))) << name;
        EXPECT_EQ(image.pictureSize(), (gfx::Size{1600, 1600})) << name;
        EXPECT_EQ(image.pictureImage().pixel(5, 5), 0xFF00FF00u) << name;
    }
    EXPECT_EQ(store.decodes(), before) << "neither is decoded on the windows' thread";
}

TEST_F(PictureSharing, AChangedFileIsDecodedAgainAndAGoneOneKeepsWhatWasShown)
{
    PictureStore& store = PictureStore::instance();
    store.clear();
    ASSERT_TRUE(gfx::savePng(gfx::Surface(8, 8, 0xFF0000FFu), scratch.file("logo.png")));
    AlphaImage& first = place(kLeft, kTop, 32 * 15, 32 * 15);
    first.setStretch(true);
    ASSERT_TRUE(first.loadFromFile(scratch.file("logo.png")));

    ASSERT_TRUE(gfx::savePng(gfx::Surface(9, 9, 0xFFFF0000u), scratch.file("logo.png")));
    AlphaImage& second = place(kLeft, kTop + 40 * 15, 32 * 15, 32 * 15);
    second.setStretch(true);
    ASSERT_TRUE(second.loadFromFile(scratch.file("logo.png")));
    session.settle();
    EXPECT_EQ(first.pictureImage().pixel(1, 1), 0xFF0000FFu) << "the first keeps the picture it loaded";
    EXPECT_EQ(second.pictureImage().pixel(1, 1), 0xFFFF0000u) << "the second shows the file as it is now";

    // With nothing kept, a resize of a control whose file has gone scales what it shows.
    std::filesystem::remove(scratch.file("logo.png"));
    store.clear();
    first.move(kLeft, kTop, 16 * 15, 16 * 15);
    session.settle();
    EXPECT_EQ(first.pictureImage().width(), 16);
    EXPECT_EQ(first.pictureImage().pixel(1, 1), 0xFF0000FFu);
}

} // namespace
