#include "keypreview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

KeyPreview::KeyPreview(QWidget* form, Keys keys)
    : QObject(form)
    , m_form(form)
    , m_keys(std::move(keys))
{
    // Before the focused control: an application filter sees a key first.
    qApp->installEventFilter(this);
}

KeyPreview* KeyPreview::install(QWidget* form, Keys keys) { return new KeyPreview(form, std::move(keys)); }

bool KeyPreview::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || (widget != m_form && !m_form->isAncestorOf(widget)))
        return false;
    const auto action = m_keys.constFind(static_cast<QKeyEvent*>(event)->key());
    if (action == m_keys.constEnd())
        return false;
    if (type == QEvent::ShortcutOverride) {
        // Keeps the key from any shortcut, so it arrives as a key press.
        event->accept();
        return true;
    }
    (*action)();
    return true;
}
