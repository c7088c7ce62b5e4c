#include <QTest>
#include <TestSupport.h>
#include <common/RuntimeError.h>
#include <tabulon/proplist/ItemStore.h>

using namespace Tabulon;

namespace {

Item item(const QString& key, PropertyStyle style = propString)
{
    Item i;
    i.Key = key;
    i.Caption = key.toUpper();
    i.Style = style;
    return i;
}

} // namespace

class TestItemStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keysAreCaseInsensitiveAndUnique()
    {
        ItemStore store;
        store.append(item(QStringLiteral("Alpha")));
        QCOMPARE(store.indexOf(QStringLiteral("ALPHA")), 0);
        QCOMPARE(errorOf([&] { store.append(item(QStringLiteral("alpha"))); }), 457);
        QCOMPARE(store.count(), 1);
        QCOMPARE(errorOf([&] { store.insert(0, item(QStringLiteral("aLPHA"))); }), 457);
        QCOMPARE(store.count(), 1);
        // Letters outside the basic plane fold too (DESERET CAPITAL and SMALL LETTER LONG I).
        store.append(item(QString::fromUcs4(U"x\U00010400y")));
        QCOMPARE(store.indexOf(QString::fromUcs4(U"X\U00010428Y")), 1);
        QCOMPARE(errorOf([&] { store.append(item(QString::fromUcs4(U"x\U00010428y"))); }), 457);
        QCOMPARE(store.count(), 2);
    }

    void keysFollowTheirItemsAfterRemovalAndInsertion()
    {
        ItemStore store;
        for (const char* key : { "a", "b", "c", "d", "e" })
            store.append(item(QString::fromLatin1(key)));
        QCOMPARE(store.remove(QStringLiteral("B")), 1);
        QCOMPARE(store.indexOf(QStringLiteral("c")), 1);
        QCOMPARE(store.indexOf(QStringLiteral("e")), 3);
        store.insert(0, item(QStringLiteral("z")));
        QCOMPARE(store.indexOf(QStringLiteral("a")), 1);
        QCOMPARE(store.indexOf(QStringLiteral("e")), 4);
        QCOMPARE(store.at(4).Key, QStringLiteral("e"));
        // A freed slot is reused without confusing old keys.
        store.append(item(QStringLiteral("b")));
        QCOMPARE(store.indexOf(QStringLiteral("b")), 5);
        QCOMPARE(store.indexOf(QStringLiteral("d")), 3);
        QCOMPARE(errorOf([&] { store.remove(QStringLiteral("missing")); }), 5);
        QCOMPARE(store.indexOf(QStringLiteral("missing")), -1);
    }

    void positionsStayRightUnderMixedChanges()
    {
        // Compare against a plain list after a long series of edits.
        ItemStore store;
        QStringList model;
        for (int i = 0; i < 200; ++i) {
            const QString key = QStringLiteral("k%1").arg(i);
            store.append(item(key));
            model.append(key);
        }
        for (int i = 0; i < 150; ++i) {
            const int victim = (i * 37) % model.size();
            QCOMPARE(store.remove(model.at(victim)), victim);
            model.removeAt(victim);
            if (i % 3 == 0) {
                const QString key = QStringLiteral("n%1").arg(i);
                const int at = (i * 11) % (model.size() + 1);
                store.insert(at, item(key));
                model.insert(at, key);
            }
            const QString probe = model.at((i * 7) % model.size());
            QCOMPARE(store.indexOf(probe), int(model.indexOf(probe)));
        }
        for (int p = 0; p < model.size(); ++p)
            QCOMPARE(store.indexOf(model.at(p)), p);
    }

    void selectionFlagsMoveWithItems()
    {
        ItemStore store;
        for (const char* key : { "a", "b", "c" })
            store.append(item(QString::fromLatin1(key)));
        store.setSelected(2, true);
        QCOMPARE(store.selectedCount(), 1);
        store.insert(0, item(QStringLiteral("x")));
        QVERIFY(store.isSelected(3));
        QVERIFY(!store.isSelected(0));
        store.remove(QStringLiteral("c"));
        QCOMPARE(store.selectedCount(), 0);
        store.setSelected(0, true);
        store.clear();
        QCOMPARE(store.selectedCount(), 0);
        QCOMPARE(store.count(), 0);
        store.append(item(QStringLiteral("a")));
        QCOMPARE(store.indexOf(QStringLiteral("a")), 0);
    }
};

QTEST_GUILESS_MAIN(TestItemStore)
#include "tst_itemstore.moc"
