#include "dbsession.h"
#include "fixture.h"
#include "messagebox.h"
#include "operatorbook.h"
#include "rightflags.h"
#include "uidriver.h"

#include <QAction>
#include <QToolBar>

using namespace UiDriver;

namespace {
// The items each state of all 25 flags gates, as the rights table lists them.
const QStringList visibilityItems{"GYSXXWH", "KHXXWH", "Toolbar1_13", "YWYSZ", "Toolbar1_11"};
const QStringList separatorsHiddenByRefusal{"Toolbar1_14", "Toolbar1_12"};
const QStringList enabledItems{"HPXXWH", "S61", "Toolbar1_1", "FKGL",       "S23",        "S24",        "Toolbar1_3",
                               "S12",    "S13", "S14",        "Toolbar1_5", "Toolbar1_7", "Toolbar1_9", "S35",
                               "S36",    "S33", "S34",        "CZYXXWH",    "MMXG",       "CZYQXSZ",    "SJQL"};
const QStringList ungatedItems{"DPXX", "Toolbar1_15", "Toolbar1_17"};

using ChangeMap = QMap<QString, QPair<RightChange::Property, bool>>;

ChangeMap asMap(const QList<RightChange>& changes)
{
    ChangeMap map;
    for (const RightChange& change : changes)
        map.insert(change.item, {change.property, change.on});
    return map;
}

// Every flag unreadable but one, stored as value.
Operators::RightFlags onlyFlag(int right, const QVariant& value)
{
    Operators::RightFlags flags{};
    flags[right - 1] = Operators::readFlag(value);
    return flags;
}

bool setFlags(const QString& name, const QStringList& rights, const QVariant& value)
{
    auto conn = Mod1::OpenConn();
    if (!conn)
        return false;
    for (const QString& right : rights) {
        if (!conn->exec(QStringLiteral("update tb_enter set \"%1\"=? where M_Name=?").arg(right), {value, name}))
            return false;
    }
    return true;
}

QStringList allRights()
{
    QStringList rights;
    for (int right = 1; right <= 25; ++right)
        rights << QString::number(right);
    return rights;
}

QAction* action(QWidget* main, const QString& name) { return main->findChild<QAction*>(name); }

// Makes the main window active again after another window was, as a user's click does.
bool reactivate(QWidget* main)
{
    QWidget other;
    return activate(&other) && activate(main);
}
}

class TestRightFlags : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void oneFlag_data()
    {
        using P = RightChange::Property;
        QTest::addColumn<int>("right");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<ChangeMap>("expected");
        QTest::newRow("1 refused") << 1 << QVariant("0") << ChangeMap{{"GYSXXWH", {P::Visible, false}}};
        QTest::newRow("2 refused hides separator 14") << 2 << QVariant("0")
                                                      << ChangeMap{{"KHXXWH", {P::Visible, false}},
                                                                   {"Toolbar1_13", {P::Visible, false}},
                                                                   {"Toolbar1_14", {P::Visible, false}}};
        QTest::newRow("2 granted leaves separator 14")
            << 2 << QVariant("1") << ChangeMap{{"KHXXWH", {P::Visible, true}}, {"Toolbar1_13", {P::Visible, true}}};
        QTest::newRow("17 refused hides separator 12")
            << 17 << QVariant("0") << ChangeMap{{"Toolbar1_11", {P::Visible, false}}, {"Toolbar1_12", {P::Visible, false}}};
        QTest::newRow("6 granted") << 6 << QVariant("1") << ChangeMap{{"Toolbar1_1", {P::Enabled, true}}};
        QTest::newRow("25 refused") << 25 << QVariant("0") << ChangeMap{{"SJQL", {P::Enabled, false}}};
        QTest::newRow("number 1 grants") << 4 << QVariant(1) << ChangeMap{{"HPXXWH", {P::Enabled, true}}};
        QTest::newRow("null changes nothing") << 4 << QVariant() << ChangeMap{};
        QTest::newRow("other text changes nothing") << 4 << QVariant("x") << ChangeMap{};
    }

    void oneFlag()
    {
        QFETCH(int, right);
        QFETCH(QVariant, value);
        QFETCH(ChangeMap, expected);
        QCOMPARE(asMap(RightFlagRules::changes(onlyFlag(right, value))), expected);
    }

    void everyFlagRefusedHidesAndDisables()
    {
        OperatorBook::addOperator(2, QStringLiteral("Clerk"), QStringLiteral("收银员"), QStringLiteral("pw"),
                                  QStringLiteral("0"));
        QWidget* main = logIn(QStringLiteral("Clerk"), QStringLiteral("pw"));
        QVERIFY(main);
        QVERIFY(activate(main));
        auto* toolbar = main->findChild<QToolBar*>(QStringLiteral("Toolbar1"));
        for (const QString& name : visibilityItems + separatorsHiddenByRefusal) {
            QVERIFY2(!action(main, name)->isVisible(), qPrintable(name));
            if (name.startsWith(QStringLiteral("Toolbar1_")))
                QTRY_VERIFY2(!toolbar->widgetForAction(action(main, name))->isVisible(), qPrintable(name));
        }
        for (const QString& name : enabledItems) {
            QVERIFY2(action(main, name)->isVisible(), qPrintable(name));
            QVERIFY2(!action(main, name)->isEnabled(), qPrintable(name));
        }
        for (const QString& name : ungatedItems)
            QVERIFY2(action(main, name)->isVisible() && action(main, name)->isEnabled(), qPrintable(name));

        // Flags changed meanwhile show at the next activation; the separator stays hidden.
        QVERIFY(setFlags(QStringLiteral("Clerk"), {"2", "4", "17"}, QStringLiteral("1")));
        QVERIFY(!action(main, QStringLiteral("HPXXWH"))->isEnabled());
        QVERIFY(reactivate(main));
        QVERIFY(action(main, QStringLiteral("HPXXWH"))->isEnabled());
        QVERIFY(action(main, QStringLiteral("KHXXWH"))->isVisible());
        QVERIFY(action(main, QStringLiteral("Toolbar1_13"))->isVisible());
        QVERIFY(action(main, QStringLiteral("Toolbar1_11"))->isVisible());
        QVERIFY(!action(main, QStringLiteral("Toolbar1_14"))->isVisible());
        QVERIFY(!action(main, QStringLiteral("Toolbar1_12"))->isVisible());
        QVERIFY(!action(main, QStringLiteral("S61"))->isEnabled());
    }

    void flagsHoldBeforeTheFirstActivation()
    {
        OperatorBook::addOperator(2, QStringLiteral("Clerk"), QStringLiteral("收银员"), QStringLiteral("pw"),
                                  QStringLiteral("0"));
        QWidget* main = logIn(QStringLiteral("Clerk"), QStringLiteral("pw"));
        QVERIFY(main);
        // A window manager that does not activate the new window.
        QVERIFY(!main->isActiveWindow());
        for (const QString& name : visibilityItems)
            QVERIFY2(!action(main, name)->isVisible(), qPrintable(name));
        for (const QString& name : enabledItems)
            QVERIFY2(!action(main, name)->isEnabled(), qPrintable(name));
    }

    void nullFlagsAndAMissingRowChangeNothing()
    {
        OperatorBook::addOperator(2, QStringLiteral("Clerk"), QStringLiteral("收银员"), QStringLiteral("pw"), QVariant());
        QWidget* main = logIn(QStringLiteral("Clerk"), QStringLiteral("pw"));
        QVERIFY(main);
        QVERIFY(activate(main));
        for (const QString& name : visibilityItems + separatorsHiddenByRefusal + enabledItems)
            QVERIFY2(action(main, name)->isVisible() && action(main, name)->isEnabled(), qPrintable(name));

        QVERIFY(setFlags(QStringLiteral("Clerk"), {"1", "5"}, QStringLiteral("0")));
        QVERIFY(reactivate(main));
        QVERIFY(!action(main, QStringLiteral("GYSXXWH"))->isVisible());
        QVERIFY(!action(main, QStringLiteral("S61"))->isEnabled());
        {
            auto conn = Mod1::OpenConn();
            QVERIFY(conn->exec(QStringLiteral("delete from tb_enter where M_Name='Clerk'")));
        }
        QVERIFY(reactivate(main));
        QVERIFY(!action(main, QStringLiteral("GYSXXWH"))->isVisible());
        QVERIFY(!action(main, QStringLiteral("S61"))->isEnabled());
        QVERIFY(action(main, QStringLiteral("S12"))->isEnabled());
    }

    void failedReadChangesNothingAndTellsNobody()
    {
        OperatorBook::addOperator(2, QStringLiteral("Clerk"), QStringLiteral("收银员"), QStringLiteral("pw"),
                                  QStringLiteral("0"));
        QWidget* main = logIn(QStringLiteral("Clerk"), QStringLiteral("pw"));
        QVERIFY(main);
        QVERIFY(activate(main));
        QVERIFY(setFlags(QStringLiteral("Clerk"), allRights(), QStringLiteral("1")));
        Database::setFailureHook([](const QString&) -> std::optional<DbError> {
            return DbError{10, QStringLiteral("disk I/O error")};
        });
        QVERIFY(reactivate(main));
        QVERIFY(!action(main, QStringLiteral("GYSXXWH"))->isVisible());
        QVERIFY(!action(main, QStringLiteral("SJQL"))->isEnabled());
        QVERIFY(MessageBox::shown().isEmpty());

        Database::setFailureHook({});
        QVERIFY(reactivate(main));
        QVERIFY(action(main, QStringLiteral("GYSXXWH"))->isVisible());
        QVERIFY(action(main, QStringLiteral("SJQL"))->isEnabled());
    }
};

VARNHOLT_TEST(TestRightFlags)
#include "tst_rightflags.moc"
