#include "focusleave.h"

#include <QApplication>
#include <QWidget>

FocusMoves::FocusMoves(const QWidget* within, Moved moved)
    : m_connection(QObject::connect(qApp, &QApplication::focusChanged, within,
                                    [within, moved = std::move(moved)](QWidget* old, QWidget* now) {
                                        if (now && now->window() == within->window())
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
