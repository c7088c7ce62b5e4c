#include <PropertyRoundTrip.h>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <common/PropertyBag.h>
#include <tabulon/editors/Zel_ComboButton.h>

using namespace Tabulon;

namespace {

void sendMove(QWidget* widget, QPoint pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, widget->mapToGlobal(QPointF(pos)), Qt::NoButton,
        Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

} // namespace

class TestComboButton : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pickShowsTheTextAndRaisesTheChoiceOnce()
    {
        QWidget window;
        auto* combo = new Zel_ComboButton(&window);
        combo->setGeometry(10, 10, 150, 20);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!combo->findChild<QComboBox*>(QStringLiteral("Combo1")));

        combo->Clear();
        for (const char* text : { "one", "two", "three" })
            combo->AddItem(QString::fromLatin1(text));
        combo->AddItem(QStringLiteral("zero"), 0);
        QCOMPARE(combo->entries(),
            QStringList({ QStringLiteral("zero"), QStringLiteral("one"), QStringLiteral("two"),
                QStringLiteral("three") }));
        auto* list = combo->findChild<QComboBox*>(QStringLiteral("Combo1"));
        QVERIFY(list);

        QStringList order;
        connect(combo, &Zel_ComboButton::SetTextChanged, this,
            [&](const QString& text) { order << QStringLiteral("text ") + text; });
        connect(combo, &Zel_ComboButton::ItemChosen, this,
            [&](const QString& text) { order << QStringLiteral("chosen ") + text; });
        connect(combo, &Zel_ComboButton::Click, this, [&] { order << QStringLiteral("click"); });
        Q_EMIT list->activated(2);
        QCOMPARE(order,
            QStringList({ QStringLiteral("text two"), QStringLiteral("chosen two"),
                QStringLiteral("click") }));
        // Picking the entry the label shows already changes no text.
        order.clear();
        Q_EMIT list->activated(2);
        QCOMPARE(order, QStringList({ QStringLiteral("chosen two"), QStringLiteral("click") }));
        QCOMPARE(combo->SetText(), QStringLiteral("two"));
        QCOMPARE(
            combo->findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("two"));

        order.clear();
        combo->Clear();
        QVERIFY(combo->entries().isEmpty());
        QVERIFY(combo->SetText().isEmpty());
        QCOMPARE(order, QStringList({ QStringLiteral("text ") }));
    }

    void opensOnlyWhenReleasedOnTheButton()
    {
        QWidget window;
        window.resize(300, 200);
        auto* combo = new Zel_ComboButton(&window);
        combo->setGeometry(10, 10, 150, 20);
        combo->AddItem(QStringLiteral("a"));
        combo->AddItem(QStringLiteral("b"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint button = combo->buttonRect().center();

        QTest::mouseClick(combo, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(!combo->isDroppedDown());

        QTest::mousePress(combo, Qt::LeftButton, {}, button);
        QVERIFY(combo->isButtonPressed());
        sendMove(combo, QPoint(10, 10));
        QVERIFY(!combo->isButtonPressed());
        QTest::mouseRelease(combo, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(!combo->isDroppedDown());

        QTest::mouseClick(combo, Qt::LeftButton, {}, button);
        QVERIFY(combo->isDroppedDown());
        QVERIFY(!combo->isButtonPressed());
        // The list drops down below the control.
        auto* list = combo->findChild<QComboBox*>(QStringLiteral("Combo1"));
        QVERIFY(
            list->view()->window()->geometry().top() >= combo->mapToGlobal(QPoint(0, 0)).y() + 19);

        // Hiding the editor takes its list away.
        combo->hide();
        QVERIFY(!combo->isDroppedDown());
    }

    void persistence()
    {
        Zel_ComboButton combo;
        PropertyBag bag;
        combo.WriteProperties(bag);
        QVERIFY(bag.isEmpty());
        QCOMPARE(combo.SetText(), QStringLiteral("Label1"));

        combo.setSetText(QStringLiteral("Chosen"));
        combo.setBorderApperance(0);
        combo.setEnabled(false);
        combo.WriteProperties(bag);
        PropertyBag copy;
        QVERIFY(copy.loadJson(bag.toJson()));
        Zel_ComboButton read;
        read.ReadProperties(copy);
        QCOMPARE(read.SetText(), QStringLiteral("Chosen"));
        QCOMPARE(read.BorderApperance(), qint16(0));
        QCOMPARE(read.Enabled(), false);
        QCOMPARE(read.property("SetText").toString(), QStringLiteral("Chosen"));
    }

    void everyPropertyRoundTrips()
    {
        RoundTripOptions options;
        options.notifyRequired = true;
        const QString faults
            = checkPropertyRoundTrip([] { return std::make_unique<Zel_ComboButton>(); }, options);
        QVERIFY2(faults.isEmpty(), qPrintable(faults));
    }
};

QTEST_MAIN(TestComboButton)
#include "tst_combobutton.moc"
