#include "../../common/KeyIndex_p.h"

#include <QTest>
#include <vector>

// The index the item and row stores share. Keys whose hashes collide sit in
// one probe run, so these cases give many ids one hash: a look-up must walk
// past other keys and removed ones, and growing must keep every live id.
class TestKeyIndex : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void collidingKeysStayApart()
    {
        Zel::KeyIndex index;
        for (qint32 id = 0; id < 10; ++id)
            index.insert(7, id);
        for (qint32 id = 0; id < 10; ++id) {
            const qsizetype entry = index.find(7, [id](qint32 other) { return other == id; });
            QVERIFY(entry >= 0);
            QCOMPARE(index.idAt(entry), id);
        }
        QCOMPARE(index.find(7, [](qint32 id) { return id == 10; }), qsizetype(-1));
        QCOMPARE(index.find(8, [](qint32) { return true; }), qsizetype(-1));
    }

    void lookUpWalksPastRemovedEntries()
    {
        Zel::KeyIndex index;
        for (qint32 id = 0; id < 3; ++id)
            index.insert(5, id);
        index.remove(index.find(5, [](qint32 id) { return id == 1; }));
        QCOMPARE(index.find(5, [](qint32 id) { return id == 1; }), qsizetype(-1));
        // Id 2 lies behind the removed entry in the probe run.
        const qsizetype entry = index.find(5, [](qint32 id) { return id == 2; });
        QVERIFY(entry >= 0);
        QCOMPARE(index.idAt(entry), 2);
        // A removed entry is used again.
        index.insert(5, 1);
        QVERIFY(index.find(5, [](qint32 id) { return id == 1; }) >= 0);
    }

    void growingKeepsEveryLiveId()
    {
        // Enough adds and removals to grow the table several times and to
        // fill it with removed markers in between.
        Zel::KeyIndex index;
        const auto hashOf = [](qint32 id) { return quint32(id % 97) * 2654435761u; };
        std::vector<bool> live;
        for (qint32 id = 0; id < 5000; ++id) {
            index.insert(hashOf(id), id);
            live.push_back(true);
            if (id % 3 == 2) {
                const qint32 gone = id - 1;
                index.remove(
                    index.find(hashOf(gone), [gone](qint32 other) { return other == gone; }));
                live[size_t(gone)] = false;
            }
        }
        for (qint32 id = 0; id < 5000; ++id) {
            const bool found
                = index.find(hashOf(id), [id](qint32 other) { return other == id; }) >= 0;
            QCOMPARE(found, bool(live[size_t(id)]));
        }
        index.clear();
        QCOMPARE(index.find(hashOf(0), [](qint32) { return true; }), qsizetype(-1));
    }
};

QTEST_MAIN(TestKeyIndex)
#include "tst_keyindex.moc"
