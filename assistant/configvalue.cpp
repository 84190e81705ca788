#include "configvalue.h"
#include "inifile.h"

namespace Teskarn {
QString configFilePath() { return UserSettings::folder() + QStringLiteral("/config.ini"); }

QString ReadConfigValue(const QString& section, const QString& key) { return IniFile(configFilePath()).read(section, key); }

bool WriteConfigValue(const QString& section, const QString& key, const QString& value)
{
    return IniFile(configFilePath()).write(section, key, value);
}
}
