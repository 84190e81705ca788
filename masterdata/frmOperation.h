#pragma once
#include "masterlistform.h"

// The salesmen, filtered by pinyin or wubi code; a double-click views one
// with his sales, and only the administrator may delete.
class frmOperation : public MasterListForm {
    Q_OBJECT
public:
    explicit frmOperation(QWidget* parent = nullptr);
};
