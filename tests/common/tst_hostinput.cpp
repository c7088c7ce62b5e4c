#include <QTest>
#include <common/HostInput.h>

class TestHostInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void buttonsAndShift()
    {
        QCOMPARE(Zel::hostButton(Qt::LeftButton), qint16(1));
        QCOMPARE(Zel::hostButton(Qt::RightButton), qint16(2));
        QCOMPARE(Zel::hostButton(Qt::MiddleButton), qint16(4));
        QCOMPARE(Zel::hostButton(Qt::BackButton), qint16(0));
        QCOMPARE(Zel::hostButton(Qt::NoButton), qint16(0));

        QCOMPARE(Zel::hostButtons(Qt::NoButton), qint16(0));
        QCOMPARE(Zel::hostButtons(Qt::LeftButton | Qt::MiddleButton), qint16(5));
        QCOMPARE(
            Zel::hostButtons(Qt::LeftButton | Qt::RightButton | Qt::MiddleButton | Qt::BackButton),
            qint16(7));

        QCOMPARE(Zel::hostShift(Qt::NoModifier), qint16(0));
        QCOMPARE(Zel::hostShift(Qt::ShiftModifier), qint16(1));
        QCOMPARE(Zel::hostShift(Qt::ControlModifier | Qt::AltModifier), qint16(6));
        // Keys the host has no bit for are left out.
        QCOMPARE(
            Zel::hostShift(Qt::ShiftModifier | Qt::MetaModifier | Qt::KeypadModifier), qint16(1));
    }

    void keyCodes_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("code");
        QTest::newRow("A") << int(Qt::Key_A) << 65;
        QTest::newRow("Z") << int(Qt::Key_Z) << 90;
        QTest::newRow("0") << int(Qt::Key_0) << 48;
        QTest::newRow("9") << int(Qt::Key_9) << 57;
        QTest::newRow("F1") << int(Qt::Key_F1) << 0x70;
        QTest::newRow("F24") << int(Qt::Key_F24) << 0x87;
        QTest::newRow("F25") << int(Qt::Key_F25) << 0;
        QTest::newRow("Return") << int(Qt::Key_Return) << 13;
        QTest::newRow("Enter") << int(Qt::Key_Enter) << 13;
        QTest::newRow("Backtab") << int(Qt::Key_Backtab) << 9;
        QTest::newRow("Space") << int(Qt::Key_Space) << 32;
        QTest::newRow("PageUp") << int(Qt::Key_PageUp) << 33;
        QTest::newRow("Down") << int(Qt::Key_Down) << 40;
        QTest::newRow("Insert") << int(Qt::Key_Insert) << 45;
        QTest::newRow("Delete") << int(Qt::Key_Delete) << 46;
        // Punctuation has codes of its own, never those of the navigation keys
        // its characters share a number with.
        QTest::newRow("Minus") << int(Qt::Key_Minus) << 0xBD;
        QTest::newRow("Period") << int(Qt::Key_Period) << 0xBE;
        QTest::newRow("Apostrophe") << int(Qt::Key_Apostrophe) << 0xDE;
        QTest::newRow("Ampersand") << int(Qt::Key_Ampersand) << 0;
        QTest::newRow("unknown") << int(Qt::Key_unknown) << 0;
    }

    void keyCodes()
    {
        QFETCH(int, key);
        QFETCH(int, code);
        QCOMPARE(int(Zel::hostKeyCode(key)), code);
    }
};

QTEST_GUILESS_MAIN(TestHostInput)
#include "tst_hostinput.moc"
