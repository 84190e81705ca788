#pragma once
#include "slipentryform.h"

// 商品报损: the loss slip, open while SlipMode is "报损". Goods are written
// off at a slip discount, never beyond the stock on hand.
class frmOther1 : public SlipEntryForm {
    Q_OBJECT
public:
    explicit frmOther1(QWidget* parent = nullptr);
};
