#pragma once

#include "UserControl.h"

#include <QPointer>
#include <common/zelcommon_export.h>

class QPainter;

/// The base of the editors that open a drop-down window from a button on
/// their face: the button shows pressed exactly while the left button, pressed
/// on it, is held over it, and opens the popup on release; Alt+Down and F4
/// open it from the keyboard, Escape closes it. The popup closes when the
/// control loses the focus (other than to the popup), is hidden, moved,
/// disabled or destroyed, or when a widget it sits in moves, resizes or hides
/// (a scroll area scrolling, the window moving). The popup is a Qt::Popup child window of the
/// control, placed under it or above it (Zel::placeDropDown).
class ZELCOMMON_EXPORT DropDownControl : public UserControl
{
    Q_OBJECT

public:
    /// A closed control with no popup yet (see setPopup).
    explicit DropDownControl(QWidget* parent = nullptr);
    ~DropDownControl() override;

    /// Places and shows the popup; nothing while hidden or disabled.
    Q_INVOKABLE void showPopup();
    /// Closes the popup.
    Q_INVOKABLE void hidePopup();
    /// Whether the popup shows.
    Q_INVOKABLE bool isPopupVisible() const;
    /// The drop button's rectangle on the face.
    virtual QRect dropButtonRect() const = 0;
    /// Whether the drop button is held down.
    bool isDropButtonPressed() const { return m_buttonPressed; }

protected:
    /// Makes \a popup the drop-down window (it should be a Qt::Popup child).
    void setPopup(QWidget* popup);
    /// The drop-down window, or null.
    QWidget* popup() const { return m_popup; }
    /// Called before the popup is placed and shown, to bring it up to date.
    virtual void aboutToShowPopup() { }
    /// Paints the drop button in \a button: raised, or sunken and flat while
    /// pressed, with a down arrow that moves one pixel right and down while
    /// pressed and \a liftWhenUp pixels up while not.
    void paintDropButton(QPainter& painter, const QRect& button, int liftWhenUp = 0) const;
    /// Paints the focus mark around \a around while the control has the focus
    /// and the popup is closed.
    void paintFocusMark(QPainter& painter, const QRect& around) const;

    /// \name Event handlers
    ///@{

    /// Reimplemented from QWidget: the drop button opens and closes the popup, Alt+Down
    /// and F4 open it, and hiding, moving or scrolling the control closes it.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    ///@}

private:
    void setButtonPressed(bool pressed);
    void watchAncestors(bool watch);

    QPointer<QWidget> m_popup;
    QList<QPointer<QWidget>> m_watchedAncestors;
    bool m_buttonPressed = false;
    bool m_buttonHeld = false;
    Q_DISABLE_COPY(DropDownControl)
};
