#pragma once
#include "slipentryform.h"

// 商品入库: the stock-in slip, or with SlipMode "退货" the purchase return,
// from a supplier.
class frmIn1 : public SlipEntryForm {
    Q_OBJECT
public:
    explicit frmIn1(QWidget* parent = nullptr);

    // End: the supplier picker.
    void ComEnd_Click();
};
