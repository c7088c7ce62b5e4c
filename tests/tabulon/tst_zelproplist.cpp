#include <PropertyRoundTrip.h>
#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <TestSupport.h>
#include <common/Dialogs.h>
#include <common/PropertyBag.h>
#include <common/RuntimeError.h>
#include <tabulon/ZelPropList.h>

using namespace Tabulon;

namespace {

/// A list 300 x 130 without description pane or border: 6 rows of 20 pixels.
std::unique_ptr<ZelPropList> makeList(int height = 130)
{
    auto list = std::make_unique<ZelPropList>();
    list->setBorderStyle(BorderS::NoBorder);
    list->setShowDescription(false);
    list->resize(300, height);
    return list;
}

void addRows(ZelPropList& list, int count)
{
    for (int i = 0; i < count; ++i)
        list.AddItem(QStringLiteral("k%1").arg(i), QStringLiteral("Caption %1").arg(i), propString,
            QStringLiteral("v%1").arg(i), QStringLiteral("Description %1").arg(i));
}

QWidget* surfaceOf(ZelPropList& list)
{
    return list.findChild<QWidget*>(QStringLiteral("iUC"));
}

QPoint rowCentre(const ZelPropList& list, int visibleRow)
{
    return QPoint(50, visibleRow * list.rowHeight() + list.rowHeight() / 2);
}

} // namespace

class TestZelPropList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        Zel::setMessageBoxHook([](const QString&, int, const QString&) { return int(Zel::vbOK); });
    }

    // --- the item store through the control ---

    void emptyList()
    {
        ZelPropList list;
        QCOMPARE(list.ListCount(), 0);
        QCOMPARE(list.SelectedCount(), 0);
        QCOMPARE(errorOf([&] { list.ItemText(0); }), 381);
        QCOMPARE(errorOf([&] { list.setItemText(0, QStringLiteral("x")); }), 381);
        QCOMPARE(errorOf([&] { list.ItemSelected(-1); }), 381);
        QCOMPARE(errorOf([&] { list.InsertItem(0, QStringLiteral("x")); }), 381);
        QCOMPARE(errorOf([&] { list.RemoveItem(QStringLiteral("none")); }), 5);
        QVERIFY(!list.ModifyItem(QStringLiteral("none"), 5));
    }

    void keysAfterRemoval()
    {
        auto list = makeList();
        for (const char* key : { "a", "b", "c" })
            list->AddItem(
                QString::fromLatin1(key), QString(), propNumber, QStringLiteral("1"), QString());
        list->RemoveItem(QStringLiteral("B"));
        QVERIFY(list->ModifyItem(QStringLiteral("c"), 5));
        QCOMPARE(list->ItemText(1), QStringLiteral("5"));
        QCOMPARE(list->ListCount(), 2);
        QCOMPARE(list->ItemIndex(QStringLiteral("C")), 1);
        QCOMPARE(list->ItemIndex(QStringLiteral("b")), -1);
        QCOMPARE(errorOf([&] {
            list->AddItem(QStringLiteral("A"), QString(), propString, QString(), QString());
        }),
            457);
        QCOMPARE(list->ListCount(), 2);
        list->Clear();
        QCOMPARE(list->ListCount(), 0);
        list->AddItem(QStringLiteral("a"), QString(), propString, QString(), QString());
        QCOMPARE(list->ListCount(), 1);
    }

    void clearOfAScrolledListRaisesNoEvent()
    {
        auto list = makeList();
        addRows(*list, 20);
        list->setTopIndex(8);
        list->setListIndex(10);
        QSignalSpy scrolls(list.get(), &ZelPropList::Scroll);
        QSignalSpy tops(list.get(), &ZelPropList::TopIndexChange);
        QSignalSpy changes(list.get(), &ZelPropList::ListIndexChange);
        list->Clear();
        QCOMPARE(scrolls.count(), 0);
        QCOMPARE(tops.count(), 0);
        QCOMPARE(changes.count(), 0);
        QCOMPARE(list->ListIndex(), -1);
        QCOMPARE(list->TopIndex(), 0);
        // The list scrolls again once it is refilled.
        addRows(*list, 20);
        list->setTopIndex(3);
        QCOMPARE(scrolls.count(), 1);
        QCOMPARE(list->TopIndex(), 3);
    }

    void modifyItemValues_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<bool>("result");
        QTest::addColumn<QString>("stored");
        QTest::newRow("text") << QVariant(QStringLiteral("abc")) << false << "old";
        QTest::newRow("empty text") << QVariant(QString()) << false << "old";
        QTest::newRow("number 0") << QVariant(0) << true << "0";
        QTest::newRow("number") << QVariant(12.5) << true << "12.5";
        QTest::newRow("numeric text") << QVariant(QStringLiteral("42")) << true << "42";
        QTest::newRow("text 0") << QVariant(QStringLiteral("0")) << true << "0";
        QTest::newRow("empty variant") << QVariant() << true << "old";
        QTest::newRow("null") << QVariant::fromValue(nullptr) << false << "old";
        QTest::newRow("true") << QVariant(true) << true << "True";
    }

    void modifyItemValues()
    {
        QFETCH(QVariant, value);
        QFETCH(bool, result);
        QFETCH(QString, stored);
        auto list = makeList();
        list->AddItem(QStringLiteral("key"), QStringLiteral("Caption"), propString,
            QStringLiteral("old"), QString());
        QCOMPARE(list->ModifyItem(QStringLiteral("KEY"), value), result);
        QCOMPARE(list->ItemText(0), stored);
    }

    void insertItemGivesACompleteKeyedRow()
    {
        auto list = makeList();
        addRows(*list, 3);
        list->setListIndex(1);
        list->InsertItem(1, QStringLiteral("New row"));
        QCOMPARE(list->ListCount(), 4);
        QCOMPARE(list->ListIndex(), 2);
        QVERIFY(list->ItemSelected(2));
        QVERIFY(!list->ItemSelected(1));
        const Item inserted = list->GetItem(1);
        QCOMPARE(inserted.Key, QStringLiteral("InsertedItem#1"));
        QCOMPARE(inserted.Caption, QStringLiteral("New row"));
        QCOMPARE(inserted.Style, propString);
        QVERIFY(list->ModifyItem(QStringLiteral("insertedItem#1"), 7));
        QCOMPARE(list->ItemText(1), QStringLiteral("7"));
        // A host key in the way is skipped.
        list->AddItem(
            QStringLiteral("InsertedItem#2"), QString(), propString, QString(), QString());
        list->InsertItem(4, 3);
        QCOMPARE(list->GetItem(4).Key, QStringLiteral("InsertedItem#3"));
        QCOMPARE(list->GetItem(4).Caption, QStringLiteral("3"));
        // Keys behind the gap moved with their rows.
        list->RemoveItem(QStringLiteral("k2"));
        QCOMPARE(list->GetItem(3).Key, QStringLiteral("InsertedItem#3"));
        QCOMPARE(errorOf([&] { list->InsertItem(7, QString()); }), 381);
        QCOMPARE(errorOf([&] { list->InsertItem(-1, QString()); }), 381);
    }

    void removalKeepsTheCurrentItem()
    {
        auto list = makeList();
        addRows(*list, 5);
        list->setListIndex(3);
        list->RemoveItem(QStringLiteral("k1"));
        QCOMPARE(list->ListIndex(), 2);
        QCOMPARE(list->GetItem(2).Key, QStringLiteral("k3"));
        QCOMPARE(list->SelectedCount(), 1);
        list->setListIndex(0);
        QCOMPARE(list->SelectedCount(), 1); // the old current row lost its flag
        list->RemoveItem(QStringLiteral("k0"));
        QCOMPARE(list->ListIndex(), -1);
        QCOMPARE(list->SelectedCount(), 0);
    }

    void itemAccessors()
    {
        auto list = makeList();
        addRows(*list, 2);
        list->setItemText(1, QStringLiteral("changed"));
        QCOMPARE(list->ItemText(1), QStringLiteral("changed"));
        QCOMPARE(list->GetItem(1).Caption, QStringLiteral("Caption 1")); // the caption stays
        QSignalSpy changes(list.get(), &ZelPropList::ListIndexChange);
        list->setItemSelected(1, false);
        QCOMPARE(list->ListIndex(), -1);
        list->setItemSelected(1, true);
        QCOMPARE(list->ListIndex(), 1);
        QCOMPARE(changes.count(), 1);
        list->ItemStatus(QStringLiteral("K0"), ItemDisabled);
        QCOMPARE(list->GetItem(0).Status, ItemDisabled);
        list->ItemStatus(QStringLiteral("unknown"), ItemDisabled); // ignored
        QCOMPARE(list->ItemIcon(0), 0);
        QCOMPARE(errorOf([&] { list->setItemIcon(0, 5); }), 5);
        QImage icon(16, 16, QImage::Format_ARGB32);
        icon.fill(Qt::blue);
        list->AddItem(
            QStringLiteral("icon"), QString(), propString, QString(), QString(), StdPicture(icon));
        list->setItemIcon(2, 77);
        QCOMPARE(list->ItemIcon(2), 77);
        QCOMPARE(list->HexToRGB(QStringLiteral("FF8000")), QStringLiteral("255,128,0"));
        QCOMPARE(list->HexToRGB(QStringLiteral("00ff0A"), QStringLiteral(";")),
            QStringLiteral("0;255;10"));
        QCOMPARE(list->TranslateColor(0x123456), 0x123456);
    }

    // --- layout, selection and scrolling ---

    void visibleRowsOfA130PixelList()
    {
        auto list = makeList(130);
        QCOMPARE(list->rowHeight(), 20);
        QCOMPARE(list->visibleRowCount(), 6);
        addRows(*list, 7);
        auto* bar = list->findChild<QScrollBar*>(QStringLiteral("sbUC"));
        QCOMPARE(list->TopIndex(), 0);
        QVERIFY(!bar->isHidden());
        QCOMPARE(bar->maximum(), 1);
        QCOMPARE(bar->pageStep(), 6);
        QCOMPARE(errorOf([&] { list->setTopIndex(2); }), 380);
        list->setTopIndex(1);
        QCOMPARE(list->TopIndex(), 1);
        list->RemoveItem(QStringLiteral("k6"));
        QVERIFY(bar->isHidden());
        QCOMPARE(list->TopIndex(), 0);
    }

    void rowHeightRules()
    {
        auto list = makeList();
        list->setItemHeightAuto(false);
        list->setItemHeight(3);
        const int textHeight = list->ItemHeight();
        QVERIFY(textHeight > 3);
        QCOMPARE(list->rowHeight(), textHeight);
        list->setItemHeight(40);
        QCOMPARE(list->rowHeight(), 40);
        QCOMPARE(list->visibleRowCount(), 3);
        list->setItemHeightAuto(true);
        QCOMPARE(list->rowHeight(), 20);

        // A font object edited in place by the host takes effect when assigned again.
        list->setItemHeightAuto(false);
        list->setItemHeight(0);
        StdFont font(QStringLiteral("DejaVu Sans"), 8);
        list->setFont(font);
        const int small = list->rowHeight();
        QCOMPARE(list->ItemHeight(), small);
        font.setSize(24);
        list->setFont(font);
        QVERIFY(list->rowHeight() > small + 10);
    }

    void listIndexRangeAndEvents()
    {
        auto list = makeList();
        addRows(*list, 3);
        QSignalSpy changes(list.get(), &ZelPropList::ListIndexChange);
        QSignalSpy hostNotes(list.get(), &UserControl::propertyChanged);
        QCOMPARE(errorOf([&] { list->setListIndex(3); }), 380);
        QCOMPARE(errorOf([&] { list->setListIndex(-2); }), 380);
        QCOMPARE(changes.count(), 0);
        list->setListIndex(2);
        list->setListIndex(2);
        list->setListIndex(-1);
        QCOMPARE(changes.count(), 3);
        QCOMPARE(list->ListIndex(), -1);
        QCOMPARE(list->SelectedCount(), 0);
        QCOMPARE(hostNotes.count(), 3);
        QCOMPARE(hostNotes.first().first().toString(), QStringLiteral("ListIndex"));
    }

    void listIndexScrollsIntoView()
    {
        auto list = makeList();
        addRows(*list, 20);
        QSignalSpy tops(list.get(), &ZelPropList::TopIndexChange);
        QSignalSpy scrolls(list.get(), &ZelPropList::Scroll);
        // The very first assignment keeps the view.
        list->setListIndex(15);
        QCOMPARE(list->TopIndex(), 0);
        list->setListIndex(15);
        QCOMPARE(list->TopIndex(), 10);
        QCOMPARE(tops.count(), 1);
        QCOMPARE(scrolls.count(), 1);
        list->setListIndex(3);
        QCOMPARE(list->TopIndex(), 3);
        // After a removal the next assignment does not scroll.
        list->RemoveItem(QStringLiteral("k19"));
        list->setListIndex(18);
        QCOMPARE(list->TopIndex(), 3);
        list->setTopIndex(0);
        QCOMPARE(tops.count(), 3);
    }

    void clickSelectsEnabledRowsOnly()
    {
        auto list = makeList();
        list->AddItem(
            QStringLiteral("h"), QStringLiteral("Group"), propHeader, QString(), QString());
        addRows(*list, 2);
        list->ItemStatus(QStringLiteral("k1"), ItemDisabled);
        list->show();
        QWidget* surface = surfaceOf(*list);
        QSignalSpy downs(list.get(), &ZelPropList::MouseDown);
        QSignalSpy ups(list.get(), &ZelPropList::MouseUp);
        QSignalSpy clicks(list.get(), &ZelPropList::Click);
        QSignalSpy keys(list.get(), &ZelPropList::KeySelected);
        QSignalSpy notices(list.get(), &ZelPropList::ListIndexChanged);

        QTest::mouseClick(surface, Qt::LeftButton, {}, rowCentre(*list, 0)); // header
        QCOMPARE(list->ListIndex(), -1);
        QCOMPARE(downs.count(), 0);
        QCOMPARE(ups.count(), 0);

        QTest::mouseClick(surface, Qt::LeftButton, {}, rowCentre(*list, 1));
        QCOMPARE(list->ListIndex(), 1);
        QCOMPARE(notices.count(), 1);
        QCOMPARE(notices.first().first().toInt(), 1);
        QCOMPARE(downs.count(), 1);
        QCOMPARE(ups.count(), 1);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(keys.count(), 1);
        QCOMPARE(keys.first().first().toString(), QStringLiteral("k0"));
        QCOMPARE(downs.first().at(0).value<qint16>(), qint16(1));

        QTest::mouseClick(surface, Qt::LeftButton, {}, rowCentre(*list, 2)); // disabled
        QCOMPARE(list->ListIndex(), 1);
        QCOMPARE(downs.count(), 1);
        QCOMPARE(ups.count(), 2); // a row is still current

        QTest::mouseClick(surface, Qt::LeftButton, {}, rowCentre(*list, 4)); // below the last row
        QCOMPARE(list->ListIndex(), 1);
        QCOMPARE(downs.count(), 1);
        // Clicks that leave the current row where it was are no change to a binding.
        QCOMPARE(notices.count(), 1);

        auto* caption = list->findChild<QWidget*>(QStringLiteral("Picture3"))
                            ->findChild<QLabel*>(QStringLiteral("Label1"));
        list->setShowDescription(true);
        list->resize(300, 200);
        QTest::mouseClick(surface, Qt::LeftButton, {}, rowCentre(*list, 1));
        QCOMPARE(caption->text(), QStringLiteral("Caption 0"));
    }

    void hostErrorsNeverLeaveTheMouseHandlers()
    {
        auto list = makeList();
        addRows(*list, 3);
        list->show();
        QStringList prompts;
        const auto previous
            = Zel::setMessageBoxHook([&](const QString& prompt, int, const QString&) {
                  prompts.append(prompt);
                  return int(Zel::vbOK);
              });
        // A host that reacts with an invalid assignment (error 380).
        connect(list.get(), &ZelPropList::ListIndexChange, list.get(), [&] {
            if (list->ListIndex() == 1)
                list->setTopIndex(99);
        });
        connect(list.get(), &ZelPropList::Click, list.get(),
            [] { throw std::runtime_error("host failure"); });
        QTest::mouseClick(surfaceOf(*list), Qt::LeftButton, {}, rowCentre(*list, 1));
        QCOMPARE(list->ListIndex(), 1);
        QCOMPARE(prompts, QStringList { QStringLiteral("MouseDown") });
        Zel::setMessageBoxHook(previous);
    }

    void dragAndHoverMoveTheCurrentRow()
    {
        auto list = makeList();
        addRows(*list, 5);
        list->AddItem(
            QStringLiteral("h"), QStringLiteral("Group"), propHeader, QString(), QString());
        list->show();
        QWidget* surface = surfaceOf(*list);
        QSignalSpy moves(list.get(), &ZelPropList::MouseMove);

        QMouseEvent hover(QEvent::MouseMove, QPointF(rowCentre(*list, 2)),
            surface->mapToGlobal(QPointF(rowCentre(*list, 2))), Qt::NoButton, Qt::NoButton,
            Qt::NoModifier);
        QApplication::sendEvent(surface, &hover);
        QCOMPARE(list->ListIndex(), -1);
        QCOMPARE(moves.count(), 1);
        list->setHoverSelection(true);
        QMouseEvent hover2(QEvent::MouseMove, QPointF(rowCentre(*list, 3)),
            surface->mapToGlobal(QPointF(rowCentre(*list, 3))), Qt::NoButton, Qt::NoButton,
            Qt::NoModifier);
        QApplication::sendEvent(surface, &hover2);
        QCOMPARE(list->ListIndex(), 3);
        QCOMPARE(moves.count(), 2);
        // Reaching the header ends the handling without an event.
        QMouseEvent hover3(QEvent::MouseMove, QPointF(rowCentre(*list, 5)),
            surface->mapToGlobal(QPointF(rowCentre(*list, 5))), Qt::NoButton, Qt::NoButton,
            Qt::NoModifier);
        QApplication::sendEvent(surface, &hover3);
        QCOMPARE(list->ListIndex(), 3);
        QCOMPARE(moves.count(), 2);
    }

    void dragAboveTheListAutoScrolls()
    {
        auto list = makeList();
        list->AddItem(
            QStringLiteral("h"), QStringLiteral("Group"), propHeader, QString(), QString());
        addRows(*list, 20);
        list->show();
        QWidget* surface = surfaceOf(*list);
        list->setListIndex(12); // first assignment: no scroll
        list->setTopIndex(10);
        QTest::mousePress(surface, Qt::LeftButton, {}, rowCentre(*list, 2));
        QCOMPARE(list->ListIndex(), 12);
        // 23 pixels above: a step at once, then one every 40 ms.
        QMouseEvent drag(QEvent::MouseMove, QPointF(50, -23),
            surface->mapToGlobal(QPointF(50, -23)), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(surface, &drag);
        QCOMPARE(list->ListIndex(), 11);
        QTRY_VERIFY_WITH_TIMEOUT(list->ListIndex() <= 8, 2000);
        QVERIFY(list->TopIndex() <= list->ListIndex());
        // It never stops on the header at the top.
        QTRY_COMPARE_WITH_TIMEOUT(list->ListIndex(), 1, 3000);
        QTest::qWait(100);
        QCOMPARE(list->ListIndex(), 1);
        QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(50, 5));
        QCOMPARE(list->ListIndex(), 1);
    }

    void scrollBarAndWheelScroll()
    {
        auto list = makeList();
        addRows(*list, 20);
        list->show();
        QCoreApplication::processEvents();
        auto* bar = list->findChild<QScrollBar*>(QStringLiteral("sbUC"));
        QSignalSpy scrolls(list.get(), &ZelPropList::Scroll);
        QSignalSpy tops(list.get(), &ZelPropList::TopIndexChange);
        QSignalSpy topNotices(list.get(), &ZelPropList::TopIndexChanged);
        bar->setValue(5);
        QCOMPARE(list->TopIndex(), 5);
        QCOMPARE(scrolls.count(), 1);
        QCOMPARE(tops.count(), 0);
        // Scrolling is no TopIndex assignment, but the value did change.
        QCOMPARE(topNotices.count(), 1);
        QCOMPARE(topNotices.first().first().toInt(), 5);
        QWidget* surface = surfaceOf(*list);
        QWheelEvent wheel(QPointF(50, 50), surface->mapToGlobal(QPointF(50, 50)), QPoint(),
            QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(surface, &wheel);
        QVERIFY(list->TopIndex() > 5);
        QCOMPARE(scrolls.count(), 2);
        // The first visible row is painted from the new top.
        list->setTopIndex(14);
        QCOMPARE(list->TopIndex(), 14);
        QCOMPARE(errorOf([&] { list->setTopIndex(15); }), 380);
        QCOMPARE(errorOf([&] { list->setTopIndex(-1); }), 380);
    }

    void doubleClickRaisesOneClickAndOneDblClick()
    {
        auto list = makeList();
        addRows(*list, 3);
        list->show();
        QSignalSpy clicks(list.get(), &ZelPropList::Click);
        QSignalSpy doubles(list.get(), &ZelPropList::DblClick);
        // What a window system delivers: press, release, double-click, release.
        QWidget* surface = surfaceOf(*list);
        const QPointF at = rowCentre(*list, 2);
        QTest::mousePress(surface, Qt::LeftButton, {}, at.toPoint());
        QTest::mouseRelease(surface, Qt::LeftButton, {}, at.toPoint());
        QMouseEvent dbl(QEvent::MouseButtonDblClick, at, surface->mapToGlobal(at), Qt::LeftButton,
            Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(surface, &dbl);
        QTest::mouseRelease(surface, Qt::LeftButton, {}, at.toPoint());
        QCOMPARE(list->ListIndex(), 2);
        QCOMPARE(doubles.count(), 1);
        QCOMPARE(clicks.count(), 1);
    }

    // --- properties ---

    void propertyClamping()
    {
        ZelPropList list;
        list.resize(100, 200);
        list.setScrollBarWidth(5);
        QCOMPARE(list.ScrollBarWidth(), 9);
        list.setScrollBarWidth(80);
        QCOMPARE(list.ScrollBarWidth(), 50);
        list.setBoxOffset(4);
        QCOMPARE(list.BoxOffset(), 4);
        list.setBoxOffset(11); // above half of 20
        QCOMPARE(list.BoxOffset(), 4);
        list.setItemOffset(21);
        QCOMPARE(list.ItemOffset(), 0);
        list.setItemOffset(3);
        QCOMPARE(list.ItemOffset(), 3);
    }

    void defaultsWriteNoKeys()
    {
        ZelPropList list;
        list.InitProperties();
        PropertyBag bag;
        list.WriteProperties(bag);
        QVERIFY2(bag.isEmpty(), qPrintable(bag.keys().join(QLatin1Char(','))));
        ZelPropList other;
        other.ReadProperties(bag);
        PropertyBag again;
        other.WriteProperties(again);
        QVERIFY(again.isEmpty());
        QCOMPARE(other.ScrollBarWidth(), 13);
        QCOMPARE(other.ShowGridLines(), GridLines::Solid);
        QCOMPARE(other.VisualColor(), OLE_COLOR(554));
        QCOMPARE(other.ListIndex(), -1);
    }

    void persistenceRoundTrip()
    {
        ZelPropList list;
        list.resize(300, 300);
        list.setScrollBarWidth(20);
        list.setFontNormal(0x0000FF);
        list.setBackSelectedG1(0x123456);
        list.setBoxRadius(4);
        list.setHoverSelection(true);
        list.setWordWrap(false);
        list.setItemHeightAuto(false);
        list.setItemHeight(30);
        list.setShowGridLines(GridLines::dotted);
        list.setListColumWidth(140);
        list.setShowDescription(false);
        list.setVisualStyle(Style::CoolXP);
        list.setBorderStyle(BorderS::NoBorder);
        list.setSpinMaxValue(500);
        list.setShowMenu(true);
        list.setEnabled(false);
        PropertyBag bag;
        list.WriteProperties(bag);
        QVERIFY(bag.contains(QStringLiteral("listcolumwidth")));
        QVERIFY(!bag.contains(QStringLiteral("BoxOffset")));

        PropertyBag restored;
        QVERIFY(restored.loadJson(bag.toJson()));
        ZelPropList other;
        other.resize(300, 300);
        other.ReadProperties(restored);
        QCOMPARE(other.ScrollBarWidth(), 20);
        QCOMPARE(other.FontNormal(), OLE_COLOR(0x0000FF));
        QCOMPARE(other.BackSelectedG1(), OLE_COLOR(0x123456));
        QCOMPARE(other.BoxRadius(), 4);
        QVERIFY(other.HoverSelection());
        QVERIFY(!other.WordWrap());
        QCOMPARE(other.rowHeight(), 30);
        QCOMPARE(other.ShowGridLines(), GridLines::dotted);
        QCOMPARE(other.ListColumWidth(), 140);
        QVERIFY(!other.ShowDescription());
        QCOMPARE(other.VisualStyle(), Style::CoolXP);
        QCOMPARE(other.BorderStyle(), BorderS::NoBorder);
        QCOMPARE(other.SpinMaxValue(), 500);
        QVERIFY(other.ShowMenu());
        QVERIFY(!other.Enabled());
        PropertyBag again;
        other.WriteProperties(again);
        QCOMPARE(again.keys().size(), bag.keys().size());
    }

    void enabledIsTheControlsOwnState()
    {
        // A host that disables the list inside a disabled form gets a disabled list back once
        // the form is enabled again, and stores what it assigned, not the form's state.
        QWidget form;
        auto* list = new ZelPropList(&form);
        form.setEnabled(false);
        list->setEnabled(false);
        form.setEnabled(true);
        QVERIFY(!list->Enabled());
        QVERIFY(!list->isEnabled());
        list->setEnabled(true);
        form.setEnabled(false);
        QVERIFY(list->Enabled());
        PropertyBag bag;
        list->WriteProperties(bag);
        QVERIFY(!bag.contains(QStringLiteral("Enabled")));
    }

    void storedValuesAreCheckedBeforeAnythingChanges()
    {
        ZelPropList list;
        PropertyBag bag;
        bag.WriteProperty(QStringLiteral("ItemHeight"), 3);
        bag.WriteProperty(QStringLiteral("ItemHeightAuto"), false);
        bag.WriteProperty(QStringLiteral("ScrollBarWidth"), 2);
        list.ReadProperties(bag);
        QVERIFY(list.ItemHeight() > 3); // never below the text height
        QCOMPARE(list.ScrollBarWidth(), 9);

        PropertyBag bad;
        bad.WriteProperty(QStringLiteral("ListColumWidth"), 150);
        bad.WriteProperty(QStringLiteral("SpinMaxValue"), QStringLiteral("lots"));
        ZelPropList other;
        QCOMPARE(errorOf([&] { other.ReadProperties(bad); }), 13);
        QCOMPARE(other.ListColumWidth(), 100);
    }

    // --- painting ---

    void pixelProbes()
    {
        auto list = makeList(200);
        list->setBackSelected(Zel::rgb(0, 0, 160));
        list->setVisualStyle(Style::CoolXP);
        list->setVisualColor(Zel::rgb(100, 100, 100));
        list->AddItem(
            QStringLiteral("h"), QStringLiteral("Group"), propHeader, QString(), QString());
        list->AddItem(QStringLiteral("c"), QStringLiteral("Colour"), propColor,
            QStringLiteral("#00FF00"), QString());
        list->AddItem(QStringLiteral("s"), QStringLiteral("Name"), propString, QStringLiteral("x"),
            QString());
        list->setListIndex(2);
        list->show();
        QCoreApplication::processEvents();
        const QImage image = surfaceOf(*list)->grab().toImage();
        // Header gradient: lightened base, darker towards the bottom.
        const QColor top = image.pixelColor(250, 1);
        const QColor bottom = image.pixelColor(250, 19);
        QVERIFY2(top.red() > bottom.red(),
            qPrintable(QStringLiteral("%1 %2").arg(top.red()).arg(bottom.red())));
        QCOMPARE(top.red(), 148 - 5); // 100 + 48, then the second line's step
        // Colour swatch in the second row.
        QCOMPARE(image.pixelColor(108, 30), QColor(0, 255, 0));
        // The selected row's name column.
        QCOMPARE(image.pixelColor(60, 45), QColor(0, 0, 160));
        // Below the rows: the back colour.
        QCOMPARE(image.pixelColor(150, 150), Zel::toQColor(list->BackNormal()));
    }

    void drawLineMarksUntilTheNextRefresh()
    {
        auto list = makeList(200);
        list->show();
        list->DrawLine(10, 10, 40, 30, Zel::rgb(255, 0, 0), true);
        list->DrawLine(10, 50, 40, 50, Zel::rgb(0, 0, 255), false);
        list->DrawLine(10, 70, 40, 90, Zel::rgb(0, 255, 0), 5); // neither True nor False
        QImage image = surfaceOf(*list)->grab().toImage();
        QCOMPARE(image.pixelColor(20, 20), QColor(255, 0, 0));
        QCOMPARE(image.pixelColor(39, 50), QColor(0, 0, 255));
        QCOMPARE(image.pixelColor(40, 50), Zel::toQColor(list->BackNormal())); // end point excluded
        QCOMPARE(image.pixelColor(20, 80), Zel::toQColor(list->BackNormal()));
        list->Refresh();
        image = surfaceOf(*list)->grab().toImage();
        QCOMPARE(image.pixelColor(20, 20), Zel::toQColor(list->BackNormal()));
    }

    void iconsHeadersAndTheDisabledLook()
    {
        auto list = makeList(200);
        QImage icon(16, 16, QImage::Format_ARGB32);
        icon.fill(QColor(0, 0, 255));
        list->AddItem(QStringLiteral("h"), QStringLiteral("Group"), propHeader, QString(),
            QString(), StdPicture(icon));
        list->AddItem(QStringLiteral("i"), QStringLiteral("Icon"), propString, QStringLiteral("v"),
            QString(), StdPicture(icon));
        list->AddItem(QStringLiteral("s"), QStringLiteral("Name"), propString, QStringLiteral("x"),
            QString());
        list->setListIndex(2);
        list->show();
        QImage image = surfaceOf(*list)->grab().toImage();
        QCOMPARE(image.pixelColor(10, 10), QColor(0, 0, 255)); // header icon at (2, 2)
        QCOMPARE(image.pixelColor(250, 10), Zel::toQColor(Zel::ButtonFaceColor)); // Standard header
        QCOMPARE(image.pixelColor(110, 30), QColor(0, 0, 255)); // item icon in the value column
        list->setEnabled(false);
        image = surfaceOf(*list)->grab().toImage();
        QCOMPARE(image.pixelColor(60, 50), Zel::toQColor(Zel::ButtonShadowColor));
    }

    void singleLineModeKeepsTheValueColumn()
    {
        auto list = makeList(200);
        list->setWordWrap(false);
        list->setShowGridLines(GridLines::None);
        list->AddItem(QStringLiteral("a"), QStringLiteral("Caption\nsecond line"), propString,
            QStringLiteral("WWWWWWWW"), QString());
        list->show();
        const QImage image = surfaceOf(*list)->grab().toImage();
        const QColor back = Zel::toQColor(list->BackNormal());
        int valueInk = 0;
        int outsideRow = 0;
        for (int x = 103; x < 200; ++x)
            for (int y = 0; y < 20; ++y)
                valueInk += image.pixelColor(x, y) != back;
        for (int x = 0; x < 300; ++x)
            outsideRow += image.pixelColor(x, 25) != back;
        QVERIFY(valueInk > 0);
        QCOMPARE(outsideRow, 0); // the caption's second line is not drawn below the row
    }

    void designTimeShowsTheNameOnly()
    {
        auto list = makeList(200);
        list->setObjectName(QStringLiteral("PropList1"));
        list->setBackSelected(Zel::rgb(0, 0, 160));
        addRows(*list, 3);
        list->setListIndex(1);
        list->setUserMode(false);
        list->show();
        const QImage image = surfaceOf(*list)->grab().toImage();
        QCOMPARE(image.pixelColor(60, 30), Zel::toQColor(list->BackNormal()));
        int dots = 0;
        for (int x = 0; x < 40; ++x)
            dots += image.pixelColor(x, 0) != Zel::toQColor(list->BackNormal());
        QVERIFY(dots > 5 && dots < 35); // a dotted focus rectangle
    }

    // --- description splitter ---

    void splitterResizesTheDescription()
    {
        ZelPropList list;
        list.setBorderStyle(BorderS::NoBorder);
        list.resize(300, 300);
        list.show();
        QCOMPARE(list.descriptionHeight(), 60);
        QCOMPARE(list.visibleRowCount(), 12);
        auto* pane = list.findChild<QWidget*>(QStringLiteral("Picture3"));
        QVERIFY(pane->isVisible());
        QTest::mousePress(pane, Qt::LeftButton, {}, QPoint(100, 10));
        auto* overlay = list.findChild<QWidget*>(QStringLiteral("SplitterOverlay"));
        QVERIFY(overlay && overlay->isVisible());
        // Dragging far up stops at the top border (30).
        QMouseEvent drag(QEvent::MouseMove, QPointF(100, -400),
            pane->mapToGlobal(QPointF(100, -400)), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(pane, &drag);
        QTest::mouseRelease(pane, Qt::LeftButton, {}, QPoint(100, -400));
        QVERIFY(!overlay->isVisible());
        QCOMPARE(list.descriptionHeight(), 300 - 30 - 5);
        QCOMPARE(list.visibleRowCount(), (300 - 265) / 20);
    }

    void everyPropertyRoundTrips()
    {
        RoundTripOptions options;
        QImage image(4, 4, QImage::Format_ARGB32);
        image.fill(Qt::red);
        for (const char* picture : { "SelectionPicture", "MouseIcon", "HeaderBackPicture" })
            options.values.insert(picture, QVariant::fromValue(StdPicture(image)));
        // The current and the first row belong to the running list, not to its stored form.
        options.notPersisted = { "Tmp_Text", "ListIndex", "TopIndex" };
        options.notifyRequired = true;
        // Inside the ranges the list clamps to: 9 .. half the width, and the text height.
        options.values.insert("ScrollBarWidth", QVariant::fromValue(qint16(20)));
        options.values.insert("ItemHeight", QVariant::fromValue(qint16(25)));
        const QString faults = checkPropertyRoundTrip(
            [] {
                auto list = std::make_unique<ZelPropList>();
                list->resize(300, 200);
                // Enough rows to scroll, so ListIndex and TopIndex have somewhere to go.
                for (int i = 0; i < 30; ++i)
                    list->AddItem(QStringLiteral("k%1").arg(i), QStringLiteral("Row %1").arg(i),
                        propString, QString(), QString());
                return list;
            },
            options);
        QVERIFY2(faults.isEmpty(), qPrintable(faults));
    }
};

QTEST_MAIN(TestZelPropList)
#include "tst_zelproplist.moc"
