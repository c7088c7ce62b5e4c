#pragma once

#include <QBrush>
#include <QtGlobal>
#include <common/OleColor.h>
#include <common/StdPicture.h>
#include <optional>

class QPainter;

/// Owns one pattern brush (a bitmap tile, a hatch or a solid colour) and
/// fills rectangles of any painter with it. Setting a new pattern,
/// DestroyPattern and destruction each release the previous brush once.
class cTile
{
public:
    /// Hatch styles of SetPatternFromHatchBrush.
    enum HatchStyle : qint32 {
        HS_HORIZONTAL = 0,
        HS_VERTICAL = 1,
        HS_FDIAGONAL = 2,
        HS_BDIAGONAL = 3,
        HS_CROSS = 4,
        HS_DIAGCROSS = 5,
    };

    cTile();
    ~cTile();

    /// Takes a bitmap picture as the pattern; icons and empty pictures are
    /// refused and keep the current pattern. True when a pattern exists afterwards.
    bool SetPatternFromStdPicture(const StdPicture& Image);
    /// Replaces the pattern by a hatch of \a BrushStyle (HatchStyle) in \a Color.
    /// True when the brush was created; an unknown style or colour leaves no pattern.
    bool SetPatternFromHatchBrush(qint32 BrushStyle, OLE_COLOR Color);
    /// Replaces the pattern by a solid \a Color. True when the brush was created.
    bool SetPatternFromSolidColor(OLE_COLOR Color);

    /// Fills (X, Y, Width, Height) with the pattern, which starts at (X, Y)
    /// when \a ResetBrushOrigin is true and at the device origin otherwise.
    /// Does nothing without a pattern. The painter's brush origin is left changed.
    void Tile(QPainter& hdc, qint32 X, qint32 Y, qint32 Width, qint32 Height,
        bool ResetBrushOrigin = false) const;
    /// Releases the brush, if there is one.
    void DestroyPattern();

    /// True while a pattern brush is held.
    bool hasPattern() const { return m_brush.has_value(); }
    /// The brush held, for inspection; Qt::NoBrush without a pattern.
    QBrush brush() const { return m_brush.value_or(QBrush()); }

    /// Brushes created and released by every cTile of the process (leak checks).
    static qint64 brushesCreated();
    static qint64 brushesReleased();

private:
    void setBrush(const QBrush& brush);

    std::optional<QBrush> m_brush;
    Q_DISABLE_COPY(cTile)
};
