#pragma once
// A form's own activation, whether it stands as a window of its own or in a
// child window of the main window: the first time it becomes active after it
// is shown, and each time it becomes active again after another form of the
// program was (another child window, a picker, a dialog). Coming back from a
// message box, a file dialog or another program is no activation, so the
// focus a message left stays where it is.
#include <QObject>
#include <QPointer>
#include <functional>

class QMdiSubWindow;
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
    void followChildWindow();
    // Whether the form is the one its window shows active.
    bool isCurrent() const;
    void activated();

    QWidget* m_form;
    std::function<void()> m_handler;
    QPointer<QMdiSubWindow> m_child;
    bool m_counts = true; // whether the next activation is one
};
