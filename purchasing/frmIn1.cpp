#include "frmIn1.h"
#include "appstate.h"
#include "pickers.h"

#include <QLineEdit>
#include <QPushButton>

namespace {
SlipEntryDesign stockInDesign()
{
    const SlipDesign& slip = SlipDesigns::purchase(appState().slipMode);
    const bool returning = slip.kind == SlipKind::PurchaseReturn;
    SlipEntryDesign design;
    design.formName = QStringLiteral("frmIn1");
    design.caption = QStringLiteral("商品入库");
    design.slip = &slip;
    design.partnerCaption = QStringLiteral("[供应商]");
    design.lineColumns = GoodsLineColumns();
    design.payment = {.settled = QStringLiteral("[全额结算]"),
                      .surplus = QStringLiteral("[预付现金]"),
                      .shortfall = QStringLiteral("[现金差额]")};
    if (returning) {
        design.noStockMessage = QStringLiteral("库存中无此商品或该商品库存为0，不能进行入库退货。");
        design.overStockMessage = QStringLiteral("退货数量不能大于库存量[%1]。");
    }
    design.inputDialog = QStringLiteral("frmIn15");
    return design;
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
