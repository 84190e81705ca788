#include "programend.h"
#include "environment.h"

#include <QApplication>
#include <QPointer>
#include <QScopedValueRollback>
#include <QWidget>

namespace {
bool& unloadingFlag()
{
    static bool flag = false;
    return flag;
}
}

void ProgramEnd::unloadEveryForm()
{
    QScopedValueRollback<bool> guard(unloadingFlag(), true);
    QList<QPointer<QWidget>> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
        windows.append(widget);
    for (const QPointer<QWidget>& window : windows) {
        if (window)
            window->close();
    }
    EndRequest::request();
}

bool ProgramEnd::unloading() { return unloadingFlag(); }
