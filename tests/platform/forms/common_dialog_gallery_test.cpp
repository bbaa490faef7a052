#include "common_dialog_fixture.h"
#include "platform/forms/color_dialog.h"
#include "platform/forms/open_file_dialog.h"
#include "platform/gfx/system_colors.h"
#include "tests/support/screenshot_folder.h"

namespace plat::forms::testing {

using namespace plat::win;

// Pictures of the two common dialogs while they are up, saved and checked.
TEST_F(CommonDialogTest, GalleryOfTheCommonDialogs)
{
    const test_support::ScreenshotFolder shots;
    for (const char* name : {"第一首.mp3", "second track.mp3", "三.mp3", "notes.txt"})
        touch(folder / name);
    dialog->setFilter("音乐(*.mp3)|*.mp3|所有文件(*.*)|*.*");
    dialog->setInitDir(folder.string());
    dialog->setFlags(cdlOFNExplorer | cdlOFNAllowMultiselect);
    whenIdle({
        [&] { queueClick(entry(OpenFileDialog::current()->fileList(), 2)); },
        [&] { queueShiftClick(entry(OpenFileDialog::current()->fileList(), 3)); },
        [&] {
            const gfx::Surface shot = shots.save(sys().screen(), "open_file_dialog.png");
            EXPECT_EQ(shot.pixels(), sys().screen().pixels());
            // The shift-click chose the third and fourth entries: they show highlighted, the rest not.
            const ListBox& list = OpenFileDialog::current()->fileList();
            const gfx::Rect r = win::GetScreenRect(list.hwnd());
            const gfx::Color highlight = gfx::systemColor(gfx::ColorHighlight);
            for (int i = 0; i < 5; ++i) {
                const gfx::Rect row = list.entryRect(i).offset(r.left, r.top);
                EXPECT_EQ(test_support::mostlyOfColor(shot, row, highlight), i == 2 || i == 3) << i;
            }
            queueKey(VK_ESCAPE);
        },
    });
    dialog->showOpen();

    dialog->setFlags(cdlCCRGBInit | cdlCCFullOpen);
    dialog->setColor(0x30AB48);
    whenIdle({
        [&] {
            const gfx::Surface shot = shots.save(sys().screen(), "color_dialog.png");
            EXPECT_EQ(shot.pixels(), sys().screen().pixels());
            // The colour it opened with fills the preview box.
            EXPECT_GT(test_support::pixelsOfColor(shot, sys().screen().rect(), 0x30AB48), 40 * 30);
            queueKey(VK_ESCAPE);
        },
    });
    dialog->showColor();
}

} // namespace plat::forms::testing
