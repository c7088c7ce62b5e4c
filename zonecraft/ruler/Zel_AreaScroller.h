#pragma once

#include "RulerScale.h"

#include <QImage>
#include <common/OleColor.h>
#include <common/UserControl.h>

class QMenu;

/// A measuring scale along one edge of the image-map work area, in picture
/// coordinates: its marks follow the zoom factor of the work picture
/// (ZoomValue) and its numbers start at the picture coordinate scrolled to
/// the ruler's origin (StartValue). Two looks: a flat back colour
/// (st_Standard) and a gradient shaded from VisualColor (st_CoolXP), built
/// in a 2-pixel strip and tiled over the ruler.
///
/// Not built: the scale-mode menu (ScaleModeMenu) has its entries but is
/// never shown and its entries do nothing; MouseTrackingOn is only stored;
/// HooverValue is declared and never raised.
class Zel_AreaScroller : public UserControl
{
    Q_OBJECT
    /// 0 horizontal (numbers along the top), 1 vertical (numbers turned to read
    /// upwards); other values draw no scale.
    Q_PROPERTY(qint32 Orientation READ Orientation WRITE setOrientation)
    /// Picture coordinate at the ruler's origin, added to every number.
    Q_PROPERTY(qint32 StartValue READ StartValue WRITE setStartValue)
    /// Zoom factor of the work picture (1 is 100 %); 0.2 is the smallest zoom.
    Q_PROPERTY(double ZoomValue READ ZoomValue WRITE setZoomValue)
    /// Size of the work area; stored only.
    Q_PROPERTY(qint32 AreaWidth READ AreaWidth WRITE setAreaWidth)
    Q_PROPERTY(qint32 AreaHeight READ AreaHeight WRITE setAreaHeight)
    /// 1 st_Standard (flat), 2 st_CoolXP (shaded); takes effect at the next Refresh.
    Q_PROPERTY(qint32 VisualStyle READ VisualStyle WRITE setVisualStyle)
    /// Base colour of the shaded look.
    Q_PROPERTY(OLE_COLOR VisualColor READ VisualColor WRITE setVisualColor)
    /// Stored only.
    Q_PROPERTY(bool MouseTrackingOn READ MouseTrackingOn WRITE setMouseTrackingOn)
    /// 0 none, 1 a one-pixel frame around the ruler.
    Q_PROPERTY(qint32 BorderStyle READ BorderStyle WRITE setBorderStyle)
    /// Colour of the marks and numbers.
    Q_PROPERTY(OLE_COLOR ForeColor READ ForeColor WRITE setForeColor)
    /// Colour under the scale in the flat look.
    Q_PROPERTY(OLE_COLOR BackColor READ BackColor WRITE setBackColor)

public:
    enum Zel_Style { st_Standard = 1, st_CoolXP = 2 };
    Q_ENUM(Zel_Style)

    explicit Zel_AreaScroller(QWidget* parent = nullptr);
    ~Zel_AreaScroller() override;

    qint32 Orientation() const { return m_state.orientation; }
    void setOrientation(qint32 New_Orientation);
    qint32 StartValue() const { return m_state.startValue; }
    void setStartValue(qint32 New_StartValue);
    double ZoomValue() const { return m_state.zoom; }
    void setZoomValue(double New_ZoomValue);
    qint32 AreaWidth() const { return m_areaWidth; }
    void setAreaWidth(qint32 New_AreaWidth) { m_areaWidth = New_AreaWidth; }
    qint32 AreaHeight() const { return m_areaHeight; }
    void setAreaHeight(qint32 New_AreaHeight) { m_areaHeight = New_AreaHeight; }
    qint32 VisualStyle() const { return m_visualStyle; }
    void setVisualStyle(qint32 New_VisualStyle);
    OLE_COLOR VisualColor() const { return m_visualColor; }
    void setVisualColor(OLE_COLOR New_VisualColor);
    bool MouseTrackingOn() const { return m_mouseTracking; }
    void setMouseTrackingOn(bool New_MouseTrackingOn);
    qint32 BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(qint32 New_BorderStyle);
    OLE_COLOR ForeColor() const { return m_foreColor; }
    void setForeColor(OLE_COLOR New_ForeColor);
    OLE_COLOR BackColor() const { return m_backColor; }
    void setBackColor(OLE_COLOR New_BackColor);

    /// Rebuilds the background (the shaded look, or the flat back colour)
    /// and redraws the scale.
    Q_INVOKABLE void Refresh();
    /// Draws on the gradient strip: a filled box from (X1, Y1) to (X2, y2)
    /// when \a Filled, else a line, in \a Color. The strip is cleared again
    /// once the next Refresh has spread it.
    Q_INVOKABLE void DrawLine(
        qint32 X1, qint32 Y1, qint32 X2, qint32 y2, qint32 Color, bool Filled = false);
    /// Changes colour \a K by \a A levels (negative darkens); with \a Scaled
    /// blue changes in proportion to its own value.
    static OLE_COLOR Shade(OLE_COLOR K, qint32 A, bool Scaled)
    {
        return zc::shadeColor(K, A, Scaled);
    }

    /// The scale as it is drawn now, in inner-surface pixels.
    zc::RulerScale scale() const { return zc::layoutRulerScale(paintState()); }
    /// What a paint reads.
    zc::RulerState paintState() const;
    /// The unused unit menu ("Twips", "Pixels", "Milimeters", "Inches").
    QMenu* ScaleModeMenu() const { return m_scaleModeMenu; }

    void InitProperties() override;
    void ReadProperties(const PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) const override;

Q_SIGNALS:
    /// Declared for hosts; never raised.
    void HooverValue(qint32 Value);
    /// The ruler was resized; background and scale are already redrawn.
    void Resize();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    /// A new palette rebuilds the shaded background, which may be of a system colour.
    void changeEvent(QEvent* event) override;

private:
    void buildBackground();

    zc::RulerState m_state;
    qint32 m_areaWidth = 0;
    qint32 m_areaHeight = 0;
    qint32 m_visualStyle = 0;
    OLE_COLOR m_visualColor = 0;
    bool m_mouseTracking = false;
    qint32 m_borderStyle = 0;
    OLE_COLOR m_foreColor = Zel::ButtonTextColor;
    OLE_COLOR m_backColor = Zel::WindowBackgroundColor;
    QImage m_strip; // the gradient strip ("Picture1")
    QMenu* m_scaleModeMenu = nullptr;
    Q_DISABLE_COPY(Zel_AreaScroller)
};
