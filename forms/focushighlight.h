#pragma once
// The entry boxes of a slip form light up while they hold the focus. A
// number box also selects its integer part on entering, so typing replaces
// it and keeps the decimals, and shows its text as "0.00" on leaving; the
// cash box keeps its colour after it is left, and a dialog's number box does
// not light up. A number box past the box limit is not left: it says so,
// naming the box by its caption, and keeps the focus and its text. Only a
// move of the focus within the form's window counts: another window taking
// the activation (a message box) leaves the box as it is.
#include "focusleave.h"

#include <QHash>
#include <QObject>
#include <QPointer>

class QLineEdit;
class QWidget;

class FocusHighlight : public QObject {
    Q_OBJECT
public:
    enum class Role {
        Plain,  // lit while focused
        Number, // lit, integer part selected, "0.00" on leaving
        Cash,   // as a number box, but stays lit once left
        Figure, // as a number box, never lit
    };

    explicit FocusHighlight(QWidget* form);
    // A number box's caption names it when its figure is refused.
    void watch(QLineEdit* box, Role role, const QString& caption = {});

    // The light cyan of a focused box.
    static const QColor& lit();

private:
    void focusMoved(QWidget* now);
    void enter(QLineEdit* box);
    // False when the box is refused and keeps the focus.
    bool leave(QLineEdit* box);

    QHash<QLineEdit*, Role> m_roles;
    QPointer<QLineEdit> m_lit; // the box entered last and not left yet
    FocusMoves m_moves;
};
