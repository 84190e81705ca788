#pragma once
#include <QPointer>
#include <QWidget>

// A handler that waits with events running may see its own form closed
// meanwhile (by the user, or by the timed backup closing the backup window).
// A form deleted on close would then go from under the handler: while this
// guard lives, closing only hides the form, and a form closed meanwhile is
// deleted once the guard ends.
class BusyForm {
public:
    explicit BusyForm(QWidget* form);
    ~BusyForm();
    BusyForm(const BusyForm&) = delete;
    BusyForm& operator=(const BusyForm&) = delete;

private:
    QPointer<QWidget> m_form;
    bool m_deleteOnClose;
    bool m_wasVisible;
};
