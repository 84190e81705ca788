#pragma once
#include "slipeditdialog.h"

// 非数据信息修改: the customer, salesman, introducer and remark of the sales
// or sales-return slip chosen in the records window, on its lines too.
class frmOutDetail2 : public SlipEditDialog {
    Q_OBJECT
public:
    explicit frmOutDetail2(SlipRecordsForm& records);
};
