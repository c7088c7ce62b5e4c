#pragma once

#include "../../common/KeyIndex_p.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <utility>
#include <vector>

/// One stored row, kept compact: tokens are cut from Value when a row is
/// painted or measured, never stored.
struct StoredRow
{
    QString value;
    QString key;
    QString category;
    qint32 lineNumber = 0;
    /// Bars: their fixed height. Code rows are measured by the viewport.
    qint32 height = 0;
    qint32 addType = 0;
    /// The row's entry in the key index (stable while the row lives).
    qint32 keyId = -1;
    bool locked = false;
    bool dirty = false;

    bool isCode() const { return addType == 0 || addType == 2; }
    bool isBar() const { return !isCode(); }
};

/// The row store: rows in display order, a case-insensitive index of keys,
/// the first run of each category, and line numbers that count the code rows
/// 1, 2, 3 ... in order.
///
/// The key index is open addressing over stored hashes of the folded keys
/// (no folded copy of a key is made): an entry names a key id, and the id's
/// key text and row position are kept beside it, the positions brought up to
/// date in one pass after insertions.
///
/// Rows live in blocks of at most MaxBlock rows, so a row inserted behind a
/// category in the middle of a long document moves one block, not the whole
/// document. Key positions and line numbers behind an insertion are brought
/// up to date in one pass when next read.
class CodeStore
{
public:
    static constexpr qint32 MaxBlock = 1024;

    /// The folded form under which keys and categories are compared.
    static QString fold(const QString& text) { return text.toCaseFolded(); }

    qint32 size() const { return m_size; }
    bool isEmpty() const { return m_size == 0; }
    const StoredRow& at(qint32 index) const;
    StoredRow& at(qint32 index);

    /// True when \a key is not empty and no row has it (any letter case).
    bool keyOK(const QString& key) const;
    /// The row with \a key (any letter case), -1 when none.
    qint32 indexOfKey(const QString& key) const;
    /// True for the empty category (the spare slot has it) and for any category a row has.
    bool categoryExists(const QString& category) const;
    /// The position a row of \a category goes to: behind the first run of
    /// that category, else the end.
    qint32 insertPosition(const QString& category) const;

    /// Stores \a row at insertPosition(row.category) and numbers it. Returns
    /// the position, or -1 (nothing stored) when the key is not OK.
    qint32 add(StoredRow row);
    /// Gives the first row with \a oldKey the key \a newKey (which must be OK).
    void changeKey(const QString& oldKey, const QString& newKey);
    /// Removes the rows with \a key and renumbers; returns how many went.
    qint32 erase(const QString& key);
    void clear();

    /// The line number the next appended code row gets.
    qint32 nextLineNumber() const { return m_nextLineNumber; }

private:
    struct Run
    {
        qint32 start;
        qint32 end; // exclusive
    };
    using Block = std::vector<StoredRow>;

    /// The block holding \a index and the index of its first row.
    std::pair<size_t, qint32> locate(qint32 index) const;
    void insertAt(qint32 pos, StoredRow&& row);
    void rebuildBlockStarts(size_t from);
    void renumber() const;
    void rebuildKeyPositions() const;
    void rebuildIndexes();
    QString sharedCategory(const QString& category);

    /// The entry of \a key, -1 when none.
    qsizetype findKey(QStringView key, quint32 hash) const;
    /// A new key id for \a key at \a position.
    qint32 newKeyId(const QString& key, quint32 hash, qint32 position);

    std::vector<Block> m_blocks;
    std::vector<qint32> m_blockStart; // index of the first row of each block
    qint32 m_size = 0;
    Zel::KeyIndex m_keys; // key hash -> key id
    std::vector<QString> m_keyOfId;
    mutable std::vector<qint32> m_positionOfId;
    mutable bool m_positionsStale = false; // rows were inserted before some keys
    mutable bool m_numbersStale = false; // code rows were inserted before others
    std::vector<Run> m_runs; // the first run of each category
    QHash<QString, qint32> m_runOfCategory; // folded category -> its entry in m_runs
    QSet<QString> m_categoryTexts; // one shared copy of each category text
    QString m_lastCategory; // the category of the last add, shared
    QString m_lastFoldedCategory;
    qint32 m_lastRun = -1; // the run of m_lastCategory, -1 when it has none yet
    qint32 m_nextLineNumber = 1;
};
