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
    // Most rows hold nothing to replace: skip the passes (and the copy) then.
    if (!text.contains(u'&') && !text.contains(u'\t') && !text.contains(u'\r')
        && !text.contains(QLatin1String("  ")))
        return text;
    QString s = text;
    if (s.contains(u'&')) {
        s.replace(QLatin1String("&lt;"), QLatin1String("&#060;"));
        s.replace(QLatin1String("&gt;"), QLatin1String("&#062;"));
        s.replace(QLatin1String("&quot;"), QLatin1String("&#034;"));
        s.replace(QLatin1String("&nbsp;"), QLatin1String("&#032;"));
        s.replace(QLatin1String("&copy;"), QLatin1String("&#169;"));
        s.replace(QLatin1String("&deg;"), QLatin1String("&#176;"));
        s.replace(QLatin1String("&amp;"), QLatin1String("&#038;"));
        s.replace(QLatin1String("&middot;"), QLatin1String("&#183;"));
    }
    s.replace(u'\t', u' ');
    s.replace(QLatin1String("\r\n"), QLatin1String(" "));
    // Three passes: runs of up to eight spaces become one.
    for (int pass = 0; pass < 3; ++pass)
        s.replace(QLatin1String("  "), QLatin1String(" "));
    return s;
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
        const bool source = name.trimmed().toUpper() == QLatin1String("SRC=");

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
