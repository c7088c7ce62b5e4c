#pragma once

#include <QtGlobal>
#include <vector>

namespace Zel {

/// An index of keys by their hashes, for the stores whose keys compare
/// without regard to letter case (items, rows).
///
/// The owner keeps each key's text under a number of its own (a slot, a key
/// id); the index maps a hash to those numbers. It is open addressing with
/// linear probing over the stored hashes, so growing never reads key text,
/// and a look-up asks the owner to compare the text only where a hash
/// matches. A removed entry stays as a marker until the table next grows.
class KeyIndex
{
public:
    /// The entry holding the id under \a hash for which \a isKey(id) is
    /// true, -1 when there is none.
    template<typename IsKey> qsizetype find(quint32 hash, IsKey&& isKey) const
    {
        if (m_entries.empty())
            return -1;
        // The table is never more than 70% full, so a free entry ends every probe.
        const size_t mask = m_entries.size() - 1;
        for (size_t i = hash & mask;; i = (i + 1) & mask) {
            const Entry& e = m_entries[i];
            if (e.id == Empty)
                return -1;
            if (e.id >= 0 && e.hash == hash && isKey(e.id))
                return qsizetype(i);
        }
    }

    /// The id held by \a entry, an entry find() returned.
    qint32 idAt(qsizetype entry) const { return m_entries[size_t(entry)].id; }

    /// Adds \a id under \a hash; the owner has made sure the key is new.
    void insert(quint32 hash, qint32 id)
    {
        if (size_t(m_used + 1) * 10 > m_entries.size() * 7)
            grow();
        const size_t mask = m_entries.size() - 1;
        size_t i = hash & mask;
        while (m_entries[i].id >= 0)
            i = (i + 1) & mask;
        if (m_entries[i].id == Empty)
            ++m_used;
        m_entries[i] = Entry { hash, id };
        ++m_live;
    }

    /// Removes \a entry, an entry find() returned.
    void remove(qsizetype entry)
    {
        m_entries[size_t(entry)].id = Removed;
        --m_live;
    }

    void clear()
    {
        m_entries.clear();
        m_used = 0;
        m_live = 0;
    }

private:
    struct Entry
    {
        quint32 hash = 0;
        qint32 id = Empty;
    };
    static constexpr qint32 Empty = -1;
    static constexpr qint32 Removed = -2;

    void grow()
    {
        // Room for the live keys at most 35% full; the removed markers go.
        size_t capacity = 64;
        while (capacity * 7 < size_t(m_live + 1) * 20)
            capacity *= 2;
        std::vector<Entry> old(capacity);
        old.swap(m_entries);
        m_used = 0;
        const size_t mask = capacity - 1;
        for (const Entry& e : old) {
            if (e.id < 0)
                continue;
            size_t i = e.hash & mask;
            while (m_entries[i].id != Empty)
                i = (i + 1) & mask;
            m_entries[i] = e;
            ++m_used;
        }
    }

    std::vector<Entry> m_entries; // a power of two in size
    qsizetype m_used = 0; // live entries and removed markers
    qsizetype m_live = 0;
};

} // namespace Zel
