#include "platform/system/file_system.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace plat::sys;

using Names = std::vector<std::string>;

TEST(FileSystem, ExistsTellsFilesFromFolders)
{
    TempFolder folder;
    writeBytes(folder / "file", "x");
    ASSERT_TRUE(makeFolder(folder / "date"));

    EXPECT_TRUE(pathExists(folder / "file"));
    EXPECT_TRUE(pathExists(folder / "date"));
    EXPECT_FALSE(pathExists(folder / "nothing"));

    EXPECT_TRUE(fileExists(folder / "file"));
    EXPECT_FALSE(fileExists(folder / "date"));
    EXPECT_TRUE(folderExists(folder / "date"));
    EXPECT_FALSE(folderExists(folder / "file"));
}

TEST(FileSystem, DeleteRemovesOneFileAndReportsAMissingOne)
{
    TempFolder folder;
    writeBytes(folder / "a.ini", "x");
    EXPECT_TRUE(deleteFile(folder / "a.ini"));
    EXPECT_FALSE(fileExists(folder / "a.ini"));
    EXPECT_FALSE(deleteFile(folder / "a.ini"));
    ASSERT_TRUE(makeFolder(folder / "date"));
    EXPECT_FALSE(deleteFile(folder / "date"));
    EXPECT_TRUE(folderExists(folder / "date"));
}

TEST(FileSystem, CopyWithAndWithoutOverwrite)
{
    TempFolder folder;
    writeBytes(folder / "source", "new");
    writeBytes(folder / "target", "old");

    EXPECT_FALSE(copyFile(folder / "source", folder / "target", CopyMode::KeepExisting));
    EXPECT_EQ(readBytes(folder / "target"), "old");

    EXPECT_TRUE(copyFile(folder / "source", folder / "target", CopyMode::Overwrite));
    EXPECT_EQ(readBytes(folder / "target"), "new");

    EXPECT_TRUE(copyFile(folder / "source", folder / "fresh", CopyMode::KeepExisting));
    EXPECT_EQ(readBytes(folder / "fresh"), "new");
}

TEST(FileSystem, CopyFailsWithoutASourceOrATargetFolder)
{
    TempFolder folder;
    writeBytes(folder / "source", "x");
    EXPECT_FALSE(copyFile(folder / "missing", folder / "target", CopyMode::Overwrite));
    EXPECT_FALSE(copyFile(folder / "source", folder / "no-folder" / "target", CopyMode::Overwrite));
    EXPECT_FALSE(pathExists(folder / "target"));
}

TEST(FileSystem, CopyOntoItselfKeepsTheContent)
{
    TempFolder folder;
    writeBytes(folder / "same", "content");
    EXPECT_TRUE(copyFile(folder / "same", folder / "same", CopyMode::Overwrite));
    EXPECT_FALSE(copyFile(folder / "same", folder / "same", CopyMode::KeepExisting));
    EXPECT_EQ(readBytes(folder / "same"), "content");
}

TEST(FileSystem, MakeFolderMakesOneLevelAndRefusesExisting)
{
    TempFolder folder;
    EXPECT_TRUE(makeFolder(folder / "binlist"));
    EXPECT_FALSE(makeFolder(folder / "binlist"));
    EXPECT_FALSE(makeFolder(folder / "a" / "b"));
    writeBytes(folder / "img", "a file");
    EXPECT_FALSE(makeFolder(folder / "img"));
}

TEST(FileSystem, ListingIsSortedAndSplitsFilesFromFolders)
{
    TempFolder folder;
    for (const char* name : { "篮球社团B队.ini", "b.mp3", "A.mp3", "篮球社团A队.ini", "a.mp3", "10.mp3", "2.mp3" })
        writeBytes(folder / name, "");
    ASSERT_TRUE(makeFolder(folder / "sub"));
    ASSERT_TRUE(makeFolder(folder / "date"));

    EXPECT_EQ(listFiles(folder.path()),
        (Names { "10.mp3", "2.mp3", "A.mp3", "a.mp3", "b.mp3", "篮球社团A队.ini", "篮球社团B队.ini" }));
    EXPECT_EQ(listFolders(folder.path()), (Names { "date", "sub" }));
}

TEST(FileSystem, ListingOfAMissingFolderIsEmpty)
{
    TempFolder folder;
    EXPECT_TRUE(listFiles(folder / "music").empty());
    EXPECT_TRUE(listFolders(folder / "music").empty());
}

TEST(FileSystem, NamesThatAreNotUtf8AreShownInTheCodePage)
{
    const std::pair<std::string, std::string> cases[] = {
        {"a.mp3", "a.mp3"},
        {"比分.txt", "比分.txt"},
        {"\xB1\xC8\xB7\xD6.txt", "比分.txt"},                 // GBK bytes on disk
        {"比分/\xC0\xBA\xC7\xF2.mp3", "比分/篮球.mp3"},         // each part by itself
        {"/music/\xB1\xC8/a.mp3", "/music/比/a.mp3"},
        {"\xB1\xC8\xB7\xD6\xFF", "比分\xED\xB3\xBF"}, // a byte the code page lacks keeps its mark
        {"", ""},
    };
    for (const auto& [bytes, shown] : cases)
        EXPECT_EQ(shownFileName(bytes), shown) << bytes;
}

TEST(FileSystem, AShownNameFindsTheEntryByItsBytes)
{
    TempFolder folder;
    writeBytes(folder / "\xB1\xC8\xB7\xD6.mp3", "gbk");
    writeBytes(folder / "both.mp3", "utf8");
    writeBytes(folder / "\xC0\xBA\xC7\xF2.mp3", "gbk");
    writeBytes(folder / "篮球.mp3", "utf8");
    const std::pair<std::string, std::string> cases[] = {
        {"比分.mp3", "\xB1\xC8\xB7\xD6.mp3"},
        {"both.mp3", "both.mp3"},
        {"篮球.mp3", "篮球.mp3"}, // the UTF-8 name, when both are there
        {"new.mp3", "new.mp3"},   // nothing there yet
        {"新.mp3", "新.mp3"},
    };
    for (const auto& [shown, onDisk] : cases)
        EXPECT_EQ(entryPath(folder.path(), shown), folder.path() / onDisk) << shown;
}

TEST(FileSystem, ReadingBytesTakesOnlyARegularFileWithinTheBound)
{
    TempFolder folder;
    writeBytes(folder / "ten", "0123456789");
    ::mkfifo((folder / "pipe").c_str(), 0666);
    makeFolder(folder / "dir");
    struct Case {
        std::filesystem::path path;
        std::uintmax_t maxBytes;
        std::optional<std::string> bytes;
    };
    const Case cases[] = {
        {folder / "ten", UINTMAX_MAX, "0123456789"},
        {folder / "ten", 10, "0123456789"},
        {folder / "ten", 9, std::nullopt},
        {folder / "pipe", UINTMAX_MAX, std::nullopt},
        {"/dev/zero", 1 << 20, std::nullopt},
        {folder / "dir", UINTMAX_MAX, std::nullopt},
        {folder / "missing", UINTMAX_MAX, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(readFileBytes(c.path, c.maxBytes), c.bytes) << c.path << " within " << c.maxBytes;
}
