#include <AccessibleEvents.h>
#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <memory>
#include <tabulon/ZelPropList.h>

using namespace Tabulon;

// The property list as assistive tools see it: a table of caption and value cells.
class TestPropListAccessible : public QObject
{
    Q_OBJECT

    std::unique_ptr<ZelPropList> makeList()
    {
        auto list = std::make_unique<ZelPropList>();
        list->resize(300, 200);
        list->AddItem(
            QStringLiteral("g"), QStringLiteral("Layout"), propHeader, QString(), QString());
        list->AddItem(QStringLiteral("w"), QStringLiteral("Width"), propNumber,
            QStringLiteral("120"), QStringLiteral("The width in pixels"));
        list->AddItem(QStringLiteral("t"), QStringLiteral("Title"), propString,
            QStringLiteral("Home"), QString());
        list->ItemStatus(QStringLiteral("t"), ItemDisabled);
        for (int i = 0; i < 20; ++i)
            list->AddItem(QStringLiteral("k%1").arg(i), QStringLiteral("Row %1").arg(i), propString,
                QString(), QString());
        list->show();
        QCoreApplication::processEvents();
        return list;
    }

    static QWidget* surfaceOf(ZelPropList& list)
    {
        return list.findChild<QWidget*>(QStringLiteral("iUC"));
    }

private Q_SLOTS:
    void rowsAreCellsUnderTheirGroupTitle()
    {
        auto list = makeList();
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(list.get());
        QVERIFY(table);
        QCOMPARE(table->role(), QAccessible::Table);
        QAccessibleTableInterface* cells = table->tableInterface();
        QVERIFY(cells);
        QCOMPARE(cells->rowCount(), 23);
        QCOMPARE(cells->columnCount(), 2);
        // The cells come first among the children, the list's own widgets after them.
        QVERIFY(table->childCount() >= 46);
        QCOMPARE(table->child(3), cells->cellAt(1, 1));
        QCOMPARE(table->indexOfChild(cells->cellAt(2, 0)), 4);

        QAccessibleInterface* title = cells->cellAt(0, 0);
        QCOMPARE(title->role(), QAccessible::RowHeader);
        QCOMPARE(title->text(QAccessible::Name), QStringLiteral("Layout"));
        QVERIFY(!title->state().focusable);

        QAccessibleInterface* caption = cells->cellAt(1, 0);
        QAccessibleInterface* value = cells->cellAt(1, 1);
        QCOMPARE(caption->role(), QAccessible::Cell);
        QCOMPARE(caption->text(QAccessible::Name), QStringLiteral("Width"));
        QCOMPARE(value->text(QAccessible::Name), QStringLiteral("120"));
        QCOMPARE(value->text(QAccessible::Value), QStringLiteral("120"));
        QCOMPARE(value->text(QAccessible::Description), QStringLiteral("The width in pixels"));
        QCOMPARE(value->parent(), table);
        QAccessibleTableCellInterface* cell = value->tableCellInterface();
        QVERIFY(cell);
        QCOMPARE(cell->rowIndex(), 1);
        QCOMPARE(cell->columnIndex(), 1);
        QCOMPARE(cell->rowHeaderCells(), QList<QAccessibleInterface*> { title });
        QCOMPARE(cell->table(), table);

        QVERIFY(cells->cellAt(2, 0)->state().disabled);
        QVERIFY(!caption->state().disabled);
    }

    void cellsLieOverTheirRowsOnScreen()
    {
        auto list = makeList();
        list->setListColumWidth(100);
        QAccessibleTableInterface* cells
            = QAccessible::queryAccessibleInterface(list.get())->tableInterface();
        const int h = list->rowHeight();
        const QPoint origin = surfaceOf(*list)->mapToGlobal(QPoint(0, 0));
        const QRect caption = cells->cellAt(2, 0)->rect();
        const QRect value = cells->cellAt(2, 1)->rect();
        QCOMPARE(caption.topLeft(), origin + QPoint(0, 2 * h));
        QCOMPARE(caption.width(), 100);
        QCOMPARE(caption.height(), h);
        QCOMPARE(value.left(), origin.x() + 100);
        QCOMPARE(value.top(), caption.top());
        // A group title spans its row.
        QVERIFY(cells->cellAt(0, 0)->rect().width() > 100);
        // The point hits the cell drawn there.
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(list.get());
        QCOMPARE(table->childAt(value.center().x(), value.center().y()), cells->cellAt(2, 1));
        // Rows scrolled away have no place on the screen.
        list->setTopIndex(5);
        QVERIFY(cells->cellAt(2, 0)->rect().isEmpty());
        QVERIFY(cells->cellAt(2, 0)->state().offscreen);
        QCOMPARE(cells->cellAt(5, 0)->rect().topLeft(), origin);
    }

    void currentRowIsSelectedAndFocused()
    {
        auto list = makeList();
        list->activateWindow();
        list->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(list.get()));
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(list.get());
        QAccessibleTableInterface* cells = table->tableInterface();
        QCOMPARE(cells->selectedRowCount(), 0);

        AccessibleEvents events(list.get());
        list->setListIndex(1);
        QCOMPARE(table->focusChild(), cells->cellAt(1, 0));
        QVERIFY(cells->cellAt(1, 0)->state().focused);
        QVERIFY(cells->cellAt(1, 1)->state().selected);
        QVERIFY(!cells->cellAt(3, 0)->state().selected);
        QCOMPARE(cells->selectedRows(), QList<int> { 1 });
        QCOMPARE(cells->selectedCellCount(), 2);
        QCOMPARE(events.children(QAccessible::Selection), QList<int> { 2 });
        QCOMPARE(events.children(QAccessible::Focus), QList<int> { 2 });

        // The same row again is no change to announce; a tool may choose a row itself.
        events.take();
        list->setListIndex(1);
        QVERIFY(events.take().isEmpty());
        QVERIFY(!cells->selectRow(0)); // a group title is never current
        QVERIFY(!cells->selectRow(2)); // nor is a disabled row
        QVERIFY(cells->selectRow(4));
        QCOMPARE(list->ListIndex(), 4);
    }

    void valueAndRowChangesAreAnnounced()
    {
        auto list = makeList();
        QAccessibleTableInterface* cells
            = QAccessible::queryAccessibleInterface(list.get())->tableInterface();
        AccessibleEvents events(list.get());
        QVERIFY(list->ModifyItem(QStringLiteral("w"), 240));
        list->setItemText(3, QStringLiteral("new"));
        const QList<AccessibleEvents::Event> changes = events.take();
        QCOMPARE(changes.size(), 2);
        QCOMPARE(changes[0].type, QAccessible::ValueChanged);
        QCOMPARE(changes[0].value.toString(), QStringLiteral("240"));
        QCOMPARE(changes[0].name, QStringLiteral("240"));
        QCOMPARE(changes[1].value.toString(), QStringLiteral("new"));
        QCOMPARE(cells->cellAt(1, 1)->text(QAccessible::Value), QStringLiteral("240"));

        list->AddItem(
            QStringLiteral("z"), QStringLiteral("Last"), propString, QString(), QString());
        list->RemoveItem(QStringLiteral("t"));
        QList<AccessibleEvents::Event> rows = events.take();
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0].type, QAccessible::TableModelChanged);
        QCOMPARE(rows[0].change, int(QAccessibleTableModelChangeEvent::RowsInserted));
        QCOMPARE(rows[0].firstRow, 23);
        QCOMPARE(rows[1].change, int(QAccessibleTableModelChangeEvent::RowsRemoved));
        QCOMPARE(rows[1].firstRow, 2);
        QCOMPARE(rows[1].lastRow, 2);
        // The cells follow the rows: row 2 is now the first of the plain rows.
        QCOMPARE(cells->cellAt(2, 0)->text(QAccessible::Name), QStringLiteral("Row 0"));

        QAccessibleInterface* last = cells->cellAt(22, 0);
        list->Clear();
        rows = events.take();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].change, int(QAccessibleTableModelChangeEvent::ModelReset));
        QCOMPARE(cells->rowCount(), 0);
        QVERIFY(!last->isValid());
        QVERIFY(!cells->cellAt(0, 0));
    }
};

QTEST_MAIN(TestPropListAccessible)
#include "tst_proplistaccessible.moc"
