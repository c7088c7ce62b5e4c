#include "Zel_AreaScroller.h"

#include "../graphics/cTile.h"

#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <common/EventGuard.h>
#include <common/PropertyBag.h>

namespace {

/// Persistence keys and stored defaults.
const QString OrientationKey = QStringLiteral("Orientation");
const QString StartValueKey = QStringLiteral("StartValue");
const QString BorderStyleKey = QStringLiteral("BorderStyle");
const QString MouseTrackingKey = QStringLiteral("MouseTrackingOn");
const QString ForeColorKey = QStringLiteral("ForeColor");
const QString BackColorKey = QStringLiteral("BackColor");
const QString VisualStyleKey = QStringLiteral("VisualStyle");
const QString VisualColorKey = QStringLiteral("VisualColor"); // marked, never persisted
constexpr OLE_COLOR DefaultForeColor = Zel::ButtonTextColor;
constexpr OLE_COLOR DefaultBackColor = Zel::WindowBackgroundColor;

} // namespace

Zel_AreaScroller::Zel_AreaScroller(QWidget* parent)
    : UserControl(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_scaleModeMenu = new QMenu(this);
    m_scaleModeMenu->setObjectName(QStringLiteral("ScaleModeMenu"));
    const QStringList units { QStringLiteral("Twips"), QStringLiteral("Pixels"),
        QStringLiteral("Milimeters"), QStringLiteral("Inches") };
    for (int i = 0; i < units.size(); ++i) {
        QAction* entry = m_scaleModeMenu->addAction(units.at(i));
        entry->setObjectName(QStringLiteral("mnuScaleMode"));
        entry->setData(i);
    }
}

Zel_AreaScroller::~Zel_AreaScroller() = default;

void Zel_AreaScroller::setOrientation(qint32 New_Orientation)
{
    if (!setIfChanged(m_state.orientation, New_Orientation, OrientationKey))
        return;
    // The shaded background runs across the ruler, which has turned.
    buildBackground();
    update();
}

void Zel_AreaScroller::setStartValue(qint32 New_StartValue)
{
    if (setIfChanged(m_state.startValue, New_StartValue, StartValueKey))
        update();
}

void Zel_AreaScroller::setZoomValue(double New_ZoomValue)
{
    if (m_state.zoom == New_ZoomValue)
        return;
    m_state.zoom = New_ZoomValue;
    update();
}

void Zel_AreaScroller::setVisualStyle(qint32 New_VisualStyle)
{
    // Takes effect at the next Refresh.
    setIfChanged(m_visualStyle, New_VisualStyle, VisualStyleKey);
}

void Zel_AreaScroller::setVisualColor(OLE_COLOR New_VisualColor)
{
    m_visualColor = New_VisualColor;
    PropertyChanged(VisualColorKey);
    Refresh();
}

void Zel_AreaScroller::setMouseTrackingOn(bool New_MouseTrackingOn)
{
    setIfChanged(m_mouseTracking, New_MouseTrackingOn, MouseTrackingKey);
}

void Zel_AreaScroller::setBorderStyle(qint32 New_BorderStyle)
{
    if (!setIfChanged(m_borderStyle, New_BorderStyle, BorderStyleKey))
        return;
    // The shaded background fills the inner surface, which the frame changes.
    buildBackground();
    update();
}

void Zel_AreaScroller::setForeColor(OLE_COLOR New_ForeColor)
{
    if (setIfChanged(m_foreColor, New_ForeColor, ForeColorKey))
        update();
}

void Zel_AreaScroller::setBackColor(OLE_COLOR New_BackColor)
{
    if (setIfChanged(m_backColor, New_BackColor, BackColorKey))
        update();
}

zc::RulerState Zel_AreaScroller::paintState() const
{
    zc::RulerState state = m_state;
    state.size = size();
    state.border = m_borderStyle == 1 ? 1 : 0;
    // Colours are resolved right before drawing, so system colours follow the palette.
    state.foreColor = Zel::toQColor(m_foreColor, Qt::black);
    state.backColor = Zel::toQColor(m_backColor, Qt::white);
    state.edgeColor = Zel::toQColor(Zel::MenuColor, Qt::lightGray);
    return state;
}

void Zel_AreaScroller::buildBackground()
{
    m_state.background = QImage();
    const bool shaded
        = m_visualStyle == st_CoolXP && (m_state.orientation == 0 || m_state.orientation == 1);
    if (!shaded)
        return;
    const QSize inner = paintState().innerSize();
    const bool vertical = m_state.orientation == 1;
    m_strip = zc::rulerGradientStrip(
        m_visualColor, vertical ? inner.width() : inner.height(), vertical);
    if (m_strip.isNull())
        return;
    // The strip is spread over the ruler with a pattern brush: no line is
    // drawn per pixel of the ruler's length.
    cTile pattern;
    pattern.SetPatternFromStdPicture(StdPicture(m_strip));
    QImage background(inner, QImage::Format_RGB32);
    QPainter painter(&background);
    pattern.Tile(painter, 0, 0, inner.width(), inner.height(), true);
    painter.end();
    m_state.background = background;
    m_strip.fill(Qt::white);
}

void Zel_AreaScroller::Refresh()
{
    buildBackground();
    update();
}

void Zel_AreaScroller::DrawLine(
    qint32 X1, qint32 Y1, qint32 X2, qint32 y2, qint32 Color, bool Filled)
{
    if (m_strip.isNull())
        return;
    QPainter painter(&m_strip);
    const QColor color = Zel::toQColor(OLE_COLOR(Color), Qt::black);
    if (Filled) {
        painter.fillRect(QRect(QPoint(X1, Y1), QPoint(X2, y2)).normalized(), color);
        return;
    }
    painter.setPen(color);
    painter.drawLine(X1, Y1, X2, y2);
}

void Zel_AreaScroller::InitProperties()
{
    setOrientation(0);
    setStartValue(0);
    setBorderStyle(0);
    setMouseTrackingOn(false);
    setForeColor(DefaultForeColor);
    setBackColor(DefaultBackColor);
    setVisualStyle(0);
}

void Zel_AreaScroller::ReadProperties(const PropertyBag& bag)
{
    m_state.orientation = bag.readLong(OrientationKey, 0);
    m_state.startValue = bag.readLong(StartValueKey, 0);
    m_borderStyle = bag.readLong(BorderStyleKey, 0);
    m_mouseTracking = bag.readBoolean(MouseTrackingKey, false);
    m_foreColor = bag.readColor(ForeColorKey, DefaultForeColor);
    m_backColor = bag.readColor(BackColorKey, DefaultBackColor);
    m_visualStyle = bag.readLong(VisualStyleKey, 0);
    update();
}

void Zel_AreaScroller::WriteProperties(PropertyBag& bag) const
{
    bag.WriteProperty(OrientationKey, m_state.orientation, qint32(0));
    bag.WriteProperty(StartValueKey, m_state.startValue, qint32(0));
    bag.WriteProperty(BorderStyleKey, m_borderStyle, qint32(0));
    bag.WriteProperty(MouseTrackingKey, m_mouseTracking, false);
    bag.writeColor(ForeColorKey, m_foreColor, DefaultForeColor);
    bag.writeColor(BackColorKey, m_backColor, DefaultBackColor);
    bag.WriteProperty(VisualStyleKey, m_visualStyle, qint32(0));
}

void Zel_AreaScroller::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setClipRegion(event->region());
    const zc::RulerState state = paintState();
    zc::paintRuler(painter, state, zc::layoutRulerScale(state));
}

void Zel_AreaScroller::changeEvent(QEvent* event)
{
    UserControl::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        Refresh();
}

void Zel_AreaScroller::resizeEvent(QResizeEvent* event)
{
    UserControl::resizeEvent(event);
    buildBackground();
    update();
    Zel::guardEvent("Zel_AreaScroller", [this] { Q_EMIT Resize(); });
}
