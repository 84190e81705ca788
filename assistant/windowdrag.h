#pragma once
#include <QPoint>
#include <optional>

class QMouseEvent;
class QWidget;

namespace Teskarn {
// Moves a frameless window with the mouse from a left press on it: the window
// system moves it when it can; without a window manager the window follows
// the mouse until the button is released.
class WindowDrag {
public:
    explicit WindowDrag(QWidget* window)
        : m_window(window)
    {
    }

    void press(QMouseEvent* event);
    void move(QMouseEvent* event);
    void release(QMouseEvent* event);

private:
    QWidget* m_window;
    // Where the mouse holds the window while it follows the mouse.
    std::optional<QPoint> m_offset;
};
}
