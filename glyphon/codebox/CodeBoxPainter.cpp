// Painting of the code box: everything here reads the control's state and
// draws one frame; nothing changes what the host sees.
#include "Zel_CodeBox_p.h"

#include <QPainter>
#include <common/HostConvert.h>

namespace {

// Alternate pixels along the rectangle's edges; with \a invert they are
// inverted (a focus rectangle), otherwise drawn in the pen.
QPolygon dottedEdge(const QRect& r, bool top, bool bottom, bool sides)
{
    QPolygon points;
    if (r.width() <= 0 || r.height() <= 0)
        return points;
    for (int x = r.left(); x <= r.right(); x += 2) {
        if (top)
            points << QPoint(x, r.top());
        if (bottom && r.bottom() != r.top())
            points << QPoint(x, r.bottom());
    }
    if (sides) {
        for (int y = r.top() + 2; y < r.bottom(); y += 2) {
            points << QPoint(r.left(), y);
            if (r.right() != r.left())
                points << QPoint(r.right(), y);
        }
    }
    return points;
}

void drawFocusRect(QPainter& p, const QRect& r)
{
    p.save();
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.setPen(Qt::white);
    p.drawPoints(dottedEdge(r, true, true, true));
    p.restore();
}

} // namespace

std::pair<qint32, qint32> Zel_CodeBoxPrivate::renderFrame(QPainter& p, const QRect& clip) const
{
    p.setClipRect(clip);
    if (!q->UserMode()) {
        paintPlaceholder(p);
        return { 0, 0 };
    }
    const int height = view.area().height();
    // The text area is white under any palette: the token colours a host
    // picks are chosen against it.
    p.fillRect(clip, Qt::white);
    gutterTile.Tile(p, 0, 0, CodeLayout::GutterWidth, height, true);
    // Text is gathered into a few glyph runs and drawn once all rows are laid out.
    CodeFonts::Batch batch;
    const qint32 first = view.top();
    // Rows above the clip are only measured; a row paints one pixel below
    // itself (the line under the last row).
    qint32 row = first;
    qint64 top = 0;
    for (; row < store.size() && top < height; ++row) {
        const int h = view.rowHeight(row);
        if (top + h >= clip.top())
            break;
        top += h;
    }
    const qint32 paintedFirst = row;
    const qint64 paintedTop = top;
    for (; row < store.size() && top < std::min(height, clip.bottom() + 1); ++row) {
        paintRow(p, batch, row, int(top));
        top += view.rowHeight(row);
    }
    fonts.flush(p, batch);
    // Lock pictures go over the line numbers.
    top = paintedTop;
    for (qint32 r = paintedFirst; r < row; ++r) {
        if (store.at(r).locked && !lockPicture.isNull())
            p.drawImage(CodeLayout::LockX, int(top) + 2, lockPicture.image());
        top += view.rowHeight(r);
    }
    if (listIndex >= 0 && !selectionHidden) {
        paintSelection(p, batch);
        fonts.flush(p, batch);
    }
    for (const HostLine& line : hostLines) {
        p.setPen(line.color);
        p.drawPoints(line.points);
    }
    return { paintedFirst, row };
}

void Zel_CodeBoxPrivate::rowsPainted(std::pair<qint32, qint32> rows)
{
    // An unlocked row's gutter was retiled by this paint: it is clean again.
    for (qint32 r = rows.first; r < std::min(rows.second, store.size()); ++r) {
        StoredRow& row = store.at(r);
        if (row.dirty && !row.locked)
            row.dirty = false;
    }
}

void Zel_CodeBoxPrivate::paintRow(QPainter& p, CodeFonts::Batch& batch, qint32 row, int top) const
{
    const StoredRow& r = store.at(row);
    const int h = view.rowHeight(row);
    const int textWidth = view.textWidth();
    p.fillRect(
        QRect(CodeLayout::GutterWidth, top, textWidth - CodeLayout::GutterWidth, h), Qt::white);
    if (r.isCode() && showNumber) {
        // Right-aligned in the number box.
        const QString number = QString::number(r.lineNumber);
        const int x = CodeLayout::NumberRight - fonts.width(CodeFonts::Regular, number);
        fonts.draw(p, batch, CodeFonts::Regular, Zel::toQColor(gutterFontColor, Qt::black), x,
            top + fonts.ascent(), number);
    }
    if (r.isBar())
        paintBar(p, r.value, 0, top, textWidth, top + h);
    else if (view.rendering())
        paintTokens(p, batch, row, top);
    if (row == store.size() - 1) {
        p.setPen(Zel::toQColor(Zel::ButtonShadowColor, Qt::black));
        p.drawLine(CodeLayout::GutterWidth, top + h, textWidth - 1, top + h);
    }
}

void Zel_CodeBoxPrivate::paintBar(
    QPainter& p, const QString& text, int left, int top, int right, int bottom) const
{
    // A raised button face: its light and shadow edges follow the palette with
    // the face; the black foot parts it from the white row below under any.
    p.fillRect(QRect(left, top, right - left, bottom - top),
        Zel::toQColor(Zel::ButtonFaceColor, Qt::black));
    p.setPen(Zel::toQColor(Zel::ButtonHighlightColor, Qt::white));
    p.drawLine(left, top + 1, right - 1, top + 1);
    p.setPen(Zel::toQColor(Zel::ButtonShadowColor, Qt::black));
    p.drawLine(left, bottom - 2, right - 1, bottom - 2);
    p.setPen(Qt::black);
    p.drawLine(left, bottom - 1, right - 1, bottom - 1);
    paintBarText(p, text, left, top, right, bottom);
}

void Zel_CodeBoxPrivate::paintBarText(
    QPainter& p, const QString& text, int left, int top, int right, int bottom) const
{
    p.setPen(Zel::toQColor(Zel::ButtonTextColor, Qt::black));
    const int t = top + int(Zel::roundHalfEven((bottom - top) / 2.0 - fonts.lineHeight() / 2.0));
    p.setFont(fonts.font(CodeFonts::Regular));
    p.drawText(QRect(left, t, right - left, std::max(bottom - t, 1)),
        Qt::AlignHCenter | Qt::AlignTop, text);
}

void Zel_CodeBoxPrivate::paintTokens(
    QPainter& p, CodeFonts::Batch& batch, qint32 row, int top) const
{
    const LaidOutRow laid = view.laidOut(row);
    const QList<CodeToken>& tokens = laid.tokens;
    const QList<QString>& drawn = laid.drawn;
    TokenStyler styler(colors, store.at(row).addType == Zel_CodeBox::Shadowed);
    OLE_COLOR color = 0xFFFFFFFFu;
    QColor qcolor;
    const int ascent = fonts.ascent();
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const TokenStyler::Style style = styler.next(tokens[i].Kind);
        if (drawn[i].isEmpty())
            continue;
        if (style.color != color) {
            color = style.color;
            qcolor = Zel::toQColor(color, Qt::black);
        }
        fonts.draw(p, batch, style.face, qcolor, tokens[i].x, top + tokens[i].y + ascent, drawn[i]);
    }
}

void Zel_CodeBoxPrivate::paintSelection(QPainter& p, CodeFonts::Batch& batch) const
{
    // Only as far as the surface reaches: the current row may lie far below it.
    const int top = view.rowTop(listIndex);
    if (top < 0)
        return;
    const int textWidth = view.textWidth();
    const int h = view.rowHeight(listIndex);
    const QRect box(41, top, textWidth - 41, h - 1);
    p.fillRect(box, Zel::toQColor(selectBGColor, Qt::black));
    switch (codeStyle) {
    case Zel_CodeBox::FullSelection:
    case Zel_CodeBox::QuorvelStyle:
        drawFocusRect(p, box);
        break;
    case Zel_CodeBox::TopStyleSelection:
        p.setPen(Zel::toQColor(Zel::ButtonShadowColor, Qt::black));
        p.drawPoints(dottedEdge(box, true, true, false));
        break;
    }
    const StoredRow& r = store.at(listIndex);
    if (r.isCode() && view.rendering())
        paintTokens(p, batch, listIndex, top);
    else if (r.isBar()) // the selection box stays; only the bar's text goes over it again
        paintBarText(p, r.value, 0, top, textWidth, top + h);
}

void Zel_CodeBoxPrivate::paintPlaceholder(QPainter& p) const
{
    p.fillRect(
        QRect(QPoint(0, 0), surface->size()), Zel::toQColor(Zel::WindowBackgroundColor, Qt::white));
    p.setFont(fonts.font(CodeFonts::Regular));
    p.setPen(Zel::toQColor(Zel::WindowTextColor, Qt::black));
    p.drawText(QPoint(0, fonts.ascent()),
        q->objectName().isEmpty() ? QStringLiteral("Zel_CodeBox") : q->objectName());
    drawFocusRect(p, QRect(0, 0, surface->width(), CodeLayout::singleLineHeight(fonts)));
}
