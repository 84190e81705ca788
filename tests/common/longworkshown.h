#pragma once
#include "appstate.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QWidget>

// What the window of long work shown now tells, "" when none is shown. The
// window belongs to no form, and while it shows the cursor is busy and so are
// the books; otherwise the answer says what is missing.
inline QString longWorkShown()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() != QLatin1String("LongWorkProgress") || !window->isVisible())
            continue;
        const QCursor* cursor = QApplication::overrideCursor();
        if (window->parentWidget() || !cursor || cursor->shape() != Qt::WaitCursor || !appState().isBusy())
            return QStringLiteral("(not alone, no busy cursor or books not busy)");
        const auto* doing = window->findChild<QLabel*>(QStringLiteral("doing"));
        return doing ? doing->text() : QString();
    }
    return {};
}
