#pragma once

#include <QWidget>

class ZelPropListPrivate;

namespace Tabulon {

/// The list surface (iUC): paints the visible rows from the control's state
/// and hands its mouse input to the control.
class PropListSurface : public QWidget
{
public:
    PropListSurface(ZelPropListPrivate* d, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    ZelPropListPrivate* const d;
};

} // namespace Tabulon
