#include "platform/system/file_save.h"
#include "tests/support/temp_folder.h"
#include "tests/support/unprivileged_child.h"

#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace plat::sys;
namespace fs = std::filesystem;

namespace {

const std::string kOldBytes = "the old and longer text\r\n";
const std::string kNewBytes = "new\r\n";

bool saveNew(const fs::path& path)
{
    return saveFileInPlaceWhereNeeded(path, [](TextWriter& w) { return w.writeBytes(kNewBytes); });
}

ino_t inodeOf(const fs::path& path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

} // namespace

TEST(FileSave, WritesInPlaceOnlyWhereANewFileCannotTakeThePlace)
{
    TempFolder folder;
    const fs::path ro = folder / "ro";
    struct Case {
        const char* name;
        std::function<fs::path()> prepare;
        bool saved;
        const char* content; // afterwards; nullptr: nothing there
        bool sameFile;       // the same inode as before
    };
    const std::vector<Case> cases = {
        {"plain file", [&] { writeBytes(folder / "p", kOldBytes); return folder / "p"; }, true, "new\r\n", false},
        {"new file", [&] { return folder / "n"; }, true, "new\r\n", false},
        {"file with a second name", [&] { writeBytes(folder / "h", kOldBytes); fs::create_hard_link(folder / "h", folder / "h2"); return folder / "h"; }, true, "new\r\n", true},
        {"shorter file with a second name", [&] { writeBytes(folder / "s", "x"); fs::create_hard_link(folder / "s", folder / "s2"); return folder / "s"; }, true, "new\r\n", true},
        {"file in a read-only folder", [&] { fs::create_directory(ro); writeBytes(ro / "f", kOldBytes); ::chmod(ro.c_str(), 0555); return ro / "f"; }, true, "new\r\n", true},
        {"new file in a read-only folder", [&] { return ro / "g"; }, false, nullptr, false},
        {"a pipe", [&] { ::mkfifo((folder / "pipe").c_str(), 0666); return folder / "pipe"; }, false, nullptr, true},
        {"a symbolic link", [&] { writeBytes(folder / "t", kOldBytes); fs::create_symlink("t", folder / "l"); return folder / "l"; }, false, nullptr, true},
        {"a folder", [&] { fs::create_directory(folder / "d"); return folder / "d"; }, false, nullptr, true},
    };
    for (const Case& c : cases) {
        const fs::path path = c.prepare();
        const ino_t before = inodeOf(path);
        EXPECT_EQ(saveNew(path), c.saved) << c.name;
        if (c.content) {
            EXPECT_EQ(readBytes(path), c.content) << c.name;
        } else if (!before) {
            EXPECT_FALSE(fs::exists(fs::symlink_status(path))) << c.name;
        }
        if (c.sameFile) {
            EXPECT_EQ(inodeOf(path), before) << c.name;
        }
    }
    EXPECT_EQ(readBytes(folder / "h2"), kNewBytes) << "the second name shows the new text";
    EXPECT_EQ(readBytes(folder / "s2"), kNewBytes) << "the second name shows the new text";
    EXPECT_EQ(readBytes(folder / "t"), kOldBytes) << "nothing written through the link";
    ::chmod(ro.c_str(), 0755);
    EXPECT_EQ(std::distance(fs::directory_iterator(ro), fs::directory_iterator()), 1) << "no temporary file left";
}

TEST(FileSave, AnUnprivilegedUserSavesAWritableFileInAReadOnlyFolder)
{
    TempFolder folder;
    const fs::path ro = folder / "ro";
    fs::create_directory(ro);
    writeBytes(ro / "f", kOldBytes);
    ::chmod((ro / "f").c_str(), 0666);
    ::chmod(folder.path().c_str(), 0755);
    ::chmod(ro.c_str(), 0555);
    const ino_t before = inodeOf(ro / "f");
    const int status = runAsUnprivilegedUser([&] { return saveNew(ro / "f"); });
    ::chmod(ro.c_str(), 0755);
    ASSERT_NE(status, 2) << "could not give up root";
    EXPECT_EQ(status, 0) << "the save reported failure";
    EXPECT_EQ(readBytes(ro / "f"), kNewBytes);
    EXPECT_EQ(inodeOf(ro / "f"), before);
}
