#pragma once

// The figures the image-map benchmarks work on: a third each of rectangles,
// circles and polygons of 5 to 12 vertices, 16 to 160 pixels across, over a
// 4000 x 3000 picture.

#include <QRandomGenerator>
#include <QString>
#include <cmath>

namespace zcbench {

constexpr int PictureWidth = 4000;
constexpr int PictureHeight = 3000;

/// A separated area list of \a count figures.
inline QString areaList(int count)
{
    QRandomGenerator rng(2024);
    QString text;
    text.reserve(qsizetype(count) * 60);
    for (int i = 0; i < count; ++i) {
        const int size = 16 + int(rng.bounded(145));
        const int x = int(rng.bounded(PictureWidth - size));
        const int y = int(rng.bounded(PictureHeight - size));
        QString coords;
        QString kind;
        switch (i % 3) {
        case 0:
            coords
                = QStringLiteral("%1,%2,%3,%4").arg(x).arg(y).arg(x + size).arg(y + size * 2 / 3);
            kind = QStringLiteral("Rectangle");
            break;
        case 1:
            coords = QStringLiteral("%1,%2,%3").arg(x + size / 2).arg(y + size / 2).arg(size / 2);
            kind = QStringLiteral("Circle");
            break;
        default: {
            const int n = 5 + int(rng.bounded(8));
            const double r = size / 2.0;
            for (int k = 0; k < n; ++k) {
                const double a = 2 * M_PI * k / n;
                const double rr = r * (0.6 + 0.4 * rng.generateDouble());
                if (k > 0)
                    coords += QLatin1Char(',');
                coords += QString::number(int(x + r + rr * std::cos(a))) + QLatin1Char(',')
                    + QString::number(int(y + r + rr * std::sin(a)));
            }
            kind = QStringLiteral("Polygon");
            break;
        }
        }
        text += coords + QLatin1Char('|') + kind + QLatin1Char('|') + QString::number(i)
            + QStringLiteral("|&H%1|False\r\n")
                  .arg(rng.bounded(0x1000000), 6, 16, QLatin1Char('0'));
    }
    return text;
}

} // namespace zcbench
