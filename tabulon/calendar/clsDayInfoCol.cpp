#include "clsDayInfoCol.h"

#include <QLocale>
#include <common/RuntimeError.h>

namespace Tabulon {

clsDayInfoCol::Day clsDayInfoCol::Add(const QDate& dtDateTime, bool bSelected, OLE_COLOR lBackColor,
    OLE_COLOR lForeColor, OLE_COLOR lRectColor, bool bBold)
{
    const QString key = FormatKey(dtDateTime);
    if (indexOf(key) >= 0)
        throw RuntimeError(RuntimeError::KeyAlreadyAssociated);
    auto day = std::make_shared<clsDayInfo>();
    day->setDateTime(dtDateTime);
    day->setSelected(bSelected);
    day->setBackColor(lBackColor);
    day->setForeColor(lForeColor);
    day->setRectColor(lRectColor);
    day->setBold(bBold);
    if (bSelected) {
        day->setBackColor(clsDayInfo::SelectedBackColor);
        day->setForeColor(clsDayInfo::SelectedForeColor);
    }
    m_days.append({ key, day });
    return day;
}

clsDayInfoCol::Day clsDayInfoCol::Item(int index) const
{
    if (index < 1 || index > Count())
        throw RuntimeError(RuntimeError::SubscriptOutOfRange);
    return m_days.at(index - 1).day;
}

clsDayInfoCol::Day clsDayInfoCol::Item(const QString& key) const
{
    const int at = indexOf(key);
    if (at < 0)
        throw RuntimeError(RuntimeError::InvalidProcedureCall);
    return m_days.at(at).day;
}

void clsDayInfoCol::Remove(int index)
{
    if (index < 1 || index > Count())
        throw RuntimeError(RuntimeError::SubscriptOutOfRange);
    m_days.removeAt(index - 1);
}

void clsDayInfoCol::Remove(const QString& key)
{
    const int at = indexOf(key);
    if (at < 0)
        throw RuntimeError(RuntimeError::InvalidProcedureCall);
    m_days.removeAt(at);
}

QList<clsDayInfoCol::Day> clsDayInfoCol::NewEnum() const
{
    QList<Day> days;
    days.reserve(m_days.size());
    for (const Entry& entry : m_days)
        days.append(entry.day);
    return days;
}

bool clsDayInfoCol::FExists(int index) const
{
    return index >= 1 && index <= Count();
}

bool clsDayInfoCol::FExists(const QString& key) const
{
    return indexOf(key) >= 0;
}

QString clsDayInfoCol::FormatKey(const QDate& dtDate)
{
    return QLocale().toString(dtDate, QStringLiteral("dd MMM yyyy"));
}

int clsDayInfoCol::indexOf(const QString& key) const
{
    for (int i = 0; i < m_days.size(); ++i) {
        if (m_days.at(i).key.compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

} // namespace Tabulon
