#pragma once

#include "Zel_CodeBox.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QList>
#include <QRawFont>
#include <array>
#include <memory>

class QPainter;

/// The four faces a token can be drawn in, with cached metrics.
///
/// Tokens are measured and drawn from a per-face table of glyphs and advances
/// (no text shaping, which would cost more than everything else a page
/// takes); text with characters the face has no glyph for goes through Qt's
/// text layout, which finds a fallback font.
class CodeFonts
{
public:
    enum Face { Regular = 0, Bold = 1, Slanted = 2, BoldSlanted = 3 };

    explicit CodeFonts(const QFont& base = QFont());

    const QFont& font(int face) const { return m_fonts[size_t(face)]; }
    /// Text width in \a face.
    int width(int face, const QString& text) const;
    /// Glyphs gathered for drawing in few calls: one run per face and colour.
    class Batch
    {
    public:
        struct Run
        {
            int face;
            QRgb color;
            QList<quint32> indexes;
            QList<QPointF> positions;
        };
        QList<Run> runs;
    };
    /// Adds \a text in \a face and \a color, its baseline at y, to \a batch;
    /// text that needs a fallback font or an underline is drawn at once.
    void draw(QPainter& p, Batch& batch, int face, const QColor& color, int x, int baseline,
        const QString& text) const;
    /// Draws and empties \a batch.
    void flush(QPainter& p, Batch& batch) const;
    /// The height of a text line (the surface's TextHeight).
    int lineHeight() const { return m_lineHeight; }
    int ascent() const { return m_ascent; }

private:
    struct Glyphs
    {
        struct Entry
        {
            quint32 glyph = 0;
            float advance = 0;
            bool known = false;
        };
        QRawFont raw;
        // Latin characters in a table, everything else in a hash.
        std::array<Entry, 0x300> latin {};
        QHash<char16_t, Entry> other;
        Entry lookup(QChar c);
    };
    /// Glyph indexes and advances of \a text, false when some character needs a fallback font.
    bool glyphsFor(int face, const QString& text, QList<quint32>* indexes, qreal* width,
        QList<QPointF>* positions) const;

    std::array<QFont, 4> m_fonts;
    std::array<QFontMetrics, 4> m_metrics;
    mutable std::array<Glyphs, 4> m_glyphs;
    int m_lineHeight = 0;
    int m_ascent = 0;
};

/// How a token is drawn: face and colour, following the row's bold state
/// (switched off at the start of a row, changed only by kinds that set it).
class TokenStyler
{
public:
    struct Colors
    {
        OLE_COLOR comment = 0;
        OLE_COLOR elementName = 0;
        OLE_COLOR attributeName = 0;
        OLE_COLOR attributeValue = 0;
    };

    TokenStyler(const Colors& colors, bool shadowed)
        : m_colors(colors)
        , m_shadowed(shadowed)
    { }

    struct Style
    {
        int face;
        OLE_COLOR color;
    };
    /// The style of the next token of the row.
    Style next(qint32 kind);

private:
    Colors m_colors;
    bool m_shadowed;
    bool m_bold = false;
};

/// Geometry of code rows: token wrapping and row heights.
namespace CodeLayout {

/// Where the token text starts.
constexpr int TextLeft = 45;
/// The gutter's width, the line-number box and the lock picture's place.
constexpr int GutterWidth = 40;
constexpr int NumberLeft = 1;
constexpr int NumberRight = 38;
constexpr int LockX = 3;
constexpr int ScrollBarWidth = 20;

/// Lays the tokens out in (left, right): fills each token's x and y (y
/// relative to the row's top) and returns the row's height. Tokens are never
/// split: one that does not fit goes to the next line (the first token too,
/// leaving the first line empty) and drops one leading space (kept in \a drawn).
int layoutTokens(QList<CodeToken>& tokens, const CodeFonts& fonts, int left, int right,
    QList<QString>* drawn = nullptr);

/// The height of a one-line code row.
inline int singleLineHeight(const CodeFonts& fonts)
{
    return fonts.lineHeight() + 2;
}

/// The height of a header bar for \a text.
int barHeight(const CodeFonts& fonts, const QString& text);

} // namespace CodeLayout
