#include <PropertyRoundTrip.h>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <common/PropertyBag.h>
#include <tabulon/editors/Zel_SpinButton.h>

using namespace Tabulon;

namespace {

std::unique_ptr<Zel_SpinButton> makeSpin(qint32 min, qint32 max)
{
    auto spin = std::make_unique<Zel_SpinButton>();
    spin->resize(120, 22);
    spin->setMin(min);
    spin->setMax(max);
    return spin;
}

QLineEdit* textOf(Zel_SpinButton& spin)
{
    return spin.findChild<QLineEdit*>(QStringLiteral("Text1"));
}

void retype(Zel_SpinButton& spin, const QString& keys)
{
    textOf(spin)->clear();
    QTest::keyClicks(textOf(spin), keys);
}

} // namespace

class TestSpinButton : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void checkValue_data()
    {
        QTest::addColumn<qint32>("min");
        QTest::addColumn<qint32>("max");
        QTest::addColumn<qint32>("value");
        QTest::addColumn<qint32>("result");
        QTest::addColumn<qint32>("raisedArgument");
        QTest::newRow("no limit") << 0 << 0 << 987654 << 987654 << 987654;
        QTest::newRow("no limit raises negatives to 0") << 0 << 0 << -4 << 0 << 0;
        QTest::newRow("below min") << 5 << 10 << 3 << 5 << 5;
        QTest::newRow("inside") << 5 << 10 << 7 << 7 << 7;
        QTest::newRow("at max") << 5 << 10 << 10 << 10 << 10;
        QTest::newRow("above max") << 5 << 10 << 12 << 10 << 12;
        QTest::newRow("only a max") << 0 << 100 << 150 << 100 << 150;
    }

    void checkValue()
    {
        QFETCH(qint32, min);
        QFETCH(qint32, max);
        QFETCH(qint32, value);
        auto spin = makeSpin(min, max);
        QFETCH(qint32, result);
        QFETCH(qint32, raisedArgument);
        QCOMPARE(spin->CheckValue(value), result);
        QCOMPARE(value, raisedArgument);
    }

    void typingKeepsTheRange()
    {
        auto spin = makeSpin(5, 10);
        retype(*spin, QStringLiteral("3"));
        QCOMPARE(textOf(*spin)->text(), QStringLiteral("5"));
        retype(*spin, QStringLiteral("12"));
        QCOMPARE(textOf(*spin)->text(), QStringLiteral("10"));

        auto open = makeSpin(0, 0);
        retype(*open, QStringLiteral("4000000"));
        QCOMPARE(textOf(*open)->text(), QStringLiteral("4000000"));
        // More digits than 32 bits hold stop at the largest number instead of overflowing.
        retype(*open, QStringLiteral("99999999999"));
        QCOMPARE(textOf(*open)->text(), QStringLiteral("2147483647"));
    }

    void onlyDigitsAndBackspaceAreTyped()
    {
        auto spin = makeSpin(0, 0);
        QSignalSpy presses(spin.get(), &Zel_SpinButton::KeyPress);
        QSignalSpy changes(spin.get(), &Zel_SpinButton::TextChange);
        retype(*spin, QStringLiteral("-1.5x"));
        QCOMPARE(textOf(*spin)->text(), QStringLiteral("15"));
        QCOMPARE(presses.count(), 2);
        QCOMPARE(presses.at(0).at(0).value<qint16>(), qint16('1'));
        QTest::keyClick(textOf(*spin), Qt::Key_Backspace);
        QCOMPARE(textOf(*spin)->text(), QStringLiteral("1"));
        QCOMPARE(presses.count(), 3);
        QCOMPARE(presses.last().at(0).value<qint16>(), qint16(8));
        QCOMPARE(changes.last().at(0).toString(), QStringLiteral("1"));
    }

    void enterRaisesKeyDownBeforeValueUpdate()
    {
        auto spin = makeSpin(0, 0);
        retype(*spin, QStringLiteral("42"));
        QStringList order;
        connect(spin.get(), &Zel_SpinButton::KeyDown, this,
            [&](qint16 code, qint16) { order << QStringLiteral("KeyDown %1").arg(code); });
        connect(spin.get(), &Zel_SpinButton::ValueUpdate, this,
            [&](qint32 value) { order << QStringLiteral("ValueUpdate %1").arg(value); });
        QTest::keyClick(textOf(*spin), Qt::Key_Return);
        QCOMPARE(
            order, QStringList({ QStringLiteral("KeyDown 13"), QStringLiteral("ValueUpdate 42") }));
        QCOMPARE(spin->Value(), 42);
        QCOMPARE(textOf(*spin)->text(), QStringLiteral("42"));

        // An empty text box raises no KeyDown at all.
        order.clear();
        textOf(*spin)->clear();
        QTest::keyClick(textOf(*spin), Qt::Key_Return);
        QVERIFY(order.isEmpty());
    }

    void buttonsStepOncePerRelease()
    {
        auto spin = makeSpin(5, 10);
        spin->setValue(9);
        QSignalSpy updates(spin.get(), &Zel_SpinButton::ValueUpdate);
        QSignalSpy changes(spin.get(), &Zel_SpinButton::TextChange);
        const QPoint up = spin->upButtonRect().center();
        QTest::mouseClick(spin.get(), Qt::LeftButton, {}, up);
        QCOMPARE(spin->Value(), 10);
        QTest::mouseClick(spin.get(), Qt::LeftButton, {}, up);
        QCOMPARE(spin->Value(), 10); // clicking up at Max stays at Max
        QCOMPARE(textOf(*spin)->text(), QStringLiteral("10"));
        QCOMPARE(updates.count(), 2);
        QCOMPARE(updates.last().at(0).value<qint32>(), 10);
        QCOMPARE(changes.count(), 0); // a step is no typed change

        spin->setValueChange(3);
        QTest::mouseClick(spin.get(), Qt::LeftButton, {}, spin->downButtonRect().center());
        QCOMPARE(spin->Value(), 7);
        QCOMPARE(spin->heldButton(), Zel_SpinButton::NoButton);
        QVERIFY(!spin->isDownPressed());
    }

    void releaseOffTheButtonChangesNothingButReports()
    {
        auto spin = makeSpin(0, 0);
        spin->setValue(4);
        QSignalSpy updates(spin.get(), &Zel_SpinButton::ValueUpdate);
        QTest::mousePress(spin.get(), Qt::LeftButton, {}, spin->upButtonRect().center());
        QVERIFY(spin->isUpPressed());
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), spin->mapToGlobal(QPointF(5, 5)),
            Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(spin.get(), &move);
        QVERIFY(!spin->isUpPressed());
        QTest::mouseRelease(spin.get(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(spin->Value(), 4);
        QCOMPARE(updates.count(), 1);
        QCOMPARE(updates.at(0).at(0).value<qint32>(), 4);
    }

    void emptyTextIgnoresTheButtons()
    {
        auto spin = makeSpin(0, 0);
        textOf(*spin)->clear();
        QSignalSpy updates(spin.get(), &Zel_SpinButton::ValueUpdate);
        QTest::mouseClick(spin.get(), Qt::LeftButton, {}, spin->upButtonRect().center());
        QCOMPARE(updates.count(), 0);
        QVERIFY(textOf(*spin)->text().isEmpty());
    }

    void stepsStopAtTheEndsOf32Bits()
    {
        auto spin = makeSpin(0, 0);
        spin->setValue(2147483600);
        spin->setValueChange(1000);
        QTest::mouseClick(spin.get(), Qt::LeftButton, {}, spin->upButtonRect().center());
        QCOMPARE(spin->Value(), 2147483647);
    }

    void buttonLayout()
    {
        auto spin = makeSpin(0, 0);
        spin->setBorderApperance(0);
        spin->resize(100, 21);
        spin->show();
        QCOMPARE(spin->upButtonRect(), QRect(82, 0, 18, 11));
        QCOMPARE(spin->downButtonRect(), QRect(82, 11, 18, 10));
        QCOMPARE(textOf(*spin)->geometry().width(), 100 - 18 - 2);
    }

    void persistence()
    {
        auto spin = makeSpin(0, 32000);
        PropertyBag bag;
        spin->WriteProperties(bag);
        QVERIFY2(bag.isEmpty(), qPrintable(bag.keys().join(u',')));

        spin->setValue(17);
        spin->setMin(2);
        spin->setMax(90);
        spin->setValueChange(5);
        spin->setControlDirty(true);
        spin->setBorderApperance(0);
        spin->setEnabled(false);
        StdFont font(QStringLiteral("Verdana"), 11);
        spin->setFont(font);
        spin->WriteProperties(bag);
        PropertyBag copy;
        QVERIFY(copy.loadJson(bag.toJson()));

        Zel_SpinButton read;
        read.ReadProperties(copy);
        QCOMPARE(read.Value(), 17);
        QCOMPARE(read.Min(), 2);
        QCOMPARE(read.Max(), 90);
        QCOMPARE(read.ValueChange(), 5);
        QCOMPARE(read.ControlDirty(), true);
        QCOMPARE(read.BorderApperance(), qint16(0));
        QCOMPARE(read.Enabled(), false);
        QVERIFY(read.Font() == font);
        QCOMPARE(textOf(read)->text(), QStringLiteral("17"));
        QCOMPARE(read.property("Value").toInt(), 17);
    }

    void valueChangedFollowsTheUsersNumber()
    {
        auto spin = makeSpin(0, 0);
        spin->setValue(4);
        QSignalSpy values(spin.get(), &Zel_SpinButton::ValueChanged);
        QSignalSpy marks(spin.get(), &UserControl::propertyChanged);
        // A step stores the number: the value changes, nothing is marked for saving.
        QTest::mouseClick(spin.get(), Qt::LeftButton, {}, spin->upButtonRect().center());
        QCOMPARE(values.count(), 1);
        QCOMPARE(values.at(0).at(0).value<qint32>(), 5);
        // Keys store the number the text shows before each of them; Enter the whole of it.
        retype(*spin, QStringLiteral("42"));
        QTest::keyClick(textOf(*spin), Qt::Key_Return);
        QCOMPARE(values.last().at(0).value<qint32>(), 42);
        QCOMPARE(spin->Value(), 42);
        const qsizetype count = values.count();
        QTest::keyClick(textOf(*spin), Qt::Key_Return);
        QCOMPARE(values.count(), count);
        QCOMPARE(marks.count(), 0);
    }

    void theSameValueAgainRewritesTheText()
    {
        auto spin = makeSpin(0, 0);
        // The last key typed is in the text but not yet in the value.
        retype(*spin, QStringLiteral("123"));
        QCOMPARE(spin->Value(), 12);
        QSignalSpy values(spin.get(), &Zel_SpinButton::ValueChanged);
        QSignalSpy marks(spin.get(), &UserControl::propertyChanged);
        spin->setValue(12);
        QCOMPARE(textOf(*spin)->text(), QStringLiteral("12"));
        QCOMPARE(values.count(), 0);
        QCOMPARE(marks.count(), 0);
    }

    void everyPropertyRoundTrips()
    {
        RoundTripOptions options;
        options.notifyRequired = true;
        const QString faults
            = checkPropertyRoundTrip([] { return std::make_unique<Zel_SpinButton>(); }, options);
        QVERIFY2(faults.isEmpty(), qPrintable(faults));
    }
};

QTEST_MAIN(TestSpinButton)
#include "tst_spinbutton.moc"
