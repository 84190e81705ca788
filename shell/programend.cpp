#include "programend.h"
#include "appstate.h"
#include "environment.h"
#include "messagebox.h"

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

bool ProgramEnd::refusedWhileBusy(QWidget* parent)
{
    if (!appState().isBusy())
        return false;
    MessageBox::show(parent, QStringLiteral("正在恢复数据，请等待完成后再退出。"));
    return true;
}

void ProgramEnd::unloadEveryForm()
{
    if (refusedWhileBusy(nullptr))
        return;
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
