// The code box on a screen of device pixel ratio 2: rows and clicks keep the
// logical pixels they have at ratio 1, and text is drawn at the screen's
// resolution.

#include "HighDpiProbe.h"

#include <QApplication>
#include <QTest>
#include <glyphon/Zel_CodeBox.h>

namespace {

QWidget* surface(Zel_CodeBox& box)
{
    return box.findChild<QWidget*>(QStringLiteral("Picture1"));
}

} // namespace

class TestCodeBoxHighDpi : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        box = std::make_unique<Zel_CodeBox>();
        box->setBorderStyle(Zel_CodeBox::NoBorder);
        box->setAutoRender(true);
        box->AddText(QStringLiteral("Head"), QStringLiteral("h"), QString(), StdPicture(),
            Zel_CodeBox::Header);
        for (int i = 0; i < 6; ++i)
            box->AddText(
                QStringLiteral("<p>row %1</p>").arg(i), QStringLiteral("k%1").arg(i), QString());
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        QCOMPARE(box->devicePixelRatioF(), 2.0);
    }
    void cleanup() { box.reset(); }

    void clicksChooseTheRowUnderThePointer()
    {
        QWidget* s = surface(*box);
        // Row tops in logical pixels, as the host computes them.
        for (const qint32 row : { 1, 3, 6 }) {
            const int top = box->Calculate_MouseY(row) - 1;
            QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(100, top + 1));
            QCOMPARE(box->ListIndex(), row);
            QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(100, top + box->Row(row).Height - 2));
            QCOMPARE(box->ListIndex(), row);
        }
        // The selection box is drawn on the chosen row, two device pixels a logical one.
        box->setSelectBGColor(0x00FF00);
        box->setListIndex(3);
        const QImage shown = s->grab().toImage();
        const int middle = box->Calculate_MouseY(3) - 1 + box->Row(3).Height / 2;
        const int right = s->width() - 10;
        QCOMPARE(shown.pixel(2 * right, 2 * middle) & 0xFFFFFF, 0x00FF00u);
        QCOMPARE(shown.pixel(2 * right, 2 * (middle - box->Row(3).Height)) & 0xFFFFFF, 0xFFFFFFu);
    }

    void textAtDeviceResolution()
    {
        QWidget* s = surface(*box);
        const QImage shown = s->grab().toImage();
        QCOMPARE(shown.size(), s->size() * 2);
        const int top = box->Row(0).Height;
        QVERIFY(hasSubLogicalDetail(shown, QRect(42, top + 1, 100, box->Row(1).Height - 2)));
    }

private:
    std::unique_ptr<Zel_CodeBox> box;
};

int main(int argc, char** argv)
{
    // Before the application exists, so every screen reports ratio 2.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestCodeBoxHighDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_codeboxhighdpi.moc"
