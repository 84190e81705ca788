#include "focusleave.h"

#include <QApplication>
#include <QMdiSubWindow>
#include <QWidget>

const QWidget* formOf(const QWidget* widget)
{
    const QWidget* form = widget;
    while (form && !form->isWindow() && !qobject_cast<const QMdiSubWindow*>(form))
        form = form->parentWidget();
    return form;
}

FocusMoves::FocusMoves(const QWidget* within, Moved moved)
    : m_connection(QObject::connect(qApp, &QApplication::focusChanged, within,
                                    [within, moved = std::move(moved)](QWidget* old, QWidget* now) {
                                        if (now && formOf(now) == formOf(within))
                                            moved(old, now);
                                    }))
{
}

FocusMoves::~FocusMoves() { QObject::disconnect(m_connection); }

FocusLeave::FocusLeave(const QWidget* box, const std::function<void()>& left)
    : m_moves(box, [box, left](QWidget* old, QWidget*) {
        if (old == box)
            left();
    })
{
}
