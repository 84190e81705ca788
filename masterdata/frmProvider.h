#pragma once
#include "masterlistform.h"

// The suppliers, filtered by pinyin or wubi code.
class frmProvider : public MasterListForm {
    Q_OBJECT
public:
    explicit frmProvider(QWidget* parent = nullptr);
};
