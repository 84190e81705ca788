#pragma once
#include <QString>

// Hands a document, folder, program or web address to the desktop, as the
// shell's "open" does. Both programs open their targets through here.
namespace mdlShellExec {
// What the desktop would be handed for a whole text.
struct Target {
    enum class Kind {
        None,     // nothing the desktop can open
        Address,  // a web address (a scheme, or "www."): location is the URL
        Document, // an existing file or folder: location is its absolute path
        Program,  // an executable file, or a program on the search path: its absolute path
    };
    Kind kind = Kind::None;
    QString location;
};
Target Locate(const QString& target);

// With splitAtBlank the text before the first blank is opened and the text
// after it goes to the program as its parameters; otherwise the whole text is
// opened. False when the target cannot be found or the desktop refuses it.
bool ShellOpen(const QString& command, bool splitAtBlank = false);
}
