#pragma once

#include <QMetaType>
#include <QObject>
#include <QString>
#include <zonecraft/zonecraft_export.h>

/// The figure kinds, shared by the control (as Zonecraft::DrawFigure and
/// Zonecraft::FigureMode) and the records it hands to its host.
class ZONECRAFT_EXPORT ZonecraftFigureKinds
{
    Q_GADGET

public:
    /// Figure kinds for ImportFigure, FigureConvert and ShapeInformation. Hosts
    /// pass plain numbers; the fixed underlying type keeps an unknown kind a
    /// valid value, which the control then refuses with its error.
    enum DrawFigure : qint32 { zelrectangle = 1, ZELCIRCLE = 2, zelpolygon = 3 };
    Q_ENUM(DrawFigure)
    /// Figure kinds of ShapeFigure.Figure.
    enum FigureMode : qint32 { Nofigure = 0, figrectangle = 1, figcircles = 2, figpolygon = 3 };
    Q_ENUM(FigureMode)
};

/// A figure as it leaves the control with events.
struct ShapeFigure
{
    qint32 X1 = 0; ///< box, rounded to whole picture pixels: left
    qint32 Y1 = 0; ///< top of the box
    qint32 X2 = 0; ///< right of the box
    qint32 y2 = 0; ///< bottom of the box
    QString Key; ///< the host's key of the figure
    qint32 Color = 0; ///< fill colour (OLE_COLOR)
    ZonecraftFigureKinds::FigureMode Figure = ZonecraftFigureKinds::Nofigure; ///< its kind
    bool Locked = false; ///< whether the mouse may not move or resize it
    QString Coordinates; ///< "x1,y1,x2,y2", "cx,cy,r" or "x1,y1,x2,y2,..."
    qint32 Index = 0; ///< the figure's number (ControlIndex)
};

/// A figure's box, coordinates text and kind.
struct ShapeInformation
{
    qint32 X1 = 0; ///< left of the box, in picture pixels
    qint32 Y1 = 0; ///< top of the box
    qint32 X2 = 0; ///< right of the box
    qint32 y2 = 0; ///< bottom of the box
    QString Coordinates; ///< "x1,y1,x2,y2", "cx,cy,r" or "x1,y1,x2,y2,..."
    ZonecraftFigureKinds::DrawFigure FigureType = ZonecraftFigureKinds::zelrectangle; ///< its kind
};

Q_DECLARE_METATYPE(ShapeFigure)
Q_DECLARE_METATYPE(ShapeInformation)
