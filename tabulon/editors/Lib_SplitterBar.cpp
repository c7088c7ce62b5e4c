#include "Lib_SplitterBar.h"

#include <QPainter>
#include <algorithm>
#include <common/MousePointer.h>
#include <common/Units.h>

namespace Tabulon {

/// Draws the half-tone bar over the window while a drag runs. It inverts a
/// checkerboard of the pixels below, as a bar drawn on the screen would.
class SplitterOverlay : public QWidget
{
public:
    explicit SplitterOverlay(QWidget* window)
        : QWidget(window)
    {
        setObjectName(QStringLiteral("SplitterOverlay"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setGeometry(window->rect());
    }

    void setBar(const QRect& bar)
    {
        if (bar == m_bar)
            return;
        update(m_bar);
        m_bar = bar;
        update(m_bar);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (m_bar.isEmpty())
            return;
        QPainter painter(this);
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.fillRect(m_bar, QBrush(Qt::white, Qt::Dense4Pattern));
    }

private:
    QRect m_bar;
};

namespace {

QRect fromEdges(int left, int top, int right, int bottom)
{
    return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

} // namespace

Lib_SplitterBar::Lib_SplitterBar() = default;

Lib_SplitterBar::~Lib_SplitterBar()
{
    delete m_overlay.data();
}

void Lib_SplitterBar::setOrientation(qint32 New_Orientation)
{
    m_orientation = New_Orientation;
    if (m_orientation == Horizontal) {
        m_borders[0] = 0;
        m_borders[1] = 64;
        m_borders[2] = 0;
        m_borders[3] = 64;
    } else {
        m_borders[0] = 64;
        m_borders[1] = 0;
        m_borders[2] = 64;
        m_borders[3] = 0;
    }
    applyPointer();
}

qint32 Lib_SplitterBar::Border(int index) const
{
    return index >= 1 && index <= 4 ? m_borders[index - 1] : 0;
}

void Lib_SplitterBar::setBorder(int index, qint32 size)
{
    if (index >= 1 && index <= 4)
        m_borders[index - 1] = size;
}

qint32 Lib_SplitterBar::SPValues(int index) const
{
    return index >= 1 && index <= 4 ? m_limits[index - 1] : 0;
}

void Lib_SplitterBar::setSPValues(int index, qint32 size)
{
    if (index >= 1 && index <= 4)
        m_limits[index - 1] = size;
}

void Lib_SplitterBar::setSplitObject(QWidget* New_SplitObject)
{
    m_splitObject = New_SplitObject;
    applyPointer();
}

void Lib_SplitterBar::setMouseMovePointer(const StdPicture& New_MouseMovePointer)
{
    m_pointer = New_MouseMovePointer;
    applyPointer();
}

void Lib_SplitterBar::applyPointer()
{
    if (!m_splitObject)
        return;
    if (!m_pointer.isNull())
        m_splitObject->setCursor(Zel::cursorForPointer(Zel::PointerCustom, m_pointer));
    else
        m_splitObject->setCursor(
            m_orientation == Horizontal ? Qt::SizeVerCursor : Qt::SizeHorCursor);
}

QPoint Lib_SplitterBar::clampToArea(int x, int y) const
{
    // The pointer cannot leave the area, as a clipped cursor could not.
    const QRect& a = m_pointerArea;
    const int right = std::max(a.left(), a.left() + a.width() - 1);
    const int bottom = std::max(a.top(), a.top() + a.height() - 1);
    return QPoint(std::clamp(x, a.left(), right), std::clamp(y, a.top(), bottom));
}

QRect Lib_SplitterBar::barFor(QPoint p) const
{
    const int left = m_allowed.left(), top = m_allowed.top();
    const int right = m_allowed.left() + m_allowed.width();
    const int bottom = m_allowed.top() + m_allowed.height();
    if (m_orientation == Horizontal) {
        if (p.y() < top)
            return fromEdges(left, top - 10, right, top + 10);
        return fromEdges(left, p.y() - 4, right, p.y() + 2);
    }
    if (p.x() < left)
        return fromEdges(left + 5, top, left + 10, bottom);
    if (p.x() > right)
        return fromEdges(right + 5, top, right + 10, bottom);
    return fromEdges(p.x() - 1, top, p.x() + 5, bottom);
}

void Lib_SplitterBar::SplitterMouseDown(QWidget* window, int x, int y)
{
    if (!window)
        return;
    m_window = window;
    const QRect client = window->rect();
    int l = client.left(), t = client.top();
    int r = client.left() + client.width(), b = client.top() + client.height();
    if (m_orientation == Horizontal)
        m_pointerArea
            = fromEdges(l + m_borders[0], t + m_borders[1], r - m_borders[2], b - m_borders[3]);
    else
        m_pointerArea = fromEdges(l + m_borders[0] + 10, t, r - m_borders[2], b);

    // The bar's area: the client rectangle, narrowed by the optional limits.
    if (m_orientation != Horizontal)
        l += m_borders[0];
    if (m_orientation == Horizontal) {
        if (m_limits[0] > 0)
            l += Zel::twipsToPixelsX(m_limits[0]);
        if (m_limits[2] > 0)
            r = Zel::twipsToPixelsX(m_limits[2]);
    } else {
        if (m_limits[1] > 0)
            t += Zel::twipsToPixelsY(m_limits[1]);
        if (m_limits[3] > 0)
            b -= Zel::twipsToPixelsY(m_limits[3]);
    }
    m_allowed = fromEdges(l, t, r, b);

    if (!m_overlay)
        m_overlay = new SplitterOverlay(window);
    m_overlay->setGeometry(window->rect());
    m_overlay->raise();
    m_overlay->show();
    m_dragging = true;
    m_bar = QRect();
    SplitterContainer_MouseMove(x, y);
}

void Lib_SplitterBar::SplitterContainer_MouseMove(int x, int y)
{
    if (!m_dragging)
        return;
    m_pointerPos = clampToArea(x, y);
    m_bar = barFor(m_pointerPos);
    if (m_overlay)
        m_overlay->setBar(m_bar);
}

bool Lib_SplitterBar::SplitterContainer_MouseUp(int x, int y)
{
    if (!m_dragging)
        return false;
    m_dragging = false;
    m_pointerPos = clampToArea(x, y);
    m_bar = QRect();
    if (m_overlay) {
        m_overlay->setBar(QRect());
        m_overlay->hide();
    }
    if (m_splitObject) {
        if (m_orientation == Horizontal)
            m_splitObject->move(m_splitObject->x(), m_pointerPos.y() - 4);
        else
            m_splitObject->move(m_pointerPos.x(), m_splitObject->y());
        if (QWidget* container = m_splitObject->parentWidget())
            container->update();
    }
    return true;
}

} // namespace Tabulon
