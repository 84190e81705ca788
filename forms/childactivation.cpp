#include "childactivation.h"
#include "dialogrules.h"

#include <QEvent>
#include <QMdiSubWindow>

ChildActivation::ChildActivation(QWidget* form, std::function<void()> handler)
    : QObject(form)
    , m_form(form)
    , m_handler(std::move(handler))
{
    form->installEventFilter(this);
}

ChildActivation* ChildActivation::install(QWidget* form, std::function<void()> handler)
{
    return form ? new ChildActivation(form, std::move(handler)) : nullptr;
}

bool ChildActivation::eventFilter(QObject* watched, QEvent* event)
{
    // Where the form stands is known once it is shown.
    if (watched == m_form && event->type() == QEvent::Show) {
        m_form->removeEventFilter(this);
        followWindow();
    }
    return false;
}

void ChildActivation::followWindow()
{
    auto* child = qobject_cast<QMdiSubWindow*>(m_form->parentWidget());
    if (!child) {
        FormActivation::install(m_form, m_handler);
        return;
    }
    // The active child window stays so while the main window is inactive: it
    // changes only as the user turns from one child window to another.
    connect(child, &QMdiSubWindow::windowStateChanged, this, [this](Qt::WindowStates before, Qt::WindowStates now) {
        if (now.testFlag(Qt::WindowActive) && !before.testFlag(Qt::WindowActive))
            m_handler();
    });
    if (child->windowState().testFlag(Qt::WindowActive))
        m_handler();
}
