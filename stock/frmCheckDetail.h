#pragma once
#include "sliprecordsform.h"

// 盘点记录: the stocktaking slips and the lines of the one chosen; read only.
class frmCheckDetail : public SlipRecordsForm {
    Q_OBJECT
public:
    explicit frmCheckDetail(QWidget* parent = nullptr);
};
