#include "startup_fixture.h"

#include "platform/system/single_instance.h"
#include "scoreboard/option_file.h"
#include "scoreboard/program_sound.h"

#include "platform/forms/image.h"
#include "platform/forms/message_box.h"
#include "platform/forms/message_box_button.h"
#include "platform/media/animated_gif.h"
#include "platform/window/api.h"
#include "platform/window/virtual_keys.h"
#include "tests/support/drawn_area.h"
#include "tests/support/timed_sounds.h"

#include <functional>

namespace scoreboard::test {
namespace {

// The scoreboard's load adds the music folder when it fills its music list.
const std::vector<std::string> kFirstRunTree{"binlist/", "binlist/篮球社团A队.ini", "binlist/篮球社团B队.ini", "date/",
    "date/config.db", "date/keyconfig.db", "date/system.db", "img/", "music/"};

TEST_F(StartupTest, FirstRunInAnEmptyFolder)
{
    ASSERT_TRUE(start());
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(tree(), kFirstRunTree);
    EXPECT_EQ(readBytes(path("date/config.db")),
        "allname=2026Mirelda\r\ndelalltime=720\r\njstime=300\r\nballname1=" + std::string(kTeamAGbk)
            + "\r\nballname2=" + std::string(kTeamBGbk) + "\r\n");
    EXPECT_EQ(readBytes(path("date/keyconfig.db")), "Aonkey=49\r\nAoutkey=112\r\nBonkey=50\r\nBoutkey=113\r\n");
    EXPECT_EQ(readBytes(path("date/system.db")),
        "sond10=False\r\nclosesoud=False\r\nballnumsound=True\r\nkeynum=True\r\ncommnum=True\r\n"
        "closemusic=False\r\nnumback=True\r\n");
    EXPECT_EQ(readBytes(path("binlist/篮球社团A队.ini")), "");
    EXPECT_EQ(readBytes(path("binlist/篮球社团B队.ini")), "");
}

TEST_F(StartupTest, LoadFillsTheMatchStateAndLoadsTheScoreboardHidden)
{
    ASSERT_TRUE(start());
    const MatchState& s = user();
    EXPECT_EQ(s.matchTitle, "2026Mirelda");
    EXPECT_EQ(s.teamNameA, "篮球社团A队");
    EXPECT_EQ(s.keyAddA, 49);
    EXPECT_EQ(s.keySubB, 113);
    EXPECT_EQ(s.screenWidth, 1024);
    EXPECT_EQ(s.screenHeight, 768);
    EXPECT_EQ(s.logoPath, (folder() / "img" / "logo.png").string());
    EXPECT_FALSE(s.contactLine1.empty());
    EXPECT_FALSE(s.contactLine2.empty());
    // The scoreboard's load started a fresh match, and the option file set the switches.
    EXPECT_EQ(s.clockSeconds, 720);
    EXPECT_EQ(s.periodNumber, 1);
    EXPECT_EQ(s.keyStartPause, 13);
    EXPECT_EQ(s.clockTenths, 10);
    std::string bits;
    for (size_t position = 0; position < 8; ++position)
        bits += optionSwitch(user(), position) ? '1' : '0';
    EXPECT_EQ(bits, "00111011");

    EXPECT_TRUE(f1().visible());
    EXPECT_EQ(f1().caption(), "Ostrevan");
    EXPECT_EQ(f1().array<plat::forms::Label>("Lab1")[0].caption(), s.contactLine1);
    EXPECT_EQ(f1().array<plat::forms::Label>("Lab1")[1].caption(), s.contactLine2);
    EXPECT_TRUE(mainForm().isLoaded());
    EXPECT_FALSE(mainForm().visible());
}

TEST_F(StartupTest, ScoreboardIsShownThreeSecondsLater)
{
    ASSERT_TRUE(start());
    session->advance(2999);
    EXPECT_TRUE(f1().visible());
    EXPECT_FALSE(mainForm().visible());
    session->advance(1);
    EXPECT_TRUE(mainForm().visible());
    EXPECT_FALSE(f1().isLoaded());
    session->advance(10000);
    EXPECT_TRUE(mainForm().visible());
    EXPECT_FALSE(session->windows().quitRequested());
    EXPECT_EQ(session->backend().title(), "Ostrevan") << "the desktop shows the board's caption from its layout";
}

TEST_F(StartupTest, TheStartUpScreenShowsACourtAndABouncingBall)
{
    ASSERT_TRUE(start());
    const auto& court = f1().get<plat::forms::Image>("Image1");
    EXPECT_EQ(court.currentPicture().width(), 450);
    EXPECT_EQ(court.currentPicture().height(), 240);
    auto& ball = f1().get<plat::media::AnimatedGif>("AniGIF1");
    EXPECT_EQ(ball.frameCount(), 16);
    EXPECT_TRUE(ball.running());
    const int first = ball.currentFrame();
    session->advance(ball.frameDelay(first));
    EXPECT_NE(ball.currentFrame(), first);
}

TEST_F(StartupTest, ScreenSizes)
{
    struct Case {
        int width, height;
        bool runs;
        std::vector<ShownMessage> messages;
    };
    const std::vector<Case> cases{
        {1280, 720, false, {{"分辨率过底,程序无法正常运行建议1024 X 768最佳!", "系统提示", StartupMessageIcon::Stop}}},
        {800, 600, false, {{"分辨率过底,程序无法正常运行建议1024 X 768最佳!", "系统提示", StartupMessageIcon::Stop}}},
        {1024, 768, true, {}},
        {1280, 1024, true, {{"建议分辨率设为：1024 X 768 最佳!", "系统提示", StartupMessageIcon::Information}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        freshRun(c.width, c.height);
        messages.clear();

        EXPECT_EQ(start(), c.runs);
        EXPECT_EQ(messages, c.messages);
        EXPECT_EQ(session->windows().quitRequested(), !c.runs);
        EXPECT_EQ(f1().visible(), c.runs);
        EXPECT_EQ(mainForm().isLoaded(), c.runs);
        if (c.runs) {
            EXPECT_EQ(tree(), kFirstRunTree);
        } else {
            EXPECT_TRUE(tree().empty()) << "nothing is written";
            EXPECT_FALSE(f1().isLoaded());
        }
        EXPECT_EQ(user().screenWidth, c.width);
        EXPECT_EQ(user().screenHeight, c.height);
    }
}

TEST_F(StartupTest, AnUnknownDisplaySizeFallsBackToTheWindowSystemScreen)
{
    plat::sys::installDisplayModes(nullptr);
    ASSERT_TRUE(start());
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(user().screenWidth, 1024);
    EXPECT_EQ(user().screenHeight, 768);
}

TEST_F(StartupTest, SecondInstanceEndsSilently)
{
    plat::sys::SingleInstanceLock first = plat::sys::acquireProgramLock("ball");
    ASSERT_TRUE(first.acquired());
    setScreen(1280, 1024); // would show a message if the load got that far
    EXPECT_FALSE(start());
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(tree().empty());
    EXPECT_TRUE(session->windows().quitRequested());
    EXPECT_FALSE(f1().isLoaded());
    EXPECT_FALSE(mainForm().isLoaded());
    EXPECT_TRUE(fontInstalls.empty());
}

TEST_F(StartupTest, TheRunningProgramKeepsOthersOut)
{
    ASSERT_TRUE(start());
    EXPECT_TRUE(plat::sys::acquireProgramLock("ball").heldByAnother());
    EXPECT_EQ(tree(), kFirstRunTree) << "the lock lies outside the program folder";
}

TEST_F(StartupTest, OptionFileWinsOverTheSettingsFiles)
{
    writeBytes(path("date/config.db"), "sond10=True\r\nnumback=False\r\nallname=Cup\r\n");
    writeBytes(path("date/system.db"), "sond10=False\r\n");
    ASSERT_TRUE(start());
    EXPECT_EQ(user().matchTitle, "Cup");
    EXPECT_FALSE(user().optTenSecondBeep);
    EXPECT_TRUE(user().optScoreBacklight);
}

TEST_F(StartupTest, ClockFontIsInstalledWhenMissingAndTheWindowsHearOfIt)
{
    std::vector<plat::win::UINT> heard;
    plat::win::HWND listener = session->windows().create("Listener", 0, {0, 0, 10, 10}, false, plat::win::makeWndProc(
        [&heard](plat::win::HWND h, plat::win::UINT msg, plat::win::WPARAM w, plat::win::LPARAM l) {
            heard.push_back(msg);
            return plat::win::DefWindowProc(h, msg, w, l);
        }));
    writeBytes(path("DS-DIGIB.ttf"), "font");
    ASSERT_TRUE(start());
    EXPECT_EQ(fontInstalls, (std::vector<std::filesystem::path>{path("DS-DIGIB.ttf")}));
    EXPECT_EQ(std::count(heard.begin(), heard.end(), plat::win::WM_FONTCHANGE), 1);
    session->windows().destroy(listener);
}

TEST_F(StartupTest, InstalledClockFontIsLeftAlone)
{
    writeBytes(path("DS-DIGIB.ttf"), "font");
    writeBytes(dataHome() / "fonts" / "DS-DIGIB.ttf", "font");
    ASSERT_TRUE(start());
    EXPECT_TRUE(fontInstalls.empty());
}

TEST_F(StartupTest, ClosingTheStartupScreenEarlyShowsTheScoreboardAtOnce)
{
    ASSERT_TRUE(start());
    session->advance(1000);
    f1().close();
    session->settle();
    EXPECT_FALSE(f1().isLoaded());
    EXPECT_TRUE(mainForm().visible());
    session->advance(5000);
    EXPECT_TRUE(mainForm().visible());
    EXPECT_FALSE(session->windows().quitRequested());
}

// The operator who presses the score keys, the attack signal and the start key while the
// start-up screen still shows: nothing acts before the board is up, then all of it, in order.
TEST_F(StartupTest, KeysPressedOnTheStartUpScreenActOnTheBoardOnceItShows)
{
    test_support::TimedSounds played;
    setProgramSoundListener([&](std::string_view name) { played.sounds.push_back({session->nowMs(), std::string(name)}); });
    ASSERT_TRUE(start());
    const int64_t t0 = session->nowMs();
    session->advance(500);
    for (int vk : {int('1'), int('2'), int('2'), int(plat::win::VK_F1), int(plat::win::VK_F5), int(plat::win::VK_RETURN)})
        session->key(vk);
    session->advance(2499);
    EXPECT_FALSE(mainForm().visible());
    EXPECT_EQ(user().scoreA, 0);
    EXPECT_EQ(user().scoreB, 0);
    EXPECT_TRUE(played.sounds.empty());

    session->advance(1);
    EXPECT_TRUE(mainForm().visible());
    EXPECT_EQ(user().scoreA, 0) << "1 then F1: one point added, then taken off";
    EXPECT_EQ(user().scoreB, 2);
    EXPECT_EQ(played.soundTimes("sound\\nbai.wav"), std::vector<int64_t>{t0 + 3000}) << "the attack signal F5";
    session->advance(2000);
    EXPECT_EQ(user().clockSeconds, 718) << "the start key started the clock when the board came up";
    setProgramSoundListener({});

    // Keys typed once the board is up go straight to it, after the held ones.
    session->key('1');
    EXPECT_EQ(user().scoreA, 1);
}

TEST_F(StartupTest, KeysPressedBeforeTheStartUpScreenWasClosedReachTheBoardItShows)
{
    ASSERT_TRUE(start());
    session->advance(1000);
    session->key('2');
    f1().close();
    session->settle();
    EXPECT_TRUE(mainForm().visible());
    EXPECT_EQ(user().scoreB, 1);
}

// The window manager's close request is the exit command: refused while the clock runs, then
// asked; OK closes the board, saves the settings and ends the program.
TEST_F(StartupTest, ClosingTheScoreboardSavesTheSettingsAndEndsTheProgram)
{
    ASSERT_TRUE(start());
    session->advance(3000);
    user().matchTitle = "Final=1";
    user().refereeCount = 2;
    std::vector<std::string> asked;
    int answer = plat::forms::vbCancel;
    session->backend().setIdleHandler([&] {
        plat::forms::MessageBoxForm* box = plat::forms::MessageBoxForm::current();
        if (!box)
            return false;
        asked.push_back(box->title() + ": " + box->text());
        box->choose(answer);
        return true;
    });
    session->key(plat::win::VK_RETURN);
    mainForm().close();
    session->settle();
    EXPECT_TRUE(mainForm().isLoaded()) << "refused while the clock runs";
    EXPECT_EQ(user().noticeText, "正在计时中...程序无法退出!");
    EXPECT_TRUE(asked.empty());
    session->key(plat::win::VK_RETURN);
    mainForm().close();
    session->settle();
    EXPECT_EQ(asked, (std::vector<std::string>{"提示: 是否真的要退出?"}));
    EXPECT_TRUE(mainForm().isLoaded()) << "Cancel keeps the board";
    EXPECT_FALSE(session->windows().quitRequested());
    answer = plat::forms::vbOK;
    mainForm().close();
    session->backend().setIdleHandler(nullptr);
    EXPECT_EQ(asked.size(), 2u);
    EXPECT_FALSE(mainForm().isLoaded());
    EXPECT_TRUE(session->windows().quitRequested());
    EXPECT_EQ(readBytes(path("date/config.db")),
        "allname=Final=1\r\ndelalltime=720\r\njstime=300\r\nballname1=" + std::string(kTeamAGbk)
            + "\r\nballname2=" + std::string(kTeamBGbk) + "\r\nzainame1=\r\nzainame2=\r\nzainame3=\r\nzainum=2\r\n");
}

TEST_F(StartupTest, ARestartKeepsWhatTheLastRunSaved)
{
    ASSERT_TRUE(start());
    session->advance(3000);
    user().matchTitle = "Final=1";
    // The program's own close (the exit command's end, once answered).
    mainForm().unload();
    program.reset();
    session.reset();
    session = std::make_unique<plat::backend::HeadlessSession>();
    user() = MatchState{};
    dates.set({2027, 1, 1, 0, 0, 0});
    ASSERT_TRUE(start());
    EXPECT_EQ(user().matchTitle, "Final=1");
}

} // namespace
} // namespace scoreboard::test

namespace scoreboard::test {
namespace {

// The message boxes of a real run, answered with OK once they are up.
class StartupMessageBoxTest : public StartupTest {
protected:
    struct SeenBox {
        std::string text, title;
        plat::forms::MessageIcon icon;
        std::vector<std::string> buttons;
        plat::gfx::Size screen;    // the screen the box was drawn on
        plat::gfx::Rect drawnArea; // where anything was drawn on it
        plat::gfx::Rect window;    // the box's own window
    };

    void answerBoxes()
    {
        session->backend().setIdleHandler([this] {
            plat::forms::MessageBoxForm* box = plat::forms::MessageBoxForm::current();
            if (!box)
                return false;
            const auto& windows = session->windows();
            SeenBox seen{box->text(), box->title(), box->icon(), {}, windows.screenSize(), test_support::drawnArea(windows.screen()),
                plat::win::GetScreenRect(box->hwnd())};
            for (plat::forms::MessageBoxButton* button : box->buttons())
                seen.buttons.push_back(button->caption());
            seenBoxes.push_back(seen);
            box->choose(plat::forms::vbOK);
            return true;
        });
    }

    void TearDown() override
    {
        if (session)
            session->backend().setIdleHandler(nullptr);
        StartupTest::TearDown();
    }

    bool startWithSystemBoxes()
    {
        StartupServices s = services();
        s.message = systemStartupServices().message;
        program = std::make_unique<BallProgram>(s);
        return program->start();
    }

    std::vector<SeenBox> seenBoxes;
};

TEST_F(StartupMessageBoxTest, TooSmallScreenShowsTheStopBoxAndEnds)
{
    setScreen(1280, 720);
    answerBoxes();
    EXPECT_FALSE(startWithSystemBoxes());
    ASSERT_EQ(seenBoxes.size(), 1u);
    EXPECT_EQ(seenBoxes[0].text, "分辨率过底,程序无法正常运行建议1024 X 768最佳!");
    EXPECT_EQ(seenBoxes[0].title, "系统提示");
    EXPECT_EQ(seenBoxes[0].icon, plat::forms::MessageIcon::Stop);
    EXPECT_EQ(seenBoxes[0].buttons, (std::vector<std::string>{"确定"}));
    EXPECT_TRUE(tree().empty());
    EXPECT_EQ(plat::forms::MessageBoxForm::current(), nullptr);
}

// Before the board, a box is drawn on a screen of the display's own size, centred, and nothing
// else is on it; the board then has its 1024 x 768 screen.
TEST_F(StartupMessageBoxTest, TheBoxesAreDrawnAtTheDisplaysOwnSize)
{
    struct Case {
        int width, height;
        bool runs;
    };
    const std::vector<Case> cases{{640, 480, false}, {800, 600, false}, {1280, 720, false}, {1280, 1024, true}, {1920, 1080, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        freshRun(c.width, c.height);
        seenBoxes.clear();
        answerBoxes();
        EXPECT_EQ(startWithSystemBoxes(), c.runs);
        ASSERT_EQ(seenBoxes.size(), 1u);
        const SeenBox& box = seenBoxes[0];
        EXPECT_EQ(box.screen, (plat::gfx::Size{c.width, c.height}));
        ASSERT_FALSE(box.drawnArea.isEmpty());
        EXPECT_EQ(box.drawnArea, box.window) << "the box alone, at its own size";
        EXPECT_NEAR(box.drawnArea.left, c.width - box.drawnArea.right, 1) << "centred across";
        EXPECT_NEAR(box.drawnArea.top, c.height - box.drawnArea.bottom, 1) << "centred down";
        if (c.runs) {
            EXPECT_EQ(session->windows().screenSize(), (plat::gfx::Size{1024, 768})) << "the board's own screen";
            EXPECT_EQ(plat::win::GetScreenRect(mainForm().hwnd()).width(), 1024);
        }
        session->backend().setIdleHandler(nullptr);
    }
}

TEST_F(StartupMessageBoxTest, LargerScreenShowsTheInformationBoxAndStarts)
{
    setScreen(1280, 1024);
    answerBoxes();
    EXPECT_TRUE(startWithSystemBoxes());
    ASSERT_EQ(seenBoxes.size(), 1u);
    EXPECT_EQ(seenBoxes[0].text, "建议分辨率设为：1024 X 768 最佳!");
    EXPECT_EQ(seenBoxes[0].title, "系统提示");
    EXPECT_EQ(seenBoxes[0].icon, plat::forms::MessageIcon::Information);
    EXPECT_EQ(seenBoxes[0].buttons, (std::vector<std::string>{"确定"}));
    EXPECT_EQ(tree(), kFirstRunTree);
    EXPECT_TRUE(f1().visible());
}


// The shipped layouts in a folder of the test's own, one of them spoilt as `spoil` says.
class BrokenLayoutStartTest : public StartupMessageBoxTest {
protected:
    void SetUp() override
    {
        StartupMessageBoxTest::SetUp();
        const char* shipped = std::getenv("BALL_RESOURCES");
        ASSERT_NE(shipped, nullptr);
        m_shipped = shipped;
        std::filesystem::copy(m_shipped, dataHome() / "resources", std::filesystem::copy_options::recursive);
        ::setenv("BALL_RESOURCES", (dataHome() / "resources").c_str(), 1);
    }
    void TearDown() override
    {
        ::setenv("BALL_RESOURCES", m_shipped.c_str(), 1);
        StartupMessageBoxTest::TearDown();
    }
    std::filesystem::path layout(const char* form) const { return dataHome() / "resources/forms" / (std::string(form) + ".json"); }

private:
    std::string m_shipped;
};

TEST_F(BrokenLayoutStartTest, ALayoutThatCannotBeReadEndsTheProgramWithABoxNamingTheFile)
{
    struct Case {
        const char* form;
        std::function<void(const std::filesystem::path&)> spoil;
    };
    const Case cases[] = {
        {"m3", [](const std::filesystem::path& file) { std::filesystem::resize_file(file, std::filesystem::file_size(file) / 2); }},
        {"main", [](const std::filesystem::path& file) { std::ofstream(file, std::ios::trunc) << "not a layout"; }},
        {"m6", [](const std::filesystem::path& file) { std::filesystem::remove(file); }},
    };
    for (const Case& c : cases) {
        const std::string kept = readBytes(layout(c.form));
        c.spoil(layout(c.form));
        seenBoxes.clear();
        answerBoxes();
        EXPECT_FALSE(startWithSystemBoxes()) << c.form;
        ASSERT_EQ(seenBoxes.size(), 1u) << c.form;
        EXPECT_EQ(seenBoxes[0].text.rfind("窗体布局文件无法读取,程序无法运行!\n" + layout(c.form).string() + "\n", 0), 0u) << seenBoxes[0].text;
        EXPECT_EQ(seenBoxes[0].title, "系统提示");
        EXPECT_EQ(seenBoxes[0].icon, plat::forms::MessageIcon::Stop);
        EXPECT_TRUE(tree().empty()) << "nothing is written: " << c.form;
        EXPECT_FALSE(f1().isLoaded());
        program.reset();
        writeBytes(layout(c.form), kept);
    }
}

} // namespace
} // namespace scoreboard::test
