#include "stockcopysync.h"

DbStatus StockCopySync(DbSession& session, const GoodsStockCopy& goods)
{
    return session
        .exec(QStringLiteral("update 库存 set 商品名称 = ?, 规格 = ?, 单位 = ?, 类别 = ?, 库存上限 = ?, 库存下限 = ? "
                             "where 商品编号 = ?"),
              {goods.name, goods.size, goods.unit, goods.category, goods.upperLimit, goods.lowerLimit, goods.number})
        .status();
}
