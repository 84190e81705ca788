#pragma once
#include "numbertext.h"

#include <QString>

// Pinyin initials shared by every form; the number texts come from
// numbertext.h, form unloading from forms' unloadform.h.
namespace Module2 {

// The search-code letter of one character by its GBK code: "A" to "Z", "0"
// below the first boundary, an ASCII letter upper-cased, any other one-byte
// or unencodable character given back.
QString GetPYInitial(const QString& character);

}
