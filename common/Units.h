#pragma once

#include <QtGlobal>

namespace Zel {

/// \name Twips per pixel
///@{

/// Screen twips per pixel: 1440 / logical DPI (15 at 96 DPI).
float twipsPerPixelX();
float twipsPerPixelY();
///@}

/// \name Twips and pixels
///@{

/// Twips to whole pixels (rounded) and back.
int twipsToPixelsX(double twips);
int twipsToPixelsY(double twips);
double pixelsToTwipsX(int pixels);
double pixelsToTwipsY(int pixels);
///@}

/// Sets up once per process the substitution of the classic UI fonts
/// ("Tahoma", "Verdana", "MS Sans Serif", "Marlett" ...) by DejaVu Sans.
void installFontSubstitutions();

} // namespace Zel
