#pragma once
#include <QApplication>
#include <QString>
#include <QTest>
#include <QWidget>

class MDIF_main;

// Finding and driving the shop program's windows as a user does.
namespace UiDriver {
// The open top-level window of that objectName, or nullptr.
template <typename T = QWidget>
T* window(const QString& name)
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name && widget->isVisible())
            return qobject_cast<T*>(widget);
    }
    return nullptr;
}

template <typename T>
T* child(QWidget* window, const QString& name)
{
    return window ? window->findChild<T*>(name) : nullptr;
}

// How many windows of that objectName are open.
int openWindows(const QString& name);

// The forms open in the main window's child windows, in their order.
QList<QWidget*> childForms(MDIF_main* main);

// Makes the window the active one, as a click on it would.
bool activate(QWidget* window);

// A form's boxes, by name in the form's order: empties each and types its
// text; reads their texts.
void fillBoxes(QWidget* form, const QStringList& boxNames, const QStringList& texts);
QStringList boxTexts(const QWidget* form, const QStringList& boxNames);
// Types each text where the focus is and presses Enter, the focus in each of
// the boxes in turn (a test failure where it is not); the last Enter has an
// OK queued for its message.
void enterThrough(QWidget* form, const QStringList& boxNames, const QStringList& texts);

// Loads the login form through the program's start; types the name and the
// password, each followed by Enter.
QWidget* startLoginForm();
void typeLogin(QWidget* login, const QString& name, const QString& password);

// Logs in through the login form and returns the main window it opened.
QWidget* logIn(const QString& name, const QString& password);
}
