#pragma once
#include "masterlistform.h"

// Goods categories on the left, measuring units on the right, each with its
// own filter, buttons and editor.
class frmType : public MasterListForm {
    Q_OBJECT
public:
    explicit frmType(QWidget* parent = nullptr);
};
