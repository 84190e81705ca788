#pragma once

class QWidget;

// Module2's form unloading, which needs the widgets the rest of it does not.
namespace Module2 {

// Closes a form, running its own close handling; an MDI child takes its
// sub-window with it. False when the form refused to close.
bool UnloadForm(QWidget* form);

}
