#include <QTest>
#include <tabulon/editors/Lib_SplitterBar.h>

using namespace Tabulon;

class TestSplitterBar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bordersFollowTheOrientation()
    {
        Lib_SplitterBar bar;
        QCOMPARE(bar.Orientation(), 1);
        QCOMPARE(bar.Border(1), 64);
        QCOMPARE(bar.Border(2), 0);
        bar.setOrientation(2);
        QCOMPARE(bar.Border(1), 0);
        QCOMPARE(bar.Border(2), 64);
        QCOMPARE(bar.Border(4), 64);
        bar.setBorder(0, 5);
        bar.setBorder(5, 5);
        QCOMPARE(bar.Border(0), 0);
        QCOMPARE(bar.Border(5), 0);
        bar.setSPValues(9, 100);
        QCOMPARE(bar.SPValues(9), 0);
    }

    void releaseWithoutPressDoesNothing()
    {
        QWidget window;
        window.resize(200, 200);
        QWidget split(&window);
        split.setGeometry(0, 150, 200, 50);
        Lib_SplitterBar bar;
        bar.setOrientation(2);
        bar.setSplitObject(&split);
        QVERIFY(!bar.SplitterContainer_MouseUp(10, 40));
        QCOMPARE(split.y(), 150);
        QCOMPARE(split.cursor().shape(), Qt::SizeVerCursor);
    }

    void dragStaysInsideTheAllowedArea()
    {
        QWidget window;
        window.resize(200, 300);
        QWidget split(&window);
        split.setGeometry(0, 200, 200, 100);
        Lib_SplitterBar bar;
        bar.setOrientation(2);
        bar.setBorder(2, 30);
        bar.setBorder(4, 30);
        bar.setSplitObject(&split);
        window.show();

        bar.SplitterMouseDown(&window, 50, 205);
        QVERIFY(bar.isDragging());
        QCOMPARE(bar.barRect(), QRect(0, 201, 200, 6));
        bar.SplitterContainer_MouseMove(50, -100);
        QCOMPARE(bar.clampedPointer().y(), 30);
        QCOMPARE(bar.barRect(), QRect(0, 26, 200, 6));
        bar.SplitterContainer_MouseMove(50, 1000);
        QCOMPARE(bar.clampedPointer().y(), 269);
        QVERIFY(bar.SplitterContainer_MouseUp(50, 120));
        QVERIFY(!bar.isDragging());
        QCOMPARE(split.y(), 116);
        QVERIFY(!bar.SplitterContainer_MouseUp(50, 120));
    }

    void verticalBarKeepsClearOfTheLeftBorder()
    {
        QWidget window;
        window.resize(300, 200);
        QWidget split(&window);
        split.setGeometry(150, 0, 150, 200);
        Lib_SplitterBar bar;
        bar.setSplitObject(&split);
        QCOMPARE(split.cursor().shape(), Qt::SizeHorCursor);
        bar.SplitterMouseDown(&window, 100, 50);
        QCOMPARE(bar.barRect(), QRect(99, 0, 6, 200));
        bar.SplitterContainer_MouseMove(0, 50); // the left border (64) and 10 more
        QCOMPARE(bar.clampedPointer().x(), 74);
        QCOMPARE(bar.barRect(), QRect(73, 0, 6, 200));
        bar.SplitterContainer_MouseMove(299, 50); // the right border (64)
        QCOMPARE(bar.clampedPointer().x(), 235);
        QVERIFY(bar.SplitterContainer_MouseUp(150, 50));
        QCOMPARE(split.x(), 150);
        QCOMPARE(split.y(), 0);
    }

    void halfToneBarInvertsWhatIsBelow()
    {
        QWidget window;
        window.resize(200, 200);
        window.setAutoFillBackground(true);
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, Qt::black);
        window.setPalette(palette);
        Lib_SplitterBar bar;
        bar.setOrientation(2);
        window.show();
        bar.SplitterMouseDown(&window, 50, 100);
        const QImage image = window.grab().toImage();
        // A checkerboard: neighbouring pixels of the bar differ, one of them inverted to white.
        const QColor a = image.pixelColor(10, 98);
        const QColor b = image.pixelColor(11, 98);
        QVERIFY(a != b);
        QVERIFY(a == QColor(Qt::white) || b == QColor(Qt::white));
        QCOMPARE(image.pixelColor(10, 150), QColor(Qt::black));
        bar.SplitterContainer_MouseUp(50, 100);
        QCOMPARE(window.grab().toImage().pixelColor(10, 98), QColor(Qt::black));
    }
};

QTEST_MAIN(TestSplitterBar)
#include "tst_splitterbar.moc"
