#include "mdlini.h"
#include "appstate.h"
#include "inifile.h"
#include "settingsnotice.h"

namespace {
IniFile settingsFile()
{
    QString path = AppState::instance().appPath;
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return IniFile(path + QStringLiteral("config.ini"));
}
}

namespace mdlINI {
QString ReadIni(const QString& section, const QString& key) { return settingsFile().read(section, key); }

bool WriteIni(const QString& section, const QString& key, const QString& value)
{
    return saveSettingsOrTell(settingsFile(), {{{section, key, value}, {}}});
}
}
