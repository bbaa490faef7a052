// The start button as the operator presses it: its pressed face and Enter held on it.
#include "ball_drive_fixture.h"

namespace scoreboard::test {
namespace {

using plat::gfx::Color;

int red(Color c) { return int(c & 0xFF); }
int green(Color c) { return int((c >> 8) & 0xFF); }
int blue(Color c) { return int((c >> 16) & 0xFF); }

class StartButtonDriveTest : public BallDriveTest {
protected:
    // The board with keyboard scoring on or off; nothing else differs from the usual start.
    void startWithKeyboardScoring(bool on)
    {
        writeSettings(720, 300);
        writeBytes(path("date/system.db"),
            std::string("sond10=True\r\nclosesoud=True\r\nballnumsound=False\r\nkeynum=") + (on ? "True" : "False")
                + "\r\ncommnum=True\r\nclosemusic=False\r\nnumback=True\r\nvideclose=False\r\n");
        ASSERT_TRUE(start());
        session->advance(3000);
        ASSERT_TRUE(mainForm().visible());
        t0 = session->nowMs();
    }

    // A pixel of the start button's face on the screen, `row` pixels from its top, a little in
    // from its left edge (away from the caption, the frames and the rounded corner).
    Color okPixel(int row)
    {
        plat::forms::Control* ok = mainForm().find("ok");
        EXPECT_NE(ok, nullptr);
        const plat::gfx::Rect r = session->windows().screenRect(ok->hwnd());
        return session->windows().screen().colorAt(r.left + 8, r.top + row);
    }
    int okHeight()
    {
        return session->windows().screenRect(mainForm().find("ok")->hwnd()).height();
    }
};

TEST_F(StartButtonDriveTest, PressedItRunsFromItsColourToBlackFromTheFirstPressOn)
{
    startBoard();
    // The stored look holds from the first press: no grey before the clock has ever run.
    EXPECT_EQ(drive("show ok BackColorPushed1 BackColorPushed2\n"), "ok.BackColorPushed1=&HFF\nok.BackColorPushed2=&H0\n");

    const int bottom = okHeight() - 5; // the last face row above the hover and focus frames
    struct Press {
        const char* what;
        Color top; // the colour the face starts from while the button is held
    } presses[] = {
        {"the press that starts the clock: green to black", 0x00FF00},
        {"the press that pauses it: red to black", 0x0000FF},
    };
    for (const Press& p : presses) {
        drive("press ok\nwait 600\n");
        const Color top = okPixel(6), low = okPixel(bottom);
        EXPECT_GT(red(top), red(p.top) - 0x30) << p.what;
        EXPECT_LT(red(top), red(p.top) + 0x30) << p.what;
        EXPECT_GT(green(top), green(p.top) - 0x30) << p.what;
        EXPECT_LT(green(top), green(p.top) + 0x30) << p.what;
        EXPECT_LT(blue(top), 0x30) << p.what;
        EXPECT_LT(std::max({red(low), green(low), blue(low)}), 0x30) << p.what << ": dark at the bottom edge";
        drive("release ok\nwait 600\n");
    }
    EXPECT_EQ(drive("show ok Caption\n"), "ok.Caption=开始\n");
}

TEST_F(StartButtonDriveTest, TheOtherBoardButtonsPressInTheirOwnColours)
{
    startBoard();
    for (const char* name : {"on1(1)", "v1(0)", "lookdate"}) {
        const std::vector<std::string> shown
            = lines(drive(std::string("show ") + name + " BackColor1 BackColor2 BackColorPushed1 BackColorPushed2\n"));
        ASSERT_EQ(shown.size(), 4u) << name;
        auto value = [](const std::string& line) { return line.substr(line.find('=') + 1); };
        EXPECT_EQ(value(shown[2]), value(shown[0])) << name << ": no grey of its own";
        EXPECT_EQ(value(shown[3]), value(shown[1])) << name;
    }
}

// Held: the first key-down and four auto-repeats, then a short press; each toggles the clock once.
std::string holdThenPressEnter(const TimedScript& from)
{
    TimedScript s = from;
    const int64_t t = s.end();
    s.step("keydown Enter");
    for (int64_t at : {500, 533, 566, 600})
        s.at(t + at).step("keydown Enter");
    s.at(t + 650).step("keyup Enter").step("show ok Caption");
    s.at(t + 2000).step("key Enter").step("show ok Caption");
    return s.text();
}

TEST_F(StartButtonDriveTest, OneHeldEnterOnTheFocusedStartButtonTogglesTheClockOnce)
{
    startWithKeyboardScoring(false);
    EXPECT_EQ(drive(holdThenPressEnter(script())), "ok.Caption=暂停\nok.Caption=开始\n");
}

TEST_F(StartButtonDriveTest, OneHeldEnterAsTheStartKeyTogglesTheClockOnce)
{
    startWithKeyboardScoring(true);
    EXPECT_EQ(drive(holdThenPressEnter(script())), "ok.Caption=暂停\nok.Caption=开始\n");
}

} // namespace
} // namespace scoreboard::test
