#include "slipbooks.h"
#include "module2.h"

namespace {
DbSession session()
{
    auto conn = Mod1::OpenConn();
    if (!conn)
        qFatal("the test database could not be opened: %s", qPrintable(conn.error().text()));
    return std::move(*conn);
}
}

namespace SlipBooks {

void execute(const QString& sql, const QVariantList& params)
{
    auto done = session().exec(sql, params);
    if (!done)
        QTest::qFail(qPrintable(done.error().text()), __FILE__, __LINE__);
}

SlipHeader header(const QString& number)
{
    SlipHeader h;
    h.number = number;
    h.date = QDate(2024, 3, 5);
    h.time = QTime(9, 30, 0);
    h.operatorName = QStringLiteral("管理员");
    h.partner = QStringLiteral("-");
    h.introducer = QStringLiteral("-");
    h.salesman = QStringLiteral("-");
    h.remark = QStringLiteral("-");
    h.discount = Amount::whole(100);
    return h;
}

SlipLine line(const QString& code, const QString& quantity, const QString& price, const QString& lineAmount)
{
    SlipLine l;
    l.goodsCode = code;
    l.goodsName = QStringLiteral("商品") + code;
    l.size = QStringLiteral("500ml");
    l.unit = QStringLiteral("瓶");
    l.category = QStringLiteral("饮料");
    l.upperLimit = Amount::whole(100);
    l.lowerLimit = Amount::whole(5);
    l.quantity = amount(quantity);
    l.price = amount(price);
    l.amount = lineAmount.isEmpty() ? Amount::product(l.quantity, l.price, 2) : amount(lineAmount);
    return l;
}

SlipLine salesLine(const QString& code, const QString& quantity, const QString& price, const QString& lineAmount,
                   const QString& unitCost)
{
    SlipLine l = line(code, quantity, price, lineAmount);
    l.unitCost = amount(unitCost);
    l.costAmount = Amount::product(l.quantity, l.unitCost, 2);
    return l;
}

void putStock(const QString& code, const QString& quantity, const QString& value, const QString& averageCost)
{
    execute(QStringLiteral("insert into 库存 (类别, 商品编号, 商品名称, 均价, 金额, 库存量) values ('饮料', ?, ?, ?, ?, ?)"),
            {code, QStringLiteral("商品") + code, Module2::Val(averageCost), Module2::Val(value), Module2::Val(quantity)});
}

QString stockOf(const QString& code)
{
    auto rows = session().query(QStringLiteral("select 库存量, 金额, 均价 from 库存 where 商品编号 = ?"), {code});
    if (!rows || rows->isEmpty())
        return QStringLiteral("none");
    QStringList texts;
    for (int c = 0; c < 3; ++c)
        texts << Module2::FormatMoney(rows->value(0, c).toDouble());
    return texts.join(QStringLiteral(" / "));
}

void putCustomer(const QString& name, const QString& points)
{
    execute(QStringLiteral("insert into 客户 (编号, 名称, 积分) values (?, ?, ?)"),
            {QStringLiteral("KH") + name, name, Module2::Val(points)});
}

QString pointsOf(const QString& name)
{
    return rowsOf(QStringLiteral("select 积分 from 客户 where 名称 = ?"), {name}).join(QStringLiteral(", "));
}

QStringList rowsOf(const QString& sql, const QVariantList& params)
{
    auto rows = session().query(sql, params);
    if (!rows) {
        QTest::qFail(qPrintable(rows.error().text()), __FILE__, __LINE__);
        return {};
    }
    QStringList texts;
    for (int r = 0; r < rows->count(); ++r) {
        QStringList cells;
        for (const QString& column : rows->columns())
            cells << rows->text(r, column);
        texts << cells.join(QStringLiteral(" | "));
    }
    return texts;
}

QStringList wholeBooks()
{
    QStringList books;
    // A table without rowids reads in the order of its key.
    for (const QString& table : rowsOf(QStringLiteral("select name || ' | ' || (sql like '%WITHOUT ROWID') from sqlite_master "
                                                      "where type = 'table' order by name"))) {
        const QString name = table.section(QStringLiteral(" | "), 0, 0);
        const bool keyed = table.endsWith(QLatin1Char('1'));
        books << QStringLiteral("[%1]").arg(name);
        books << rowsOf(
            QStringLiteral("select * from \"%1\"%2").arg(name, keyed ? QString() : QStringLiteral(" order by rowid")));
    }
    return books;
}

SlipOutcome write(const std::function<SlipOutcome(DbSession&)>& work)
{
    DbSession open = session();
    return work(open);
}

QString outcomeText(const SlipOutcome& outcome)
{
    switch (outcome.state()) {
    case SlipOutcome::State::Done:
        return QStringLiteral("done");
    case SlipOutcome::State::NotFound:
        return QStringLiteral("not found");
    case SlipOutcome::State::Refused:
        return QStringLiteral("refused: ") + outcome.message();
    case SlipOutcome::State::Failed:
        return QStringLiteral("failed: ") + outcome.message();
    }
    return {};
}

}
