// Captions that show what the operator typed (title, team names, referees, rosters) show an "&"
// as it is written, never as the mark of an underlined letter.
#include "ball_drive_fixture.h"

#include "platform/system/ansi_codec.h"

#include <algorithm>
#include <climits>

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

// Where the bright letters of a label are on the screen (the title's cyan, the names' white).
struct Ink {
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    bool any() const { return right >= 0; }
};

bool bright(plat::gfx::Color c)
{
    const int r = int(c & 0xFF), g = int((c >> 8) & 0xFF), b = int((c >> 16) & 0xFF);
    return (r > 0xC0) + (g > 0xC0) + (b > 0xC0) >= 2;
}

bool lit(plat::gfx::Color c)
{
    const int r = int(c & 0xFF), g = int((c >> 8) & 0xFF), b = int((c >> 16) & 0xFF);
    return r + g + b > 3 * 0x70;
}

class DataFitDriveTest : public BallDriveTest {
protected:
    plat::gfx::Rect rectOf(const std::string& name, int index) { return session->windows().screenRect(mainForm().find(name, index)->hwnd()); }

    Ink inkIn(const plat::gfx::Rect& r, bool (*letter)(plat::gfx::Color))
    {
        Ink ink;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (letter(session->windows().screen().colorAt(x, y))) {
                    ink.left = std::min(ink.left, x);
                    ink.right = std::max(ink.right, x);
                    ink.top = std::min(ink.top, y);
                    ink.bottom = std::max(ink.bottom, y);
                }
        return ink;
    }

    // The letters show, and none reaches the edge where the label would cut it: a drawn label
    // clips its caption one pixel in, a plain one at its window; a text too wide for a centred
    // label is cut on both sides, for a left-aligned one on the right, a right-aligned one on
    // the left; a wrapped or too tall one at the bottom.
    enum Edges { Left = 1, Right = 2 };
    void expectWhole(const std::string& name, int index, int edges = Left | Right, bool (*letter)(plat::gfx::Color) = bright,
        int clip = 1)
    {
        const plat::gfx::Rect r = rectOf(name, index);
        const Ink ink = inkIn(r, letter);
        SCOPED_TRACE(name + "(" + std::to_string(index) + ") \"" + captionOf(name, index) + "\"");
        ASSERT_TRUE(ink.any());
        if (edges & Left) {
            EXPECT_GT(ink.left, r.left + clip) << "cut on the left";
        }
        if (edges & Right) {
            EXPECT_LT(ink.right, r.right - 1 - clip) << "cut on the right";
        }
        EXPECT_LT(ink.bottom, r.bottom - 1) << "cut at the bottom";
    }

    std::string captionOf(const std::string& name, int index)
    {
        const std::string shown = drive("show " + name + "(" + std::to_string(index) + ") Caption\n");
        return shown.substr(shown.find('=') + 1, shown.size() - shown.find('=') - 2);
    }

    void startWith(const std::string& config, const std::string& keys = {})
    {
        writeBytes(path("date/config.db"), plat::sys::encodeAnsi(config));
        if (!keys.empty())
            writeBytes(path("date/keyconfig.db"), keys);
        ASSERT_TRUE(start());
        session->advance(3000);
        ASSERT_TRUE(mainForm().visible());
        t0 = session->nowMs();
        drive("wait 1100\n");
    }
};

// The longest names the teams dialog takes (12 half-width units) and titles the title dialog
// takes, in wide and narrow letters and with descenders: whole on the board and the score sheet.
TEST_F(DataFitDriveTest, EveryNameAndTitleADialogAcceptsShowsWhole)
{
    const struct {
        const char* title;
        const char* teamA;
        const char* teamB;
    } cases[] = {
        {"WWWWWWWWWWWWWWWWWWWWWWWWW", "MAVERICKSABC", "WWWWWWWWWWWW"},
        {"全国大学生篮球联赛总决赛", "Tom & Jerry", "北京体育大学"},
        {"Spring Cup, jpqy gyp 2026", "gjpqyjgjpqyj", "MWMWMWMWMWMW"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        startWith(std::string("allname=") + c.title + "\r\nballname1=" + c.teamA + "\r\nballname2=" + c.teamB + "\r\n");
        expectWhole("titxt", 1);
        expectWhole("ballname", 0);
        expectWhole("ballname", 1);
        drive("click on1(3)\nwait 300\n");
        expectWhole("ballnum", 0);
        expectWhole("ballnum", 1);
        TearDown();
        SetUp();
    }
}

// The key hints with the longest key names: one line, whole.
TEST_F(DataFitDriveTest, TheKeyHintShowsLongKeyNamesWhole)
{
    // Shift and the Windows key for side A, F1 and F2 for side B.
    startWith("ballname1=A\r\nballname2=B\r\n", "Aonkey=16\r\nAoutkey=91\r\nBonkey=112\r\nBoutkey=113\r\n");
    for (int index : {0, 1}) {
        EXPECT_EQ(captionOf("keylab", index), index == 0 ? "+分:(SHIFT 键) -分:(键码 91)" : "+分:(F1 键) -分:(F2 键)");
        expectWhole("keylab", index, index == 0 ? Right : Left, lit, 0);
    }
    // Shrunk to fit one line: the hint spans its label nearly edge to edge.
    const plat::gfx::Rect r = rectOf("keylab", 0);
    const Ink ink = inkIn(r, lit);
    EXPECT_GT(ink.right - ink.left, r.width() * 8 / 10);
}

} // namespace
} // namespace scoreboard::test
