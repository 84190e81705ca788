#include "goodslookup.h"
#include "module2.h"
#include "slipbook.h"

namespace {
QString listStatement(const QString& condition)
{
    return QStringLiteral("select 商品编号 as 编号, 商品名称, coalesce((select 库存.库存量 from 库存 where 库存.商品编号 = "
                          "trim(商品信息.商品编号) limit 1), 0) as 库存, 厂家 as 存放位置 from 商品信息 where ")
           + condition;
}
}

namespace GoodsLookup {
QString filterStatement(const QString& searchColumn) { return listStatement(searchColumn + QStringLiteral(" like '%'||?||'%'")); }

QString barcodeStatement() { return listStatement(QStringLiteral("条形码 = ?")); }
}

DbResult<GoodsLoad> LoadGoods(DbSession& session, const QString& code, const QString& priceColumn)
{
    auto rows = session.query(QStringLiteral("select * from 商品信息 where 商品编号 = ? limit 1"), {code});
    if (!rows)
        return rows.error();
    GoodsLoad load;
    if (!rows->isEmpty()) {
        auto text = [&](const char* column) { return rows->text(0, QString::fromUtf8(column)).trimmed(); };
        load.goods = GoodsItem{text("商品编号"),
                               text("商品名称"),
                               text("规格"),
                               text("单位"),
                               text("类别"),
                               text("库存上限"),
                               text("库存下限"),
                               text("拼音码"),
                               text("五笔码"),
                               text("自编码"),
                               Module2::NumberText(rows->value(0, priceColumn))};
    }
    auto stock = SlipBook::readStock(session, load.goods ? load.goods->code : code);
    if (!stock)
        return stock.error();
    if (*stock)
        load.stock = (*stock)->level;
    return load;
}
