#pragma once
// Driving the reports' forms as a user does: the form opened as the main
// window opens it, boxes typed into, keys pressed.
#include "appstate.h"
#include "masterdrive.h"

#include <QHash>
#include <QLineEdit>
#include <QTest>

namespace ReportDrive {

// The form, opened by an operator, shown and active.
template <typename Form>
Form* open(const QString& operatorName = QStringLiteral("管理员"))
{
    appState().currentOperator = operatorName;
    return showActive<Form>(1300, 700);
}

inline QLineEdit* box(const QWidget* form, const char* name) { return childOf<QLineEdit>(form, name); }
inline QString text(const QWidget* form, const char* name) { return box(form, name)->text(); }

inline QWidget* focused(const QWidget* form) { return form->window()->focusWidget(); }

// A key as the user presses it in the control that has the focus.
inline void press(const QWidget* form, Qt::Key key)
{
    QWidget* target = focused(form) ? focused(form) : const_cast<QWidget*>(form);
    QTest::keyClick(target, key);
}

// Types keys into a box: "⇤" is Home, "⇥" End, "⌫" Backspace, "⌦" Delete,
// any other character itself.
inline void typeKeys(QWidget* box, const QString& keys)
{
    static const QHash<QChar, Qt::Key> named{{QChar(0x21E4), Qt::Key_Home},
                                             {QChar(0x21E5), Qt::Key_End},
                                             {QChar(0x232B), Qt::Key_Backspace},
                                             {QChar(0x2326), Qt::Key_Delete}};
    for (const QChar key : keys) {
        if (named.contains(key))
            QTest::keyClick(box, named.value(key));
        else
            typeText(box, QString(key));
    }
}

// Enters a box as the keyboard does (its text selected) and types over it.
inline void fill(const QWidget* form, const char* name, const QString& keys)
{
    QLineEdit* entered = box(form, name);
    entered->setFocus(Qt::TabFocusReason);
    typeKeys(entered, keys);
}

}
