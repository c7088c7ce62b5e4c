#include "ItemStore.h"

#include <common/KeyHash.h>
#include <common/RuntimeError.h>

namespace Tabulon {

qsizetype ItemStore::findKey(const QString& key, quint32 hash) const
{
    return m_keys.find(
        hash, [&](qint32 slot) { return Zel::sameKey(m_slots[slot].item.Key, key); });
}

int ItemStore::takeSlot(Item&& item)
{
    int slot;
    if (!m_freeSlots.empty()) {
        slot = m_freeSlots.back();
        m_freeSlots.pop_back();
        m_slots[slot] = Slot { std::move(item) };
    } else {
        slot = int(m_slots.size());
        m_slots.push_back(Slot { std::move(item) });
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

int ItemStore::append(Item item)
{
    const quint32 hash = Zel::foldedKeyHash(item.Key);
    if (findKey(item.Key, hash) >= 0)
        throw RuntimeError(RuntimeError::KeyAlreadyAssociated);
    const int slot = takeSlot(std::move(item));
    m_keys.insert(hash, slot);
    const int position = count();
    m_order.push_back(slot);
    m_positionOfSlot[slot] = position;
    if (m_validBelow == position)
        m_validBelow = position + 1;
    return position;
}

void ItemStore::insert(int position, Item item)
{
    Q_ASSERT(position >= 0 && position <= count());
    const quint32 hash = Zel::foldedKeyHash(item.Key);
    if (findKey(item.Key, hash) >= 0)
        throw RuntimeError(RuntimeError::KeyAlreadyAssociated);
    const int slot = takeSlot(std::move(item));
    m_keys.insert(hash, slot);
    m_order.insert(m_order.begin() + position, slot);
    positionsShiftedFrom(position);
}

int ItemStore::remove(const QString& key)
{
    const qsizetype entry = findKey(key, Zel::foldedKeyHash(key));
    if (entry < 0)
        throw RuntimeError(RuntimeError::InvalidProcedureCall);
    const int slot = m_keys.idAt(entry);
    const int position = positionOfSlot(slot);
    m_keys.remove(entry);
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
    const qsizetype entry = findKey(key, Zel::foldedKeyHash(key));
    return entry < 0 ? -1 : positionOfSlot(m_keys.idAt(entry));
}

int ItemStore::positionOfSlot(int slot) const
{
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
    return findKey(key, Zel::foldedKeyHash(key)) >= 0;
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
