#include "controls/extra/cls_sort.h"
#include "controls/extra/qel_list_box.h"
#include "platform/system/ansi_codec.h"
#include "platform/system/file_save.h"
#include "platform/system/file_system.h"
#include <algorithm>
#include <filesystem>
#include <optional>
#include <unistd.h>

namespace qel {

using namespace plat;
namespace fs = std::filesystem;

std::string qelListBox::FileNameOf(const std::string& path)
{
    std::string p = path;
    while (p.size() > 1 && p.back() == '/')
        p.pop_back();
    const size_t slash = p.rfind('/');
    std::string name = slash == std::string::npos ? p : p.substr(slash + 1);
    if (name.empty())
        name = path; // a root keeps its whole text
    const size_t nul = name.find('\0');
    return nul == std::string::npos ? name : name.substr(0, nul);
}

namespace {

// Where a save of the list lands: a link is written through to the file it names, as an editor
// does; nothing (empty) for a file that its mode bits or the system keep from being written.
std::optional<fs::path> WritableTargetOf(const fs::path& file)
{
    std::error_code ec;
    fs::path target = file;
    for (int hops = 0; fs::is_symlink(fs::symlink_status(target, ec)); ++hops) {
        const fs::path next = fs::read_symlink(target, ec);
        if (ec || hops == 40)
            return std::nullopt;
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    const fs::file_status st = fs::status(target, ec);
    if (!fs::exists(st))
        return target;
    // The mode bits are asked directly: the superuser's writes pass every permission check.
    constexpr fs::perms anyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if (!fs::is_regular_file(st) || (st.permissions() & anyWrite) == fs::perms::none || ::access(target.c_str(), W_OK) != 0)
        return std::nullopt;
    return target;
}

std::string ExtensionOf(const std::string& path)
{
    const size_t dot = path.rfind('.');
    if (dot == std::string::npos)
        return "";
    std::string e = path.substr(dot + 1);
    std::transform(e.begin(), e.end(), e.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return e;
}

} // namespace

std::string qelListBox::IconKeyOf(const std::string& path) const
{
    // Files and folders of one extension look different, so the kind is part of the key; a
    // drive keys by its root.
    std::string base;
    if (m_listType == 1 || m_listType == 2) {
        const std::string e = ExtensionOf(path);
        if (e == "exe" || e == "ico" || e == "cur" || e == "ani" || e == "lnk")
            base = path;
        else if (!e.empty())
            base = e;
        else
            base = ":no ext";
        if (m_listType == 2)
            base = "folder:" + base;
    } else {
        base = path;
    }
    return base + (m_iconSize == 16 ? ":1" : ":3");
}

const gfx::Picture* qelListBox::CachedIcon(const std::string& path)
{
    const std::string key = IconKeyOf(path);
    auto it = m_iconCache.find(key);
    if (it != m_iconCache.end())
        return &it->second;
    gfx::Picture picture = m_files.GetIcon(path, m_iconSize);
    if (picture.isEmpty())
        return nullptr; // nothing stored: the item is drawn without it
    return &m_iconCache.emplace(key, std::move(picture)).first->second;
}

std::vector<std::string> qelListBox::CachedIconKeys() const
{
    std::vector<std::string> keys;
    for (const auto& [k, v] : m_iconCache)
        keys.push_back(k);
    return keys;
}

void qelListBox::FillFileList()
{
    // A plain list holds its host's items: only a file listing is rebuilt.
    if (!m_sized || m_unRefreshControl || m_loading || m_listType == 0)
        return;
    const bool U = m_unRefreshControl;
    m_unRefreshControl = true;
    Clear();
    clsFile::Result R;
    if (m_listType == 1)
        m_files.EnumFiles(m_path, R, false, m_showSystemFiles, m_showHiddenFiles, m_showReadOnlyFiles);
    else if (m_listType == 2)
        m_files.EnumFolders(m_path, R, false, m_showSystemFiles, m_showHiddenFiles, m_showReadOnlyFiles);
    else
        m_files.EnumDrives(R);
    for (size_t i = 1; i < R.size(); ++i) {
        if (m_displayFileIcons) {
            auto item = std::make_shared<qelListItem>();
            item->setText(sys::shownFileName(m_displayEntirePath ? R[i] : FileNameOf(R[i])));
            item->setIcon(int64_t(1));
            item->setFont(std::make_shared<forms::FontDesc>(ambient().font));
            item->setIndex(int32_t(i));
            item->tagString1 = R[i];
            item->setpctType(1);
            if (m_iconSize == 16) {
                item->setpxlIconWidth(16);
                item->setpxlIconHeight(16);
            } else {
                item->setpxlIconWidth(32);
                item->setpxlIconHeight(32);
                item->setHeight(500);
            }
            item->tagString2 = IconKeyOf(R[i]);
            AddItem("", item, "", -1);
        } else {
            AddItem(sys::shownFileName(m_displayEntirePath ? R[i] : FileNameOf(R[i])), nullptr, "", -1);
        }
    }
    m_unRefreshControl = U;
    Refresh();
}

bool qelListBox::ApplySort(int32_t SortType)
{
    if (SortType == 2 || m_imageCurrent || m_loading || m_itemBound <= 1)
        return false;
    // The flags travel in the items through the sort and are read back from their new places.
    for (int32_t i = 1; i <= m_items->Count(); ++i) {
        if (const ItemRef item = m_items->Item(i)) {
            item->setSelected(Flag(m_selectedFlags, i));
            item->setChecked(Flag(m_checkedFlags, i));
        }
    }
    clsSort sorter;
    sorter.SortList(*m_items, SortType == 0);
    for (int32_t i = 1; i <= m_items->Count(); ++i) {
        if (const ItemRef item = m_items->Item(i)) {
            SetFlag(m_selectedFlags, i, item->Selected());
            SetFlag(m_checkedFlags, i, item->Checked());
        }
    }
    m_imageCurrent = true;
    return true;
}

void qelListBox::SortItems(int32_t SortType)
{
    m_imageCurrent = false;
    ApplySort(SortType);
    Refresh();
}

void qelListBox::FillByFile(const std::string& File)
{
    const std::string text = sys::decodeAnsi(sys::readFileBytes(File, kMaxTextFileBytes).value_or(""));
    std::vector<std::string> parts;
    if (!text.empty()) {
        size_t start = 0;
        for (;;) {
            const size_t at = text.find("\r\n", start);
            if (at == std::string::npos) {
                parts.push_back(text.substr(start));
                break;
            }
            parts.push_back(text.substr(start, at - start));
            start = at + 2;
        }
    }
    const bool U = m_unRefreshControl;
    const bool autoSort = m_acceptAutoSort;
    m_unRefreshControl = true;
    m_acceptAutoSort = false;
    for (const auto& part : parts)
        AddItem(part, nullptr, "", -1);
    m_acceptAutoSort = autoSort;
    if (autoSort) {
        m_imageCurrent = false;
        ApplySort(m_sorted);
    }
    m_unRefreshControl = U;
    Refresh();
}

bool qelListBox::SaveToFile(const std::string& File) const
{
    std::string bytes;
    for (int32_t i = 1; i <= ListCount(); ++i) {
        if (i > 1)
            bytes += "\r\n";
        bytes += sys::encodeAnsi(List(i));
    }
    const std::optional<fs::path> target = WritableTargetOf(File);
    return target && sys::saveFileInPlaceWhereNeeded(*target, [&](sys::TextWriter& w) { return w.writeBytes(bytes); });
}

} // namespace qel
