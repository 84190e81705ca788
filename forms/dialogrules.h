#pragma once
#include "windowrules.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

// Enter in a box moves the focus to the next box of a fixed order; Enter in
// the last box runs the form's main action. The Enter key is used up either
// way, so it never reaches a default button. Other keys are left to the box.
class EnterToNext : public QObject {
    Q_OBJECT
public:
    enum class Mode {
        Always,        // every box moves on
        FromFilledBox, // an empty box keeps the focus (a blank counts as filled)
    };

    // Watches the boxes; lives as long as the first of them.
    static EnterToNext* install(const QList<QWidget*>& boxes, std::function<void()> lastAction, Mode mode = Mode::Always);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    EnterToNext(const QList<QWidget*>& boxes, std::function<void()> lastAction, Mode mode);

    QList<QPointer<QWidget>> m_boxes;
    std::function<void()> m_lastAction;
    Mode m_mode;
};

// A form's own Enter and Esc: neither reaches a dialog's default handling (no
// default button is pressed, Esc does not reject). Enter on a focused push
// button clicks it; Esc runs the form's Esc action when it has one. The form's
// push buttons are made not to act as default buttons.
class DialogKeyFilter : public QObject {
    Q_OBJECT
public:
    static DialogKeyFilter* install(QWidget* form, std::function<void()> escapeAction = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DialogKeyFilter(QWidget* form, std::function<void()> escapeAction);
    void clearDefaultButtons() const;

    QWidget* m_form;
    std::function<void()> m_escapeAction;
};

// A form's own activation: the first time it becomes active after it is
// shown, and each time it becomes active again after another form of the
// program was (for a modal form, one opened over it). Coming back from a
// message box, a file dialog or another program is no activation, so the
// focus a message left stays where it is.
class FormActivation : public QObject {
    Q_OBJECT
public:
    // Runs handler at each activation; lives as long as the form.
    static FormActivation* install(QWidget* form, std::function<void()> handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FormActivation(QWidget* form, std::function<void()> handler);
    // Whether the window is another form of the program the user may turn to
    // from this one.
    bool isOwnForm(const QWidget* window) const;

    QWidget* m_form;
    std::function<void()> m_handler;
    bool m_counts = true; // whether the next activation is one
};
