#pragma once
#include <QString>

// Hands a document, folder, program or web address to the desktop, as the
// shell's "open" does. Both programs open their targets through here.
namespace mdlShellExec {
// With splitAtBlank the text before the first blank is opened and the text
// after it goes to the program as its parameters; otherwise the whole text is
// opened. False when the target cannot be found or the desktop refuses it.
bool ShellOpen(const QString& command, bool splitAtBlank = false);
}
