#pragma once

#include <QAccessibleWidget>
#include <QHash>
#include <common/zelcommon_export.h>
#include <functional>

namespace Zel {

/// The accessible face of a control whose parts are painted rather than made of child widgets
/// (rows, cells, hotspots). Each part is a child interface described by its index; the parts
/// come first among the children, the control's child widgets (scroll bars, editors) after
/// them. Everything is read from the control when asked, so nothing goes stale when the
/// control changes; a part beyond the count is simply no longer valid.
class ZELCOMMON_EXPORT AccessibleControl : public QAccessibleWidget
{
public:
    /// The face of \a control, which shows itself in \a role.
    AccessibleControl(QWidget* control, QAccessible::Role role);
    ~AccessibleControl() override;

    /// The number of parts, now.
    virtual int partCount() const = 0;
    /// The role of part \a index.
    virtual QAccessible::Role partRole(int index) const = 0;
    /// The text \a t of part \a index (its name, value or description).
    virtual QString partText(int index, QAccessible::Text t) const = 0;
    /// The part's box in screen coordinates; empty while it is out of view.
    virtual QRect partRect(int index) const = 0;
    /// The state of part \a index; by default selectable and focusable, focused while it is
    /// the focused part.
    virtual QAccessible::State partState(int index) const;
    /// The part that is current (and has the focus while the control has it), -1 for none.
    virtual int focusedPart() const = 0;

    /// The interface of part \a index, made on first use and kept while the control lives;
    /// null outside the parts.
    QAccessibleInterface* part(int index) const;
    /// True while the control or one of its children has the keyboard focus.
    bool controlHasFocus() const;

    /// \name Children: the parts, then the control's child widgets
    ///@{

    /// QAccessibleInterface's own, counting the parts first.
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    ///@}

protected:
    /// Makes the interface of part \a index; a plain AccessiblePart unless a control needs more
    /// (a table cell).
    virtual QAccessibleInterface* makePart(int index) const;

private:
    mutable QHash<int, QAccessible::Id> m_parts;
};

/// One painted part of an AccessibleControl: a row, a cell or a hotspot. It has no object of
/// its own and asks its control for everything.
class ZELCOMMON_EXPORT AccessiblePart : public QAccessibleInterface
{
public:
    /// Part \a index of \a control.
    AccessiblePart(const AccessibleControl* control, int index);

    /// The part's index in its control.
    int index() const { return m_index; }
    /// The control the part belongs to.
    const AccessibleControl* control() const { return m_control; }

    /// \name QAccessibleInterface
    ///@{

    /// QAccessibleInterface's own, answered by the control; a part has no children and its
    /// texts are read-only.

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
    ///@}

private:
    const AccessibleControl* m_control;
    int m_index;
};

/// Where the controls' accessibility events go: to assistive tools through Qt unless a hook
/// takes them (a test that listens without a platform bridge).
using AccessibleEventHook = std::function<void(QAccessibleEvent*)>;
/// Installs \a hook (empty: Qt again); returns the one it replaces.
ZELCOMMON_EXPORT AccessibleEventHook setAccessibleEventHook(AccessibleEventHook hook);
/// True when an event would reach anyone; building one is wasted otherwise.
ZELCOMMON_EXPORT bool accessibilityListening();
/// Sends \a event to the hook, or to assistive tools through Qt.
ZELCOMMON_EXPORT void announce(QAccessibleEvent* event);
/// Sends \a type for part \a index of \a control, when anyone listens.
ZELCOMMON_EXPORT void announcePart(QWidget* control, int index, QAccessible::Event type);
/// Tells assistive tools that rows \a first .. \a last of \a control were inserted or removed,
/// or (ModelReset) that its rows changed beyond that, when anyone listens.
ZELCOMMON_EXPORT void announceRows(QWidget* control,
    QAccessibleTableModelChangeEvent::ModelChangeType change, int first = -1, int last = -1);

} // namespace Zel
