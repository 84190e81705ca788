#include "commandqueue.h"
#include "fixture.h"
#include "messagebox.h"
#include "standins.h"

#include <QApplication>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimer>
#include <optional>

class TestCommandQueue : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void realCommandsTellHowTheyEnded_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("failure");
        QTest::newRow("success") << QByteArray("echo done") << true << QString();
        QTest::newRow("exit 3 in its own words") << QByteArray("echo refused >&2; exit 3") << false << QStringLiteral("refused");
        QTest::newRow("silent exit 4") << QByteArray("exit 4") << false << QStringLiteral("退出代码 4");
        QTest::newRow("killed") << QByteArray("kill -9 $$") << false << QStringLiteral("命令 standin 异常结束");
        QTest::newRow("past its timeout") << QByteArray("exec /bin/sleep 30") << false
                                          << QStringLiteral("命令 standin 在 200 毫秒内没有结束，已终止");
    }
    void realCommandsTellHowTheyEnded()
    {
        QFETCH(QByteArray, script);
        QFETCH(bool, ok);
        QFETCH(QString, failure);
        const StandInCommands standIns(root() + QStringLiteral("/bin"));
        QVERIFY(standIns.add(QStringLiteral("standin"), script));
        CommandRunner::installReal();
        CommandQueue::setTimeout(200);
        std::optional<CommandResult> result;
        CommandQueue::run(QStringLiteral("standin"), {}, nullptr, [&result](const CommandResult& ended) { result = ended; });
        QVERIFY(!result && CommandQueue::busy());
        QTRY_VERIFY_WITH_TIMEOUT(result.has_value(), 5000);
        QCOMPARE(result->ok(), ok);
        if (!ok)
            QCOMPARE(result->failureText(), failure);
        QVERIFY(!CommandQueue::busy());
    }

    void commandsRunOneAtATimeInOrder()
    {
        const StandInCommands standIns(root() + QStringLiteral("/bin"));
        QVERIFY(standIns.add(QStringLiteral("slow"), "/bin/sleep 0.3; echo slow"));
        QVERIFY(standIns.add(QStringLiteral("quick"), "echo quick"));
        CommandRunner::installReal();
        QStringList outputs;
        const auto keep = [&outputs](const CommandResult& result) { outputs << result.output.trimmed(); };
        CommandQueue::run(QStringLiteral("slow"), {}, nullptr, keep);
        CommandQueue::run(QStringLiteral("quick"), {}, nullptr, keep);
        QTRY_COMPARE_WITH_TIMEOUT(outputs, (QStringList{QStringLiteral("slow"), QStringLiteral("quick")}), 5000);
    }

    void resultWaitsForTheOpenMessageBoxToClose()
    {
        MessageBox::setScripted(false);
        const auto scripted = qScopeGuard([] { MessageBox::setScripted(true); });
        QStringList order;
        QTimer::singleShot(0, [&order] {
            CommandQueue::run(QStringLiteral("shutdown"), {QStringLiteral("-c")}, nullptr,
                              [&order](const CommandResult&) { order << QStringLiteral("result"); });
            order << QStringLiteral("asked");
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible()) {
                    order << QStringLiteral("closing");
                    box->button(QMessageBox::Ok)->click();
                }
            }
        });
        MessageBox::show(nullptr, QStringLiteral("question"));
        QCOMPARE(order, (QStringList{QStringLiteral("asked"), QStringLiteral("closing"), QStringLiteral("result")}));
    }

    void resultOfAGoneAskerIsDropped()
    {
        bool delivered = false;
        auto* asker = new QObject;
        const StandInCommands standIns(root() + QStringLiteral("/bin"));
        QVERIFY(standIns.add(QStringLiteral("standin"), "echo done"));
        CommandRunner::installReal();
        CommandQueue::run(QStringLiteral("standin"), {}, asker, [&delivered](const CommandResult&) { delivered = true; });
        delete asker;
        QTRY_VERIFY_WITH_TIMEOUT(!CommandQueue::busy(), 5000);
        QVERIFY(!delivered);
    }
};

VARNHOLT_TEST(TestCommandQueue)
#include "tst_commandqueue.moc"
