#include "bookswindows.h"
#include "formregistry.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

bool BooksWindows::anyOpen()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isHidden() && FormRegistry::isBooksWindow(window))
            return true;
        for (const QMdiArea* area : window->findChildren<QMdiArea*>()) {
            for (const QMdiSubWindow* child : area->subWindowList()) {
                const QWidget* form = child->widget();
                if (!child->isHidden() && !(form && form->objectName() == QLatin1String("frm_backup")))
                    return true;
            }
        }
    }
    return false;
}
