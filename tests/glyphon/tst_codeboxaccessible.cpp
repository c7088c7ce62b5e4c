#include <AccessibleEvents.h>
#include <QAccessible>
#include <QTest>
#include <glyphon/Zel_CodeBox.h>
#include <memory>

// The code box as assistive tools see it: a list of rows with their text and line numbers.
class TestCodeBoxAccessible : public QObject
{
    Q_OBJECT

    std::unique_ptr<Zel_CodeBox> makeBox()
    {
        auto box = std::make_unique<Zel_CodeBox>();
        box->resize(300, 120);
        box->AddText(QStringLiteral("Section"), QStringLiteral("h"), QStringLiteral("s"),
            StdPicture(), Zel_CodeBox::Header);
        for (int i = 0; i < 30; ++i)
            box->AddText(QStringLiteral("<p>row %1</p>").arg(i), QStringLiteral("k%1").arg(i),
                QStringLiteral("s"));
        box->setAutoRender(true);
        box->show();
        QCoreApplication::processEvents();
        return box;
    }

    static QWidget* surfaceOf(Zel_CodeBox& box)
    {
        return box.findChild<QWidget*>(QStringLiteral("Picture1"));
    }

private Q_SLOTS:
    void rowsWithTextAndLineNumbers()
    {
        auto box = makeBox();
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(box.get());
        QVERIFY(list);
        QCOMPARE(list->role(), QAccessible::List);
        QVERIFY(list->childCount() >= 31);
        QAccessibleInterface* header = list->child(0);
        QCOMPARE(header->role(), QAccessible::ListItem);
        QCOMPARE(header->text(QAccessible::Name), QStringLiteral("Section"));
        QCOMPARE(header->text(QAccessible::Value), QString()); // bars carry no number
        QAccessibleInterface* first = list->child(1);
        QCOMPARE(first->text(QAccessible::Name), QStringLiteral("<p>row 0</p>"));
        QCOMPARE(first->text(QAccessible::Value), QStringLiteral("1"));
        QCOMPARE(list->child(30)->text(QAccessible::Value), QStringLiteral("30"));
        QCOMPARE(list->indexOfChild(first), 1);
        QCOMPARE(first->parent(), list);

        // Erasing a row renumbers those after it; the children read the box anew.
        box->EraseRow(QStringLiteral("k0"));
        QCOMPARE(first->text(QAccessible::Name), QStringLiteral("<p>row 1</p>"));
        QCOMPARE(first->text(QAccessible::Value), QStringLiteral("1"));
        QCOMPARE(list->child(29)->text(QAccessible::Value), QStringLiteral("29"));
        QVERIFY(list->child(30)->object()); // a widget of the box, after the rows
    }

    void rowsLieWhereTheyArePainted()
    {
        auto box = makeBox();
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(box.get());
        const QPoint origin = surfaceOf(*box)->mapToGlobal(QPoint(0, 0));
        const QRect header = list->child(0)->rect();
        const QRect first = list->child(1)->rect();
        QCOMPARE(header.topLeft(), origin);
        QVERIFY(header.height() > 0);
        QCOMPARE(first.top(), header.bottom() + 1);
        QVERIFY(first.height() > 0);
        QCOMPARE(list->childAt(first.center().x(), first.center().y()), list->child(1));
        // A row below the bottom edge is not on the screen until it is scrolled to.
        QVERIFY(list->child(25)->rect().isEmpty());
        QVERIFY(list->child(25)->state().offscreen);
        box->setTopIndex(10);
        QVERIFY(list->child(1)->rect().isEmpty());
        QCOMPARE(list->child(10)->rect().topLeft(), origin);
    }

    void currentRowIsSelectedAndFocused()
    {
        auto box = makeBox();
        box->activateWindow();
        box->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(box.get()));
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(box.get());
        AccessibleEvents events(box.get());
        box->setListIndex(3);
        QCOMPARE(list->focusChild(), list->child(3));
        QVERIFY(list->child(3)->state().selected);
        QVERIFY(list->child(3)->state().focused);
        QVERIFY(!list->child(2)->state().selected);
        QCOMPARE(events.children(QAccessible::Selection), QList<int> { 3 });
        QCOMPARE(events.children(QAccessible::Focus), QList<int> { 3 });
        // A key moves the current row, and the tools hear of it.
        QTest::keyClick(surfaceOf(*box), Qt::Key_Down);
        QCOMPARE(list->focusChild(), list->child(4));
        QCOMPARE(events.children(QAccessible::Focus), (QList<int> { 3, 4 }));
    }

    // Tools that cache the list hear of every row added, changed or removed, at its place.
    void rowChangesAreAnnounced()
    {
        auto box = makeBox();
        AccessibleEvents events(box.get());
        box->AddText(QStringLiteral("<p>late</p>"), QStringLiteral("late"), QStringLiteral("s"));
        box->ChangeRow(QStringLiteral("k4"), QStringLiteral("<p>four</p>"));
        box->ModifyItem(2, QStringLiteral("<p>two</p>"));
        box->EraseRow(QStringLiteral("k0"));
        box->Clear();
        const QList<AccessibleEvents::Event> seen = events.take();
        QCOMPARE(seen.size(), 5);
        QCOMPARE(seen[0].type, QAccessible::TableModelChanged);
        QCOMPARE(seen[0].change, int(QAccessibleTableModelChangeEvent::RowsInserted));
        QCOMPARE(seen[0].firstRow, 31); // behind the header and the 30 rows
        QCOMPARE(seen[0].lastRow, 31);
        QCOMPARE(seen[1].type, QAccessible::NameChanged);
        QCOMPARE(seen[1].child, 5);
        QCOMPARE(seen[1].name, QStringLiteral("<p>four</p>"));
        QCOMPARE(seen[2].type, QAccessible::NameChanged);
        QCOMPARE(seen[2].child, 2);
        QCOMPARE(seen[2].name, QStringLiteral("<p>two</p>"));
        QCOMPARE(seen[3].change, int(QAccessibleTableModelChangeEvent::RowsRemoved));
        QCOMPARE(seen[3].firstRow, 1);
        QCOMPARE(seen[3].lastRow, 1);
        QCOMPARE(seen[4].change, int(QAccessibleTableModelChangeEvent::ModelReset));
    }
};

QTEST_MAIN(TestCodeBoxAccessible)
#include "tst_codeboxaccessible.moc"
