#include "ZonecraftTestSupport.h"

#include <AccessibleEvents.h>
#include <QAccessible>
#include <QTest>

// The image map as assistive tools see it: each hotspot a child with a name and a box.
class TestZonecraftAccessible : public QObject
{
    Q_OBJECT

    static QWidget* workPicture(Zonecraft& z)
    {
        return z.findChild<QWidget*>(QStringLiteral("WorkPicture"));
    }

    static void addHotspots(Zonecraft& z)
    {
        z.DrawNewRectangle(10, 20, 50, 40, QStringLiteral("home"));
        z.DrawNewCircle(200, 100, 20);
        z.DrawNewPolygon(QStringLiteral("300,300,340,300,320,350"), QStringLiteral("about"));
        z.PictureGetFocus();
    }

private Q_SLOTS:
    void hotspotsAreNamedChildren()
    {
        ZonecraftFixture fx;
        Zonecraft& z = fx.z();
        addHotspots(z);
        z.show();
        QAccessibleInterface* map = QAccessible::queryAccessibleInterface(&z);
        QVERIFY(map);
        // The hotspots first, in the order they were made, then the control's own widgets.
        QVERIFY(map->childCount() > 3);
        QAccessibleInterface* home = map->child(0);
        QCOMPARE(home->role(), QAccessible::Graphic);
        QCOMPARE(home->text(QAccessible::Name), QStringLiteral("home"));
        QCOMPARE(home->text(QAccessible::Description), QStringLiteral("Rectangle"));
        // A hotspot without a key is called by its number.
        QCOMPARE(map->child(1)->text(QAccessible::Name), QStringLiteral("Hotspot 2"));
        QCOMPARE(map->child(1)->text(QAccessible::Description), QStringLiteral("Circle"));
        QCOMPARE(map->child(2)->text(QAccessible::Name), QStringLiteral("about"));
        QCOMPARE(map->indexOfChild(map->child(2)), 2);
        QCOMPARE(home->parent(), map);
        QVERIFY(map->child(3)->object()); // a widget of the control

        // In preview the hotspots are links.
        z.setImagemapMode(Zonecraft::PreviewMode);
        QCOMPARE(home->role(), QAccessible::Link);
        QVERIFY(home->state().linked);

        // Removing a figure leaves a child that is no longer there.
        QAccessibleInterface* last = map->child(2);
        z.RemoveFigure(3);
        QVERIFY(!last->isValid());
        QVERIFY(map->child(2)->object()); // the control's widgets move up
    }

    void boxesFollowTheZoomOnScreen()
    {
        ZonecraftFixture fx;
        Zonecraft& z = fx.z();
        addHotspots(z);
        z.show();
        QCoreApplication::processEvents();
        QWidget* picture = workPicture(z);
        QAccessibleInterface* map = QAccessible::queryAccessibleInterface(&z);
        QCOMPARE(map->child(0)->rect(),
            QRect(picture->mapToGlobal(QPoint(10, 20)), picture->mapToGlobal(QPoint(50, 40))));
        QCOMPARE(map->child(1)->rect(),
            QRect(picture->mapToGlobal(QPoint(180, 80)), picture->mapToGlobal(QPoint(220, 120))));
        const QRect home = map->child(0)->rect();
        QCOMPARE(map->childAt(home.center().x(), home.center().y()), map->child(0));

        z.setZoomLevel(200);
        QCoreApplication::processEvents();
        QCOMPARE(map->child(0)->rect(),
            QRect(picture->mapToGlobal(QPoint(20, 40)), picture->mapToGlobal(QPoint(100, 80))));
    }

    void selectedHotspotIsFocused()
    {
        ZonecraftFixture fx;
        Zonecraft& z = fx.z();
        addHotspots(z);
        z.show();
        workPicture(z)->setFocus();
        z.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&z));
        QAccessibleInterface* map = QAccessible::queryAccessibleInterface(&z);
        QVERIFY(!map->child(0)->state().selected);

        AccessibleEvents events(&z);
        z.ActivateHotspot(2);
        QCOMPARE(map->focusChild(), map->child(1));
        QVERIFY(map->child(1)->state().selected);
        QVERIFY(map->child(1)->state().focused);
        QVERIFY(!map->child(0)->state().selected);
        QCOMPARE(events.children(QAccessible::Selection), QList<int> { 1 });
        QCOMPARE(events.children(QAccessible::Focus), QList<int> { 1 });

        // A click on another hotspot moves the focus there.
        const QRect home = map->child(0)->rect();
        QTest::mouseClick(
            workPicture(z), Qt::LeftButton, {}, workPicture(z)->mapFromGlobal(home.center()));
        QCOMPARE(z.m_SelectedObject(), 1);
        QCOMPARE(map->focusChild(), map->child(0));
        QCOMPARE(events.children(QAccessible::Focus), (QList<int> { 1, 0 }));
    }
};

QTEST_MAIN(TestZonecraftAccessible)
#include "tst_zonecraftaccessible.moc"
