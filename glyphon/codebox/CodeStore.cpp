#include "CodeStore_p.h"

bool CodeStore::keyOK(const QString& key) const
{
    return !key.isEmpty() && !m_keyIndex.contains(fold(key));
}

qint32 CodeStore::indexOfKey(const QString& key) const
{
    if (key.isEmpty())
        return -1;
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
        // An insertion: every key and run behind the position moves down.
        for (auto it = m_keyIndex.begin(); it != m_keyIndex.end(); ++it) {
            if (it.value() >= pos)
                ++it.value();
        }
        for (auto it = m_firstRun.begin(); it != m_firstRun.end(); ++it) {
            if (it->start >= pos) {
                ++it->start;
                ++it->end;
            }
        }
        if (row.isCode()) {
            // The new row continues the numbering of the code rows above it.
            qint32 previous = 0;
            for (qint32 i = pos - 1; i >= 0; --i) {
                if (m_rows[size_t(i)].isCode()) {
                    previous = m_rows[size_t(i)].lineNumber;
                    break;
                }
            }
            row.lineNumber = previous + 1;
            for (qint32 i = pos; i < n; ++i) {
                if (m_rows[size_t(i)].isCode())
                    ++m_rows[size_t(i)].lineNumber;
            }
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
    m_rows.insert(m_rows.begin() + pos, std::move(row));
    return pos;
}

void CodeStore::changeKey(const QString& oldKey, const QString& newKey)
{
    const qint32 index = indexOfKey(oldKey);
    if (index < 0)
        return;
    m_keyIndex.remove(fold(oldKey));
    m_rows[size_t(index)].key = newKey;
    m_keyIndex.insert(fold(newKey), index);
}

qint32 CodeStore::erase(const QString& key)
{
    if (indexOfKey(key) < 0)
        return 0;
    const QString folded = fold(key);
    const auto before = m_rows.size();
    std::erase_if(m_rows, [&](const StoredRow& row) { return fold(row.key) == folded; });
    qint32 number = 0;
    for (StoredRow& row : m_rows)
        row.lineNumber = row.isCode() ? ++number : 0;
    m_nextLineNumber = number + 1;
    rebuildIndexes();
    return qint32(before - m_rows.size());
}

void CodeStore::clear()
{
    m_rows.clear();
    m_rows.shrink_to_fit();
    m_keyIndex.clear();
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
    m_keyIndex.reserve(qsizetype(m_rows.size()));
    for (qint32 i = 0; i < size(); ++i) {
        const StoredRow& row = m_rows[size_t(i)];
        m_keyIndex.insert(fold(row.key), i);
        if (row.category.isEmpty())
            continue;
        const QString category = fold(row.category);
        auto run = m_firstRun.find(category);
        if (run == m_firstRun.end())
            m_firstRun.insert(category, Run { i, i + 1 });
        else if (run->end == i)
            run->end = i + 1; // still the first run
    }
}
