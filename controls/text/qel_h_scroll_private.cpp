#include "controls/text/qel_h_scroll_private.h"

namespace qel {

void qelHScrollPrivate::setValue(Fixed v)
{
    if (m_blockValue || v == m_value)
        return;
    AssignValue(v, m_blockVS);
}

} // namespace qel
