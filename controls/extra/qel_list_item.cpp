#include "controls/extra/qel_list_item.h"

namespace qel {

qelListItem::qelListItem()
{
    setBackColor(0xFFFFFF);
    setForeColor(0);
    setAlignment(0);
    setSelColor(0xFFDDBC);
    setBorderSelColor(0xFA8919);
    setpxlIconHeight(16);
    setpxlIconWidth(16);
    setHeight(255);
    setpctType(0);
}

bool qelListItem::HasIcon() const
{
    if (std::holds_alternative<std::monostate>(m_icon))
        return false;
    if (const int64_t* n = std::get_if<int64_t>(&m_icon))
        return *n != 0;
    return std::get<std::shared_ptr<const plat::gfx::Picture>>(m_icon) != nullptr;
}

} // namespace qel
