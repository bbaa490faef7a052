#include "common_dialog_fixture.h"
#include "platform/forms/color_dialog.h"
#include "platform/forms/open_file_dialog.h"
#include "platform/gfx/picture.h"

namespace plat::forms::testing {

using namespace plat::win;

// Pictures of the two common dialogs while they are up, to look at.
TEST_F(CommonDialogTest, GalleryOfTheCommonDialogs)
{
    for (const char* name : {"第一首.mp3", "second track.mp3", "三.mp3", "notes.txt"})
        touch(folder / name);
    dialog->setFilter("音乐(*.mp3)|*.mp3|所有文件(*.*)|*.*");
    dialog->setInitDir(folder.string());
    dialog->setFlags(cdlOFNExplorer | cdlOFNAllowMultiselect);
    whenIdle({
        [&] { queueClick(entry(OpenFileDialog::current()->fileList(), 2)); },
        [&] { queueShiftClick(entry(OpenFileDialog::current()->fileList(), 3)); },
        [&] {
            EXPECT_TRUE(gfx::savePng(sys().screen(), "/tmp/open_file_dialog.png"));
            queueKey(VK_ESCAPE);
        },
    });
    dialog->showOpen();

    dialog->setFlags(cdlCCRGBInit | cdlCCFullOpen);
    dialog->setColor(0x30AB48);
    whenIdle({
        [&] {
            EXPECT_TRUE(gfx::savePng(sys().screen(), "/tmp/color_dialog.png"));
            queueKey(VK_ESCAPE);
        },
    });
    dialog->showColor();
}

} // namespace plat::forms::testing
