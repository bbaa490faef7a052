#include "controls/text/qel_v_scroll_private.h"

namespace qel {

void qelVScrollPrivate::setValue(Fixed v)
{
    if (m_blockValue)
        return;
    if (v == m_value) {
        m_blockVS = false;
        return;
    }
    AssignValue(v, m_blockVS);
    m_blockVS = false;
}

} // namespace qel
