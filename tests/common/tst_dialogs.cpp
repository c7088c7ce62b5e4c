#include <QApplication>
#include <QTest>
#include <common/Dialogs.h>
#include <common/MousePointer.h>

class TestDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void messageBoxHook();
    void colorDialogHook();
    void pointers_data();
    void pointers();
    void customPointer();
};

void TestDialogs::messageBoxHook()
{
    QString seenPrompt;
    int seenStyle = -1;
    QString seenTitle;
    auto previous
        = Zel::setMessageBoxHook([&](const QString& prompt, int style, const QString& title) {
              seenPrompt = prompt;
              seenStyle = style;
              seenTitle = title;
              return int(Zel::vbNo);
          });
    QVERIFY(previous); // the QMessageBox hook
    QCOMPARE(Zel::MsgBox(u"Undo failed"_qs, Zel::vbYesNo | Zel::vbQuestion, u"Studio"_qs),
        int(Zel::vbNo));
    QCOMPARE(seenPrompt, u"Undo failed"_qs);
    QCOMPARE(seenStyle, Zel::vbYesNo | Zel::vbQuestion);
    QCOMPARE(seenTitle, u"Studio"_qs);

    // A second hook returns the first; putting it back restores it.
    auto first = Zel::setMessageBoxHook(
        [](const QString&, int, const QString&) { return int(Zel::vbOK); });
    QCOMPARE(Zel::MsgBox(u"x"_qs), int(Zel::vbOK));
    Zel::setMessageBoxHook(first);
    QCOMPARE(Zel::MsgBox(u"x"_qs), int(Zel::vbNo));

    // A hook that replaces itself while it runs keeps running safely.
    Zel::setMessageBoxHook([](const QString&, int, const QString&) {
        Zel::setMessageBoxHook([](const QString&, int, const QString&) { return int(Zel::vbYes); });
        return int(Zel::vbCancel);
    });
    QCOMPARE(Zel::MsgBox(u"x"_qs), int(Zel::vbCancel));
    QCOMPARE(Zel::MsgBox(u"x"_qs), int(Zel::vbYes));

    // An empty hook brings the default back, which is not any of the above.
    auto last = Zel::setMessageBoxHook({});
    QCOMPARE(last(u""_qs, 0, u""_qs), int(Zel::vbYes));
    Zel::setMessageBoxHook(previous);
}

void TestDialogs::colorDialogHook()
{
    QWidget parent;
    QWidget* seenParent = nullptr;
    auto previous = Zel::setColorDialogHook([&](OLE_COLOR& color, QWidget* p) {
        seenParent = p;
        if (color == 0)
            return false; // cancelled
        color = Zel::rgb(1, 2, 3);
        return true;
    });
    QVERIFY(previous);
    OLE_COLOR color = Zel::ButtonFaceColor;
    QVERIFY(Zel::chooseColor(color, &parent));
    QCOMPARE(color, Zel::rgb(1, 2, 3));
    QCOMPARE(seenParent, &parent);
    OLE_COLOR black = 0;
    QVERIFY(!Zel::chooseColor(black));
    QCOMPARE(black, OLE_COLOR(0));
    auto mine = Zel::setColorDialogHook({});
    QVERIFY(mine);
    Zel::setColorDialogHook(previous);
}

void TestDialogs::pointers_data()
{
    QTest::addColumn<int>("pointer");
    QTest::addColumn<int>("shape");
    QTest::addColumn<bool>("valid");
    QTest::newRow("0 default") << 0 << int(Qt::ArrowCursor) << true;
    QTest::newRow("1 arrow") << 1 << int(Qt::ArrowCursor) << true;
    QTest::newRow("2 cross") << 2 << int(Qt::CrossCursor) << true;
    QTest::newRow("3 I-beam") << 3 << int(Qt::IBeamCursor) << true;
    QTest::newRow("4 icon") << 4 << int(Qt::ArrowCursor) << true;
    QTest::newRow("5 size") << 5 << int(Qt::SizeAllCursor) << true;
    QTest::newRow("6 NE-SW") << 6 << int(Qt::SizeBDiagCursor) << true;
    QTest::newRow("7 N-S") << 7 << int(Qt::SizeVerCursor) << true;
    QTest::newRow("8 NW-SE") << 8 << int(Qt::SizeFDiagCursor) << true;
    QTest::newRow("9 W-E") << 9 << int(Qt::SizeHorCursor) << true;
    QTest::newRow("10 up arrow") << 10 << int(Qt::UpArrowCursor) << true;
    QTest::newRow("11 hourglass") << 11 << int(Qt::WaitCursor) << true;
    QTest::newRow("12 no drop") << 12 << int(Qt::ForbiddenCursor) << true;
    QTest::newRow("13 arrow and hourglass") << 13 << int(Qt::BusyCursor) << true;
    QTest::newRow("14 arrow and question") << 14 << int(Qt::WhatsThisCursor) << true;
    QTest::newRow("15 size all") << 15 << int(Qt::SizeAllCursor) << true;
    QTest::newRow("99 custom without icon") << 99 << int(Qt::ArrowCursor) << true;
    QTest::newRow("16 unknown") << 16 << int(Qt::ArrowCursor) << false;
    QTest::newRow("-1 unknown") << -1 << int(Qt::ArrowCursor) << false;
}

void TestDialogs::pointers()
{
    QFETCH(int, pointer);
    QFETCH(int, shape);
    QFETCH(bool, valid);
    QCOMPARE(int(Zel::cursorForPointer(qint16(pointer)).shape()), shape);
    QCOMPARE(Zel::isValidMousePointer(qint16(pointer)), valid);
}

void TestDialogs::customPointer()
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::red);
    const QCursor cursor
        = Zel::cursorForPointer(Zel::PointerCustom, StdPicture(image, StdPicture::Icon));
    QCOMPARE(cursor.shape(), Qt::BitmapCursor);
    QCOMPARE(cursor.pixmap().size(), QSize(16, 16));
    QCOMPARE(cursor.pixmap().toImage().pixel(8, 8), qRgb(255, 0, 0));
    // The icon only counts for pointer 99.
    QCOMPARE(Zel::cursorForPointer(Zel::PointerCross, StdPicture(image)).shape(), Qt::CrossCursor);
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
