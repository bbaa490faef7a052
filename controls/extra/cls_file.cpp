#include "controls/extra/cls_file.h"
#include "platform/gfx/device_context.h"
#include "platform/window/window_system.h"
#include <algorithm>
#include <fstream>
#include <sstream>
#include <system_error>

namespace qel {

namespace fs = std::filesystem;
using namespace plat;

namespace {

struct Entry {
    std::string name;
    bool directory = false;
    bool link = false; // a link: listed as what it points to, never walked into
    bool hidden = false;
    bool system = false;
    bool readOnly = false;
};

// The entries directly in a folder, in the order of their names' bytes; none when it cannot be read.
std::vector<Entry> entriesOf(const std::string& folder)
{
    std::vector<Entry> out;
    std::error_code ec;
    fs::directory_iterator it(folder, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        Entry e;
        e.name = it->path().filename().string();
        std::error_code se;
        const fs::file_status link = it->symlink_status(se);
        const fs::file_status target = fs::is_symlink(link) ? it->status(se) : link;
        e.link = fs::is_symlink(link);
        e.directory = fs::is_directory(target);
        e.system = !e.directory && !fs::is_regular_file(target);
        e.hidden = !e.name.empty() && e.name[0] == '.';
        const fs::perms p = target.permissions();
        e.readOnly = p != fs::perms::unknown
            && (p & (fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write)) == fs::perms::none;
        out.push_back(std::move(e));
    }
    std::sort(out.begin(), out.end(), [](const Entry& a, const Entry& b) { return a.name < b.name; });
    return out;
}

// The host's pending window messages run between entries.
void processPendingMessages()
{
    if (win::WindowSystem* s = win::WindowSystem::current())
        s->pumpOnce(false);
}

std::string withSlash(std::string folder)
{
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

bool filteredOut(const Entry& e, bool system, bool hidden, bool readOnly)
{
    return (e.hidden && !hidden) || (e.system && !system) || (e.readOnly && !readOnly);
}

} // namespace

void clsFile::EnumFiles(const std::string& Folder, Result& result, bool SubFolder, bool bSystem, bool bHidden, bool bReadOnly)
{
    result.assign(1, std::string());
    WalkFiles(withSlash(Folder), result, {SubFolder, bSystem, bHidden, bReadOnly}, true);
}

void clsFile::WalkFiles(const std::string& path, Result& result, const Filter& filter, bool outermost)
{
    if (outermost)
        m_filesCounter = 0;
    for (const Entry& e : entriesOf(path)) {
        processPendingMessages();
        if (e.directory) {
            if (e.name[0] != '.' && filter.subFolder && !e.link)
                WalkFiles(path + e.name + "/", result, filter, false);
            continue;
        }
        if (filteredOut(e, filter.system, filter.hidden, filter.readOnly))
            continue;
        ++m_filesCounter;
        result.resize(size_t(m_filesCounter) + 1);
        result[size_t(m_filesCounter)] = path + e.name;
    }
}

void clsFile::EnumFolders(const std::string& Folder, Result& result, bool SubFolder, bool bSystem, bool bHidden, bool bReadOnly)
{
    result.assign(1, std::string());
    WalkFolders(withSlash(Folder), result, {SubFolder, bSystem, bHidden, bReadOnly}, true);
}

void clsFile::WalkFolders(const std::string& path, Result& result, const Filter& filter, bool outermost)
{
    if (outermost)
        m_foldersCounter = 0;
    for (const Entry& e : entriesOf(path)) {
        processPendingMessages();
        if (!e.directory)
            continue;
        if (e.name[0] != '.' && filter.subFolder && !e.link)
            WalkFolders(path + e.name + "/", result, filter, false);
        // Every real folder is listed, also one whose name sorts before "." (" x", "(2019)", "-old").
        const std::string full = path + e.name;
        if (e.name == "." || e.name == ".." || filteredOut(e, filter.system, filter.hidden, filter.readOnly))
            continue;
        ++m_foldersCounter;
        result.resize(size_t(m_foldersCounter) + 1);
        result[size_t(m_foldersCounter)] = full;
    }
}

void clsFile::EnumDrives(Result& result)
{
    Result drives{std::string(), "/"};
    std::ifstream table(m_mountsTable);
    std::string line;
    while (std::getline(table, line)) {
        std::istringstream fields(line);
        std::string device, mountPoint;
        if (!(fields >> device >> mountPoint) || device.rfind("/dev/", 0) != 0)
            continue;
        // The table writes blanks in names as octal escapes.
        std::string decoded;
        for (size_t i = 0; i < mountPoint.size(); ++i) {
            if (mountPoint[i] == '\\' && i + 3 < mountPoint.size()) {
                decoded += char(std::stoi(mountPoint.substr(i + 1, 3), nullptr, 8));
                i += 3;
            } else {
                decoded += mountPoint[i];
            }
        }
        std::error_code ec;
        if (!fs::is_directory(decoded, ec))
            continue;
        const std::string root = withSlash(decoded);
        if (std::find(drives.begin() + 1, drives.end(), root) == drives.end())
            drives.push_back(root);
    }
    result = std::move(drives);
}

gfx::Picture clsFile::GetIcon(const std::string& Source, int32_t Size)
{
    std::error_code ec;
    const fs::file_status st = fs::status(Source, ec);
    if (ec || !fs::exists(st))
        return {};
    const int n = Size == 16 ? 16 : 32;
    gfx::Surface s(n, n, 0x00000000u);
    gfx::DeviceContext dc(s);
    auto box = [&](int l, int t, int r, int b, gfx::Color fill, gfx::Color edge) {
        const int k = n / 16;
        dc.fillRect({l * k, t * k, r * k, b * k}, gfx::opaque(edge));
        dc.fillRect({l * k + 1, t * k + 1, r * k - 1, b * k - 1}, gfx::opaque(fill));
    };
    const std::string name = fs::path(Source).filename().string();
    if (fs::is_directory(st) && (Source == "/" || name.empty())) {
        box(1, 4, 15, 12, 0xC0C0C0, 0x606060); // a drive
        dc.fillRect({n * 10 / 16, n * 8 / 16, n * 12 / 16, n * 9 / 16}, gfx::opaque(0x00C000));
    } else if (fs::is_directory(st)) {
        box(1, 3, 7, 6, 0x4CC8F8, 0x1E84B0); // a folder's tab and body
        box(1, 5, 15, 14, 0x60D8FF, 0x1E84B0);
    } else {
        box(3, 1, 13, 15, 0xFFFFFF, 0x808080); // a page, banded by its kind
        const std::string ext = fs::path(Source).extension().string();
        const size_t h = std::hash<std::string>{}(ext);
        const gfx::Color band = gfx::rgb(int(h & 0x7F) + 64, int((h >> 8) & 0x7F) + 64, int((h >> 16) & 0x7F) + 64);
        const int k = n / 16;
        dc.fillRect({4 * k, 9 * k, 12 * k, 12 * k}, gfx::opaque(band));
    }
    return gfx::Picture(std::move(s));
}

} // namespace qel
