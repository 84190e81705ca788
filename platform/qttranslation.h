#pragma once

class QTranslator;

// Qt's own texts (standard buttons, file dialogs, edit menus) in Chinese for
// the running application. The installed translator, owned by the
// application; null when the translation is missing and the texts stay English.
namespace QtTranslation {
QTranslator* install();
}
