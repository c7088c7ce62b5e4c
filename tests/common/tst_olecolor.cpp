#include <QGuiApplication>
#include <QPalette>
#include <QTest>
#include <TestSupport.h>
#include <common/OleColor.h>
#include <common/RuntimeError.h>
#include <functional>

class TestOleColor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void translate_data();
    void translate();
    void qcolors();
    void text_data();
    void text();
    void textErrors_data();
    void textErrors();
};

void TestOleColor::initTestCase()
{
    // A palette with a distinct colour in every role, so each mapping shows.
    QPalette palette;
    palette.setColor(QPalette::All, QPalette::Button, QColor(1, 2, 3));
    palette.setColor(QPalette::All, QPalette::Base, QColor(4, 5, 6));
    palette.setColor(QPalette::All, QPalette::Text, QColor(7, 8, 9));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(10, 11, 12));
    palette.setColor(QPalette::All, QPalette::Highlight, QColor(13, 14, 15));
    palette.setColor(QPalette::All, QPalette::HighlightedText, QColor(16, 17, 18));
    palette.setColor(QPalette::All, QPalette::ButtonText, QColor(19, 20, 21));
    palette.setColor(QPalette::All, QPalette::Dark, QColor(22, 23, 24));
    palette.setColor(QPalette::All, QPalette::Light, QColor(25, 26, 27));
    palette.setColor(QPalette::All, QPalette::Shadow, QColor(28, 29, 30));
    palette.setColor(QPalette::All, QPalette::Midlight, QColor(31, 32, 33));
    palette.setColor(QPalette::All, QPalette::ToolTipText, QColor(34, 35, 36));
    palette.setColor(QPalette::All, QPalette::ToolTipBase, QColor(37, 38, 39));
    palette.setColor(QPalette::All, QPalette::Window, QColor(40, 41, 42));
    palette.setColor(QPalette::All, QPalette::WindowText, QColor(43, 44, 45));
    QGuiApplication::setPalette(palette);
}

void TestOleColor::translate_data()
{
    QTest::addColumn<quint32>("color");
    QTest::addColumn<qint32>("expected");
    using namespace Zel;
    QTest::newRow("rgb passes through") << quint32(0x00123456) << qint32(0x123456);
    QTest::newRow("black") << quint32(0) << qint32(0);
    QTest::newRow("white") << quint32(0x00FFFFFF) << qint32(0xFFFFFF);
    QTest::newRow("bits 24-30 set") << quint32(0x01000000) << -1;
    QTest::newRow("bit 30 set") << quint32(0x40FFFFFF) << -1;
    QTest::newRow("button face") << quint32(ButtonFaceColor) << qint32(rgb(1, 2, 3));
    QTest::newRow("window") << quint32(WindowBackgroundColor) << qint32(rgb(4, 5, 6));
    QTest::newRow("window text") << quint32(WindowTextColor) << qint32(rgb(7, 8, 9));
    QTest::newRow("gray text") << quint32(GrayTextColor) << qint32(rgb(10, 11, 12));
    QTest::newRow("highlight") << quint32(HighlightColor) << qint32(rgb(13, 14, 15));
    QTest::newRow("highlight text") << quint32(HighlightTextColor) << qint32(rgb(16, 17, 18));
    QTest::newRow("button text") << quint32(ButtonTextColor) << qint32(rgb(19, 20, 21));
    QTest::newRow("button shadow") << quint32(ButtonShadowColor) << qint32(rgb(22, 23, 24));
    QTest::newRow("button highlight") << quint32(ButtonHighlightColor) << qint32(rgb(25, 26, 27));
    QTest::newRow("dark shadow") << quint32(ButtonDarkShadowColor) << qint32(rgb(28, 29, 30));
    QTest::newRow("button light") << quint32(ButtonLightColor) << qint32(rgb(31, 32, 33));
    QTest::newRow("info text") << quint32(InfoTextColor) << qint32(rgb(34, 35, 36));
    QTest::newRow("info background") << quint32(InfoBackgroundColor) << qint32(rgb(37, 38, 39));
    QTest::newRow("menu") << quint32(MenuColor) << qint32(rgb(40, 41, 42));
    QTest::newRow("menu text") << quint32(MenuTextColor) << qint32(rgb(43, 44, 45));
    QTest::newRow("scroll bar classic") << quint32(ScrollBarColor) << qint32(rgb(212, 208, 200));
    QTest::newRow("desktop classic") << quint32(DesktopColor) << qint32(rgb(58, 110, 165));
    QTest::newRow("active caption classic")
        << quint32(ActiveCaptionColor) << qint32(rgb(10, 36, 106));
    QTest::newRow("window frame classic") << quint32(WindowFrameColor) << qint32(0);
    QTest::newRow("workspace classic")
        << quint32(ApplicationWorkspaceColor) << qint32(rgb(128, 128, 128));
    QTest::newRow("index 25") << quint32(0x80000019) << -1;
    QTest::newRow("all bits") << quint32(0xFFFFFFFF) << -1;
}

void TestOleColor::translate()
{
    QFETCH(quint32, color);
    QFETCH(qint32, expected);
    QCOMPARE(Zel::TranslateColor(color), expected);
}

void TestOleColor::qcolors()
{
    QCOMPARE(Zel::toQColor(Zel::rgb(255, 128, 0)), QColor(255, 128, 0));
    QCOMPARE(Zel::toQColor(Zel::ButtonFaceColor), QColor(1, 2, 3));
    QVERIFY(!Zel::toQColor(0x80000040).isValid());
    // Drawing code falls back to a colour of its choice.
    QCOMPARE(Zel::toQColor(0x80000040, Qt::black), QColor(Qt::black));
    QCOMPARE(Zel::toQColor(Zel::rgb(255, 128, 0), Qt::black), QColor(255, 128, 0));
    QCOMPARE(Zel::fromQColor(QColor(10, 20, 30, 40)), Zel::rgb(10, 20, 30));
    QCOMPARE(Zel::fromQColor(QColor::fromHsv(0, 255, 255)), Zel::rgb(255, 0, 0));
    QCOMPARE(Zel::rgb(256 + 1, -1, 2), OLE_COLOR(0x02FF01));
}

void TestOleColor::text_data()
{
    QTest::addColumn<quint32>("color");
    QTest::addColumn<QString>("text");
    QTest::newRow("system") << quint32(0x8000000F) << "&H8000000F";
    QTest::newRow("blue") << quint32(0xFF0000) << "&HFF0000";
    QTest::newRow("green reads back unsigned") << quint32(0xFF00) << "&HFF00";
    QTest::newRow("black") << quint32(0) << "&H0";
    QTest::newRow("lower digits upper-cased") << quint32(0xabcdef) << "&HABCDEF";
    QTest::newRow("all bits") << quint32(0xFFFFFFFF) << "&HFFFFFFFF";
}

void TestOleColor::text()
{
    QFETCH(quint32, color);
    QFETCH(QString, text);
    QCOMPARE(Zel::colorText(color), text);
    QCOMPARE(Zel::colorFromText(text), color);
    QCOMPARE(Zel::colorFromText(text.toLower() + u'&'), color);
}

void TestOleColor::textErrors_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<quint32>("expected");
    QTest::addColumn<int>("error");
    QTest::newRow("decimal") << "65280" << quint32(0xFF00) << 0;
    QTest::newRow("negative Long") << "-2147483633" << quint32(0x8000000F) << 0;
    QTest::newRow("blanks") << "  &HFF  " << quint32(0xFF) << 0;
    QTest::newRow("9 hex digits") << "&H100000000" << quint32(0) << 6;
    QTest::newRow("past 32 bits") << "4294967296" << quint32(0) << 6;
    QTest::newRow("bad digit") << "&HXYZ" << quint32(0) << 13;
    QTest::newRow("C prefix") << "&H0x12" << quint32(0) << 13;
    QTest::newRow("sign in hex") << "&H-1" << quint32(0) << 13;
    QTest::newRow("empty") << "" << quint32(0) << 13;
    QTest::newRow("bare marker") << "&H" << quint32(0) << 13;
}

void TestOleColor::textErrors()
{
    QFETCH(QString, text);
    QFETCH(quint32, expected);
    QFETCH(int, error);
    OLE_COLOR value = 0;
    QCOMPARE(errorOf([&] { value = Zel::colorFromText(text); }), error);
    QCOMPARE(value, expected);
}

QTEST_MAIN(TestOleColor)
#include "tst_olecolor.moc"
