#include "frmCheckDetail.h"
#include "stockrecords.h"

frmCheckDetail::frmCheckDetail(QWidget* parent)
    : SlipRecordsForm(StockRecordsDesign(QStringLiteral("frmCheckDetail"), QStringLiteral("盘点记录"), SlipDesigns::Stocktake,
                                         {textColumn("商品编号", 1852), textColumn("商品名称", 3528), textColumn("规格", 1764),
                                          textColumn("单位", 1235), figureColumn("盘前数量", 1587),
                                          figureColumn("盘后数量", 1587), figureColumn("盈亏", 1587), figureColumn("单价", 1587),
                                          figureColumn("金额", 1764)},
                                         QStringLiteral("frmCheck15")),
                      parent)
{
}
