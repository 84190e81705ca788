#pragma once
#include "formregistry.h"

#include <QList>
#include <QString>
#include <functional>

class MDIF_main;
class QWidget;

// What one menu item or toolbar button of the main window does.
struct DispatchRow {
    const char* item;              // objectName of the action
    void (*open)(MDIF_main& main); // null while its form is not built: the item does nothing
    bool closesChildren = true;    // every item but the exit button closes the child windows first
};

namespace Dispatch {
// The one table: every menu item and toolbar button of the main window.
const QList<DispatchRow>& rows();
// Connects each row to the action of that name in the main window.
void wire(MDIF_main& main);
// Runs a row as a click on its item does.
void run(MDIF_main& main, const DispatchRow& row);

// A form shown once at a time: the open one is shown and raised, otherwise
// create makes it and it is registered under name as a window of that kind.
QWidget* showOnce(const QString& name, const std::function<QWidget*()>& create, FormRegistry::Kind kind);
}
