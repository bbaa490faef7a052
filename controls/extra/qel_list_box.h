#pragma once
#include "controls/core/drawn_control.h"
#include "controls/core/property_table.h"
#include "controls/extra/cls_fast_collection.h"
#include "controls/extra/cls_file.h"
#include "controls/extra/qel_list_item.h"
#include "controls/text/constituent_controls.h"
#include "controls/text/qel_private_scroll.h"
#include "controls/text/qel_v_scroll_private.h"
#include "platform/forms/property_bag.h"
#include "platform/system/program_folder.h"
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace qel {

// The owner-drawn list: items (qelListItem) stacked from a first visible item, each with its own
// text, colours, font, height, alignment and optional icon, and the bar VS along the right edge.
// Single or multiple selection, an optional check box before every item with hot tracking,
// sorting by text, a file mode (files, folders or drives with their icons) and the texts as a
// text file. The selection and the check marks are kept in flags beside the items, and move
// with their items when items are removed, inserted or sorted.
//
// Members, in interface order: WindowProc, VScroll, hDc, hwnd, SelColor, ForeColor, BackColor, Font,
// Enabled, DisplayBorder, BorderColor, List, ListCount, ListIndex, MultiSelect, NewIndex, SelCount,
// Selected, Checked, Sorted, TopIndex, StyleCheckBox, Item, UnRefreshControl, DisplayVScroll,
// CheckCount, Alignment, ListItems, FullRowSelect, BorderSelColor, AcceptAutoSort, ListType, Path,
// DisplayFileIcons, DisplayEntirePath, UseDefautItemSettings, IconSize, ShowHiddenFiles,
// ShowSystemFiles, ShowReadOnlyFiles, AddItem, Clear, InvertSelection, InvertChecks, RemoveItem,
// SelectAll, CheckAll, UnSelectAll, UnCheckAll, SortItems, Refresh, FillByFile, SaveToFile.
class qelListBox : public DrawnControl {
public:
    using ItemRef = clsFastCollection::ItemRef;
    using ItemEvent = std::function<void(const ItemRef& Item)>;

    ItemEvent ItemClick;
    ItemEvent ItemDblClick;
    ItemEvent ItemUnCheck;
    ItemEvent ItemChek;
    // Declared; nothing raises it.
    std::function<void()> Scroll;

    qelListBox();
    ~qelListBox() override;
    std::string className() const override { return "qelListBox"; }

    // A new copy of VS's settings; assigning one gives VS its settings (not Min, Max or the size).
    qelPrivateScroll VScroll() const;
    void setVScroll(const qelPrivateScroll& settings);

    uint32_t SelColor() const { return m_selColor; }
    void setSelColor(uint32_t c);
    uint32_t ForeColor() const { return m_foreColor; }
    void setForeColor(uint32_t c);
    uint32_t BackColor() const { return m_backColor; }
    void setBackColor(uint32_t c);
    const plat::forms::FontDesc& Font() const { return *m_font; }
    void setFont(const plat::forms::FontDesc& font);
    void setEnabled(bool enabled) override;
    bool DisplayBorder() const { return m_displayBorder; }
    void setDisplayBorder(bool v) { Store(m_displayBorder, v); }
    uint32_t BorderColor() const { return m_borderColor; }
    void setBorderColor(uint32_t c) { Store(m_borderColor, c); }
    std::string List(int32_t Index) const;
    void setList(int32_t Index, const std::string& text);
    int32_t ListCount() const { return m_itemBound - 1; }
    int32_t ListIndex() const { return m_listIndex; }
    void setListIndex(int32_t v) { Store(m_listIndex, v); }
    bool MultiSelect() const { return m_multiSelect; }
    void setMultiSelect(bool v) { m_multiSelect = v; }
    int32_t NewIndex() const { return m_newIndex; }
    // The items selected now, by whatever means.
    int32_t SelCount() const { return CountFlags(m_selectedFlags); }
    bool Selected(int32_t Index) const { return Flag(m_selectedFlags, Index); }
    void setSelected(int32_t Index, bool v) { SetFlag(m_selectedFlags, Index, v); }
    bool Checked(int32_t Index) const { return Flag(m_checkedFlags, Index); }
    void setChecked(int32_t Index, bool v) { SetFlag(m_checkedFlags, Index, v); }
    // 0 ascending, 2 no sorting, any other value descending.
    int32_t Sorted() const { return m_sorted; }
    void setSorted(int32_t v);
    int32_t TopIndex() const { return m_topIndex; }
    void setTopIndex(int32_t v) { Store(m_topIndex, v); }
    bool StyleCheckBox() const { return m_styleCheckBox; }
    void setStyleCheckBox(bool v) { Store(m_styleCheckBox, v); }
    // The stored item with the flags of its position; none outside 1 to ListCount.
    ItemRef Item(int32_t Index);
    // Takes the given item's Selected and Checked into the flags of Index.
    void setItem(int32_t Index, const ItemRef& item);
    bool DisplayVScroll() const { return m_displayVScroll; }
    void setDisplayVScroll(bool v);
    // The items checked now, by whatever means.
    int32_t CheckCount() const { return CountFlags(m_checkedFlags); }
    // 0 left, 1 right, 2 centred (others draw right).
    int32_t Alignment() const { return m_alignment; }
    void setAlignment(int32_t v) { Store(m_alignment, v); }
    // The item collection itself.
    const std::shared_ptr<clsFastCollection>& ListItems() const { return m_items; }
    void setListItems(std::shared_ptr<clsFastCollection> items);
    bool FullRowSelect() const { return m_fullRowSelect; }
    void setFullRowSelect(bool v) { Store(m_fullRowSelect, v); }
    uint32_t BorderSelColor() const { return m_borderSelColor; }
    void setBorderSelColor(uint32_t c);
    bool AcceptAutoSort() const { return m_acceptAutoSort; }
    void setAcceptAutoSort(bool v);
    // 0 plain list, 1 files, 2 folders, other values drives.
    int32_t ListType() const { return m_listType; }
    // Back to 0 takes the file listing away.
    void setListType(int32_t v);
    // The file-mode settings below only store while the list is a plain one.
    const std::string& Path() const { return m_path; }
    void setPath(const std::string& v) { FileModeLet(m_path, v); }
    bool DisplayFileIcons() const { return m_displayFileIcons; }
    void setDisplayFileIcons(bool v) { FileModeLet(m_displayFileIcons, v); }
    bool DisplayEntirePath() const { return m_displayEntirePath; }
    void setDisplayEntirePath(bool v) { FileModeLet(m_displayEntirePath, v); }
    bool UseDefautItemSettings() const { return m_useDefautItemSettings; }
    void setUseDefautItemSettings(bool v) { Store(m_useDefautItemSettings, v); }
    // 16 small icons, other values large.
    int32_t IconSize() const { return m_iconSize; }
    void setIconSize(int32_t v);
    bool ShowHiddenFiles() const { return m_showHiddenFiles; }
    void setShowHiddenFiles(bool v) { FileModeLet(m_showHiddenFiles, v); }
    bool ShowSystemFiles() const { return m_showSystemFiles; }
    void setShowSystemFiles(bool v) { FileModeLet(m_showSystemFiles, v); }
    bool ShowReadOnlyFiles() const { return m_showReadOnlyFiles; }
    void setShowReadOnlyFiles(bool v) { FileModeLet(m_showReadOnlyFiles, v); }

    // Index -1 appends; an item given is added as it is.
    void AddItem(const std::string& Text, ItemRef item = nullptr, const std::string& Key = "", int32_t Index = -1);
    void Clear();
    void InvertSelection();
    void InvertChecks();
    // False, and nothing changes, when Index is outside 1 to ListCount.
    bool RemoveItem(int32_t Index);
    void SelectAll();
    void CheckAll();
    void UnSelectAll(bool RefreshControl);
    void UnCheckAll();
    void SortItems(int32_t SortType);
    void Refresh();
    // Appends one item per CR LF separated text of the file (ANSI code page); with AcceptAutoSort
    // the list is sorted once, after the last item. What is not a readable regular file, or is
    // larger than kMaxTextFileBytes, reads as an empty text: it adds nothing.
    void FillByFile(const std::string& File);
    static constexpr std::uintmax_t kMaxTextFileBytes = std::uintmax_t(16) << 20;
    // The texts, CR LF between two, nothing after the last; false when the file could not be
    // written (it is then left as it was), also for a file without write permission. A link is
    // written through: the file it names gets the texts and the link stays. Saved as an editor
    // saves: in place where the folder takes no new file or the file has other names.
    bool SaveToFile(const std::string& File) const;

    // --- for hosts and tests ---
    qelVScrollPrivate& VS() { return *m_vs; }
    int32_t VisibleCount() const { return m_visibleCount; }
    int32_t ItemBound() const { return m_itemBound; }
    int32_t Anchor() const { return m_anchor; }
    // The icon cache's keys and the icon key of a path.
    std::vector<std::string> CachedIconKeys() const;
    std::string IconKeyOf(const std::string& path) const;
    static std::string FileNameOf(const std::string& path);

    // The stored properties, in the order they are written: those a load reads before it gives
    // the bar its settings, then the rest.
    static const auto& StoredProperties();
    void initProperties() override;
    void readProperties(plat::forms::PropertyBag& bag) override;
    void writeProperties(plat::forms::PropertyBag& bag) const override;

protected:
    void Redraw() override;
    void HandleMessage(plat::win::UINT msg, plat::win::WPARAM wParam, plat::win::LPARAM lParam) override;
    void OnMouseButton(plat::win::UINT msg, MouseEventArgs& args) override;
    void OnMouseHover() override;
    void OnMouseLeave() override;
    void OnResized() override;
    void onPlaced() override;
    void onRemoved() override;

private:
    static const auto& PropertiesBeforeBar();
    static const auto& PropertiesAfterBar();

    template<class T, class V>
    void FileModeLet(T& member, V&& value)
    {
        member = std::forward<V>(value);
        if (m_listType == 0)
            return;
        m_imageCurrent = false;
        FillFileList();
    }
    void CreateBar();
    static bool Flag(const std::vector<bool>& flags, int32_t index);
    static void SetFlag(std::vector<bool>& flags, int32_t index, bool v);
    int32_t CountFlags(const std::vector<bool>& flags) const;
    static void ResizeFlags(std::vector<bool>& flags, int32_t last);
    // The flags of a new item at a position, the following ones moving up with their items.
    void InsertFlags(int32_t position, bool selected, bool checked);
    // The first item of the last full page.
    int32_t LastTopIndex() const;
    int32_t ItemHeight(int32_t index) const;
    void RaiseItem(const ItemEvent& event, int32_t index);

    void DrawItem(const qelListItem& item, int y, int32_t i);
    void DrawItemIcon(const qelListItem& item, int y);
    void DrawBorder();
    void DrawCheckBoxes(int32_t n);
    int32_t WindowHitTest(int y) const;
    int32_t HoverCount() const;
    void Press(int button, int shift, int X, int Y);
    void HotTracking(int Y);
    // The list shows from the bar's value, at most from the last full page on.
    void FollowBar(Fixed Value);

    void FillFileList();
    // True when it sorted; the new order is not drawn yet.
    bool ApplySort(int32_t SortType);
    const plat::gfx::Picture* CachedIcon(const std::string& path);

    uint32_t m_selColor{};
    uint32_t m_foreColor{};
    uint32_t m_backColor{};
    std::shared_ptr<plat::forms::FontDesc> m_font;
    bool m_displayBorder{};
    uint32_t m_borderColor{};
    int32_t m_listIndex{};
    bool m_multiSelect{};
    int32_t m_newIndex = 0;
    int32_t m_sorted{};
    int32_t m_topIndex{};
    bool m_styleCheckBox{};
    bool m_displayVScroll{};
    int32_t m_alignment{};
    bool m_fullRowSelect{};
    uint32_t m_borderSelColor{};
    bool m_acceptAutoSort{};
    int32_t m_listType{};
    std::string m_path{};
    bool m_displayFileIcons{};
    bool m_displayEntirePath{};
    bool m_useDefautItemSettings{};
    int32_t m_iconSize{};
    bool m_showHiddenFiles{};
    bool m_showSystemFiles{};
    bool m_showReadOnlyFiles{};

    std::shared_ptr<clsFastCollection> m_items;
    int32_t m_itemBound = 1;
    std::vector<bool> m_selectedFlags;
    std::vector<bool> m_checkedFlags;
    int32_t m_anchor = 0;
    int32_t m_hotIndex = 0;
    int32_t m_visibleCount = 0;
    std::map<std::string, plat::gfx::Picture> m_iconCache;
    clsFile m_files;
    bool m_sized = false;
    ConstituentControls m_parts;
    qelVScrollPrivate* m_vs = nullptr;
};

inline const auto& qelListBox::PropertiesBeforeBar()
{
    using L = qelListBox;
    using P = PropertiesOf<L>;
    static const auto table = propertyTable(P::property("Font", &L::Font, &L::setFont, ambientFont<L>(), ambientTypeface<L>()),
        P::property("BackColor", &L::BackColor, &L::setBackColor, 0xFFFFFFu),
        P::property("BorderColor", &L::BorderColor, &L::setBorderColor, 0xC56A31u),
        P::property("DisplayBorder", &L::DisplayBorder, &L::setDisplayBorder, true),
        P::property("Enabled", &L::Enabled, &L::setEnabled, true).pages(), P::property("ForeColor", &L::ForeColor, &L::setForeColor, 0u),
        P::property("MultiSelect", &L::MultiSelect, &L::setMultiSelect, true),
        // A new list box sorts ascending (0); a layout that leaves Sorted out reads as descending.
        P::property("Sorted", &L::Sorted, &L::setSorted, -1, 0),
        P::property("StyleCheckBox", &L::StyleCheckBox, &L::setStyleCheckBox, false),
        P::property("UnRefreshControl", &L::UnRefreshControl, &L::setUnRefreshControl, false),
        P::property("ListIndex", &L::ListIndex, &L::setListIndex, -1),
        P::property("DisplayVScroll", &L::DisplayVScroll, &L::setDisplayVScroll, true),
        P::property("Alignment", &L::Alignment, &L::setAlignment, 0), P::property("SelColor", &L::SelColor, &L::setSelColor, 0xFFDDBCu),
        P::property("FullRowSelect", &L::FullRowSelect, &L::setFullRowSelect, true),
        P::property("BorderSelColor", &L::BorderSelColor, &L::setBorderSelColor, 0xFA8919u),
        P::property("TopIndex", &L::TopIndex, &L::setTopIndex, 1));
    return table;
}

inline const auto& qelListBox::PropertiesAfterBar()
{
    using L = qelListBox;
    using P = PropertiesOf<L>;
    static const auto table
        = propertyTable(P::property("UseDefautItemSettings", &L::UseDefautItemSettings, &L::setUseDefautItemSettings, false),
            P::property("AcceptAutoSort", &L::AcceptAutoSort, &L::setAcceptAutoSort, false),
            P::property("ListType", &L::ListType, &L::setListType, 0),
            P::property("Path", &L::Path, &L::setPath, [](const L&) { return plat::sys::programFolder().string(); }),
            P::property("DisplayFileIcons", &L::DisplayFileIcons, &L::setDisplayFileIcons, true),
            P::property("DisplayEntirePath", &L::DisplayEntirePath, &L::setDisplayEntirePath, false),
            P::property("IconSize", &L::IconSize, &L::setIconSize, 16),
            P::property("ShowHiddenFiles", &L::ShowHiddenFiles, &L::setShowHiddenFiles, true),
            P::property("ShowReadOnlyFiles", &L::ShowReadOnlyFiles, &L::setShowReadOnlyFiles, true),
            P::property("ShowSystemFiles", &L::ShowSystemFiles, &L::setShowSystemFiles, true));
    return table;
}

inline const auto& qelListBox::StoredProperties()
{
    static const auto table = join(PropertiesBeforeBar(), PropertiesAfterBar());
    return table;
}

} // namespace qel
