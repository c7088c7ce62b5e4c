#include "PropListPainter.h"

#include "PropListLayout.h"

#include <QPainter>
#include <algorithm>
#include <common/HostConvert.h>

namespace Tabulon {

namespace {

/// A rectangle as the row geometry is written: right and bottom exclusive.
struct Box
{
    int left, top, right, bottom;
    QRect rect() const
    {
        return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
    }
};

QColor fromRgbValue(qint32 value)
{
    if (value < 0)
        return QColor(Qt::black);
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

void fill(QPainter& painter, const Box& box, const QColor& color)
{
    painter.fillRect(box.rect(), color);
}

/// A one-pixel line whose end point is not drawn.
void line(QPainter& painter, int x1, int y1, int x2, int y2)
{
    if (x1 == x2 && y1 == y2)
        return;
    const int dx = (x2 > x1) - (x2 < x1);
    const int dy = (y2 > y1) - (y2 < y1);
    painter.drawLine(x1, y1, x2 - dx, y2 - dy);
}

QString displayText(const QString& text)
{
    if (!text.contains(QLatin1Char('\r')))
        return text;
    QString copy = text;
    copy.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    copy.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return copy;
}

/// Text from the top-left corner of \a box, line breaks kept, clipped to it.
void drawTopLeft(QPainter& painter, const Box& box, const QString& text)
{
    if (text.isEmpty() || box.right <= box.left || box.bottom <= box.top)
        return;
    painter.drawText(box.rect(), Qt::AlignLeft | Qt::AlignTop, displayText(text));
}

/// One line, vertically centred in \a box, clipped to it.
void drawSingleLine(QPainter& painter, const Box& box, const QString& text)
{
    if (text.isEmpty() || box.right <= box.left || box.bottom <= box.top)
        return;
    QString single = displayText(text);
    single.replace(QLatin1Char('\n'), QLatin1Char(' '));
    painter.drawText(box.rect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, single);
}

int hexDigit(QChar c)
{
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return 0;
}

int hexPair(const QString& text, int first)
{
    const int high = first < text.size() ? hexDigit(text.at(first)) : 0;
    const int low = first + 1 < text.size() ? hexDigit(text.at(first + 1)) : 0;
    return high * 16 + low;
}

void paintSwatch(QPainter& painter, const RowPaintContext& c, const Box& s, const QString& value)
{
    const int l = s.left, t = s.top + 3, r = s.left + 15, b = s.bottom - 3;
    if (b <= t)
        return;
    fill(painter, { l, t, r, b }, c.enabled ? PropListPainter::swatchColor(value) : c.buttonFace);
    painter.setPen(c.enabled ? c.windowText : c.buttonShadow);
    line(painter, l, t, l, b);
    line(painter, l, t, r, t);
    line(painter, l, b, r, b);
    line(painter, r, t, r, b + 1);
}

void paintHeaderBackground(
    QPainter& painter, const RowPaintContext& c, const Item& item, const Box& r)
{
    if (c.coolXP) {
        const qint32 base
            = PropListPainter::shade(c.enabled ? c.visualColor : c.buttonFaceRgb, 48, true);
        const int height = r.bottom - r.top;
        int k = 1;
        for (int y = r.top; y < r.bottom; ++y, ++k)
            painter.fillRect(QRect(r.left + 1, y, r.right - r.left - 1, 1),
                fromRgbValue(PropListPainter::gradientLine(base, k, height)));
        painter.setPen(c.buttonFace);
        line(painter, r.left, r.top, r.right, r.top);
    } else if (!c.headerBackPicture.isNull()) {
        painter.save();
        painter.setClipRect(r.rect());
        painter.drawImage(QPoint(r.left, r.top), c.headerBackPicture);
        painter.restore();
    }
    if (!item.Icon.isNull())
        painter.drawImage(
            QRect(r.left + 2, r.top + 2, PropListLayout::IconSize, PropListLayout::IconSize),
            item.Icon.image());
}

void paintHeader(QPainter& painter, const RowPaintContext& c, const Item& item, const Box& r)
{
    fill(painter, r, c.buttonFace);
    const int captionLeft = item.Icon.isNull() ? c.itemTextLeft : PropListLayout::ValueIndent;
    paintHeaderBackground(painter, c, item, r);
    painter.setFont(c.boldFont);
    painter.setPen(c.enabled ? c.fontNormal : c.buttonShadow);
    const int io = c.itemOffset;
    if (c.wordWrap)
        drawTopLeft(painter,
            { io + captionLeft, r.top + io + c.textOffset, c.listWidth, r.bottom - io },
            item.Caption);
    else
        drawSingleLine(
            painter, { io + captionLeft, r.top, c.listWidth - io, r.bottom }, item.Caption);
}

/// The value column: swatch or icon, then the value text. Returns the text box.
Box paintValue(QPainter& painter, const RowPaintContext& c, const Item& item, const Box& r)
{
    const int io = c.itemOffset;
    const Box a { io + c.itemTextLeft, r.top + io, c.columnWidth, r.bottom - io };
    const Box s { c.itemTextLeft + c.columnWidth, a.top + io, c.surfaceWidth, a.bottom - io };
    Box t { c.columnWidth + 3, a.top + io + c.textOffset, c.surfaceWidth, a.bottom - io };
    if (item.Style == propColor || !item.Icon.isNull()) {
        if (item.Style == propColor)
            paintSwatch(painter, c, s, item.Value);
        else
            painter.drawImage(
                QRect(s.left, s.top + 2, PropListLayout::IconSize, PropListLayout::IconSize),
                item.Icon.image());
        t = { c.itemTextLeft + c.columnWidth + PropListLayout::ValueIndent,
            s.top + io + c.textOffset, c.surfaceWidth, s.bottom - io };
    }
    painter.setPen(c.enabled ? c.fontNormal : c.buttonShadow);
    if (c.wordWrap)
        drawTopLeft(painter, t, item.Value);
    else
        drawSingleLine(painter, { t.left, r.top, t.right, r.bottom }, item.Value);
    return t;
}

} // namespace

void PropListPainter::paintRow(
    QPainter& painter, const RowPaintContext& c, const Item& item, int row, bool selected)
{
    const int top = c.rowHeight * (row - c.topIndex);
    const Box r { 0, top, c.listWidth, top + c.rowHeight };
    if (item.Style == propHeader) {
        paintHeader(painter, c, item, r);
        return;
    }

    QColor captionColor;
    if (selected) {
        fill(painter, { 0, r.top, c.columnWidth, r.bottom },
            c.enabled ? c.backSelected : c.buttonShadow);
        fill(painter, { c.columnWidth, r.top, c.listWidth, r.bottom }, c.windowBackground);
        captionColor = c.fontSelected;
    } else {
        fill(painter, r, item.Status == ItemDisabled ? c.backDisabled : c.backNormal);
        captionColor = c.enabled ? c.fontNormal : c.buttonShadow;
    }

    const int io = c.itemOffset;
    painter.setFont(c.font);
    painter.setPen(captionColor);
    Box grid;
    if (c.wordWrap) {
        drawTopLeft(painter,
            { io + c.itemTextLeft, r.top + io + c.textOffset, c.columnWidth, r.bottom - io },
            item.Caption);
        const Box t = paintValue(painter, c, item, r);
        grid = { 0, t.top + 2 * io - c.textOffset, c.listWidth - io, t.bottom - 2 * io };
    } else {
        drawSingleLine(
            painter, { io + c.itemTextLeft, r.top, c.columnWidth, r.bottom }, item.Caption);
        paintValue(painter, c, item, r);
        grid = { 0, r.top, c.listWidth - io, r.bottom - io };
    }

    if (c.gridLines == GridLines::Solid || c.gridLines == GridLines::dotted) {
        painter.setPen(c.gridColor);
        line(painter, 0, grid.top, c.listWidth, grid.top);
        line(painter, c.columnWidth, grid.top, c.columnWidth, grid.bottom);
        line(painter, 0, grid.bottom, c.listWidth, grid.bottom);
    }
}

qint32 PropListPainter::shade(qint32 color, int amount, bool scaled)
{
    int red = color & 0xFF;
    int green = (color / 256) & 0xFF;
    int blue = (color / 65536) & 0xFF;
    red += amount;
    green += amount;
    blue += scaled ? (blue * amount) / 192 : amount;
    red = std::clamp(red, 0, 255);
    green = std::clamp(green, 0, 255);
    blue = std::clamp(blue, 0, 255);
    return qint32(Zel::rgb(red, green, blue));
}

qint32 PropListPainter::gradientLine(qint32 base, int k, int height)
{
    const int step = int(Zel::roundHalfEven(50.0 / std::max(1, height) * k));
    return shade(base, -step, true);
}

QString PropListPainter::hexToRgb(const QString& hexValue, const QString& delimiter)
{
    return QString::number(hexPair(hexValue, 0)) + delimiter + QString::number(hexPair(hexValue, 2))
        + delimiter + QString::number(hexPair(hexValue, 4));
}

QColor PropListPainter::swatchColor(const QString& value)
{
    // The last six characters are the red, green and blue pairs.
    const QString digits = value.right(6);
    return QColor(hexPair(digits, 0), hexPair(digits, 2), hexPair(digits, 4));
}

QRect PropListPainter::swatchBox(const QRect& s)
{
    return QRect(QPoint(s.left(), s.top() + 3), QPoint(s.left() + 15, s.top() + s.height() - 3));
}

} // namespace Tabulon
