#pragma once
#include "mastereditor.h"

// The editor of a goods record; a change is copied into its stock row.
class frmGoods1 : public MasterEditor {
    Q_OBJECT
public:
    frmGoods1(MasterListPanel& list, EditorMode mode, QWidget* parent = nullptr);
};
