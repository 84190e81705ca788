#pragma once
#include "inifile.h"

#include <QString>

namespace Teskarn {
// The assistant's settings file: config.ini in its per-user settings folder.
QString configFilePath();
// The file as the old program may have left it: GBK or UTF-8.
IniFile configFile();

// The value of the key without its outer blanks; "" when the file, the
// section or the key is missing or the file cannot be read.
QString ReadConfigValue(const QString& section, const QString& key);
// Stores the value exactly as given; false when the file cannot be written.
bool WriteConfigValue(const QString& section, const QString& key, const QString& value);

// One setting of the file: its section and key.
struct ConfigKey {
    QString section;
    QString key;
    QString read() const { return ReadConfigValue(section, key); }
    IniFile::Entry entry(const QString& value) const { return {section, key, value}; }
};
}
