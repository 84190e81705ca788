#pragma once
#include "repaymentdialog.h"

// 销售还款操作及记录: collections from the customer of the sales or
// sales-return slip chosen in the records window.
class frmOutDetail1 : public RepaymentDialog {
    Q_OBJECT
public:
    explicit frmOutDetail1(SlipRecordsForm& records);
};
