#pragma once

#include "../figures/FigureCollection.h"

#include <QString>

namespace zc {

/// Writes figures as area text.
namespace AreaCodeWriter {

/// One HTML area tag per figure ("<Area Shape=RECT COORDS=...>\r\n").
QString clientSide(const FigureCollection& figures);
/// One "coordinates<sep>Kind<sep>number\r\n" line per figure.
QString separated(const FigureCollection& figures, const QString& separator);

/// The exported coordinates: rectangle box unrounded, circle and polygon rounded.
void appendExportCoordinates(QString& out, const Figure& figure);
/// Coordinates with nothing rounded (the single-figure reader).
QString unroundedCoordinates(const Figure& figure);
/// "Rectangle", "Circle", "Polygon", "Nothing" (kind 0) or "".
QString kindName(qint32 classFigure);
/// The box X1,Y1,X2,y2 unrounded.
QString boxText(const Figure& figure);

} // namespace AreaCodeWriter

} // namespace zc
