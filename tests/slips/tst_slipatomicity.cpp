#include "fixture.h"
#include "slipbooks.h"
#include "slipdelete.h"
#include "slipedit.h"
#include "slippayment.h"
#include "slipsave.h"

#include <QFile>

using namespace SlipBooks;

namespace {
const QString A = QStringLiteral("SP000001");
const QString B = QStringLiteral("SP000002");

using Write = std::function<SlipOutcome(DbSession&)>;

// One write of the books and the books it starts from.
struct Case {
    const char* name;
    std::function<void()> setUp;
    Write write;
};

SlipHeader salesHeader(const SlipDesign& design)
{
    SlipHeader h = header(design.letter + QStringLiteral("0000001"));
    h.partner = QStringLiteral("王五");
    h.introducer = QStringLiteral("赵六");
    h.totalAmount = amount(QStringLiteral("25"));
    h.difference = amount(QStringLiteral("-5"));
    return h;
}

QList<SlipLine> twoLines(const SlipDesign& design)
{
    if (design.family == SlipFamily::Sales)
        return {salesLine(A, QStringLiteral("2"), QStringLiteral("12.5"), QStringLiteral("25.00"), QStringLiteral("8")),
                salesLine(B, QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("3.00"), QStringLiteral("2"))};
    return {line(A, QStringLiteral("2"), QStringLiteral("12.5")), line(B, QStringLiteral("1"), QStringLiteral("3"))};
}

void shop()
{
    putStock(A, QStringLiteral("10"), QStringLiteral("80"), QStringLiteral("8"));
    putCustomer(QStringLiteral("王五"), QStringLiteral("100"));
    putCustomer(QStringLiteral("赵六"), QStringLiteral("50"));
    putCustomer(QStringLiteral("孙七"), QStringLiteral("10"));
}

Write saving(const SlipDesign& design)
{
    return [&design](DbSession& s) { return SaveSlip(s, design, salesHeader(design), twoLines(design)); };
}

// The shop with a saved slip of the design (goods B without a stock row when
// the save created none).
std::function<void()> saved(const SlipDesign& design)
{
    return [&design] {
        shop();
        putStock(B, QStringLiteral("5"), QStringLiteral("10"), QStringLiteral("2"));
        write(saving(design));
    };
}

const std::vector<Case>& cases()
{
    static const std::vector<Case> all{
        {"stock-in save", shop, saving(SlipDesigns::StockIn)},
        {"purchase return save", shop, saving(SlipDesigns::PurchaseReturn)},
        {"sale save", shop, saving(SlipDesigns::Sale)},
        {"sales return save", shop, saving(SlipDesigns::SalesReturn)},
        {"stocktake save", shop, saving(SlipDesigns::Stocktake)},
        {"loss save", shop, saving(SlipDesigns::Loss)},
        {"stock-in deletion", saved(SlipDesigns::StockIn),
         [](DbSession& s) { return DeleteSlipWithRollback(s, SlipDesigns::StockIn, QStringLiteral("R0000001")); }},
        {"sale deletion", saved(SlipDesigns::Sale),
         [](DbSession& s) { return DeleteSlipWithRollback(s, SlipDesigns::Sale, QStringLiteral("C0000001")); }},
        {"loss deletion", saved(SlipDesigns::Loss),
         [](DbSession& s) { return DeleteSlipWithRollback(s, SlipDesigns::Loss, QStringLiteral("L0000001")); }},
        {"repayment", saved(SlipDesigns::StockIn),
         [](DbSession& s) {
             return PaySlip(s, SlipDesigns::StockIn, QStringLiteral("R0000001"), amount(QStringLiteral("5")),
                            QStringLiteral("管理员"), VarnholtTestCase::defaultNow());
         }},
        {"collection", saved(SlipDesigns::Sale),
         [](DbSession& s) {
             return PaySlip(s, SlipDesigns::Sale, QStringLiteral("C0000001"), amount(QStringLiteral("5")),
                            QStringLiteral("管理员"), VarnholtTestCase::defaultNow());
         }},
        {"stock-in edit", saved(SlipDesigns::StockIn),
         [](DbSession& s) {
             return EditSlip(s, SlipDesigns::StockIn, QStringLiteral("R0000001"),
                             {QStringLiteral("R0000001"), QStringLiteral("黄河商行"), {}, {}, QStringLiteral("改")});
         }},
        {"sales edit", saved(SlipDesigns::Sale),
         [](DbSession& s) {
             return EditSlip(s, SlipDesigns::Sale, QStringLiteral("C0000001"),
                             {QStringLiteral("C0000001"), QStringLiteral("孙七"), QStringLiteral("小李"), QStringLiteral("-"),
                              QStringLiteral("改")});
         }},
        {"loss renumbering", saved(SlipDesigns::Loss),
         [](DbSession& s) {
             return EditSlip(s, SlipDesigns::Loss, QStringLiteral("L0000001"),
                             {QStringLiteral("L0000009"), {}, {}, {}, QStringLiteral("改")});
         }},
    };
    return all;
}
}

class TestSlipAtomicity : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void failureChangesNoTable_data()
    {
        QTest::addColumn<int>("write");
        QTest::addColumn<bool>("atCommit");
        for (int i = 0; i < int(cases().size()); ++i) {
            QTest::addRow("%s, last statement", cases()[i].name) << i << false;
            QTest::addRow("%s, commit", cases()[i].name) << i << true;
        }
    }
    void failureChangesNoTable()
    {
        QFETCH(int, write);
        QFETCH(bool, atCommit);
        const Case& c = cases()[write];
        c.setUp();
        const QString copy = dbPath() + QStringLiteral(".before");
        QVERIFY(QFile::copy(dbPath(), copy));

        // Which statements the write runs when nothing fails.
        QStringList statements;
        Database::setFailureHook([&statements](const QString& sql) -> std::optional<DbError> {
            statements << sql;
            return std::nullopt;
        });
        QCOMPARE(outcomeText(SlipBooks::write(c.write)), QStringLiteral("done"));
        Database::setFailureHook({});
        QCOMPARE(statements.last(), QStringLiteral("COMMIT"));
        QVERIFY(QFile::remove(dbPath()) && QFile::copy(copy, dbPath()));

        const QStringList before = wholeBooks();
        const qsizetype failing = atCommit ? statements.size() - 1 : statements.size() - 2;
        qsizetype run = 0;
        Database::setFailureHook([&run, failing](const QString&) -> std::optional<DbError> {
            if (run++ == failing)
                return DbError{10, QStringLiteral("disk I/O error")};
            return std::nullopt;
        });
        const SlipOutcome outcome = SlipBooks::write(c.write);
        Database::setFailureHook({});
        QCOMPARE(outcomeText(outcome), QStringLiteral("failed: Error 10: disk I/O error"));
        QCOMPARE(wholeBooks(), before);
    }
};

VARNHOLT_TEST(TestSlipAtomicity)
#include "tst_slipatomicity.moc"
