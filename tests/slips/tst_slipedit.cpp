#include "fixture.h"
#include "slipbooks.h"
#include "slipedit.h"
#include "slippayment.h"
#include "slipsave.h"

using namespace SlipBooks;

Q_DECLARE_METATYPE(const SlipDesign*)

namespace {
const QString A = QStringLiteral("SP000001");

void saveSlip(const SlipDesign& design, const SlipHeader& h, const QList<SlipLine>& lines)
{
    QCOMPARE(outcomeText(write([&](DbSession& s) { return SaveSlip(s, design, h, lines); })), QStringLiteral("done"));
}

QString editSlip(const SlipDesign& design, const QString& number, const SlipEdit& edit)
{
    return outcomeText(write([&](DbSession& s) { return EditSlip(s, design, number, edit); }));
}
}

class TestSlipEdit : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void stockInSupplierAndRemark()
    {
        putStock(A, QStringLiteral("0"), QStringLiteral("0"));
        SlipHeader h = header(QStringLiteral("R0000001"));
        h.partner = QStringLiteral("长江商行");
        h.difference = amount(QStringLiteral("-10"));
        saveSlip(SlipDesigns::StockIn, h, {line(A, QStringLiteral("1"), QStringLiteral("10"))});
        QVERIFY(write([](DbSession& s) {
            return PaySlip(s, SlipDesigns::StockIn, QStringLiteral("R0000001"), amount(QStringLiteral("10")),
                           QStringLiteral("管理员"), VarnholtTestCase::defaultNow());
        }));
        const QString stock = stockOf(A);

        QCOMPARE(editSlip(SlipDesigns::StockIn, QStringLiteral("R0000001"),
                          {QStringLiteral("R0000001"), QStringLiteral("黄河商行"), {}, {}, QStringLiteral("退回一箱")}),
                 QStringLiteral("done"));
        QCOMPARE(rowsOf(QStringLiteral("select 单号, 供应商, 备注, 合计金额, 尚欠金额 from 入库单")),
                 QStringList{QStringLiteral("R0000001 | 黄河商行 | 退回一箱 | 0 | 0")});
        QCOMPARE(rowsOf(QStringLiteral("select count(*) from 入库单明细 where 单号 = 'R0000001'")),
                 QStringList{QStringLiteral("1")});
        QCOMPARE(rowsOf(QStringLiteral("select count(*) from 入库单明细1 where 单号 = 'R0000001'")),
                 QStringList{QStringLiteral("1")});
        QCOMPARE(stockOf(A), stock);
        QCOMPARE(editSlip(SlipDesigns::PurchaseReturn, QStringLiteral("R0000001"), {QStringLiteral("R0000001"), {}, {}, {}, {}}),
                 QStringLiteral("not found"));
    }

    // The names move on the header and every line; the points the save gave
    // move from the old names to the new.
    void salesNamesCarryTheirPoints_data()
    {
        QTest::addColumn<const SlipDesign*>("design");
        QTest::addColumn<QString>("points");
        QTest::newRow("sale") << &SlipDesigns::Sale << "王五 | 100, 赵六 | 50, 孙七 | 134, 周八 | 174";
        QTest::newRow("sales return") << &SlipDesigns::SalesReturn << "王五 | 100, 赵六 | 50, 孙七 | -114, 周八 | -74";
    }
    void salesNamesCarryTheirPoints()
    {
        QFETCH(const SlipDesign*, design);
        for (const auto& [name, points] : {std::pair{"王五", "100"}, {"赵六", "50"}, {"孙七", "10"}, {"周八", "50"}})
            putCustomer(QString::fromUtf8(name), QString::fromLatin1(points));
        SlipHeader h = header(design->letter + QStringLiteral("0000001"));
        h.partner = QStringLiteral("王五");
        h.introducer = QStringLiteral("赵六");
        h.salesman = QStringLiteral("小李");
        h.totalAmount = amount(QStringLiteral("123.50"));
        const SlipLine l = salesLine(A, QStringLiteral("1"), QStringLiteral("123.5"), QStringLiteral("123.50"),
                                     QStringLiteral("0"));
        saveSlip(*design, h, {l, l});

        QCOMPARE(editSlip(*design, h.number,
                          {h.number, QStringLiteral("孙七"), QStringLiteral("-"), QStringLiteral("周八"), QStringLiteral("改")}),
                 QStringLiteral("done"));
        QCOMPARE(rowsOf(QStringLiteral("select 客户, 业务员, 介绍人, 备注 from 出库单")),
                 QStringList{QStringLiteral("孙七 | - | 周八 | 改")});
        QCOMPARE(rowsOf(QStringLiteral("select 客户, 业务员, 介绍人 from 出库单明细")),
                 QStringList(2, QStringLiteral("孙七 | - | 周八")));
        QTEST(rowsOf(QStringLiteral("select 名称, 积分 from 客户 order by rowid")).join(QStringLiteral(", ")), "points");

        // Unchanged names move nothing.
        const QStringList before = wholeBooks();
        QCOMPARE(editSlip(*design, h.number,
                          {h.number, QStringLiteral("孙七"), QStringLiteral("-"), QStringLiteral("周八"), QStringLiteral("改")}),
                 QStringLiteral("done"));
        QCOMPARE(wholeBooks(), before);
    }

    void lossRenumberedWithItsLines()
    {
        putStock(A, QStringLiteral("10"), QStringLiteral("25"), QStringLiteral("2.5"));
        saveSlip(SlipDesigns::Loss, header(QStringLiteral("L0000003")),
                 {line(A, QStringLiteral("1"), QStringLiteral("2")), line(A, QStringLiteral("2"), QStringLiteral("2"))});
        execute(QStringLiteral("insert into 调失单 (单号, 类别) values ('L0000050', '调拔')"));

        const QStringList before = wholeBooks();
        for (const QString& taken :
             {QStringLiteral("L0000050"), QStringLiteral("l0000050"), QStringLiteral(""), QStringLiteral("X1"),
              QStringLiteral("R0000009"), QStringLiteral("L000009"), QStringLiteral("L00000009"), QStringLiteral("L000000x")}) {
            QCOMPARE(editSlip(SlipDesigns::Loss, QStringLiteral("L0000003"), {taken, {}, {}, {}, QStringLiteral("-")}),
                     QStringLiteral("refused: 单据编号无效或已存在！"));
        }
        QCOMPARE(wholeBooks(), before);

        QCOMPARE(editSlip(SlipDesigns::Loss, QStringLiteral("L0000003"),
                          {QStringLiteral("L0000009"), {}, {}, {}, QStringLiteral("破损")}),
                 QStringLiteral("done"));
        QCOMPARE(rowsOf(QStringLiteral("select 单号, 备注, 类别 from 调失单 order by rowid")),
                 (QStringList{QStringLiteral("L0000009 | 破损 | 报损"), QStringLiteral("L0000050 |  | 调拔")}));
        QCOMPARE(rowsOf(QStringLiteral("select 单号, 数量 from 调失单明细 order by rowid")),
                 (QStringList{QStringLiteral("L0000009 | 1"), QStringLiteral("L0000009 | 2")}));
        // Its own number in another case is no other slip's.
        QCOMPARE(editSlip(SlipDesigns::Loss, QStringLiteral("L0000009"),
                          {QStringLiteral("l0000009"), {}, {}, {}, QStringLiteral("破损")}),
                 QStringLiteral("done"));
        QCOMPARE(editSlip(SlipDesigns::Loss, QStringLiteral("L0000003"), {QStringLiteral("L0000004"), {}, {}, {}, {}}),
                 QStringLiteral("not found"));
    }
};

VARNHOLT_TEST(TestSlipEdit)
#include "tst_slipedit.moc"
