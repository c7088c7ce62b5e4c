#include <QTest>
#include <common/DropDown.h>

class TestDropDown : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void position_data()
    {
        QTest::addColumn<QRect>("control");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("expected");
        const QSize popup(180, 180);
        QTest::newRow("room below") << QRect(100, 100, 120, 20) << popup << QPoint(100, 120);
        QTest::newRow("exactly fits below")
            << QRect(100, 400, 120, 20) << popup << QPoint(100, 420);
        QTest::newRow("one pixel short below")
            << QRect(100, 401, 120, 20) << popup << QPoint(100, 221);
        QTest::newRow("right edge kept on the screen")
            << QRect(700, 100, 120, 20) << popup << QPoint(620, 120);
        QTest::newRow("left edge kept on the screen")
            << QRect(-50, 100, 120, 20) << popup << QPoint(0, 120);
        QTest::newRow("wider than the screen")
            << QRect(100, 100, 120, 20) << QSize(900, 100) << QPoint(0, 120);
    }
    void position()
    {
        QFETCH(QRect, control);
        QFETCH(QSize, size);
        QFETCH(QPoint, expected);
        // A screen of 800 x 600.
        QCOMPARE(Zel::dropDownPosition(control, size, QRect(0, 0, 800, 600)), expected);
    }
};

QTEST_MAIN(TestDropDown)
#include "tst_dropdown.moc"
