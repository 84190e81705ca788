#include "dialogrules.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QKeyEvent>
#include <QPushButton>

namespace {
bool isEnterKey(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Whether the window stands on owner, through any chain of parents (unlike
// QWidget::isAncestorOf, across windows).
bool ownedBy(const QWidget* window, const QWidget* owner)
{
    for (const QWidget* w = window->parentWidget(); w; w = w->parentWidget()) {
        if (w == owner)
            return true;
    }
    return false;
}

QString textOf(const QWidget* box)
{
    if (const auto* combo = qobject_cast<const QComboBox*>(box))
        return combo->currentText();
    const QVariant text = box->property("text");
    return text.isValid() ? text.toString() : box->property("plainText").toString();
}
}

EnterToNext::EnterToNext(const QList<QWidget*>& boxes, std::function<void()> lastAction, Mode mode)
    : QObject(boxes.value(0))
    , m_lastAction(std::move(lastAction))
    , m_mode(mode)
{
    for (QWidget* box : boxes) {
        m_boxes.append(box);
        box->installEventFilter(this);
    }
}

EnterToNext* EnterToNext::install(const QList<QWidget*>& boxes, std::function<void()> lastAction, Mode mode)
{
    if (boxes.isEmpty())
        return nullptr;
    return new EnterToNext(boxes, std::move(lastAction), mode);
}

bool EnterToNext::eventFilter(QObject* watched, QEvent* event)
{
    if (!isEnterKey(event))
        return false;
    const qsizetype index = m_boxes.indexOf(qobject_cast<QWidget*>(watched));
    if (index < 0)
        return false;
    if (m_mode == Mode::FromFilledBox && textOf(m_boxes[index]).isEmpty())
        return true;
    if (index + 1 < m_boxes.size()) {
        if (QWidget* next = m_boxes[index + 1])
            next->setFocus(Qt::OtherFocusReason);
    } else if (m_lastAction) {
        m_lastAction();
    }
    return true;
}

DialogKeyFilter::DialogKeyFilter(QWidget* form, std::function<void()> escapeAction)
    : QObject(form)
    , m_form(form)
    , m_escapeAction(std::move(escapeAction))
{
    clearDefaultButtons();
    form->installEventFilter(this);
}

DialogKeyFilter* DialogKeyFilter::install(QWidget* form, std::function<void()> escapeAction)
{
    return form ? new DialogKeyFilter(form, std::move(escapeAction)) : nullptr;
}

void DialogKeyFilter::clearDefaultButtons() const
{
    const auto buttons = m_form->findChildren<QPushButton*>();
    for (QPushButton* button : buttons) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
}

bool DialogKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_form)
        return false;
    if (event->type() == QEvent::Show) {
        // Buttons built after the filter was installed.
        clearDefaultButtons();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Escape) {
        if (m_escapeAction)
            m_escapeAction();
        return true;
    }
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    if (auto* button = qobject_cast<QPushButton*>(m_form->focusWidget()); button && button->isEnabled())
        button->click();
    return true;
}

FormActivation::FormActivation(QWidget* form, std::function<void()> handler)
    : QObject(form)
    , m_form(form)
    , m_handler(std::move(handler))
{
    form->installEventFilter(this);
}

FormActivation* FormActivation::install(QWidget* form, std::function<void()> handler)
{
    return form ? new FormActivation(form, std::move(handler)) : nullptr;
}

bool FormActivation::isOwnForm(const QWidget* window) const
{
    if (!window || qobject_cast<const QMessageBox*>(window) || qobject_cast<const QFileDialog*>(window))
        return false;
    // A window that a modal form blocks is activated by the window system
    // alone, never by the user.
    switch (m_form->windowModality()) {
    case Qt::ApplicationModal:
        return ownedBy(window, m_form);
    case Qt::WindowModal:
        return !ownedBy(m_form, window);
    default:
        return true;
    }
}

bool FormActivation::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_form)
        return false;
    switch (event->type()) {
    case QEvent::Show:
        m_counts = true;
        break;
    case QEvent::WindowDeactivate:
        // The window that takes over is already the active one.
        m_counts = isOwnForm(QApplication::activeWindow());
        break;
    case QEvent::WindowActivate:
        if (std::exchange(m_counts, false))
            m_handler();
        break;
    default:
        break;
    }
    return false;
}
