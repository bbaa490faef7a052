#include "platform/system/file_system.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

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
