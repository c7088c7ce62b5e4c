#include "ItemStore.h"

#include <common/KeyHash.h>
#include <common/RuntimeError.h>

namespace Tabulon {

quint32 ItemStore::keyHash(const QString& key)
{
    return Zel::foldedKeyHash(key);
}

qsizetype ItemStore::findKey(const QString& key, quint32 hash) const
{
    if (m_keys.empty())
        return -1;
    const size_t mask = m_keys.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const KeyEntry& e = m_keys[i];
        if (e.slot == EmptyEntry)
            return -1;
        if (e.slot >= 0 && e.hash == hash && sameKey(m_slots[e.slot].item.Key, key))
            return qsizetype(i);
    }
}

void ItemStore::growKeys()
{
    size_t capacity = 64;
    while (capacity * 7 < size_t(m_order.size() + 1) * 20)
        capacity *= 2;
    std::vector<KeyEntry> old(capacity);
    old.swap(m_keys);
    m_keysUsed = 0;
    const size_t mask = capacity - 1;
    for (const KeyEntry& e : old) {
        if (e.slot < 0)
            continue;
        size_t i = e.hash & mask;
        while (m_keys[i].slot != EmptyEntry)
            i = (i + 1) & mask;
        m_keys[i] = e;
        ++m_keysUsed;
    }
}

void ItemStore::addKey(quint32 hash, int slot)
{
    if (size_t(m_keysUsed + 1) * 10 > m_keys.size() * 7)
        growKeys();
    const size_t mask = m_keys.size() - 1;
    size_t i = hash & mask;
    while (m_keys[i].slot >= 0)
        i = (i + 1) & mask;
    if (m_keys[i].slot == EmptyEntry)
        ++m_keysUsed;
    m_keys[i] = KeyEntry { hash, slot };
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
    const quint32 hash = keyHash(item.Key);
    if (findKey(item.Key, hash) >= 0)
        throw RuntimeError(RuntimeError::KeyAlreadyAssociated);
    const int slot = takeSlot(std::move(item));
    addKey(hash, slot);
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
    const quint32 hash = keyHash(item.Key);
    if (findKey(item.Key, hash) >= 0)
        throw RuntimeError(RuntimeError::KeyAlreadyAssociated);
    const int slot = takeSlot(std::move(item));
    addKey(hash, slot);
    m_order.insert(m_order.begin() + position, slot);
    positionsShiftedFrom(position);
}

int ItemStore::remove(const QString& key)
{
    const qsizetype entry = findKey(key, keyHash(key));
    if (entry < 0)
        throw RuntimeError(RuntimeError::InvalidProcedureCall);
    const int slot = m_keys[entry].slot;
    const int position = positionOfSlot(slot);
    m_keys[entry].slot = RemovedEntry;
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
    m_keysUsed = 0;
    m_positionOfSlot.clear();
    m_validBelow = 0;
    m_selectedCount = 0;
}

int ItemStore::indexOf(const QString& key) const
{
    const qsizetype entry = findKey(key, keyHash(key));
    return entry < 0 ? -1 : positionOfSlot(m_keys[entry].slot);
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
    return findKey(key, keyHash(key)) >= 0;
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
