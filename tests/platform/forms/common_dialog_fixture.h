#pragma once
#include "input_controls_fixture.h"
#include "platform/forms/common_dialog.h"
#include "platform/forms/list_box.h"
#include "platform/forms/message_box.h"
#include "platform/forms/message_box_button.h"
#include "tests/support/temp_folder.h"
#include <fstream>
#include <unistd.h>

namespace plat::forms::testing {

// A folder of its own per test, and the process's current folder put back afterwards.
class CommonDialogTest : public InputControlsTest {
protected:
    CommonDialogTest()
    {
        std::filesystem::create_directories(folder / "album");
        before = std::filesystem::current_path();
        dialog = &form.add<CommonDialog>("chooser");
    }
    ~CommonDialogTest() override
    {
        std::error_code ec;
        std::filesystem::current_path(before, ec);
    }
    void touch(const std::filesystem::path& p) { std::ofstream(p) << "x"; }

    // The middle of a control on the screen.
    gfx::Point centre(const Control& c)
    {
        gfx::Rect r = win::GetScreenRect(c.hwnd());
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    gfx::Point entry(const ListBox& list, int index)
    {
        gfx::Rect r = list.entryRect(index);
        gfx::Point o = win::ClientToScreen(list.hwnd(), {0, 0});
        return {o.x + r.left + 20, o.y + (r.top + r.bottom) / 2};
    }
    // Moves the virtual clock on from inside a modal loop's step (so that two clicks are not a double click).
    void pause(int ms) { session.backend().clock().sleepUntil(session.backend().clock().nowUs() + int64_t(ms) * 1000); }
    void queueShiftClick(gfx::Point p, int vk = win::VK_SHIFT)
    {
        queueKey(vk, true, false);
        queueClick(p);
        queueKey(vk, false, true);
    }

    const TempFolder scratch{"forms-dialog-XXXXXX"};
    std::filesystem::path folder = scratch.path();
    std::filesystem::path before;
    CommonDialog* dialog = nullptr;
};

} // namespace plat::forms::testing
