#pragma once

#include <QString>
#include <QStringView>
#include <common/zelcommon_export.h>

/// Keys that compare without regard to letter case (items, rows): a hash
/// that agrees with that comparison, so a key index can store hashes and
/// compare the text only on a hash match.
namespace Zel {

/// The hash of \a key case-folded, as QString::compare with
/// Qt::CaseInsensitive folds it; short keys are folded on the stack.
ZELCOMMON_EXPORT quint32 foldedKeyHash(QStringView key);

/// True when \a a and \a b are the same key, letter case aside.
inline bool sameKey(QStringView a, QStringView b)
{
    return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace Zel
