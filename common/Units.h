#pragma once

#include <QtGlobal>
#include <common/zelcommon_export.h>

namespace Zel {

/// \name Twips per pixel
///@{

/// Screen twips per pixel: 1440 / logical DPI (15 at 96 DPI).
ZELCOMMON_EXPORT float twipsPerPixelX();
ZELCOMMON_EXPORT float twipsPerPixelY();
///@}

/// \name Twips and pixels
///@{

/// Twips to whole pixels (rounded) and back.
ZELCOMMON_EXPORT int twipsToPixelsX(double twips);
ZELCOMMON_EXPORT int twipsToPixelsY(double twips);
ZELCOMMON_EXPORT double pixelsToTwipsX(int pixels);
ZELCOMMON_EXPORT double pixelsToTwipsY(int pixels);
///@}

/// Sets up once per process the substitution of the classic UI fonts
/// ("Tahoma", "Verdana", "MS Sans Serif", "Marlett" ...) by DejaVu Sans.
ZELCOMMON_EXPORT void installFontSubstitutions();

} // namespace Zel
