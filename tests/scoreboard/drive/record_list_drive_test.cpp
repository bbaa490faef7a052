// The match-record list as the operator sees it while the delete question holds the focus: the
// row about to go stays readable.
#include "ball_drive_fixture.h"

#include "tests/support/screenshot_folder.h"

#include "platform/forms/column_header.h"
#include "platform/forms/fonts.h"
#include "platform/forms/list_view.h"
#include "platform/gfx/system_colors.h"
#include "platform/system/ansi_codec.h"
#include "platform/window/window_system.h"

namespace scoreboard::test {
namespace {

std::string record(const std::string& title)
{
    return plat::sys::encodeAnsi("比赛时间=2026-03-01 09:05:07\r\n比赛主题=" + title + "\r\n球队1=红队\r\nVS=VS\r\n球队2=蓝队\r\n"
                                 "第一节=20:18\r\n第二节=18:20\r\n第三节=22:20\r\n第四节=20:22\r\n总分=80:80\r\n备注=\r\n");
}

using RecordListDriveTest = BallDriveTest;

TEST_F(RecordListDriveTest, TheSelectedRowStaysReadableWhileTheDeleteQuestionShows)
{
    writeBytes(path("date/balldate.db"), record("春季杯") + record("夏季杯") + record("秋季杯"));
    ASSERT_TRUE(start());
    session->advance(3000);
    ASSERT_TRUE(mainForm().visible());
    test_support::ScreenshotFolder shots;
    const std::string shot = shots.path("delete-question.png").string();
    // The second row, then "删除": the question takes the focus; the picture, then Esc.
    drive("click on1(3)\nclick lookdate\nwait 500\nclick balllist1\nkey Home\nkey Down\nclick qelcom(0)\nwait 300\nshot " + shot
        + "\nkey Esc\n");
    plat::gfx::Picture picture;
    ASSERT_TRUE(picture.load(shot));
    const plat::gfx::Surface& screen = picture.image();

    auto& list = dynamic_cast<plat::forms::ListView&>(*mainForm().find("balllist1"));
    ASSERT_EQ(list.selectedItem(), list.listItems().item(2));
    const plat::gfx::Rect at = session->windows().screenRect(list.hwnd());
    // The first columns of the row, left of the question in the middle of the screen.
    const plat::gfx::Rect row = list.itemRect(*list.listItems().item(2)).offset(at.left, at.top);
    const plat::gfx::Rect cells{row.left + 2, row.top + 1, row.left + 360, row.bottom - 2};
    int face = 0, text = 0;
    for (int y = cells.top; y < cells.bottom; ++y) {
        for (int x = cells.left; x < cells.right; ++x) {
            const plat::gfx::Color c = screen.colorAt(x, y) & 0xFFFFFFu;
            face += c == (plat::gfx::systemColor(plat::gfx::ColorBtnFace) & 0xFFFFFFu) ? 1 : 0;
            const int r = int(c & 0xFF), g = int((c >> 8) & 0xFF), b = int((c >> 16) & 0xFF);
            text += r + g + b < 3 * 0x50 ? 1 : 0;
        }
    }
    EXPECT_GT(face, cells.width() * cells.height() / 2) << "the selection is marked in button face";
    EXPECT_GT(text, 150) << "its date and title in dark letters on it";
}

// The longest titles and names the dialogs take fit their columns whole, in wide letters too
// (no "..." at their end).
TEST_F(RecordListDriveTest, TheLongestTitlesAndNamesFitTheirColumns)
{
    const char* titles[] = {"WWWWWWWWWWWWWWWWWWWWWWWWW", "全国大学生篮球联赛总决赛"};
    const char* names[] = {"WWWWWWWWWWWW", "MWMWMWMWMWMW", "北京体育大学"};
    ASSERT_TRUE(start());
    session->advance(3000);
    drive("click on1(3)\nclick lookdate\nwait 500\n");
    auto& list = dynamic_cast<plat::forms::ListView&>(*mainForm().find("balllist1"));
    const plat::gfx::Font font = plat::forms::openFont(list.font());
    auto fits = [&](const char* text, int column) {
        // Twips to pixels, less the cell's padding either side.
        const int room = int(list.columnHeaders().item(column)->width() / 15) - 2 * 6;
        return font.textSize(text).width <= room;
    };
    for (const char* title : titles)
        EXPECT_TRUE(fits(title, 2)) << title;
    for (const char* name : names) {
        EXPECT_TRUE(fits(name, 3)) << name;
        EXPECT_TRUE(fits(name, 5)) << name;
    }
}

} // namespace
} // namespace scoreboard::test
