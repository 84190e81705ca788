#pragma once

class QTranslator;

// Qt's own texts (standard buttons, file dialogs, edit menus, calendars) in
// Chinese for the running application, whatever the system's language:
// Qt's catalogue, the texts it lacks from our own table, and the Chinese
// locale as Qt's default for dates, month names and numbers. The installed
// catalogue, owned by the application; null when it is missing and Qt's
// texts stay English.
namespace QtTranslation {
QTranslator* install();
}
