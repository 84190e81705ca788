#pragma once
#include "sliprecordsform.h"

// 销售记录: the sales slips, or with SlipMode "退货" the sales returns, with
// their collections, edits, deletion with stock and points, export and the
// printed sales slip. Only the administrator sees the lines' cost.
class frmOutDetail : public SlipRecordsForm {
    Q_OBJECT
public:
    explicit frmOutDetail(QWidget* parent = nullptr);

    // The chosen slip into 销售单.xls; nothing without one.
    void ComSell_Click();
};
