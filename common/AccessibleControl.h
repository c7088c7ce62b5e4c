#pragma once

#include <QAccessibleWidget>
#include <QHash>
#include <functional>

namespace Zel {

/// The accessible face of a control whose parts are painted rather than made of child widgets
/// (rows, cells, hotspots). Each part is a child interface described by its index; the parts
/// come first among the children, the control's child widgets (scroll bars, editors) after
/// them. Everything is read from the control when asked, so nothing goes stale when the
/// control changes; a part beyond the count is simply no longer valid.
class AccessibleControl : public QAccessibleWidget
{
public:
    AccessibleControl(QWidget* control, QAccessible::Role role);
    ~AccessibleControl() override;

    /// The number of parts, now.
    virtual int partCount() const = 0;
    virtual QAccessible::Role partRole(int index) const = 0;
    virtual QString partText(int index, QAccessible::Text t) const = 0;
    /// The part's box in screen coordinates; empty while it is out of view.
    virtual QRect partRect(int index) const = 0;
    virtual QAccessible::State partState(int index) const;
    /// The part that is current (and has the focus while the control has it), -1 for none.
    virtual int focusedPart() const = 0;

    /// The interface of part \a index, made on first use and kept while the control lives;
    /// null outside the parts.
    QAccessibleInterface* part(int index) const;
    /// True while the control or one of its children has the keyboard focus.
    bool controlHasFocus() const;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

protected:
    /// Makes the interface of part \a index; a plain AccessiblePart unless a control needs more
    /// (a table cell).
    virtual QAccessibleInterface* makePart(int index) const;

private:
    mutable QHash<int, QAccessible::Id> m_parts;
};

/// One painted part of an AccessibleControl: a row, a cell or a hotspot. It has no object of
/// its own and asks its control for everything.
class AccessiblePart : public QAccessibleInterface
{
public:
    AccessiblePart(const AccessibleControl* control, int index);

    int index() const { return m_index; }
    const AccessibleControl* control() const { return m_control; }

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override { }
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

private:
    const AccessibleControl* m_control;
    int m_index;
};

/// Where the controls' accessibility events go: to assistive tools through Qt unless a hook
/// takes them (a test that listens without a platform bridge).
using AccessibleEventHook = std::function<void(QAccessibleEvent*)>;
/// Installs \a hook (empty: Qt again); returns the one it replaces.
AccessibleEventHook setAccessibleEventHook(AccessibleEventHook hook);
/// True when an event would reach anyone; building one is wasted otherwise.
bool accessibilityListening();
/// Sends \a event to the hook, or to assistive tools through Qt.
void announce(QAccessibleEvent* event);
/// Sends \a type for part \a index of \a control, when anyone listens.
void announcePart(QWidget* control, int index, QAccessible::Event type);

} // namespace Zel
