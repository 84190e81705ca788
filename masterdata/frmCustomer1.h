#pragma once
#include "mastereditor.h"

// The record of a member customer: added with initial points, modified
// (points by the administrator only) or viewed; the administrator's view
// shows the customer's purchases and those of the customers he introduced.
class frmCustomer1 : public MasterEditor {
    Q_OBJECT
public:
    frmCustomer1(MasterListPanel& list, EditorMode mode, QWidget* parent = nullptr);

private:
    QWidget* buildHistoryPart();
};
