#include "DropDownControl.h"

#include "Drawing.h"
#include "DropDown.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

DropDownControl::DropDownControl(QWidget* parent)
    : UserControl(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

DropDownControl::~DropDownControl() = default;

void DropDownControl::setPopup(QWidget* popup)
{
    if (m_popup)
        m_popup->removeEventFilter(this);
    m_popup = popup;
    if (!m_popup)
        return;
    // The popup takes the keyboard while open without taking the focus, so
    // a click in it is no focus loss of the control.
    m_popup->setFocusPolicy(Qt::NoFocus);
    m_popup->installEventFilter(this);
}

bool DropDownControl::isPopupVisible() const
{
    return m_popup && m_popup->isVisible();
}

void DropDownControl::showPopup()
{
    if (!m_popup || isPopupVisible() || !isVisible() || !isEnabled())
        return;
    aboutToShowPopup();
    Zel::placeDropDown(m_popup, this);
    m_popup->show();
    watchAncestors(true);
    update();
}

void DropDownControl::watchAncestors(bool watch)
{
    for (const QPointer<QWidget>& ancestor : std::as_const(m_watchedAncestors)) {
        if (ancestor)
            ancestor->removeEventFilter(this);
    }
    m_watchedAncestors.clear();
    if (!watch)
        return;
    for (QWidget* ancestor = parentWidget(); ancestor; ancestor = ancestor->parentWidget()) {
        ancestor->installEventFilter(this);
        m_watchedAncestors.append(ancestor);
    }
}

void DropDownControl::hidePopup()
{
    if (isPopupVisible())
        m_popup->hide();
}

bool DropDownControl::eventFilter(QObject* watched, QEvent* event)
{
    // The popup also closes itself (Escape, a press outside it); the face follows.
    if (watched == m_popup && event->type() == QEvent::Hide) {
        watchAncestors(false);
        m_buttonHeld = false;
        setButtonPressed(false);
        update();
    } else if (watched == m_popup && event->type() == QEvent::MouseButtonPress) {
        // A press on the control while the popup is open closes the popup and
        // goes no further: replayed to the drop button it would reopen it.
        const auto* press = static_cast<QMouseEvent*>(event);
        const QPoint global = press->globalPosition().toPoint();
        if (!m_popup->rect().contains(m_popup->mapFromGlobal(global))
            && rect().contains(mapFromGlobal(global))) {
            m_popup->setAttribute(Qt::WA_NoMouseReplay);
            hidePopup();
            return true;
        }
    } else if (watched != m_popup
        && (event->type() == QEvent::Move || event->type() == QEvent::Resize
            || event->type() == QEvent::Hide)) {
        // Something the control sits in moved: the popup would no longer
        // sit at the control.
        hidePopup();
    }
    return UserControl::eventFilter(watched, event);
}

void DropDownControl::setButtonPressed(bool pressed)
{
    if (m_buttonPressed == pressed)
        return;
    m_buttonPressed = pressed;
    update(dropButtonRect());
}

void DropDownControl::paintDropButton(QPainter& painter, const QRect& button, int liftWhenUp) const
{
    painter.fillRect(button, Zel::toQColor(Zel::ButtonFaceColor));
    QRect edge = button;
    if (m_buttonPressed)
        Zel::DrawEdge(painter, edge, Zel::EDGE_SUNKEN, Zel::BF_RECT | Zel::BF_FLAT);
    else
        Zel::DrawEdge(painter, edge, Zel::EDGE_RAISED, Zel::BF_RECT);
    const QRect glyph
        = m_buttonPressed ? button.translated(1, 1) : button.translated(0, -liftWhenUp);
    Zel::drawArrow(painter, glyph.adjusted(3, 3, -3, -3), Zel::Arrow::Down,
        Zel::toQColor(isEnabled() ? Zel::ButtonTextColor : Zel::ButtonShadowColor));
}

void DropDownControl::paintFocusMark(QPainter& painter, const QRect& around) const
{
    if (!hasFocus() || isPopupVisible())
        return;
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = around;
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void DropDownControl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_buttonHeld = true;
    setButtonPressed(dropButtonRect().contains(event->position().toPoint()));
    event->accept();
}

void DropDownControl::mouseMoveEvent(QMouseEvent* event)
{
    if (m_buttonHeld && (event->buttons() & Qt::LeftButton))
        setButtonPressed(dropButtonRect().contains(event->position().toPoint()));
    event->accept();
}

void DropDownControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_buttonHeld) {
        event->ignore();
        return;
    }
    m_buttonHeld = false;
    const bool open = m_buttonPressed;
    setButtonPressed(false);
    if (open)
        showPopup();
    event->accept();
}

void DropDownControl::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Escape && isPopupVisible()) {
        hidePopup();
        event->accept();
    } else if ((event->key() == Qt::Key_Down && modifiers == Qt::AltModifier)
        || (event->key() == Qt::Key_F4 && modifiers == Qt::NoModifier)) {
        showPopup();
        event->accept();
    } else if (event->key() == Qt::Key_Space && modifiers == Qt::NoModifier) {
        event->accept();
    } else {
        // Escape with the popup closed, Enter, Tab ...: the host's to handle.
        event->ignore();
    }
}

void DropDownControl::focusInEvent(QFocusEvent* event)
{
    UserControl::focusInEvent(event);
    update();
}

void DropDownControl::focusOutEvent(QFocusEvent* event)
{
    UserControl::focusOutEvent(event);
    if (!Zel::focusStaysWithPopup(event, m_popup))
        hidePopup();
    update();
}

void DropDownControl::hideEvent(QHideEvent* event)
{
    hidePopup();
    UserControl::hideEvent(event);
}

void DropDownControl::moveEvent(QMoveEvent* event)
{
    // Moved (the list scrolled or re-placed its editor): the popup would no
    // longer sit at the control.
    hidePopup();
    UserControl::moveEvent(event);
}

void DropDownControl::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        if (!isEnabled())
            hidePopup();
        update();
    }
    UserControl::changeEvent(event);
}
