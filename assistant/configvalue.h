#pragma once
#include <QString>

namespace Teskarn {
// The assistant's settings file: config.ini in its per-user settings folder.
QString configFilePath();

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
    bool write(const QString& value) const { return WriteConfigValue(section, key, value); }
};
}
