#include "clock.h"
#include "fixture.h"
#include "messagebox.h"
#include "salesdrive.h"

#include <QDateEdit>
#include <QMessageBox>

using namespace SalesDrive;
using SlipBooks::rowsOf;

namespace {
const QString Cola = QStringLiteral("SP000001");
}

class TestSalesSave : public VarnholtTestCase {
    Q_OBJECT

    // 可乐 at 123.5 with a stock of 10 at 8.00; 张三 with 100 points, 李四 with 50.
    frmOut1* openWithShop(const QString& mode = {})
    {
        putSalesGoods(Cola, QStringLiteral("可乐"), QStringLiteral("KL"), {}, QStringLiteral("123.5"));
        SlipBooks::putStock(Cola, QStringLiteral("10"), QStringLiteral("80"), QStringLiteral("8"));
        SlipBooks::putCustomer(QStringLiteral("张三"), QStringLiteral("100"));
        SlipBooks::putCustomer(QStringLiteral("李四"), QStringLiteral("50"));
        Clock::setNow(QDateTime(QDate(2024, 3, 5), QTime(10, 15, 30)));
        return openSales(mode);
    }

private slots:
    void aConfirmedSaleMovesStockAndPointsAndTheFormStartsTheNext()
    {
        auto* form = openWithShop();
        fill(control(form, "TextProvider"), QStringLiteral("张三"));
        fill(control(form, "TextProvider2"), QStringLiteral("李四"));
        enterLine(form, Cola, QStringLiteral("1"), QStringLiteral("123.5"));
        fill(control(form, "Text3"), QStringLiteral("200"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        press(form, Qt::Key_PageDown);
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("确认要保存该信息吗？")});
        QCOMPARE(MessageBox::shown().last().buttons, QMessageBox::Ok | QMessageBox::Cancel);

        QCOMPARE(
            rowsOf(QStringLiteral("select 单号, 日期, 时间, 操作员, 客户, 介绍人, 合计数量, 合计金额, 合计成本, 合计利润, 类别, "
                                  "折扣, 业务员, 备注, 欠款金额, 尚欠金额 from 出库单")),
            QStringList{QStringLiteral("C0000001 | 2024-03-05 | 10:15:30 | 管理员 | 张三 | 李四 | 1 | 123.5 | 8 | 115.5 | 出库 | "
                                       "100 | - | - | 0 | 0")});
        QCOMPARE(rowsOf(QStringLiteral("select * from 出库单明细")),
                 QStringList{
                     QStringLiteral("C0000001 | 2024-03-05 | 2024-03 | SP000001 | 可乐 | 500ml | 瓶 | 1 | 123.5 | 100 | 123.5 | "
                                    "饮料 | 8 | 115.5 | 张三 | - | 李四 | 出库")});
        QCOMPARE(SlipBooks::pointsOf(QStringLiteral("张三")), QStringLiteral("224"));
        QCOMPARE(SlipBooks::pointsOf(QStringLiteral("李四")), QStringLiteral("174"));
        QCOMPARE(SlipBooks::stockOf(Cola), QStringLiteral("9.00 / 72.00 / 8.00"));

        QCOMPARE(text(form, "Textid"), QStringLiteral("C0000002"));
        QCOMPARE(form->lines()->rowCount(), 0);
        for (const char* emptied :
             {"TextOperation", "TextProvider", "TextProviderN", "TextProvider2", "TextProviderN2", "TextBZ"})
            QCOMPARE(text(form, emptied), QString());
        QCOMPARE(salesTotals(form), QStringLiteral("0.00 / 0.00 / 0.00 / 0.00"));
        QCOMPARE(text(form, "Text3") + text(form, "Text4"), QStringLiteral("0.000.00"));
        QCOMPARE(text(form, "TextDiscount1"), QStringLiteral("100"));
        QCOMPARE(focusedName(form), QStringLiteral("TextName3"));
    }

    void aNumberTakenMeanwhileMovesToTheNextFree()
    {
        auto* form = openWithShop();
        enterLine(form, Cola, QStringLiteral("1"), QStringLiteral("123.5"));
        fill(control(form, "Text3"), QStringLiteral("200"));
        saveAfterANumberClash(form, QStringLiteral("出库单"), QStringLiteral("出库"), QStringLiteral("C0000002"));
    }

    void aReturnGivesBackStockAndPointsAndKeepsTheDebt()
    {
        auto* form = openWithShop(QStringLiteral("退货"));
        fill(control(form, "TextDiscount1"), QStringLiteral("80"));
        fill(control(form, "TextOperation"), QStringLiteral("小李"));
        fill(control(form, "TextProvider"), QStringLiteral("张三"));
        enterLine(form, Cola, QStringLiteral("2"), QStringLiteral("50"));
        fill(control(form, "Text3"), QStringLiteral("50"));
        MessageBox::setNextAnswer(QMessageBox::Yes);
        QTest::keyClick(control(form, "Text3"), Qt::Key_Return);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        press(form, Qt::Key_PageDown);

        QCOMPARE(rowsOf(QStringLiteral(
                     "select 单号, 客户, 介绍人, 合计金额, 合计成本, 类别, 折扣, 业务员, 欠款金额, 尚欠金额 from 出库单")),
                 QStringList{QStringLiteral("T0000001 | 张三 | - | 80 | 16 | 退货 | 80 | 小李 | -30 | -30")});
        QCOMPARE(rowsOf(QStringLiteral("select 金额, 成本金额, 利润金额, 业务员, 类别2 from 出库单明细")),
                 QStringList{QStringLiteral("80 | 16 | 64 | 小李 | 退货")});
        QCOMPARE(SlipBooks::pointsOf(QStringLiteral("张三")), QStringLiteral("20"));
        QCOMPARE(SlipBooks::pointsOf(QStringLiteral("李四")), QStringLiteral("50"));
        QCOMPARE(SlipBooks::stockOf(Cola), QStringLiteral("12.00 / 96.00 / 8.00"));
        QCOMPARE(text(form, "Textid"), QStringLiteral("T0000002"));
    }

    void theNamesTakeADashBeforeAnyCheck()
    {
        auto* form = openWithShop();
        enterLine(form, Cola, QStringLiteral("1"), QStringLiteral("123.5"));
        fill(control(form, "TextDiscount1"), QStringLiteral("0"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        press(form, Qt::Key_PageDown);
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("请填上折扣。")});
        QCOMPARE(focusedName(form), QStringLiteral("TextDiscount1"));
        for (const char* named : {"TextBZ", "TextOperation", "TextProvider", "TextProvider2"})
            QCOMPARE(text(form, named), QStringLiteral("-"));
        QCOMPARE(rowsOf(QStringLiteral("select count(*) from 出库单")), QStringList{QStringLiteral("0")});
    }
};

VARNHOLT_TEST(TestSalesSave)
#include "tst_salessave.moc"
