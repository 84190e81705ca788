#include "windowrules.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

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
    const QRect area = screen->geometry();
    const QSize size = form->frameGeometry().size();
    form->move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
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
