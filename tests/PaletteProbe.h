#pragma once

// Probes for the controls under a dark palette: a palette of the kind a dark
// desktop theme gives, and a measure of how well text stands out.

#include <QColor>
#include <QHash>
#include <QImage>
#include <QPalette>
#include <QRect>
#include <cstdlib>

/// A dark palette: dark bases and faces, light text.
inline QPalette darkPalette()
{
    QPalette p;
    const QColor window(53, 53, 53);
    const QColor text(235, 235, 235);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, QColor(30, 30, 30));
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::Light, QColor(90, 90, 90));
    p.setColor(QPalette::Midlight, QColor(70, 70, 70));
    p.setColor(QPalette::Dark, QColor(120, 120, 120));
    p.setColor(QPalette::Mid, QColor(100, 100, 100));
    p.setColor(QPalette::Shadow, QColor(10, 10, 10));
    p.setColor(QPalette::ToolTipBase, QColor(40, 40, 48));
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::black);
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(128, 128, 128));
    return p;
}

namespace PaletteProbe {

/// How often each colour (alpha dropped) occurs in \a rect of \a image.
inline QHash<QRgb, int> colourCounts(const QImage& image, const QRect& rect)
{
    const QRect r = rect & image.rect();
    QHash<QRgb, int> counts;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ++counts[image.pixel(x, y) & 0xFFFFFF];
    return counts;
}

inline QRgb commonest(const QHash<QRgb, int>& counts)
{
    QRgb background = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            background = it.key();
        }
    }
    return background;
}

} // namespace PaletteProbe

/// The background of \a rect in \a image: its commonest colour.
inline QRgb backgroundIn(const QImage& image, const QRect& rect)
{
    return PaletteProbe::commonest(PaletteProbe::colourCounts(image, rect));
}

/// How far the pixels of \a rect in \a image stand out from its background
/// (the commonest colour there): the largest grey-level difference, 0..255.
/// Text that reads has a high figure; text in about the background's shade,
/// or no text at all, a low one.
inline int contrastIn(const QImage& image, const QRect& rect)
{
    const QHash<QRgb, int> counts = PaletteProbe::colourCounts(image, rect);
    const QRgb background = PaletteProbe::commonest(counts);
    int best = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, std::abs(qGray(it.key()) - qGray(background)));
    return best;
}

/// The contrast below which text is taken as unreadable.
constexpr int LegibleContrast = 80;
