#include "fixture.h"
#include "messagebox.h"
#include "outcomemessage.h"
#include "slipwrite.h"

#include <QWidget>

Q_DECLARE_METATYPE(AnswerTitle)

namespace {
SlipOutcome outcomeOf(const QString& state)
{
    if (state == QLatin1String("done"))
        return SlipOutcome::done();
    if (state == QLatin1String("not found"))
        return SlipOutcome::notFound();
    if (state == QLatin1String("refused"))
        return SlipOutcome::refused(QStringLiteral("单据编号无效或已存在！"));
    return SlipOutcome::failed(DbError{1, QStringLiteral("disk I/O error")});
}
}

class TestSlipWrite : public VarnholtTestCase {
    Q_OBJECT
private slots:
    // The session is closed once the write is over, whatever its outcome.
    void theWriteRunsOnASessionClosedAfterIt()
    {
        bool wasOpen = false;
        const SlipOutcome outcome = writeSlip([&](DbSession&) {
            wasOpen = Database::isOpen();
            return SlipOutcome::refused(QStringLiteral("不行"));
        });
        QVERIFY(wasOpen);
        QVERIFY(!Database::isOpen());
        QCOMPARE(outcome.message(), QStringLiteral("不行"));
    }

    void aBookThatCannotBeOpenedFailsWithoutTheWork()
    {
        QVERIFY(QFile::remove(dbPath()));
        bool ran = false;
        const SlipOutcome outcome = writeSlip([&](DbSession&) {
            ran = true;
            return SlipOutcome::done();
        });
        QVERIFY(!ran);
        QCOMPARE(outcome.state(), SlipOutcome::State::Failed);
        QVERIFY(!outcome.message().isEmpty());
    }

    // A rule's answer takes the title the form gives it; a failure of the
    // database always the program's; a write done shows nothing.
    void theOutcomeIsToldUnderItsTitle_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<AnswerTitle>("answerTitle");
        QTest::addColumn<QString>("shown"); // "text | title", or "" for no box
        const QString notice = QStringLiteral("提示");
        const QString program = QStringLiteral("Varnholt");
        const QString gone = QStringLiteral("没有这条记录或该记录已删除！ | ");
        const QString held = QStringLiteral("单据编号无效或已存在！ | ");
        const QString failed = QStringLiteral("Error 1: disk I/O error | ");
        for (AnswerTitle title : {AnswerTitle::Notice, AnswerTitle::Program}) {
            const QString answered = title == AnswerTitle::Notice ? notice : program;
            const char* name = title == AnswerTitle::Notice ? "notice" : "program";
            QTest::addRow("done, %s", name) << "done" << title << QString();
            QTest::addRow("not found, %s", name) << "not found" << title << gone + answered;
            QTest::addRow("refused, %s", name) << "refused" << title << held + answered;
            QTest::addRow("failed, %s", name) << "failed" << title << failed + program;
        }
    }
    void theOutcomeIsToldUnderItsTitle()
    {
        QFETCH(QString, state);
        QFETCH(AnswerTitle, answerTitle);
        QFETCH(QString, shown);
        if (!shown.isEmpty())
            MessageBox::setNextAnswer(QMessageBox::Ok);
        QWidget form;
        QCOMPARE(showOutcome(&form, outcomeOf(state), answerTitle), shown.isEmpty());
        QStringList boxes;
        for (const MessageBoxRecord& box : MessageBox::shown())
            boxes << box.text + QStringLiteral(" | ") + box.title;
        QCOMPARE(boxes, shown.isEmpty() ? QStringList() : QStringList{shown});
    }
};

VARNHOLT_TEST(TestSlipWrite)
#include "tst_slipwrite.moc"
