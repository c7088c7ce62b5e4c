#include <PropertyRoundTrip.h>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>
#include <TestSupport.h>
#include <common/Dialogs.h>
#include <common/PropertyBag.h>
#include <tabulon/colorselector/ColorPopup.h>
#include <tabulon/colorselector/ColorSelector.h>

using namespace Tabulon;

namespace {

ColorPopup* popupOf(const ColorSelector& selector)
{
    return selector.findChild<ColorPopup*>(QStringLiteral("picPopup"));
}

/// The palette cell in \a row and \a column, both counted from 1.
int paletteCell(int row, int column)
{
    return FirstPaletteCell + 8 * (row - 1) + (column - 1);
}

/// A shown selector as a window of its own at \a topLeft (screen coordinates).
struct Shown
{
    ColorSelector selector;
    QStringList events;
    explicit Shown(QPoint topLeft = QPoint(100, 100))
    {
        selector.setGeometry(QRect(topLeft, QSize(120, 21)));
        QObject::connect(&selector, &ColorSelector::SelectedHex,
            [this](const QString& hex) { events << QStringLiteral("Hex ") + hex; });
        QObject::connect(&selector, &ColorSelector::SelectedLong,
            [this](qint32 color) { events << QStringLiteral("Long %1").arg(color); });
        QObject::connect(&selector, &ColorSelector::SelectedTransparent,
            [this] { events << QStringLiteral("Transparent"); });
        selector.show();
        selector.activateWindow();
        if (!QTest::qWaitForWindowExposed(&selector))
            qWarning("selector not exposed");
    }
    ColorPopup* open()
    {
        QTest::mouseClick(&selector, Qt::LeftButton, {}, selector.dropButtonRect().center());
        return popupOf(selector);
    }
    void clickCell(int cell)
    {
        ColorPopup* popup = popupOf(selector);
        QTest::mouseClick(popup, Qt::LeftButton, {}, popup->cellLayout().cellRect(cell).center());
    }
};

/// A colour dialog that answers with the colours given, one per call, and
/// cancels once they run out.
struct DialogAnswers
{
    QList<OLE_COLOR> answers;
    int calls = 0;
    Zel::ColorDialogHook previous;
    explicit DialogAnswers(QList<OLE_COLOR> colors)
        : answers(std::move(colors))
    {
        previous = Zel::setColorDialogHook([this](OLE_COLOR& color, QWidget*) {
            ++calls;
            if (answers.isEmpty())
                return false;
            color = answers.takeFirst();
            return true;
        });
    }
    ~DialogAnswers() { Zel::setColorDialogHook(previous); }
};

} // namespace

class TestColorSelector : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void layoutHeights_data()
    {
        QTest::addColumn<bool>("transparent");
        QTest::addColumn<bool>("custom");
        QTest::addColumn<bool>("more");
        QTest::addColumn<bool>("normal");
        QTest::addColumn<int>("height");
        QTest::newRow("everything") << true << true << true << true << 207;
        QTest::newRow("nothing") << false << false << false << false << 108;
        QTest::newRow("transparent only") << true << false << false << false << 134;
        QTest::newRow("custom only") << false << true << false << false << 130;
        QTest::newRow("more color only") << false << false << true << false << 133;
        QTest::newRow("normal and system only") << false << false << false << true << 134;
    }
    void layoutHeights()
    {
        QFETCH(bool, transparent);
        QFETCH(bool, custom);
        QFETCH(bool, more);
        QFETCH(bool, normal);
        QFETCH(int, height);
        const ColorPopupLayout layout(transparent, custom, more, normal);
        QCOMPARE(layout.popupSize(), QSize(143, height));
        QCOMPARE(layout.isShown(TransparentCell), transparent);
        QCOMPARE(layout.isShown(FirstCustomCell), custom);
        QCOMPARE(layout.isShown(MoreColorCell), more);
        QCOMPARE(layout.isShown(SystemButtonCell), normal);

        ColorSelector selector;
        selector.setShowTransparent(transparent);
        selector.setShowCustomColor(custom);
        selector.setShowMoreColor(more);
        selector.setShowNormalColor(normal);
        QCOMPARE(popupOf(selector)->size(), QSize(143, height));
    }

    void cellPlaces()
    {
        const ColorPopupLayout all(true, true, true, true);
        QCOMPARE(all.cellRect(TransparentCell), QRect(QPoint(4, 4), QPoint(138, 25)));
        QCOMPARE(all.cellRect(FirstPaletteCell), QRect(4, 30, 16, 16));
        QCOMPARE(all.cellRect(LastPaletteCell), QRect(4 + 17 * 7, 30 + 17 * 5, 16, 16));
        QCOMPARE(all.cellRect(FirstCustomCell), QRect(4, 136, 16, 16));
        QCOMPARE(all.cellRect(LastCustomCell), QRect(4 + 17 * 7, 136, 16, 16));
        QCOMPARE(all.cellRect(NormalButtonCell), QRect(4, 157, 64, 21));
        QCOMPARE(all.cellRect(SystemButtonCell), QRect(75, 157, 64, 21));
        QCOMPARE(all.cellRect(MoreColorCell), QRect(QPoint(4, 182), QPoint(138, 203)));
        QCOMPARE(all.cellAt(QPoint(20, 30)), -1); // the pixel between two cells
        QCOMPARE(all.cellAt(QPoint(21, 30)), FirstPaletteCell + 1);
        QCOMPARE(all.cellAt(QPoint(20, 29)), -1); // between the transparent cell and the palette

        // Hidden cells take no room and are never hit.
        const ColorPopupLayout none(false, false, false, false);
        QCOMPARE(none.cellRect(FirstPaletteCell), QRect(4, 4, 16, 16));
        QCOMPARE(none.cellAt(QPoint(10, 10)), FirstPaletteCell);
        QCOMPARE(none.cellAt(QPoint(10, 105)), -1);
        QCOMPARE(none.cellRect(61), QRect());
    }

    void paletteColours()
    {
        QCOMPARE(paletteColor(FirstPaletteCell, false), OLE_COLOR(0xFFFFFF));
        QCOMPARE(paletteColor(FirstPaletteCell + 1, false), OLE_COLOR(0xC0C0FF));
        QCOMPARE(paletteColor(paletteCell(3, 2), false), OLE_COLOR(0x0000FF));
        QCOMPARE(paletteColor(paletteCell(4, 7), false), OLE_COLOR(0xC00000));
        QCOMPARE(paletteColor(LastPaletteCell, false), OLE_COLOR(0x400040));
        QCOMPARE(paletteColor(FirstPaletteCell, true), OLE_COLOR(0x80000000));
        QCOMPARE(paletteColor(26, true), OLE_COLOR(0x80000018));
        QCOMPARE(paletteColor(27, true), OLE_COLOR(0xFFFFFF));
        QCOMPARE(paletteColor(LastPaletteCell, true), OLE_COLOR(0xFFFFFF));
    }

    void convert2Hex_data()
    {
        QTest::addColumn<qint32>("color");
        QTest::addColumn<QString>("hex");
        QTest::newRow("orange") << qint32(0x0080FF) << QStringLiteral("#FF8000");
        QTest::newRow("black") << qint32(0) << QStringLiteral("#000000");
        QTest::newRow("bytes in order") << qint32(0x123456) << QStringLiteral("#563412");
        QTest::newRow("system colour: low bytes only")
            << qint32(0x80000000u) << QStringLiteral("#000000");
        QTest::newRow("system colour 5") << qint32(0x80000005u) << QStringLiteral("#050000");
    }
    void convert2Hex()
    {
        QFETCH(qint32, color);
        QFETCH(QString, hex);
        ColorSelector selector;
        QString result;
        QVERIFY(QMetaObject::invokeMethod(
            &selector, "Convert2Hex", Q_RETURN_ARG(QString, result), Q_ARG(qint32, color)));
        QCOMPARE(result, hex);
    }

    void clickColor_data()
    {
        QTest::addColumn<QString>("codes");
        QTest::addColumn<qint32>("color");
        QTest::newRow("hash form") << QStringLiteral("#FF8000") << qint32(0x0080FF);
        QTest::newRow("lower case") << QStringLiteral("#ff8000") << qint32(0x0080FF);
        QTest::newRow("last six characters") << QStringLiteral("&H12#00FF00") << qint32(0x00FF00);
        QTest::newRow("other characters are 0") << QStringLiteral("#GGFFZZ") << qint32(0x00FF00);
        QTest::newRow("fewer than six") << QStringLiteral("#FF80") << qint32(0x00F80F);
        QTest::newRow("empty") << QString() << qint32(0);
    }
    void clickColor()
    {
        QFETCH(QString, codes);
        QFETCH(qint32, color);
        ColorSelector selector;
        QSignalSpy hex(&selector, &ColorSelector::SelectedHex);
        QVERIFY(QMetaObject::invokeMethod(&selector, "ClickColor", Q_ARG(QString, codes)));
        QCOMPARE(selector.SelectedColor(), color);
        QCOMPARE(hex.count(), 0);
        QVERIFY(!selector.isDirty());
    }

    void paletteCellSetsTheColourAndCloses()
    {
        Shown s;
        ColorPopup* popup = s.open();
        QVERIFY(popup->isVisible());
        QCOMPARE(popup->parent(), &s.selector);
        QVERIFY(popup->windowFlags().testFlag(Qt::Popup));
        QCOMPARE(popup->pos(), s.selector.mapToGlobal(QPoint(0, s.selector.height())));
        s.clickCell(paletteCell(3, 2));
        QCOMPARE(s.selector.SelectedColor(), qint32(0x0000FF));
        QCOMPARE(
            s.events, QStringList({ QStringLiteral("Hex #FF0000"), QStringLiteral("Long 255") }));
        QVERIFY(!popup->isVisible());
        QVERIFY(!s.selector.IsCanceled());

        // The same colour chosen again is reported again.
        s.open();
        s.clickCell(paletteCell(3, 2));
        QCOMPARE(s.events.size(), 4);
    }

    void selectedColorChangedFollowsEveryWayTheColourChanges()
    {
        Shown s;
        QObject::connect(&s.selector, &ColorSelector::SelectedColorChanged,
            [&](qint32 color) { s.events << QStringLiteral("Changed %1").arg(color); });
        QSignalSpy views(&s.selector, &ColorSelector::ViewColorChanged);
        s.open();
        s.clickCell(paletteCell(3, 2));
        QCOMPARE(s.events,
            QStringList({ QStringLiteral("Changed 255"), QStringLiteral("Hex #FF0000"),
                QStringLiteral("Long 255") }));
        // The same colour again is reported as a choice, not as a change.
        s.events.clear();
        s.open();
        s.clickCell(paletteCell(3, 2));
        QCOMPARE(
            s.events, QStringList({ QStringLiteral("Hex #FF0000"), QStringLiteral("Long 255") }));

        // ClickColor and ViewColor raise no event, but the colour did change.
        s.events.clear();
        s.selector.ClickColor(QStringLiteral("#00FF00"));
        QCOMPARE(s.events, QStringList({ QStringLiteral("Changed 65280") }));
        s.selector.setViewColor(qint32(0x123456));
        QCOMPARE(views.count(), 1);
        QCOMPARE(s.events.last(), QStringLiteral("Changed %1").arg(0x123456));
        // The view colour written again brings its colour back after the user chose another.
        s.open();
        s.clickCell(paletteCell(3, 2));
        s.selector.setViewColor(qint32(0x123456));
        QCOMPARE(s.selector.SelectedColor(), qint32(0x123456));
        QCOMPARE(views.count(), 1);
        QCOMPARE(s.events.last(), QStringLiteral("Changed %1").arg(0x123456));
    }

    void systemColoursAndBack()
    {
        Shown s;
        ColorPopup* popup = s.open();
        s.clickCell(SystemButtonCell);
        QVERIFY(popup->isVisible());
        QVERIFY(s.selector.isSystemMode());
        QVERIFY(popup->content().systemColors);
        s.clickCell(FirstPaletteCell);
        QCOMPARE(s.selector.SelectedColor(), qint32(0x80000000u));
        QCOMPARE(s.events.first(), QStringLiteral("Hex #000000"));

        s.open();
        s.clickCell(SystemButtonCell); // already there: nothing
        QVERIFY(s.selector.isSystemMode());
        s.clickCell(NormalButtonCell);
        QVERIFY(!s.selector.isSystemMode());
        QVERIFY(popup->isVisible());
        QCOMPARE(s.events.size(), 2);
    }

    void transparentCell()
    {
        Shown s;
        s.open();
        s.clickCell(TransparentCell);
        QCOMPARE(s.selector.SelectedColor(), ColorSelector::Transparent);
        QCOMPARE(s.events, QStringList({ QStringLiteral("Transparent") }));
        QVERIFY(!s.selector.isPopupVisible());
        // The face shows a hatch instead of a colour.
        const QImage face = s.selector.grab().toImage();
        QSet<QRgb> swatch;
        for (int x = 3; x < 16; ++x)
            swatch.insert(face.pixel(x, 10));
        QVERIFY(swatch.size() > 1);
    }

    void moreColorRemembersEightCustomColours()
    {
        Shown s;
        QList<OLE_COLOR> colors;
        for (int i = 1; i <= 9; ++i)
            colors << Zel::rgb(i, 2 * i, 3 * i);
        DialogAnswers dialog(colors);
        for (int i = 0; i < 9; ++i) {
            s.open();
            s.clickCell(MoreColorCell);
            QVERIFY(!s.selector.isPopupVisible());
        }
        QCOMPARE(dialog.calls, 9);
        QCOMPARE(s.selector.SelectedColor(), qint32(colors.last()));
        const QList<OLE_COLOR> custom = s.selector.CustomColors();
        QCOMPARE(custom.size(), 8);
        QCOMPARE(custom.first(), colors.last()); // the ninth overwrote the first
        QCOMPARE(custom.at(1), colors.at(1));
        QCOMPARE(custom.last(), colors.at(7));

        // A remembered colour is a cell of its own.
        s.open();
        s.clickCell(FirstCustomCell + 1);
        QCOMPARE(s.selector.SelectedColor(), qint32(colors.at(1)));

        // A cancelled dialog keeps the colour and raises nothing.
        s.events.clear();
        s.open();
        s.clickCell(MoreColorCell);
        QCOMPARE(dialog.calls, 10);
        QCOMPARE(s.selector.SelectedColor(), qint32(colors.at(1)));
        QVERIFY(s.selector.IsCanceled());
        QVERIFY(s.events.isEmpty());
        QCOMPARE(s.selector.CustomColors().size(), 8);
    }

    void releaseDecidesTheAction()
    {
        Shown s;
        ColorPopup* popup = s.open();
        const ColorPopupLayout& layout = popup->cellLayout();
        // Pressed on one cell, released on another: nothing, still open.
        QTest::mousePress(popup, Qt::LeftButton, {}, layout.cellRect(10).center());
        QCOMPARE(popup->pressedCell(), 10);
        QTest::mouseRelease(popup, Qt::LeftButton, {}, layout.cellRect(11).center());
        QVERIFY(popup->isVisible());
        QVERIFY(s.events.isEmpty());
        // A mode button dragged off the popup keeps it open.
        QTest::mousePress(popup, Qt::LeftButton, {}, layout.cellRect(SystemButtonCell).center());
        QTest::mouseRelease(popup, Qt::LeftButton, {}, QPoint(-20, -20));
        QVERIFY(popup->isVisible());
        QVERIFY(!s.selector.isSystemMode());
        // A colour dragged off the popup closes it without a choice.
        QTest::mousePress(popup, Qt::LeftButton, {}, layout.cellRect(10).center());
        QTest::mouseRelease(popup, Qt::LeftButton, {}, QPoint(-20, -20));
        QVERIFY(!popup->isVisible());
        QVERIFY(s.events.isEmpty());
        QCOMPARE(s.selector.SelectedColor(), qint32(0xFFFFFF));
    }

    void hoverIsTrackedAndDrawn()
    {
        Shown s;
        ColorPopup* popup = s.open();
        const QRect cell = popup->cellLayout().cellRect(20);
        const QImage before = popup->grab().toImage();
        QTest::mouseMove(popup, cell.center());
        QTRY_COMPARE(popup->hoveredCell(), 20);
        const QImage hovered = popup->grab().toImage();
        QVERIFY(before.pixel(cell.bottomRight()) != hovered.pixel(cell.bottomRight()));
        QCOMPARE(before.pixel(cell.center()), hovered.pixel(cell.center()));
        QTest::mouseMove(popup, QPoint(2, 2));
        QTRY_COMPARE(popup->hoveredCell(), -1);
    }

    void keysMoveOverTheCells()
    {
        Shown s;
        ColorPopup* popup = s.open();
        QTest::keyClick(popup, Qt::Key_Right); // nothing hovered yet: the first colour
        QCOMPARE(popup->hoveredCell(), FirstPaletteCell);
        QTest::keyClick(popup, Qt::Key_Up);
        QCOMPARE(popup->hoveredCell(), int(TransparentCell));
        QTest::keyClick(popup, Qt::Key_Down); // back to the first row, under the caption
        QVERIFY(
            popup->hoveredCell() > FirstPaletteCell && popup->hoveredCell() <= paletteCell(1, 8));
        for (int i = 0; i < 8; ++i)
            QTest::keyClick(popup, Qt::Key_Left); // stops at the first column
        QCOMPARE(popup->hoveredCell(), FirstPaletteCell);
        QTest::keyClick(popup, Qt::Key_Right);
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Down);
        QCOMPARE(popup->hoveredCell(), paletteCell(3, 2));
        QTest::keyClick(popup, Qt::Key_Return);
        QCOMPARE(s.selector.SelectedColor(), qint32(0x0000FF));
        QCOMPARE(s.events.first(), QStringLiteral("Hex #FF0000"));
        QVERIFY(!popup->isVisible());

        // Down from the last palette row passes the custom row to the buttons.
        s.open();
        QTest::keyClick(popup, Qt::Key_Down);
        for (int i = 0; i < 6; ++i)
            QTest::keyClick(popup, Qt::Key_Down);
        QCOMPARE(popup->hoveredCell(), int(FirstCustomCell));
        QTest::keyClick(popup, Qt::Key_Down);
        QCOMPARE(popup->hoveredCell(), int(NormalButtonCell));
        QTest::keyClick(popup, Qt::Key_Right);
        QCOMPARE(popup->hoveredCell(), int(SystemButtonCell));
        QTest::keyClick(popup, Qt::Key_Space);
        QVERIFY(s.selector.isSystemMode());
        QVERIFY(popup->isVisible());
        QTest::keyClick(popup, Qt::Key_Down);
        QCOMPARE(popup->hoveredCell(), int(MoreColorCell));
        QTest::keyClick(popup, Qt::Key_Down); // nothing further down
        QCOMPARE(popup->hoveredCell(), int(MoreColorCell));
    }

    void opensAboveNearTheBottom()
    {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        Shown s(QPoint(area.left() + 10, area.bottom() - 40));
        ColorPopup* popup = s.open();
        QVERIFY(popup->isVisible());
        const QRect control(s.selector.mapToGlobal(QPoint(0, 0)), s.selector.size());
        QCOMPARE(popup->geometry().bottom() + 1, control.top());
        QCOMPARE(popup->x(), control.left());
    }

    void closingRules()
    {
        Shown s;
        ColorPopup* popup = s.open();
        QTest::keyClick(popup, Qt::Key_Escape);
        QVERIFY(!popup->isVisible());
        QTest::keyClick(&s.selector, Qt::Key_Escape); // closed: nothing
        QTest::keyClick(&s.selector, Qt::Key_Down, Qt::AltModifier);
        QVERIFY(popup->isVisible());

        QFocusEvent toPopup(QEvent::FocusOut, Qt::PopupFocusReason);
        QCoreApplication::sendEvent(&s.selector, &toPopup);
        QVERIFY(popup->isVisible());
        QFocusEvent elsewhere(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(&s.selector, &elsewhere);
        QVERIFY(!popup->isVisible());

        // The drop button clicked again, through the window system as a real
        // click comes: closed, not reopened.
        const QPoint button = s.selector.dropButtonRect().center();
        QTest::mouseClick(s.selector.windowHandle(), Qt::LeftButton, {}, button);
        QVERIFY(popup->isVisible());
        QTest::mouseClick(s.selector.windowHandle(), Qt::LeftButton, {}, button);
        QVERIFY(!popup->isVisible());

        s.open();
        s.selector.hide();
        QVERIFY(!popup->isVisible());
        QVERIFY(s.events.isEmpty());
    }

    void faceShowsTheColour()
    {
        Shown s;
        QSignalSpy hex(&s.selector, &ColorSelector::SelectedHex);
        s.selector.setViewColor(QVariant(qint32(0x00FF00)));
        QCOMPARE(s.selector.SelectedColor(), qint32(0x00FF00));
        QCOMPARE(hex.count(), 0);
        QImage face = s.selector.grab().toImage();
        QCOMPARE(face.pixelColor(8, 10), QColor(0, 255, 0));
        s.selector.setSelectedColor(0x0000FF);
        QCOMPARE(hex.count(), 1);
        face = s.selector.grab().toImage();
        QCOMPARE(face.pixelColor(8, 10), QColor(255, 0, 0));
        QCOMPARE(errorOf([&] { s.selector.setViewColor(QStringLiteral("no colour")); }), 13);

        // The drop button is inset on the sunken face and full height on a flat one.
        QCOMPARE(s.selector.dropButtonRect(), QRect(QPoint(100, 2), QPoint(117, 18)));
        s.selector.setAppearance(0);
        QCOMPARE(s.selector.dropButtonRect(), QRect(102, 0, 18, 21));
        // Only the drop button opens the popup.
        QTest::mouseClick(&s.selector, Qt::LeftButton, {}, QPoint(40, 10));
        QVERIFY(!s.selector.isPopupVisible());
    }

    void propertiesRoundTripThroughJson()
    {
        ColorSelector original;
        original.setSelectedColor(0x80000005u);
        original.setAppearance(0);
        original.setControlBorder(true);
        original.setBackColor(0xC0FFFF);
        original.setEnabled(false);
        original.setViewColor(QVariant(qint32(0x123456)));
        original.setSelectedColor(0x0080FF);
        original.setDisplayHexValue(false);
        StdFont font(QStringLiteral("Verdana"), 9);
        font.setBold(true);
        original.setFont(font);
        original.setShowTransparent(false);
        original.setShowMoreColor(false);
        original.setShowNormalColor(false);
        original.setShowCustomColor(false);
        original.setTextNormal(QStringLiteral("Palette"));
        original.setTextSystem(QStringLiteral("Desktop"));
        original.setTextMoreColor(QStringLiteral("Other..."));
        original.setTextTransparent(QStringLiteral("None"));
        PropertyBag bag;
        original.saveProperties(bag);
        QCOMPARE(bag.count(), 16);
        PropertyBag reread;
        QVERIFY(reread.loadJson(bag.toJson()));

        ColorSelector copy;
        QSignalSpy hex(&copy, &ColorSelector::SelectedHex);
        copy.loadProperties(reread);
        QCOMPARE(hex.count(), 0);
        QCOMPARE(copy.SelectedColor(), qint32(0x0080FF));
        QCOMPARE(copy.Appearance(), 0);
        QVERIFY(copy.ControlBorder());
        QCOMPARE(copy.BackColor(), OLE_COLOR(0xC0FFFF));
        QVERIFY(!copy.Enabled());
        QCOMPARE(copy.ViewColor().toInt(), 0x123456);
        QVERIFY(!copy.DisplayHexValue());
        QCOMPARE(copy.Font(), font);
        QVERIFY(!copy.ShowTransparent());
        QVERIFY(!copy.ShowMoreColor());
        QVERIFY(!copy.ShowNormalColor());
        QVERIFY(!copy.ShowCustomColor());
        QCOMPARE(copy.TextNormal(), QStringLiteral("Palette"));
        QCOMPARE(copy.TextSystem(), QStringLiteral("Desktop"));
        QCOMPARE(copy.TextMoreColor(), QStringLiteral("Other..."));
        QCOMPARE(copy.TextTransparent(), QStringLiteral("None"));
        QCOMPARE(popupOf(copy)->size(), QSize(143, 108));
        QVERIFY(!copy.isDirty());

        ColorSelector fresh;
        PropertyBag defaults;
        fresh.saveProperties(defaults);
        QVERIFY(defaults.isEmpty());
    }

    void everyPropertyRoundTrips()
    {
        RoundTripOptions options;
        options.notifyRequired = true;
        options.values.insert("ViewColor", QVariant(qint32(0x123456)));
        const QString faults
            = checkPropertyRoundTrip([] { return std::make_unique<ColorSelector>(); }, options);
        QVERIFY2(faults.isEmpty(), qPrintable(faults));
    }
};

QTEST_MAIN(TestColorSelector)
#include "tst_colorselector.moc"
