#include "platform/forms/column_header.h"
#include "platform/forms/list_view.h"
#include <algorithm>

namespace plat::forms {

ColumnHeader::ColumnHeader(ListView& owner, std::string text, double width, int alignment)
    : m_owner(owner)
    , m_text(std::move(text))
    , m_width(std::max(0.0, width))
    , m_alignment(std::clamp(alignment, 0, 2))
{
}

void ColumnHeader::setText(std::string text)
{
    m_text = std::move(text);
    m_owner.contentChanged();
}

void ColumnHeader::setWidth(double twips)
{
    m_width = std::max(0.0, twips);
    m_owner.contentChanged();
}

void ColumnHeader::setAlignment(int alignment)
{
    m_alignment = std::clamp(alignment, 0, 2);
    m_owner.contentChanged();
}

} // namespace plat::forms
