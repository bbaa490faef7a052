// The built ball on data folders a user's hands or a full disk have left in odd states: the data
// folder holds data only, nothing is written through a link, what interrupted copies left goes,
// a first run on a full disk heals, one board runs per data folder, and a rewrite that drops lines
// keeps the file first.
#include "built_program.h"
#include "refused_saves.h"
#include "tests/support/wait_until.h"

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

namespace scoreboard::test {
namespace {

using namespace std::chrono_literals;

class DataFolderDriveTest : public BuiltProgramTest {
protected:
    // The board has loaded once its music folder is there (made after every start file).
    bool waitForTheLoad(StartedProgram& program) const
    {
        test_support::waitUntil([&] { return fs::is_directory(home() / "music") || !program.running(); });
        return fs::is_directory(home() / "music");
    }

    // Runs the board of the built ball-drive until it shows (past the start-up screen), then
    // closes it as the end of a script does, saving the settings.
    ProgramRun runTheBoard(const std::function<void()>& inChild = {}, const std::string& more = "") const
    {
        const ProgramRun run = drive("wait 3100\nform main\n" + more, {}, inChild);
        EXPECT_TRUE(run.ended);
        EXPECT_EQ(run.status, 0) << run.err;
        return run;
    }

    static fs::path shipped(const std::string& relative) { return fs::path(ball()).parent_path() / relative; }

    static std::vector<std::string> shippedSounds()
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(shipped("sound")))
            names.push_back("sound/" + entry.path().filename().string());
        return names;
    }

    // A process id that no process has any more.
    static std::string endedProcess()
    {
        const pid_t child = ::fork();
        if (child == 0)
            ::_exit(0);
        ::waitpid(child, nullptr, 0);
        return std::to_string(child);
    }
};

// Resources in the data folder, empty or holding a broken layout, do not stand in for the
// shipped ones: the board comes up and says nothing of a layout.
TEST_F(DataFolderDriveTest, AResourcesFolderInTheDataFolderIsNotRead)
{
    for (const char* layout : std::initializer_list<const char*> { nullptr, "{ \"form\": " }) {
        SCOPED_TRACE(layout ? "a broken main layout" : "an empty resources folder");
        fs::remove_all(home());
        fs::create_directories(home() / "resources/forms");
        if (layout)
            put("resources/forms/main.json", layout);
        const ProgramRun run = runTheBoard();
        EXPECT_EQ(run.err.find("layout"), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find("窗体布局"), std::string::npos) << run.err;
    }
}

// Links at the names the board writes: it puts files of its own in their place, and what they
// point at stays as it was.
TEST_F(DataFolderDriveTest, NothingIsWrittenThroughALink)
{
    const fs::path victim = scratch("someone else's file");
    writeBytes(victim, "not the board's");
    fs::create_directories(home() / "sound");
    fs::create_directories(home() / "date");
    fs::create_symlink(victim, home() / "sound/yes.wav");
    fs::create_symlink(victim, home() / "date/config.db.bak");
    fs::create_symlink(scratch("made through a link"), home() / "date/system.db");
    put("date/config.db", "allname=Cup\r\na line no setting has\r\n");
    runTheBoard();
    EXPECT_EQ(readBytes(victim), "not the board's");
    EXPECT_FALSE(fs::exists(scratch("made through a link")));
    for (const char* file : { "sound/yes.wav", "date/config.db.bak", "date/system.db" })
        EXPECT_FALSE(fs::is_symlink(home() / file)) << file;
    EXPECT_EQ(read("sound/yes.wav"), readBytes(shipped("sound/yes.wav")));
    EXPECT_EQ(read("date/config.db.bak"), "allname=Cup\r\na line no setting has\r\n");
}

// The lock: a link there is not followed and counts as a lock held; the board ends at once.
TEST_F(DataFolderDriveTest, ALockThatCannotBeOpenedIsHeld)
{
    fs::create_symlink(scratch("lock target"), home() / "ball.lock");
    StartedProgram program({ ball() }, environment().set("BALL_BACKEND", "headless"));
    ASSERT_TRUE(program.started());
    const ProgramRun run = program.waitFor(20s);
    EXPECT_TRUE(run.ended) << "a second board must not run";
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.err.find("another board runs on the data folder"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(scratch("lock target")));
    EXPECT_FALSE(fs::exists(home() / "date")) << "nothing of the data folder was touched";
}

// Two boards on one data folder, started from sessions with other runtime folders.
TEST_F(DataFolderDriveTest, OneBoardRunsPerDataFolderWhateverTheRuntimeFolder)
{
    StartedProgram first({ ball() }, environment().set("BALL_BACKEND", "headless"));
    ASSERT_TRUE(first.started());
    ASSERT_TRUE(waitForTheLoad(first)) << first.errorSoFar();
    for (const char* runtime : { "other-run", "" }) {
        SCOPED_TRACE(std::string("XDG_RUNTIME_DIR=") + runtime);
        fs::create_directories(scratch("other-run"));
        fs::permissions(scratch("other-run"), fs::perms::owner_all);
        delivery::Environment env = environment().set("BALL_BACKEND", "headless");
        if (*runtime)
            env.set("XDG_RUNTIME_DIR", scratch(runtime).string());
        else
            env.remove("XDG_RUNTIME_DIR");
        StartedProgram second({ ball() }, env);
        ASSERT_TRUE(second.started());
        const ProgramRun run = second.waitFor(20s);
        EXPECT_TRUE(run.ended) << "the second board must not run";
        EXPECT_EQ(run.status, 0);
        EXPECT_NE(run.err.find("another board runs on the data folder"), std::string::npos) << run.err;
    }
    EXPECT_TRUE(first.running());
    first.sendSignal(SIGTERM);
    EXPECT_TRUE(first.waitFor(20s).ended);
}

// What copies and saves cut short left behind under this program's temporary names is gone after
// the start; files of the operator's that only look like leftovers (named as older versions named
// theirs) and the files around them stay.
TEST_F(DataFolderDriveTest, WhatInterruptedCopiesLeftIsRemovedAtTheStart)
{
    const std::string gone = endedProcess();
    const std::vector<std::string> leftovers { "music/.Anthem.mp3.tmp." + gone + ".0", "img/.logo.png.tmp." + gone + ".2",
        "sound/.yes.wav.tmp." + gone + ".1", ".config.ini.tmp." + gone + ".0", "date/.config.db.tmp." + gone + ".0" };
    const std::vector<std::string> operators { "music/Anthem.copying", "music/Warmup.copying", "music/Anthem.mp3.copying",
        "img/logo.png.new", "music/Anthem.mp3", "music/notes.copying.txt" };
    for (const std::string& file : leftovers)
        put(file, "half");
    for (const std::string& file : operators)
        put(file, "the operator's");
    runTheBoard();
    for (const std::string& file : leftovers)
        EXPECT_FALSE(fs::exists(home() / file)) << file;
    for (const std::string& file : operators)
        EXPECT_EQ(read(file), "the operator's") << file;
}

// Every write fails on the first run (a file-size limit of 0 bytes, as a full disk): it is told,
// and the next start, with room, writes the sounds and the settings' defaults.
TEST_F(DataFolderDriveTest, AFirstRunOnAFullDiskHealsAtTheNextStart)
{
    const ProgramRun full = runTheBoard(
        [] {
            rlimit none { 0, 0 };
            ::setrlimit(RLIMIT_FSIZE, &none);
        },
        "show inshow Visible\nshow L1 Caption\n");
    EXPECT_EQ(lines(full.out), (std::vector<std::string> { "inshow.Visible=True", "L1.Caption=数据文件无法写入!请检查磁盘空间" }))
        << "the operator is told in the notice box once the board shows";
    EXPECT_NE(full.err.find("could not be written at the start"), std::string::npos) << full.err;
    EXPECT_NE(full.err.find("sound/yes.wav"), std::string::npos) << full.err;
    EXPECT_NE(full.err.find("date/config.db"), std::string::npos) << full.err;

    const ProgramRun healed = runTheBoard();
    EXPECT_EQ(healed.err.find("could not be written"), std::string::npos) << healed.err;
    for (const std::string& sound : shippedSounds())
        EXPECT_EQ(read(sound), readBytes(shipped(sound))) << sound;
    EXPECT_EQ(read("date/config.db").rfind("allname=", 0), 0u) << read("date/config.db");
    EXPECT_NE(read("date/config.db").find("ballname1="), std::string::npos);
    EXPECT_EQ(read("date/keyconfig.db"), "Aonkey=49\r\nAoutkey=112\r\nBonkey=50\r\nBoutkey=113\r\n");
    EXPECT_EQ(read("date/system.db").rfind("sond10=False\r\n", 0), 0u) << read("date/system.db");
}

// A sound spoilt in the data folder (cut short, the same size with other bytes) is the shipped one
// again after the next start.
TEST_F(DataFolderDriveTest, ASpoiltSoundIsRestored)
{
    const std::string bell = readBytes(shipped("sound/yes.wav"));
    put("sound/yes.wav", bell.substr(0, bell.size() / 2));
    put("sound/2.wav", std::string(readBytes(shipped("sound/2.wav")).size(), 'x'));
    runTheBoard();
    EXPECT_EQ(read("sound/yes.wav"), bell);
    EXPECT_EQ(read("sound/2.wav"), readBytes(shipped("sound/2.wav")));
}

// The settings' rewrite at the close drops lines that are none of its settings: the file is kept
// first, once, beside it.
TEST_F(DataFolderDriveTest, TheSettingsRewriteKeepsAFileWithLinesItDrops)
{
    const std::string held = "allname=Cup\r\nballname1=A\r\n# the operator's note\r\nalltime=300\r\n";
    put("date/config.db", held);
    const ProgramRun run = runTheBoard();
    EXPECT_EQ(read("date/config.db.bak"), held);
    EXPECT_NE(run.err.find("config.db.bak"), std::string::npos) << run.err;
    EXPECT_EQ(read("date/config.db").find("# the operator's note"), std::string::npos);

    // What the board wrote itself is no loss: no new copy.
    put("date/config.db.bak", "older copy");
    const ProgramRun again = runTheBoard();
    EXPECT_EQ(read("date/config.db.bak"), "older copy");
    EXPECT_EQ(again.err.find("config.db.bak"), std::string::npos) << again.err;
}

// A pipe where a save writes holds nothing up: the save is refused and told as on a full disk,
// the pipe stays as it is, and the board ends at the end of the script.
TEST_F(DataFolderDriveTest, APipeWhereASaveWritesIsRefusedWithoutWaiting)
{
    for (const RefusedSave& row : refusedSaves()) {
        SCOPED_TRACE(row.what);
        std::error_code error;
        fs::remove_all(home(), error);
        put("date/config.db", "allname=Cup\r\ndelalltime=1\r\njstime=300\r\nballname1=Red\r\nballname2=Blue\r\n");
        put("binlist/Red.ini", "");
        put("binlist/Blue.ini", "");
        fs::remove(home() / row.file, error);
        ASSERT_EQ(::mkfifo((home() / row.file).c_str(), 0600), 0);
        const ProgramRun run = drive("wait 3100\nform main\n" + row.steps + "show inshow Visible\nshow L1 Caption\n");
        ASSERT_TRUE(run.ended) << "held up by the pipe";
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(lines(run.out), (std::vector<std::string> { "inshow.Visible=True", "L1.Caption=" + row.notice }));
        EXPECT_TRUE(fs::is_fifo(fs::symlink_status(home() / row.file))) << "the pipe is left as it was";
    }
}

// Folders of the data folder that are links to folders elsewhere are not written through: what
// lies there stays as it was (someone else's 2.wav, their settings, a file named as a temporary),
// nothing is made there, and the start tells the files it could not write as for a folder that
// cannot be written.
TEST_F(DataFolderDriveTest, NothingIsWrittenThroughALinkedFolder)
{
    const std::string gone = endedProcess();
    const std::vector<std::string> folders { "sound", "date", "binlist", "img", "music" };
    const std::vector<std::pair<std::string, std::string>> theirs { { "sound/2.wav", "someone else's sound" },
        { "date/config.db", "allname=Theirs\r\ndelalltime=0\r\n# their note\r\n" }, { "binlist/Theirs.ini", "教练:X\r\n# note\r\n" },
        { "music/.a.mp3.tmp." + gone + ".0", "theirs" }, { "img/logo.png.new", "theirs" } };
    for (const std::string& folder : folders) {
        fs::create_directories(scratch("elsewhere") / folder);
        fs::create_directory_symlink(scratch("elsewhere") / folder, home() / folder);
    }
    for (const auto& [file, bytes] : theirs)
        writeBytes(scratch("elsewhere") / file, bytes);
    const ProgramRun run = runTheBoard({}, "show inshow Visible\nshow L1 Caption\n");
    EXPECT_EQ(lines(run.out), (std::vector<std::string> { "inshow.Visible=True", "L1.Caption=数据文件无法写入!请检查磁盘空间" }));
    EXPECT_NE(run.err.find("sound/2.wav could not be written at the start"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("date/keyconfig.db could not be written at the start"), std::string::npos) << run.err;
    for (const auto& [file, bytes] : theirs)
        EXPECT_EQ(readBytes(scratch("elsewhere") / file), bytes) << file;
    size_t there = 0;
    for (const auto& entry : fs::recursive_directory_iterator(scratch("elsewhere")))
        there += entry.is_regular_file();
    EXPECT_EQ(there, theirs.size()) << "nothing was made in the linked folders";
    for (const std::string& folder : folders)
        EXPECT_TRUE(fs::is_symlink(home() / folder)) << folder;
}

// Values written by hand that the settings rewrite at the close changes (a length it refuses, a
// number in a form it does not write) keep the file once as config.db.bak; values as it writes
// them keep none.
TEST_F(DataFolderDriveTest, ARewriteThatChangesAHandWrittenValueKeepsTheFileFirst)
{
    const std::string rest = "allname=Cup\r\nballname1=A\r\nballname2=B\r\nzainame1=\r\nzainame2=\r\nzainame3=\r\nzainum=0\r\n";
    struct Row {
        std::string lengths;
        bool kept;
    };
    for (const Row& row : { Row { "delalltime=0\r\njstime=300\r\n", true }, Row { "delalltime=-100\r\njstime=300\r\n", true },
             Row { "delalltime=99999999\r\njstime=300\r\n", true }, Row { "delalltime=&H100\r\njstime=300\r\n", true },
             Row { "delalltime=600\r\njstime=0x20\r\n", true }, Row { "delalltime=600\r\njstime=300\r\n", false } }) {
        SCOPED_TRACE(row.lengths);
        std::error_code error;
        fs::remove_all(home(), error);
        const std::string held = rest + row.lengths;
        put("date/config.db", held);
        const ProgramRun run = runTheBoard();
        EXPECT_EQ(fs::exists(home() / "date/config.db.bak"), row.kept);
        if (row.kept) {
            EXPECT_EQ(read("date/config.db.bak"), held);
            EXPECT_NE(run.err.find("config.db.bak"), std::string::npos) << run.err;
            EXPECT_NE(read("date/config.db"), held);
        }
        // What the board wrote itself is no loss: no new copy at the next close.
        put("date/config.db.bak", "older copy");
        const ProgramRun again = runTheBoard();
        EXPECT_EQ(read("date/config.db.bak"), "older copy");
        EXPECT_EQ(again.err.find("config.db.bak"), std::string::npos) << again.err;
    }
}

// The options panel's rewrite of system.db keeps a file holding a switch written by hand in a form
// it does not write ("yes", "true") or a line of no switch; one as it writes it keeps no copy.
TEST_F(DataFolderDriveTest, TheOptionsRewriteKeepsAFileWithValuesWrittenByHand)
{
    const std::string own = "sond10=False\r\nclosesoud=False\r\nballnumsound=False\r\nkeynum=True\r\ncommnum=True\r\n"
                            "closemusic=False\r\nnumback=True\r\nvideclose=False\r\n";
    struct Row {
        std::string file;
        bool kept;
    };
    for (const Row& row : { Row { "sond10=yes\r\n" + own.substr(own.find("closesoud")), true },
             Row { "sond10=true\r\n" + own.substr(own.find("closesoud")), true }, Row { own + "# the operator's\r\n", true },
             Row { own, false } }) {
        SCOPED_TRACE(row.file);
        std::error_code error;
        fs::remove_all(home(), error);
        put("date/system.db", row.file);
        const ProgramRun run = drive("wait 3100\nform main\nclick on1(0)\nclick qelsave\n");
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(fs::exists(home() / "date/system.db.bak"), row.kept);
        if (row.kept) {
            EXPECT_EQ(read("date/system.db.bak"), row.file);
            EXPECT_NE(run.err.find("system.db.bak"), std::string::npos) << run.err;
        }
        EXPECT_EQ(read("date/system.db").find("# the operator's"), std::string::npos);
    }
}

// No room for the lock file (every inode of the data folder's file system taken): the board does
// not run as if it held the lock; it says why (standard error, a message box) and ends. Run in a mount namespace of its own
// on a small file system; skipped where the machine allows no such mount.
TEST_F(DataFolderDriveTest, ABoardWithNoRoomForItsLockEnds)
{
    const std::string script = R"(
        mount -t tmpfs -o size=4m,nr_inodes=16 tmpfs "$BALL_HOME" || exit 77
        mkdir "$BALL_HOME/date" "$BALL_HOME/binlist" "$BALL_HOME/img"
        printf 'allname=Cup\r\n' > "$BALL_HOME/date/config.db"
        i=0
        while (: > "$BALL_HOME/full$i") 2>/dev/null; do i=$((i+1)); done
        ls -A "$BALL_HOME" | grep -v '^full' | tr '\n' ' '; echo
        "$0" & board=$!
        trap 'kill -TERM $board' TERM
        wait $board; wait $board; status=$?
        ls -A "$BALL_HOME" | grep -v '^full' | tr '\n' ' '; echo
        cat "$BALL_HOME/date/config.db"
        exit $status
    )";
    if (!fs::exists("/usr/bin/unshare"))
        GTEST_SKIP() << "no unshare here";
    StartedProgram program({ "/usr/bin/unshare", "-m", "/bin/sh", "-c", script, ball() }, environment().set("BALL_BACKEND", "headless"));
    ASSERT_TRUE(program.started());
    const std::string why = "no lock file can be made in the data folder";
    test_support::waitUntil([&] { return program.errorSoFar().find(why) != std::string::npos || !program.running(); });
    // The message box that says why waits for its OK, which ends the program; headless, the
    // end signal stands in for it.
    program.sendSignal(SIGTERM);
    const ProgramRun run = program.waitFor(test_support::kGenerousDeadline);
    ASSERT_TRUE(run.ended);
    if (run.status == 77 || run.err.find("unshare:") != std::string::npos)
        GTEST_SKIP() << "no mount namespace here: " << run.err;
    EXPECT_NE(run.err.find(why), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("could not be written at the start"), std::string::npos) << "it ran as if it held the lock";
    EXPECT_EQ(lines(run.out), (std::vector<std::string> { "binlist date img ", "binlist date img ", "allname=Cup\r" }))
        << "the board left the data folder as it was\n" << run.err;
}

} // namespace
} // namespace scoreboard::test
