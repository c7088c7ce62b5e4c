#include <QTest>
#include <common/KeyHash.h>

// Keys that compare equal without regard to case must hash alike, or a key
// index would add one of them twice.
class TestKeyHash : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sameKeysHashAlike_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::newRow("ascii") << QStringLiteral("Row1") << QStringLiteral("rOW1");
        QTest::newRow("latin") << QStringLiteral("Ärger-Ø") << QStringLiteral("äRGER-ø");
        QTest::newRow("greek") << QStringLiteral("ΣΟΦΊΑ") << QStringLiteral("σοφία");
        QTest::newRow("outside the basic plane")
            << QStringLiteral("k\U00010400") << QStringLiteral("K\U00010428");
        QTest::newRow("long") << QString(300, u'A') << QString(300, u'a');
    }

    void sameKeysHashAlike()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QVERIFY(Zel::sameKey(a, b));
        QCOMPARE(Zel::foldedKeyHash(a), Zel::foldedKeyHash(b));
    }

    void otherKeysDiffer()
    {
        QVERIFY(!Zel::sameKey(u"row1", u"row10"));
        QVERIFY(!Zel::sameKey(u"row1", u"row2"));
        QVERIFY(Zel::foldedKeyHash(u"row1") != Zel::foldedKeyHash(u"row2"));
        QVERIFY(Zel::foldedKeyHash(QString(300, u'a')) != Zel::foldedKeyHash(QString(301, u'a')));
    }
};

QTEST_MAIN(TestKeyHash)
#include "tst_keyhash.moc"
