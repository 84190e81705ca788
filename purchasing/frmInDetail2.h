#pragma once
#include "slipeditdialog.h"

// 修改供应商与备注: the supplier and remark of the stock-in or
// purchase-return slip chosen in the records window.
class frmInDetail2 : public SlipEditDialog {
    Q_OBJECT
public:
    explicit frmInDetail2(SlipRecordsForm& records);
};
