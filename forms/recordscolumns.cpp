#include "recordscolumns.h"

namespace RecordsColumns {

QList<ListColumn> slipFigures()
{
    return {textColumn("单据编号", 1941).from("单号"),
            figureColumn("合计金额", 2117),
            figureColumn("欠款金额", 2117),
            figureColumn("还款金额", 2117),
            figureColumn("尚欠金额", 2117),
            textColumn("操作员", 1764),
            textColumn("日期", 2470),
            textColumn("时间", 2294)};
}

QList<ListColumn> goodsLines()
{
    return {textColumn("商品编号", 2646),
            textColumn("商品名称", 4939),
            textColumn("规格", 2646),
            textColumn("单位", 1235),
            figureColumn("数量", 2117),
            figureColumn("单价", 2117),
            figureColumn("折扣", 1235, CellFormat::Whole),
            figureColumn("金额", 2540)};
}

}
