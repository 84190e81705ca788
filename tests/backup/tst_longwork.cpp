#include "backupworld.h"
#include "filedialogs.h"
#include "fixture.h"
#include "immediatebackup.h"
#include "longworkshown.h"
#include "messagebox.h"

#include <QDateEdit>
#include <QSet>

using namespace BackupWorld;

class TestLongWork : public VarnholtTestCase {
    Q_OBJECT
private slots:
    // Each statement takes seconds on the test clock. Through all of them
    // the window tells what is done, over a busy cursor and busy books; all
    // three are gone with the work.
    void slowWorkShowsWhatItDoes_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("doing");
        QTest::addColumn<QString>("told");
        QTest::newRow("修复与压缩数据库") << QStringLiteral("ComCompress") << QStringLiteral("正在压缩数据库……")
                                          << QStringLiteral("压缩修复数据库完成");
        QTest::newRow("数据清理") << QStringLiteral("ComDel") << QStringLiteral("正在删除数据……")
                                  << QStringLiteral("数据成功删除！");
        QTest::newRow("恢复") << QStringLiteral("Command5") << QStringLiteral("正在恢复数据……")
                              << QStringLiteral("成功恢复数据！");
    }

    void slowWorkShowsWhatItDoes()
    {
        QFETCH(QString, button);
        QFETCH(QString, doing);
        QFETCH(QString, told);
        QPointer<frm_backup> form = openWindow();
        if (button == QLatin1String("Command5")) {
            const QString backup = makeBackupFolder() + QStringLiteral("/2024-03-01-1200.mdb");
            QVERIFY(ImmediateBackup::copy(dbPath(), backup));
            FileDialogs::setNextAnswer(backup);
            click(form, "Command1");
        } else if (button == QLatin1String("ComDel")) {
            control<QDateEdit>(form, "DTPicker1")->setDate(QDate(2024, 4, 1));
            MessageBox::setNextAnswer(QMessageBox::Yes);
        }
        QSet<QString> shownInside;
        int statements = 0;
        Database::setFailureHook([&](const QString&) -> std::optional<DbError> {
            ++statements;
            Clock::advance(3000);
            shownInside.insert(longWorkShown());
            return std::nullopt;
        });
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, qPrintable(button));
        Database::setFailureHook({});

        QVERIFY(statements > 0);
        QCOMPARE(shownInside, QSet<QString>{doing});
        QCOMPARE(MessageBox::shownTexts().constLast(), told);
        QCOMPARE(longWorkShown(), QString());
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(!appState().isBusy());
    }
};

VARNHOLT_TEST(TestLongWork)
#include "tst_longwork.moc"
