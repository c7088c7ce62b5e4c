#include "EditorControl.h"

#include <QEvent>
#include <QPainter>
#include <common/Drawing.h>
#include <common/OleColor.h>

namespace Tabulon {

namespace {

/// Width of the sunken three-dimensional edge.
constexpr int FrameWidth = 2;

} // namespace

EditorControl::EditorControl(QWidget* parent)
    : UserControl(parent)
{
    m_font = AmbientFont();
    applyBorder();
}

EditorControl::~EditorControl() = default;

bool EditorControl::Enabled() const
{
    return !testAttribute(Qt::WA_ForceDisabled);
}

void EditorControl::setEnabled(bool New_Enabled)
{
    if (Enabled() == New_Enabled)
        return;
    QWidget::setEnabled(New_Enabled);
    PropertyChanged(QStringLiteral("Enabled"));
    Q_EMIT EnabledChanged(New_Enabled);
}

qint16 EditorControl::BorderApperance() const
{
    return m_borderApperance;
}

void EditorControl::setBorderApperance(qint16 New_BorderApperance)
{
    if (!setIfChanged(m_borderApperance, New_BorderApperance, QStringLiteral("BorderApperance")))
        return;
    applyBorder();
    Q_EMIT BorderApperanceChanged(m_borderApperance);
}

StdFont EditorControl::Font() const
{
    return m_font;
}

void EditorControl::setFont(const StdFont& New_Font)
{
    // The same object again re-reads a font the host edited in place.
    const bool sameObject = m_font.isSameObject(New_Font);
    m_font = New_Font;
    if (!sameObject)
        PropertyChanged(QStringLiteral("Font"));
    applyFont(m_font.toQFont());
    layoutChildren();
    if (!sameObject)
        Q_EMIT FontChanged(m_font);
}

QRect EditorControl::rightButtonRect() const
{
    const QRect client = clientRect();
    return QRect(client.right() + 1 - ButtonWidth, client.top(), ButtonWidth, client.height());
}

void EditorControl::paintFrame(QPainter& painter, const QColor& background) const
{
    painter.fillRect(rect(), background);
    if (m_borderApperance == 1) {
        QRect edge = rect();
        Zel::DrawEdge(painter, edge, Zel::EDGE_SUNKEN, Zel::BF_RECT);
    }
}

void EditorControl::setBackgroundColor(OLE_COLOR color)
{
    m_background = color;
    applyBackground();
}

void EditorControl::applyBackground()
{
    if (!m_background)
        return;
    const QColor back = Zel::toQColor(*m_background, Qt::black);
    QPalette p = palette();
    p.setColor(QPalette::Base, back);
    p.setColor(QPalette::Window, back);
    setPalette(p);
    update();
}

void EditorControl::paintButton(
    QPainter& painter, const QRect& rect, bool pressed, Glyph glyph, const QFont& font)
{
    painter.fillRect(rect, Zel::toQColor(Zel::ButtonFaceColor, Qt::lightGray));
    QRect edge = rect;
    if (pressed)
        Zel::DrawEdge(painter, edge, Zel::EDGE_SUNKEN, Zel::BF_RECT | Zel::BF_FLAT);
    else
        Zel::DrawEdge(painter, edge, Zel::EDGE_RAISED, Zel::BF_RECT);
    const QRect face = rect.translated(pressed ? QPoint(1, 0) : QPoint(0, -1));
    const QColor text = Zel::toQColor(Zel::ButtonTextColor, Qt::black);
    switch (glyph) {
    case Glyph::UpArrow:
        Zel::drawArrow(painter, face, Zel::Arrow::Up, text);
        break;
    case Glyph::DownArrow:
        Zel::drawArrow(painter, face, Zel::Arrow::Down, text);
        break;
    case Glyph::Ellipsis:
        painter.setFont(font);
        painter.setPen(text);
        painter.drawText(face, Qt::AlignCenter, QStringLiteral("..."));
        break;
    }
}

EditorControl::CommonValues EditorControl::readCommon(const PropertyBag& bag) const
{
    CommonValues values;
    values.enabled = bag.readBoolean(QStringLiteral("Enabled"), true);
    values.borderApperance = bag.readInteger(QStringLiteral("BorderApperance"), 1);
    values.font = bag.readFont(QStringLiteral("Font"), AmbientFont());
    return values;
}

void EditorControl::applyCommon(const CommonValues& values)
{
    QWidget::setEnabled(values.enabled);
    m_borderApperance = values.borderApperance;
    applyBorder();
    m_font = values.font;
    applyFont(m_font.toQFont());
    layoutChildren();
}

void EditorControl::writeCommon(PropertyBag& bag) const
{
    bag.WriteProperty(QStringLiteral("Enabled"), Enabled(), true);
    bag.WriteProperty(QStringLiteral("BorderApperance"), m_borderApperance, qint16(1));
    bag.WriteProperty(
        QStringLiteral("Font"), QVariant::fromValue(m_font), QVariant::fromValue(AmbientFont()));
}

void EditorControl::resizeEvent(QResizeEvent* event)
{
    UserControl::resizeEvent(event);
    layoutChildren();
}

void EditorControl::changeEvent(QEvent* event)
{
    UserControl::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        update();
    else if (event->type() == QEvent::PaletteChange)
        applyBackground(); // setting the same colours again changes nothing, so this ends
}

void EditorControl::applyBorder()
{
    const int margin = m_borderApperance == 1 ? FrameWidth : 0;
    setContentsMargins(margin, margin, margin, margin);
    layoutChildren();
    update();
}

} // namespace Tabulon
