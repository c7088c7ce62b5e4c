#include <QFontInfo>
#include <QTest>
#include <TestSupport.h>
#include <cmath>
#include <common/RuntimeError.h>
#include <common/StdFont.h>
#include <functional>

class TestStdFont : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaults();
    void copiesShareOneObject();
    void boldFollowsWeight();
    void badValuesChangeNothing();
    void equalityByDescription();
    void qfonts();
};

void TestStdFont::defaults()
{
    const StdFont font;
    QCOMPARE(font.Name(), u"MS Sans Serif"_qs);
    QCOMPARE(font.Size(), 8.0);
    QCOMPARE(font.Weight(), qint16(400));
    QVERIFY(!font.Bold() && !font.Italic() && !font.Underline() && !font.Strikethrough());
    QCOMPARE(font.Charset(), qint16(0));
    QVERIFY(!font.isSameObject(StdFont()));
}

void TestStdFont::copiesShareOneObject()
{
    StdFont hostFont(u"Tahoma"_qs, 10);
    StdFont controlFont = hostFont; // a control keeps what the host assigned
    hostFont.setItalic(true);
    hostFont.setSize(12);
    QVERIFY(controlFont.isSameObject(hostFont));
    QVERIFY(controlFont.Italic());
    QCOMPARE(controlFont.Size(), 12.0);

    // Assigning a new object replaces the reference and leaves the old one alone.
    hostFont = StdFont(u"Verdana"_qs, 9);
    QVERIFY(!controlFont.isSameObject(hostFont));
    QCOMPARE(controlFont.Name(), u"Tahoma"_qs);

    StdFont copy = controlFont.clone();
    QVERIFY(!copy.isSameObject(controlFont));
    QVERIFY(copy == controlFont);
    copy.setUnderline(true);
    QVERIFY(!controlFont.Underline());
}

void TestStdFont::boldFollowsWeight()
{
    StdFont font;
    font.setBold(true);
    QCOMPARE(font.Weight(), qint16(700));
    font.setWeight(550);
    QVERIFY(!font.Bold());
    font.setWeight(600);
    QVERIFY(font.Bold());
    font.setBold(false);
    QCOMPARE(font.Weight(), qint16(400));
}

void TestStdFont::badValuesChangeNothing()
{
    StdFont font(u"Arial"_qs, 10);
    QCOMPARE(errorOf([&] { font.setSize(0); }), 380);
    QCOMPARE(errorOf([&] { font.setSize(-3); }), 380);
    QCOMPARE(errorOf([&] { font.setSize(std::nan("")); }), 380);
    QCOMPARE(errorOf([&] { font.setSize(5000); }), 380);
    QCOMPARE(errorOf([&] { font.setName(u"  "_qs); }), 380);
    QCOMPARE(errorOf([&] { font.setWeight(1001); }), 380);
    QCOMPARE(errorOf([&] { font.setWeight(-1); }), 380);
    QCOMPARE(errorOf([] { StdFont(QString(), 8); }), 380);
    QCOMPARE(font.Name(), u"Arial"_qs);
    QCOMPARE(font.Size(), 10.0);
    QCOMPARE(font.Weight(), qint16(400));
}

void TestStdFont::equalityByDescription()
{
    StdFont a(u"Tahoma"_qs, 8);
    StdFont b(u"TAHOMA"_qs, 8);
    QVERIFY(a == b);
    b.setCharset(2);
    QVERIFY(!(a == b));
    b.setCharset(0);
    b.setStrikethrough(true);
    QVERIFY(!(a == b));
    QVERIFY(!(a == StdFont(u"Tahoma"_qs, 8.25)));
}

void TestStdFont::qfonts()
{
    StdFont font(u"MS Sans Serif"_qs, 9.75);
    font.setBold(true);
    font.setItalic(true);
    font.setUnderline(true);
    const QFont qfont = font.toQFont();
    QCOMPARE(qfont.pointSizeF(), 9.75);
    QCOMPARE(qfont.weight(), QFont::Bold);
    QVERIFY(qfont.italic() && qfont.underline() && !qfont.strikeOut());
    // The classic UI fonts resolve to DejaVu through the substitutions.
    QCOMPARE(QFontInfo(StdFont().toQFont()).family(), u"DejaVu Sans"_qs);
    QCOMPARE(QFontInfo(StdFont(u"Courier New"_qs, 10).toQFont()).family(), u"DejaVu Sans Mono"_qs);

    const StdFont back = StdFont::fromQFont(qfont);
    QCOMPARE(back.Name(), u"MS Sans Serif"_qs);
    QCOMPARE(back.Size(), 9.75);
    QVERIFY(back.Bold() && back.Italic() && back.Underline());
    QFont pixelFont(u"Verdana"_qs);
    pixelFont.setPixelSize(16);
    QCOMPARE(StdFont::fromQFont(pixelFont).Size(), 12.0);
}

QTEST_MAIN(TestStdFont)
#include "tst_stdfont.moc"
