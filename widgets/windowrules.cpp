#include "windowrules.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace DialogRules {
void CenterForm(QWidget* form)
{
    if (!form || !form->isWindow())
        return;
    // Before the first show the size is still the one the show would give.
    if (!form->testAttribute(Qt::WA_Resized))
        form->adjustSize();
    QScreen* screen = form->screen() ? form->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The form shows whole: never larger than the room the screen leaves,
    // and moved into that room where the centre would put an edge outside.
    const QRect room = screen->availableGeometry();
    const QSize frame = form->frameGeometry().size() - form->size();
    form->resize(form->size().boundedTo(room.size() - frame));
    const QRect area = screen->geometry();
    const QSize size = form->frameGeometry().size();
    const auto within = [](int at, int low, int high) { return std::max(low, std::min(at, high)); };
    form->move(within(area.x() + (area.width() - size.width()) / 2, room.left(), room.right() + 1 - size.width()),
               within(area.y() + (area.height() - size.height()) / 2, room.top(), room.bottom() + 1 - size.height()));
}

void SetTopmost(QWidget* form, bool on)
{
    if (!form || !form->isWindow())
        return;
    QWindow* window = form->windowHandle();
    if (form->isVisible() && window) {
        // Changing the widget's flags would hide the window and end its exec():
        // tell the window system only, and keep the widget's record in step.
        form->overrideWindowFlags(form->windowFlags().setFlag(Qt::WindowStaysOnTopHint, on));
        window->setFlag(Qt::WindowStaysOnTopHint, on);
        if (on)
            window->raise();
    } else {
        form->setWindowFlag(Qt::WindowStaysOnTopHint, on);
    }
}
}
