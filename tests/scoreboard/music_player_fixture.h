#pragma once
#include "board_fixture.h"
#include "music_fake_device.h"

#include "scoreboard/music_player.h"

#include "controls/core/qel_frame.h"
#include "controls/core/qel_label.h"
#include "platform/forms/label.h"
#include "platform/forms/line.h"
#include "platform/forms/list_box.h"
#include "platform/forms/timer.h"
#include "platform/media/alpha_image.h"
#include "platform/window/window_system.h"

#include <filesystem>
#include <functional>

namespace scoreboard::test {

namespace forms = plat::forms;
using plat::media::AlphaImage;

// The scoreboard with its music panel shown, the player on a virtual-clock media player, and
// the music folder holding the files given; the clock stands on a tick of Timer5.
class MusicPlayerTest : public BoardTest {
protected:
    void SetUp() override
    {
        BoardTest::SetUp();
        m_workingFolder = std::filesystem::current_path();
    }

    void TearDown() override
    {
        session->backend().setIdleHandler(nullptr);
        player.reset();
        BoardTest::TearDown();
        // The open dialog leaves the process in the folder it chose.
        std::filesystem::current_path(m_workingFolder);
    }

    // Modal boxes: each step runs once the loop is idle after the one before.
    void whenIdle(std::vector<std::function<void()>> steps)
    {
        session->backend().setIdleHandler([steps, next = size_t(0)]() mutable {
            if (next == steps.size())
                return false;
            steps[next++]();
            return true;
        });
    }
    void queueText(const std::string& utf8) { session->windows().queueText(utf8); }
    void queueKey(int vk)
    {
        plat::win::InputEvent e{plat::win::InputEvent::Kind::KeyDown};
        e.value = vk;
        session->windows().queueInput(e);
        e.kind = plat::win::InputEvent::Kind::KeyUp;
        session->windows().queueInput(e);
    }

    void start(std::vector<std::pair<std::string, double>> tracks)
    {
        std::filesystem::create_directories(path("music"));
        for (const auto& [name, seconds] : tracks)
            writeBytes(path("music") / name, "ID3");
        loadBoard();
        board->show();
        fake = std::make_unique<FakeMusic>(*session);
        for (const auto& [name, seconds] : tracks)
            fake->lengths[name] = seconds;
        player = std::make_unique<MusicPlayer>(*board, *fake, [this] { notices.push_back(user().noticeText); });
        auto& panel = control<qel::qelFrame>("frameplay");
        panel.setVisible(true);
        panel.zOrder(0);
        session->advance(1000);
    }

    forms::ListBox& list() { return control<forms::ListBox>("mp3list"); }
    AlphaImage& button(int index) { return control<AlphaImage>("a1", index); }
    std::string caption() { return control<forms::Label>("playlab").caption(); }
    std::string timeText() { return control<qel::qelLabel>("qelmp3").Caption(); }
    double progressEnd() { return control<forms::Line>("lmove").x2(); }
    bool progressRuns() { return control<forms::Timer>("Timer5").enabled(); }
    std::string loaded() { return fake->URL().empty() ? "" : std::filesystem::path(fake->URL()).filename().string(); }

    // A press `px` pixels from a control's left edge, in its middle row.
    void clickAt(const forms::Control& c, int px)
    {
        const plat::gfx::Rect r = session->windows().screenRect(c.hwnd());
        session->click(r.left + px, r.top + r.height() / 2);
        session->settle();
    }
    void clickEntry(int index, bool twice = false)
    {
        const plat::gfx::Rect row = list().entryRect(index);
        const plat::gfx::Rect r = session->windows().screenRect(list().hwnd());
        const int x = r.left + row.left + row.width() / 2, y = r.top + row.top + row.height() / 2;
        session->click(x, y);
        if (twice)
            session->click(x, y);
        session->settle();
    }

    std::unique_ptr<FakeMusic> fake;
    std::unique_ptr<MusicPlayer> player;
    std::vector<std::string> notices;

private:
    std::filesystem::path m_workingFolder;
};

} // namespace scoreboard::test
