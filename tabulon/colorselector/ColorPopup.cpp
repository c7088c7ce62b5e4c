#include "ColorPopup.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <climits>
#include <common/Drawing.h>
#include <cstdlib>

namespace Tabulon {

namespace {

QColor color(OLE_COLOR value)
{
    return Zel::toQColor(value, Qt::white);
}

} // namespace

ColorPopup::ColorPopup(QWidget* owner)
    : QWidget(owner, Qt::Popup | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("picPopup"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
}

void ColorPopup::setCellLayout(const ColorPopupLayout& layout)
{
    m_layout = layout;
    m_hovered = -1;
    m_pressed = -1;
    setFixedSize(m_layout.popupSize());
    update();
}

void ColorPopup::setContent(const ColorPopupContent& content)
{
    m_content = content;
    update();
}

// --- painting --------------------------------------------------------------

void ColorPopup::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), color(Zel::ButtonFaceColor));
    QRect frame = rect();
    Zel::DrawEdge(painter, frame, Zel::EDGE_RAISED, Zel::BF_RECT);
    painter.setFont(m_content.font);
    for (int cell = 1; cell <= CellCount; ++cell) {
        if (m_layout.isShown(cell))
            paintCell(painter, cell);
    }
    if (m_layout.isShown(FirstCustomCell))
        paintSeparator(painter, m_layout.cellRect(FirstCustomCell).top() - 3);
}

void ColorPopup::paintSeparator(QPainter& painter, int y) const
{
    painter.setPen(color(Zel::ButtonShadowColor));
    painter.drawLine(ColorPopupLayout::Left, y, ColorPopupLayout::Width - 1, y);
    painter.setPen(color(Zel::ButtonHighlightColor));
    painter.drawLine(ColorPopupLayout::Left, y + 1, ColorPopupLayout::Width - 1, y + 1);
}

void ColorPopup::paintCell(QPainter& painter, int cell) const
{
    const QRect box = m_layout.cellRect(cell);
    const QColor frameColor = color(Zel::GrayTextColor);
    const bool pressed = cell == m_pressed;
    painter.setBrush(Qt::NoBrush);
    if (cell == TransparentCell) {
        painter.setPen(frameColor);
        painter.drawRect(box.adjusted(3, 3, -4, -4));
        const QRect swatch(box.left() + 5, box.top() + 5, 12, 12);
        painter.fillRect(swatch, QBrush(color(Zel::WindowTextColor), Qt::DiagCrossPattern));
        painter.drawRect(swatch.adjusted(0, 0, -1, -1));
        QRect text(
            QPoint(box.left() + 17, box.top() + 3), QPoint(box.right() - 2, box.bottom() - 3));
        painter.setPen(color(Zel::ButtonTextColor));
        Zel::DrawText(painter, m_content.textTransparent, text,
            Zel::DT_SINGLELINE | Zel::DT_VCENTER | Zel::DT_CENTER | Zel::DT_NOPREFIX);
        paintSeparator(painter, box.bottom() + 2);
    } else if (cell <= LastCustomCell) {
        OLE_COLOR fill = 0xFFFFFF;
        if (cell <= LastPaletteCell)
            fill = paletteColor(cell, m_content.systemColors);
        else if (cell - FirstCustomCell < m_content.customColors.size())
            fill = m_content.customColors.at(cell - FirstCustomCell);
        const QRect swatch = box.adjusted(2, 2, -2, -2);
        painter.fillRect(swatch, color(fill));
        painter.setPen(frameColor);
        painter.drawRect(swatch.adjusted(0, 0, -1, -1));
    } else {
        paintSeparator(painter, box.top() - 3);
        const QString caption = cell == NormalButtonCell ? m_content.textNormal
            : cell == SystemButtonCell                   ? m_content.textSystem
                                                         : m_content.textMoreColor;
        QRect text = pressed ? box.translated(1, 1) : box;
        painter.setPen(color(Zel::ButtonTextColor));
        Zel::DrawText(painter, caption, text,
            Zel::DT_SINGLELINE | Zel::DT_VCENTER | Zel::DT_CENTER | Zel::DT_NOPREFIX);
    }
    QRect edge = box;
    if (pressed)
        Zel::DrawEdge(painter, edge, Zel::BDR_SUNKENOUTER, Zel::BF_RECT);
    else if (cell == m_hovered)
        Zel::DrawEdge(painter, edge, Zel::BDR_RAISEDINNER, Zel::BF_RECT);
}

// --- mouse -----------------------------------------------------------------

void ColorPopup::setHovered(int cell)
{
    if (m_hovered == cell)
        return;
    update(m_layout.cellRect(m_hovered));
    m_hovered = cell;
    update(m_layout.cellRect(m_hovered));
}

void ColorPopup::mouseMoveEvent(QMouseEvent* event)
{
    if (m_pressed < 0)
        setHovered(m_layout.cellAt(event->position().toPoint()));
    event->accept();
}

void ColorPopup::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        // A press without a move before it (a touch, a synthetic click) still
        // lands on the cell under it.
        setHovered(m_layout.cellAt(event->position().toPoint()));
        m_pressed = m_hovered;
        update(m_layout.cellRect(m_pressed));
    }
    event->accept();
}

void ColorPopup::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || m_pressed < 0) {
        event->accept();
        return;
    }
    const QPoint at = event->position().toPoint();
    const int pressed = m_pressed;
    m_pressed = -1;
    update(m_layout.cellRect(pressed));
    const bool inside = m_layout.cellRect(pressed).contains(at);
    m_hovered = -1;
    event->accept();
    if (inside)
        Q_EMIT cellClicked(pressed);
    else if (!rect().contains(at))
        Q_EMIT releasedOutside(pressed);
    else
        setHovered(m_layout.cellAt(at));
}

int ColorPopup::neighbour(int cell, int key) const
{
    if (!m_layout.isShown(cell))
        return FirstPaletteCell;
    const QPoint from = m_layout.cellRect(cell).center();
    int best = cell;
    int bestCost = INT_MAX;
    for (int other = 1; other <= CellCount; ++other) {
        if (other == cell || !m_layout.isShown(other))
            continue;
        const QPoint to = m_layout.cellRect(other).center();
        const int dx = to.x() - from.x();
        const int dy = to.y() - from.y();
        // Distance along the key's direction, and across it.
        int along = 0;
        int across = 0;
        switch (key) {
        case Qt::Key_Left:
            along = -dx;
            across = std::abs(dy);
            break;
        case Qt::Key_Right:
            along = dx;
            across = std::abs(dy);
            break;
        case Qt::Key_Up:
            along = -dy;
            across = std::abs(dx);
            break;
        default:
            along = dy;
            across = std::abs(dx);
            break;
        }
        if (along <= 0)
            continue;
        // A cell in line with this one (sharing its row or column band, wide
        // buttons included) goes straight; one off to the side costs its
        // sideways distance three times over.
        const bool vertical = key == Qt::Key_Up || key == Qt::Key_Down;
        const QRect target = m_layout.cellRect(other);
        const bool inLine = vertical ? from.x() >= target.left() && from.x() <= target.right()
                                     : from.y() >= target.top() && from.y() <= target.bottom();
        const int cost = along + (inLine ? 0 : 3 * across);
        if (cost < bestCost) {
            bestCost = cost;
            best = other;
        }
    }
    return best;
}

void ColorPopup::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        setHovered(m_hovered < 0 ? FirstPaletteCell : neighbour(m_hovered, event->key()));
        event->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        event->accept();
        if (m_hovered > 0 && m_pressed < 0)
            Q_EMIT cellClicked(m_hovered);
        return;
    default:
        // Escape closes the popup.
        QWidget::keyPressEvent(event);
    }
}

void ColorPopup::hideEvent(QHideEvent* event)
{
    m_hovered = -1;
    m_pressed = -1;
    QWidget::hideEvent(event);
}

} // namespace Tabulon
