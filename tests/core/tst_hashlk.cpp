#include "clshashlk.h"
#include "fixture.h"

#include <limits>

namespace {
// The error number a call throws, 0 when it returns.
template <typename Call>
int errorOf(Call call)
{
    try {
        call();
    } catch (const HashLKError& error) {
        return error.number();
    }
    return 0;
}

// Keys added in order, each with item key*10, data long key+1 and text "k<key>".
void addAll(clsHashLK& table, const QList<qint32>& keys)
{
    for (qint32 key : keys)
        QVERIFY(table.Add(qintptr(key) * 10, key, key + 1, QStringLiteral("k%1").arg(key), true));
}

}

class TestHashLK : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void candidatePlaces_data()
    {
        QTest::addColumn<qint32>("places");
        QTest::addColumn<QList<qint32>>("before");
        QTest::addColumn<qint32>("key");
        QTest::addColumn<qint32>("place");
        QTest::newRow("key 1 takes its h1") << 0 << QList<qint32>{} << 1 << 2;
        QTest::newRow("key 11 finds h1 and h2 taken, takes h3") << 0 << QList<qint32>{1} << 11 << 9;
        QTest::newRow("a negative key goes by its absolute value") << 0 << QList<qint32>{1} << -11 << 9;
        QTest::newRow("h4 after h1, h2 and h3") << 0 << QList<qint32>{12, 4, 7} << 2 << 6;
        QTest::newRow("h2 by the square up to 46340") << 0 << QList<qint32>{9} << 46339 << 2;
        QTest::newRow("h2 by the square root above 46340") << 0 << QList<qint32>{1} << 46341 << 6;
        QTest::newRow("h2 of the largest key") << 0 << QList<qint32>{7} << std::numeric_limits<qint32>::max() << 2;
        QTest::newRow("h2's range beyond h1's after both neighbourhoods")
            << 100 << QList<qint32>{0, 1, 2, 103, 4, 5, 6, 7, 8, 9, 90, 96} << 3 << 11;
    }

    void candidatePlaces()
    {
        QFETCH(qint32, places);
        QFETCH(QList<qint32>, before);
        QFETCH(qint32, key);
        QFETCH(qint32, place);
        clsHashLK table;
        if (places)
            table.AlloMem(places);
        addAll(table, before);
        QVERIFY(table.Add(77, key, 0, QString(), true));
        QCOMPARE(table.placeOf(key), place);
        QCOMPARE(table.Item(key, true), qintptr(77));
    }

    void growthWhenCandidatesAreTaken_data()
    {
        QTest::addColumn<qint32>("places");
        QTest::addColumn<QList<qint32>>("before");
        QTest::addColumn<qint32>("key");
        QTest::addColumn<qint32>("size");
        QTest::addColumn<qint32>("place");
        QTest::newRow("8 of 10 entries: doubles") << 0 << QList<qint32>{11, 8, 0, 2, 3, 4, 5, 6} << 1 << 20 << 2;
        QTest::newRow("7 of 10 entries: neighbourhood place") << 0 << QList<qint32>{11, 8, 0, 2, 3, 4, 5} << 1 << 10 << 7;
        QTest::newRow("9 of 12 entries, exactly three quarters: no growth, overflow")
            << 12 << QList<qint32>{0, 11, 1, 2, 3, 4, 5, 8, 9} << 12 << 12 << -1;
        QList<qint32> large;
        for (qint32 key = 0; key <= 7501; ++key)
            large << key;
        large << 10002;
        QTest::newRow("from 10000 places: three halves, halves to even") << 10003 << large << 10003 << 15004 << 10004;
    }

    void growthWhenCandidatesAreTaken()
    {
        QFETCH(qint32, places);
        QFETCH(QList<qint32>, before);
        QFETCH(qint32, key);
        QFETCH(qint32, size);
        QFETCH(qint32, place);
        clsHashLK table;
        if (places)
            table.AlloMem(places);
        addAll(table, before);
        QVERIFY(table.Add(qintptr(key) * 10, key, 0, QString(), true));
        QCOMPARE(table.mainSize(), size);
        QCOMPARE(table.placeOf(key), place);
        QCOMPARE(table.Count(), qint32(before.size()) + 1);
        for (qint32 old : before)
            QCOMPARE(table.Item(old, true), qintptr(old) * 10);
    }

    void existingKeyChangesNothing()
    {
        clsHashLK table;
        addAll(table, {1, 11, 21});
        bool end = false;
        table.StartTraversal();
        QCOMPARE(table.NextKey(end), 21);

        QCOMPARE(errorOf([&] { table.Add(999, 11, 999, QStringLiteral("new"), true); }), 5);
        QVERIFY(!table.Add(999, 11, 999, QStringLiteral("new"), false));

        QCOMPARE(table.Count(), 3);
        QCOMPARE(table.Item(11, true), qintptr(110));
        QCOMPARE(table.DataLong(11, true), 12);
        QCOMPARE(table.DataString(11, true), QStringLiteral("k11"));
        QCOMPARE(table.NextKey(end), 1); // the traversal goes on
        QCOMPARE(table.NextKey(end), 11);
        QVERIFY(!end);
    }

    void absentKey()
    {
        clsHashLK table;
        addAll(table, {1, 11});
        QCOMPARE(table.Item(21, false), qintptr(0));
        QCOMPARE(table.DataLong(21, false), 0);
        QCOMPARE(table.DataString(21, false), QString());
        QVERIFY(!table.Remove(21, false));
        QVERIFY(!table.IsKeyExist(21));

        QCOMPARE(errorOf([&] { table.Item(21, true); }), 5);
        QCOMPARE(errorOf([&] { table.DataLong(21, true); }), 5);
        QCOMPARE(errorOf([&] { table.DataString(21, true); }), 5);
        QCOMPARE(errorOf([&] { table.Remove(21, true); }), 5);
        QCOMPARE(table.Count(), 2);
    }

    void smallestKeyOverflows_data()
    {
        QTest::addColumn<bool>("raiseError");
        QTest::newRow("flag set") << true;
        QTest::newRow("flag clear") << false;
    }

    void smallestKeyOverflows()
    {
        QFETCH(bool, raiseError);
        const qint32 key = std::numeric_limits<qint32>::min();
        clsHashLK table;
        addAll(table, {1});
        QCOMPARE(errorOf([&] { table.Add(1, key, 0, QString(), raiseError); }), 6);
        QCOMPARE(errorOf([&] { table.Item(key, raiseError); }), 6);
        QCOMPARE(errorOf([&] { table.DataLong(key, raiseError); }), 6);
        QCOMPARE(errorOf([&] { table.DataString(key, raiseError); }), 6);
        QCOMPARE(errorOf([&] { table.Remove(key, raiseError); }), 6);
        QCOMPARE(errorOf([&] { table.IsKeyExist(key); }), 6);
        QCOMPARE(table.Count(), 1);
        QVERIFY(table.Add(5, key + 1, 0, QString(), true));
        QCOMPARE(table.Item(key + 1, true), qintptr(5));
    }

    void removalKeepsCollidedEntriesFindable()
    {
        clsHashLK table;
        addAll(table, {1, 11, 21}); // places 2, 9 (h3), 1 (neighbourhood)
        QVERIFY(table.Remove(1, true));
        QCOMPARE(table.Count(), 2);
        QVERIFY(!table.IsKeyExist(1));
        QCOMPARE(table.placeOf(11), 9);
        QCOMPARE(table.placeOf(21), 1);
        QCOMPARE(table.Item(11, true), qintptr(110));
        QCOMPARE(table.DataString(21, true), QStringLiteral("k21"));

        addAll(table, {31}); // the freed h1
        QCOMPARE(table.placeOf(31), 2);
    }

    void overflowRemovalThenTraversal()
    {
        clsHashLK table;
        table.AlloMem(40);
        // Keys 40, 80 and 120 find their candidates (1 and 40) and their
        // neighbourhood (2 to 6) taken.
        addAll(table, {0, 1, 2, 3, 4, 5, 39, 40, 80, 120});
        QCOMPARE(table.mainSize(), 40);
        QCOMPARE(table.placeOf(40), -1);
        QCOMPARE(table.placeOf(80), -2);
        QCOMPARE(table.placeOf(120), -3);

        QVERIFY(table.Remove(80, true));
        QCOMPARE(table.placeOf(40), -1);
        QCOMPARE(table.placeOf(120), -2);
        QCOMPARE(table.Count(), 9);

        const QList<qint32> order{0, 1, 2, 3, 4, 5, 39, 40, 120};
        QList<qint32> seen;
        bool end = false;
        table.StartTraversal();
        for (;;) {
            qint32 dataLong = -1;
            QString text;
            qint32 key = -1;
            const qintptr item = table.NextItem(dataLong, text, key, end);
            if (end)
                break;
            QCOMPARE(item, qintptr(key) * 10);
            QCOMPARE(dataLong, key + 1);
            QCOMPARE(text, QStringLiteral("k%1").arg(key));
            seen << key;
        }
        QCOMPARE(seen, order);
        QCOMPARE(table.NextKey(end), 0);
        QVERIFY(end);

        QList<qint32> keys;
        QCOMPARE(table.GetKeyArray(keys), 9);
        QCOMPARE(keys, order);
        QList<qintptr> items;
        QCOMPARE(table.GetDataArray(items), 9);
        QCOMPARE(items.last(), qintptr(1200));
        QStringList texts;
        QCOMPARE(table.GetDataStringArray(texts), 9);
        QCOMPARE(texts.at(7), QStringLiteral("k40"));
    }

    void traversalFlagAndEnd_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("ends");
        QTest::newRow("add") << "add" << true;
        QTest::newRow("remove") << "remove" << true;
        QTest::newRow("growth by AlloMem") << "allomem" << true;
        QTest::newRow("clear") << "clear" << true;
        QTest::newRow("AlloMem not above the count") << "allomem small" << false;
        QTest::newRow("failed remove") << "remove absent" << false;
    }

    void traversalFlagAndEnd()
    {
        QFETCH(QString, change);
        QFETCH(bool, ends);
        clsHashLK table;
        addAll(table, {1, 11, 21});
        bool end = true; // never cleared by the table
        table.StartTraversal();
        QCOMPARE(table.NextKey(end), 21);
        QVERIFY(end);

        if (change == "add")
            table.Add(0, 50, 0, QString(), true);
        else if (change == "remove")
            table.Remove(21, true);
        else if (change == "allomem")
            table.AlloMem(30);
        else if (change == "clear")
            table.Clear();
        else if (change == "allomem small")
            table.AlloMem(3);
        else
            table.Remove(99, false);

        end = false;
        const qint32 next = table.NextKey(end);
        QCOMPARE(end, ends);
        QCOMPARE(next, ends ? 0 : 1);
    }

    void emptyTableLeavesArraysAlone()
    {
        clsHashLK table;
        QList<qint32> keys{7, 7};
        QList<qintptr> items{7};
        QList<qint32> longs{7};
        QStringList texts{QStringLiteral("x")};
        QCOMPARE(table.GetKeyArray(keys), 0);
        QCOMPARE(table.GetDataArray(items), 0);
        QCOMPARE(table.GetDataLongArray(longs), 0);
        QCOMPARE(table.GetDataStringArray(texts), 0);
        QCOMPARE(keys, (QList<qint32>{7, 7}));
        QCOMPARE(items, QList<qintptr>{7});
        QCOMPARE(longs, QList<qint32>{7});
        QCOMPARE(texts, QStringList{QStringLiteral("x")});

        bool end = false;
        table.StartTraversal();
        QCOMPARE(table.NextDataString(end), QString());
        QVERIFY(end);
    }

    void alloMem_data()
    {
        QTest::addColumn<qint32>("places");
        QTest::addColumn<qint32>("size");
        QTest::addColumn<QList<qint32>>("placesOf21_1_11");
        QTest::newRow("equal to the count") << 3 << 10 << QList<qint32>{1, 2, 9};
        QTest::newRow("below the count") << 2 << 10 << QList<qint32>{1, 2, 9};
        QTest::newRow("zero") << 0 << 10 << QList<qint32>{1, 2, 9};
        QTest::newRow("above the limit") << clsHashLK::MaxEntries + 1 << 10 << QList<qint32>{1, 2, 9};
        QTest::newRow("shrinks and rebuilds") << 4 << 4 << QList<qint32>{2, 3, 4};
    }

    void alloMem()
    {
        QFETCH(qint32, places);
        QFETCH(qint32, size);
        QFETCH(QList<qint32>, placesOf21_1_11);
        clsHashLK table;
        addAll(table, {1, 11, 21});
        table.AlloMem(places);
        QCOMPARE(table.mainSize(), size);
        QCOMPARE((QList<qint32>{table.placeOf(21), table.placeOf(1), table.placeOf(11)}), placesOf21_1_11);
        QCOMPARE(table.Count(), 3);
    }

    void clearReturnsToTheFirstState()
    {
        clsHashLK table;
        table.AlloMem(40);
        addAll(table, {0, 1, 2, 3, 4, 5, 39, 40});
        table.Clear();
        QCOMPARE(table.Count(), 0);
        QCOMPARE(table.mainSize(), 10);
        QVERIFY(!table.IsKeyExist(40));
        addAll(table, {1, 11});
        QCOMPARE(table.placeOf(11), 9);
    }
};

VARNHOLT_TEST(TestHashLK)
#include "tst_hashlk.moc"
