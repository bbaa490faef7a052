#include "controls/extra/qel_list_box.h"
#include "platform/gfx/system_colors.h"
#include "platform/window/api.h"

namespace qel {

using namespace plat;
using namespace plat::win;
using plat::forms::PropertyBag;

qelListBox::qelListBox()
    : m_font(std::make_shared<forms::FontDesc>())
    , m_items(std::make_shared<clsFastCollection>())
    , m_selectedFlags(2, false)
    , m_checkedFlags(2, false)
    , m_parts(*this)
{
    m_imageCurrent = true;
    m_loading = true;
}

qelListBox::~qelListBox()
{
    // The bar may outlive the list by a moment (its holder lets it go after the current
    // message): it reports to nobody from here on.
    if (m_vs) {
        m_vs->Change = nullptr;
        m_vs->Scroll = nullptr;
        m_vs->MouseMove = nullptr;
        m_vs->ValueAssigned = nullptr;
    }
}

void qelListBox::onPlaced()
{
    DrawnControl::onPlaced();
    CreateBar();
    OnResized();
}

void qelListBox::CreateBar()
{
    const bool u = m_unRefreshControl;
    m_unRefreshControl = true;
    // The bar is a part loaded from the list's own design (all its defaults).
    PropertyBag none;
    m_vs = &m_parts.add<qelVScrollPrivate>("VS", std::max(0.0, width() - 255), 0, 255, height(), &none);
    m_vs->setUnRefreshControl(true);
    m_vs->setMax(Whole(1));
    m_vs->setMin(Whole(1));
    m_vs->setValue(Whole(1));
    m_vs->setVisible(true);
    m_vs->setUnRefreshControl(false);
    m_vs->Change = [this](Fixed& Value) { FollowBar(Value); };
    // A drag reports Scroll before each step of the thumb and no Change: the list takes the
    // value after the step from the move that made it.
    m_vs->Scroll = [this] { FollowBar(m_vs->Value()); };
    m_vs->MouseMove = [this](int&, int&, int&, int&, int&) { FollowBar(m_vs->Value()); };
    // A Value Let reports Change before it takes the value: the list follows once it has.
    m_vs->ValueAssigned = [this] { FollowBar(m_vs->Value()); };
    m_unRefreshControl = u;
}

void qelListBox::onRemoved()
{
    m_items->Clear();
    DrawnControl::onRemoved();
}

qelPrivateScroll qelListBox::VScroll() const { return qelPrivateScroll::CopyOf(*m_vs); }

void qelListBox::setVScroll(const qelPrivateScroll& settings)
{
    m_vs->setUnRefreshControl(true);
    settings.ApplySettingsTo(*m_vs);
    m_vs->setUnRefreshControl(false);
    m_vs->Refresh();
    // The bar's Value Let reports the value it leaves, not the one it takes.
    FollowBar(m_vs->Value());
    PropertyChanged();
}

// --- flags ---

bool qelListBox::Flag(const std::vector<bool>& flags, int32_t index)
{
    return index >= 0 && size_t(index) < flags.size() && flags[size_t(index)];
}

void qelListBox::SetFlag(std::vector<bool>& flags, int32_t index, bool v)
{
    if (index >= 0 && size_t(index) < flags.size())
        flags[size_t(index)] = v;
}

void qelListBox::ResizeFlags(std::vector<bool>& flags, int32_t last) { flags.resize(size_t(std::max(last, 0)) + 1, false); }

void qelListBox::InsertFlags(int32_t position, bool selected, bool checked)
{
    // Called with the item already counted in ItemBound; the arrays still end one before it.
    const auto at = [position](std::vector<bool>& flags) { return flags.begin() + std::min<ptrdiff_t>(position, ptrdiff_t(flags.size())); };
    m_selectedFlags.insert(at(m_selectedFlags), selected);
    m_checkedFlags.insert(at(m_checkedFlags), checked);
    ResizeFlags(m_selectedFlags, m_itemBound - 1);
    ResizeFlags(m_checkedFlags, m_itemBound - 1);
}

int32_t qelListBox::CountFlags(const std::vector<bool>& flags) const
{
    int32_t n = 0;
    for (int32_t i = 1; i <= ListCount(); ++i)
        n += Flag(flags, i);
    return n;
}

// --- properties ---

void qelListBox::setSelColor(uint32_t c)
{
    m_selColor = c;
    hDc().setTextColor(gfx::toRgb(m_foreColor));
    PropertyChanged();
}

void qelListBox::setForeColor(uint32_t c)
{
    m_foreColor = c;
    hDc().setTextColor(gfx::toRgb(c));
    PropertyChanged();
}

void qelListBox::setBackColor(uint32_t c)
{
    m_backColor = c;
    setSurfaceBackColor(gfx::toRgb(c));
}

void qelListBox::setFont(const forms::FontDesc& font)
{
    m_font = std::make_shared<forms::FontDesc>(font);
    setSurfaceFont(font);
    PropertyChanged();
}

void qelListBox::setEnabled(bool enabled)
{
    // Input is not blocked: only the look changes.
    DrawnControl::setEnabled(enabled);
}

std::string qelListBox::List(int32_t Index) const
{
    ItemRef item = m_items->Item(Index);
    return item ? item->Text() : std::string();
}

void qelListBox::setList(int32_t Index, const std::string& text)
{
    if (ItemRef item = m_items->Item(Index))
        item->setText(text);
    PropertyChanged();
}

void qelListBox::setSorted(int32_t v)
{
    m_imageCurrent = false;
    m_sorted = v;
    // A sort that ran leaves the image marked current: the new order is drawn here, or the
    // rows on screen would answer presses for the items that stood there before.
    if (ApplySort(v))
        Refresh();
    else
        PaintHandler();
}

qelListBox::ItemRef qelListBox::Item(int32_t Index)
{
    ItemRef item = m_items->Item(Index);
    if (!item)
        return nullptr;
    item->setChecked(Flag(m_checkedFlags, Index));
    item->setSelected(Flag(m_selectedFlags, Index));
    return item;
}

void qelListBox::setItem(int32_t Index, const ItemRef& item)
{
    if (!item)
        return;
    SetFlag(m_selectedFlags, Index, item->Selected());
    SetFlag(m_checkedFlags, Index, item->Checked());
    PropertyChanged();
}

void qelListBox::setDisplayVScroll(bool v)
{
    m_displayVScroll = v;
    m_vs->setVisible(v);
    PropertyChanged();
}

void qelListBox::setListItems(std::shared_ptr<clsFastCollection> items)
{
    if (items)
        m_items = std::move(items);
    PropertyChanged();
}

void qelListBox::setBorderSelColor(uint32_t c)
{
    m_borderSelColor = c;
    hDc().setTextColor(gfx::toRgb(m_foreColor));
    PropertyChanged();
}

void qelListBox::setAcceptAutoSort(bool v)
{
    m_acceptAutoSort = v;
    if (v && ApplySort(m_sorted))
        Refresh();
}

void qelListBox::setListType(int32_t v)
{
    const bool wasFileList = m_listType != 0;
    m_imageCurrent = false;
    if (v != m_listType)
        m_iconCache.clear(); // the icons of another kind of entry
    m_listType = v;
    if (v != 0)
        FillFileList();
    else if (wasFileList && m_sized && !m_loading)
        Clear();
}

void qelListBox::setIconSize(int32_t v)
{
    m_iconSize = v;
    if (m_listType != 0)
        FillFileList();
}

// --- items ---

void qelListBox::AddItem(const std::string& Text, ItemRef item, const std::string& Key, int32_t Index)
{
    ++m_itemBound;
    const int32_t count = ListCount() - 1; // before this item
    // Where the collection puts it: before Index, or at the end.
    const int32_t position = Index >= 1 && Index <= count + 1 ? Index : count + 1;
    if (!item) {
        item = std::make_shared<qelListItem>();
        item->setBackColor(m_backColor);
        item->setFont(m_font);
        item->setForeColor(m_foreColor);
        item->setAlignment(m_alignment);
        item->setSelColor(m_selColor);
        item->setBorderSelColor(m_borderSelColor);
        item->setChecked(false);
        item->setSelected(false);
        item->setKey(Key);
        item->setText(Text);
        item->setHeight(N(double(TextHeight(Text)) + 50));
        item->setIndex(Index != -1 ? Index : count + 1);
    } else if (Index == -1) {
        item->setIndex(count + 1);
    }
    InsertFlags(position, item->Selected(), item->Checked());
    m_items->Add(item, Index == -1 ? -1 : Index);
    m_newIndex = item->Index();
    m_vs->setUnRefreshControl(true);
    m_vs->setMax(Whole(m_itemBound));
    m_vs->setUnRefreshControl(false);
    if (m_acceptAutoSort) {
        m_imageCurrent = false;
        ApplySort(m_sorted);
    }
    Refresh();
}

bool qelListBox::RemoveItem(int32_t Index)
{
    if (Index < 1 || Index > ListCount())
        return false;
    m_items->Remove(Index);
    // The items after Index move down one position, and their flags with them.
    m_selectedFlags.erase(m_selectedFlags.begin() + Index);
    m_checkedFlags.erase(m_checkedFlags.begin() + Index);
    --m_itemBound;
    ResizeFlags(m_selectedFlags, m_itemBound);
    ResizeFlags(m_checkedFlags, m_itemBound);
    m_vs->setMax(Whole(std::max(1, m_itemBound - 1)));
    Refresh();
    return true;
}

void qelListBox::Clear()
{
    m_selectedFlags.assign(2, false);
    m_checkedFlags.assign(2, false);
    m_items->Clear();
    m_itemBound = 1;
    m_vs->setMax(Whole(1));
    Refresh();
}

void qelListBox::InvertSelection()
{
    for (int32_t i = 1; i <= ListCount(); ++i)
        SetFlag(m_selectedFlags, i, !Flag(m_selectedFlags, i));
    Refresh();
}

void qelListBox::InvertChecks()
{
    for (int32_t i = 1; i <= ListCount(); ++i)
        SetFlag(m_checkedFlags, i, !Flag(m_checkedFlags, i));
    Refresh();
}

void qelListBox::SelectAll()
{
    for (int32_t i = 1; i <= ListCount(); ++i)
        SetFlag(m_selectedFlags, i, true);
    Refresh();
}

void qelListBox::CheckAll()
{
    for (int32_t i = 1; i <= ListCount(); ++i)
        SetFlag(m_checkedFlags, i, true);
    Refresh();
}

void qelListBox::UnSelectAll(bool RefreshControl)
{
    std::fill(m_selectedFlags.begin(), m_selectedFlags.end(), false);
    if (RefreshControl)
        Refresh();
}

void qelListBox::UnCheckAll()
{
    std::fill(m_checkedFlags.begin(), m_checkedFlags.end(), false);
    Refresh();
}

// --- stored properties ---

void qelListBox::initProperties()
{
    InitFrom(*this, StoredProperties());
    m_imageCurrent = true;
    PaintHandler();
}

void qelListBox::readProperties(forms::PropertyBag& bag)
{
    BeginLoading();
    PropertiesBeforeBar().read(*this, bag);
    // "VScroll" is never stored: every load gives the bar the settings of a fresh object. The
    // bar's value can move the first item shown, so this comes after TopIndex.
    setVScroll(qelPrivateScroll());
    PropertiesAfterBar().read(*this, bag);
    EndReading();
    if (ambient().userMode)
        m_vs->LaunchKeyMouseEvents();
}

void qelListBox::writeProperties(forms::PropertyBag& bag) const { StoredProperties().write(*this, bag); }

} // namespace qel
