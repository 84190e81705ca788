#include "frmCheck1.h"
#include "stockentry.h"

namespace {
SlipEntryDesign stocktakeDesign()
{
    SlipEntryDesign design =
        StockEntryDesign(QStringLiteral("frmCheck1"), QStringLiteral("商品盘点"), SlipDesigns::Stocktake, QStringLiteral("frmCheck15"));
    design.discountName.clear();
    design.lineRule = LineRule::Count;
    // The goods lines' columns with the code shown, and the count's three
    // quantities in place of the quantity.
    QList<LineColumn> columns = GoodsLineColumns();
    columns[0].widthTwips = 1852;
    columns[4] = {QStringLiteral("盘后数量"), LineField::Quantity, 1411, Qt::AlignRight};
    columns.insert(4, {QStringLiteral("盘前数量"), LineField::BookQuantity, 1411, Qt::AlignRight});
    columns.insert(6, {QStringLiteral("盈亏"), LineField::Gain, 1411, Qt::AlignRight});
    design.lineColumns = columns;
    design.lineDashesRemark = true;
    design.quantityHint = QStringLiteral("lblLabel11");
    return design;
}
}

frmCheck1::frmCheck1(QWidget* parent)
    : SlipEntryForm(stocktakeDesign(), parent)
{
}
