// The tab strip of Zonecraft: widths and placement, activation with bound
// forms, the selected look, the shared colours, contained controls and the
// drawing tabs.

#include "ZonecraftTestSupport.h"
#include "control/Zonecraft_p.h"
#include "goldbutton/GoldButton.h"
#include "goldbutton/TabColors.h"
#include "goldbutton/TabStrip.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QScrollBar>
#include <QTest>
#include <cmath>
#include <common/OleColor.h>

namespace {

StdPicture icon16()
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::red);
    return StdPicture(image);
}

/// A drawn tab as a host might write one.
class DrawingTab : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool Selected MEMBER selected)
public:
    explicit DrawingTab(QRect area)
        : area(area)
    { }
    Q_INVOKABLE void Draw() { draws << selected; }
    Q_INVOKABLE bool IsAt(int X, int Y) const { return area.contains(X, Y); }

    bool selected = false;
    QList<bool> draws; // Selected at each Draw
    QRect area;
};

} // namespace

class TestTabStrip : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void buttonsAndWidths();
    void tabsSitInTheScrollBarRow();
    void activationWithForms();
    void otherButtonsAndDragsActivateNothing();
    void selectTabButtonRaisesNothing();
    void selectedTabLook();
    void sharedColoursReachEveryControl();
    void containedControlsFillTheControl();
    void drawingTabs();

private:
    Zonecraft& z() { return fixture->z(); }
    zc::TabStrip& tabs() { return *ZonecraftPrivate::get(&z())->tabs; }
    GoldButton* button(int i) { return tabs().button(i); }
    void click(int i, Qt::MouseButton which = Qt::LeftButton)
    {
        QTest::mouseClick(button(i), which, {}, QPoint(5, 5));
    }

    std::unique_ptr<ZonecraftFixture> fixture;
};

void TestTabStrip::init()
{
    fixture = std::make_unique<ZonecraftFixture>();
    z().show();
    QVERIFY(QTest::qWaitForWindowExposed(&z()));
}

void TestTabStrip::cleanup()
{
    fixture.reset();
    zc::TabColors::instance().setBack(0);
    zc::TabColors::instance().setBorder(0);
    zc::TabColors::instance().setMouseOver(0);
}

void TestTabStrip::buttonsAndWidths()
{
    // Element 0 exists from the start, hidden and holding no tab.
    QList<GoldButton*> found = z().findChildren<GoldButton*>(QStringLiteral("GoldButton1"));
    QCOMPARE(found.size(), 1);
    QCOMPARE(found.first()->property("Index").toInt(), 0);
    QCOMPARE(found.first()->ButtonStyle(), 4);
    QVERIFY(!found.first()->isVisible());
    QCOMPARE(tabs().totalWidth(), 0);

    z().AddControlTab(QStringLiteral("A"), QStringLiteral("Alpha"));
    z().AddControlTab(QStringLiteral("B"), QStringLiteral("Beta"), nullptr, icon16());
    const QFontMetricsF metrics(z().font());
    const int a = int(std::lround(metrics.horizontalAdvance(QStringLiteral("Alpha")) + 15));
    const int b = int(std::lround(metrics.horizontalAdvance(QStringLiteral("Beta")) + 25));
    QCOMPARE(tabs().tabWidth(1), a);
    QCOMPARE(tabs().tabWidth(2), b);
    QCOMPARE(tabs().totalWidth(), a + b);

    found = z().findChildren<GoldButton*>(QStringLiteral("GoldButton1"));
    QCOMPARE(found.size(), 3);
    QCOMPARE(button(2)->property("Index").toInt(), 2);
    QVERIFY(!button(2)->Picture().isNull());
    QVERIFY(button(1)->Picture().isNull());
    // A new tab waits for RedrawTabs.
    QVERIFY(!button(1)->isVisible());
}

void TestTabStrip::tabsSitInTheScrollBarRow()
{
    z().AddControlTab(QStringLiteral("A"), QStringLiteral("Alpha"));
    z().AddControlTab(QStringLiteral("B"), QStringLiteral("Beta"), nullptr, icon16());
    z().RedrawTabs();
    const int top = z().height() - 20;
    QCOMPARE(button(1)->geometry(), QRect(0, top, tabs().tabWidth(1), 20));
    QCOMPARE(button(2)->geometry(), QRect(tabs().tabWidth(1), top, tabs().tabWidth(2), 20));
    QVERIFY(button(1)->isVisible() && button(2)->isVisible());
    QCOMPARE(button(1)->Caption(), QStringLiteral("Alpha"));
    QCOMPARE(button(2)->Caption(), QStringLiteral("Beta"));
    if (auto* bar = z().findChild<QScrollBar*>(QStringLiteral("HScroll1"))) {
        // After the next layout the horizontal bar starts where the tabs end.
        z().resize(z().width() + 1, z().height());
        QCOMPARE(bar->x(), tabs().totalWidth());
        QCOMPARE(bar->y(), button(1)->y());
    }
}

void TestTabStrip::activationWithForms()
{
    QWidget f1;
    QWidget f2;
    auto* contained = new QWidget(&z()); // placed inside the control by the host
    contained->show();
    z().AddControlTab(QStringLiteral("one"), QStringLiteral("One"), &f1);
    z().AddControlTab(QStringLiteral("two"), QStringLiteral("Two"), &f2);
    z().AddControlTab(QStringLiteral("free"), QStringLiteral("Free"));
    z().RedrawTabs();
    QSignalSpy clicked(&z(), &Zonecraft::TabClicked);

    click(1);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.takeFirst().at(0).toString(), QStringLiteral("one"));
    QVERIFY(f1.isVisible());
    QCOMPARE(tabs().currentTab(), 1);
    QCOMPARE(button(1)->SelectedState(), 2);

    click(2);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.takeFirst().at(0).toString(), QStringLiteral("two"));
    QVERIFY(!f1.isVisible());
    QVERIFY(f2.isVisible());
    QCOMPARE(button(1)->SelectedState(), 1); // the previous tab was reset
    QVERIFY(contained->isVisible());

    // The current tab again: its name once, nothing else changes.
    click(2);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.takeFirst().at(0).toString(), QStringLiteral("two"));
    QVERIFY(f2.isVisible());

    // A tab without a form hides every contained control and raises once.
    click(3);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.takeFirst().at(0).toString(), QStringLiteral("free"));
    QVERIFY(!contained->isVisible());
    QVERIFY(f2.isVisible()); // a form is not a contained control
    QVERIFY(button(1)->isVisible()); // the control's own children stay
    QCOMPARE(tabs().currentTab(), 3);
}

void TestTabStrip::otherButtonsAndDragsActivateNothing()
{
    QWidget f1;
    z().AddControlTab(QStringLiteral("one"), QStringLiteral("One"), &f1);
    z().RedrawTabs();
    QSignalSpy clicked(&z(), &Zonecraft::TabClicked);
    click(1, Qt::RightButton);
    QVERIFY(clicked.isEmpty());

    // Pressed, dragged off the tab and released: no click, no activation.
    QTest::mouseMove(button(1), QPoint(5, 5));
    QTest::mousePress(button(1), Qt::LeftButton, {}, QPoint(5, 5));
    QMouseEvent drag(QEvent::MouseMove, QPointF(5, -30), button(1)->mapToGlobal(QPointF(5, -30)),
        Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(button(1), &drag);
    QTest::mouseRelease(button(1), Qt::LeftButton, {}, QPoint(5, -30));
    QVERIFY(clicked.isEmpty());
    QCOMPARE(button(1)->SelectedState(), 1);
    QVERIFY(!f1.isVisible());
    QCOMPARE(tabs().currentTab(), 0);
}

void TestTabStrip::selectTabButtonRaisesNothing()
{
    z().AddControlTab(QStringLiteral("one"), QStringLiteral("One"));
    z().AddControlTab(QStringLiteral("two"), QStringLiteral("Two"));
    z().RedrawTabs();
    QSignalSpy clicked(&z(), &Zonecraft::TabClicked);
    z().SelectTabButton(1);
    QCOMPARE(button(1)->SelectedState(), 2);
    QCOMPARE(tabs().currentTab(), 1);
    z().SelectTabButton(2);
    QCOMPARE(button(2)->SelectedState(), 2);
    QCOMPARE(button(1)->SelectedState(), 1);
    QVERIFY(clicked.isEmpty());
    // Clicking the tab made current this way raises its name once.
    click(2);
    QCOMPARE(clicked.count(), 1);

    try {
        z().SelectTabButton(3);
        QFAIL("no error for a missing tab button");
    } catch (const RuntimeError& e) {
        QCOMPARE(e.number(), 340);
    }
    QCOMPARE(tabs().currentTab(), 2);
}

void TestTabStrip::selectedTabLook()
{
    z().setTabBackColor(0x00FF00); // green, as 0x00BBGGRR
    z().AddControlTab(QStringLiteral("one"), QStringLiteral("One"));
    z().RedrawTabs();
    z().SelectTabButton(1);
    const QImage face = button(1)->grab().toImage();
    const QRect r = face.rect();
    QCOMPARE(face.pixelColor(r.width() - 3, r.height() / 2), QColor(0, 255, 0));
    const QColor highlight = Zel::toQColor(0x8000000D);
    QCOMPARE(face.pixelColor(0, 0), highlight);
    QCOMPARE(face.pixelColor(r.width() - 1, r.height() - 1), highlight);

    // Reset, the tab goes back to the button face.
    button(1)->ResetButton();
    const QImage reset = button(1)->grab().toImage();
    QCOMPARE(reset.pixelColor(r.width() - 3, r.height() / 2), Zel::toQColor(0x8000000F));
}

void TestTabStrip::sharedColoursReachEveryControl()
{
    Zonecraft other;
    other.resize(300, 200);
    other.AddControlTab(QStringLiteral("x"), QStringLiteral("X"));
    other.RedrawTabs();
    other.SelectTabButton(1);
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));

    z().setTabBackColor(0x0000FF); // red
    z().setTabBorderColor(0x00FF00);
    z().setTabMouseOver(0xFF0000);
    QCOMPARE(other.TabBackColor(), OLE_COLOR(0x0000FF));
    QCOMPARE(other.TabBorderColor(), OLE_COLOR(0x00FF00));
    QCOMPARE(other.TabMouseOver(), OLE_COLOR(0xFF0000));
    GoldButton* tab = ZonecraftPrivate::get(&other)->tabs->button(1);
    const QImage face = tab->grab().toImage();
    QCOMPARE(face.pixelColor(face.width() - 3, face.height() / 2), QColor(255, 0, 0));

    // A stored control brings its colours to every control as it loads.
    PropertyBag bag;
    other.WriteProperties(bag);
    z().setTabBackColor(0);
    other.ReadProperties(bag);
    QCOMPARE(z().TabBackColor(), OLE_COLOR(0x0000FF));
}

void TestTabStrip::containedControlsFillTheControl()
{
    auto* first = new QWidget(&z());
    auto* second = new QWidget(&z());
    z().AddControlTab(QStringLiteral("one"), QStringLiteral("One"));
    z().ResizeContainedControls();
    const QSize inner = z().contentsRect().size();
    QCOMPARE(first->geometry(), QRect(0, 0, inner.width(), inner.height() - 21));
    QCOMPARE(second->geometry(), first->geometry());
    QCOMPARE(tabs().containedControls(), QList<QWidget*>({ first, second }));

    // Every layout sizes them again.
    z().resize(500, 400);
    QCOMPARE(first->geometry(),
        QRect(0, 0, z().contentsRect().width(), z().contentsRect().height() - 21));
}

void TestTabStrip::drawingTabs()
{
    DrawingTab left(QRect(0, 0, 50, 50));
    DrawingTab overlapping(QRect(30, 0, 50, 50));
    z().setm_DrawingTabs({ &left, &overlapping });
    QCOMPARE(z().m_DrawingTabs().size(), 2);

    z().SelectingTab(&left);
    QCOMPARE(z().m_SelectedTab(), &left);
    QCOMPARE(left.draws, QList<bool>({ true }));
    z().SelectingTab(&overlapping, 3, 4);
    QCOMPARE(left.draws, QList<bool>({ true, false }));
    QCOMPARE(overlapping.draws, QList<bool>({ true }));

    // The lookup runs from the last tab to the first.
    QCOMPARE(ZonecraftPrivate::get(&z())->tabs->drawingTabAt(QPointF(40, 10)), &overlapping);
    QCOMPARE(ZonecraftPrivate::get(&z())->tabs->drawingTabAt(QPointF(10, 10)), &left);

    // A press on the control's own surface selects the tab there, or none.
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10), z().mapToGlobal(QPointF(10, 10)),
        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&z(), &press);
    QCOMPARE(z().m_SelectedTab(), &left);
    QMouseEvent away(QEvent::MouseButtonPress, QPointF(200, 10), z().mapToGlobal(QPointF(200, 10)),
        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&z(), &away);
    QCOMPARE(z().m_SelectedTab(), nullptr);
    QCOMPARE(left.draws.last(), false);
}

QTEST_MAIN(TestTabStrip)
#include "tst_tabstrip.moc"
