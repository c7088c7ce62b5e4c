// The property list seen by assistive tools: a table of two columns, the item's caption and
// its value, one row per item. Group titles are row headers; the current row is selected and
// focused.

#include "PropListAccessible.h"

#include "PropListLayout.h"
#include "PropListSurface.h"
#include "ZelPropList.h"
#include "ZelPropList_p.h"

#include <QApplication>
#include <algorithm>
#include <common/AccessibleControl.h>

namespace Tabulon {

namespace {

constexpr int Columns = 2;

class PropListTable;

class PropListCell : public Zel::AccessiblePart, public QAccessibleTableCellInterface
{
public:
    PropListCell(const PropListTable* table, int index);

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface
            ? static_cast<QAccessibleTableCellInterface*>(this)
            : nullptr;
    }

    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override;
    int columnIndex() const override { return index() % Columns; }
    int rowIndex() const override { return index() / Columns; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;
};

class PropListTable : public Zel::AccessibleControl, public QAccessibleTableInterface
{
public:
    explicit PropListTable(ZelPropList* list)
        : AccessibleControl(list, QAccessible::Table)
    { }

    ZelPropList* list() const { return static_cast<ZelPropList*>(widget()); }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return AccessibleControl::interface_cast(type);
    }

    bool isHeader(int row) const { return item(row).Style == propHeader; }
    Item item(int row) const { return ZelPropListPrivate::get(list())->store.at(row); }

    // --- the cells ---

    int partCount() const override { return list()->ListCount() * Columns; }

    QAccessible::Role partRole(int index) const override
    {
        return isHeader(index / Columns) ? QAccessible::RowHeader : QAccessible::Cell;
    }

    QString partText(int index, QAccessible::Text t) const override
    {
        const Item it = item(index / Columns);
        const bool valueColumn = index % Columns == 1;
        switch (t) {
        case QAccessible::Name:
            if (it.Style == propHeader)
                return valueColumn ? QString() : it.Caption;
            return valueColumn ? it.Value : it.Caption;
        case QAccessible::Value:
            return valueColumn && it.Style != propHeader ? it.Value : QString();
        case QAccessible::Description:
            return it.Description;
        default:
            return {};
        }
    }

    QRect partRect(int index) const override
    {
        ZelPropList* l = list();
        const int row = index / Columns;
        const int top = l->TopIndex();
        if (row < top || row >= top + l->visibleRowCount())
            return {};
        ZelPropListPrivate* d = ZelPropListPrivate::get(l);
        QRect box = PropListLayout::rowRect(row, top, l->rowHeight(), d->listWidth());
        const int split = std::clamp(l->ListColumWidth(), 0, box.width());
        if (isHeader(row)) {
            // A group title spans the row; its second cell has no place of its own.
            if (index % Columns == 1)
                return {};
        } else if (index % Columns == 0) {
            box.setWidth(split);
        } else {
            box.setLeft(box.left() + split);
        }
        return QRect(d->surface->mapToGlobal(box.topLeft()), box.size());
    }

    QAccessible::State partState(int index) const override
    {
        QAccessible::State state = AccessibleControl::partState(index);
        const int row = index / Columns;
        const Item it = item(row);
        if (it.Style == propHeader) {
            state.focusable = false;
            state.selectable = false;
        }
        state.disabled = it.Status == ItemDisabled || !list()->isEnabled();
        state.readOnly = it.Locked;
        state.selected = row == list()->ListIndex();
        return state;
    }

    int focusedPart() const override
    {
        const int row = list()->ListIndex();
        return row < 0 ? -1 : row * Columns;
    }

    QAccessibleInterface* makePart(int index) const override
    {
        return new PropListCell(this, index);
    }

    // --- the table ---

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        if (column < 0 || column >= Columns || row < 0 || row >= rowCount())
            return nullptr;
        return part(row * Columns + column);
    }
    int selectedCellCount() const override { return list()->ListIndex() < 0 ? 0 : Columns; }
    QList<QAccessibleInterface*> selectedCells() const override
    {
        const int row = list()->ListIndex();
        if (row < 0)
            return {};
        return { cellAt(row, 0), cellAt(row, 1) };
    }
    QString columnDescription(int column) const override
    {
        return column == 0 ? ZelPropList::tr("Property") : ZelPropList::tr("Value");
    }
    QString rowDescription(int row) const override
    {
        return row >= 0 && row < rowCount() ? item(row).Caption : QString();
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return list()->ListIndex() < 0 ? 0 : 1; }
    int columnCount() const override { return Columns; }
    int rowCount() const override { return list()->ListCount(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override
    {
        const int row = list()->ListIndex();
        return row < 0 ? QList<int>() : QList<int> { row };
    }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override { return row >= 0 && row == list()->ListIndex(); }
    bool selectRow(int row) override
    {
        if (row < 0 || row >= rowCount() || isHeader(row) || item(row).Status == ItemDisabled)
            return false;
        list()->setListIndex(row);
        return true;
    }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    // Cells read the list when asked, so a change of rows leaves nothing to update.
    void modelChange(QAccessibleTableModelChangeEvent*) override { }
};

PropListCell::PropListCell(const PropListTable* table, int index)
    : AccessiblePart(table, index)
{ }

bool PropListCell::isSelected() const
{
    return isValid() && static_cast<const PropListTable*>(control())->isRowSelected(rowIndex());
}

QList<QAccessibleInterface*> PropListCell::rowHeaderCells() const
{
    if (!isValid())
        return {};
    // The group title the row stands under.
    const auto* t = static_cast<const PropListTable*>(control());
    for (int row = rowIndex(); row >= 0; --row) {
        if (t->isHeader(row))
            return row == rowIndex() ? QList<QAccessibleInterface*>()
                                     : QList<QAccessibleInterface*> { t->cellAt(row, 0) };
    }
    return {};
}

QAccessibleInterface* PropListCell::table() const
{
    return const_cast<Zel::AccessibleControl*>(control());
}

QAccessibleInterface* propListFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("ZelPropList") && object && object->isWidgetType())
        return new PropListTable(static_cast<ZelPropList*>(object));
    return nullptr;
}

} // namespace

void watchAccessibility(ZelPropList* list)
{
    static const bool installed = [] {
        QAccessible::installFactory(propListFactory);
        return true;
    }();
    Q_UNUSED(installed)
    QObject::connect(list, &ZelPropList::ListIndexChanged, list, [list](qint32 row) {
        if (row < 0)
            return;
        Zel::announcePart(list, row * Columns, QAccessible::Selection);
        if (list->hasFocus() || list->isAncestorOf(QApplication::focusWidget()))
            Zel::announcePart(list, row * Columns, QAccessible::Focus);
    });
    QObject::connect(list, &ZelPropList::ChangeItem, list,
        [list](const QString&, const QString& key) { announceValue(list, list->ItemIndex(key)); });
}

void announceValue(ZelPropList* list, int row)
{
    if (!Zel::accessibilityListening() || row < 0 || row >= list->ListCount())
        return;
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(list);
    QAccessibleInterface* cell = table ? table->child(row * Columns + 1) : nullptr;
    if (!cell)
        return;
    QAccessibleValueChangeEvent event(cell, list->ItemText(row));
    Zel::announce(&event);
}

} // namespace Tabulon
