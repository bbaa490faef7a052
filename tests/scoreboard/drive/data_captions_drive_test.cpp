// Captions that show what the operator typed (title, team names, referees, rosters) show an "&"
// as it is written, never as the mark of an underlined letter.
#include "ball_drive_fixture.h"

#include <algorithm>

namespace scoreboard::test {
namespace {

using DataCaptionsDriveTest = BallDriveTest;

TEST_F(DataCaptionsDriveTest, AnAmpersandInTheDataIsShownAsWritten)
{
    writeBytes(path("date/config.db"), "allname=Tom & Jerry Cup\r\nballname1=R&D Club\r\nballname2=A&&B\r\n");
    ASSERT_TRUE(start());
    session->advance(3000);
    ASSERT_TRUE(mainForm().visible());
    t0 = session->nowMs();

    const std::string shown = drive("show titxt(1) Caption UseMnemonic\nshow ballname(0) Caption UseMnemonic\n"
                                    "show ballname(1) Caption UseMnemonic\n");
    EXPECT_EQ(shown, "titxt(1).Caption=Tom & Jerry Cup\ntitxt(1).UseMnemonic=False\n"
                     "ballname(0).Caption=R&D Club\nballname(0).UseMnemonic=False\n"
                     "ballname(1).Caption=A&&B\nballname(1).UseMnemonic=False\n");

    // Every other place that shows typed names: shadows, referees, rosters, the report and the
    // score sheet, the music caption and the notice.
    for (const char* name : {"titxt(0)", "ballname(2)", "ballname(3)", "zailab(0)", "zailab(2)", "bflab(0)",
                             "namelab1(0)", "namelab2(11)", "vlook1(0)", "vlook1(1)", "onename", "ballnum(0)",
                             "ballnum(1)", "playlab", "L1"}) {
        EXPECT_EQ(drive(std::string("show ") + name + " UseMnemonic\n"), std::string(name) + ".UseMnemonic=False\n");
    }
    // The menu row's captions are designed ones: they keep the mnemonic.
    EXPECT_EQ(drive("show lab(0) UseMnemonic\n"), "lab(0).UseMnemonic=True\n");
}

// Drawn as written: "R&D" is wider on the board than "RD" by the "&", where a mnemonic would
// draw "RD" with an underlined D.
TEST_F(DataCaptionsDriveTest, AnAmpersandInATeamNameIsDrawn)
{
    writeBytes(path("date/config.db"), "ballname1=RD\r\nballname2=R&D\r\n");
    ASSERT_TRUE(start());
    session->advance(3000);
    ASSERT_TRUE(mainForm().visible());
    drive("wait 100\n");
    // The columns of a name's label that hold its white letters.
    auto inkWidth = [&](int index) {
        const plat::gfx::Rect r = session->windows().screenRect(mainForm().find("ballname", index)->hwnd());
        int first = r.right, last = r.left - 1;
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) {
                const plat::gfx::Color c = session->windows().screen().colorAt(x, y);
                if ((c & 0xFF) > 0xC0 && ((c >> 8) & 0xFF) > 0xC0 && ((c >> 16) & 0xFF) > 0xC0) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
            }
        }
        return last - first + 1;
    };
    const int plain = inkWidth(0), withAmpersand = inkWidth(1);
    EXPECT_GT(plain, 40);
    EXPECT_GT(withAmpersand, plain + plain / 4) << "RD is " << plain << " px wide";
}

} // namespace
} // namespace scoreboard::test
