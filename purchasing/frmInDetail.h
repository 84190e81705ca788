#pragma once
#include "sliprecordsform.h"

// 入库记录: the stock-in slips, or with SlipMode "退货" the purchase returns,
// with their repayments, edits, deletion and export.
class frmInDetail : public SlipRecordsForm {
    Q_OBJECT
public:
    explicit frmInDetail(QWidget* parent = nullptr);
};
