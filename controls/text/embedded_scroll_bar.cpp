#include "controls/text/embedded_scroll_bar.h"
#include "platform/window/api.h"

namespace qel {

void EmbeddedScrollBar::LaunchKeyMouseEvents()
{
    if (Subclassed())
        return;
    StartSubclass();
}

void EmbeddedScrollBar::setEnabled(bool on)
{
    if (on == Enabled())
        return;
    ScrollBarBase::setEnabled(on);
}

void EmbeddedScrollBar::setMax(Fixed v)
{
    if (v == m_max)
        return;
    m_max = v;
    UpdateThumb();
    PropertyChanged();
}

void EmbeddedScrollBar::onPlaced()
{
    setTabStop(false);
    ScrollBarBase::onPlaced();
}

} // namespace qel
