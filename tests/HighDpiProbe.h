#pragma once

// Probes for the tests that run at a device pixel ratio of 2.

#include <QImage>
#include <QRect>

/// True when some 2 x 2 device-pixel block of \a rect (in logical pixels) is
/// not of one colour: the picture carries detail finer than a logical pixel.
inline bool hasSubLogicalDetail(const QImage& shown, const QRect& rect)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QRgb c = shown.pixel(2 * x, 2 * y);
            if (shown.pixel(2 * x + 1, 2 * y) != c || shown.pixel(2 * x, 2 * y + 1) != c
                || shown.pixel(2 * x + 1, 2 * y + 1) != c)
                return true;
        }
    }
    return false;
}
