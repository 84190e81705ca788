#pragma once
#include "mastereditor.h"

// The editor of a measuring unit.
class frmUnit1 : public MasterEditor {
    Q_OBJECT
public:
    frmUnit1(MasterListPanel& list, EditorMode mode, QWidget* parent = nullptr);
};
