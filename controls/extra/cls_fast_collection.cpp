#include "controls/extra/cls_fast_collection.h"
#include <algorithm>

namespace qel {

clsFastCollection::clsFastCollection() : m_slots(1) {}

clsFastCollection::~clsFastCollection() { Clear(); }

void clsFastCollection::Resize(int32_t capacity)
{
    m_capacity = capacity;
    m_slots.resize(size_t(capacity) + 1);
}

void clsFastCollection::Add(ItemRef item, int32_t position)
{
    if (m_count == m_capacity)
        Resize(m_capacity + kStep);
    ++m_count;
    if (position < 1 || position > m_count) {
        m_slots[size_t(m_count)] = std::move(item);
        return;
    }
    std::move_backward(m_slots.begin() + position, m_slots.begin() + m_count, m_slots.begin() + m_count + 1);
    m_slots[size_t(position)] = std::move(item);
}

void clsFastCollection::Remove(int32_t position)
{
    if (position < 1 || position > m_count)
        return;
    m_slots[size_t(position)].reset();
    std::move(m_slots.begin() + position + 1, m_slots.begin() + m_count + 1, m_slots.begin() + position);
    --m_count;
    if (m_capacity - kStep > m_count)
        Resize(m_capacity - kStep);
}

void clsFastCollection::Clear()
{
    if (m_count <= 0)
        return;
    for (int32_t i = 1; i <= m_count; ++i)
        m_slots[size_t(i)].reset();
    m_slots.assign(1, nullptr);
    m_count = 0;
    m_capacity = 0;
}

clsFastCollection::ItemRef clsFastCollection::Item(int32_t position) const
{
    if (position < 1 || position > m_count)
        return nullptr;
    return m_slots[size_t(position)];
}

} // namespace qel
