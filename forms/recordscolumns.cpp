#include "recordscolumns.h"

namespace RecordsColumns {

ListColumn text(const char* header, int widthTwips, const char* column)
{
    return {QString::fromUtf8(header), QString::fromUtf8(column ? column : header), widthTwips};
}

ListColumn figure(const char* header, int widthTwips, CellFormat format)
{
    return {QString::fromUtf8(header), QString::fromUtf8(header), widthTwips, Qt::AlignRight, format};
}

QList<ListColumn> slipFigures()
{
    return {text("单据编号", 1941, "单号"), figure("合计金额", 2117), figure("欠款金额", 2117), figure("还款金额", 2117),
            figure("尚欠金额", 2117),       text("操作员", 1764),     text("日期", 2470),         text("时间", 2294)};
}

QList<ListColumn> goodsLines()
{
    return {text("商品编号", 2646), text("商品名称", 4939), text("规格", 2646),
            text("单位", 1235),     figure("数量", 2117),   figure("单价", 2117),
            figure("折扣", 1235, CellFormat::Whole), figure("金额", 2540)};
}

}
