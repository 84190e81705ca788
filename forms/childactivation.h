#pragma once
// A form's own activation, whether it stands in a child window of the main
// window or as a window of its own. In a child window: when it is shown, and
// each time the user turns to it from another child window; the main window
// coming back from a dialog, a picker, a message or another program is no
// activation of its child, so the focus a picker or a message left stays
// where it is. As a window of its own it follows FormActivation.
#include <QObject>
#include <functional>

class QWidget;

class ChildActivation : public QObject {
    Q_OBJECT
public:
    // Runs handler at each activation; lives as long as the form.
    static ChildActivation* install(QWidget* form, std::function<void()> handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ChildActivation(QWidget* form, std::function<void()> handler);
    void followWindow();

    QWidget* m_form;
    std::function<void()> m_handler;
};
