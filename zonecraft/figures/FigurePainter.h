#pragma once

#include "Figure.h"
#include "Geometry.h"

#include <QRect>
#include <memory>
#include <vector>

class QPainter;

namespace zc {

/// The control-wide settings one paint pass reads.
struct PaintSettings
{
    double zoom = 1.0; ///< screen pixels per picture pixel
    bool designMode = true; ///< figures are painted only while editing
    bool figuresVisible = true; ///< false paints every figure invisible
    OLE_COLOR borderColor = 0; ///< outline colour of every figure
    qint32 figureSize = 1; ///< outline width in pixels
    bool showHotspot = true; ///< false: outlines and fills are invisible
    qint16 fillStyle = 0; ///< 0 solid, 1 transparent, 2..7 hatches
    bool showHandles = true;
    OLE_COLOR handleColor = 0x00FFFFFF;
    OLE_COLOR handleColorLocked = 0x00FFFFFF;
    /// The 1-pixel frame around every handle, so handles show on a light picture.
    OLE_COLOR handleFrame = 0x00000000;
};

/// Paints figures and the selected figure's handles with given settings.
/// Painting reads the figures and changes none of them.
class FigurePainter
{
public:
    explicit FigurePainter(const PaintSettings& settings);

    const PaintSettings& settings() const { return m_settings; }

    /// Paints \a figures in order, leaving out those wholly outside \a area
    /// (screen pixels). The painter's clip is the caller's.
    void paintFigures(QPainter& painter, const std::vector<std::unique_ptr<Figure>>& figures,
        const QRect& area) const;
    void paintFigures(
        QPainter& painter, const std::vector<Figure*>& figures, const QRect& area) const;
    /// Paints one figure (nothing outside design mode, for a hidden or
    /// erased figure, or with neither outline nor fill).
    void paintFigure(QPainter& painter, const Figure& figure) const;
    /// Paints the handles of the selected \a figure around \a box (its
    /// selection box); nothing when handles are off or outside design mode.
    void paintHandles(QPainter& painter, const Figure& figure, const SelectionBox& box) const;

    /// The screen rectangle painting \a figure can touch, outline included.
    QRect figureReach(const Figure& figure) const;
    /// The screen rectangle the handles of \a figure around \a box cover.
    QRect handlesReach(const Figure& figure, const SelectionBox& box) const;

private:
    bool outsideArea(const Figure& figure, const QRectF& area) const;

    PaintSettings m_settings;
    // What the painter holds already, so a pass over many figures sets pen
    // and brush only when they change.
    struct PainterState
    {
        bool valid = false;
        bool outline = false;
        OLE_COLOR penColor = 0;
        qint16 fill = -1;
        OLE_COLOR brushColor = 0;
    };
    mutable PainterState m_state;
};

} // namespace zc
