#pragma once
#include "sliprecordsform.h"

// 报损记录: the loss slips and the lines of the one chosen. The administrator
// deletes a slip, giving its goods back to stock, and edits its number and
// remark.
class frmOthersDetail : public SlipRecordsForm {
    Q_OBJECT
public:
    explicit frmOthersDetail(QWidget* parent = nullptr);
};
