#include "platform/system/file_replace.h"
#include "platform/system/file_system.h"
#include "temp_folder.h"

#include <csignal>
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
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders; covered by the file size limit test";
    TempFolder folder;
    auto path = folder / "config.db";
    writeBytes(path, kOldBytes);
    ::chmod(folder.path().c_str(), 0555);
    EXPECT_FALSE(replaceTextFile(path, kNewLines));
    ::chmod(folder.path().c_str(), 0755);
    EXPECT_EQ(readBytes(path), kOldBytes);
    expectOnlyFile(folder, "config.db");
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
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, expected);
}
