#include "panels_fixture.h"

#include "scoreboard/logo_chooser.h"

#include "controls/core/qel_frame.h"
#include "platform/media/alpha_image.h"
#include "platform/media/picture_store.h"

#include "../platform/gfx/blank_png.h"

namespace scoreboard::test {
namespace {

namespace fs = std::filesystem;

std::string testPicture() { return std::string(SCOREBOARD_SOURCE_DIR) + "/resources/test/picture.png"; }
std::string designLogo() { return std::string(SCOREBOARD_SOURCE_DIR) + "/resources/img/logo.png"; }

using ReplaceLogoTest = ProgramFolderTest;

TEST_F(ReplaceLogoTest, TheChosenPictureTakesThePlaceOfTheLogo)
{
    const fs::path logo = path("img/logo.png");
    ASSERT_TRUE(replaceLogoFile(testPicture(), logo)) << "the missing folder is made";
    EXPECT_EQ(readBytes(logo), readBytes(testPicture()));

    writeBytes(path("pictures/other.png"), readBytes(designLogo()));
    ASSERT_TRUE(replaceLogoFile(path("pictures/other.png"), logo));
    EXPECT_EQ(readBytes(logo), readBytes(designLogo()));

    // The logo chosen again is kept, not deleted before a copy of itself.
    ASSERT_TRUE(replaceLogoFile(logo, logo));
    EXPECT_EQ(readBytes(logo), readBytes(designLogo()));
    EXPECT_EQ(tree(), (std::vector<std::string>{"img/", "img/logo.png", "pictures/", "pictures/other.png"}));
}

TEST_F(ReplaceLogoTest, AFileThatIsNoPictureLeavesTheLogo)
{
    const fs::path logo = path("img/logo.png");
    writeBytes(logo, readBytes(designLogo()));
    writeBytes(path("notes.png"), "not a picture");
    EXPECT_FALSE(replaceLogoFile(path("notes.png"), logo));
    EXPECT_FALSE(replaceLogoFile(path("missing.png"), logo));
    EXPECT_EQ(readBytes(logo), readBytes(designLogo()));
    EXPECT_EQ(tree(), (std::vector<std::string>{"img/", "img/logo.png", "notes.png"}));
}

class LogoChooserTest : public PanelsTest {
protected:
    void SetUp() override
    {
        PanelsTest::SetUp();
        writeBytes(path("img/logo.png"), readBytes(designLogo()));
        user().logoPath = path("img/logo.png").string();
        showBoard();
        board->operation()->commandBar().click(CommandBar::Options);
        panels->options().fill();
        session->settle();
    }
    // A check a failed test left running ends with this session, not in the next one's.
    void TearDown() override
    {
        plat::media::PictureStore::instance().clear();
        PanelsTest::TearDown();
    }

    plat::media::AlphaImage& picture(std::string_view name) { return control<plat::media::AlphaImage>(name); }

    // "更换图片" answered with `file`; the file is checked on a thread of its own while the board
    // runs on, which on the virtual clock is done at the store's first look.
    void choose(std::optional<std::string> file)
    {
        chosenFile = std::move(file);
        clickButton("mainpngcomm");
        waitForTheCheck();
    }
    void waitForTheCheck()
    {
        session->advance(50);
        ASSERT_FALSE(panels->logo().checking());
    }
    static plat::gfx::Size sizeOf(const std::string& file)
    {
        plat::gfx::Picture p = plat::gfx::Picture::fromFile(file);
        return {p.width(), p.height()};
    }
    static plat::gfx::Size sizeOf(const plat::media::AlphaImage& image)
    {
        return {image.pictureSize().width, image.pictureSize().height};
    }
};

TEST_F(LogoChooserTest, AChosenPictureShowsInThePreviewAndOnTheBoardOnlyOnceSaved)
{
    ASSERT_NE(sizeOf(testPicture()), sizeOf(designLogo())) << "the test needs two pictures told apart by size";
    choose(testPicture());
    EXPECT_EQ(user().newLogoPath, testPicture());
    EXPECT_EQ(sizeOf(picture("testpng")), sizeOf(testPicture()));
    EXPECT_EQ(sizeOf(picture("mainlogo")), sizeOf(designLogo()));

    // Cancelling the panel leaves the board's logo and the choice.
    clickButton("qelcancl");
    EXPECT_EQ(sizeOf(picture("mainlogo")), sizeOf(designLogo()));
    EXPECT_EQ(readBytes(path("img/logo.png")), readBytes(designLogo()));
    EXPECT_EQ(user().newLogoPath, testPicture());

    // The next save applies it.
    board->operation()->commandBar().click(CommandBar::Options);
    panels->options().fill();
    session->settle();
    clickButton("qelsave");
    EXPECT_EQ(readBytes(path("img/logo.png")), readBytes(testPicture()));
    for (std::string_view name : {"mainlogo", "logopng", "testpng"}) {
        EXPECT_EQ(sizeOf(picture(name)), sizeOf(testPicture())) << name;
        EXPECT_EQ(picture(name).picture().path, user().logoPath) << name;
    }
    EXPECT_EQ(user().newLogoPath, "");
    EXPECT_EQ(notices, (std::vector<std::string>{"保存成功!"}));
    EXPECT_TRUE(fs::exists(testPicture())) << "the chosen file is copied, not moved";
}

// An 8000 x 8000 logo chosen during a match and saved at once: the board's own thread decodes
// nothing of it, so no frame of its timers waits for the picture. It is decoded once, on a thread
// of its own; the save, made before the check was done, takes effect when it is, and the preview
// and the board's logos only scale what is held. (How late the timers come on the real clock is
// logo_choice_benchmark's figure.)
TEST_F(LogoChooserTest, ABigLogoIsDecodedOnceAwayFromTheBoardsThread)
{
    writeBytes(path("pictures/big.png"), plat::gfx::test::plainPng(8000, 8000, 0x3366CC));
    plat::media::PictureStore& store = plat::media::PictureStore::instance();
    const int onTheBoard = store.decodes(), away = store.preparedDecodes();

    chosenFile = path("pictures/big.png").string();
    clickButton("mainpngcomm");
    EXPECT_TRUE(panels->logo().checking());
    EXPECT_EQ(sizeOf(picture("testpng")), sizeOf(designLogo())) << "the preview shows the logo in use meanwhile";
    clickButton("qelsave");
    EXPECT_EQ(notices, (std::vector<std::string>{"保存成功!"}));
    EXPECT_EQ(readBytes(path("img/logo.png")), readBytes(designLogo())) << "not before the check";
    waitForTheCheck();

    EXPECT_EQ(store.decodes(), onTheBoard) << "nothing decoded on the board's thread";
    EXPECT_EQ(store.preparedDecodes(), away + 1);
    EXPECT_EQ(readBytes(path("img/logo.png")), readBytes(path("pictures/big.png")));
    for (std::string_view name : {"mainlogo", "logopng", "testpng"})
        EXPECT_EQ(sizeOf(picture(name)), (plat::gfx::Size{8000, 8000})) << name;
    EXPECT_EQ(picture("mainlogo").pictureImage().pixel(5, 5) & 0xFFFFFFu, 0xCC6633u) << "the picture, not a blank";
    EXPECT_EQ(user().newLogoPath, "");
    EXPECT_EQ(notices, (std::vector<std::string>{"保存成功!"}));
}

// A picture copied from a system of the GBK code page keeps its name's bytes: it is chosen,
// shown and put in place of the logo by them.
TEST_F(LogoChooserTest, APictureWhoseNameIsNotUtf8IsTakenByItsBytes)
{
    const std::string chosen = path("pictures/\xB1\xC8\xB7\xD6.png").string(); // 比分.png in GBK
    writeBytes(chosen, readBytes(testPicture()));
    choose(chosen);
    EXPECT_EQ(user().newLogoPath, chosen);
    EXPECT_EQ(sizeOf(picture("testpng")), sizeOf(testPicture()));
    clickButton("qelsave");
    EXPECT_EQ(readBytes(path("img/logo.png")), readBytes(testPicture()));
    EXPECT_EQ(sizeOf(picture("mainlogo")), sizeOf(testPicture()));
    EXPECT_EQ(notices, (std::vector<std::string>{"保存成功!"}));
}

TEST_F(LogoChooserTest, CancellingTheChooserOrChoosingNoPictureChoosesNothing)
{
    choose(testPicture());
    choose(std::nullopt);
    EXPECT_EQ(user().newLogoPath, "");
    EXPECT_EQ(sizeOf(picture("testpng")), sizeOf(designLogo())) << "the preview shows the logo in use again";

    EXPECT_EQ(notices, (std::vector<std::string>{})) << "a cancel is no refusal";

    writeBytes(path("notes.png"), "not a picture");
    choose(path("notes.png").string());
    EXPECT_EQ(user().newLogoPath, "");
    clickButton("qelsave");
    EXPECT_EQ(readBytes(path("img/logo.png")), readBytes(designLogo()));
    EXPECT_EQ(notices, (std::vector<std::string>{std::string(kLogoRefusedNotice), "保存成功!"}));
}

TEST_F(LogoChooserTest, APictureTooLargeToShowIsRefusedLikeADamagedOne)
{
    // 30000 x 30000 pixels would take 3.6 GB once decoded.
    writeBytes(path("pictures/huge.png"), plat::gfx::test::blankPng(30000, 30000));
    choose(path("pictures/huge.png").string());
    EXPECT_EQ(user().newLogoPath, "");
    EXPECT_EQ(sizeOf(picture("testpng")), sizeOf(designLogo())) << "the preview keeps the logo in use";
    EXPECT_EQ(notices, (std::vector<std::string>{std::string(kLogoRefusedNotice)}));
    clickButton("qelsave");
    EXPECT_EQ(readBytes(path("img/logo.png")), readBytes(designLogo()));
    EXPECT_EQ(sizeOf(picture("mainlogo")), sizeOf(designLogo()));
}

TEST_F(LogoChooserTest, APictureGoneBeforeTheSaveLeavesTheLogo)
{
    writeBytes(path("pictures/new.png"), readBytes(testPicture()));
    choose(path("pictures/new.png").string());
    fs::remove(path("pictures/new.png"));
    clickButton("qelsave");
    EXPECT_EQ(readBytes(path("img/logo.png")), readBytes(designLogo()));
    EXPECT_EQ(sizeOf(picture("testpng")), sizeOf(designLogo()));
    EXPECT_EQ(user().newLogoPath, "");
}

TEST_F(LogoChooserTest, ALogoThatCannotBeReplacedIsReportedAndKept)
{
    choose(testPicture());
    // A folder that has taken the logo's name cannot be replaced by the new picture.
    fs::remove(path("img/logo.png"));
    fs::create_directories(path("img/logo.png/in-the-way"));
    clickButton("qelsave");
    EXPECT_TRUE(fs::is_directory(path("img/logo.png/in-the-way")));
    EXPECT_EQ(fs::directory_iterator(path("img")) == fs::directory_iterator(), false);
    for (const auto& entry : fs::directory_iterator(path("img")))
        EXPECT_EQ(entry.path().filename(), "logo.png") << "no temporary file is left";
    EXPECT_EQ(sizeOf(picture("mainlogo")), sizeOf(designLogo()));
    EXPECT_EQ(notices, (std::vector<std::string>{std::string(kLogoFailedNotice)}));
    EXPECT_EQ(readBytes(path("date/system.db")).empty(), false) << "the switches were saved";
}

} // namespace
} // namespace scoreboard::test
