#include "launcher/form1.h"
#include "platform/system/single_instance.h"
#include "launcher/launcher_files.h"
#include "launcher/module1.h"
#include "platform/forms/display_screen.h"
#include "launcher/screen_record.h"

#include "platform/forms/message_box.h"
#include "platform/system/display_modes_service.h"
#include "platform/system/display_switch_mark.h"
#include "platform/system/file_replace.h"
#include "platform/system/file_system.h"
#include "platform/system/font_install.h"
#include "platform/system/program_folder.h"
#include "platform/system/screen_size_file.h"
#include "platform/window/api.h"

#include <cstdio>
#include <string>
#include <system_error>

namespace launcher {

namespace forms = plat::forms;
namespace sys = plat::sys;
namespace win = plat::win;

namespace {

constexpr const char* kScreenTooSmallText = "分辨率过底,程序无法正常运行建议1024X768最佳!";
constexpr const char* kScreenTooSmallTitle = "系统提示";
constexpr const char* kScoreboardMissingText = "目录里面的主程序ball.exe文件不存在!";
constexpr const char* kScoreboardMissingTitle = "错误提示";

void showStopMessage(const char* text, const char* title)
{
    plat::forms::fitScreenToDisplay();
    forms::msgBox(text, forms::vbOKOnly | forms::vbCritical, title);
}

} // namespace

Form1::Form1(std::optional<sys::SingleInstanceLock>& instanceLock, LauncherServices services)
    : Form("Form1", {})
    , m_instanceLock(instanceLock)
    , m_services(std::move(services))
{
    setCaption("Form1");
    setStartUpPosition(2);
}

void Form1::onLoad()
{
    m_endsProgram = false;

    sys::SingleInstanceLock lock = sys::acquireProgramLock("main");
    if (lock.heldByAnother()) {
        endProgram();
        return;
    }
    m_instanceLock = std::move(lock);

    // Its board could not run beside the one that holds the data folder: nothing is switched,
    // written or started, and the running board keeps the size it goes back to.
    if (sys::programRuns(kScoreboardProgram)) {
        std::fprintf(stderr, "main: a board runs already on the data folder %s; the display is left as it is\n",
            sys::programFolder().c_str());
        endProgram();
        return;
    }

    const sys::DisplaySize screen = sys::displayModes().screenSize();
    if (screen.width < kScreenWidth || screen.height < kScreenHeight) {
        showStopMessage(kScreenTooSmallText, kScreenTooSmallTitle);
        endProgram();
        return;
    }

    m_earlierSwitchUnrestored = sys::displaySwitchUnrestored();
    recordScreenSize(screen);
    switchDisplay();
    installClockFont();
    makeDataFolder();
    startScoreboard(screen);
}

void Form1::recordScreenSize(sys::DisplaySize screen)
{
    const std::filesystem::path file = sys::screenSizeFilePath();
    if (!recordsScreenSize(screen, sys::readScreenSizeFile(file), sys::displayModes(), m_earlierSwitchUnrestored))
        return;
    // Written whole or not at all: a folder that cannot take it keeps what it had.
    (void)sys::replaceTextFile(file, { std::to_string(screen.width), std::to_string(screen.height) });
}

void Form1::switchDisplay()
{
    // Marked first: a launcher or board killed right after the switch still leaves the mark.
    (void)sys::markDisplaySwitched();
    if (!SetDisplayMode(kScreenWidth, kScreenHeight) && !m_earlierSwitchUnrestored)
        sys::clearDisplaySwitchMark(); // the display stays as it was found: nothing to put back
}

void Form1::installClockFont()
{
    const std::filesystem::path folder = sys::userFontFolder();
    const std::filesystem::path installed = folder / kClockFontFile;
    if (sys::fileExists(installed) || (m_services.clockFontKnown && m_services.clockFontKnown()))
        return;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    (void)sys::copyFile(shippedFile(kClockFontFile), installed, sys::CopyMode::KeepExisting);
    if (m_services.addFontResource)
        m_services.addFontResource(installed);
    for (win::HWND top : win::sys().topLevels())
        win::SendMessage(top, win::WM_FONTCHANGE, 0, 0);
}

std::filesystem::path Form1::shippedFile(std::string_view name) const
{
    return m_services.programFolder.empty() ? sys::shippedPath(name) : sys::pathBelow(m_services.programFolder, name);
}

void Form1::makeDataFolder()
{
    const std::filesystem::path folder = sys::programPath(kDataFolder);
    if (!sys::pathExists(folder))
        (void)sys::makeFolder(folder);
}

void Form1::startScoreboard(sys::DisplaySize screenBefore)
{
    const std::filesystem::path scoreboard = shippedFile(kScoreboardProgram);
    const bool started = sys::fileExists(scoreboard) && (!m_services.startProgram || m_services.startProgram(scoreboard));
    if (started) {
        endProgram();
        return;
    }
    // No board will ever switch the display back: do it here, then say so and wait.
    putDisplayBack(screenBefore);
    showStopMessage(kScoreboardMissingText, kScoreboardMissingTitle);
}

void Form1::putDisplayBack(sys::DisplaySize screenBefore)
{
    // As it was found; a switch of an earlier run that is still not put back stays marked.
    if (SetDisplayMode(int16_t(screenBefore.width), int16_t(screenBefore.height)) && !m_earlierSwitchUnrestored)
        sys::clearDisplaySwitchMark();
}

void Form1::endProgram()
{
    m_endsProgram = true;
    win::PostQuitMessage(0);
}

void Form1::onUnload(int& cancel)
{
    (void)cancel;
    win::PostQuitMessage(0);
}

void Form1::onDblClick() { unload(); }

} // namespace launcher
