// End-to-end checks of the scoreboard: the whole program runs in ball-drive on a fresh program
// folder, from a script, and the test reads what the script printed and the files it left.
#include "built_program.h"

#include "platform/system/ansi_codec.h"
#include "platform/system/date_time.h"

#include <array>
#include <cstdio>
#include <cstdlib>

namespace scoreboard::test {
namespace {

class BoardDriveTest : public BuiltProgramTest {
protected:
    // The script on a screen of `screen` (WIDTHxHEIGHT) when given.
    ProgramRun drive(const std::string& script, const std::string& screen = "") const
    {
        return BuiltProgramTest::drive(script, screen.empty() ? std::vector<std::string>{} : std::vector<std::string>{ "--screen", screen });
    }

    // Width and height from a PNG file's header.
    static std::array<int, 2> pngSize(const fs::path& file)
    {
        const std::string bytes = readBytes(file);
        if (bytes.size() < 24 || bytes.compare(1, 3, "PNG") != 0)
            return {0, 0};
        auto at = [&](size_t i) {
            return int(uint8_t(bytes[i])) << 24 | int(uint8_t(bytes[i + 1])) << 16 | int(uint8_t(bytes[i + 2])) << 8
                | int(uint8_t(bytes[i + 3]));
        };
        return {at(16), at(20)};
    }
};

constexpr const char* kAfterStartUp = "wait 3100\nform main\n";

TEST_F(BoardDriveTest, AfterTheStartUpTheBoardShowsAFreshMatch)
{
    const ProgramRun run = drive(std::string(kAfterStartUp)
        + "show titxt(1) Caption Visible\n"
          "show balltime Caption ForeColor\n"
          "show ballnumber(0) Caption\n"
          "show ballnumber(1) Caption\n"
          "show ballmakenum Caption\n"
          "show ballname(0) Caption\n"
          "show ballname(1) Caption\n"
          "show zailab(0) Visible\n"
          "show zailab(1) Visible\n"
          "show zailab(2) Visible\n"
          "show ok Caption\n"
          "show showtime Visible\n"
          "show inshow Visible\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const plat::sys::SystemDateSource system;
    EXPECT_EQ(lines(run.out), (std::vector<std::string>{
                                  "titxt(1).Caption=" + std::to_string(plat::sys::currentYear(system)) + "Mirelda",
                                  "titxt(1).Visible=True",
                                  "balltime.Caption=12:00",
                                  "balltime.ForeColor=&HFF00",
                                  "ballnumber(0).Caption=0",
                                  "ballnumber(1).Caption=0",
                                  "ballmakenum.Caption=1",
                                  "ballname(0).Caption=篮球社团A队",
                                  "ballname(1).Caption=篮球社团B队",
                                  "zailab(0).Visible=False",
                                  "zailab(1).Visible=False",
                                  "zailab(2).Visible=False",
                                  "ok.Caption=开始",
                                  "showtime.Visible=True",
                                  "inshow.Visible=False",
                              }));
}

TEST_F(BoardDriveTest, TitleTeamsAndRefereesComeFromTheSettings)
{
    put("date/config.db",
        plat::sys::encodeAnsi("allname=市运会决赛\r\ndelalltime=600\r\njstime=300\r\nballname1=红队\r\nballname2=蓝队\r\n"
                              "zainame1=张三\r\nzainame2=李四\r\nzainame3=王五\r\nzainum=3\r\n"
                              "alltime=55\r\nbnum1=40\r\nmakenum=3\r\n"));
    const ProgramRun run = drive(std::string(kAfterStartUp)
        + "show titxt(0) Caption\nshow titxt(1) Caption\nshow balltime Caption\nshow ballnumber(0) Caption\n"
          "show ballmakenum Caption\nshow ballname(0) Caption\nshow ballname(1) Caption\n"
          "show zailab(0) Caption Visible\nshow zailab(1) Caption Visible\nshow zailab(2) Caption Visible\n");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(lines(run.out), (std::vector<std::string>{
                                  "titxt(0).Caption=市运会决赛",
                                  "titxt(1).Caption=市运会决赛",
                                  "balltime.Caption=10:00",
                                  "ballnumber(0).Caption=0",
                                  "ballmakenum.Caption=1",
                                  "ballname(0).Caption=红队",
                                  "ballname(1).Caption=蓝队",
                                  "zailab(0).Caption=副裁判:张三",
                                  "zailab(0).Visible=True",
                                  "zailab(1).Caption=主裁判:李四",
                                  "zailab(1).Visible=True",
                                  "zailab(2).Caption=副裁判:王五",
                                  "zailab(2).Visible=True",
                              }));
}

TEST_F(BoardDriveTest, ANoticeClosesItselfAfterFiveSecondsWithItsCountdown)
{
    // A period of one second runs out: at "0.0" the start command refuses with a notice.
    put("date/config.db", "allname=Cup\r\ndelalltime=1\r\n");
    const ProgramRun run = drive(std::string(kAfterStartUp)
        + "click ok\nwait 1500\n"
          "show balltime Caption ForeColor\n"
          "click ok\n"
          "show inshow Visible\nshow L1 Caption\nshow qel1 Caption\n"
          "wait 1000\nshow qel1 Caption\n"
          "wait 1000\nshow qel1 Caption\n"
          "wait 1000\nshow qel1 Caption\n"
          "wait 1000\nshow qel1 Caption\nshow inshow Visible\n"
          "wait 999\nshow inshow Visible\n"
          "wait 1\nshow inshow Visible\n");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(lines(run.out), (std::vector<std::string>{
                                  "balltime.Caption=0.0",
                                  "balltime.ForeColor=&HFF",
                                  "inshow.Visible=True",
                                  "L1.Caption=比赛时间没设置好!",
                                  "qel1.Caption=5秒后关闭",
                                  "qel1.Caption=4秒后关闭",
                                  "qel1.Caption=3秒后关闭",
                                  "qel1.Caption=2秒后关闭",
                                  "qel1.Caption=1秒后关闭",
                                  "inshow.Visible=True",
                                  "inshow.Visible=True",
                                  "inshow.Visible=False",
                              }));
}

TEST_F(BoardDriveTest, ClosingTheBoardWritesTheSettingsFile)
{
    const ProgramRun run = drive(kAfterStartUp);
    ASSERT_EQ(run.status, 0) << run.err;
    // The first run writes five lines; the close writes all nine.
    const plat::sys::SystemDateSource system;
    EXPECT_EQ(read("date/config.db"),
        "allname=" + std::to_string(plat::sys::currentYear(system)) + "Mirelda\r\ndelalltime=720\r\njstime=300\r\n"
            + plat::sys::encodeAnsi("ballname1=篮球社团A队\r\nballname2=篮球社团B队\r\n")
            + "zainame1=\r\nzainame2=\r\nzainame3=\r\nzainum=0\r\n");
}

TEST_F(BoardDriveTest, TheExitCommandClosesTheBoardAndWritesTheSettingsFile)
{
    put("date/config.db", plat::sys::encodeAnsi("allname=决赛\r\nzainame2=李四\r\nzainum=1\r\n"));
    // The exit asks first; Enter answers OK. The program has ended before the last step.
    const ProgramRun run = drive(std::string(kAfterStartUp) + "click on1(6)\nkey Enter\nshow ok Caption\n");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(read("date/config.db"),
        plat::sys::encodeAnsi("allname=决赛\r\ndelalltime=720\r\njstime=300\r\nballname1=\r\nballname2=\r\n"
                              "zainame1=\r\nzainame2=李四\r\nzainame3=\r\nzainum=1\r\n"));
}

TEST_F(BoardDriveTest, ALargerScreenIsFilledWithTheMainFrameCentred)
{
    const fs::path shot = home() / "board.png";
    // The start-up first advises 1024 x 768 in a message box, which Enter closes.
    const ProgramRun run = drive("key Enter\n" + std::string(kAfterStartUp)
            + "show qelf1 Left Top Width Height\nshow showtime Left Top\nshot " + shot.string() + "\n",
        "1280x1024");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(lines(run.out), (std::vector<std::string>{
                                  "qelf1.Left=1920",
                                  "qelf1.Top=1920",
                                  "qelf1.Width=15360",
                                  "qelf1.Height=11520",
                                  "showtime.Left=30",
                                  "showtime.Top=1320",
                              }));
    EXPECT_EQ(pngSize(shot), (std::array<int, 2>{1280, 1024}));
}

// Keys pressed while the start-up screen shows (from 0.5 s on) do nothing there; the board takes
// them, in the order they came, when it shows at 3 s. What the board shows at 2.9 s and at 5.1 s.
TEST_F(BoardDriveTest, KeysPressedOnTheStartUpScreenReachTheBoardInOrder)
{
    const struct {
        const char* during; // from 0.5 s
        const char* after;  // from 3.1 s
        std::vector<std::string> board;
    } cases[] = {
        {"key 1\nkey 2\nkey 2", "", {"1", "2", "12:00"}},
        {"key 1\nkey F1", "", {"0", "0", "12:00"}},
        {"key F1\nkey 1", "", {"1", "0", "12:00"}},
        {"key 2\nkey Enter", "", {"0", "1", "11:58"}},
        // A key still held when the board shows acts once, and goes up when it is let go.
        {"keydown 2", "keyup 2\nkey 2", {"0", "2", "12:00"}},
    };
    const std::string board = "show ballnumber(0) Caption\nshow ballnumber(1) Caption\nshow balltime Caption\n";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.during);
        fs::remove_all(home());
        fs::create_directories(home());
        const ProgramRun run = drive("wait 500\n" + std::string(c.during) + "\nwait 2400\nform main\n" + board + "wait 200\n"
            + c.after + "\nwait " + (c.after[0] ? "1990" : "2000") + "\n" + board);
        ASSERT_EQ(run.status, 0) << run.err;
        std::vector<std::string> expected{"ballnumber(0).Caption=0", "ballnumber(1).Caption=0", "balltime.Caption=12:00",
            "ballnumber(0).Caption=" + c.board[0], "ballnumber(1).Caption=" + c.board[1], "balltime.Caption=" + c.board[2]};
        EXPECT_EQ(lines(run.out), expected);
    }
}

// At 1280 x 1024 the start-up advises 1024 x 768 in a box before its screen shows; the Enter
// that closes the box is not a start key for the board.
TEST_F(BoardDriveTest, TheKeyThatClosesTheAdviceBoxDoesNotStartTheClock)
{
    const ProgramRun run = drive("key Enter\nwait 5000\nform main\nshow balltime Caption\n", "1280x1024");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "balltime.Caption=12:00\n");
}

TEST_F(BoardDriveTest, AnUnknownControlIsAnErrorWithItsLine)
{
    const ProgramRun run = drive(std::string(kAfterStartUp) + "show nosuch Caption\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("line 3"), std::string::npos) << run.err;
}

// A script with a faulty line is refused before the program starts: exit status 2, the line
// and what is wrong on standard error, and the program folder as it was. Numbers out of their
// range are refused, never cut down to fit.
TEST_F(BoardDriveTest, AFaultyLineIsRefusedWithItsLineBeforeTheProgramStarts)
{
    const struct {
        const char* line;
        const char* error;
    } cases[] = {
        {"type", "line 3: type needs a text (a space alone is typed with \"key space\")"},
        {"type   ", "line 3: type needs a text (a space alone is typed with \"key space\")"},
        {"type \t ", "line 3: type needs a text (a space alone is typed with \"key space\")"},
        {"click x(99999999999)", "line 3: index \"99999999999\" is not a number from 0 to 32767"},
        {"show x(32768) Caption", "line 3: index \"32768\" is not a number from 0 to 32767"},
        {"press x(-1)", "line 3: index \"-1\" is not a number from 0 to 32767"},
        {"dblclick x(1e3)", "line 3: index \"1e3\" is not a number from 0 to 32767"},
        {"rclick x()", "line 3: index \"\" is not a number from 0 to 32767"},
        {"wait 99999999999999999999", "line 3: wait needs a number of milliseconds from 0 to 86400000"},
        {"wait 86400001", "line 3: wait needs a number of milliseconds from 0 to 86400000"},
        {"wait -5", "line 3: wait needs a number of milliseconds from 0 to 86400000"},
        {"wait   ", "line 3: wait needs a number of milliseconds from 0 to 86400000"},
        {"key 256", "line 3: unknown key \"256\""},
        {"key f25", "line 3: unknown key \"f25\""},
        {"keydown 99999999999999999999", "line 3: unknown key \"99999999999999999999\""},
        {"shot  ", "line 3: shot needs a file name"},
        {"click  ", "line 3: click needs one control name, NAME or NAME(INDEX)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const ProgramRun run = drive(std::string(kAfterStartUp) + c.line + "\nshow showtime Caption\n");
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, std::string(c.error) + "\n");
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(fs::is_empty(home()));
    }
}

TEST_F(BoardDriveTest, TheLargestIndexReadsAndIsLookedForWhole)
{
    const ProgramRun run = drive(std::string(kAfterStartUp) + "show nosuch(32767) Caption\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "line 3: form \"main\" has no control \"nosuch(32767)\"\n");
}

TEST_F(BoardDriveTest, AScreenSizeOutOfRangeOrWithMoreAfterItIsRefused)
{
    for (const char* screen : {"99999x768", "1024x0", "1024x768px", "1024", "x768", "99999999999x768"}) {
        SCOPED_TRACE(screen);
        const ProgramRun run = drive(std::string(kAfterStartUp) + "show showtime Caption\n", screen);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find("--screen wants WIDTHxHEIGHT, each from 1 to 8192"), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
}

} // namespace
} // namespace scoreboard::test
