#include <PropertyRoundTrip.h>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <common/PropertyBag.h>
#include <tabulon/editors/Zel_BrowseButton.h>

using namespace Tabulon;

namespace {

QLineEdit* textOf(Zel_BrowseButton& browse)
{
    return browse.findChild<QLineEdit*>(QStringLiteral("Text1"));
}

QLabel* labelOf(Zel_BrowseButton& browse)
{
    return browse.findChild<QLabel*>(QStringLiteral("Label1"));
}

} // namespace

class TestBrowseButton : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void typingReportsEachChangeAndEnterCommits()
    {
        Zel_BrowseButton browse;
        browse.resize(150, 20);
        QStringList order;
        connect(&browse, &Zel_BrowseButton::UpdateTExt, this,
            [&](const QString& text) { order << QStringLiteral("typed ") + text; });
        connect(&browse, &Zel_BrowseButton::ChangeText, this,
            [&](const QString& text) { order << QStringLiteral("commit ") + text; });
        browse.UserValue(QStringLiteral("a"));
        QVERIFY(order.isEmpty());
        QTest::keyClicks(textOf(browse), QStringLiteral("bc"));
        QCOMPARE(order, QStringList({ QStringLiteral("typed ab"), QStringLiteral("typed abc") }));
        QTest::keyClick(textOf(browse), Qt::Key_Return);
        QCOMPARE(order.mid(2),
            QStringList({ QStringLiteral("typed abc"), QStringLiteral("commit abc") }));
        QCOMPARE(browse.text(), QStringLiteral("abc"));

        order.clear();
        browse.UserText(QStringLiteral("set"));
        QCOMPARE(order, QStringList({ QStringLiteral("commit set") }));
        QCOMPARE(browse.text(), QStringLiteral("set"));
    }

    void lockedTextIsShownNotTyped()
    {
        QWidget window;
        auto* browse = new Zel_BrowseButton(&window);
        browse->setGeometry(0, 0, 150, 20);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        browse->UserValue(QStringLiteral("/tmp/file.png"));
        browse->TextLocked(true);
        QVERIFY(!textOf(*browse)->isVisible());
        QVERIFY(labelOf(*browse)->isVisible());
        QCOMPARE(labelOf(*browse)->text(), QStringLiteral("/tmp/file.png"));

        QSignalSpy browses(browse, &Zel_BrowseButton::OpenBrowse);
        QTest::mouseClick(browse, Qt::LeftButton, {}, browse->buttonRect().center());
        QCOMPARE(browses.count(), 1);

        // Unlocking gives the text box back at once.
        browse->TextLocked(false);
        QVERIFY(textOf(*browse)->isVisible());
        QVERIFY(!labelOf(*browse)->isVisible());
    }

    void releaseOutsideTheButtonRaisesNothing()
    {
        Zel_BrowseButton browse;
        browse.resize(150, 20);
        QSignalSpy browses(&browse, &Zel_BrowseButton::OpenBrowse);
        QTest::mousePress(&browse, Qt::LeftButton, {}, browse.buttonRect().center());
        QVERIFY(browse.isButtonPressed());
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), browse.mapToGlobal(QPointF(5, 5)),
            Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&browse, &move);
        QVERIFY(!browse.isButtonPressed());
        QTest::mouseRelease(&browse, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(browses.count(), 0);

        QTest::mouseClick(&browse, Qt::RightButton, {}, browse.buttonRect().center());
        QCOMPARE(browses.count(), 1); // any button presses it
    }

    void layout()
    {
        Zel_BrowseButton browse;
        browse.setBorderApperance(0);
        browse.resize(150, 20);
        browse.show();
        QCOMPARE(browse.buttonRect(), QRect(132, 0, 18, 20));
        QCOMPARE(textOf(browse)->width(), 150 - 18 - 3);
        QCOMPARE(labelOf(browse)->geometry(), textOf(browse)->geometry());
    }

    void persistence()
    {
        Zel_BrowseButton browse;
        PropertyBag bag;
        browse.WriteProperties(bag);
        QVERIFY(bag.isEmpty());
        QCOMPARE(browse.BackColor(), OLE_COLOR(0));

        browse.setBackColor(0x80000005u);
        browse.setBorderApperance(0);
        browse.setEnabled(false);
        StdFont font(QStringLiteral("Tahoma"), 9);
        browse.setFont(font);
        browse.WriteProperties(bag);
        PropertyBag copy;
        QVERIFY(copy.loadJson(bag.toJson()));
        Zel_BrowseButton read;
        read.ReadProperties(copy);
        QCOMPARE(read.BackColor(), OLE_COLOR(0x80000005u));
        QCOMPARE(read.BorderApperance(), qint16(0));
        QCOMPARE(read.Enabled(), false);
        QVERIFY(read.Font() == font);
    }

    void everyPropertyRoundTrips()
    {
        RoundTripOptions options;
        options.notifyRequired = true;
        const QString faults
            = checkPropertyRoundTrip([] { return std::make_unique<Zel_BrowseButton>(); }, options);
        QVERIFY2(faults.isEmpty(), qPrintable(faults));
    }
};

QTEST_MAIN(TestBrowseButton)
#include "tst_browsebutton.moc"
