#include "backupworld.h"
#include "fixture.h"
#include "messagebox.h"

#include <QDateEdit>

using namespace BackupWorld;

namespace {
const QStringList slipTables{
    QStringLiteral("入库单"),     QStringLiteral("入库单明细"),  QStringLiteral("入库单明细1"), QStringLiteral("出库单"),
    QStringLiteral("出库单明细"), QStringLiteral("出库单明细1"), QStringLiteral("盘点单"),      QStringLiteral("盘点单明细"),
    QStringLiteral("调失单"),     QStringLiteral("调失单明细"),  QStringLiteral("日常支出"),
};

// In every slip table one row a day from 2024-03-30 to 2024-04-01, numbered
// A, B and C; and two stock rows.
void fillBooks()
{
    auto conn = Mod1::OpenConn();
    QVERIFY(conn);
    const QList<std::pair<QString, QString>> days{
        {QStringLiteral("A"), QStringLiteral("2024-03-30")},
        {QStringLiteral("B"), QStringLiteral("2024-03-31")},
        {QStringLiteral("C"), QStringLiteral("2024-04-01")},
    };
    const DbStatus filled = conn->transaction([&](DbSession& s) -> DbStatus {
        for (const QString& table : slipTables) {
            for (const auto& [number, day] : days) {
                if (auto row = s.insert(table, {{QStringLiteral("单号"), number}, {QStringLiteral("日期"), day}}); !row)
                    return row.error();
            }
        }
        return s
            .exec(QStringLiteral("insert into 库存 (商品编号, 商品名称, 均价, 金额, 库存量) values "
                                 "('SP000001', '可乐', 2.5, 25, 10), ('SP000002', '薯片', 4, 12, 3)"))
            .status();
    });
    QVERIFY(filled);
}

QString numbersIn(const QString& table)
{
    QString numbers;
    for (const QVariantList& row : rowsOf(QStringLiteral("select 单号 from %1 order by 单号").arg(table)))
        numbers += row.value(0).toString();
    return numbers;
}

QList<QVariantList> stock() { return rowsOf(QStringLiteral("select * from 库存 order by 商品编号")); }
}

class TestPurge : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void purgeDeletesUpToTheDayInEveryTable_data()
    {
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QString>("dayText");
        QTest::addColumn<QString>("left");
        QTest::newRow("end of March") << QDate(2024, 3, 31) << QStringLiteral("2024年3月31日") << QStringLiteral("C");
        QTest::newRow("date as the window opens") << QDate() << QStringLiteral("2013年7月26日") << QStringLiteral("ABC");
    }

    void purgeDeletesUpToTheDayInEveryTable()
    {
        QFETCH(QDate, day);
        QFETCH(QString, dayText);
        QFETCH(QString, left);
        fillBooks();
        const auto stockBefore = stock();
        QPointer<frm_backup> form = openWindow();
        if (day.isValid())
            control<QDateEdit>(form, "DTPicker1")->setDate(day);

        MessageBox::setNextAnswer(QMessageBox::Yes);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "ComDel");
        QCOMPARE(MessageBox::shown().size(), 2);
        const MessageBoxRecord& question = MessageBox::shown().at(0);
        QCOMPARE(question.text,
                 QStringLiteral("确定要删除") + dayText
                     + QStringLiteral("前的数据吗？请确认这些单据已无欠款记录，删除这些数据不影响库存，但影响统计分析！"));
        QCOMPARE(question.title, QStringLiteral("提示"));
        QCOMPARE(question.icon, QMessageBox::Information);
        QCOMPARE(question.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(MessageBox::shown().at(1).text, QStringLiteral("数据成功删除！"));
        for (const QString& table : slipTables)
            QVERIFY2(numbersIn(table) == left, qPrintable(table));
        QCOMPARE(stock(), stockBefore);
        settle();
        QVERIFY(!form);
    }

    void answeringNoDeletesNothing()
    {
        fillBooks();
        frm_backup* form = openWindow();
        control<QDateEdit>(form, "DTPicker1")->setDate(QDate(2024, 4, 1));
        MessageBox::setNextAnswer(QMessageBox::No);
        click(form, "ComDel");
        QCOMPARE(MessageBox::shown().size(), 1);
        for (const QString& table : slipTables)
            QVERIFY2(numbersIn(table) == QStringLiteral("ABC"), qPrintable(table));
        QVERIFY(form->isVisible());
    }

    void failureAtTheNinthTableDeletesNothing()
    {
        fillBooks();
        Database::setFailureHook([](const QString& sql) -> std::optional<DbError> {
            if (sql.startsWith(QStringLiteral("delete from 调失单 ")))
                return DbError{5, QStringLiteral("database is locked")};
            return std::nullopt;
        });
        frm_backup* form = openWindow();
        control<QDateEdit>(form, "DTPicker1")->setDate(QDate(2024, 4, 1));
        MessageBox::setNextAnswer(QMessageBox::Yes);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "ComDel");
        QCOMPARE(MessageBox::shown().at(1).text, QStringLiteral("Error 5: database is locked"));
        Database::setFailureHook({});
        for (const QString& table : slipTables)
            QVERIFY2(numbersIn(table) == QStringLiteral("ABC"), qPrintable(table));
        QVERIFY(form->isVisible());
    }
};

VARNHOLT_TEST(TestPurge)
#include "tst_purge.moc"
