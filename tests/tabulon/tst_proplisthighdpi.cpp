// The property list on a screen of device pixel ratio 2: rows, clicks and
// editors keep the logical pixels they have at ratio 1, and text is drawn
// at the screen's resolution.

#include "HighDpiProbe.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <common/Dialogs.h>
#include <tabulon/ZelPropList.h>
#include <tabulon/editors/Zel_SpinButton.h>

using namespace Tabulon;

namespace { } // namespace

class TestPropListHighDpi : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        Zel::setMessageBoxHook([](const QString&, int, const QString&) { return int(Zel::vbOK); });
    }

    void clicksAndEditorsInLogicalPixels()
    {
        QWidget window;
        auto* list = new ZelPropList(&window);
        list->setBorderStyle(BorderS::NoBorder);
        list->setShowDescription(false);
        list->setGeometry(0, 0, 300, 130);
        window.resize(320, 150);
        for (int i = 0; i < 5; ++i)
            list->AddItem(QStringLiteral("k%1").arg(i), QStringLiteral("Caption %1").arg(i),
                i == 3 ? propNumber : propString, QString::number(i), QString());
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(list->devicePixelRatioF(), 2.0);

        auto* surface = list->findChild<QWidget*>(QStringLiteral("iUC"));
        const int h = list->rowHeight();
        QCOMPARE(h, 20); // as at ratio 1

        // The last and first logical pixel of a row select that row.
        QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(50, 2 * h - 1));
        QCOMPARE(list->ListIndex(), 1);
        QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(50, 2 * h));
        QCOMPARE(list->ListIndex(), 2);
        auto* text = list->findChild<QLineEdit*>(QStringLiteral("txtEdit"));
        QVERIFY(text->isVisible());
        QVERIFY(text->geometry().top() >= 2 * h && text->geometry().bottom() < 3 * h);

        // The number editor sits on its row, in the value column.
        QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(50, 3 * h + h / 2));
        QCOMPARE(list->ListIndex(), 3);
        auto* spin = list->findChild<Zel_SpinButton*>(QStringLiteral("Zel_SpinButton1"));
        QVERIFY(spin->isVisible());
        QCOMPARE(spin->geometry(), QRect(101, 3 * h + 1, 199, 19));
    }

    void textAtDeviceResolution()
    {
        ZelPropList list;
        list.setBorderStyle(BorderS::NoBorder);
        list.setShowDescription(false);
        list.resize(300, 130);
        list.AddItem(QStringLiteral("k"), QStringLiteral("Caption"), propString,
            QStringLiteral("value"), QString());
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        auto* surface = list.findChild<QWidget*>(QStringLiteral("iUC"));
        const QImage shown = surface->grab().toImage();
        QCOMPARE(shown.size(), surface->size() * 2);
        // Glyph edges fall between logical pixels; a doubled low-resolution
        // picture would show only whole 2 x 2 blocks.
        QVERIFY(hasSubLogicalDetail(shown, QRect(2, 2, 90, 16)));
    }
};

int main(int argc, char** argv)
{
    // Before the application exists, so every screen reports ratio 2.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestPropListHighDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_proplisthighdpi.moc"
