#include "frmCheck1.h"
#include "stockentry.h"

namespace {
SlipEntryDesign stocktakeDesign()
{
    return {
        .formName = QStringLiteral("frmCheck1"),
        .caption = QStringLiteral("商品盘点"),
        .slip = &SlipDesigns::Stocktake,
        // The goods lines' columns with the code shown, and the count's three
        // quantities in place of the quantity.
        .lineColumns =
            {
                {.header = QStringLiteral("商品编号"), .field = LineField::GoodsCode, .widthTwips = 1852},
                {.header = QStringLiteral("商品名称"), .field = LineField::GoodsName, .widthTwips = 4586},
                {.header = QStringLiteral("规格"), .field = LineField::Size, .widthTwips = 2117},
                {.header = QStringLiteral("单位"), .field = LineField::Unit, .widthTwips = 1411},
                {.header = QStringLiteral("盘前数量"),
                 .field = LineField::BookQuantity,
                 .widthTwips = 1411,
                 .alignment = Qt::AlignRight},
                {.header = QStringLiteral("盘后数量"),
                 .field = LineField::Quantity,
                 .widthTwips = 1411,
                 .alignment = Qt::AlignRight},
                {.header = QStringLiteral("盈亏"), .field = LineField::Gain, .widthTwips = 1411, .alignment = Qt::AlignRight},
                {.header = QStringLiteral("单价"), .field = LineField::Price, .widthTwips = 2117, .alignment = Qt::AlignRight},
                {.header = QStringLiteral("金额"), .field = LineField::Amount, .widthTwips = 2469, .alignment = Qt::AlignRight},
                {.header = QStringLiteral("类别"), .field = LineField::Category, .widthTwips = 1799},
                {.header = QStringLiteral("库存上限"), .field = LineField::UpperLimit, .widthTwips = 0},
                {.header = QStringLiteral("库存下限"), .field = LineField::LowerLimit, .widthTwips = 0},
            },
        .lineDashesRemark = true,
        .lookup = StockGoodsLookup(),
        .discountName = {}, // a count takes no discount
        .inputDialog = QStringLiteral("frmCheck15"),
        .quantityHint = QStringLiteral("lblLabel11"),
    };
}
}

frmCheck1::frmCheck1(QWidget* parent)
    : SlipEntryForm(stocktakeDesign(), parent)
{
}
