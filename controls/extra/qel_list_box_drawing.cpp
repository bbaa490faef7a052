#include "controls/extra/list_check_images.h"
#include "controls/extra/qel_list_box.h"
#include "platform/gfx/system_colors.h"
#include "platform/gfx/text_layout.h"
#include "platform/window/api.h"
#include "platform/window/twips.h"

namespace qel {

using namespace plat;
using namespace plat::win;

namespace {
constexpr gfx::Color kDisabledText = 0x99A8AC;
}

int32_t qelListBox::ItemHeight(int32_t index) const
{
    ItemRef item = m_items->Item(index);
    return item ? item->Height() : 0;
}

void qelListBox::RaiseItem(const ItemEvent& event, int32_t index)
{
    // Outside the items (below the last one) there is nothing to report.
    const ItemRef item = m_items->Item(index);
    if (event && item)
        event(item);
}

// --- drawing ---

void qelListBox::Redraw()
{
    if (m_unRefreshControl)
        return;
    if (m_listType != 0)
        FillFileList();
    else
        Refresh();
}

void qelListBox::Refresh()
{
    if (m_unRefreshControl || !hwnd() || !m_vs)
        return;
    setSurfaceBackColor(gfx::toRgb(m_backColor));
    hDc().setTextColor(Enabled() ? gfx::toRgb(m_foreColor) : kDisabledText);
    TranslateColor(m_backColor);
    TranslateColor(m_foreColor);
    TranslateColor(m_borderColor);

    // The list shows from TopIndex, kept within the pages there are, and the bar says so.
    if (ListCount() > 0)
        m_topIndex = std::clamp(m_topIndex, int32_t(1), LastTopIndex());
    const double H = SH();
    int32_t n = 0;
    double s = 0;
    for (int32_t i = m_topIndex; i <= ListCount(); ++i) {
        s += ItemHeight(i);
        if (H - 30 <= s)
            break;
        ++n;
    }
    // The bar ends at the last full page, so scrolling never goes past it.
    m_vs->setMax(Whole(LastTopIndex()));
    if (ListCount() > 0 && m_vs->Value() != Whole(m_topIndex)) {
        m_vs->setBlockVS(true);
        m_vs->setValue(Whole(m_topIndex));
    }
    m_visibleCount = n;
    m_vs->setEnabled(n < ListCount());

    int y = 1;
    for (int32_t i = m_topIndex; i <= m_topIndex + n; ++i) {
        ItemRef item = m_items->Item(i);
        if (!item)
            continue;
        DrawItem(*item, y, i);
        if (item->HasIcon())
            DrawItemIcon(*item, y);
        y += item->Height();
    }
    if (m_displayBorder)
        DrawBorder();
    if (m_styleCheckBox)
        DrawCheckBoxes(n);
    ShowImage();
    m_imageCurrent = true;
}

void qelListBox::DrawBorder()
{
    FrameRegion(CreateRectRgn(0, 0, N(SW() / Tx()), N(SH() / Ty())), m_borderColor, 1, 1);
}

void qelListBox::DrawItem(const qelListItem& item, int y, int32_t i)
{
    const int tx = Tx(), ty = Ty();
    const double H = item.Height();
    const double A = m_displayVScroll ? 0 : 17.0 * tx;
    const int G = m_displayVScroll ? 19 : 0;
    int X = m_styleCheckBox ? 15 : 0;
    if (item.HasIcon())
        X += item.pxlIconWidth() + 2;
    int W = 0;
    if (!m_fullRowSelect)
        W = N((m_styleCheckBox ? 230 : 0) + (item.HasIcon() ? item.pxlIconWidth() * tx + 80 : 0));

    const forms::FontDesc previous = SurfaceFont();
    if (item.Font())
        setSurfaceFont(*item.Font());
    const double T = TextHeight(item.Text());
    const int V = N(((H - T) / ty) / 2);
    gfx::Rect rect{X + 7, N(double(y) / ty + 1 + V), N(SW() / tx - 1 - G), N(double(y) / ty + 1 + V + T / ty)};
    const double R = SW() - 255 - 30 + A;

    auto box = [&](double x1, double y1, double x2, double y2, gfx::Color c) {
        hDc().fillRect({N(x1 / tx), N(y1 / ty), N(x2 / tx) + 1, N(y2 / ty) + 1}, gfx::toRgb(c));
    };
    auto line = [&](double x1, double y1, double x2, double y2, gfx::Color c) {
        hDc().setForeColor(gfx::toRgb(c));
        hDc().line(N(x1 / tx), N(y1 / ty), N(x2 / tx), N(y2 / ty));
    };
    if (!Flag(m_selectedFlags, i)) {
        box(15, y + 30, R, y + 15 + H, item.BackColor());
    } else {
        if (W > 0)
            box(15, y + 30, R, y + 15 + H, item.BackColor());
        box(W + 15, y + 30, R, y + 15 + H, item.SelColor());
        line(W + 15, y + 15, R, y + 15, item.BorderSelColor());
        line(R, y + 30, R, y + 15 + H, item.BorderSelColor());
        line(R, y + 15 + H, W + 15, y + 15 + H, item.BorderSelColor());
        line(W + 15, y + 15 + H, W + 15, y + 15, item.BorderSelColor());
    }
    const gfx::Color text = hDc().textColor();
    hDc().setTextColor(Enabled() ? gfx::toRgb(item.ForeColor()) : kDisabledText);
    const unsigned format = item.Alignment() == 0 ? 0u : item.Alignment() == 2 ? gfx::DT_CENTER : gfx::DT_RIGHT;
    DrawCaption(item.Text(), rect, format | gfx::DT_NOPREFIX);
    hDc().setTextColor(text);
    setSurfaceFont(previous);
}

void qelListBox::DrawItemIcon(const qelListItem& item, int y)
{
    const int tx = Tx(), ty = Ty();
    const int top = N(double(y) / ty + 1 + (double(item.Height()) / ty) / 2 - item.pxlIconHeight() / 2.0);
    const int left = 4 + (m_styleCheckBox ? 15 : 0);
    (void)tx;
    const gfx::Picture* picture = nullptr;
    if (item.pctType() == 0) {
        if (const auto* p = std::get_if<std::shared_ptr<const gfx::Picture>>(&item.Icon()))
            picture = p->get();
    } else {
        picture = CachedIcon(item.tagString1);
    }
    if (picture && !picture->isEmpty())
        hDc().drawPicture(*picture, left, top, item.pxlIconWidth(), item.pxlIconHeight());
}

void qelListBox::DrawCheckBoxes(int32_t n)
{
    // An empty first position takes no room: the items after it still get their boxes.
    if (m_items->Count() == 0)
        return;
    double y = 0;
    for (int32_t i = m_topIndex; i <= m_topIndex + n; ++i) {
        ItemRef item = m_items->Item(i);
        if (!item)
            continue;
        const double H = item->Height();
        const int top = N(y + H / 2 - 100);
        const int index = (Flag(m_checkedFlags, i) ? 3 : 0) + (i == m_listIndex ? 1 : 0);
        hDc().bitBlt(2, N(double(top) / Ty()), 13, 13, ListCheckImage(index), 0, 0);
        y += H;
    }
    if (m_displayBorder)
        DrawBorder();
    ShowImage();
}

// --- input ---

int32_t qelListBox::WindowHitTest(int y) const
{
    double s = 0;
    for (int32_t i = m_topIndex; i <= m_itemBound; ++i) {
        s += ItemHeight(i);
        if (s > y)
            return i;
    }
    return 0;
}

int32_t qelListBox::LastTopIndex() const
{
    const double room = SH() - 30;
    double s = 0;
    int32_t top = ListCount();
    for (int32_t i = ListCount(); i >= 1; --i) {
        s += ItemHeight(i);
        if (room <= s)
            break;
        top = i;
    }
    return std::max(top, int32_t(1));
}

int32_t qelListBox::HoverCount() const
{
    int32_t n = 0;
    double s = 0;
    for (int32_t i = m_topIndex; i <= m_itemBound; ++i) {
        s += ItemHeight(i);
        if (SH() - 50 <= s)
            break;
        ++n;
    }
    return n;
}

void qelListBox::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    DrawnControl::HandleMessage(msg, wParam, lParam);
    if (msg == WM_MOUSEMOVE && m_styleCheckBox)
        HotTracking(mouseEventArgs(wParam, lParam).y);
}

void qelListBox::OnMouseButton(UINT msg, MouseEventArgs& args)
{
    const bool down = msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN;
    if (down || msg == WM_LBUTTONDBLCLK)
        m_listIndex = WindowHitTest(args.y);
    if (msg == WM_LBUTTONDBLCLK)
        RaiseItem(ItemDblClick, m_listIndex);
    const int X = args.x, Y = args.y, button = args.Button;
    const int shift = (args.Shift ? 1 : 0) | (args.Control ? 2 : 0);
    RaiseMouseEvent(msg, args);
    if (down)
        Press(button, shift, X, Y);
}

void qelListBox::Press(int button, int shift, int X, int Y)
{
    (void)button;
    // A press below the last item has no item to check or to report.
    if (m_styleCheckBox && X < 255 && m_items->Item(m_listIndex)) {
        SetFlag(m_checkedFlags, m_listIndex, !Flag(m_checkedFlags, m_listIndex));
        RaiseItem(Flag(m_checkedFlags, m_listIndex) ? ItemChek : ItemUnCheck, m_listIndex);
    }
    double s = 0;
    int32_t h = 0;
    for (int32_t i = m_topIndex; i <= m_itemBound; ++i) {
        s += ItemHeight(i);
        if (Y < s) {
            h = i;
            break;
        }
    }
    RaiseItem(ItemClick, h);
    if (!m_multiSelect) {
        UnSelectAll(false);
    } else if (shift & 1) {
        // The range from the anchor item to the pressed one, both included; the anchor stays.
        if (h != 0) {
            const int32_t anchor = m_anchor + 1;
            for (int32_t i = std::min(anchor, h); i <= std::max(anchor, h); ++i)
                SetFlag(m_selectedFlags, i, true);
            Refresh();
        }
        return;
    } else if (shift & 2) {
        SetFlag(m_selectedFlags, h, !Flag(m_selectedFlags, h));
        Refresh();
        return;
    } else {
        UnSelectAll(false);
    }
    if (h != 0) {
        SetFlag(m_selectedFlags, h, true);
        Refresh();
    }
    m_anchor = h - 1;
}

void qelListBox::HotTracking(int Y)
{
    int32_t off = -1, c = 0, m = 0;
    double s = 0;
    for (int32_t i = m_topIndex; i <= m_itemBound; ++i) {
        s += ItemHeight(i);
        if (Y < s && off == -1)
            off = c;
        if (SH() - 50 <= s) {
            m = c;
            break;
        }
        ++c;
    }
    if (m == 0)
        m = ListCount();
    m_listIndex = m_topIndex + off;
    if (m_listIndex != m_hotIndex)
        DrawCheckBoxes(m);
    m_hotIndex = m_listIndex;
}

void qelListBox::OnMouseHover()
{
    if (m_mouseInside)
        return;
    if (MouseHover)
        MouseHover();
    m_mouseInside = true;
    if (m_styleCheckBox)
        DrawCheckBoxes(HoverCount());
}

void qelListBox::OnMouseLeave()
{
    if (m_styleCheckBox) {
        m_listIndex = -1;
        DrawCheckBoxes(HoverCount());
    }
    if (MouseLeave)
        MouseLeave();
    m_mouseInside = false;
}

void qelListBox::OnResized()
{
    if (!hwnd() || !m_vs)
        return;
    if (height() < 800) {
        setHeight(800);
        return; // the resize that follows lays out
    }
    m_vs->setUnRefreshControl(true);
    m_vs->move(SW() - 255, 0, 255, SH());
    m_vs->setUnRefreshControl(false);
    m_vs->Refresh();
    if (!m_sized) {
        m_sized = true;
        // A plain list keeps the items its host added before it was first sized.
        if (m_listType != 0)
            FillFileList();
    }
}

void qelListBox::FollowBar(Fixed Value)
{
    const int32_t top = int32_t(std::clamp<long>(roundHalfEven(Value.toDouble()), 1, LastTopIndex()));
    if (top == m_topIndex)
        return;
    m_topIndex = top;
    Refresh();
}

} // namespace qel
