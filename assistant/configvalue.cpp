#include "configvalue.h"

namespace Teskarn {
QString configFilePath() { return UserSettings::folder() + QStringLiteral("/config.ini"); }

IniFile configFile() { return IniFile(configFilePath(), IniFile::Encoding::Utf8OrGbk); }

QString ReadConfigValue(const QString& section, const QString& key) { return configFile().read(section, key); }

bool WriteConfigValue(const QString& section, const QString& key, const QString& value)
{
    return configFile().write(section, key, value);
}
}
