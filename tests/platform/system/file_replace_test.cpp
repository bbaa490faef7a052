#include "platform/system/file_replace.h"
#include "platform/system/file_append.h"
#include "platform/system/file_system.h"
#include "platform/system/program_folder.h"
#include "tests/support/temp_folder.h"
#include "tests/support/unprivileged_child.h"

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace plat::sys;

namespace {

const std::vector<std::string> kNewLines { "sond10=True", "closesoud=False", "球队=篮球社团B队" };
const std::string kOldBytes = "old=1\r\n";

void expectOnlyFile(const TempFolder& folder, const std::string& name)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string> { name }) << "a temporary file was left behind";
}

// The names in a folder, sorted.
std::vector<std::string> namesIn(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(FileReplace, WritesNewContentAndLeavesNoTemporaryFile)
{
    TempFolder folder;
    auto path = folder / "system.db";
    writeBytes(path, kOldBytes);
    ASSERT_TRUE(replaceTextFile(path, kNewLines));
    EXPECT_EQ(readBytes(path), "sond10=True\r\nclosesoud=False\r\n\xC7\xF2\xB6\xD3=\xC0\xBA\xC7\xF2\xC9\xE7\xCD\xC5\x42\xB6\xD3\r\n");
    expectOnlyFile(folder, "system.db");
}

TEST(FileReplace, CreatesAMissingFile)
{
    TempFolder folder;
    ASSERT_TRUE(replaceTextFile(folder / "new.db", { "a" }));
    EXPECT_EQ(readBytes(folder / "new.db"), "a\r\n");
}

TEST(FileReplace, KeepsThePermissionsOfTheOldFile)
{
    TempFolder folder;
    auto path = folder / "keyconfig.db";
    writeBytes(path, kOldBytes);
    ::chmod(path.c_str(), 0640);
    ASSERT_TRUE(replaceTextFile(path, kNewLines));
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(FileReplace, WriterThatFailsLeavesOldFileIntact)
{
    TempFolder folder;
    auto path = folder / "balldate.db";
    writeBytes(path, kOldBytes);
    bool ok = replaceFile(path, [](TextWriter& writer) {
        writer.printLine("half of the new content");
        return false;
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(readBytes(path), kOldBytes);
    expectOnlyFile(folder, "balldate.db");
}

TEST(FileReplace, DiskRefusingTheWriteLeavesOldFileIntact)
{
    // A file size limit makes the writes fail for root too. It is set in a child process so the
    // test process keeps its own limits.
    TempFolder folder;
    auto path = folder / "config.db";
    writeBytes(path, kOldBytes);
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit { 16, 16 };
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::vector<std::string> many(100, "a line that is longer than the limit");
        ::_exit(replaceTextFile(path, many) ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the replace reported success";
    EXPECT_EQ(readBytes(path), kOldBytes);
    expectOnlyFile(folder, "config.db");
}

TEST(FileReplace, ReadOnlyFolderLeavesOldFileIntact)
{
    // Root writes into read-only folders: the replace runs in a child process that gives up root
    // for an unprivileged user, so the folder's permissions hold for it.
    TempFolder folder;
    const auto readOnly = folder / "date";
    ASSERT_TRUE(makeFolder(readOnly));
    auto path = readOnly / "config.db";
    writeBytes(path, kOldBytes);
    ::chmod(folder.path().c_str(), 0755);
    ::chmod(readOnly.c_str(), 0555);
    const int status = runAsUnprivilegedUser([&] { return replaceTextFile(path, kNewLines); });
    ::chmod(readOnly.c_str(), 0755);
    ASSERT_NE(status, 2) << "could not give up root";
    EXPECT_EQ(status, 1) << "the replace reported success";
    EXPECT_EQ(readBytes(path), kOldBytes);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(readOnly))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string> { "config.db" });
}

TEST(FileReplace, FailsWhenTheFolderIsAFileOrTheTargetAFolder)
{
    TempFolder folder;
    writeBytes(folder / "date", "a file where a folder should be");
    EXPECT_FALSE(replaceTextFile(folder / "date" / "config.db", kNewLines));
    EXPECT_EQ(readBytes(folder / "date"), "a file where a folder should be");

    ASSERT_TRUE(makeFolder(folder / "busy"));
    EXPECT_FALSE(replaceTextFile(folder / "busy", kNewLines));
    EXPECT_TRUE(folderExists(folder / "busy"));
    std::vector<std::string> expected { "busy", "date" };
    EXPECT_EQ(namesIn(folder.path()), expected);
}

TEST(FileReplace, StaleTemporaryFilesOfEndedProcessesAreRemovedAndNothingElse)
{
    pid_t ended = ::fork();
    ASSERT_GE(ended, 0);
    if (ended == 0)
        ::_exit(0);
    ASSERT_EQ(::waitpid(ended, nullptr, 0), ended);
    const std::string gone = std::to_string(ended), alive = std::to_string(::getpid());

    TempFolder folder;
    const std::vector<std::string> stale { ".system.db.tmp." + gone + ".0", ".config.db.tmp." + gone + ".17",
        ".a.tmp.b.tmp." + gone + ".2" };
    const std::vector<std::string> kept { "system.db", ".config.db.tmp." + alive + ".3", ".system.db.tmp.x.0",
        ".system.db.tmp." + gone + ".", "system.db.tmp." + gone + ".0", ".tmp." + gone + ".0",
        ".system.db.tmp." + gone + ".0.bak", ".team.tmp.1." + gone + "1234567890" };
    for (const auto& name : stale)
        writeBytes(folder / name, "half a save");
    for (const auto& name : kept)
        writeBytes(folder / name, "kept");
    ASSERT_TRUE(makeFolder(folder / (".busy.tmp." + gone + ".1")));

    EXPECT_EQ(removeStaleTemporaryFiles(folder.path()), int(stale.size()));
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        names.push_back(entry.path().filename().string());
    std::vector<std::string> expected = kept;
    expected.push_back(".busy.tmp." + gone + ".1");
    std::sort(names.begin(), names.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(names, expected);
    EXPECT_EQ(removeStaleTemporaryFiles(folder / "missing"), 0);
}

// A link at the target's name: every writer puts a file of its own in its place and leaves what
// the link points at (or would point at) as it was.
TEST(FileReplace, NoWriterWritesThroughALink)
{
    struct Case {
        const char* name;
        std::function<bool(const std::filesystem::path& target, const std::filesystem::path& source)> write;
        bool written; // false: the writer refuses a name that is taken
    };
    const std::vector<Case> cases {
        { "replaceFile", [](const auto& target, const auto&) { return replaceTextFile(target, { "new" }); }, true },
        { "copyFile, overwriting", [](const auto& target, const auto& source) { return copyFile(source, target, CopyMode::Overwrite); }, true },
        { "createFile", [](const auto& target, const auto&) { return createFile(target, [](TextWriter& w) { return w.printLine("new"); }); }, false },
        { "copyFile, keeping", [](const auto& target, const auto& source) { return copyFile(source, target, CopyMode::KeepExisting); }, false },
    };
    for (const Case& c : cases) {
        for (bool dangling : { false, true }) {
            SCOPED_TRACE(std::string(c.name) + (dangling ? ", a dangling link" : ", a link to a file"));
            TempFolder folder, elsewhere;
            const std::filesystem::path pointedAt = elsewhere / "someone's.db";
            if (!dangling)
                writeBytes(pointedAt, "someone's");
            writeBytes(folder / "source", "new\r\n");
            const std::filesystem::path target = folder / "balldate.db.bak";
            std::filesystem::create_symlink(pointedAt, target);
            EXPECT_EQ(c.write(target, folder / "source"), c.written);
            EXPECT_EQ(std::filesystem::is_symlink(target), !c.written);
            if (c.written) {
                EXPECT_EQ(readBytes(target), "new\r\n");
            }
            EXPECT_EQ(std::filesystem::exists(pointedAt), !dangling);
            if (!dangling) {
                EXPECT_EQ(readBytes(pointedAt), "someone's");
            }
            EXPECT_EQ(namesIn(folder.path()), (std::vector<std::string> { "balldate.db.bak", "source" })) << "no temporary file is left";
        }
    }
}

TEST(FileReplace, CreateFileMakesANewFileAndLeavesAnyOtherAlone)
{
    TempFolder folder;
    const auto write = [](TextWriter& writer) { return writer.printLine("new"); };
    ASSERT_TRUE(createFile(folder / "sound.wav", write));
    EXPECT_EQ(readBytes(folder / "sound.wav"), "new\r\n");
    writeBytes(folder / "kept.wav", "the old one");
    EXPECT_FALSE(createFile(folder / "kept.wav", write));
    EXPECT_EQ(readBytes(folder / "kept.wav"), "the old one");
    std::filesystem::create_directory(folder / "a folder");
    EXPECT_FALSE(createFile(folder / "a folder", write));
    EXPECT_TRUE(std::filesystem::is_directory(folder / "a folder"));
}

// What is no regular file at the target is left as it is, and no writer waits on it: a pipe with no
// reader (whose open for writing would wait for one), a pipe with a reader, a folder.
TEST(FileReplace, EveryWriterRefusesWhatIsNoRegularFile)
{
    TempFolder folder;
    const auto pipe = folder / "balldate.db";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    const auto inTheWay = folder / "config.db";
    ASSERT_TRUE(makeFolder(inTheWay));
    struct Target {
        const char* what;
        std::filesystem::path path;
        bool read;
    };
    for (const Target& target : { Target { "a pipe with a reader", pipe, true }, Target { "a folder", inTheWay, false } }) {
        SCOPED_TRACE(target.what);
        EXPECT_FALSE(replaceTextFile(target.path, kNewLines));
        EXPECT_FALSE(createFile(target.path, [](TextWriter& writer) { return writer.print("x"); }));
        EXPECT_FALSE(appendTextLines(target.path, kNewLines));
        EXPECT_FALSE(TextWriter::open(target.path, TextWriter::Mode::Append).has_value());
        EXPECT_FALSE(TextWriter::open(target.path, TextWriter::Mode::Output).has_value());
    }
    char bytes[16];
    EXPECT_LE(::read(reader, bytes, sizeof bytes), 0) << "nothing was written into the pipe";
    ::close(reader);
    SCOPED_TRACE("a pipe nobody reads");
    EXPECT_FALSE(replaceTextFile(pipe, kNewLines));
    EXPECT_FALSE(appendTextLines(pipe, kNewLines));
    EXPECT_FALSE(TextWriter::open(pipe, TextWriter::Mode::Append).has_value());
    EXPECT_FALSE(copyFile(pipe, folder / "copy", CopyMode::Overwrite));
    EXPECT_TRUE(std::filesystem::is_fifo(std::filesystem::symlink_status(pipe)));
    EXPECT_TRUE(std::filesystem::is_directory(inTheWay));
    EXPECT_EQ(namesIn(folder.path()), (std::vector<std::string> { "balldate.db", "config.db" })) << "a temporary file was left behind";
}

// A folder of the data folder that is a link is not written through by any writer, and nothing is
// made or removed there; the same folder as a real one, and a data folder that is itself a link,
// are written.
TEST(FileReplace, NothingIsWrittenThroughALinkedFolderOfTheDataFolder)
{
    TempFolder folder;
    const auto elsewhere = folder / "elsewhere";
    ASSERT_TRUE(makeFolder(elsewhere));
    ASSERT_TRUE(makeFolder(folder / "data"));
    std::filesystem::create_directory_symlink(folder / "data", folder / "data link");
    const auto home = folder / "data link";
    std::filesystem::create_directory_symlink(elsewhere, home / "sound");
    ASSERT_TRUE(makeFolder(home / "date"));
    writeBytes(elsewhere / "2.wav", "theirs");
    writeBytes(elsewhere / (".2.wav.tmp.999999999.0"), "theirs");
    const char* previous = std::getenv("BALL_HOME");
    const std::string kept = previous ? previous : "";
    ::setenv("BALL_HOME", home.c_str(), 1);
    EXPECT_TRUE(throughLinkedDataSubfolder(home / "sound/2.wav"));
    EXPECT_TRUE(throughLinkedDataSubfolder(home / "sound/sub/x"));
    EXPECT_FALSE(throughLinkedDataSubfolder(home / "sound"));
    EXPECT_FALSE(throughLinkedDataSubfolder(home / "date/config.db"));
    EXPECT_FALSE(throughLinkedDataSubfolder(elsewhere / "2.wav")) << "outside the data folder";

    EXPECT_FALSE(replaceTextFile(home / "sound/2.wav", kNewLines));
    EXPECT_FALSE(appendTextLines(home / "sound/2.wav", kNewLines));
    EXPECT_FALSE(copyFile(home / "date/../sound/2.wav", home / "sound/3.wav", CopyMode::Overwrite));
    EXPECT_FALSE(deleteFile(home / "sound/2.wav"));
    EXPECT_FALSE(makeFolder(home / "sound/new"));
    EXPECT_EQ(removeStaleTemporaryFiles(home / "sound"), 0);
    EXPECT_TRUE(replaceTextFile(home / "date/config.db", kNewLines));
    EXPECT_TRUE(appendTextLines(home / "date/balldate.db", kNewLines));
    if (previous)
        ::setenv("BALL_HOME", kept.c_str(), 1);
    else
        ::unsetenv("BALL_HOME");

    EXPECT_EQ(namesIn(elsewhere), (std::vector<std::string> { ".2.wav.tmp.999999999.0", "2.wav" }));
    EXPECT_EQ(readBytes(elsewhere / "2.wav"), "theirs");
}
