#pragma once
#include "slipeditdialog.h"

// 备注修改: the number and the remark of a loss slip. A new number takes the
// slip's lines with it.
class frmOthersDetail2 : public SlipEditDialog {
    Q_OBJECT
public:
    explicit frmOthersDetail2(SlipRecordsForm& records);
};
