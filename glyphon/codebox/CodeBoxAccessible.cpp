// The code box seen by assistive tools: a list of its rows. A row's name is its text as stored,
// its value the line number the gutter shows (empty for header bars); the current row is
// selected and focused.

#include "CodeBoxAccessible_p.h"
#include "Zel_CodeBox.h"
#include "Zel_CodeBox_p.h"

#include <QApplication>
#include <common/AccessibleControl.h>

namespace {

class CodeBoxAccessible : public Zel::AccessibleControl
{
public:
    explicit CodeBoxAccessible(Zel_CodeBox* box)
        : AccessibleControl(box, QAccessible::List)
    { }

    Zel_CodeBoxPrivate* boxData() const
    {
        return Zel_CodeBoxPrivate::get(static_cast<Zel_CodeBox*>(widget()));
    }

    int partCount() const override { return boxData()->store.size(); }

    QAccessible::Role partRole(int) const override { return QAccessible::ListItem; }

    QString partText(int index, QAccessible::Text t) const override
    {
        const StoredRow& row = boxData()->store.at(index);
        switch (t) {
        case QAccessible::Name:
            return row.value;
        case QAccessible::Value:
            return row.isCode() ? QString::number(row.lineNumber) : QString();
        default:
            return {};
        }
    }

    QRect partRect(int index) const override
    {
        Zel_CodeBoxPrivate* p = boxData();
        p->ensureLayout();
        const int top = p->view.rowTop(index);
        if (top < 0)
            return {};
        const int bottom = std::min(top + p->view.rowHeight(index), p->view.area().height());
        if (bottom <= top)
            return {};
        const QRect box(0, top, p->view.area().width(), bottom - top);
        return QRect(p->surface->mapToGlobal(box.topLeft()), box.size());
    }

    QAccessible::State partState(int index) const override
    {
        QAccessible::State state = AccessibleControl::partState(index);
        state.readOnly = true;
        state.disabled = !widget()->isEnabled();
        return state;
    }

    int focusedPart() const override { return boxData()->listIndex; }
};

QAccessibleInterface* codeBoxFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("Zel_CodeBox") && object && object->isWidgetType())
        return new CodeBoxAccessible(static_cast<Zel_CodeBox*>(object));
    return nullptr;
}

} // namespace

void watchCodeBoxAccessibility(Zel_CodeBox* box)
{
    static const bool installed = [] {
        QAccessible::installFactory(codeBoxFactory);
        return true;
    }();
    Q_UNUSED(installed)
    QObject::connect(box, &Zel_CodeBox::ListIndexChanged, box, [box](qint32 row) {
        Zel::announcePart(box, row, QAccessible::Selection);
        if (box->isAncestorOf(QApplication::focusWidget()) || box->hasFocus())
            Zel::announcePart(box, row, QAccessible::Focus);
    });
}
