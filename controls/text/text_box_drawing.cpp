#include "controls/core/filled_box.h"
#include "controls/core/gradient.h"
#include "controls/text/qel_text_box.h"
#include "platform/gfx/system_colors.h"
#include <cmath>

namespace qel {

using namespace plat;

// The paint handler: a full drawing, after which the next unforced line-number pass is skipped.
void qelTextBox::Redraw()
{
    m_lineNumberState = 1;
    DrawTextBox();
}

void qelTextBox::Refresh() { DrawTextBox(); }

void qelTextBox::RefreshNum(bool Force) { DrawLineNumbers(Force); }

void qelTextBox::DrawTextBox()
{
    if (m_unRefreshControl || !hwnd())
        return;
    m_hasBackground = false;
    ClearSurface();
    TranslateColor(m_legendBackColor1);
    TranslateColor(m_legendBackColor2);
    TranslateColor(m_foreColor);
    TranslateColor(m_borderColor);
    TranslateColor(m_legendForeColor);
    const double sh = SH();

    if (m_legendType != 0) {
        if (m_legendGradient == 0) {
            FillBox(hDc(), 15, 15, m_legendWidth, sh - 30, m_legendBackColor1);
        } else if (m_legendGradient == 2) {
            DrawGradientTopBottom(hDc(), SplitColor(int32_t(m_legendBackColor1)), SplitColor(int32_t(m_legendBackColor2)),
                N(double(m_legendWidth) / Tx()), N(sh), 0);
        } else {
            DrawGradientLeftRight(hDc(), SplitColor(int32_t(m_legendBackColor1)), SplitColor(int32_t(m_legendBackColor2)), m_legendWidth,
                N(sh), 0);
        }
        hDc().setForeColor(m_borderColor);
        hDc().line(N(double(m_legendWidth) / Tx()), N(15.0 / Ty()), N(double(m_legendWidth) / Tx()), N((sh - 30) / Ty()));
    }
    if (m_displayBorder)
        FrameRegion(CreateRectRgn(0, 0, N(SW() / Tx()), N(sh / Ty())), m_borderColor, 1, 1);
    // The finished picture is what a line-number pass clears back to (with or without a border,
    // so the numbers never wipe the legend).
    m_background = Face();
    m_hasBackground = true;
    if (m_legendType == 1)
        DrawCaption();
    if (m_legendType == 2)
        PrintLineNumbers();
    ShowImage();
    m_imageCurrent = true;
}

void qelTextBox::DrawCaption()
{
    gfx::DeviceContext& dc = hDc();
    const gfx::Font previous = dc.font();
    const bool turned = m_legendOrientation == 0;
    dc.setFont(previous.withEscapement(turned ? 900 : 0));
    dc.setTextColor(m_legendForeColor);
    // Measured with the control window's font as it is (level).
    const gfx::Size extent = previous.textExtent(m_legendText);
    const double W = double(extent.width) * Tx(), H = double(extent.height) * Ty();
    const double height = this->height(), sh = SH(), lw = m_legendWidth;
    double x, y;
    if (turned) {
        x = m_legendAlignmentX == 0 ? 0 : m_legendAlignmentX == 2 ? std::floor(lw - H) / 2 : lw - 30 - H;
        y = m_legendAlignmentY == 0 ? sh - 60 : m_legendAlignmentY == 2 ? (height - W) / 2 + W : W + 45;
    } else {
        x = m_legendAlignmentX == 0 ? 30 : m_legendAlignmentX == 2 ? std::floor(lw - W) / 2 : lw - 15 - W;
        y = m_legendAlignmentY == 0 ? 0 : m_legendAlignmentY == 2 ? (height - H) / 2 : sh - H - 30;
    }
    dc.textOut(N(x / Tx()), N(y / Ty()), m_legendText);
    dc.setFont(previous);
}

void qelTextBox::DrawLineNumbers(bool Force)
{
    if (m_unRefreshControl || !hwnd())
        return;
    if (!Force) {
        if (m_lineNumberState == 1) {
            m_lineNumberState = 2;
            return;
        }
        const int32_t f = FirstVisibleLine();
        if (f == m_lastNumberedFirstLine)
            return;
        m_lastNumberedFirstLine = f;
    }
    if (m_legendType != 2)
        return;
    auto backToTheFullDrawing = [this] {
        if (m_hasBackground && m_background.width() == Face().width() && m_background.height() == Face().height())
            FaceSurface() = m_background;
        else
            ClearSurface();
    };
    backToTheFullDrawing();
    if (m_legendAutosize) {
        const int needed = N(double(TextWidth(std::to_string(LineCount()))) + 60);
        if (needed > m_legendWidth) {
            // The legend never narrows here. The layout draws everything again at the new width.
            m_hasBackground = false;
            m_legendWidth = needed;
            Layout();
            backToTheFullDrawing();
        }
    }
    PrintLineNumbers();
    ShowImage();
}

void qelTextBox::PrintLineNumbers()
{
    const int pitch = m_textLineHeight * Ty();
    const int rows = pitch > 0 ? int(std::floor(m_elements[1]->height() / pitch)) : 0;
    hDc().setTextColor(gfx::toRgb(m_legendForeColor));
    const int32_t first = FirstVisibleLine();
    const int32_t count = LineCount();
    for (int32_t i = first; i < first + rows && i < count; ++i) {
        const std::string label = std::to_string(i + 1);
        const double w = TextWidth(label);
        double x;
        if (m_legendAlignmentX == 2)
            x = std::floor(m_legendWidth - w) / 2;
        else if (m_legendAlignmentX == 0)
            x = 30;
        else
            x = m_legendWidth - 15 - w;
        const double y = double(i - first) * pitch + 60;
        hDc().textOut(N(x / Tx()), N(y / Ty()), label);
    }
}

} // namespace qel
