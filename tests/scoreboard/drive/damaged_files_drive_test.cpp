// Damaged, hand-edited and hostile files in the program folder, each read by the built program on
// a fresh program folder: the board comes up, and the test reads what it shows afterwards.
#include "built_program.h"

#include "../../platform/gfx/blank_png.h"

#include "platform/gfx/picture.h"
#include "platform/system/ansi_codec.h"
#include "platform/system/date_time.h"

#include <algorithm>
#include <sys/stat.h>

namespace scoreboard::test {
namespace {

using plat::sys::encodeAnsi;

// Every byte value four times over: NULs, line ends, "=", commas and bytes that are no GBK.
std::string binaryBytes()
{
    std::string bytes;
    for (int round = 0; round < 4; ++round)
        for (int b = 0; b < 256; ++b)
            bytes += char((b * 37 + round) & 0xFF);
    return bytes;
}

// A line far longer than any the program writes.
std::string hugeLine() { return "allname=" + std::string(100000, 'W'); }

// The peak memory of a run that decodes no huge picture, with room to spare (a normal run takes
// about 110 MB); the address sanitizer's shadow memory comes on top of it.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define UNDER_ADDRESS_SANITIZER
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(UNDER_ADDRESS_SANITIZER)
constexpr long kSaneMemoryKb = 2048L * 1024;
constexpr long kBigLogoMemoryKb = kSaneMemoryKb;
#else
constexpr long kSaneMemoryKb = 400L * 1024;
// A big logo is decoded once, reduced as it is decoded: the run stays far below what the picture
// would take whole (8000 x 8000 pixels are 256 MB).
constexpr long kBigLogoMemoryKb = 250L * 1000;
#endif

// The files a first run writes, so that each row damages one of them only.
// The match title a first run writes: the year and "Mirelda".
std::string firstRunTitle()
{
    const plat::sys::SystemDateSource system;
    return std::to_string(plat::sys::currentYear(system)) + "Mirelda";
}

const std::string kConfig = "allname=Cup\r\ndelalltime=600\r\njstime=300\r\nballname1=Red\r\nballname2=Blue\r\n";

struct Row {
    std::string what;
    std::string bytes;
    std::string board;
};

class DamagedFilesDriveTest : public BuiltProgramTest {
protected:
    // The board once the start-up screen has gone: the title, the clock, the team names, and the
    // scores after the keys 1, 2, 2, F1 and A (with the first-run keys: A 1 - 1, B 2).
    std::string shownBoard(const std::string& more = "")
    {
        const ProgramRun run = drive("wait 3100\nform main\n"
                                     "show titxt(1) Caption\nshow balltime Caption\nshow ballname(0) Caption\nshow ballname(1) Caption\n"
                                     "key 1\nkey 2\nkey 2\nkey F1\nkey A\n"
                                     "show ballnumber(0) Caption\nshow ballnumber(1) Caption\n"
            + more);
        EXPECT_TRUE(run.ended && run.status == 0) << "status " << run.status << ", signal " << run.signal << "\n" << run.err;
        std::string shown;
        const std::vector<std::string> values = lines(run.out);
        for (size_t i = 0; i < values.size(); ++i)
            shown += (i ? " | " : "") + values[i].substr(values[i].find('=') + 1);
        return shown;
    }

    void expectRows(const std::string& file, const std::vector<Row>& rows, const std::string& more = "")
    {
        for (const Row& row : rows) {
            SCOPED_TRACE(file + ": " + row.what);
            std::error_code error;
            fs::remove_all(home(), error);
            fs::create_directories(home() / "date");
            if (file != "date/config.db")
                put("date/config.db", kConfig);
            put(file, row.bytes);
            EXPECT_EQ(shownBoard(more), row.board);
        }
    }
};

TEST_F(DamagedFilesDriveTest, MatchSettings)
{
    expectRows("date/config.db", {
        { "CR LF", kConfig, "Cup | 10:00 | Red | Blue | 0 | 2" },
        { "LF only", "allname=LF Cup\ndelalltime=480\njstime=300\nballname1=Red\nballname2=Blue\n", "LF Cup | 08:00 | Red | Blue | 0 | 2" },
        { "CR only", "allname=CR Cup\rdelalltime=480\rballname1=Red\rballname2=Blue\r", "CR Cup | 08:00 | Red | Blue | 0 | 2" },
        { "ends mixed, none on the last line", "allname=Mixed\r\ndelalltime=480\rballname1=Red\nballname2=Blue",
            "Mixed | 08:00 | Red | Blue | 0 | 2" },
        // A file of no bytes is what a first run on a full disk leaves: it gets the first-run defaults.
        { "empty", "", firstRunTitle() + " | 12:00 | 篮球社团A队 | 篮球社团B队 | 0 | 2" },
        // Nothing to read: the lengths fall back to 12:00; title and names stay as empty as they start.
        { "binary", binaryBytes(), " | 12:00 |  |  | 0 | 2" },
        { "a huge line, then good lines", hugeLine() + "\r\ndelalltime=300\r\nballname1=Red\r\n", " | 05:00 | Red |  | 0 | 2" },
        { "lengths of no time", kConfig + "delalltime=0\r\njstime=-100\r\n", "Cup | 10:00 | Red | Blue | 0 | 2" },
        { "lengths below zero only", "allname=Cup\r\ndelalltime=-100\r\n", "Cup | 12:00 |  |  | 0 | 2" },
        { "lengths beyond a number's range", "allname=Cup\r\ndelalltime=99999999\r\njstime=1e400\r\n", "Cup | 12:00 |  |  | 0 | 2" },
        { "lengths that are no numbers", "allname=Cup\r\ndelalltime=twelve\r\n", "Cup | 12:00 |  |  | 0 | 2" },
        { "only the period length", "delalltime=60\r\n", " | 01:00 |  |  | 0 | 2" },
        { "team names given empty", "allname=Cup\r\nballname1=\r\nballname2=\r\n", "Cup | 12:00 |  |  | 0 | 2" },
        { "an equals sign in the title", "allname=A=B\r\nballname1=Red\r\n", "A=B | 12:00 | Red |  | 0 | 2" },
        { "GBK text", encodeAnsi("allname=市运会决赛\r\nballname1=红队\r\nballname2=蓝队\r\n"), "市运会决赛 | 12:00 | 红队 | 蓝队 | 0 | 2" },
    });
}

TEST_F(DamagedFilesDriveTest, ScoreKeys)
{
    // Keys swapped between the sides: 2 and F2 count for A, 1 and F1 for B.
    const std::string swapped = "Aonkey=50\nAoutkey=113\nBonkey=49\nBoutkey=112\n";
    auto withEnds = [&](const std::string& end) {
        std::string text;
        for (const std::string& line : lines(swapped))
            text += line + end;
        return text;
    };
    expectRows("date/keyconfig.db", {
        { "CR LF", withEnds("\r\n"), "Cup | 10:00 | Red | Blue | 2 | 0" },
        { "LF only", swapped, "Cup | 10:00 | Red | Blue | 2 | 0" },
        { "CR only", withEnds("\r"), "Cup | 10:00 | Red | Blue | 2 | 0" },
        { "empty: the first-run keys", "", "Cup | 10:00 | Red | Blue | 0 | 2" },
        { "binary", binaryBytes(), "Cup | 10:00 | Red | Blue | 0 | 2" },
        { "a huge line, then one key", "Aonkey=" + std::string(100000, '5') + "\r\nBonkey=65\r\n", "Cup | 10:00 | Red | Blue | 0 | 1" },
        { "codes of no key", "Aonkey=0\r\nAoutkey=-5\r\nBonkey=300\r\nBoutkey=70000\r\n", "Cup | 10:00 | Red | Blue | 0 | 2" },
        { "codes that are no numbers", "Aonkey=abc\r\nAoutkey=\r\nBonkey=1e400\r\nBoutkey=F2\r\n", "Cup | 10:00 | Red | Blue | 0 | 2" },
        { "one key only, the others first-run", "Bonkey=65\r\n", "Cup | 10:00 | Red | Blue | 0 | 1" },
        { "a fraction: its whole part", "Bonkey=65.9\r\n", "Cup | 10:00 | Red | Blue | 0 | 1" },
    });
}

TEST_F(DamagedFilesDriveTest, DisplayAndSoundSwitches)
{
    // The score keys, the score buttons and the light behind the scores show three of the switches.
    const std::string more = "show v1(0) Visible\nshow backw(1) Visible\n";
    const std::string off = "sond10=False\nclosesoud=False\nballnumsound=False\nkeynum=False\ncommnum=False\nclosemusic=False\nnumback=False\nvideclose=False\n";
    std::string offCr = off;
    std::replace(offCr.begin(), offCr.end(), '\n', '\r');
    expectRows("date/system.db", {
        { "LF only, all off", off, "Cup | 10:00 | Red | Blue | 0 | 0 | False | False" },
        { "CR only, all off", offCr, "Cup | 10:00 | Red | Blue | 0 | 0 | False | False" },
        { "empty: on but the music switch", "", "Cup | 10:00 | Red | Blue | 0 | 2 | True | True" },
        { "binary", binaryBytes(), "Cup | 10:00 | Red | Blue | 0 | 2 | True | True" },
        { "a huge line first", std::string(100000, 'x') + "\r\n" + off, "Cup | 10:00 | Red | Blue | 0 | 2 | True | True" },
        { "three lines only", "sond10=False\r\nclosesoud=False\r\nballnumsound=False\r\n", "Cup | 10:00 | Red | Blue | 0 | 2 | True | True" },
        { "off in another letter case", "sond10=False\r\nclosesoud=False\r\nballnumsound=False\r\nkeynum=FALSE\r\ncommnum=false\r\n",
            "Cup | 10:00 | Red | Blue | 0 | 2 | True | True" },
    }, more);
}

TEST_F(DamagedFilesDriveTest, MatchArchive)
{
    const std::string record = encodeAnsi("比赛时间=2026-03-01 09:05:07\r\n比赛主题=春季杯\r\n球队1=红队\r\nVS=VS\r\n球队2=蓝队\r\n"
                                          "第一节=20:18\r\n第二节=18:20\r\n第三节=22:20\r\n第四节=20:21\r\n总分=80:79\r\n备注=\r\n");
    auto ends = [&](const std::string& end) {
        std::string text;
        for (const std::string& line : lines(record + record)) {
            text += line.substr(0, line.size() - 1) + end;
        }
        return text;
    };
    const std::string more = "click on1(3)\nclick lookdate\nwait 1000\nshow balldateallnum Caption\n";
    expectRows("date/balldate.db", {
        { "CR LF", record + record, "Cup | 10:00 | Red | Blue | 0 | 2 | 总共: 2 条" },
        { "LF only", ends("\n"), "Cup | 10:00 | Red | Blue | 0 | 2 | 总共: 2 条" },
        { "CR only", ends("\r"), "Cup | 10:00 | Red | Blue | 0 | 2 | 总共: 2 条" },
        { "empty", "", "Cup | 10:00 | Red | Blue | 0 | 2 | 总共: 0 条" },
        { "one empty line", "\r\n", "Cup | 10:00 | Red | Blue | 0 | 2 | 总共: 0 条" },
        { "binary", binaryBytes(), "Cup | 10:00 | Red | Blue | 0 | 2 | 总共: 0 条" },
        { "a huge line between records", record + hugeLine() + "\r\n" + record, "Cup | 10:00 | Red | Blue | 0 | 2 | 总共: 2 条" },
        { "records of their first line only", encodeAnsi("比赛时间=a\r\n比赛时间=b\r\n比赛时间=c\r\n"), "Cup | 10:00 | Red | Blue | 0 | 2 | 总共: 3 条" },
        { "fields before the first record", encodeAnsi("总分=1:2\r\n备注=x\r\n") + record, "Cup | 10:00 | Red | Blue | 0 | 2 | 总共: 1 条" },
    }, more);
}

TEST_F(DamagedFilesDriveTest, RefereeList)
{
    // The title dialog reads the list when it opens and counts its names.
    const std::string more = "dblclick titxt(1)\nform m1\nshow L1(5) Caption\nclick qelCommand2\n";
    expectRows("date/zailistname.db", {
        { "CR LF", encodeAnsi("张三\r\n李四\r\n"), "Cup | 10:00 | Red | Blue | 0 | 2 | 总数: 2 人" },
        { "LF only", encodeAnsi("张三\n李四\n王五\n"), "Cup | 10:00 | Red | Blue | 0 | 2 | 总数: 3 人" },
        { "CR only", encodeAnsi("张三\r李四\r"), "Cup | 10:00 | Red | Blue | 0 | 2 | 总数: 2 人" },
        { "empty", "", "Cup | 10:00 | Red | Blue | 0 | 2 | 总数: 0 人" },
        { "blank lines and padded names", encodeAnsi("\r\n  张三  \r\n   \r\n\r\n李四\r\n"), "Cup | 10:00 | Red | Blue | 0 | 2 | 总数: 2 人" },
        { "a huge line among names", encodeAnsi("张三\r\n") + std::string(100000, 'N') + "\r\n" + encodeAnsi("李四\r\n"),
            "Cup | 10:00 | Red | Blue | 0 | 2 | 总数: 3 人" },
        { "binary", binaryBytes(), "Cup | 10:00 | Red | Blue | 0 | 2 | 总数: 9 人" },
    }, more);
}

TEST_F(DamagedFilesDriveTest, TeamFiles)
{
    // The roster of the left team: coach, leader, the first player's name and number, and
    // whether a second player is shown.
    const std::string more = "show bflab(0) Caption\nshow bflab(1) Caption\nshow namelab1(0) Caption\nshow numlab1(0) Caption\n"
                             "show namelab1(1) Visible\n";
    const std::string team = encodeAnsi("教练:Ann\r\n领队:Lee\r\n队员:Amy=4\r\n队员:Bo=5\r\n");
    auto ends = [&](const std::string& end) {
        std::string text;
        for (const std::string& line : lines(team))
            text += line.substr(0, line.size() - 1) + end;
        return text;
    };
    const std::string up = "Cup | 10:00 | Red | Blue | 0 | 2 | ";
    expectRows("binlist/Red.ini", {
        { "CR LF", team, up + "Ann | Lee | Amy | 4 | True" },
        { "LF only", ends("\n"), up + "Ann | Lee | Amy | 4 | True" },
        { "CR only", ends("\r"), up + "Ann | Lee | Amy | 4 | True" },
        { "empty", "", up + " |  |  |  | False" },
        { "binary", binaryBytes(), up + " |  |  |  | False" },
        { "a huge player line first", encodeAnsi("队员:") + std::string(100000, 'P') + "=9\r\n" + team,
            up + "Ann | Lee | " + std::string(100000, 'P') + " | 9 | True" },
        { "no coach nor leader", encodeAnsi("队员:Amy=4\r\n"), up + " |  | Amy | 4 | False" },
        { "a player without a number", encodeAnsi("队员:Amy\r\n队员:Bo=5\r\n"), up + " |  | Bo | 5 | False" },
    }, more);
}

TEST_F(DamagedFilesDriveTest, SavedScreenSizeAtTheExit)
{
    // The exit command reads the screen size the launcher saved and ends the program, whatever
    // the file holds.
    const std::string more = "click on1(6)\nkey Enter\n";
    const std::string up = "Cup | 10:00 | Red | Blue | 0 | 2";
    expectRows("config.ini", {
        { "CR LF", "1280\r\n1024\r\n", up },
        { "LF only", "1280\n1024\n", up },
        { "CR only", "1280\r1024\r", up },
        { "one line, a comma", "1280,1024", up },
        { "empty", "", up },
        { "binary", binaryBytes(), up },
        { "a huge line", std::string(100000, '9') + "\r\n768\r\n", up },
        { "sizes out of range", "-1280\r\n99999999\r\n", up },
    }, more);
}

TEST_F(DamagedFilesDriveTest, NoReaderWaitsOnAFileThatNeverEnds)
{
    // Each file in turn is a link to an endless device, or a folder, or a pipe no one writes. The
    // last Enter answers the box that tells of settings that could not be written at the close.
    const std::string more = "show bflab(0) Caption\nclick on1(3)\nclick lookdate\nwait 1000\nshow balldateallnum Caption\n"
                             "dblclick titxt(1)\nform m1\nshow L1(5) Caption\nclick qelCommand2\nform main\nclick on1(6)\nkey Enter\n"
                             "key Enter\n";
    const std::string files[] = { "date/config.db", "date/keyconfig.db", "date/system.db", "date/balldate.db", "date/zailistname.db",
        "binlist/Red.ini", "config.ini" };
    for (const std::string& file : files) {
        for (const std::string kind : { "link to /dev/zero", "folder", "pipe" }) {
            SCOPED_TRACE(file + " is a " + kind);
            std::error_code error;
            fs::remove_all(home(), error);
            fs::create_directories(home() / "date");
            fs::create_directories(home() / "binlist");
            if (file != "date/config.db")
                put("date/config.db", kConfig);
            const fs::path path = home() / file;
            if (kind == "folder")
                fs::create_directories(path);
            else if (kind == "pipe")
                ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
            else
                fs::create_symlink("/dev/zero", path);
            const std::string up = file == "date/config.db" ? " | 12:00 |  |  | 0 | 2" : "Cup | 10:00 | Red | Blue | 0 | 2";
            EXPECT_EQ(shownBoard(more), up + " |  | 总共: 0 条 | 总数: 0 人");
        }
    }
}

TEST_F(DamagedFilesDriveTest, BytesThatAreNoGbkAreWrittenBackAsTheyWere)
{
    // A lead byte before a blank, a lone 0xFF, a pair of lead bytes: no character of the code page.
    const std::string odd = "\x81 Cup\xFF";
    const std::string name = "\xFE\xFE\xA1";
    put("date/config.db", "allname=" + odd + "\r\ndelalltime=600\r\nballname1=" + name + "\r\nballname2=Blue\r\n");
    // The close rewrites the settings.
    ProgramRun run = drive("wait 3100\nform main\n");
    ASSERT_TRUE(run.ended && run.status == 0) << run.err;
    EXPECT_EQ(read("date/config.db"), "allname=" + odd + "\r\ndelalltime=600\r\njstime=300\r\nballname1=" + name
            + "\r\nballname2=Blue\r\nzainame1=\r\nzainame2=\r\nzainame3=\r\nzainum=0\r\n");

    // The title dialog shows the title in its box and rewrites the referee list when it applies;
    // a title typed on keeps the bytes before it.
    put("date/zailistname.db", name + "\r\n" + odd + "\r\n");
    run = drive("wait 3100\nform main\ndblclick titxt(1)\nform m1\nclick v1\nkey End\ntype !\nclick ok\n");
    ASSERT_TRUE(run.ended && run.status == 0) << run.err;
    EXPECT_EQ(read("date/zailistname.db"), name + "\r\n" + odd + "\r\n");
    EXPECT_EQ(lines(read("date/config.db")).front(), "allname=" + odd + "!\r");
}

TEST_F(DamagedFilesDriveTest, ALogoOf30000By30000PixelsIsLeftOut)
{
    put("date/config.db", kConfig);
    // 3.6 GB once decoded: the board starts without it, in the memory of a normal run.
    put("img/logo.png", plat::gfx::test::blankPng(30000, 30000));
    const ProgramRun run = drive("wait 3100\nform main\nshow titxt(1) Caption\nshow balltime Caption\n"
                                 "key 1\nkey 2\nkey 2\nshow ballnumber(0) Caption\nshow ballnumber(1) Caption\n"
                                 "click on1(0)\nshow sysset Visible\n");
    ASSERT_TRUE(run.ended) << run.err;
    EXPECT_EQ(run.signal, 0);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(lines(run.out), (std::vector<std::string>{ "titxt(1).Caption=Cup", "balltime.Caption=10:00", "ballnumber(0).Caption=1",
                                  "ballnumber(1).Caption=2", "sysset.Visible=True" }));
    EXPECT_LT(run.maxResidentKb, kSaneMemoryKb) << "peak memory in KB";
}

TEST_F(DamagedFilesDriveTest, ALogoOf8000By8000PixelsShowsInTheMemoryOfANormalRun)
{
    put("date/config.db", kConfig);
    put("img/logo.png", plat::gfx::test::plainPng(8000, 8000, 0x3366CC));
    const fs::path shot = scratch("board.png");
    const ProgramRun run = drive("wait 3100\nform main\nshow titxt(1) Caption\nshow mainlogo Visible\nshot " + shot.string() + "\n");
    ASSERT_TRUE(run.ended) << run.err;
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(lines(run.out), (std::vector<std::string>{ "titxt(1).Caption=Cup", "mainlogo.Visible=True" }));
    EXPECT_LT(run.maxResidentKb, kBigLogoMemoryKb) << "peak memory in KB";

    // The logo in the board's corner, scaled down to its 70 x 70 pixels.
    const plat::gfx::Picture board = plat::gfx::Picture::fromFile(shot.string());
    ASSERT_FALSE(board.isEmpty());
    const uint32_t logoPixel = 0xFF000000u | plat::gfx::rgb(0x33, 0x66, 0xCC);
    const long shown = std::count(board.image().pixels().begin(), board.image().pixels().end(), logoPixel);
    EXPECT_GT(shown, 60L * 60) << "pixels of the logo's colour on the board";
}

} // namespace
} // namespace scoreboard::test
