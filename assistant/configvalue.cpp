#include "configvalue.h"
#include "inifile.h"

namespace Teskarn {
QString configFilePath() { return UserSettings::folder() + QStringLiteral("/config.ini"); }

namespace {
// The old program wrote this file in the system's code page.
IniFile configFile() { return IniFile(configFilePath(), IniFile::Encoding::Utf8OrGbk); }
}

QString ReadConfigValue(const QString& section, const QString& key) { return configFile().read(section, key); }

bool WriteConfigValue(const QString& section, const QString& key, const QString& value)
{
    return configFile().write(section, key, value);
}
}
