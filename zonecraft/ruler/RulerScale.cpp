#include "RulerScale.h"

#include <QHash>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <common/Drawing.h>
#include <common/StdFont.h>
#include <common/Units.h>

namespace zc {

namespace {

/// More major marks than this along one ruler would merge into a solid
/// block (and take unbounded time): such a zoom draws no scale.
constexpr double MostMajorMarks = 100000;

int pixel(double v)
{
    return int(std::lrint(v));
}

/// A coordinate shown as the host prints it: 15 significant digits, which
/// also drops the noise of P / F (299.99999999999994 is 300).
double printed(double v)
{
    return QString::number(v, 'g', 15).toDouble();
}

} // namespace

QSize RulerState::innerSize() const
{
    return QSize(std::max(0, size.width() - 2 * border), std::max(0, size.height() - 2 * border));
}

QString rulerNumberText(double value)
{
    const bool whole = value == std::floor(value) && std::fabs(value) < 1e15;
    const QString digits = whole ? QString::number(qint64(std::fabs(value)))
                                 : QString::number(std::fabs(value), 'g', 15);
    return (value < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + digits;
}

RulerScale layoutRulerScale(const RulerState& state)
{
    RulerScale scale;
    scale.fontSize = state.smallestZoom() ? 6 : 7;
    if (state.orientation != 0 && state.orientation != 1)
        return scale;
    const bool vertical = state.orientation == 1;
    scale.vertical = vertical;
    const QSize inner = state.innerSize();
    const int across = vertical ? inner.width() : inner.height(); // SH, or SW when vertical
    const int along = vertical ? inner.height() : inner.width();
    const double f = state.zoom;
    const double major = 100 * f;
    const double minor = 10 * f;
    // The loop runs over the whole ruler as the host measures it.
    const int length = vertical ? state.size.height() : state.size.width();

    // One mark across the ruler at \a pos, from \a from to the far edge.
    auto mark = [&](double pos, double from) {
        const int p = pixel(pos);
        const int a = pixel(from);
        scale.marks.push_back(vertical ? QLine(a, p, across, p) : QLine(p, a, p, across));
    };
    auto label = [&](double pos, double value) {
        const int p = pixel(pos);
        // The turned text starts one pixel left of the edge, as it is placed.
        scale.labels.push_back({ vertical ? QPoint(-1, p) : QPoint(p, 0), rulerNumberText(value) });
    };

    const bool drawable = std::isfinite(major) && major > 0 && length / major <= MostMajorMarks;
    if (drawable) {
        const auto majors = qint64(std::floor(length / major));
        for (qint64 k = 0; k <= majors; ++k) {
            const double p = double(k) * major;
            mark(p, 0);
            const double v = printed(p / f) + state.startValue;
            label(p, v);
            for (int j = 1; j <= 9; ++j) {
                const double q = p + j * minor;
                if (j != 5)
                    mark(q, across - across / 3.0);
                else if (state.smallestZoom())
                    mark(q, across - across / 2.0);
                else {
                    mark(q, 0);
                    label(q, v + 50);
                }
            }
        }
    }
    if (vertical) {
        scale.edgeDark = QLine(across - 1, 1, across - 1, along);
        scale.edgeLight = QLine(across - 2, 1, across - 2, along);
    } else {
        scale.edgeDark = QLine(1, across - 1, along, across - 1);
        scale.edgeLight = QLine(1, across - 2, along, across - 2);
    }
    return scale;
}

OLE_COLOR shadeColor(OLE_COLOR K, qint32 A, bool Scaled)
{
    const qint32 resolved = Zel::TranslateColor(K);
    const OLE_COLOR rgb = resolved < 0 ? 0 : OLE_COLOR(resolved);
    const int red = int(rgb & 0xFF) + A;
    const int green = int((rgb >> 8) & 0xFF) + A;
    const int blueIn = int((rgb >> 16) & 0xFF);
    const int blue = Scaled ? blueIn + (blueIn * A) / 192 : blueIn + A;
    return Zel::rgb(std::clamp(red, 0, 255), std::clamp(green, 0, 255), std::clamp(blue, 0, 255));
}

QImage rulerGradientStrip(OLE_COLOR visualColor, int thickness, bool vertical)
{
    if (thickness < 1)
        return QImage();
    const OLE_COLOR base = shadeColor(visualColor, 48, true);
    const double step = 50.0 / thickness;
    QImage strip(vertical ? QSize(thickness, 2) : QSize(2, thickness), QImage::Format_RGB32);
    for (int i = 0; i < thickness; ++i) {
        const QRgb c
            = Zel::toQColor(shadeColor(base, -int(std::lrint(step * (i + 1))), true)).rgb();
        if (vertical) {
            strip.setPixel(i, 0, c);
            strip.setPixel(i, 1, c);
        } else {
            strip.setPixel(0, i, c);
            strip.setPixel(1, i, c);
        }
    }
    return strip;
}

QFont rulerFont(int pointSize)
{
    // Built once per size: resolving a font costs more than a ruler's marks.
    static QHash<int, QFont> fonts;
    auto found = fonts.constFind(pointSize);
    if (found == fonts.constEnd())
        found = fonts.insert(pointSize, StdFont(QStringLiteral("Tahoma"), pointSize).toQFont());
    return *found;
}

QFont rulerTurnedFont(int pointSize)
{
    QFont font = rulerFont(pointSize);
    // The font's height is given in twips and turned into whole pixels.
    font.setPixelSize(std::max(1, int(std::lrint(pointSize * 20.0 / Zel::twipsPerPixelY()))));
    return font;
}

void paintRuler(QPainter& painter, const RulerState& state, const RulerScale& scale)
{
    const QRect outer(QPoint(0, 0), state.size);
    painter.fillRect(outer, state.backColor);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRect inner(QPoint(state.border, state.border), state.innerSize());
    painter.setClipRect(inner);
    painter.translate(inner.topLeft());
    if (!state.background.isNull())
        painter.drawImage(QPoint(0, 0), state.background);

    // Marks are straight lines: filled one-pixel rectangles are the cheapest way.
    auto line = [&](const QLine& l, const QColor& color) {
        const QRect r = QRect(l.p1(), l.p2()).normalized();
        painter.fillRect(r, color);
    };
    for (const QLine& m : scale.marks)
        line(m, state.foreColor);

    painter.setPen(state.foreColor);
    if (scale.vertical) {
        painter.setFont(rulerTurnedFont(scale.fontSize));
        for (const RulerLabel& l : scale.labels)
            Zel::drawRotatedText(painter, l.text, l.at, 90);
    } else {
        painter.setFont(rulerFont(scale.fontSize));
        const int ascent = painter.fontMetrics().ascent();
        for (const RulerLabel& l : scale.labels)
            painter.drawText(l.at + QPoint(0, ascent), l.text);
    }
    if (state.orientation == 0 || state.orientation == 1) {
        line(scale.edgeDark, Qt::black);
        line(scale.edgeLight, state.edgeColor);
    }
    painter.restore();
    if (state.border > 0) {
        painter.setPen(QPen(Zel::toQColor(Zel::WindowFrameColor, Qt::black), state.border));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(outer.adjusted(0, 0, -1, -1));
    }
}

} // namespace zc
