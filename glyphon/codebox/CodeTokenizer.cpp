#include "CodeTokenizer_p.h"

namespace CodeTokenizer {

namespace {

void append(QList<CodeToken>& tokens, const QString& text, qint32 kind)
{
    if (text.isEmpty())
        return;
    CodeToken token;
    token.Text = text;
    token.Kind = kind;
    tokens.append(token);
}

bool allSpaces(QStringView text)
{
    for (QChar c : text) {
        if (c != u' ')
            return false;
    }
    return true;
}

// The value text of an attribute, split at commas into parts that each keep
// their comma, so a long coordinate list can wrap between numbers.
void appendValue(QList<CodeToken>& tokens, const QString& value, bool source)
{
    if (!value.contains(u',')) {
        append(tokens, value, source ? Zel_CodeBox::SourceValue : Zel_CodeBox::AttributeValue);
        return;
    }
    const QStringList parts = value.split(u',');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const bool last = i == parts.size() - 1;
        append(tokens, last ? parts[i] : parts[i] + u',', Zel_CodeBox::AttributeValue);
    }
}

// Comment words: each word with the single space that followed it.
void appendComment(QList<CodeToken>& tokens, const QString& comment)
{
    const QStringList words = comment.split(u' ');
    for (const QString& word : words)
        append(tokens, word + u' ', Zel_CodeBox::CommentWord);
}

} // namespace

QString normalizeEntities(const QString& text)
{
    // One pass that gives what replacing each entity, then tabs and CR LF
    // pairs, then three rounds of double spaces would: a run of n spaces
    // becomes ceil(n / 8) spaces.
    static constexpr std::pair<QLatin1StringView, QLatin1StringView> entities[] = {
        { QLatin1StringView("&lt;"), QLatin1StringView("&#060;") },
        { QLatin1StringView("&gt;"), QLatin1StringView("&#062;") },
        { QLatin1StringView("&quot;"), QLatin1StringView("&#034;") },
        { QLatin1StringView("&nbsp;"), QLatin1StringView("&#032;") },
        { QLatin1StringView("&copy;"), QLatin1StringView("&#169;") },
        { QLatin1StringView("&deg;"), QLatin1StringView("&#176;") },
        { QLatin1StringView("&amp;"), QLatin1StringView("&#038;") },
        { QLatin1StringView("&middot;"), QLatin1StringView("&#183;") },
    };
    const QStringView in(text);
    const qsizetype len = in.size();
    auto isSpace = [&](qsizetype i, qsizetype* width) {
        if (in[i] == u' ' || in[i] == u'\t') {
            *width = 1;
            return true;
        }
        if (in[i] == u'\r' && i + 1 < len && in[i + 1] == u'\n') {
            *width = 2;
            return true;
        }
        return false;
    };
    // Most rows hold nothing to change: keep them shared.
    bool change = false;
    const char16_t* chars = in.utf16();
    for (qsizetype i = 0; i < len; ++i) {
        const char16_t c = chars[i];
        if (c > u' ' && c != u'&')
            continue;
        if (c == u'&' || c == u'\t' || c == u'\r'
            || (c == u' ' && i + 1 < len && chars[i + 1] == u' ')) {
            change = true;
            break;
        }
    }
    if (!change)
        return text;

    // Written through a pointer: an entity grows by at most half
    // ("&lt;" to "&#060;"), spaces only shrink.
    QString out(len + len / 2 + 1, Qt::Uninitialized);
    QChar* const begin = out.data();
    QChar* o = begin;
    for (qsizetype i = 0; i < len;) {
        qsizetype width = 0;
        if (isSpace(i, &width)) {
            qsizetype run = 0;
            while (i < len && isSpace(i, &width)) {
                ++run;
                i += width;
            }
            for (qsizetype k = (run + 7) / 8; k > 0; --k)
                *o++ = u' ';
            continue;
        }
        if (in[i] == u'&') {
            bool replaced = false;
            for (const auto& [name, numeric] : entities) {
                if (in.mid(i).startsWith(name)) {
                    for (char c : numeric)
                        *o++ = QLatin1Char(c);
                    i += name.size();
                    replaced = true;
                    break;
                }
            }
            if (replaced)
                continue;
        }
        *o++ = in[i];
        ++i;
    }
    out.truncate(o - begin);
    return out;
}

QString tagId(const QString& text)
{
    const QString tag = text.trimmed();
    const qsizetype space = tag.indexOf(u' ');
    QString id;
    if (space < 0) {
        id = tag.size() >= 2 ? tag.mid(1, tag.size() - 2) : QString();
    } else {
        id = tag.mid(1, space - 1);
    }
    return id.trimmed().toUpper();
}

void tokenizeTag(const QString& tag, QList<CodeToken>& tokens)
{
    const qsizetype len = tag.size();
    const qsizetype firstSpace = tag.indexOf(u' ');
    if (firstSpace <= 0) {
        append(tokens, tag, Zel_CodeBox::ElementTag);
        return;
    }
    const QString head = tag.left(firstSpace);
    qsizetype pos = firstSpace;
    if (head.trimmed().toUpper() == QLatin1String("<!--")) {
        const qsizetype close = tag.indexOf(QLatin1String("-->"));
        const qsizetype end = close < 0 ? len - 1 : close + 2;
        appendComment(tokens, tag.left(end + 1));
        pos = end;
    } else {
        append(tokens, head, Zel_CodeBox::ElementStart);
    }
    // Scanning starts on the last character of the tag only after a comment.
    if (pos >= len - 1)
        return;

    // Where the tail after the last value starts; the tail of a tag without
    // any value starts behind the element name.
    qsizetype tailStart = pos;
    for (;;) {
        const qsizetype eq = tag.indexOf(u'=', pos);
        if (eq < 0) {
            append(tokens, tag.mid(tailStart), Zel_CodeBox::ElementTag);
            return;
        }
        // The name runs from where the last value ended, so words without a
        // value before it (such as "disabled") are shown with it.
        const qsizetype nameStart = pos;
        const QString name = tag.mid(nameStart, eq - nameStart + 1);
        append(tokens, name, Zel_CodeBox::AttributeName);
        // A word without a value may stand before the name: judge the name
        // by its own word, from the last space before "=".
        // (The search stays inside the name, so a tag of many "=" stays cheap.)
        const qsizetype ownSpace = QStringView(name).lastIndexOf(u' ');
        const bool source = QStringView(name)
                                .mid(std::max<qsizetype>(ownSpace, 0))
                                .trimmed()
                                .compare(QLatin1String("SRC="), Qt::CaseInsensitive)
            == 0;

        const qsizetype quote = tag.indexOf(u'"', eq);
        const qsizetype nextEq = tag.indexOf(u'=', eq + 1);
        // A value without a usable end runs up to the tag's closing ">".
        const qsizetype fallbackEnd = tag.endsWith(u'>') ? len - 1 : len;
        qsizetype valueEnd; // first character behind the value
        qsizetype nextPos; // where the next attribute name may start
        if (quote >= 0 && nextEq >= 0 && nextEq < quote) {
            // Unquoted, followed by further attributes: ends at the next space.
            const qsizetype space = tag.indexOf(u' ', eq + 1);
            valueEnd = space >= 0 ? space : fallbackEnd;
            nextPos = valueEnd;
        } else if (quote < 0) {
            if (nextEq >= 0) {
                const qsizetype space = tag.lastIndexOf(u' ', nextEq);
                valueEnd = space > eq ? space : nextEq;
            } else {
                const qsizetype close = tag.indexOf(u'>', eq + 1);
                valueEnd = close >= 0 ? close : len;
            }
            nextPos = valueEnd;
        } else {
            // Quoted: through the closing quote. Anything between "=" and the
            // opening quote stays with the value so no character is lost.
            const qsizetype closing = tag.indexOf(u'"', quote + 1);
            valueEnd = closing >= 0 ? closing + 1 : std::max(fallbackEnd, quote + 1);
            nextPos = valueEnd;
        }
        valueEnd = std::max(valueEnd, eq + 1);
        appendValue(tokens, tag.mid(eq + 1, valueEnd - (eq + 1)), source);
        pos = std::max(nextPos, eq + 1);
        tailStart = pos;
        if (pos >= len) // the value ran to the end of the tag
            return;
    }
}

QList<CodeToken> tokenizeRow(const QString& text, bool shadowed)
{
    const qint32 plain = shadowed ? Zel_CodeBox::ShadowedText : Zel_CodeBox::Text;
    QList<CodeToken> tokens;
    const qsizetype len = text.size();
    qsizetype lt = text.indexOf(u'<');
    if (lt < 0) {
        append(tokens, text, plain);
        return tokens;
    }
    // Text before the first tag (indentation included) is shown as plain text.
    append(tokens, text.left(lt), plain);
    for (;;) {
        qsizetype end;
        if (QStringView(text).mid(lt, 4) == QLatin1String("<!--")) {
            const qsizetype close = text.indexOf(QLatin1String("-->"), lt);
            end = close < 0 ? -1 : close + 2;
        } else {
            end = text.indexOf(u'>', lt);
        }
        if (end < 0) {
            // A tag that is not closed in this row: the rest is plain text.
            append(tokens, text.mid(lt), plain);
            return tokens;
        }
        tokenizeTag(text.mid(lt, end - lt + 1), tokens);
        const qsizetype pos = end + 1;
        const qsizetype next = text.indexOf(u'<', pos);
        if (next < 0) {
            if (pos < len)
                append(tokens, text.mid(pos), plain);
            return tokens;
        }
        if (next > pos && !allSpaces(QStringView(text).mid(pos, next - pos)))
            append(tokens, text.mid(pos, next - pos), plain);
        lt = next;
    }
}

} // namespace CodeTokenizer
