#pragma once

#include <QSize>
#include <QString>

class ZelPropList;
struct ShapeFigure;

/// Fills the studio's property list: a group for the picture, one for the
/// map and one for the selected hotspot.
class HotspotProperties
{
public:
    /// Rebuilds every group.
    static void fill(ZelPropList& list, const QString& pictureName, QSize pictureSize);
    /// Shows \a figure in the hotspot group.
    static void showFigure(ZelPropList& list, const ShapeFigure& figure);
    /// Empties the hotspot group.
    static void showNoFigure(ZelPropList& list);
    /// Shows how many hotspots the map holds.
    static void showFigureCount(ZelPropList& list, qint32 count);
};
