#pragma once

#include <QAccessible>
#include <QList>
#include <QVariant>
#include <common/AccessibleControl.h>

/// Records what \a control tells assistive tools about itself and its parts, in the order it
/// tells it (what its scroll bars and other child widgets say is left out). The headless
/// platform has no bridge to such tools, so the events are taken where the controls send them.
/// One recorder at a time.
class AccessibleEvents
{
public:
    struct Event
    {
        QAccessible::Event type;
        QObject* object;
        int child;
        QVariant value; // of a value change
        int firstRow = -1; // of a table model change
        int lastRow = -1;
        int change = -1;
        QString name; // of the part the event is about
    };

    explicit AccessibleEvents(QObject* control)
        : m_control(control)
    {
        s_current = this;
        m_previous = Zel::setAccessibleEventHook(&AccessibleEvents::record);
    }
    ~AccessibleEvents()
    {
        Zel::setAccessibleEventHook(m_previous);
        s_current = nullptr;
    }

    QList<Event> take()
    {
        QList<Event> out = m_events;
        m_events.clear();
        return out;
    }
    /// The children the events of \a type were about, in order.
    QList<int> children(QAccessible::Event type) const
    {
        QList<int> out;
        for (const Event& e : m_events) {
            if (e.type == type)
                out << e.child;
        }
        return out;
    }

private:
    static void record(QAccessibleEvent* event)
    {
        if (!s_current)
            return;
        // Parts have no object of their own: they are known by their parent.
        QAccessibleInterface* about = event->accessibleInterface();
        const bool own = event->object()
            ? event->object() == s_current->m_control
            : about && about->parent() && about->parent()->object() == s_current->m_control;
        if (!own)
            return;
        Event e { event->type(), event->object(), event->child(), {} };
        if (about)
            e.name = about->text(QAccessible::Name);
        if (event->type() == QAccessible::ValueChanged)
            e.value = static_cast<QAccessibleValueChangeEvent*>(event)->value();
        if (event->type() == QAccessible::TableModelChanged) {
            const auto* change = static_cast<QAccessibleTableModelChangeEvent*>(event);
            e.firstRow = change->firstRow();
            e.lastRow = change->lastRow();
            e.change = change->modelChangeType();
        }
        s_current->m_events << e;
    }

    static inline AccessibleEvents* s_current = nullptr;
    QObject* m_control;
    Zel::AccessibleEventHook m_previous;
    QList<Event> m_events;
};
