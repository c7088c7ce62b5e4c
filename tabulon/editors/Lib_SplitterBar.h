#pragma once

#include <QPointer>
#include <QRect>
#include <QWidget>
#include <common/StdPicture.h>

namespace Tabulon {

class SplitterOverlay;

/// Lets the user drag a split across a window: while the mouse is held a
/// half-tone bar is drawn over the window (an overlay child), the pointer is
/// kept inside the allowed area, and on release the split object moves.
/// Positions are the window's client pixels.
class Lib_SplitterBar
{
public:
    enum Orientations { Vertical = 1, Horizontal = 2 };

    Lib_SplitterBar();
    ~Lib_SplitterBar();

    /// 1: a vertical bar dragged left and right; 2: a horizontal bar dragged up and down.
    qint32 Orientation() const { return m_orientation; }
    /// Stores \a New_Orientation and resets the borders (top and bottom 64 for 2, left and right
    /// 64 otherwise); with a split object it also sets its sizing pointer.
    void setOrientation(qint32 New_Orientation);
    /// Margin \a index (1 left, 2 top, 3 right, 4 bottom) in pixels; 0 for other indexes.
    qint32 Border(int index) const;
    /// Sets a margin; other indexes are ignored.
    void setBorder(int index, qint32 size);
    /// Optional limits in twips (0: none); 0 for indexes outside 1-4.
    qint32 SPValues(int index) const;
    void setSPValues(int index, qint32 size);
    /// The widget the split moves; it gets the sizing pointer.
    QWidget* SplitObject() const { return m_splitObject; }
    void setSplitObject(QWidget* New_SplitObject);
    /// A custom drag pointer, given to the split object.
    StdPicture MouseMovePointer() const { return m_pointer; }
    void setMouseMovePointer(const StdPicture& New_MouseMovePointer);
    bool UseInternalAjustments() const { return m_internalAdjustments; }
    void setUseInternalAjustments(bool New_UseInternalAjustments)
    {
        m_internalAdjustments = New_UseInternalAjustments;
    }

    /// Starts a drag over \a window at (x, y): grabs the mouse and shows the bar.
    void SplitterMouseDown(QWidget* window, int x, int y);
    /// Moves the bar while dragging.
    void SplitterContainer_MouseMove(int x, int y);
    /// Ends a drag: removes the bar and moves the split object. False when no drag was running.
    bool SplitterContainer_MouseUp(int x, int y);

    bool isDragging() const { return m_dragging; }
    /// The bar as drawn now (empty when not dragging).
    QRect barRect() const { return m_bar; }
    /// The area the pointer is kept in while dragging.
    QRect pointerArea() const { return m_pointerArea; }
    /// The last pointer position, kept inside pointerArea().
    QPoint clampedPointer() const { return m_pointerPos; }

private:
    QRect barFor(QPoint pointer) const;
    QPoint clampToArea(int x, int y) const;
    void applyPointer();

    qint32 m_orientation = Vertical;
    qint32 m_borders[4] = { 64, 0, 64, 0 };
    qint32 m_limits[4] = { 0, 0, 0, 0 };
    QPointer<QWidget> m_splitObject;
    StdPicture m_pointer;
    bool m_internalAdjustments = false;

    QPointer<QWidget> m_window;
    QPointer<SplitterOverlay> m_overlay;
    QRect m_pointerArea;
    QRect m_allowed;
    QRect m_bar;
    QPoint m_pointerPos;
    bool m_dragging = false;
    Q_DISABLE_COPY(Lib_SplitterBar)
};

} // namespace Tabulon
