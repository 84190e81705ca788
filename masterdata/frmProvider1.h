#pragma once
#include "mastereditor.h"

// The editor of a supplier.
class frmProvider1 : public MasterEditor {
    Q_OBJECT
public:
    frmProvider1(MasterListPanel& list, EditorMode mode, QWidget* parent = nullptr);
};
