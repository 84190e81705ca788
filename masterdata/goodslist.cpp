#include "goodslist.h"

QString GoodsListSelect()
{
    return QStringLiteral(
        "select 商品信息.*, coalesce((select 库存.库存量 from 库存 where 库存.商品编号 = trim(商品信息.商品编号) "
        "limit 1), 0) as 库存量 from 商品信息");
}
