#include "frmCheckDetail.h"
#include "stockrecords.h"

frmCheckDetail::frmCheckDetail(QWidget* parent)
    : SlipRecordsForm(StockRecordsDesign(QStringLiteral("frmCheckDetail"), QStringLiteral("盘点记录"), SlipDesigns::Stocktake,
                                         {TextColumn("商品编号", 1852), TextColumn("商品名称", 3528), TextColumn("规格", 1764),
                                          TextColumn("单位", 1235), FigureColumn("盘前数量", 1587), FigureColumn("盘后数量", 1587),
                                          FigureColumn("盈亏", 1587), FigureColumn("单价", 1587), FigureColumn("金额", 1764)},
                                         QStringLiteral("frmCheck15")),
                      parent)
{
}
