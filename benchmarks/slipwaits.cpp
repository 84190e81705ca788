#include "slipwaits.h"
#include "benchshop.h"
#include "plainsqlite.h"
#include "linefigures.h"
#include "slipdelete.h"
#include "slipnumber.h"
#include "slipsave.h"
#include "waits.h"

#include <QDateTime>
#include <cstdio>
#include <memory>

namespace {
constexpr int SlipLines = 50;
constexpr Waits::Goal SlipGoal{20, 1.3};

using Write = std::function<SlipOutcome(DbSession&)>;

// A write's statements with their values, in the order it ran them.
struct Trace {
    std::vector<std::pair<QString, QVariantList>> statements;
    std::vector<PlainSqlite::Statement> plain;
};

SlipOutcome run(const Write& write)
{
    auto conn = Mod1::OpenConn();
    return conn ? write(*conn) : SlipOutcome::failed(conn.error());
}

Trace recorded(const Write& write, bool* done)
{
    Trace trace;
    Database::setStatementObserver([&trace](const QString& sql, const QVariantList& params) {
        trace.statements.emplace_back(sql, params);
        trace.plain.push_back(PlainSqlite::statement(sql, params));
    });
    *done = bool(run(write));
    Database::setStatementObserver({});
    return trace;
}

// The statements run again through the data layer, on a session of their own.
bool replayThroughLayer(const Trace& trace)
{
    auto conn = Mod1::OpenConn();
    if (!conn)
        return false;
    for (const auto& [sql, params] : trace.statements) {
        const bool ok = sql.startsWith(QLatin1String("select"), Qt::CaseInsensitive) ? bool(conn->query(sql, params))
                                                                                     : bool(conn->exec(sql, params));
        if (!ok)
            return false;
    }
    return true;
}

// A slip of 50 lines of goods in stock, saved and deleted in turn.
struct BenchSlip {
    const SlipDesign* design;
    SlipHeader header;
    QList<SlipLine> lines;
    Trace saving;
    Trace deleting;

    Write save() const
    {
        return [this](DbSession& s) { return SaveSlip(s, *design, header, lines); };
    }
    Write remove() const
    {
        return [this](DbSession& s) { return DeleteSlipWithRollback(s, *design, header.number); };
    }
};

// Goods with stock enough for both slips, spread over the stock table.
DbResult<Rows> goodsInStock(DbSession& session)
{
    return session.query(
        QStringLiteral("select s.商品编号, s.均价, g.商品名称, g.规格, g.单位, g.类别, g.进价, g.零售价, g.库存上限, g.库存下限 "
                       "from 库存 s join 商品信息 g on g.商品编号 = s.商品编号 "
                       "where s.库存量 >= 20 and s.金额 > 0 and s.rowid % 211 = 0 limit ?"),
        {SlipLines});
}

// The slip's number, header and lines from the shop's books.
bool fillSlip(BenchSlip& slip)
{
    const SlipDesign& design = *slip.design;
    auto conn = Mod1::OpenConn();
    if (!conn)
        return false;
    auto number = NextSlipNumber(*conn, design);
    auto goods = goodsInStock(*conn);
    auto customers = conn->query(QStringLiteral("select 名称 from 客户 order by rowid limit 2"));
    if (!number || !goods || !customers || goods->count() < SlipLines || customers->count() < 2)
        return false;
    SlipHeader& h = slip.header;
    h.number = *number;
    h.date = QDate(2024, 12, 31);
    h.time = QTime(15, 30, 0);
    h.operatorName = QStringLiteral("管理员");
    h.partner = design.family == SlipFamily::Sales ? customers->text(0, QStringLiteral("名称")) : QStringLiteral("长江1商行");
    h.introducer = customers->text(1, QStringLiteral("名称"));
    h.salesman = QStringLiteral("-");
    h.remark = QStringLiteral("-");
    h.discount = Amount::whole(100);
    for (int i = 0; i < SlipLines; ++i) {
        SlipLine l;
        l.goodsCode = goods->text(i, QStringLiteral("商品编号"));
        l.goodsName = goods->text(i, QStringLiteral("商品名称"));
        l.size = goods->text(i, QStringLiteral("规格"));
        l.unit = goods->text(i, QStringLiteral("单位"));
        l.category = goods->text(i, QStringLiteral("类别"));
        l.upperLimit = Amount::fromValue(goods->value(i, QStringLiteral("库存上限")));
        l.lowerLimit = Amount::fromValue(goods->value(i, QStringLiteral("库存下限")));
        const bool sales = design.family == SlipFamily::Sales;
        l.quantity = Amount::whole(sales ? 2 : 10);
        l.price = Amount::fromValue(goods->value(i, sales ? QStringLiteral("零售价") : QStringLiteral("进价")));
        l.unitCost = Amount::fromValue(goods->value(i, QStringLiteral("均价")));
        const LineFigures figures = LineFiguresOf(LineRule::Goods, l, h.discount);
        l.amount = figures.amount;
        l.costAmount = figures.cost;
        slip.lines << l;
        h.totalQuantity += l.quantity;
        h.totalAmount += l.amount;
        h.totalCost += l.costAmount;
    }
    h.totalProfit = h.totalAmount - h.totalCost;
    return true;
}

std::unique_ptr<BenchSlip> makeSlip(const SlipDesign& design, QString* error)
{
    auto slip = std::make_unique<BenchSlip>();
    slip->design = &design;
    if (!fillSlip(*slip)) {
        *error = QStringLiteral("no slip to time: the shop lacks goods in stock or customers");
        return nullptr;
    }
    bool saved = false;
    bool deleted = false;
    slip->saving = recorded(slip->save(), &saved);
    slip->deleting = recorded(slip->remove(), &deleted);
    if (!saved || !deleted) {
        *error = QStringLiteral("the slip to time could not be saved and deleted");
        return nullptr;
    }
    return slip;
}

// One timed step between the untimed ones that set it up and undo it;
// either may be empty.
using Step = std::function<bool()>;
void timedStep(benchmark::State& state, const Step& before, const Step& timed, const Step& after)
{
    const auto untimed = [](const Step& step) { return !step || step(); };
    bool ok = untimed(before) && timed() && untimed(after);
    for (auto _ : state) {
        ok = ok && untimed(before);
        Waits::timeOnce(state, [&] { ok = ok && timed(); });
        ok = ok && untimed(after);
        if (!ok) {
            state.SkipWithError("the slip write failed");
            break;
        }
    }
}

// The save or the deletion of the slip, timed as the core runs it, as the
// data layer runs its statements again, and as plain SQLite runs them.
void addWaits(const std::string& name, const BenchSlip& slip, const QString& path, bool timeTheSave)
{
    struct Way {
        const char* suffix;
        Step save;
        Step remove;
    };
    const Way ways[] = {
        {"", [&slip] { return bool(run(slip.save())); }, [&slip] { return bool(run(slip.remove())); }},
        {"/DbShare", [&slip] { return replayThroughLayer(slip.saving); }, [&slip] { return replayThroughLayer(slip.deleting); }},
        {"/PlainSqlite", [&slip, path] { return PlainSqlite::replay(path, slip.saving.plain); },
         [&slip, path] { return PlainSqlite::replay(path, slip.deleting.plain); }},
    };
    for (const Way& way : ways) {
        Waits::add(
            name + way.suffix,
            [w = way, timeTheSave](benchmark::State& state) {
                if (timeTheSave)
                    timedStep(state, {}, w.save, w.remove);
                else
                    timedStep(state, w.save, w.remove, {});
            },
            SlipGoal);
    }
}
}

void addSlipWaits(const BenchShop& shop)
{
    static std::vector<std::unique_ptr<BenchSlip>> slips;
    for (const auto& [name, design] : {std::pair{"StockInSlip", &SlipDesigns::StockIn},
                                       std::pair{"SalesSlip", &SlipDesigns::Sale}, std::pair{"LossSlip", &SlipDesigns::Loss}}) {
        QString error;
        auto slip = makeSlip(*design, &error);
        if (!slip) {
            std::fprintf(stderr, "%s: %s\n", name, qPrintable(error));
            continue;
        }
        std::printf("%s: %d lines, %zu statements to save, %zu to delete\n", name, SlipLines, slip->saving.statements.size(),
                    slip->deleting.statements.size());
        addWaits(std::string(name) + "/Save", *slip, shop.databasePath(), true);
        addWaits(std::string(name) + "/Delete", *slip, shop.databasePath(), false);
        slips.push_back(std::move(slip));
    }
}
