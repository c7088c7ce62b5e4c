#include "ItemStore.h"

#include <common/RuntimeError.h>

namespace Tabulon {

int ItemStore::takeSlot(const Item& item)
{
    int slot;
    if (!m_freeSlots.empty()) {
        slot = m_freeSlots.back();
        m_freeSlots.pop_back();
        m_slots[slot] = Slot { item };
    } else {
        slot = int(m_slots.size());
        m_slots.push_back(Slot { item });
        m_positionOfSlot.push_back(-1);
    }
    return slot;
}

void ItemStore::releaseSlot(int slot)
{
    m_slots[slot] = Slot {};
    m_positionOfSlot[slot] = -1;
    m_freeSlots.push_back(slot);
}

void ItemStore::positionsShiftedFrom(int position)
{
    m_validBelow = std::min(m_validBelow, position);
}

int ItemStore::append(const Item& item)
{
    const QString folded = foldKey(item.Key);
    if (m_keys.contains(folded))
        throw RuntimeError(RuntimeError::KeyAlreadyAssociated);
    const int slot = takeSlot(item);
    const int position = count();
    m_order.push_back(slot);
    m_keys.insert(folded, slot);
    m_positionOfSlot[slot] = position;
    if (m_validBelow == position)
        m_validBelow = position + 1;
    return position;
}

void ItemStore::insert(int position, const Item& item)
{
    Q_ASSERT(position >= 0 && position <= count());
    const QString folded = foldKey(item.Key);
    if (m_keys.contains(folded))
        throw RuntimeError(RuntimeError::KeyAlreadyAssociated);
    const int slot = takeSlot(item);
    m_order.insert(m_order.begin() + position, slot);
    m_keys.insert(folded, slot);
    positionsShiftedFrom(position);
}

int ItemStore::remove(const QString& key)
{
    const auto found = m_keys.constFind(foldKey(key));
    if (found == m_keys.constEnd())
        throw RuntimeError(RuntimeError::InvalidProcedureCall);
    const int slot = found.value();
    const int position = indexOf(key);
    m_keys.erase(found);
    if (m_slots[slot].selected)
        --m_selectedCount;
    m_order.erase(m_order.begin() + position);
    releaseSlot(slot);
    positionsShiftedFrom(position);
    return position;
}

void ItemStore::clear()
{
    m_slots.clear();
    m_freeSlots.clear();
    m_order.clear();
    m_keys.clear();
    m_positionOfSlot.clear();
    m_validBelow = 0;
    m_selectedCount = 0;
}

int ItemStore::indexOf(const QString& key) const
{
    const int slot = m_keys.value(foldKey(key), -1);
    if (slot < 0)
        return -1;
    const int cached = m_positionOfSlot[slot];
    if (cached >= 0 && cached < m_validBelow && m_order[cached] == slot)
        return cached;
    // Rebuild the shifted part of the cache once; later look-ups are O(1).
    const int n = count();
    for (int p = m_validBelow; p < n; ++p)
        m_positionOfSlot[m_order[p]] = p;
    m_validBelow = n;
    return m_positionOfSlot[slot];
}

bool ItemStore::containsKey(const QString& key) const
{
    return m_keys.contains(foldKey(key));
}

void ItemStore::setSelected(int position, bool selected)
{
    Slot& slot = m_slots[m_order[position]];
    if (slot.selected == selected)
        return;
    slot.selected = selected;
    m_selectedCount += selected ? 1 : -1;
}

} // namespace Tabulon
