#pragma once
#include "platform/gfx/picture.h"
#include <filesystem>
#include <string>
#include <vector>

namespace qel {

// Lists the files or the folders under a folder (optionally through its subfolders, with a filter
// on the hidden, system and read-only attributes), lists the machine's drive roots, and gives the
// icon of a path. Results have position 0 empty and the entries from position 1 on.
//
// On this system the attributes are read as follows: hidden is a name that begins with "." (so a
// hidden folder is never walked into: the walks skip names beginning with "."), system is an
// entry that is neither a plain file nor a folder (a device, socket or pipe), read-only is an
// entry nobody may write (no write permission bit at all). The drives are the root "/" and the
// mounted block-device file systems, each as a folder path ending with "/". The walks do not
// follow links to folders, so a link that points back up cannot make them go round for ever.
// Entries come in the order of their names' bytes; pending window messages are handled between
// entries. A walk must not be entered again on the same object from a handler meanwhile.
class clsFile {
public:
    using Result = std::vector<std::string>;

    void EnumFiles(const std::string& Folder, Result& result, bool SubFolder = false, bool bSystem = false, bool bHidden = false,
        bool bReadOnly = false);
    // Folders below a folder come before the folder itself; paths have no final "/".
    void EnumFolders(const std::string& Folder, Result& result, bool SubFolder = false, bool bSystem = false, bool bHidden = false,
        bool bReadOnly = false);
    void EnumDrives(Result& result);
    // The icon of Source: 16 x 16 for Size 16, 32 x 32 for any other Size; an empty picture when
    // Source does not exist.
    plat::gfx::Picture GetIcon(const std::string& Source, int32_t Size);

    // Where EnumDrives reads the mounted file systems (a mounts table); for tests.
    void setMountsTable(std::filesystem::path table) { m_mountsTable = std::move(table); }

private:
    struct Filter {
        bool subFolder, system, hidden, readOnly;
    };
    void WalkFiles(const std::string& path, Result& result, const Filter& filter, bool outermost);
    void WalkFolders(const std::string& path, Result& result, const Filter& filter, bool outermost);

    int m_filesCounter = 0;
    int m_foldersCounter = 0;
    std::filesystem::path m_mountsTable = "/proc/self/mounts";
};

} // namespace qel
