#include "CodeStore_p.h"

#include <algorithm>

std::pair<size_t, qint32> CodeStore::locate(qint32 index) const
{
    // The last block whose first row is at or before index.
    const auto it = std::upper_bound(m_blockStart.begin(), m_blockStart.end(), index);
    const size_t block = size_t(it - m_blockStart.begin()) - 1;
    return { block, m_blockStart[block] };
}

const StoredRow& CodeStore::at(qint32 index) const
{
    if (m_numbersStale)
        renumber();
    const auto [block, start] = locate(index);
    return m_blocks[block][size_t(index - start)];
}

StoredRow& CodeStore::at(qint32 index)
{
    if (m_numbersStale)
        renumber();
    const auto [block, start] = locate(index);
    return m_blocks[block][size_t(index - start)];
}

bool CodeStore::keyOK(const QString& key) const
{
    return !key.isEmpty() && !m_keyIndex.contains(fold(key));
}

qint32 CodeStore::indexOfKey(const QString& key) const
{
    if (key.isEmpty())
        return -1;
    if (m_positionsStale)
        rebuildKeyPositions();
    return m_keyIndex.value(fold(key), -1);
}

bool CodeStore::categoryExists(const QString& category) const
{
    return category.isEmpty() || m_firstRun.contains(fold(category));
}

qint32 CodeStore::insertPosition(const QString& category) const
{
    if (category.isEmpty())
        return size();
    const auto run = m_firstRun.constFind(fold(category));
    return run == m_firstRun.cend() ? size() : run->end;
}

QString CodeStore::sharedCategory(const QString& category)
{
    // Hosts pass the same category for thousands of rows: keep one copy.
    const auto it = m_categoryTexts.constFind(category);
    if (it != m_categoryTexts.cend())
        return *it;
    m_categoryTexts.insert(category);
    return category;
}

void CodeStore::rebuildBlockStarts(size_t from)
{
    m_blockStart.resize(m_blocks.size());
    qint32 start = from == 0 ? 0 : m_blockStart[from - 1] + qint32(m_blocks[from - 1].size());
    for (size_t b = from; b < m_blocks.size(); ++b) {
        m_blockStart[b] = start;
        start += qint32(m_blocks[b].size());
    }
}

void CodeStore::insertAt(qint32 pos, StoredRow&& row)
{
    if (pos == m_size) {
        if (m_blocks.empty() || m_blocks.back().size() >= size_t(MaxBlock)) {
            m_blocks.emplace_back().reserve(size_t(MaxBlock));
            m_blockStart.push_back(m_size);
        }
        m_blocks.back().push_back(std::move(row));
        ++m_size;
        return;
    }
    const auto [block, start] = locate(pos);
    Block& rows = m_blocks[block];
    rows.insert(rows.begin() + (pos - start), std::move(row));
    ++m_size;
    if (rows.size() > size_t(MaxBlock)) {
        // Split a full block in two halves.
        Block tail(std::make_move_iterator(rows.begin() + MaxBlock / 2),
            std::make_move_iterator(rows.end()));
        rows.erase(rows.begin() + MaxBlock / 2, rows.end());
        tail.reserve(size_t(MaxBlock));
        m_blocks.insert(m_blocks.begin() + qsizetype(block) + 1, std::move(tail));
    }
    rebuildBlockStarts(block + 1);
}

qint32 CodeStore::add(StoredRow row)
{
    const QString foldedKey = fold(row.key);
    if (row.key.isEmpty() || m_keyIndex.contains(foldedKey))
        return -1;
    const qint32 n = size();
    // Hosts add runs of rows with one category: fold and share it once a run.
    if (row.category != m_lastCategory) {
        m_lastCategory = sharedCategory(row.category);
        m_lastFoldedCategory = fold(row.category);
    }
    const QString& foldedCategory = m_lastFoldedCategory;
    row.category = m_lastCategory;
    qint32 pos = n;
    if (!foldedCategory.isEmpty()) {
        const auto run = m_firstRun.constFind(foldedCategory);
        if (run != m_firstRun.cend())
            pos = run->end;
    }

    if (pos < n) {
        // An insertion: the runs behind it move down; key positions and line
        // numbers are brought up to date when next read.
        for (auto it = m_firstRun.begin(); it != m_firstRun.end(); ++it) {
            if (it->start >= pos) {
                ++it->start;
                ++it->end;
            }
        }
        m_positionsStale = true;
        if (row.isCode()) {
            m_numbersStale = true;
            ++m_nextLineNumber;
        }
    } else if (row.isCode()) {
        row.lineNumber = m_nextLineNumber++;
    }
    if (row.isBar())
        row.lineNumber = 0;

    if (!foldedCategory.isEmpty()) {
        auto run = m_firstRun.find(foldedCategory);
        if (run == m_firstRun.end())
            m_firstRun.insert(foldedCategory, Run { pos, pos + 1 });
        else
            ++run->end;
    }
    m_keyIndex.insert(foldedKey, pos);
    insertAt(pos, std::move(row));
    return pos;
}

void CodeStore::renumber() const
{
    m_numbersStale = false;
    qint32 number = 0;
    for (const Block& block : m_blocks) {
        for (const StoredRow& row : block)
            const_cast<StoredRow&>(row).lineNumber = row.isCode() ? ++number : 0;
    }
}

void CodeStore::rebuildKeyPositions() const
{
    m_positionsStale = false;
    qint32 index = 0;
    for (const Block& block : m_blocks) {
        for (const StoredRow& row : block)
            m_keyIndex[fold(row.key)] = index++;
    }
}

void CodeStore::changeKey(const QString& oldKey, const QString& newKey)
{
    const qint32 index = indexOfKey(oldKey);
    if (index < 0)
        return;
    m_keyIndex.remove(fold(oldKey));
    at(index).key = newKey;
    m_keyIndex.insert(fold(newKey), index);
}

qint32 CodeStore::erase(const QString& key)
{
    if (indexOfKey(key) < 0)
        return 0;
    const QString folded = fold(key);
    qint32 removed = 0;
    for (Block& block : m_blocks)
        removed += qint32(
            std::erase_if(block, [&](const StoredRow& row) { return fold(row.key) == folded; }));
    std::erase_if(m_blocks, [](const Block& block) { return block.empty(); });
    m_size -= removed;
    rebuildBlockStarts(0);
    renumber();
    qint32 codeRows = 0;
    for (const Block& block : m_blocks)
        codeRows += qint32(std::count_if(
            block.begin(), block.end(), [](const StoredRow& r) { return r.isCode(); }));
    m_nextLineNumber = codeRows + 1;
    rebuildIndexes();
    return removed;
}

void CodeStore::clear()
{
    m_blocks.clear();
    m_blocks.shrink_to_fit();
    m_blockStart.clear();
    m_size = 0;
    m_keyIndex.clear();
    m_positionsStale = false;
    m_numbersStale = false;
    m_firstRun.clear();
    m_categoryTexts.clear();
    m_lastCategory.clear();
    m_lastFoldedCategory.clear();
    m_nextLineNumber = 1;
}

void CodeStore::rebuildIndexes()
{
    m_keyIndex.clear();
    m_firstRun.clear();
    m_keyIndex.reserve(m_size);
    m_positionsStale = false;
    qint32 i = 0;
    for (const Block& block : m_blocks) {
        for (const StoredRow& row : block) {
            m_keyIndex.insert(fold(row.key), i);
            if (!row.category.isEmpty()) {
                const QString category = fold(row.category);
                auto run = m_firstRun.find(category);
                if (run == m_firstRun.end())
                    m_firstRun.insert(category, Run { i, i + 1 });
                else if (run->end == i)
                    run->end = i + 1; // still the first run
            }
            ++i;
        }
    }
}
