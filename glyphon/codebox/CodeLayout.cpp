#include "CodeLayout_p.h"

#include <QGlyphRun>
#include <QPainter>

namespace {

QFont faceOf(const QFont& base, int face)
{
    QFont font = base;
    font.setBold(face & CodeFonts::Bold);
    font.setItalic(face & CodeFonts::Slanted);
    font.setUnderline(face & CodeFonts::Slanted);
    return font;
}

} // namespace

CodeFonts::Glyphs::Entry CodeFonts::Glyphs::lookup(QChar c)
{
    Entry* slot = c.unicode() < latin.size() ? &latin[c.unicode()] : nullptr;
    if (slot && slot->known)
        return *slot;
    if (!slot) {
        const auto it = other.constFind(c.unicode());
        if (it != other.cend())
            return *it;
    }
    Entry entry;
    entry.known = true;
    quint32 glyph = 0;
    int count = 1;
    if (raw.isValid() && raw.glyphIndexesForChars(&c, 1, &glyph, &count) && count == 1) {
        entry.glyph = glyph;
        QPointF advance;
        raw.advancesForGlyphIndexes(&glyph, &advance, 1);
        entry.advance = float(advance.x());
    }
    if (slot)
        *slot = entry;
    else
        other.insert(c.unicode(), entry);
    return entry;
}

CodeFonts::CodeFonts(const QFont& base)
    : m_fonts { faceOf(base, 0), faceOf(base, 1), faceOf(base, 2), faceOf(base, 3) }
    , m_metrics { QFontMetrics(m_fonts[0]), QFontMetrics(m_fonts[1]), QFontMetrics(m_fonts[2]),
        QFontMetrics(m_fonts[3]) }
{
    m_lineHeight = m_metrics[0].height();
    m_ascent = m_metrics[0].ascent();
    for (size_t face = 0; face < m_glyphs.size(); ++face)
        m_glyphs[face].raw = QRawFont::fromFont(m_fonts[face]);
}

bool CodeFonts::glyphsFor(int face, const QString& text, QList<quint32>* indexes, qreal* width,
    QList<QPointF>* positions) const
{
    Glyphs& glyphs = m_glyphs[size_t(face)];
    if (!glyphs.raw.isValid())
        return false;
    qreal x = 0;
    for (QChar c : text) {
        if (c.isSurrogate())
            return false;
        const Glyphs::Entry entry = glyphs.lookup(c);
        if (entry.glyph == 0)
            return false;
        if (indexes) {
            indexes->append(entry.glyph);
            positions->append(QPointF(x, 0));
        }
        x += entry.advance;
    }
    *width = x;
    return true;
}

int CodeFonts::width(int face, const QString& text) const
{
    qreal w = 0;
    if (glyphsFor(face, text, nullptr, &w, nullptr))
        return qRound(w);
    return m_metrics[size_t(face)].horizontalAdvance(text);
}

void CodeFonts::draw(QPainter& p, Batch& batch, int face, const QColor& color, int x, int baseline,
    const QString& text) const
{
    const QRgb rgb = color.rgb();
    Batch::Run* run = nullptr;
    for (Batch::Run& r : batch.runs) {
        if (r.face == face && r.color == rgb) {
            run = &r;
            break;
        }
    }
    if (!run) {
        batch.runs.append(Batch::Run { face, rgb, {}, {} });
        run = &batch.runs.last();
    }
    const qsizetype mark = run->indexes.size();
    QList<QPointF> positions;
    qreal w = 0;
    if (glyphsFor(face, text, &run->indexes, &w, &positions)) {
        // Whole pixels: one cached glyph image serves every position.
        for (const QPointF& pos : std::as_const(positions))
            run->positions.append(QPointF(qRound(x + pos.x()), baseline));
        if (face & Slanted) {
            const QFontMetrics& metrics = m_metrics[size_t(face)];
            const int y = baseline + metrics.underlinePos();
            p.fillRect(QRect(x, y, qRound(w), std::max(metrics.lineWidth(), 1)), color);
        }
        return;
    }
    run->indexes.resize(mark);
    p.setPen(color);
    p.setFont(m_fonts[size_t(face)]);
    p.drawText(QPoint(x, baseline), text);
}

void CodeFonts::flush(QPainter& p, Batch& batch) const
{
    for (const Batch::Run& r : std::as_const(batch.runs)) {
        if (r.indexes.isEmpty())
            continue;
        QGlyphRun run;
        run.setRawFont(m_glyphs[size_t(r.face)].raw);
        run.setGlyphIndexes(r.indexes);
        run.setPositions(r.positions);
        p.setPen(QColor(r.color));
        p.drawGlyphRun(QPointF(0, 0), run);
    }
    batch.runs.clear();
}

TokenStyler::Style TokenStyler::next(qint32 kind)
{
    OLE_COLOR color = 0;
    bool slanted = false;
    switch (kind) {
    case Zel_CodeBox::AttributeName:
        m_bold = false;
        color = m_colors.attributeName;
        break;
    case Zel_CodeBox::AttributeValue:
        m_bold = true;
        color = m_colors.attributeValue;
        break;
    case Zel_CodeBox::ElementStart:
    case Zel_CodeBox::ElementTag:
        m_bold = true;
        color = m_colors.elementName;
        break;
    case Zel_CodeBox::SourceValue:
        slanted = true;
        color = Zel::ButtonShadowColor;
        break;
    case Zel_CodeBox::CommentWord:
        color = m_colors.comment;
        break;
    default: // plain text keeps the bold state of the token before it
        break;
    }
    if (m_shadowed)
        color = m_colors.comment;
    return { (m_bold ? CodeFonts::Bold : 0) | (slanted ? CodeFonts::Slanted : 0), color };
}

namespace CodeLayout {

int layoutTokens(
    QList<CodeToken>& tokens, const CodeFonts& fonts, int left, int right, QList<QString>* drawn)
{
    TokenStyler styler({}, false);
    int x = left;
    int y = 0;
    if (drawn)
        drawn->clear();
    for (CodeToken& token : tokens) {
        const int face = styler.next(token.Kind).face;
        QString text = token.Text;
        int width = fonts.width(face, text);
        // A token that does not fit starts a new line and may run over the
        // right edge there; a first token that does not fit leaves the first
        // line empty.
        if (x + width >= right) {
            if (text.startsWith(u' ')) {
                text.remove(0, 1);
                width = fonts.width(face, text);
            }
            x = left;
            y += fonts.lineHeight();
        }
        token.x = qint16(qBound(-32768, x, 32767));
        token.y = qint16(qBound(-32768, y, 32767));
        token.Offset = 0;
        x += width;
        if (drawn)
            drawn->append(text);
    }
    return y + fonts.lineHeight() + 2;
}

int barHeight(const CodeFonts& fonts, const QString& text)
{
    const int lines = int(text.count(u'\n')) + 1;
    return fonts.lineHeight() * lines + 4;
}

} // namespace CodeLayout
