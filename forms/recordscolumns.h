#pragma once
// The runs of columns the records windows of the slip books share.
#include "recordtablemodel.h"

namespace RecordsColumns {
// 单据编号, the slip's four money columns, 操作员, 日期 and 时间: what a
// purchase or sales slip is listed by before its names.
QList<ListColumn> slipFigures();
// 商品编号 to 金额: a slip's goods lines.
QList<ListColumn> goodsLines();
}
