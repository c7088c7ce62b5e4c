#include <QLinearGradient>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <TestSupport.h>
#include <common/MousePointer.h>
#include <common/PictureBox.h>
#include <common/RuntimeError.h>
#include <limits>

namespace {

constexpr OLE_COLOR White = 0xFFFFFF;
constexpr OLE_COLOR Black = 0x000000;
constexpr OLE_COLOR Red = 0x0000FF;
constexpr OLE_COLOR Blue = 0xFF0000;
constexpr OLE_COLOR Grey = 0x808080;

// A white 100 x 80 box with a black pen.
std::unique_ptr<PictureBox> makeBox()
{
    auto box = std::make_unique<PictureBox>();
    box->resize(100, 80);
    box->setBackColor(White);
    box->setForeColor(Black);
    return box;
}

int countColour(const PictureBox& box, OLE_COLOR colour, const QRect& area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += box.Point(x, y) == qint32(colour) ? 1 : 0;
    return n;
}

QImage visible(const PictureBox& box)
{
    return box.screenLayer().copy(box.rect());
}

} // namespace

class TestPictureBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultsAndBadValues()
    {
        PictureBox box;
        QCOMPARE(box.AutoRedraw(), false);
        QCOMPARE(box.DrawMode(), qint16(PictureBox::CopyPen));
        QCOMPARE(box.DrawStyle(), qint16(PictureBox::Solid));
        QCOMPARE(box.DrawWidth(), qint16(1));
        QCOMPARE(box.FillStyle(), qint16(PictureBox::FillTransparent));
        QCOMPARE(box.BackColor(), OLE_COLOR(Zel::ButtonFaceColor));

        QCOMPARE(errorOf([&] { box.setDrawMode(0); }), 380);
        QCOMPARE(errorOf([&] { box.setDrawMode(17); }), 380);
        QCOMPARE(errorOf([&] { box.setDrawStyle(7); }), 380);
        QCOMPARE(errorOf([&] { box.setFillStyle(-1); }), 380);
        QCOMPARE(errorOf([&] { box.setDrawWidth(0); }), 380);
        QCOMPARE(errorOf([&] { box.setMousePointer(42); }), 380);
        // A refused value leaves the old one.
        QCOMPARE(box.DrawMode(), qint16(PictureBox::CopyPen));
        QCOMPARE(box.DrawWidth(), qint16(1));

        // Every setting is reachable through the meta-object, as designers and hosts use it.
        QVERIFY(box.setProperty("DrawWidth", QVariant::fromValue(qint16(3))));
        QCOMPARE(box.DrawWidth(), qint16(3));
        const StdFont font(QStringLiteral("DejaVu Sans"), 12);
        QVERIFY(box.setProperty("Font", QVariant::fromValue(font)));
        QVERIFY(box.Font().isSameObject(font));
        box.setDrawWidth(1);

        box.setMousePointer(Zel::PointerCross);
        QCOMPARE(box.cursor().shape(), Qt::CrossCursor);
        box.setMousePointer(Zel::PointerDefault);
        QCOMPARE(box.cursor().shape(), Qt::ArrowCursor);
    }

    void boxCornersAreInclusive()
    {
        auto box = makeBox();
        box->Line(7, 9, 2, 3, Red, PictureBox::LineKind::Box); // given corner to corner, reversed
        for (QPoint p :
            { QPoint(2, 3), QPoint(7, 3), QPoint(2, 9), QPoint(7, 9), QPoint(5, 3), QPoint(2, 6) })
            QCOMPARE(box->Point(p.x(), p.y()), qint32(Red));
        QCOMPARE(box->Point(8, 9), qint32(White));
        QCOMPARE(box->Point(7, 10), qint32(White));
        QCOMPARE(box->Point(4, 6), qint32(White)); // transparent fill
        QCOMPARE(box->CurrentX(), 2.0f);
        QCOMPARE(box->CurrentY(), 3.0f);

        box->Line(20, 20, 25, 24, Blue, PictureBox::LineKind::FilledBox);
        QCOMPARE(countColour(*box, Blue, QRect(15, 15, 20, 20)), 6 * 5);
        QCOMPARE(box->Point(25, 24), qint32(Blue));

        box->Line(40, 40, 50, 40);
        QCOMPARE(countColour(*box, Black, QRect(30, 35, 30, 10)), 11); // both ends drawn
    }

    void boxFillStyles()
    {
        auto box = makeBox();
        box->setFillColor(Blue);
        box->setFillStyle(PictureBox::FillSolid);
        box->Line(10, 10, 30, 30, Red, PictureBox::LineKind::Box);
        QCOMPARE(box->Point(10, 10), qint32(Red));
        QCOMPARE(box->Point(11, 11), qint32(Blue));
        QCOMPARE(box->Point(29, 20), qint32(Blue));
        QCOMPARE(countColour(*box, Blue, QRect(10, 10, 21, 21)), 19 * 19);

        box->setFillStyle(PictureBox::HorizontalLine);
        box->Line(40, 10, 70, 40, Red, PictureBox::LineKind::Box);
        int fullRows = 0;
        int emptyRows = 0;
        for (int y = 11; y <= 39; ++y) {
            const int n = countColour(*box, Blue, QRect(41, y, 29, 1));
            fullRows += n == 29 ? 1 : 0;
            emptyRows += n == 0 ? 1 : 0;
        }
        QVERIFY(fullRows >= 3);
        QCOMPARE(fullRows + emptyRows, 29);

        // Invisible outline: the fill alone.
        box->setFillStyle(PictureBox::FillSolid);
        box->setDrawStyle(PictureBox::Invisible);
        box->Line(75, 10, 90, 20, Red, PictureBox::LineKind::Box);
        QCOMPARE(countColour(*box, Red, QRect(74, 9, 18, 13)), 0);
        QCOMPARE(countColour(*box, Blue, QRect(74, 9, 18, 13)),
            15 * 10); // right and bottom edges left out
        box->Line(75, 30, 90, 40, Red, PictureBox::LineKind::FilledBox);
        QCOMPARE(countColour(*box, Red, QRect(74, 29, 18, 13)), 15 * 10);
    }

    void dottedAndWideOutlines()
    {
        auto box = makeBox();
        box->setDrawStyle(PictureBox::Dot);
        box->Line(0, 5, 59, 5);
        const int dotted = countColour(*box, Black, QRect(0, 5, 60, 1));
        QVERIFY(dotted > 20 && dotted < 40);

        box->setDrawStyle(PictureBox::Solid);
        box->setDrawWidth(3);
        box->Line(10, 20, 50, 20);
        QCOMPARE(countColour(*box, Black, QRect(30, 17, 1, 7)), 3);
    }

    void circleCoversCentrePlusMinusRadius()
    {
        auto box = makeBox();
        box->Circle(40, 30, 10, Red);
        for (QPoint p : { QPoint(30, 30), QPoint(50, 30), QPoint(40, 20), QPoint(40, 40) })
            QCOMPARE(box->Point(p.x(), p.y()), qint32(Red));
        for (QPoint p :
            { QPoint(29, 30), QPoint(51, 30), QPoint(40, 19), QPoint(40, 41), QPoint(40, 30) })
            QCOMPARE(box->Point(p.x(), p.y()), qint32(White));
        box->setFillStyle(PictureBox::FillSolid);
        box->setFillColor(Blue);
        box->Circle(40, 30, 10, Red);
        QCOMPARE(box->Point(40, 30), qint32(Blue));
    }

    void polygonWindingFill()
    {
        auto box = makeBox();
        box->setFillStyle(PictureBox::FillSolid);
        box->setFillColor(Blue);
        const QPolygon star(
            { QPoint(50, 0), QPoint(79, 70), QPoint(2, 26), QPoint(98, 26), QPoint(21, 70) });
        box->Polygon(star);
        QCOMPARE(box->Point(50, 38), qint32(Blue)); // the middle counts twice and stays filled
        QCOMPARE(box->Point(50, 0), qint32(Black));
        QCOMPARE(box->Point(1, 79), qint32(White));
    }

    void notXorTwiceRestores_data()
    {
        QTest::addColumn<int>("fillStyle");
        QTest::addColumn<int>("drawStyle");
        QTest::addColumn<int>("drawWidth");
        QTest::newRow("band") << 1 << 0 << 1;
        QTest::newRow("dotted band") << 1 << 2 << 1;
        QTest::newRow("filled") << 0 << 0 << 1;
        QTest::newRow("hatched wide") << 6 << 0 << 3;
    }

    void notXorTwiceRestores()
    {
        QFETCH(int, fillStyle);
        QFETCH(int, drawStyle);
        QFETCH(int, drawWidth);
        auto box = makeBox();
        box->setAutoRedraw(true);
        box->Line(0, 0, 99, 79, Grey, PictureBox::LineKind::FilledBox);
        box->Circle(30, 30, 20, Red);
        box->setAutoRedraw(false);
        const QImage before = visible(*box);

        box->setDrawMode(PictureBox::NotXorPen);
        box->setFillStyle(qint16(fillStyle));
        box->setFillColor(Blue);
        box->setDrawStyle(qint16(drawStyle));
        box->setDrawWidth(qint16(drawWidth));
        auto draw = [&] {
            box->Line(10, 10, 60, 50, Black, PictureBox::LineKind::Box);
            box->Circle(50, 40, 15);
            box->Polygon(QPolygon({ QPoint(5, 70), QPoint(40, 60), QPoint(90, 75) }));
            box->Line(0, 79, 99, 0);
            auto p = box->beginPaint();
            p->drawRect(70, 5, 20, 20);
            box->endPaint(std::move(p), QRect(70, 5, 21, 21));
        };
        draw();
        QVERIFY(visible(*box) != before);
        draw();
        QCOMPARE(visible(*box), before);
        QCOMPARE(box->persistentLayer().copy(box->rect()), before); // never touched
    }

    void rasterOpsMatchThePainter_data()
    {
        QTest::addColumn<int>("mode");
        for (int mode = 1; mode <= 16; ++mode)
            QTest::addRow("mode %d", mode) << mode;
    }

    void rasterOpsMatchThePainter()
    {
        // Thin outlines and straight lines take a short way; it must give
        // what the painter's raster operations give.
        QFETCH(int, mode);
        auto prepare = [&] {
            auto box = makeBox();
            auto p = box->beginPaint();
            QLinearGradient gradient(0, 0, 100, 80);
            gradient.setColorAt(0, QColor(0x12, 0x9A, 0xF0));
            gradient.setColorAt(1, QColor(0xE4, 0x31, 0x5C));
            p->fillRect(0, 0, 100, 80, gradient);
            box->endPaint(std::move(p));
            box->setDrawMode(qint16(mode));
            box->setForeColor(0x3366CC);
            return box;
        };
        auto quick = prepare();
        quick->Line(60, 70, 10, 5, {}, PictureBox::LineKind::Box);
        quick->Line(20, 40, 90, 40);
        quick->Line(95, 2, 95, 78);
        auto painted = prepare();
        auto p = painted->beginPaint();
        p->drawRect(10, 5, 50, 65);
        p->drawLine(20, 40, 90, 40);
        p->drawLine(95, 2, 95, 78);
        painted->endPaint(std::move(p));
        QCOMPARE(visible(*quick), visible(*painted));
    }

    void notXorTouchesEachPixelOnce()
    {
        // A black pen in not-xor mode turns white black; a pixel drawn twice
        // in one call would come back white.
        auto box = makeBox();
        box->setDrawMode(PictureBox::NotXorPen);
        box->setFillStyle(PictureBox::FillSolid);
        box->setFillColor(Black);
        box->Line(10, 10, 30, 30, Black, PictureBox::LineKind::Box);
        QCOMPARE(countColour(*box, Black, QRect(10, 10, 21, 21)), 21 * 21);
        box->Polygon(QPolygon({ QPoint(40, 10), QPoint(60, 10), QPoint(60, 30), QPoint(40, 30) }));
        QCOMPARE(countColour(*box, White, QRect(41, 11, 19, 19)), 0);
        QCOMPARE(box->Point(40, 10), qint32(Black));
        box->Circle(80, 50, 10);
        QCOMPARE(box->Point(80, 50), qint32(Black));
        QCOMPARE(box->Point(70, 50), qint32(Black));
        QCOMPARE(box->Point(71, 50), qint32(Black));
    }

    void wildCoordinatesDoNoHarm()
    {
        auto box = makeBox();
        const float nan = std::numeric_limits<float>::quiet_NaN();
        const float inf = std::numeric_limits<float>::infinity();
        box->setFillStyle(PictureBox::FillSolid);
        box->Line(nan, 0, inf, -inf, Red, PictureBox::LineKind::Box);
        box->Line(-1e30f, 5, 1e30f, 5, Red);
        QCOMPARE(box->Point(50, 5), qint32(Red));
        box->Circle(50, 40, 1e30f, Red);
        box->setDrawMode(PictureBox::NotXorPen);
        box->Circle(50, 40, 3e6f, Red);
        box->Polygon(
            QPolygon({ QPoint(-2000000000, 0), QPoint(2000000000, 10), QPoint(0, 2000000000) }));
        box->PaintPicture(StdPicture(QImage(4, 4, QImage::Format_RGB32)), 0, 0, 1e30f, nan);
        box->PSet(inf, nan, Red);
        QCOMPARE(box->Point(nan, 0), box->Point(0, 0));
        QCOMPARE(box->Point(1e30f, 0), -1);
        // A layer a caller swapped for another size and format is taken in.
        box->setAutoRedraw(true);
        box->setDrawMode(PictureBox::CopyPen);
        QImage other(30, 20, QImage::Format_ARGB32);
        other.fill(Qt::green);
        box->drawingLayer() = other;
        box->Line(1, 1, 5, 5, Red);
        QCOMPARE(box->Point(3, 3), qint32(Red));
        box->Refresh();
        QCOMPARE(box->Point(10, 3), qint32(0x00FF00));
        QCOMPARE(box->Point(50, 50), qint32(White)); // grown back to the widget's size
        box->drawingLayer() = QImage(100, 80, QImage::Format_Indexed8);
        box->Line(1, 1, 5, 5);
        box->Refresh();
    }

    void autoRedrawLayers()
    {
        auto box = makeBox();
        QSignalSpy paints(box.get(), &PictureBox::Paint);

        // Off: only the screen; Refresh wipes it and asks for a repaint.
        box->PSet(5, 5, Red);
        QCOMPARE(box->Point(5, 5), qint32(Red));
        QCOMPARE(box->persistentLayer().pixelColor(5, 5), QColor(Qt::white));
        box->Refresh();
        QCOMPARE(box->Point(5, 5), qint32(White));
        QCOMPARE(paints.count(), 1);

        // On: persistent, shown at once, and kept by Refresh and by Cls while off.
        box->setAutoRedraw(true);
        box->PSet(6, 6, Red);
        QCOMPARE(box->Point(6, 6), qint32(Red));
        box->setAutoRedraw(false);
        box->PSet(7, 7, Blue);
        box->setCurrentX(33);
        box->Cls();
        QCOMPARE(box->Point(6, 6), qint32(Red));
        QCOMPARE(box->Point(7, 7), qint32(White));
        QCOMPARE(box->CurrentX(), 0.0f);
        QCOMPARE(paints.count(), 2);

        // Cls while on clears the persistent drawing too.
        box->setAutoRedraw(true);
        box->Cls();
        QCOMPARE(box->Point(6, 6), qint32(White));
        QCOMPARE(box->persistentLayer().pixelColor(6, 6), QColor(Qt::white));

        // A new back colour clears everything.
        box->PSet(8, 8, Red);
        box->setBackColor(Grey);
        QCOMPARE(box->Point(8, 8), qint32(Grey));
        QCOMPARE(box->Point(200, 8), -1);
    }

    void paintHandlerMayClearAndRefresh()
    {
        auto box = makeBox();
        int paints = 0;
        connect(box.get(), &PictureBox::Paint, this, [&] {
            ++paints;
            box->Cls();
            box->Refresh();
            box->PSet(1, 1, Red);
        });
        box->Refresh();
        QCOMPARE(paints, 1);
        QCOMPARE(box->Point(1, 1), qint32(Red));
    }

    void customPointer()
    {
        PictureBox box;
        QImage icon(16, 16, QImage::Format_ARGB32);
        icon.fill(Qt::red);
        box.setMousePointer(Zel::PointerCustom);
        box.setMouseIcon(StdPicture(icon, StdPicture::Icon));
        QCOMPARE(box.cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(box.cursor().pixmap().size(), QSize(16, 16));
        box.setMousePointer(Zel::PointerSizeNS);
        QCOMPARE(box.cursor().shape(), Qt::SizeVerCursor);
    }

    void pictureLiesUnderCls()
    {
        auto box = makeBox();
        QImage image(10, 10, QImage::Format_RGB32);
        image.fill(Qt::green);
        box->setPicture(StdPicture(image));
        QCOMPARE(box->Point(5, 5), qint32(0x00FF00));
        box->setAutoRedraw(true);
        box->Line(0, 0, 20, 20, Red, PictureBox::LineKind::FilledBox);
        box->Cls();
        QCOMPARE(box->Point(5, 5), qint32(0x00FF00));
        QCOMPARE(box->Point(15, 15), qint32(White));

        box->PaintPicture(StdPicture(image), 30, 30, 20, 5);
        QCOMPARE(countColour(*box, 0x00FF00, QRect(25, 25, 30, 15)), 100);
    }

    void layersGrowAndKeepContent()
    {
        auto box = makeBox();
        QSignalSpy resizes(box.get(), &PictureBox::Resize);
        box->setAutoRedraw(true);
        box->PSet(90, 70, Red);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        box->resize(50, 40);
        box->resize(160, 120);
        QTRY_VERIFY(resizes.count() >= 2);
        QCOMPARE(box->Point(90, 70), qint32(Red));
        QCOMPARE(box->Point(150, 110), qint32(White));
        QVERIFY(box->persistentLayer().width() >= 160);
        box->PSet(150, 110, Blue);
        QCOMPARE(box->Point(150, 110), qint32(Blue));
        // The widget shows the screen layer.
        QCOMPARE(box->grab().toImage().pixelColor(150, 110), QColor(Qt::blue));
    }

    void textAndMetrics()
    {
        auto box = makeBox();
        StdFont font(QStringLiteral("DejaVu Sans"), 10);
        box->setFont(font);
        const int h = box->TextHeight(QStringLiteral("Ag"));
        QVERIFY(h > 8);
        QCOMPARE(box->TextHeight(QStringLiteral("A\nB")), 2 * h);
        QVERIFY(box->TextWidth(QStringLiteral("WWW")) > box->TextWidth(QStringLiteral("W")));
        QCOMPARE(box->TextWidth(QStringLiteral("ii\nWWW")), box->TextWidth(QStringLiteral("WWW")));

        box->setCurrentX(10);
        box->setCurrentY(5);
        box->Print(QStringLiteral("Hello"));
        QCOMPARE(box->CurrentY(), float(5 + h));
        QCOMPARE(box->CurrentX(), 0.0f);
        QVERIFY(
            countColour(*box, Black, QRect(10, 5, box->TextWidth(QStringLiteral("Hello")), h)) > 5);
        QCOMPARE(countColour(*box, Black, QRect(0, 5 + h, 100, 80 - 5 - h)), 0);

        // The font is held by reference: later edits of the host's object show.
        font.setSize(20);
        QVERIFY(box->TextHeight(QStringLiteral("Ag")) > h);
    }

    void mouseNotifications()
    {
        auto box = makeBox();
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        QStringList log;
        connect(box.get(), &PictureBox::MouseDown, this, [&](int b, int s, float x, float y) {
            log << QStringLiteral("down %1 %2 %3 %4").arg(b).arg(s).arg(x).arg(y);
        });
        connect(box.get(), &PictureBox::MouseUp, this, [&](int b, int s, float x, float y) {
            log << QStringLiteral("up %1 %2 %3 %4").arg(b).arg(s).arg(x).arg(y);
        });
        connect(box.get(), &PictureBox::Click, this, [&] { log << QStringLiteral("click"); });
        connect(box.get(), &PictureBox::DblClick, this, [&] { log << QStringLiteral("dblclick"); });

        QTest::mouseClick(box.get(), Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 12));
        QTest::mouseClick(
            box.get(), Qt::RightButton, Qt::ControlModifier | Qt::AltModifier, QPoint(3, 4));
        QCOMPARE(log,
            QStringList({ QStringLiteral("down 1 1 10 12"), QStringLiteral("up 1 1 10 12"),
                QStringLiteral("click"), QStringLiteral("down 2 6 3 4"),
                QStringLiteral("up 2 6 3 4"), QStringLiteral("click") }));
        log.clear();
        QTest::mouseDClick(box.get(), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(log.contains(QStringLiteral("dblclick")));
        QCOMPARE(log.count(QStringLiteral("click")),
            log.indexOf(QStringLiteral("dblclick")) > 0 ? 1 : 0);

        // A receiver that throws does not take the event loop down.
        connect(box.get(), &PictureBox::MouseMove, this,
            [](int, int, float, float) { throw RuntimeError(RuntimeError::InvalidProcedureCall); });
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("error 5")));
        QTest::mouseMove(box.get(), QPoint(20, 20));
    }

    void keysCanBeSwallowed()
    {
        QWidget parent;
        PictureBox* box = new PictureBox(&parent);
        int parentKeys = 0;
        struct Filter : QObject
        {
            int* count;
            explicit Filter(int* c)
                : count(c)
            { }
            bool eventFilter(QObject*, QEvent* e) override
            {
                if (e->type() == QEvent::KeyPress)
                    ++*count;
                return false;
            }
        } filter(&parentKeys);
        parent.installEventFilter(&filter);

        QList<int> downs;
        QList<int> presses;
        bool swallow = false;
        connect(box, &PictureBox::KeyDown, this, [&](int& code, int shift) {
            downs << code << shift;
            if (swallow)
                code = 0;
        });
        connect(box, &PictureBox::KeyPress, this, [&](int& ascii) { presses << ascii; });

        QTest::keyClick(box, Qt::Key_A);
        QCOMPARE(downs, QList<int>({ 0x41, 0 }));
        QCOMPARE(presses, QList<int>({ 'a' }));
        QCOMPARE(parentKeys, 1); // not handled: passed on

        swallow = true;
        QTest::keyClick(box, Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(downs.mid(downs.size() - 2), QList<int>({ 0x25, 1 }));
        QCOMPARE(parentKeys, 1);
        QTest::keyClick(box, Qt::Key_B);
        QCOMPARE(presses.size(), 1); // swallowed before KeyPress
    }

    void focusNotifications()
    {
        QWidget window;
        auto* first = new PictureBox(&window);
        auto* second = new PictureBox(&window);
        second->move(0, 100);
        QSignalSpy got(first, &PictureBox::GotFocus);
        QSignalSpy lost(first, &PictureBox::LostFocus);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        first->setFocus();
        QTRY_COMPARE(got.count(), 1);
        QCOMPARE(lost.count(), 0);
        second->setFocus();
        QTRY_COMPARE(lost.count(), 1);
    }
    void layerWindowHoldsOnlyItsPart()
    {
        // A 1000 x 800 surface that holds 200 x 150 of itself; a content
        // painter stands for the owner's persistent drawing (a blue row).
        auto box = makeBox();
        box->resize(1000, 800);
        box->setContentPainter([](QPainter& p, const QRect&) {
            p.fillRect(QRect(0, 130, 1000, 1), QColor(Qt::blue));
        });
        box->setLayerWindow(QRect(100, 100, 200, 150), PictureBox::WindowChange::Discard);
        QCOMPARE(box->layerRect(), QRect(100, 100, 200, 150));
        QCOMPARE(box->persistentLayer().size(), QSize(200, 150));
        QCOMPARE(box->Point(150, 130), qint32(White)); // discarded: background only

        // Drawing keeps widget coordinates.
        box->setAutoRedraw(true);
        box->Line(0, 120, 999, 120, Red);
        box->Line(0, 130, 999, 130, Blue);
        box->setAutoRedraw(false);
        box->Line(0, 140, 999, 140, Red); // a mark on the screen layer only
        QCOMPARE(box->persistentLayer().pixelColor(50, 20), QColor(Qt::red));
        QCOMPARE(box->Point(150, 120), qint32(Red));
        QCOMPARE(box->Point(150, 140), qint32(Red));
        // Outside the window the surface shows its background and content.
        QCOMPARE(box->Point(50, 120), qint32(White));
        QCOMPARE(box->Point(50, 130), qint32(Blue));

        // Moved: the shared part keeps everything, the new part is produced.
        box->setLayerWindow(QRect(150, 110, 200, 150));
        QCOMPARE(box->Point(200, 120), qint32(Red));
        QCOMPARE(box->Point(200, 140), qint32(Red));
        QCOMPARE(box->Point(320, 120), qint32(White));
        QCOMPARE(box->Point(320, 140), qint32(White));
        QCOMPARE(box->Point(320, 130), qint32(Blue));
        // Clipped to the widget, at least one pixel.
        box->setLayerWindow(QRect(900, 700, 500, 500));
        QCOMPARE(box->layerRect(), QRect(900, 700, 100, 100));
        box->setLayerWindow(QRect(2000, 2000, 10, 10));
        QCOMPARE(box->persistentLayer().size(), QSize(1, 1));
        box->clearLayerWindow();
        QCOMPARE(box->layerRect(), QRect(0, 0, 1000, 800));
    }
};

QTEST_MAIN(TestPictureBox)
#include "tst_picturebox.moc"
