#include "fixture.h"
#include "frmOthersDetail.h"
#include "messagebox.h"
#include "stockrecordsdrive.h"

using namespace StockRecordsDrive;
using SlipBooks::execute;
using SlipBooks::stockOf;
using SlipBooks::wholeBooks;

namespace {
const QString Cola = QStringLiteral("SP000001");
const QString Sprite = QStringLiteral("SP000002");

QString question(const QString& number)
{
    return QStringLiteral("确认删除[%1]吗?删除后对应的金额和数量将会返回到【库存】！").arg(number);
}

// A stock of 10 worth 25.00 at 2.50, lowered by today's loss L0000003 (4 @ 2
// at a discount of 90) to 6 worth 17.00; beside it today's L0000004 of
// another goods and a '调拔' row of the same table.
frmOthersDetail* openOnTodaysLosses(const QString& operatorName = QStringLiteral("管理员"))
{
    SlipBooks::putStock(Cola, QStringLiteral("10"), QStringLiteral("25"), QStringLiteral("2.5"));
    SlipBooks::putStock(Sprite, QStringLiteral("5"), QStringLiteral("15"), QStringLiteral("3"));
    saveStockSlip(SlipDesigns::Loss, QStringLiteral("L0000003"), QStringLiteral("2024-03-05"),
                  {SlipBooks::line(Cola, QStringLiteral("4"), QStringLiteral("2"), QStringLiteral("7.20"))},
                  QStringLiteral("管理员"), QStringLiteral("90"));
    saveStockSlip(SlipDesigns::Loss, QStringLiteral("L0000004"), QStringLiteral("2024-03-05"),
                  {SlipBooks::line(Sprite, QStringLiteral("1"), QStringLiteral("3"))});
    execute(QStringLiteral("insert into 调失单 (单号, 日期, 类别, 合计数量) values ('L0000050', '2024-03-05', '调拔', 9)"));
    return open<frmOthersDetail>({}, operatorName);
}
}

class TestFrmOthersDetail : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void listsTheLossSlipsAlone()
    {
        auto* form = openOnTodaysLosses();
        QCOMPARE(form->windowTitle(), QStringLiteral("报损记录"));
        QCOMPARE(rows(form, "ListView1"), (QStringList{"L0000003 | 4.00 | 7.20 | 管理员 | 2024-03-05 | 09:30:00 | -",
                                                       "L0000004 | 1.00 | 3.00 | 管理员 | 2024-03-05 | 09:30:00 | -"}));
        QCOMPARE(listTotals(form), QStringLiteral("5.00 / 10.20"));
        ask(form, "ComF6", QString());
        QCOMPARE(numbers(form), (QStringList{"L0000003", "L0000004"}));
        clickRow(form, "ListView1", 0);
        QCOMPARE(form->windowTitle(), QStringLiteral("报损记录--当前单：L0000003"));
        QCOMPARE(shownHeaders(control<QTreeView>(form, "ListView2")),
                 (QStringList{"商品编号", "商品名称", "规格", "单位", "数量", "单价", "折扣", "金额"}));
        QCOMPARE(rows(form, "ListView2"), QStringList{"SP000001 | 商品SP000001 | 500ml | 瓶 | 4.00 | 2.00 | 90 | 7.20"});
        // The export button is there and does nothing.
        const QStringList books = wholeBooks();
        control<QPushButton>(form, "ComF10")->click();
        QCOMPARE(control<QPushButton>(form, "ComF10")->text(), QStringLiteral("导出到Excel"));
        QVERIFY(MessageBox::shown().isEmpty());
        QCOMPARE(wholeBooks(), books);
    }

    void aDeletionGivesTheStockBack()
    {
        auto* form = openOnTodaysLosses();
        QCOMPARE(stockOf(Cola), QStringLiteral("6.00 / 17.00 / 2.50"));
        clickRow(form, "ListView1", 1);
        const QStringList before = wholeBooks();
        pressDelete(form, QMessageBox::No);
        QCOMPARE(MessageBox::shown().last().text, question(QStringLiteral("L0000004")));
        QCOMPARE(MessageBox::shown().last().title, QStringLiteral("Varnholt"));
        QCOMPARE(MessageBox::shown().last().icon, QMessageBox::NoIcon);
        QCOMPARE(wholeBooks(), before);
        // No chooses the first slip, without listing its lines.
        QCOMPARE(form->selectedNumber(), QStringLiteral("L0000003"));

        pressDelete(form, QMessageBox::Yes);
        QCOMPARE(MessageBox::shown().last().text, question(QStringLiteral("L0000003")));
        QCOMPARE(stockOf(Cola), QStringLiteral("10.00 / 25.00 / 2.50"));
        for (const char* table : {"调失单", "调失单明细"})
            QCOMPARE(SlipBooks::rowsOf(QStringLiteral("select * from %1 where 单号 = 'L0000003'").arg(QString::fromUtf8(table))),
                     QStringList());
        QCOMPARE(numbers(form), QStringList{"L0000004"});
        QCOMPARE(form->selectedNumber(), QStringLiteral("L0000004"));
        QVERIFY(rows(form, "ListView2").isEmpty());
        QCOMPARE(listTotals(form), QStringLiteral("5.00 / 10.20"));

        // Deleting again without a click takes back that slip's own lines.
        pressDelete(form, QMessageBox::Yes);
        QCOMPARE(stockOf(Sprite), QStringLiteral("5.00 / 15.00 / 3.00"));
        QCOMPARE(numbers(form), QStringList());
        QCOMPARE(SlipBooks::rowsOf(QStringLiteral("select 单号 from 调失单")), QStringList{"L0000050"});
    }

    void aGoodsWithoutStockStopsTheDeletion()
    {
        auto* form = openOnTodaysLosses();
        clickRow(form, "ListView1", 0);
        execute(QStringLiteral("delete from 库存 where 商品编号 = 'SP000001'"));
        const QStringList before = wholeBooks();
        MessageBox::setNextAnswer(QMessageBox::Yes);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        control<QPushButton>(form, "ComDel")->click();
        QCOMPARE(MessageBox::shown().last().text, QStringLiteral("该商品库存已无记录,不符合删除条件！"));
        QCOMPARE(MessageBox::shown().last().title, QStringLiteral("Varnholt"));
        QCOMPARE(wholeBooks(), before);
        QCOMPARE(numbers(form), (QStringList{"L0000003", "L0000004"}));
        QCOMPARE(rows(form, "ListView2").size(), 1);
    }

    void onlyTheAdministratorDeletesOrEdits()
    {
        auto* form = openOnTodaysLosses(QStringLiteral("小王"));
        QVERIFY(!control<QPushButton>(form, "ComDel")->isEnabled());
        MessageBox::setNextAnswer(QMessageBox::Ok);
        doubleClickRow(control<QTreeView>(form, "ListView1"), 0);
        QCOMPARE(MessageBox::shownTexts(), QStringList{"<管理员>账户才有权限修改!"});
        QCOMPARE(MessageBox::shown().last().title, QStringLiteral("Varnholt"));
        QVERIFY(!form->findChild<QDialog*>(QStringLiteral("frmOthersDetail2")));
    }
};

VARNHOLT_TEST(TestFrmOthersDetail)
#include "tst_frmothersdetail.moc"
