#include "fixture.h"
#include "slipbooks.h"
#include "slipnumber.h"
#include "slipsave.h"

using namespace SlipBooks;

namespace {
const SlipDesign* designOf(const QString& name)
{
    const std::pair<const char*, const SlipDesign*> designs[] = {{"stock-in", &SlipDesigns::StockIn},
                                                                 {"purchase return", &SlipDesigns::PurchaseReturn},
                                                                 {"sale", &SlipDesigns::Sale},
                                                                 {"sales return", &SlipDesigns::SalesReturn},
                                                                 {"stocktake", &SlipDesigns::Stocktake},
                                                                 {"loss", &SlipDesigns::Loss},
                                                                 {"expense", &SlipDesigns::Expense}};
    for (const auto& [key, design] : designs) {
        if (name == QLatin1String(key))
            return design;
    }
    return nullptr;
}
}

class TestSlipNumber : public VarnholtTestCase {
    Q_OBJECT
private slots:
    // Rows already in the books are "table:number:类别".
    void nextNumber_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("expected");

        QTest::newRow("first stock-in") << "stock-in" << QStringList{} << "R0000001";
        QTest::newRow("stock-in counted on")
            << "stock-in" << QStringList{"入库单:R0000040:入库", "入库单:R0000041:入库"} << "R0000042";
        QTest::newRow("purchase returns apart")
            << "purchase return" << QStringList{"入库单:R0000041:入库", "入库单:T0000005:退货"} << "T0000006";
        QTest::newRow("stock-in past the returns")
            << "stock-in" << QStringList{"入库单:R0000041:入库", "入库单:T0000005:退货"} << "R0000042";
        QTest::newRow("first sales return") << "sales return" << QStringList{"出库单:C0000010:出库", "入库单:T0000005:退货"}
                                            << "T0000001";
        QTest::newRow("sale") << "sale" << QStringList{"出库单:C0000009:出库", "出库单:T0000020:退货"} << "C0000010";
        QTest::newRow("loss beside a transfer")
            << "loss" << QStringList{"调失单:L0000003:报损", "调失单:L0000050:调拔"} << "L0000004";
        QTest::newRow("number of a transfer skipped")
            << "loss" << QStringList{"调失单:L0000003:报损", "调失单:L0000004:调拔", "调失单:L0000005:调拔"} << "L0000006";
        QTest::newRow("stocktake") << "stocktake" << QStringList{"盘点单:P0000012:"} << "P0000013";
        QTest::newRow("expense") << "expense" << QStringList{"日常支出:Z0000099:"} << "Z0000100";
        QTest::newRow("rows without a number") << "stock-in" << QStringList{"入库单::入库", "入库单: :入库"} << "R0000001";
        QTest::newRow("blanks around the highest") << "stock-in" << QStringList{"入库单:R0000007 :入库"} << "R0000008";
        QTest::newRow("past seven digits") << "sale" << QStringList{"出库单:C9999999:出库"} << "C10000000";
    }
    void nextNumber()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, rows);
        auto conn = Mod1::OpenConn();
        QVERIFY(conn);
        for (const QString& row : rows) {
            const QStringList parts = row.split(QLatin1Char(':'));
            ColumnValues values{{QStringLiteral("单号"), parts[1]}};
            if (!parts[2].isEmpty())
                values << std::pair{QStringLiteral("类别"), QVariant(parts[2])};
            QVERIFY(conn->insert(parts[0], values));
        }
        auto next = NextSlipNumber(*conn, *designOf(kind));
        QVERIFY(next);
        QTEST(*next, "expected");
    }

    // Whatever its 类别, a number the header table holds is not saved again.
    void saveRefusesANumberInUse_data()
    {
        QTest::addColumn<QString>("number");
        QTest::newRow("held by a transfer") << "L0000050";
        QTest::newRow("held, other case") << "l0000050";
        QTest::newRow("empty") << " ";
    }
    void saveRefusesANumberInUse()
    {
        QFETCH(QString, number);
        {
            auto conn = Mod1::OpenConn();
            QVERIFY(conn->insert(QStringLiteral("调失单"), {{QStringLiteral("单号"), QStringLiteral("L0000050")},
                                                            {QStringLiteral("类别"), QStringLiteral("调拔")}}));
        }
        putStock(QStringLiteral("SP000001"), QStringLiteral("10"), QStringLiteral("25"), QStringLiteral("2.5"));
        const QStringList before = wholeBooks();
        const SlipOutcome outcome = write([&](DbSession& s) {
            return SaveSlip(s, SlipDesigns::Loss, header(number),
                            {line(QStringLiteral("SP000001"), QStringLiteral("1"), QStringLiteral("2"))});
        });
        QCOMPARE(outcomeText(outcome), QStringLiteral("refused: 单据编号无效或已存在！"));
        QCOMPARE(wholeBooks(), before);
    }
};

VARNHOLT_TEST(TestSlipNumber)
#include "tst_slipnumber.moc"
