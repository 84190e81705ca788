#include "childactivation.h"

#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QMdiSubWindow>
#include <QMessageBox>

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

bool ChildActivation::isCurrent() const { return !m_child || m_child->windowState().testFlag(Qt::WindowActive); }

void ChildActivation::activated()
{
    if (isCurrent() && std::exchange(m_counts, false))
        m_handler();
}

void ChildActivation::followChildWindow()
{
    auto* child = qobject_cast<QMdiSubWindow*>(m_form->parentWidget());
    if (!child || child == m_child)
        return;
    m_child = child;
    // Turning to this child window from another one of the main window.
    connect(child, &QMdiSubWindow::windowStateChanged, this, [this](Qt::WindowStates before, Qt::WindowStates now) {
        if (now.testFlag(Qt::WindowActive) && !before.testFlag(Qt::WindowActive)) {
            m_counts = true;
            activated();
        }
    });
}

bool ChildActivation::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_form)
        return false;
    switch (event->type()) {
    case QEvent::Show:
        m_counts = true;
        followChildWindow();
        if (m_form->isActiveWindow())
            activated();
        break;
    case QEvent::WindowDeactivate: {
        // The window that takes over is already the active one.
        const QWidget* next = QApplication::activeWindow();
        m_counts = next && !qobject_cast<const QMessageBox*>(next) && !qobject_cast<const QFileDialog*>(next);
        break;
    }
    case QEvent::WindowActivate:
        activated();
        break;
    default:
        break;
    }
    return false;
}
