#include "AccessibleControl.h"

#include <QApplication>
#include <QWidget>
#include <utility>

namespace Zel {

AccessibleControl::AccessibleControl(QWidget* control, QAccessible::Role role)
    : QAccessibleWidget(control, role)
{ }

AccessibleControl::~AccessibleControl()
{
    for (const QAccessible::Id id : std::as_const(m_parts))
        QAccessible::deleteAccessibleInterface(id);
}

QAccessible::State AccessibleControl::partState(int index) const
{
    QAccessible::State state;
    state.focusable = true;
    state.selectable = true;
    if (index == focusedPart()) {
        state.selected = true;
        state.focused = controlHasFocus();
    }
    const QRect box = partRect(index);
    state.invisible = box.isEmpty();
    state.offscreen = box.isEmpty();
    return state;
}

QAccessibleInterface* AccessibleControl::part(int index) const
{
    if (index < 0 || index >= partCount())
        return nullptr;
    const auto found = m_parts.constFind(index);
    if (found != m_parts.cend())
        return QAccessible::accessibleInterface(*found);
    QAccessibleInterface* made = makePart(index);
    m_parts.insert(index, QAccessible::registerAccessibleInterface(made));
    return made;
}

bool AccessibleControl::controlHasFocus() const
{
    const QWidget* focus = QApplication::focusWidget();
    return focus && (focus == widget() || widget()->isAncestorOf(focus));
}

int AccessibleControl::childCount() const
{
    return partCount() + QAccessibleWidget::childCount();
}

QAccessibleInterface* AccessibleControl::child(int index) const
{
    const int parts = partCount();
    if (index < parts)
        return part(index);
    return QAccessibleWidget::child(index - parts);
}

int AccessibleControl::indexOfChild(const QAccessibleInterface* child) const
{
    if (!child)
        return -1;
    if (const auto* painted = dynamic_cast<const AccessiblePart*>(child))
        return painted->control() == this && painted->index() < partCount() ? painted->index() : -1;
    const int widgetIndex = QAccessibleWidget::indexOfChild(child);
    return widgetIndex < 0 ? -1 : partCount() + widgetIndex;
}

QAccessibleInterface* AccessibleControl::childAt(int x, int y) const
{
    // The part painted last lies on top; past the parts, the child widgets.
    for (int i = partCount() - 1; i >= 0; --i) {
        if (partRect(i).contains(x, y))
            return part(i);
    }
    return QAccessibleWidget::childAt(x, y);
}

QAccessibleInterface* AccessibleControl::focusChild() const
{
    if (QAccessibleInterface* focused = part(focusedPart()))
        return focused;
    return QAccessibleWidget::focusChild();
}

QAccessibleInterface* AccessibleControl::makePart(int index) const
{
    return new AccessiblePart(this, index);
}

AccessiblePart::AccessiblePart(const AccessibleControl* control, int index)
    : m_control(control)
    , m_index(index)
{ }

bool AccessiblePart::isValid() const
{
    return m_control->isValid() && m_index < m_control->partCount();
}

QWindow* AccessiblePart::window() const
{
    return m_control->window();
}

QAccessibleInterface* AccessiblePart::parent() const
{
    return const_cast<AccessibleControl*>(m_control);
}

QString AccessiblePart::text(QAccessible::Text t) const
{
    return isValid() ? m_control->partText(m_index, t) : QString();
}

QRect AccessiblePart::rect() const
{
    return isValid() ? m_control->partRect(m_index) : QRect();
}

QAccessible::Role AccessiblePart::role() const
{
    return isValid() ? m_control->partRole(m_index) : QAccessible::NoRole;
}

QAccessible::State AccessiblePart::state() const
{
    if (!isValid()) {
        QAccessible::State gone;
        gone.invalid = true;
        return gone;
    }
    return m_control->partState(m_index);
}

namespace {

AccessibleEventHook& eventHook()
{
    static AccessibleEventHook hook;
    return hook;
}

} // namespace

AccessibleEventHook setAccessibleEventHook(AccessibleEventHook hook)
{
    return std::exchange(eventHook(), std::move(hook));
}

bool accessibilityListening()
{
    return eventHook() || QAccessible::isActive();
}

void announce(QAccessibleEvent* event)
{
    if (eventHook())
        eventHook()(event);
    else
        QAccessible::updateAccessibility(event);
}

void announcePart(QWidget* control, int index, QAccessible::Event type)
{
    if (!accessibilityListening() || index < 0)
        return;
    QAccessibleEvent event(control, type);
    event.setChild(index);
    announce(&event);
}

void announceRows(
    QWidget* control, QAccessibleTableModelChangeEvent::ModelChangeType change, int first, int last)
{
    if (!accessibilityListening())
        return;
    QAccessibleTableModelChangeEvent event(control, change);
    event.setFirstRow(first);
    event.setLastRow(last);
    announce(&event);
}

} // namespace Zel
