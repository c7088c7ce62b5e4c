// The studio's zoom through its window: the View menu, the toolbar and its
// zoom box, the shortcuts and Ctrl+wheel, and a large picture at 500 %.

#include "MapDocument.h"
#include "StudioWindow.h"

#include <QAction>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>
#include <common/PictureBox.h>
#include <zonecraft/Zonecraft.h>

namespace {

// The resident size of this process in MiB.
double residentMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return -1;
}

// A shown, active window on a picture of its own; no question is expected.
struct ZoomStudio
{
    StudioWindow window;
    QStringList told;

    explicit ZoomStudio(const QString& picture)
    {
        StudioPrompts& p = window.prompts();
        p.askToSave = [](const QString&) { return StudioPrompts::SaveChoice::Discard; };
        p.tell = [this](const QString&, const QString& message) { told << message; };
        window.resize(1100, 760);
        if (!window.newDocument(picture))
            qFatal("cannot open %s", qPrintable(picture));
        window.show();
        window.activateWindow();
    }

    Zonecraft* map() const { return window.map(); }
    QAction* action(const char* name) const
    {
        return window.findChild<QAction*>(QLatin1String(name));
    }
    QSpinBox* box() const { return window.findChild<QSpinBox*>(QStringLiteral("zoomBox")); }
    QWidget* viewport() const { return map()->findChild<QWidget*>(QStringLiteral("Picture3")); }
    QScrollBar* bar(const char* name) const
    {
        return map()->findChild<QScrollBar*>(QLatin1String(name));
    }
    QSize workSize() const { return map()->WorkPicture()->size(); }
};

} // namespace

class TestStudioZoom : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void menuToolbarShortcutsAndBox();
    void boxFollowsTheMap();
    void wheelZoomsAboutTheMouseAndScrolls();
    void largePictureAt500();

private:
    QString picture(int width, int height);
    QTemporaryDir m_dir;
};

void TestStudioZoom::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("ZelTest"));
    QCoreApplication::setApplicationName(QStringLiteral("tst_studio_zoom"));
    QVERIFY(m_dir.isValid());
}

// A white picture with a red square of 10 pixels in its bottom right corner.
QString TestStudioZoom::picture(int width, int height)
{
    const QString file = m_dir.filePath(QStringLiteral("plan-%1x%2.png").arg(width).arg(height));
    if (QFile::exists(file))
        return file;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = height - 10; y < height; ++y)
        for (int x = width - 10; x < width; ++x)
            image.setPixel(x, y, qRgb(255, 0, 0));
    if (!image.save(file))
        qFatal("cannot write %s", qPrintable(file));
    return file;
}

void TestStudioZoom::menuToolbarShortcutsAndBox()
{
    ZoomStudio studio(picture(300, 200));
    QVERIFY(QTest::qWaitForWindowActive(&studio.window));
    Zonecraft* map = studio.map();
    QCOMPARE(studio.window.zoom(), 100);
    QCOMPARE(studio.box()->value(), 100);
    QCOMPARE(studio.box()->suffix(), QStringLiteral(" %"));
    QCOMPARE(studio.box()->minimum(), 20);
    QCOMPARE(studio.box()->maximum(), 500);

    // The View menu holds every zoom action.
    QStringList inView;
    for (QAction* menu : studio.window.menuBar()->actions()) {
        if (menu->text().remove(QLatin1Char('&')) == QLatin1String("View")) {
            for (QAction* a : menu->menu()->actions())
                inView << a->objectName();
        }
    }
    for (const char* name :
        { "actionZoomIn", "actionZoomOut", "actionActualSize", "actionZoomToFit" })
        QVERIFY2(inView.contains(QLatin1String(name)), name);

    studio.action("actionZoomIn")->trigger();
    QCOMPARE(map->ZoomLevel(), 200);
    QCOMPARE(studio.workSize(), QSize(600, 400));
    QCOMPARE(studio.box()->value(), 200);

    // The toolbar's buttons are the same actions.
    auto* toolBar = studio.window.findChild<QToolBar*>(QStringLiteral("toolsToolBar"));
    auto* zoomOut
        = qobject_cast<QToolButton*>(toolBar->widgetForAction(studio.action("actionZoomOut")));
    QVERIFY(zoomOut);
    QTest::mouseClick(zoomOut, Qt::LeftButton);
    QCOMPARE(map->ZoomLevel(), 100);
    QCOMPARE(studio.box()->value(), 100);

    QTest::keySequence(&studio.window, QKeySequence::ZoomIn);
    QCOMPARE(map->ZoomLevel(), 200);
    QTest::keySequence(&studio.window, QKeySequence::ZoomIn);
    QCOMPARE(map->ZoomLevel(), 300);
    QTest::keySequence(&studio.window, QKeySequence::ZoomOut);
    QCOMPARE(map->ZoomLevel(), 200);
    QTest::keySequence(&studio.window, QKeySequence(QStringLiteral("Ctrl+0")));
    QCOMPARE(map->ZoomLevel(), 100);
    QCOMPARE(studio.workSize(), QSize(300, 200));

    // A level typed into the box, also one between the steps; the steps go
    // on from there.
    studio.box()->setValue(250);
    QCOMPARE(map->ZoomLevel(), 250);
    QCOMPARE(studio.workSize(), QSize(750, 500));
    studio.action("actionZoomIn")->trigger();
    QCOMPARE(map->ZoomLevel(), 300);

    // The ends: 500 and 20, where the step that would pass them is off.
    for (int i = 0; i < 5; ++i)
        studio.action("actionZoomIn")->trigger();
    QCOMPARE(map->ZoomLevel(), 500);
    QVERIFY(!studio.action("actionZoomIn")->isEnabled());
    for (int i = 0; i < 10; ++i)
        studio.action("actionZoomOut")->trigger();
    QCOMPARE(map->ZoomLevel(), 20);
    QCOMPARE(studio.box()->value(), 20);
    QCOMPARE(studio.workSize(), QSize(60, 40));
    QVERIFY(!studio.action("actionZoomOut")->isEnabled());
    QVERIFY(studio.action("actionZoomIn")->isEnabled());

    // Fit: the largest level at which the whole picture shows.
    studio.action("actionZoomToFit")->trigger();
    const QSize viewport = studio.viewport()->size();
    const int fit = map->ZoomLevel();
    QVERIFY(fit > 100);
    QCOMPARE(studio.box()->value(), fit);
    QVERIFY(studio.workSize().width() <= viewport.width());
    QVERIFY(studio.workSize().height() <= viewport.height());
    QVERIFY(3 * (fit + 1) > viewport.width() || 2 * (fit + 1) > viewport.height());
}

void TestStudioZoom::boxFollowsTheMap()
{
    ZoomStudio studio(picture(300, 200));
    Zonecraft* map = studio.map();
    // Zooms the window did not make: the box shows what the map reports.
    map->setZoomLevel(400);
    QCOMPARE(studio.box()->value(), 400);
    QCOMPARE(studio.window.zoom(), 400);
    studio.action("actionZoomOut")->trigger();
    QCOMPARE(map->ZoomLevel(), 300);
    // A new picture shows at 100 %, and the map says so.
    QVERIFY(studio.window.newDocument(picture(320, 240)));
    QCOMPARE(studio.box()->value(), 100);
    QCOMPARE(studio.workSize(), QSize(320, 240));
    studio.action("actionZoomIn")->trigger();
    QCOMPARE(map->ZoomLevel(), 200);
}

void TestStudioZoom::wheelZoomsAboutTheMouseAndScrolls()
{
    ZoomStudio studio(picture(800, 600));
    QVERIFY(QTest::qWaitForWindowExposed(&studio.window));
    Zonecraft* map = studio.map();
    PictureBox* work = map->WorkPicture();
    const auto wheel = [&](QPoint at, int dy, Qt::KeyboardModifiers modifiers) {
        QWheelEvent event(QPointF(at), QPointF(work->mapToGlobal(at)), QPoint(), QPoint(0, dy),
            Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(work, &event);
    };

    // Ctrl+wheel a notch up at the picture point (100, 80): 200 %, and the
    // point stays under the mouse.
    const QPoint mouse(100, 80);
    const QPoint inViewport = work->mapTo(studio.viewport(), mouse);
    wheel(mouse, 120, Qt::ControlModifier);
    QCOMPARE(map->ZoomLevel(), 200);
    QCOMPARE(studio.box()->value(), 200);
    QCOMPARE(work->mapFrom(studio.viewport(), inViewport), mouse * 2);
    // Half a notch twice is one step.
    wheel(mouse * 2, 60, Qt::ControlModifier);
    QCOMPARE(map->ZoomLevel(), 200);
    wheel(mouse * 2, 60, Qt::ControlModifier);
    QCOMPARE(map->ZoomLevel(), 300);
    wheel(mouse * 3, -120, Qt::ControlModifier);
    QCOMPARE(map->ZoomLevel(), 200);

    // The plain wheel scrolls down and up.
    QScrollBar* vBar = studio.bar("VScroll1");
    const int before = vBar->value();
    wheel(QPoint(50, 50) - work->pos(), -120, Qt::NoModifier);
    QCOMPARE(vBar->value(), std::min(vBar->maximum(), before + vBar->singleStep()));
    QCOMPARE(work->y(), -vBar->value());
    QCOMPARE(map->ZoomLevel(), 200);
}

void TestStudioZoom::largePictureAt500()
{
    ZoomStudio studio(picture(4000, 3000));
    QVERIFY(QTest::qWaitForWindowExposed(&studio.window));
    Zonecraft* map = studio.map();
    studio.box()->setValue(500);
    QCOMPARE(map->ZoomLevel(), 500);
    QCOMPARE(studio.workSize(), QSize(20000, 15000));
    QScrollBar* hBar = studio.bar("HScroll1");
    QScrollBar* vBar = studio.bar("VScroll1");
    QVERIFY(hBar->isEnabled() && vBar->isEnabled());
    // To the far corner, a page at a time, painting on the way.
    while (vBar->value() < vBar->maximum()) {
        vBar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCoreApplication::processEvents();
    }
    while (hBar->value() < hBar->maximum()) {
        hBar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCoreApplication::processEvents();
    }
    QWidget* viewport = studio.viewport();
    const QImage shown = viewport->grab().toImage();
    // The red corner of the picture, 50 x 50 pixels at 500 %, ends the view.
    const QPoint corner(shown.width() - 1, shown.height() - 1);
    QCOMPARE(QColor(shown.pixel(corner)), QColor(Qt::red));
    QCOMPARE(QColor(shown.pixel(corner - QPoint(49, 49))), QColor(Qt::red));
    QCOMPARE(QColor(shown.pixel(corner - QPoint(50, 50))), QColor(Qt::white));
    QCOMPARE(map->WorkPicture()->layerRect().size(), viewport->size());
    // The zoomed picture alone would be 1.2 GB; what the process holds is the
    // picture a few times over and the viewport's layers.
    // AddressSanitizer's shadow memory and quarantine add to the resident size, so the
    // bound is only a measure of the studio in a plain build.
    const double resident = residentMiB();
#if defined(__SANITIZE_ADDRESS__)
    Q_UNUSED(resident);
#else
    QVERIFY2(resident < 250, qPrintable(QString::number(resident)));
#endif
    QVERIFY(studio.told.isEmpty());
}

QTEST_MAIN(TestStudioZoom)
#include "tst_studio_zoom.moc"
