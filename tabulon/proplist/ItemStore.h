#pragma once

#include "PropItem.h"

#include <QString>
#include <vector>

namespace Tabulon {

/// The items of the list in order, each with its selection flag, and the
/// case-insensitive key index.
///
/// Items live in stable slots; the order is a vector of slot numbers, so
/// removing or inserting moves 4-byte numbers rather than items. The key
/// index maps a folded key to its slot; a slot's position is cached and the
/// cache is rebuilt lazily from the first position an insert or removal
/// shifted.
class ItemStore
{
public:
    int count() const { return int(m_order.size()); }
    bool isEmpty() const { return m_order.empty(); }

    /// Appends \a item; throws RuntimeError 457 when its key is taken.
    int append(Item item);
    /// Inserts \a item before \a position (0 .. count()); throws 457 when
    /// its key is taken. The new selection flag is false.
    void insert(int position, Item item);
    /// Removes the item with \a key and returns its former position; throws
    /// RuntimeError 5 when no item has that key.
    int remove(const QString& key);
    void clear();

    /// The position of the item with \a key, -1 when there is none.
    int indexOf(const QString& key) const;
    bool containsKey(const QString& key) const;

    const Item& at(int position) const { return m_slots[m_order[position]].item; }
    Item& at(int position) { return m_slots[m_order[position]].item; }

    bool isSelected(int position) const { return m_slots[m_order[position]].selected; }
    void setSelected(int position, bool selected);
    int selectedCount() const { return m_selectedCount; }

    /// A 16-bit number kept with the item's icon (the host's picture handle).
    qint16 iconHandle(int position) const { return m_slots[m_order[position]].iconHandle; }
    void setIconHandle(int position, qint16 handle)
    {
        m_slots[m_order[position]].iconHandle = handle;
    }

    /// The hash of a key without regard to letter case.
    static quint32 keyHash(const QString& key);
    static bool sameKey(const QString& a, const QString& b)
    {
        return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0;
    }

private:
    struct Slot
    {
        Item item;
        bool selected = false;
        qint16 iconHandle = 0;
    };

    /// An entry of the key index: the key's hash and its slot.
    struct KeyEntry
    {
        quint32 hash = 0;
        qint32 slot = EmptyEntry;
    };
    static constexpr qint32 EmptyEntry = -1;
    static constexpr qint32 RemovedEntry = -2;

    int takeSlot(Item&& item);
    qsizetype findKey(const QString& key, quint32 hash) const;
    void addKey(quint32 hash, int slot);
    void growKeys();
    int positionOfSlot(int slot) const;
    void releaseSlot(int slot);
    void positionsShiftedFrom(int position);

    std::vector<Slot> m_slots;
    std::vector<int> m_freeSlots;
    std::vector<int> m_order; // position -> slot
    // Open addressing with the hashes stored, so growing never reads key text.
    std::vector<KeyEntry> m_keys;
    qsizetype m_keysUsed = 0; // live and removed entries
    mutable std::vector<int> m_positionOfSlot; // cache, valid below m_validBelow
    mutable int m_validBelow = 0;
    int m_selectedCount = 0;
};

} // namespace Tabulon
