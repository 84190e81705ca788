#pragma once
#include "operators.h"

#include <QList>
#include <QString>

// What one right flag does to one item of the main window.
struct RightChange {
    enum Property { Visible, Enabled };
    QString item; // objectName of the menu item or toolbar action
    Property property;
    bool on;
};

namespace RightFlagRules {
// The changes an operator's flags make, in the order of the rights. A
// granted flag shows or enables its items, a refused one hides or disables
// them (and hides the separator after buttons 13 and 11 for rights 2 and 17);
// an unreadable flag changes nothing. Granting never brings a separator back.
QList<RightChange> changes(const Operators::RightFlags& flags);
}
