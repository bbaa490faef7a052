#include "scoreboard/startup_form.h"
#include "scoreboard/control_binding.h"
#include "scoreboard/first_run.h"
#include "platform/system/single_instance.h"
#include "scoreboard/shipped_sounds.h"
#include "scoreboard/main_form.h"
#include "scoreboard/match_state.h"
#include "scoreboard/screen_check.h"

#include "platform/forms/image.h"
#include "platform/media/animated_gif.h"
#include "platform/system/display_modes_service.h"
#include "platform/system/program_folder.h"
#include "platform/window/api.h"

#include <cstdio>
#include <utility>

namespace scoreboard {

namespace forms = plat::forms;
namespace sys = plat::sys;
namespace win = plat::win;

namespace {

constexpr int kShowScoreboardAfterMs = 3000;
constexpr double kWidthTwips = 6750;  // 450 pixels
constexpr double kHeightTwips = 3600; // 240 pixels
// The texts stand right of the animation.
constexpr double kTextLeft = 1800, kTextWidth = kWidthTwips - kTextLeft - 150;

forms::Label& addText(forms::Form& form, std::string name, int index, double top, double height, double points,
    uint32_t color, bool bold)
{
    forms::Label& label = form.add<forms::Label>(std::move(name), nullptr, index);
    label.move(kTextLeft, top, kTextWidth, height);
    label.setAlignment(2);
    label.setBackStyle(0);
    label.setForeColor(color);
    forms::FontDesc font;
    font.name = "黑体";
    font.size = points;
    font.setBold(bold);
    label.setFont(font);
    return label;
}

} // namespace

StartupControls bindStartupControls(const forms::Form& form)
{
    return StartupControls{
        .Lab1 = bindItems<forms::Label>(form, "Lab1", 0, 1),
        .Timer1 = form.get<forms::Timer>("Timer1"),
    };
}

sys::DisplaySize measuredScreenSize()
{
    sys::DisplaySize size = sys::displayModes().screenSize();
    if (size.width > 0 && size.height > 0)
        return size;
    return {win::GetSystemMetrics(win::SM_CXSCREEN), win::GetSystemMetrics(win::SM_CYSCREEN)};
}

StartupForm::StartupForm(MainForm& main, std::optional<sys::SingleInstanceLock>& instanceLock, StartupServices services)
    : Form("F1", {})
    , m_main(main)
    , m_instanceLock(instanceLock)
    , m_services(std::move(services))
{
    setCaption("Ostrevan");
    setBackColor(0x4A2A0C);
    move(0, 0, kWidthTwips, kHeightTwips);
    setStartUpPosition(2);
    // Keys sent to any of its windows come to the form's own handlers.
    setKeyPreview(true);
}

void StartupForm::addControls()
{
    // A half court behind everything, the ball bouncing at the left.
    forms::Image& court = add<forms::Image>("Image1");
    court.move(0, 0, kWidthTwips, kHeightTwips);
    court.setStretch(true);
    court.setPicture(forms::PictureRef{"img/court.png"});
    plat::media::AnimatedGif& ball = add<plat::media::AnimatedGif>("AniGIF1");
    ball.move(300, 780, 1440, 1920);
    ball.setPicture(forms::PictureRef{"img/bounce.gif"});
    addText(*this, "Label1", -1, 700, 700, 20, 0x00D7FF, true).setCaption("篮球比赛计分计时系统");
    addText(*this, "Lab1", 0, 2100, 400, 10.5, 0xFFFFFF, false);
    addText(*this, "Lab1", 1, 2550, 400, 10.5, 0xC0C0C0, false);
    forms::Timer& timer = add<forms::Timer>("Timer1");
    timer.setEnabled(false);
    timer.setInterval(kShowScoreboardAfterMs);
    timer.onTimer = [this, &timer] {
        timer.setEnabled(false);
        showScoreboard();
        // Unloading destroys this timer, so it happens after its tick has returned.
        win::sys().postTask([this] { unload(); });
    };
}

void StartupForm::onLoad()
{
    m_endsProgram = false;
    m_loadDone = false;
    addControls();
    const StartupControls& c = m_bound.emplace(bindStartupControls(*this));

    sys::SingleInstanceLock lock = sys::acquireProgramLock("ball");
    if (lock.heldByAnother()) {
        std::fprintf(stderr, "ball: another board runs on the data folder %s (it holds %s); this one ends\n",
            sys::programFolder().c_str(), sys::programLockPath("ball").c_str());
        endProgram();
        return;
    }
    if (!lock.acquired()) {
        std::fprintf(stderr, "ball: no lock file can be made in the data folder %s (%s: no room, or not writable); "
                             "nothing would keep a second board off it, so this one ends\n",
            sys::programFolder().c_str(), sys::programLockPath("ball").c_str());
        if (m_services.message)
            m_services.message(kLockUnavailableMessage, kStartupMessageTitle, StartupMessageIcon::Stop);
        endProgram();
        return;
    }
    m_instanceLock = std::move(lock);

    MatchState& state = user();
    state.contactLine1 = "准备比赛数据，请稍候...";
    state.contactLine2 = "比赛开始前请检查计时与比分设置";
    state.logoPath = sys::programPath("img\\logo.png").string();
    c.Lab1[0].setCaption(state.contactLine1);
    c.Lab1[1].setCaption(state.contactLine2);

    if (!screenAllowsStart()) {
        endProgram();
        return;
    }

    if (installClockFont(m_services.installFont, m_services.clockFont)) {
        for (win::HWND top : win::sys().topLevels())
            win::SendMessage(top, win::WM_FONTCHANGE, 0, 0);
    }

    Unwritten unwritten = createWorkingFolders();
    const SoundsRestored sounds = restoreShippedSounds();
    unwritten.insert(unwritten.end(), sounds.unwritten.begin(), sounds.unwritten.end());
    sys::SystemDateSource systemDates;
    const sys::DateSource& dates = m_services.dates ? *m_services.dates : systemDates;
    const Unwritten settings = prepareSettingsFiles(sys::currentYear(dates));
    unwritten.insert(unwritten.end(), settings.begin(), settings.end());
    m_startFilesUnwritten = tellUnwritten(unwritten);

    m_main.systemopen();
    m_loadDone = true;
    c.Timer1.setEnabled(true);
}

bool StartupForm::screenAllowsStart()
{
    const sys::DisplaySize screen = measuredScreenSize();
    MatchState& state = user();
    state.screenWidth = int16_t(screen.width);
    state.screenHeight = int16_t(screen.height);
    switch (fitScreen(screen)) {
    case ScreenFit::TooSmall:
        if (m_services.message)
            m_services.message(kScreenTooSmallMessage, kStartupMessageTitle, StartupMessageIcon::Stop);
        return false;
    case ScreenFit::Larger:
        if (m_services.message)
            m_services.message(kScreenLargerMessage, kStartupMessageTitle, StartupMessageIcon::Information);
        return true;
    case ScreenFit::Exact:
        return true;
    }
    return true;
}

void StartupForm::endProgram()
{
    m_endsProgram = true;
    win::PostQuitMessage(0);
}

void StartupForm::showScoreboard()
{
    if (!m_main.visible())
        m_main.show();
    if (std::exchange(m_startFilesUnwritten, false)) {
        user().noticeText = std::string(kStartFilesUnwrittenNotice);
        m_main.inshowfame();
    }
    m_heldKeys.deliver(win::sys());
}

void StartupForm::onKeyDown(int& keyCode, int shift)
{
    (void)shift;
    m_heldKeys.hold(win::WM_KEYDOWN, win::WPARAM(keyCode));
    keyCode = 0;
}

void StartupForm::onKeyUp(int& keyCode, int shift)
{
    (void)shift;
    m_heldKeys.hold(win::WM_KEYUP, win::WPARAM(keyCode));
    keyCode = 0;
}

void StartupForm::onKeyPress(int& keyAscii)
{
    m_heldKeys.hold(win::WM_CHAR, win::WPARAM(keyAscii));
    keyAscii = 0;
}

void StartupForm::onUnload(int& cancel)
{
    (void)cancel;
    // Closed before its timer fired: the scoreboard is loaded but hidden, and a hidden program
    // would hold the single-instance lock with no window to end it from.
    if (m_loadDone)
        showScoreboard();
    m_loadDone = false;
    m_bound.reset();
}

} // namespace scoreboard
