#include "fixture.h"
#include "messagebox.h"
#include "stockindrive.h"

#include <QPlainTextEdit>

using namespace RecordsDrive;
using SlipBooks::execute;
using SlipBooks::wholeBooks;

namespace {
// Two slips of today, the first one's edit dialog opened by a double-click and active.
QDialog* editFirstOfTwo(frmInDetail** records)
{
    save({.number = QStringLiteral("R0000001"), .remark = QStringLiteral("旧备注")});
    save({.number = QStringLiteral("R0000002")});
    *records = openRecords();
    return openEditDialog(*records, 0, "frmInDetail2");
}

QPlainTextEdit* remark(const QDialog* dialog) { return control<QPlainTextEdit>(dialog, "Text3"); }
}

class TestFrmInDetail2 : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void emptiedTextsAreStoredAsADash()
    {
        frmInDetail* records = nullptr;
        QPointer<QDialog> dialog = editFirstOfTwo(&records);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("修改供应商与备注"));
        QCOMPARE(text(dialog, "Text1"), QStringLiteral("R0000001"));
        QVERIFY(!control(dialog, "Text1")->isEnabled());
        QCOMPARE(text(dialog, "Text2"), QStringLiteral("张三"));
        QCOMPARE(remark(dialog)->toPlainText(), QStringLiteral("旧备注"));
        QCOMPARE(focusedName(dialog), QStringLiteral("Text2"));

        fill(control(dialog, "Text2"), {});
        remark(dialog)->clear();
        saveEdit(dialog);
        QCOMPARE(MessageBox::shown().last().text, QStringLiteral("修改成功。"));
        QCOMPARE(MessageBox::shown().last().title, QStringLiteral("提示"));
        QVERIFY(!dialog || !dialog->isVisible());
        QCOMPARE(stored(QStringLiteral("R0000001"), QStringLiteral("单号, 供应商, 备注")), QStringLiteral("R0000001 | - | -"));
        QCOMPARE(rows(records, "ListView1").first().section(QStringLiteral(" | "), 8), QStringLiteral("- | -"));
        QCOMPARE(SlipBooks::rowsOf(QStringLiteral("select 单号 from 入库单明细 where 单号 = 'R0000001'")).size(), 1);
    }

    void theEditedSlipsOwnRowShowsIt()
    {
        frmInDetail* records = nullptr;
        QDialog* dialog = editFirstOfTwo(&records);
        QVERIFY(dialog);
        // Another slip chosen while the dialog stays open.
        clickRow(records, "ListView1", 1);
        fill(control(dialog, "Text2"), QStringLiteral("王五"));
        remark(dialog)->setPlainText(QStringLiteral("it's new"));
        saveEdit(dialog);
        QCOMPARE(MessageBox::shownTexts(), QStringList{"修改成功。"});
        QCOMPARE(stored(QStringLiteral("R0000001"), QStringLiteral("供应商, 备注")), QStringLiteral("王五 | it's new"));
        QCOMPARE(rows(records, "ListView1").first().section(QStringLiteral(" | "), 8), QStringLiteral("王五 | it's new"));
        QCOMPARE(rows(records, "ListView1").last().section(QStringLiteral(" | "), 8), QStringLiteral("张三 | -"));
        QCOMPARE(records->selectedNumber(), QStringLiteral("R0000002"));
    }

    void enterStepsFromAFilledSupplierIntoTheRemark()
    {
        frmInDetail* records = nullptr;
        QDialog* dialog = editFirstOfTwo(&records);
        QVERIFY(dialog);
        fillAndEnter(dialog, "Text2", {});
        QCOMPARE(focusedName(dialog), QStringLiteral("Text2"));
        fillAndEnter(dialog, "Text2", QStringLiteral("李四"));
        QCOMPARE(focusedName(dialog), QStringLiteral("Text3"));
        QTest::keyClick(remark(dialog), Qt::Key_Return);
        QCOMPARE(remark(dialog)->toPlainText(), QStringLiteral("\n旧备注"));
        QVERIFY(dialog->isVisible());
        QVERIFY(MessageBox::shown().isEmpty());
    }

    void nothingIsReportedEditedThatWasNot_data()
    {
        QTest::addColumn<QString>("meanwhile");
        QTest::addColumn<bool>("failing");
        QTest::addColumn<QString>("message");
        QTest::newRow("deleted meanwhile") << "delete from 入库单 where 单号 = 'R0000001'" << false
                                           << "没有这条记录或该记录已删除！";
        QTest::newRow("the database fails") << QString() << true << "Error 10: disk I/O error";
    }
    void nothingIsReportedEditedThatWasNot()
    {
        QFETCH(QString, meanwhile);
        QFETCH(bool, failing);
        QFETCH(QString, message);
        frmInDetail* records = nullptr;
        QDialog* dialog = editFirstOfTwo(&records);
        QVERIFY(dialog);
        if (!meanwhile.isEmpty())
            execute(meanwhile);
        const QStringList before = wholeBooks();
        fill(control(dialog, "Text2"), QStringLiteral("王五"));
        if (failing)
            Database::setFailureHook([](const QString& sql) -> std::optional<DbError> {
                if (sql.startsWith(QLatin1String("update")))
                    return DbError{10, QStringLiteral("disk I/O error")};
                return std::nullopt;
            });
        saveEdit(dialog);
        Database::setFailureHook({});
        QCOMPARE(MessageBox::shownTexts(), QStringList{message});
        QCOMPARE(wholeBooks(), before);
        QVERIFY(dialog->isVisible());
        QCOMPARE(text(dialog, "Text2"), QStringLiteral("王五"));
        QCOMPARE(rows(records, "ListView1").first().section(QStringLiteral(" | "), 8), QStringLiteral("张三 | 旧备注"));
    }

    void aSlipGoneBeforeTheDialogLeavesNothingToSave()
    {
        save({.number = QStringLiteral("R0000001")});
        auto* records = openRecords();
        execute(QStringLiteral("delete from 入库单 where 单号 = 'R0000001'"));
        doubleClickRow(control<QTreeView>(records, "ListView1"), 0);
        auto* dialog = records->findChild<QDialog*>(QStringLiteral("frmInDetail2"));
        QVERIFY(dialog);
        QCOMPARE(text(dialog, "Text1"), QString());
        QCOMPARE(text(dialog, "Text2"), QString());
        const QStringList before = wholeBooks();
        saveEdit(dialog);
        QCOMPARE(MessageBox::shownTexts(), QStringList{"请输入编号。"});
        QCOMPARE(wholeBooks(), before);
    }
};

VARNHOLT_TEST(TestFrmInDetail2)
#include "tst_frmindetail2.moc"
