#pragma once
#include "mastereditor.h"

// The editor of a goods category.
class frmType1 : public MasterEditor {
    Q_OBJECT
public:
    frmType1(MasterListPanel& list, EditorMode mode, QWidget* parent = nullptr);
};
