#pragma once

#include "OleColor.h"

#include <QWidget>
#include <common/zelcommon_export.h>

/// The host's line control: a one-pixel line from (X1, Y1) to (X2, Y2) in
/// its container's pixels, in BorderColor. As with the platform's line
/// drawing, the end point itself is not drawn, so two lines that meet at a
/// corner share no pixel. It takes no mouse input and sits below its
/// container's other children.
class ZELCOMMON_EXPORT LineControl : public QWidget
{
    Q_OBJECT
    /// The start point's x, in the container's pixels.
    Q_PROPERTY(qint32 X1 READ X1 WRITE setX1)
    /// The start point's y.
    Q_PROPERTY(qint32 Y1 READ Y1 WRITE setY1)
    /// The end point's x (the end point itself is not drawn).
    Q_PROPERTY(qint32 X2 READ X2 WRITE setX2)
    /// The end point's y.
    Q_PROPERTY(qint32 Y2 READ Y2 WRITE setY2)
    /// The line's colour.
    Q_PROPERTY(OLE_COLOR BorderColor READ BorderColor WRITE setBorderColor)

public:
    /// A black line of no length at (0, 0).
    explicit LineControl(QWidget* parent = nullptr);

    /// \name Property accessors
    ///@{

    /// The getter or setter of the property of that name.
    qint32 X1() const { return m_from.x(); }
    void setX1(qint32 New_X1) { setEnds(QPoint(New_X1, m_from.y()), m_to); }
    qint32 Y1() const { return m_from.y(); }
    void setY1(qint32 New_Y1) { setEnds(QPoint(m_from.x(), New_Y1), m_to); }
    qint32 X2() const { return m_to.x(); }
    void setX2(qint32 New_X2) { setEnds(m_from, QPoint(New_X2, m_to.y())); }
    qint32 Y2() const { return m_to.y(); }
    void setY2(qint32 New_Y2) { setEnds(m_from, QPoint(m_to.x(), New_Y2)); }
    OLE_COLOR BorderColor() const { return m_color; }
    void setBorderColor(OLE_COLOR New_BorderColor);
    ///@}

    /// Moves both ends at once (one geometry change instead of four).
    void setEnds(QPoint from, QPoint to);

protected:
    /// Draws the line.
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint m_from;
    QPoint m_to;
    OLE_COLOR m_color = 0;
};
