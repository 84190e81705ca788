#include "fixture.h"
#include "frmOthersDetail.h"
#include "messagebox.h"
#include "stockrecordsdrive.h"

#include <QPointer>

using namespace StockRecordsDrive;
using SlipBooks::rowsOf;
using SlipBooks::wholeBooks;

namespace {
const QString Cola = QStringLiteral("SP000001");

// Today's losses L0000003 (two lines, remark "破损") and L0000004, a '调拔'
// row L0000050, and the first loss's edit dialog opened by a double-click.
QDialog* editFirstLoss(frmOthersDetail** records)
{
    SlipBooks::putStock(Cola, QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("2"));
    saveStockSlip(SlipDesigns::Loss, QStringLiteral("L0000003"), QStringLiteral("2024-03-05"),
                  {SlipBooks::line(Cola, QStringLiteral("1"), QStringLiteral("2")),
                   SlipBooks::line(Cola, QStringLiteral("2"), QStringLiteral("2"))});
    SlipBooks::execute(QStringLiteral("update 调失单 set 备注 = '破损'"));
    saveStockSlip(SlipDesigns::Loss, QStringLiteral("L0000004"), QStringLiteral("2024-03-05"),
                  {SlipBooks::line(Cola, QStringLiteral("1"), QStringLiteral("2"))});
    SlipBooks::execute(QStringLiteral("insert into 调失单 (单号, 类别) values ('L0000050', '调拔')"));
    *records = open<frmOthersDetail>();
    return openEditDialog(*records, 0, "frmOthersDetail2");
}

QString storedLoss(const QString& number)
{
    return rowsOf(QStringLiteral("select 单号, 备注 from 调失单 where 单号 = ?"), {number}).join(QLatin1Char('\n'));
}
}

class TestFrmOthersDetail2 : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void loadsTheSlipAndStoresAnEmptiedRemarkAsADash()
    {
        frmOthersDetail* records = nullptr;
        QPointer<QDialog> dialog = editFirstLoss(&records);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("备注修改"));
        QCOMPARE(text(dialog, "Text1"), QStringLiteral("L0000003"));
        QVERIFY(control(dialog, "Text1")->isEnabled());
        QCOMPARE(text(dialog, "Text3"), QStringLiteral("破损"));
        QCOMPARE(focusedName(dialog), QStringLiteral("Text3"));

        fill(control(dialog, "Text3"), {});
        saveEdit(dialog);
        QCOMPARE(MessageBox::shownTexts(), QStringList{"修改成功。"});
        QCOMPARE(MessageBox::shown().last().title, QStringLiteral("提示"));
        QVERIFY(!dialog || !dialog->isVisible());
        QCOMPARE(storedLoss(QStringLiteral("L0000003")), QStringLiteral("L0000003 | -"));
        QCOMPARE(rows(records, "ListView1").first().section(QStringLiteral(" | "), 6), QStringLiteral("-"));
    }

    void refusedNumbersChangeNothing()
    {
        frmOthersDetail* records = nullptr;
        QDialog* dialog = editFirstLoss(&records);
        QVERIFY(dialog);
        const QStringList before = wholeBooks();
        fill(control(dialog, "Text1"), {});
        saveEdit(dialog);
        QCOMPARE(MessageBox::shown().last().text, QStringLiteral("请输入编号。"));
        QCOMPARE(MessageBox::shown().last().title, QStringLiteral("提示"));
        QCOMPARE(focusedName(dialog), QStringLiteral("Text1"));
        for (const QString& refused : {QStringLiteral("L0000004"), QStringLiteral("L0000050"), QStringLiteral("X1")}) {
            fill(control(dialog, "Text1"), refused);
            saveEdit(dialog);
            QCOMPARE(MessageBox::shown().last().text, QStringLiteral("单据编号无效或已存在！"));
            QCOMPARE(MessageBox::shown().last().title, QStringLiteral("提示"));
            QVERIFY(dialog->isVisible());
        }
        QCOMPARE(wholeBooks(), before);
        QCOMPARE(numbers(records), (QStringList{"L0000003", "L0000004"}));

        // Unchanged values are saved all the same.
        fill(control(dialog, "Text1"), QStringLiteral("L0000003"));
        saveEdit(dialog);
        QCOMPARE(MessageBox::shown().last().text, QStringLiteral("修改成功。"));
        QCOMPARE(wholeBooks(), before);
    }

    void aRenumberedSlipKeepsItsLines()
    {
        frmOthersDetail* records = nullptr;
        QDialog* dialog = editFirstLoss(&records);
        QVERIFY(dialog);
        // Another slip chosen while the dialog stays open.
        clickRow(records, "ListView1", 1);
        fill(control(dialog, "Text1"), QStringLiteral("L0000009"));
        fill(control(dialog, "Text3"), QStringLiteral("过期"));
        saveEdit(dialog);
        QCOMPARE(MessageBox::shownTexts(), QStringList{"修改成功。"});
        QCOMPARE(storedLoss(QStringLiteral("L0000009")), QStringLiteral("L0000009 | 过期"));
        QCOMPARE(rowsOf(QStringLiteral("select 单号, 数量 from 调失单明细 order by rowid")),
                 (QStringList{"L0000009 | 1", "L0000009 | 2", "L0000004 | 1"}));
        // The slip's own row shows it; the chosen one stays as it was.
        QCOMPARE(numbers(records), (QStringList{"L0000009", "L0000004"}));
        QCOMPARE(rows(records, "ListView1").first().section(QStringLiteral(" | "), 6), QStringLiteral("过期"));
        QCOMPARE(records->selectedNumber(), QStringLiteral("L0000004"));

        clickRow(records, "ListView1", 0);
        QCOMPARE(records->windowTitle(), QStringLiteral("报损记录--当前单：L0000009"));
        QCOMPARE(rows(records, "ListView2").size(), 2);
        QCOMPARE(SlipBooks::stockOf(Cola), QStringLiteral("6.00 / 12.00 / 2.00"));
        MessageBox::setNextAnswer(QMessageBox::Yes);
        control<QPushButton>(records, "ComDel")->click();
        QCOMPARE(SlipBooks::stockOf(Cola), QStringLiteral("9.00 / 18.00 / 2.00"));
        QCOMPARE(numbers(records), QStringList{"L0000004"});
    }
};

VARNHOLT_TEST(TestFrmOthersDetail2)
#include "tst_frmothersdetail2.moc"
