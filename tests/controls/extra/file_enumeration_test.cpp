#include "controls/extra/cls_file.h"
#include "tests/support/temp_folder.h"
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace qel::testing {
namespace {

namespace fs = std::filesystem;

// A scratch folder tree of its own per test:
//   Data/a.txt, b.TXT, .hidden, ro.txt (read-only), Sub/c.txt, Sub/Deep/d.txt, .cfg/e.txt,
//   -dash/f.txt, link -> Data (a link to a folder)
class FileEnumerationTest : public ::testing::Test {
protected:
    const TempFolder scratch{"qel-files-XXXXXX"};
    fs::path root = scratch.path();
    std::string data;

    void SetUp() override
    {
        data = (root / "Data").string();
        for (const char* d : {"Data/Sub/Deep", "Data/.cfg", "Data/-dash", "Empty"})
            fs::create_directories(root / d);
        for (const char* f : {"Data/a.txt", "Data/b.TXT", "Data/.hidden", "Data/ro.txt", "Data/Sub/c.txt", "Data/Sub/Deep/d.txt",
                 "Data/.cfg/e.txt", "Data/-dash/f.txt"})
            std::ofstream(root / f) << "x";
        fs::permissions(root / "Data/ro.txt", fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
            fs::perm_options::remove);
        fs::create_directory_symlink(root / "Data", root / "Data/link");
    }

    std::vector<std::string> rel(const clsFile::Result& r) const
    {
        std::vector<std::string> out;
        EXPECT_FALSE(r.empty());
        EXPECT_EQ(r.at(0), "");
        for (size_t i = 1; i < r.size(); ++i)
            out.push_back(r[i].substr(data.size()));
        return out;
    }
};

using Names = std::vector<std::string>;

TEST_F(FileEnumerationTest, FilesWithOrWithoutTheFinalSlash)
{
    clsFile f;
    clsFile::Result a, b;
    f.EnumFiles(data, a, false, true, true, true);
    f.EnumFiles(data + "/", b, false, true, true, true);
    EXPECT_EQ(a, b);
    EXPECT_EQ(rel(a), (Names{"/.hidden", "/a.txt", "/b.TXT", "/ro.txt"}));
}

TEST_F(FileEnumerationTest, AttributeFilters)
{
    clsFile f;
    clsFile::Result r;
    f.EnumFiles(data, r);
    EXPECT_EQ(rel(r), (Names{"/a.txt", "/b.TXT"}));
    f.EnumFiles(data, r, false, false, true, false);
    EXPECT_EQ(rel(r), (Names{"/.hidden", "/a.txt", "/b.TXT"}));
    f.EnumFiles(data, r, false, false, false, true);
    EXPECT_EQ(rel(r), (Names{"/a.txt", "/b.TXT", "/ro.txt"}));
}

TEST_F(FileEnumerationTest, SubfoldersAreWalkedButNotDotFoldersNorLinks)
{
    clsFile f;
    clsFile::Result r;
    f.EnumFiles(data, r, true, true, true, true);
    EXPECT_EQ(rel(r), (Names{"/-dash/f.txt", "/.hidden", "/Sub/Deep/d.txt", "/Sub/c.txt", "/a.txt", "/b.TXT", "/ro.txt"}));
}

TEST_F(FileEnumerationTest, FoldersBelowComeFirst)
{
    clsFile f;
    clsFile::Result r;
    f.EnumFolders(data, r, true, true, true, true);
    EXPECT_EQ(rel(r), (Names{"/-dash", "/.cfg", "/Sub/Deep", "/Sub", "/link"}));
    f.EnumFolders(data, r, false, true, false, true);
    EXPECT_EQ(rel(r), (Names{"/-dash", "/Sub", "/link"}));
}

TEST_F(FileEnumerationTest, FoldersWhoseNamesSortBeforeThePointAreListed)
{
    const char* names[] = {" space", "!bang", "#tag", "$cash", "%pct", "&and", "'quote", "(2019)", ")close", "+plus", ",comma", "-old"};
    const fs::path folder = root / "Odd";
    for (const char* n : names)
        fs::create_directories(folder / n / "inner");
    clsFile f;
    clsFile::Result r;
    f.EnumFolders(folder.string(), r, false, true, true, true);
    for (const char* n : names)
        EXPECT_NE(std::find(r.begin(), r.end(), (folder / n).string()), r.end()) << "\"" << n << "\"";
    EXPECT_EQ(r.size(), std::size(names) + 1);
    // And walked into.
    f.EnumFolders(folder.string(), r, true, true, true, true);
    EXPECT_EQ(r.size(), 2 * std::size(names) + 1);
    EXPECT_NE(std::find(r.begin(), r.end(), (folder / "(2019)" / "inner").string()), r.end());
}

TEST_F(FileEnumerationTest, EmptyOrMissingFoldersGiveOnlyPositionZero)
{
    clsFile f;
    clsFile::Result r{"old", "entries"};
    f.EnumFiles((root / "Empty").string(), r, true, true, true, true);
    EXPECT_EQ(r, (clsFile::Result{""}));
    f.EnumFolders((root / "Missing").string(), r, true);
    EXPECT_EQ(r, (clsFile::Result{""}));
}

TEST_F(FileEnumerationTest, TheCountersStartAgainWithEveryWalk)
{
    clsFile f;
    clsFile::Result r;
    f.EnumFiles(data, r, true, true, true, true);
    f.EnumFiles((root / "Data/Sub").string(), r, false, true, true, true);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[1], (root / "Data/Sub/c.txt").string());
}

TEST_F(FileEnumerationTest, DrivesAreTheRootAndTheMountedFileSystems)
{
    std::ofstream(root / "mounts") << "overlay / overlay rw 0 0\n"
                                   << "proc /proc proc rw 0 0\n"
                                   << "/dev/sda1 " << data << " ext4 rw 0 0\n"
                                   << "/dev/sda1 " << (root / "Data/a.txt").string() << " ext4 rw 0 0\n"
                                   << "/dev/sdb1 " << root.string() << "/With\\040Space ext4 rw 0 0\n"
                                   << "/dev/sda2 / ext4 rw 0 0\n";
    fs::create_directory(root / "With Space");
    clsFile f;
    f.setMountsTable(root / "mounts");
    clsFile::Result r;
    f.EnumDrives(r);
    EXPECT_EQ(r, (clsFile::Result{"", "/", data + "/", (root / "With Space").string() + "/"}));
}

TEST_F(FileEnumerationTest, IconsBySize)
{
    clsFile f;
    EXPECT_EQ(f.GetIcon(data + "/a.txt", 16).width(), 16);
    EXPECT_EQ(f.GetIcon(data + "/a.txt", 32).width(), 32);
    EXPECT_EQ(f.GetIcon(data + "/a.txt", 48).height(), 32);
    EXPECT_FALSE(f.GetIcon(data, 16).isEmpty());
    EXPECT_TRUE(f.GetIcon(data + "/nothing.txt", 16).isEmpty());
}

} // namespace
} // namespace qel::testing
