#include "KeyHash.h"

#include <QHash>

namespace Zel {

quint32 foldedKeyHash(QStringView key)
{
    // Qt's string hash over the case-folded characters; ASCII without a table.
    const qsizetype n = key.size();
    if (n > 128)
        return quint32(qHash(key.toString().toCaseFolded(), 0));
    char16_t folded[128];
    const QChar* text = key.constData();
    for (qsizetype i = 0; i < n; ++i) {
        char16_t u = text[i].unicode();
        if (u < 0x80) {
            if (u >= 'A' && u <= 'Z')
                u += 'a' - 'A';
        } else if (QChar::isSurrogate(u)) {
            // Letters outside the basic plane fold as whole code points, as keys compare.
            return quint32(qHash(key.toString().toCaseFolded(), 0));
        } else {
            u = text[i].toCaseFolded().unicode();
        }
        folded[i] = u;
    }
    return quint32(qHash(QStringView(folded, n), 0));
}

} // namespace Zel
