#include "LineControl.h"

#include <QPainter>
#include <algorithm>

LineControl::LineControl(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setEnds(QPoint(), QPoint());
}

void LineControl::setBorderColor(OLE_COLOR New_BorderColor)
{
    if (m_color == New_BorderColor)
        return;
    m_color = New_BorderColor;
    update();
}

void LineControl::setEnds(QPoint from, QPoint to)
{
    m_from = from;
    m_to = to;
    // The widget covers the line's pixels and nothing else; a line of no
    // length draws nothing.
    const QRect box = QRect(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
        QPoint(std::max(from.x(), to.x()), std::max(from.y(), to.y())));
    setGeometry(from == to ? QRect(from, QSize(0, 0)) : box);
    lower();
    update();
}

void LineControl::paintEvent(QPaintEvent*)
{
    if (m_from == m_to)
        return;
    QPainter p(this);
    p.setPen(Zel::toQColor(m_color, Qt::black));
    const QPoint at = geometry().topLeft();
    const QPoint from = m_from - at;
    const QPoint to = m_to - at;
    // The last pixel is left out: step back one pixel along the longer axis.
    const QPoint d = to - from;
    const int steps = std::max(std::abs(d.x()), std::abs(d.y()));
    if (steps == 1) {
        p.drawPoint(from);
        return;
    }
    const QPointF last = QPointF(from) + QPointF(d) * (double(steps - 1) / double(steps));
    p.drawLine(QLineF(from, last));
}
