#include "Drawing.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>
#include <QTransform>
#include <algorithm>

namespace Zel {

namespace {

// Colour tables of the classic edge painter, indexed by the four edge bits
// (outer raised/sunken, inner raised/sunken). NoLine draws nothing (every
// system colour has the top bit set, so 0 never names one here). When only an
// inner edge is asked for, it takes the outer line's place.
constexpr OLE_COLOR NoLine = 0;

// clang-format off
constexpr OLE_COLOR LTInnerNormal[16] = {
    NoLine, NoLine,                NoLine,                NoLine,
    NoLine, ButtonHighlightColor,  ButtonHighlightColor,  NoLine,
    NoLine, ButtonDarkShadowColor, ButtonDarkShadowColor, NoLine,
    NoLine, NoLine,                NoLine,                NoLine,
};
constexpr OLE_COLOR LTOuterNormal[16] = {
    NoLine,                ButtonLightColor, ButtonShadowColor, NoLine,
    ButtonHighlightColor,  ButtonLightColor, ButtonShadowColor, NoLine,
    ButtonDarkShadowColor, ButtonLightColor, ButtonShadowColor, NoLine,
    NoLine,                ButtonLightColor, ButtonShadowColor, NoLine,
};
constexpr OLE_COLOR RBInnerNormal[16] = {
    NoLine, NoLine,            NoLine,            NoLine,
    NoLine, ButtonShadowColor, ButtonShadowColor, NoLine,
    NoLine, ButtonLightColor,  ButtonLightColor,  NoLine,
    NoLine, NoLine,            NoLine,            NoLine,
};
constexpr OLE_COLOR RBOuterNormal[16] = {
    NoLine,            ButtonDarkShadowColor, ButtonHighlightColor, NoLine,
    ButtonShadowColor, ButtonDarkShadowColor, ButtonHighlightColor, NoLine,
    ButtonLightColor,  ButtonDarkShadowColor, ButtonHighlightColor, NoLine,
    NoLine,            ButtonDarkShadowColor, ButtonHighlightColor, NoLine,
};
// BF_SOFT swaps which colours the outer and inner lines use on the top-left.
constexpr OLE_COLOR LTInnerSoft[16] = {
    NoLine, NoLine,            NoLine,            NoLine,
    NoLine, ButtonLightColor,  ButtonLightColor,  NoLine,
    NoLine, ButtonShadowColor, ButtonShadowColor, NoLine,
    NoLine, NoLine,            NoLine,            NoLine,
};
constexpr OLE_COLOR LTOuterSoft[16] = {
    NoLine,            ButtonHighlightColor, ButtonDarkShadowColor, NoLine,
    ButtonLightColor,  ButtonHighlightColor, ButtonDarkShadowColor, NoLine,
    ButtonShadowColor, ButtonHighlightColor, ButtonDarkShadowColor, NoLine,
    NoLine,            ButtonHighlightColor, ButtonDarkShadowColor, NoLine,
};
// clang-format on

struct EdgeColors
{
    OLE_COLOR ltOuter = NoLine, rbOuter = NoLine, ltInner = NoLine, rbInner = NoLine;
};

EdgeColors edgeColors(unsigned edge, unsigned flags)
{
    const unsigned i = edge & 0xF;
    EdgeColors c;
    if (flags & (BF_MONO | BF_FLAT)) {
        const bool mono = flags & BF_MONO;
        const bool hasOuter = i & 0x3;
        const bool hasInner = i & 0xC;
        // With only an inner edge, the outer line is drawn in the inside colour.
        const OLE_COLOR outerLine = mono ? WindowFrameColor : ButtonShadowColor;
        const OLE_COLOR inside = mono ? WindowBackgroundColor : ButtonFaceColor;
        if (hasOuter)
            c.ltOuter = c.rbOuter = outerLine;
        else if (hasInner)
            c.ltOuter = c.rbOuter = inside;
        if (hasOuter && hasInner)
            c.ltInner = c.rbInner = inside;
        return c;
    }
    const bool soft = flags & BF_SOFT;
    c.ltOuter = soft ? LTOuterSoft[i] : LTOuterNormal[i];
    c.rbOuter = RBOuterNormal[i];
    c.ltInner = soft ? LTInnerSoft[i] : LTInnerNormal[i];
    c.rbInner = RBInnerNormal[i];
    return c;
}

// One ring of an edge: top and left in lt, then bottom and right in rb, so
// the bottom-right colour wins on the top-right and bottom-left corners.
void drawRing(QPainter& painter, const QRect& r, unsigned flags, OLE_COLOR lt, OLE_COLOR rb)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    if (lt != NoLine) {
        const QColor color = toQColor(lt);
        if (flags & BF_TOP)
            painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), color);
        if (flags & BF_LEFT)
            painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), color);
    }
    if (rb != NoLine) {
        const QColor color = toQColor(rb);
        if (flags & BF_BOTTOM)
            painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), color);
        if (flags & BF_RIGHT)
            painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), color);
    }
}

QRect shrinkBySides(const QRect& r, unsigned flags, int by)
{
    return r.adjusted((flags & BF_LEFT) ? by : 0, (flags & BF_TOP) ? by : 0,
        (flags & BF_RIGHT) ? -by : 0, (flags & BF_BOTTOM) ? -by : 0);
}

// Removes the mnemonic markers: "&x" shows x, "&&" shows "&".
QString stripPrefix(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        else if (text.at(i) == QLatin1Char('&'))
            continue;
        out.append(text.at(i));
    }
    return out;
}

// Greedy wrapping at blanks; a word wider than the line stays whole.
QStringList wrapLine(const QString& line, const QFontMetrics& fm, int width)
{
    QStringList out;
    QString current;
    const QStringList words = line.split(QLatin1Char(' '));
    for (const QString& word : words) {
        const QString candidate = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
        if (!current.isEmpty() && fm.horizontalAdvance(candidate) > width) {
            out.append(current);
            current = word;
        } else {
            current = candidate;
        }
    }
    out.append(current);
    return out;
}

// Cuts \a line after the last whole word that fits with an ellipsis.
QString wordElided(const QString& line, const QFontMetrics& fm, int width)
{
    const QString elided = fm.elidedText(line, Qt::ElideRight, width);
    if (elided == line)
        return line;
    // Qt finds how much fits in one pass; go back from there to a word end,
    // so a long line costs no more than one measurement per call.
    const QString ellipsis(QChar(0x2026));
    const qsizetype fits = elided.endsWith(ellipsis) ? elided.size() - 1 : elided.size();
    const qsizetype cut = fits > 0 ? line.lastIndexOf(QLatin1Char(' '), fits) : -1;
    if (cut <= 0)
        return elided;
    return line.left(cut) + ellipsis;
}

QStringList layoutLines(
    const QString& source, const QFontMetrics& fm, const QRect& rect, unsigned format)
{
    QString text = source;
    if (!(format & DT_EXPANDTABS))
        text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    if (format & DT_SINGLELINE) {
        // Line breaks do not break a single line.
        text.remove(QLatin1Char('\r'));
        text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    } else {
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    }
    QStringList lines
        = (format & DT_SINGLELINE) ? QStringList { text } : text.split(QLatin1Char('\n'));
    if ((format & DT_WORDBREAK) && !(format & DT_SINGLELINE)) {
        QStringList wrapped;
        for (const QString& line : std::as_const(lines))
            wrapped.append(wrapLine(line, fm, rect.width()));
        lines = wrapped;
    }
    if (!(format & DT_CALCRECT) && (format & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS))) {
        for (QString& line : lines) {
            line = (format & DT_WORD_ELLIPSIS) ? wordElided(line, fm, rect.width())
                                               : fm.elidedText(line, Qt::ElideRight, rect.width());
        }
    }
    return lines;
}

} // namespace

void DrawEdge(QPainter& painter, QRect& rect, unsigned edge, unsigned flags)
{
    const EdgeColors c = edgeColors(edge, flags);
    const int lines = (c.ltOuter != NoLine || c.rbOuter != NoLine ? 1 : 0)
        + (c.ltInner != NoLine || c.rbInner != NoLine ? 1 : 0);
    drawRing(painter, rect, flags, c.ltOuter, c.rbOuter);
    const QRect inner = shrinkBySides(rect, flags, 1);
    drawRing(painter, inner, flags, c.ltInner, c.rbInner);
    const QRect middle = shrinkBySides(rect, flags, lines);
    if ((flags & BF_MIDDLE) && middle.isValid())
        painter.fillRect(
            middle, toQColor((flags & BF_MONO) ? WindowBackgroundColor : ButtonFaceColor));
    if (flags & BF_ADJUST)
        rect = middle;
}

void DrawFocusRect(QImage& image, const QRect& rect)
{
    const QRect r = rect.normalized();
    if (r.isEmpty())
        return;
    const QRect bounds = image.rect();
    // Inverts every other pixel, checker-wise from the image origin; the four
    // strips never overlap, so a second call restores every pixel.
    auto invertStrip = [&](const QRect& strip) {
        const QRect s = strip.intersected(bounds);
        for (int y = s.top(); y <= s.bottom(); ++y) {
            for (int x = s.left(); x <= s.right(); ++x) {
                if ((x + y) % 2 != 0)
                    continue;
                if (image.depth() == 32) {
                    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
                    line[x] ^= 0x00FFFFFFu;
                } else {
                    const QRgb p = image.pixel(x, y);
                    image.setPixel(
                        x, y, qRgba(255 - qRed(p), 255 - qGreen(p), 255 - qBlue(p), qAlpha(p)));
                }
            }
        }
    };
    invertStrip(QRect(r.left(), r.top(), r.width(), 1));
    if (r.height() > 1)
        invertStrip(QRect(r.left(), r.bottom(), r.width(), 1));
    if (r.height() > 2) {
        invertStrip(QRect(r.left(), r.top() + 1, 1, r.height() - 2));
        if (r.width() > 1)
            invertStrip(QRect(r.right(), r.top() + 1, 1, r.height() - 2));
    }
}

int DrawText(QPainter& painter, const QString& text, QRect& rect, unsigned format)
{
    const QFontMetrics fm = painter.fontMetrics();
    const bool prefix = !(format & DT_NOPREFIX);
    const QStringList lines = layoutLines(prefix ? stripPrefix(text) : text, fm, rect, format);
    const int lineHeight = fm.height();
    const int textHeight = lineHeight * int(lines.size());

    if (format & DT_CALCRECT) {
        if (!(format & DT_WORDBREAK) || (format & DT_SINGLELINE)) {
            int width = 0;
            for (const QString& line : lines)
                width = std::max(width, fm.horizontalAdvance(line));
            rect.setWidth(width);
        }
        rect.setHeight(textHeight);
        return textHeight;
    }

    int top = rect.top();
    // Vertical placement applies to single lines only, as on the classic desktop.
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER)
            top = rect.top() + (rect.height() - lineHeight) / 2;
        else if (format & DT_BOTTOM)
            top = rect.top() + rect.height() - lineHeight;
    }
    painter.save();
    if (!(format & DT_NOCLIP))
        painter.setClipRect(rect, Qt::IntersectClip);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines.at(i);
        const int width = fm.horizontalAdvance(line);
        int x = rect.left();
        if (format & DT_CENTER)
            x = rect.left() + (rect.width() - width) / 2;
        else if (format & DT_RIGHT)
            x = rect.left() + rect.width() - width;
        painter.drawText(QPoint(x, top + int(i) * lineHeight + fm.ascent()), line);
    }
    painter.restore();
    return textHeight;
}

void drawRotatedText(QPainter& painter, const QString& text, QPoint origin, int degrees)
{
    painter.save();
    painter.translate(origin);
    painter.rotate(-degrees); // counter-clockwise: 90 reads from bottom to top
    painter.drawText(QPoint(0, painter.fontMetrics().ascent()), text);
    painter.restore();
}

QBrush patternBrush(const QImage& tile, QPoint origin)
{
    if (tile.isNull())
        return QBrush();
    // A 1-bit tile would be painted in the pen colour; use its own colours.
    QBrush brush(tile.depth() == 32 ? tile : tile.convertToFormat(QImage::Format_RGB32));
    brush.setTransform(QTransform::fromTranslate(origin.x(), origin.y()));
    return brush;
}

bool arrowForMarlett(QChar glyph, Arrow* arrow)
{
    Arrow found;
    switch (glyph.unicode()) {
    case '3':
        found = Arrow::Left;
        break;
    case '4':
        found = Arrow::Right;
        break;
    case '5':
        found = Arrow::Up;
        break;
    case '6':
        found = Arrow::Down;
        break;
    default:
        return false;
    }
    if (arrow)
        *arrow = found;
    return true;
}

void drawArrow(QPainter& painter, const QRect& rect, Arrow arrow, const QColor& color)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    // Base of the triangle: about half the smaller side, odd so the tip is one
    // pixel; a 16-pixel button gets the classic 7 x 4 arrow.
    int base = std::min(rect.width(), rect.height()) / 2;
    if (base % 2 == 0)
        --base;
    base = std::max(base, 3);
    const int depth = (base + 1) / 2;
    const bool vertical = arrow == Arrow::Up || arrow == Arrow::Down;
    const int boxW = vertical ? base : depth;
    const int boxH = vertical ? depth : base;
    const int x0 = rect.left() + (rect.width() - boxW) / 2;
    const int y0 = rect.top() + (rect.height() - boxH) / 2;
    for (int i = 0; i < depth; ++i) {
        // Row or column i, counted from the wide side.
        const int len = base - 2 * i;
        switch (arrow) {
        case Arrow::Down:
            painter.fillRect(QRect(x0 + i, y0 + i, len, 1), color);
            break;
        case Arrow::Up:
            painter.fillRect(QRect(x0 + i, y0 + depth - 1 - i, len, 1), color);
            break;
        case Arrow::Right:
            painter.fillRect(QRect(x0 + i, y0 + i, 1, len), color);
            break;
        case Arrow::Left:
            painter.fillRect(QRect(x0 + depth - 1 - i, y0 + i, 1, len), color);
            break;
        }
    }
}

Qt::BrushStyle hatchStyle(int fillStyle)
{
    switch (fillStyle) {
    case 0:
        return Qt::SolidPattern;
    case 2:
        return Qt::HorPattern;
    case 3:
        return Qt::VerPattern;
    case 4:
        return Qt::BDiagPattern; // upward: lower left to upper right
    case 5:
        return Qt::FDiagPattern; // downward: upper left to lower right
    case 6:
        return Qt::CrossPattern;
    case 7:
        return Qt::DiagCrossPattern;
    default:
        return Qt::NoBrush;
    }
}

QPolygon lineToPoints(QPoint from, QPoint to)
{
    // Bresenham from the start, one step along the longer axis per pixel.
    const int dx = std::abs(to.x() - from.x());
    const int dy = -std::abs(to.y() - from.y());
    const int sx = from.x() < to.x() ? 1 : -1;
    const int sy = from.y() < to.y() ? 1 : -1;
    QPolygon points;
    points.reserve(std::max(dx, -dy));
    int error = dx + dy;
    QPoint p = from;
    while (p != to) {
        points << p;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            p.rx() += sx;
        }
        if (twice <= dx) {
            error += dx;
            p.ry() += sy;
        }
    }
    return points;
}

} // namespace Zel
