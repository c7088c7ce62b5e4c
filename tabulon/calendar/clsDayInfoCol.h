#pragma once

#include "clsDayInfo.h"

#include <QList>
#include <QString>
#include <memory>

namespace Tabulon {

/// Days keyed by FormatKey of their date, kept in insertion order. Days are
/// shared objects: a day fetched with Item stays valid, and edits to it show
/// in the collection.
class clsDayInfoCol
{
public:
    using Day = std::shared_ptr<clsDayInfo>;

    /// Adds a day under FormatKey(dtDateTime). A selected day gets the
    /// selection fill and text colour whatever \a lBackColor and
    /// \a lForeColor say; its frame keeps \a lRectColor. A second day with
    /// the same key throws RuntimeError 457 and changes nothing.
    Day Add(const QDate& dtDateTime, bool bSelected, OLE_COLOR lBackColor, OLE_COLOR lForeColor,
        OLE_COLOR lRectColor, bool bBold);
    /// The day at 1-based \a index; RuntimeError 9 outside 1..Count.
    Day Item(int index) const;
    /// The day under \a key (letter case ignored); RuntimeError 5 when there is none.
    Day Item(const QString& key) const;
    int Count() const { return int(m_days.size()); }
    /// Removes the day at 1-based \a index (error 9) or under \a key (error 5).
    void Remove(int index);
    void Remove(const QString& key);
    /// The days in insertion order, for range-for loops.
    QList<Day> NewEnum() const;
    /// True when a day exists at that position or under that key.
    bool FExists(int index) const;
    bool FExists(const QString& key) const;
    void Clear() { m_days.clear(); }

    /// "DD Mmm YYYY": two-digit day, the locale's abbreviated month name and
    /// the four-digit year ("05 Mar 2003").
    static QString FormatKey(const QDate& dtDate);

private:
    struct Entry
    {
        QString key;
        Day day;
    };
    int indexOf(const QString& key) const;

    QList<Entry> m_days;
};

} // namespace Tabulon
