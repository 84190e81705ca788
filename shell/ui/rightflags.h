#pragma once
#include <QList>
#include <QString>
#include <QVariant>
#include <optional>

// What one right flag does to one item of the main window.
struct RightChange {
    enum Property { Visible, Enabled };
    QString item;     // objectName of the menu item or toolbar action
    Property property;
    bool on;
};

// The operator's 25 right flags, columns [1] to [25], as read (a NULL flag is
// an invalid QVariant).
using RightFlags = QList<QVariant>;

namespace RightFlagRules {
inline constexpr int flagCount = 25;

// The changes the flags make, in the order of the rights. A granted flag
// shows or enables its items, a refused one hides or disables them (and
// hides the separator after buttons 13 and 11 for rights 2 and 17); a NULL
// or unreadable flag changes nothing. Granting never brings a separator back.
QList<RightChange> changes(const RightFlags& flags);

// The flags of the operator's row; nothing when there is no row or the
// database cannot be read.
std::optional<RightFlags> read(const QString& operatorName);
}
