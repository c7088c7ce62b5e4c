#pragma once

#include "ColorPopupLayout.h"

#include <QFont>
#include <QList>
#include <QWidget>

namespace Tabulon {

/// What the colour popup shows besides its layout.
struct ColorPopupContent
{
    bool systemColors = false;
    /// Remembered custom colours, shown from the first custom cell on.
    QList<OLE_COLOR> customColors;
    QString textNormal;
    QString textSystem;
    QString textMoreColor;
    QString textTransparent;
    QFont font;
};

/// The drop-down window of ColorSelector: paints the cells of its layout
/// with hover and press feedback, tracks the mouse and reports a cell when
/// the button is released inside the cell it was pressed on. The arrow keys
/// move the hover to the nearest cell in their direction; Enter or Space
/// reports the hovered cell.
class ColorPopup : public QWidget
{
    Q_OBJECT

public:
    explicit ColorPopup(QWidget* owner);

    void setCellLayout(const ColorPopupLayout& layout);
    const ColorPopupLayout& cellLayout() const { return m_layout; }
    void setContent(const ColorPopupContent& content);
    const ColorPopupContent& content() const { return m_content; }
    /// The cell under the pointer, -1 for none.
    int hoveredCell() const { return m_hovered; }
    /// The cell the left button was pressed on, -1 for none.
    int pressedCell() const { return m_pressed; }

Q_SIGNALS:
    /// The left button was pressed and released on \a cell.
    void cellClicked(int cell);
    /// The left button, pressed on \a pressedCell, was released outside the popup.
    void releasedOutside(int pressedCell);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void setHovered(int cell);
    int neighbour(int cell, int key) const;
    void paintCell(QPainter& painter, int cell) const;
    void paintSeparator(QPainter& painter, int y) const;

    ColorPopupLayout m_layout { true, true, true, true };
    ColorPopupContent m_content;
    int m_hovered = -1;
    int m_pressed = -1;
};

} // namespace Tabulon
