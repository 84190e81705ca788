#include "frmIn1.h"
#include "appstate.h"
#include "pickers.h"

#include <QLineEdit>
#include <QPushButton>

namespace {
SlipEntryDesign stockInDesign()
{
    const SlipDesign& slip = SlipDesigns::purchase(appState().slipMode);
    // Only a return checks the stock it takes back.
    const bool returning = slip.kind == SlipKind::PurchaseReturn;
    return {.formName = QStringLiteral("frmIn1"),
            .caption = QStringLiteral("商品入库"),
            .slip = &slip,
            .partnerCaption = QStringLiteral("[供应商]"),
            .lineColumns = GoodsLineColumns(),
            .payment = {.settled = QStringLiteral("[全额结算]"),
                        .surplus = QStringLiteral("[预付现金]"),
                        .shortfall = QStringLiteral("[现金差额]")},
            .noStockMessage = returning ? QStringLiteral("库存中无此商品或该商品库存为0，不能进行入库退货。") : QString(),
            .overStockMessage = returning ? QStringLiteral("退货数量不能大于库存量[%1]。") : QString(),
            .inputDialog = QStringLiteral("frmIn15")};
}
}

frmIn1::frmIn1(QWidget* parent)
    : SlipEntryForm(stockInDesign(), parent)
{
    connect(ComEnd, &QPushButton::clicked, this, &frmIn1::ComEnd_Click);
    addKeys({{Qt::Key_End, [this] { ComEnd_Click(); }}});
}

void frmIn1::ComEnd_Click()
{
    PickerForm::open<frmIn11>(this, [this](const PickedRecord& supplier) {
        TextProvider->setText(supplier.name);
        lookup()->goodsInput()->setFocus(Qt::OtherFocusReason);
    });
}
