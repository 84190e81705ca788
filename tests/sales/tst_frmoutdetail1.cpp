#include "fixture.h"
#include "messagebox.h"
#include "salesrecordsdrive.h"

#include <QGroupBox>

using namespace SalesRecordsDrive;

namespace {
// Opens the collection dialog over the records and acts on it.
void collect(frmOutDetail* form, std::function<void(QDialog*)> act)
{
    whenModal(std::move(act));
    control<QPushButton>(form, "ComF9")->click();
}

QString boxes(const QDialog* dialog)
{
    return QStringList{text(dialog, "Text1"), text(dialog, "Text2"), text(dialog, "Text3"), text(dialog, "Text4")}.join(
        QLatin1Char('/'));
}

// 800.00 paid 300.00 by 王五, and a sale paid in full.
frmOutDetail* openOnASaleOwed()
{
    saveSale({.number = QStringLiteral("C0000001"),
              .customer = QStringLiteral("王五"),
              .difference = QStringLiteral("-500"),
              .lines = {SlipBooks::salesLine(QStringLiteral("SP000001"), QStringLiteral("8"), QStringLiteral("100"),
                                             QStringLiteral("800.00"), QStringLiteral("60"))}});
    saveSale({.number = QStringLiteral("C0000002")});
    return openSalesRecords();
}
}

class TestFrmOutDetail1 : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void aCollectionSettlesTheSale()
    {
        auto* form = openOnASaleOwed();
        clickRow(form, "ListView1", 0);
        collect(form, [](QDialog* dialog) {
            QCOMPARE(dialog->objectName(), QStringLiteral("frmOutDetail1"));
            QCOMPARE(dialog->windowTitle(), QStringLiteral("销售还款操作及记录"));
            QCOMPARE(control<QGroupBox>(dialog, "Frame1")->title(), QStringLiteral("收款操作"));
            QCOMPARE(control<QPushButton>(dialog, "ComOK")->text(), QStringLiteral("确认收款 ENTER"));
            QCOMPARE(control<QLabel>(dialog, "Label5")->text(), QStringLiteral("[应收款项名称]"));
            QCOMPARE(control<QLabel>(dialog, "Label8")->text(), QStringLiteral("收款历史记录："));
            QCOMPARE(boxes(dialog), QStringLiteral("王五/-500.00/0.00/0.00"));
            MessageBox::setNextAnswer(QMessageBox::Ok);
            fillAndEnter(dialog, "Text3", QStringLiteral("500"));
            QCOMPARE(MessageBox::shownTexts(), QStringList{"确认要还款吗？"});
            QCOMPARE(boxes(dialog), QStringLiteral("王五/0.00/0.00/0"));
            QCOMPARE(rows(dialog, "ListView1"), QStringList{"C0000001 | 500.00 | 管理员 | 2024-03-05 | 09:00:00"});
        });
        QCOMPARE(storedSale(QStringLiteral("C0000001"), QStringLiteral("还款金额, 尚欠金额")), QStringLiteral("500 | 0"));
        QCOMPARE(SlipBooks::rowsOf(QStringLiteral("select * from 出库单明细1")),
                 QStringList{"C0000001 | 500 | 管理员 | 2024-03-05 | 09:00:00"});
        QCOMPARE(rows(form, "ListView1").first().section(QStringLiteral(" | "), 1, 4),
                 QStringLiteral("800.00 | -500.00 | 500.00 | 0.00"));
        QCOMPARE(listTotals(form), QStringLiteral("810.60 / 0.00"));

        // No longer an open debt of its customer.
        ask(form, "ComF8", QString());
        QCOMPARE(numbers(form), QStringList());
    }

    void aSaleWithoutDebtTakesNoCollection()
    {
        auto* form = openOnASaleOwed();
        clickRow(form, "ListView1", 1);
        collect(form, [](QDialog* dialog) {
            QCOMPARE(boxes(dialog), QStringLiteral("张三/0.00/0.00/0.00"));
            QVERIFY(!control(dialog, "Text3")->isEnabled());
            QVERIFY(!control<QPushButton>(dialog, "ComOK")->isEnabled());
            MessageBox::setNextAnswer(QMessageBox::Ok);
            QTest::keyClick(dialog, Qt::Key_Return);
            QCOMPARE(MessageBox::shownTexts(), QStringList{"请输入还款金额。"});
        });
        QCOMPARE(SlipBooks::rowsOf(QStringLiteral("select * from 出库单明细1")), QStringList());
    }
};

VARNHOLT_TEST(TestFrmOutDetail1)
#include "tst_frmoutdetail1.moc"
