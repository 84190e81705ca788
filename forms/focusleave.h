#pragma once
// The focus moving within one form. Qt also reports a focus change when
// another window takes the activation (a message box), and the main window
// holds every child form, so a move into another child or the main window's
// own controls is no move within the form either: only moves whose new
// widget is in the watched widget's form are passed on. A watch ends with its object, never later:
// a form keeps it as a member, so it is gone before the form's widgets,
// which give up the focus while they are destroyed.
#include <QMetaObject>
#include <functional>

class QWidget;

// The form a widget stands in: its child window inside the main window, else its window.
const QWidget* formOf(const QWidget* widget);

class FocusMoves {
public:
    using Moved = std::function<void(QWidget* old, QWidget* now)>;

    FocusMoves(const QWidget* within, Moved moved);
    ~FocusMoves();
    FocusMoves(const FocusMoves&) = delete;
    FocusMoves& operator=(const FocusMoves&) = delete;

private:
    QMetaObject::Connection m_connection;
};

// Calls left() when the focus leaves the box for another widget of its
// form, as Tab or a click moves it.
class FocusLeave {
public:
    FocusLeave(const QWidget* box, const std::function<void()>& left);

private:
    FocusMoves m_moves;
};
