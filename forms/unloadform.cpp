#include "unloadform.h"

#include <QMdiSubWindow>
#include <QWidget>

namespace Module2 {

bool UnloadForm(QWidget* form)
{
    if (!form)
        return true;
    auto* subWindow = qobject_cast<QMdiSubWindow*>(form->parentWidget());
    if (subWindow && subWindow->widget() == form)
        return subWindow->close();
    return form->close();
}

}
