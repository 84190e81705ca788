#pragma once
// The columns the records windows of the slip books list: a text, or a
// right-aligned figure "0.00" unless told, each under its header; and the
// runs of columns the windows share.
#include "recordtablemodel.h"

namespace RecordsColumns {
// Shows the column, or the column of the header's name when none is given.
ListColumn text(const char* header, int widthTwips, const char* column = nullptr);
ListColumn figure(const char* header, int widthTwips, CellFormat format = CellFormat::Money);

// 单据编号, the slip's four money columns, 操作员, 日期 and 时间: what a
// purchase or sales slip is listed by before its names.
QList<ListColumn> slipFigures();
// 商品编号 to 金额: a slip's goods lines.
QList<ListColumn> goodsLines();
}
