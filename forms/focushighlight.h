#pragma once
// The entry boxes of a slip form light up while they hold the focus; the
// cash box keeps its colour after it is left, and a dialog's figure box
// never lights up. A figure box is a money box that this highlight enters
// and leaves: one refused on leaving gets the focus back, and stays lit. Only a
// move of the focus within the form counts: another window taking the
// activation (a message box) or another child form leaves the box as it is.
#include "focusleave.h"
#include "moneybox.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <optional>

class QLineEdit;
class QWidget;

class FocusHighlight : public QObject {
    Q_OBJECT
public:
    enum class Role {
        Plain,  // lit while focused
        Number, // lit while focused
        Cash,   // lit, and stays lit once left
        Figure, // never lit
    };

    explicit FocusHighlight(QWidget* form);
    // A box with a money design gets its money box, which this highlight drives.
    void watch(QLineEdit* box, Role role, std::optional<MoneyBox::Design> money = std::nullopt);

    // The light cyan of a focused box.
    static const QColor& lit();

private:
    void focusMoved(QWidget* old, QWidget* now);
    void enter(QLineEdit* box);
    // False when the box is refused and keeps the focus.
    bool leave(QLineEdit* box, bool withinForm);

    QHash<QLineEdit*, Role> m_roles;
    QPointer<QLineEdit> m_lit; // the box entered last and not left yet
    FocusMoves m_moves;
};
