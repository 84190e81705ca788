#pragma once
#include "repaymentdialog.h"

// 入库还款操作及记录: repayments to the supplier of the stock-in or
// purchase-return slip chosen in the records window.
class frmInDetail1 : public RepaymentDialog {
    Q_OBJECT
public:
    explicit frmInDetail1(SlipRecordsForm& records);
};
