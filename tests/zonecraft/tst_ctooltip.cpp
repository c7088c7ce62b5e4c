// The tip window over a parent's client area: building, looks, timing and lifetime.

#include "graphics/CTooltip.h"
#include "graphics/CTooltipWindow.h"

#include <QApplication>
#include <QPainter>
#include <QTest>
#include <memory>

namespace {

// Pixels of \a color inside \a rect of \a image.
int countColor(const QImage& image, const QRect& rect, const QColor& color)
{
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            n += image.pixelColor(x, y) == color ? 1 : 0;
    return n;
}

QImage imageOf(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestCTooltip : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void withoutParentNoWindow();
    void coversTheParentAsCreated();
    void coloursSentOnlyWhenNotSystem();
    void textAndColoursPainted();
    void titleLine();
    void balloonHangsFromThePointer();
    void centeredUnderTheArea();
    void showsAfterRestingHidesOnPress();
    void lifetime();

private:
    std::unique_ptr<QWidget> parent;
};

void TestCTooltip::init()
{
    parent = std::make_unique<QWidget>();
    parent->setGeometry(100, 100, 240, 120);
    parent->show();
    QVERIFY(QTest::qWaitForWindowExposed(parent.get()));
}

void TestCTooltip::cleanup()
{
    parent.reset();
}

void TestCTooltip::withoutParentNoWindow()
{
    CTooltip tip;
    tip.setText(QStringLiteral("alone"));
    QVERIFY(tip.Create());
    QCOMPARE(tip.tipWindow(), nullptr);
    QCOMPARE(CTooltip::SystemToolTipForeColor(), OLE_COLOR(0x80000017));
    QCOMPARE(CTooltip::SystemToolTipBackColor(), OLE_COLOR(0x80000018));
    // The stored-only flag keeps what it is given.
    QVERIFY(tip.MultiLine());
    tip.setMultiLine(false);
    QVERIFY(!tip.MultiLine());
}

void TestCTooltip::coversTheParentAsCreated()
{
    CTooltip tip;
    tip.setHwndParentControl(parent.get());
    tip.setText(QStringLiteral("Home page"));
    QVERIFY(tip.Create());
    CTooltipWindow* window = tip.tipWindow();
    QVERIFY(window);
    QVERIFY(window->isWindow());
    QCOMPARE(window->settings().toolRect, QRect(0, 0, 240, 120));
    QCOMPARE(window->settings().text, QStringLiteral("Home page"));
    QVERIFY(!window->settings().balloon);
    QVERIFY(!window->isVisible()); // it waits for the pointer
    // The area is fixed when the tip is built.
    parent->resize(400, 300);
    QCOMPARE(window->settings().toolRect, QRect(0, 0, 240, 120));
    window->showAt(QPoint(300, 200));
    QVERIFY(!window->isVisible());
    window->showAt(QPoint(20, 20));
    QVERIFY(window->isVisible());
}

void TestCTooltip::coloursSentOnlyWhenNotSystem()
{
    CTooltip tip;
    tip.setHwndParentControl(parent.get());
    QVERIFY(tip.Create());
    QVERIFY(!tip.tipWindow()->settings().textColor);
    QVERIFY(!tip.tipWindow()->settings().backColor);

    // Black is a colour like any other: it is sent.
    tip.setForeColor(0);
    tip.setBackColor(0x80000018);
    QVERIFY(tip.Create());
    QCOMPARE(tip.tipWindow()->settings().textColor, std::optional<QColor>(QColor(Qt::black)));
    QVERIFY(!tip.tipWindow()->settings().backColor);

    tip.setBackColor(0x00FFFF); // yellow
    QVERIFY(tip.Create());
    QCOMPARE(tip.tipWindow()->settings().backColor, std::optional<QColor>(QColor(255, 255, 0)));
}

void TestCTooltip::textAndColoursPainted()
{
    CTooltip tip;
    tip.setHwndParentControl(parent.get());
    tip.setText(QStringLiteral("W&W MMM"));
    QVERIFY(tip.Create());
    CTooltipWindow* window = tip.tipWindow();
    window->showAt(QPoint(10, 10));
    QImage plain = imageOf(window);
    const TipLayout layout = window->currentLayout();
    const QColor tipBack = window->palette().color(QPalette::ToolTipBase);
    const QColor tipText = window->palette().color(QPalette::ToolTipText);
    QCOMPARE(plain.pixelColor(layout.body.center().x(), layout.body.bottom() - 1), tipBack);
    QVERIFY(countColor(plain, layout.textRect, tipText) > 10);

    tip.setForeColor(0x0000FF); // red text
    tip.setBackColor(0xFF0000); // on blue
    QVERIFY(tip.Create());
    window = tip.tipWindow();
    window->showAt(QPoint(10, 10));
    const QImage coloured = imageOf(window);
    QCOMPARE(
        coloured.pixelColor(layout.body.center().x(), layout.body.bottom() - 1), QColor(0, 0, 255));
    QVERIFY(countColor(coloured, layout.textRect, QColor(255, 0, 0)) > 10);
    // The ampersand is text, not a mnemonic: the text is as wide as written.
    QCOMPARE(layout.textRect.width(),
        QFontMetrics(window->font()).size(0, QStringLiteral("W&W MMM")).width());
}

void TestCTooltip::titleLine()
{
    CTooltip tip;
    tip.setHwndParentControl(parent.get());
    tip.setText(QStringLiteral("text"));
    QVERIFY(tip.Create());
    QVERIFY(tip.tipWindow()->currentLayout().titleRect.isEmpty());

    tip.setTitle(QStringLiteral("A rather long title"));
    QVERIFY(tip.Create());
    const TipLayout layout = tip.tipWindow()->currentLayout();
    QVERIFY(!layout.titleRect.isEmpty());
    QVERIFY(layout.textRect.top() > layout.titleRect.bottom());
    QVERIFY(layout.body.width() > layout.titleRect.width());
}

void TestCTooltip::balloonHangsFromThePointer()
{
    CTooltip tip;
    tip.setHwndParentControl(parent.get());
    tip.setText(QStringLiteral("balloon"));
    tip.setStyle(CTooltip::Balloon);
    QVERIFY(tip.Create());
    CTooltipWindow* window = tip.tipWindow();
    QVERIFY(window->settings().balloon);
    const QPoint pointer(30, 40);
    window->showAt(pointer);
    const TipLayout layout = window->currentLayout();
    // The stem's tip is on the pointer; the window is shaped like the balloon.
    QCOMPARE(window->geometry().topLeft() + layout.stemTip, parent->mapToGlobal(pointer));
    QVERIFY(!window->mask().isEmpty());
    QVERIFY(!window->mask().contains(QPoint(0, 0))); // the rounded corner
    QVERIFY(!window->mask().contains(QPoint(layout.size.width() - 2, 2))); // beside the stem
    QVERIFY(window->mask().contains(layout.stemTip + QPoint(2, 6)));
    QVERIFY(window->mask().contains(layout.body.center()));
    QVERIFY(layout.body.top() >= CTooltipWindow::StemHeight);

    // A rectangular tip has no shape of its own.
    tip.setStyle(CTooltip::Rectangular);
    QVERIFY(tip.Create());
    tip.tipWindow()->showAt(pointer);
    QVERIFY(tip.tipWindow()->mask().isEmpty());
}

void TestCTooltip::centeredUnderTheArea()
{
    CTooltip tip;
    tip.setHwndParentControl(parent.get());
    tip.setText(QStringLiteral("centred"));
    tip.setCentered(true);
    QVERIFY(tip.Create());
    CTooltipWindow* window = tip.tipWindow();
    window->showAt(QPoint(5, 5));
    const QPoint bottomMiddle = parent->mapToGlobal(QPoint(120, 120));
    QVERIFY(qAbs(window->geometry().center().x() - bottomMiddle.x()) <= 1);
    QCOMPARE(window->geometry().top(), bottomMiddle.y());

    tip.setStyle(CTooltip::Balloon);
    QVERIFY(tip.Create());
    window = tip.tipWindow();
    window->showAt(QPoint(5, 5));
    QCOMPARE(window->geometry().topLeft() + window->currentLayout().stemTip, bottomMiddle);
    QCOMPARE(window->currentLayout().stemTip.x(), window->currentLayout().size.width() / 2);
}

void TestCTooltip::showsAfterRestingHidesOnPress()
{
    CTooltip tip;
    tip.setHwndParentControl(parent.get());
    tip.setText(QStringLiteral("rest here"));
    QVERIFY(tip.Create());
    CTooltipWindow* window = tip.tipWindow();
    QTest::mouseMove(parent.get(), QPoint(50, 50));
    QVERIFY(!window->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(window->isVisible(), 5000);
    QCOMPARE(window->geometry().topLeft(),
        parent->mapToGlobal(QPoint(50, 50)) + QPoint(0, CTooltipWindow::CursorDrop));
    QTest::mouseClick(parent.get(), Qt::LeftButton, {}, QPoint(50, 50));
    QVERIFY(!window->isVisible());
    // Resting again brings it back.
    QTest::mouseMove(parent.get(), QPoint(60, 50));
    QTRY_VERIFY_WITH_TIMEOUT(window->isVisible(), 5000);
    parent->hide();
    QVERIFY(!window->isVisible());
}

void TestCTooltip::lifetime()
{
    auto tip = std::make_unique<CTooltip>();
    tip->setHwndParentControl(parent.get());
    QVERIFY(tip->Create());
    QPointer<CTooltipWindow> first = tip->tipWindow();
    QVERIFY(tip->Create());
    QVERIFY(!first); // a new Create removes the old window
    QPointer<CTooltipWindow> second = tip->tipWindow();
    tip->Delete_TooltipFunction();
    QVERIFY(!second);
    QCOMPARE(tip->tipWindow(), nullptr);
    tip->Delete_TooltipFunction(); // twice is harmless

    QVERIFY(tip->Create());
    QPointer<CTooltipWindow> third = tip->tipWindow();
    tip.reset();
    QVERIFY(!third); // destroying the object removes its window

    // A tip never outlives the widget it covers.
    CTooltip survivor;
    survivor.setHwndParentControl(parent.get());
    QVERIFY(survivor.Create());
    QPointer<CTooltipWindow> orphan = survivor.tipWindow();
    orphan->showAt(QPoint(10, 10));
    parent.reset();
    QVERIFY(!orphan);
    QCOMPARE(survivor.tipWindow(), nullptr);
    QCOMPARE(survivor.HwndParentControl(), nullptr);
    QVERIFY(survivor.Create()); // the parent is gone: no window, no failure
    QCOMPARE(survivor.tipWindow(), nullptr);
}

QTEST_MAIN(TestCTooltip)
#include "tst_ctooltip.moc"
