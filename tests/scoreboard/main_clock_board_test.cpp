#include "program_folder_fixture.h"

#include "scoreboard/main_clock_board.h"
#include "scoreboard/program_sound.h"

#include "controls/core/qel_command.h"
#include "controls/core/qel_frame.h"
#include "controls/core/qel_label.h"
#include "platform/backend/session.h"
#include "platform/forms/form.h"
#include "platform/forms/label.h"
#include "platform/forms/line.h"
#include "platform/forms/message_box.h"
#include "platform/forms/property_bag.h"
#include "platform/forms/timer.h"
#include "platform/window/api.h"

#include <cstdio>

namespace scoreboard::test {
namespace {

namespace forms = plat::forms;

// A form with the controls the match clock writes, placed as a stored layout places them, and
// the match clock of `main` on it.
class MainClockBoardTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        std::filesystem::create_directories(path("date"));
        MatchState& s = user();
        s.teamNameA = "Lions";
        s.teamNameB = "Tigers";
        s.periodLength = 720;
        s.clockSeconds = 75;
        s.clockTenths = 10;
        s.periodNumber = 1;
        s.optTenSecondBeep = true;
        s.optEndBell = true;

        form.move(0, 0, 1024 * 15, 768 * 15);
        form.load();
        auto& board = place<qel::qelFrame>("qelf1", 0, 0, 1000, 700);
        place<qel::qelFrame>("showtime", 10, 80, 980, 270, &board);
        place<qel::qelLabel>("balltime", 20, 90, 900, 250);
        auto& ok = place<qel::qelCommand>("ok", 400, 600, 120, 40);
        ok.setCaption("开始");
        ok.setBackColor1(0xFF);
        ok.setBackColorPushed1(0xFF);
        place<forms::Line>("line8", 0, 360, 1000, 1);
        place<forms::Line>("Line11", 0, 370, 1000, 1, nullptr, 2);
        place<forms::Line>("Line11", 0, 380, 1000, 1, nullptr, 3);
        auto& look = place<qel::qelFrame>("look", 100, 100, 700, 270);
        look.setVisible(false);
        place<qel::qelLabel>("vlook1", 110, 130, 600, 40, &look, 0);
        place<qel::qelLabel>("vlook1", 110, 180, 600, 40, &look, 1);
        place<qel::qelLabel>("vtime", 110, 230, 300, 20, &look);
        place<qel::qelLabel>("onename", 110, 260, 300, 20);
        for (int i : {0, 1})
            place<forms::Label>("addtimelab", 10 + 900 * i, 400, 60, 20, nullptr, i).setVisible(false);
        place<qel::qelFrame>("balldate", 10, 80, 980, 270).setVisible(false);
        place<qel::qelCommand>("lookdate", 800, 300, 100, 30).setVisible(false);
        for (const char* name : {"Timer2", "Timer3", "Timer9", "Timer4", "Timer8"})
            form.add<forms::Timer>(name);
        for (const char* name : {"qelf1", "showtime"})
            form.get<qel::qelFrame>(name).setBorderColor(0x404040);
        form.get<forms::Line>("line8").setBorderColor(0x404040);
        for (int i : {2, 3})
            form.get<forms::Line>("Line11", i).setBorderColor(0x404040);
        form.show();
        session.settle();

        MainClockBoard::Hooks hooks;
        hooks.ResetClockDisplay = [this] { ++resetClockDisplays; };
        hooks.matchMode = [this] { ++matchModes; };
        hooks.scoreSheet = [this] { ++scoreSheets; };
        hooks.inshowfame = [this] { notices.push_back(user().noticeText); };
        hooks.setMatchBlinkPhase = [this](bool phase) { blinkPhase = phase; };
        hooks.ShowPeriod = hooks.ShowPeriodTable = hooks.leaveLiveMode = hooks.pauseMusic = [] { };
        hooks.liveModeOn = hooks.musicPlaying = [] { return false; };
        mainClock = std::make_unique<MainMatchClock>(form, hooks, dates);
        setProgramSoundListener([this](std::string_view name) { sounds.push_back(std::string(name)); });
    }

    void TearDown() override
    {
        setProgramSoundListener({});
        session.backend().setIdleHandler(nullptr);
        mainClock.reset();
        ProgramFolderTest::TearDown();
    }

    template<class T>
    T& place(const std::string& name, int x, int y, int w, int h, forms::Control* container = nullptr, int index = -1)
    {
        forms::PropertyBag extender;
        extender.writeProperty("Left", double(x * 15), -1.0);
        extender.writeProperty("Top", double(y * 15), -1.0);
        extender.writeProperty("Width", double(w * 15), -1.0);
        extender.writeProperty("Height", double(h * 15), -1.0);
        forms::PropertyBag stored;
        return dynamic_cast<T&>(form.addControl(std::make_unique<T>(), name, index, container, &stored, &extender));
    }

    void clickOk()
    {
        plat::gfx::Rect r = session.windows().screenRect(form.get<qel::qelCommand>("ok").hwnd());
        session.click(r.left + r.width() / 2, r.top + r.height() / 2);
    }

    int64_t now() const { return session.nowMs() - t0; }
    void runTo(int64_t ms) { session.advance(ms - now()); }

    static std::string hex(uint32_t v)
    {
        char text[16];
        std::snprintf(text, sizeof text, "&H%X", v);
        return text;
    }
    std::string clockText() const { return form.get<qel::qelLabel>("balltime").Caption(); }
    std::string clockColor() const { return hex(form.get<qel::qelLabel>("balltime").ForeColor()); }
    qel::qelCommand& ok() const { return form.get<qel::qelCommand>("ok"); }
    bool visible(const char* name) const { return form.find(name)->visible(); }
    int count(std::string_view sound) const { return int(std::count(sounds.begin(), sounds.end(), sound)); }

    plat::backend::HeadlessSession session;
    int64_t t0 = session.nowMs();
    forms::Form form{"main", ""};
    plat::sys::FixedDateSource dates{plat::sys::LocalDateTime{2026, 3, 1, 9, 0, 5}};
    std::unique_ptr<MainMatchClock> mainClock;
    int resetClockDisplays = 0, matchModes = 0, scoreSheets = 0;
    bool blinkPhase = false;
    std::vector<std::string> notices;
    std::vector<std::string> sounds;
};

TEST_F(MainClockBoardTest, AClickOnTheStartButtonRunsThePeriodOnTheControls)
{
    clickOk();
    EXPECT_EQ(ok().Caption(), "暂停");
    EXPECT_EQ(hex(ok().BackColor1()), "&HFF00");
    EXPECT_EQ(hex(ok().BackColorPushed1()), "&HFF00");
    EXPECT_TRUE(blinkPhase);
    EXPECT_EQ(matchModes, 1);

    struct Check {
        int64_t atMs;
        const char* text;
        const char* color;
    };
    const Check checks[] = {
        {0, "01:15", "&HFF00"},
        {1'000, "01:14", "&HFF00"},
        {15'000, "01:00", "&HFF00"},
        {15'100, "59.9", "&HFF00"},
        {65'099, "10.0", "&HFF00"},
        {65'100, "9.9", "&HFF"},
        {74'999, "0.1", "&HFF"},
        {75'000, "0.0", "&HFF"},
    };
    for (const Check& c : checks) {
        runTo(c.atMs);
        EXPECT_EQ(clockText(), c.text) << c.atMs;
        EXPECT_EQ(clockColor(), c.color) << c.atMs;
    }
    EXPECT_EQ(hex(form.get<qel::qelFrame>("showtime").BorderColor()), "&H404040");
    runTo(75'080);
    EXPECT_EQ(hex(form.get<qel::qelFrame>("showtime").BorderColor()), "&HFF");
    EXPECT_EQ(hex(form.get<qel::qelFrame>("qelf1").BorderColor()), "&HFF");
    EXPECT_EQ(hex(form.get<forms::Line>("line8").borderColor()), "&HFF");
    EXPECT_EQ(hex(form.get<forms::Line>("Line11", 3).borderColor()), "&HFF");
    EXPECT_EQ(hex(ok().BackColor1()), "&HFF");
    EXPECT_EQ(ok().Caption(), "暂停");

    runTo(85'080);
    EXPECT_TRUE(visible("look"));
    EXPECT_EQ(form.find("look")->left(), 1790);
    EXPECT_EQ(form.find("look")->height(), 4095);
    EXPECT_EQ(form.get<qel::qelLabel>("vlook1", 0).Caption(), "第一节比赛结束!");
    EXPECT_EQ(form.get<qel::qelLabel>("vtime").Caption(), "15秒进入比赛模式");
    EXPECT_EQ(hex(form.get<qel::qelFrame>("showtime").BorderColor()), "&H404040");
    EXPECT_EQ(hex(form.get<forms::Line>("Line11", 2).borderColor()), "&H404040");
    EXPECT_EQ(ok().Caption(), "开始");
    EXPECT_EQ(clockColor(), "&HFF00");
    EXPECT_EQ(resetClockDisplays, 1);

    // The start command during the report only plays its sound.
    clickOk();
    EXPECT_EQ(ok().Caption(), "开始");
    runTo(86'080);
    EXPECT_EQ(form.get<qel::qelLabel>("vtime").Caption(), "14秒进入比赛模式");
    EXPECT_EQ(form.get<qel::qelLabel>("onename").Caption(), "可惜双方都没进球!");
    EXPECT_TRUE(visible("onename"));
    runTo(100'080);
    EXPECT_FALSE(visible("look"));
    EXPECT_EQ(scoreSheets, 1);
    const int modes = matchModes;
    runTo(135'080);
    EXPECT_EQ(matchModes, modes + 1);
    EXPECT_EQ(mainClock->clock().state(), MatchClock::State::ClockStopped);

    EXPECT_EQ(count("sound\\2.wav"), 2);
    EXPECT_EQ(count("sound\\timer.wav"), 10);
    EXPECT_EQ(count("sound\\yes.wav"), 1);
}

TEST_F(MainClockBoardTest, ConfirmResetAsksWithAMessageBox)
{
    std::vector<std::string> asked;
    session.backend().setIdleHandler([&] {
        forms::MessageBoxForm* box = forms::MessageBoxForm::current();
        if (!box)
            return false;
        asked.push_back(box->title() + ": " + box->text());
        box->choose(asked.size() == 1 ? forms::vbCancel : forms::vbOK);
        return true;
    });
    user().scoreA = 3;
    mainClock->ConfirmReset();
    EXPECT_EQ(asked, (std::vector<std::string>{"提示: 提醒：计时计分数据归零，并不保存当前数据！"}));
    EXPECT_EQ(user().scoreA, 3);
    EXPECT_TRUE(notices.empty());
    mainClock->ConfirmReset();
    EXPECT_EQ(asked.size(), 2u);
    EXPECT_EQ(user().scoreA, 0);
    EXPECT_EQ(user().clockSeconds, 720);
    EXPECT_EQ(notices, (std::vector<std::string>{"复原成功!"}));
    EXPECT_EQ(clockText(), "12:00");
}

} // namespace
} // namespace scoreboard::test
