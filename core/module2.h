#pragma once
#include "numbertext.h"

#include <QString>

class QWidget;

// Form unloading and pinyin initials shared by every form; the number texts
// come from numbertext.h.
namespace Module2 {

// The search-code letter of one character by its GBK code: "A" to "Z", "0"
// below the first boundary, an ASCII letter upper-cased, any other one-byte
// or unencodable character given back.
QString GetPYInitial(const QString& character);

// Closes a form, running its own close handling; an MDI child takes its
// sub-window with it. False when the form refused to close.
bool UnloadForm(QWidget* form);

}
