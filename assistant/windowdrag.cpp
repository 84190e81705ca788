#include "windowdrag.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace Teskarn {
void WindowDrag::press(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    QWindow* window = m_window->windowHandle();
    if (window && window->startSystemMove())
        return;
    m_offset = event->globalPosition().toPoint() - m_window->pos();
}

void WindowDrag::move(QMouseEvent* event)
{
    if (m_offset)
        m_window->move(event->globalPosition().toPoint() - *m_offset);
}

void WindowDrag::release(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_offset.reset();
}
}
