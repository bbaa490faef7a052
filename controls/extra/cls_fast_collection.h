#pragma once
#include "controls/extra/qel_list_item.h"
#include <cstdint>
#include <memory>
#include <vector>

namespace qel {

// An ordered collection of item references in a growable array, positions 1 to Count. It holds
// one reference to each element; inserting and removing move the following references as one
// block without touching their counts. The array grows and shrinks in steps of 1000 positions.
class clsFastCollection {
public:
    using ItemRef = std::shared_ptr<qelListItem>;
    static constexpr int32_t kStep = 1000;

    clsFastCollection();
    ~clsFastCollection();
    clsFastCollection(const clsFastCollection&) = delete;
    clsFastCollection& operator=(const clsFastCollection&) = delete;

    // At position, or at the end when the position is left out or outside 1 to Count + 1.
    void Add(ItemRef item, int32_t position = -1);
    // Nothing unless 1 <= position <= Count.
    void Remove(int32_t position);
    void Clear();
    // A new reference to the element at position; none outside 1 to Count (or for an empty one).
    ItemRef Item(int32_t position) const;
    int32_t Count() const { return m_count; }

    // The usable positions (a multiple of 1000).
    int32_t Capacity() const { return m_capacity; }

private:
    void Resize(int32_t capacity);

    int32_t m_count = 0;
    int32_t m_capacity = 0;
    std::vector<ItemRef> m_slots; // slots 0 to capacity; slot 0 unused
};

} // namespace qel
