#include "Units.h"

#include <QFont>
#include <QGuiApplication>
#include <QScreen>
#include <cmath>
#include <limits>
#include <mutex>

namespace Zel {

namespace {

constexpr double TwipsPerInch = 1440;
/// The factor of a 96 DPI screen, used when there is no screen to ask.
constexpr float DefaultTwipsPerPixel = 15;

float twipsPerPixel(Qt::Orientation orientation)
{
    const QScreen* screen = qGuiApp ? QGuiApplication::primaryScreen() : nullptr;
    if (!screen)
        return DefaultTwipsPerPixel;
    const qreal dpi = orientation == Qt::Horizontal ? screen->logicalDotsPerInchX()
                                                    : screen->logicalDotsPerInchY();
    return dpi > 0 ? float(TwipsPerInch / dpi) : DefaultTwipsPerPixel;
}

int roundedPixels(double twips, float factor)
{
    const double pixels = std::round(twips / factor);
    if (!(pixels > double(std::numeric_limits<int>::min())))
        return std::numeric_limits<int>::min(); // also NaN
    if (pixels > double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return int(pixels);
}

} // namespace

float twipsPerPixelX()
{
    return twipsPerPixel(Qt::Horizontal);
}

float twipsPerPixelY()
{
    return twipsPerPixel(Qt::Vertical);
}

int twipsToPixelsX(double twips)
{
    return roundedPixels(twips, twipsPerPixelX());
}

int twipsToPixelsY(double twips)
{
    return roundedPixels(twips, twipsPerPixelY());
}

double pixelsToTwipsX(int pixels)
{
    return pixels * double(twipsPerPixelX());
}

double pixelsToTwipsY(int pixels)
{
    return pixels * double(twipsPerPixelY());
}

void installFontSubstitutions()
{
    static std::once_flag once;
    std::call_once(once, [] {
        const QString sans = QStringLiteral("DejaVu Sans");
        for (const char* name :
            { "Tahoma", "Verdana", "MS Sans Serif", "Microsoft Sans Serif", "Arial", "Marlett" })
            QFont::insertSubstitution(QString::fromLatin1(name), sans);
        QFont::insertSubstitution(
            QStringLiteral("Courier New"), QStringLiteral("DejaVu Sans Mono"));
    });
}

} // namespace Zel
