#pragma once
#include <QString>

// The shop's settings file, config.ini in AppPath: the filter modes of the
// list and slip forms.
namespace mdlINI {
// The value, or "" when the file, the section or the key is missing.
QString ReadIni(const QString& section, const QString& key);
// Creates the file, section and key as needed; a failed write leaves the file
// as it was and tells the user.
bool WriteIni(const QString& section, const QString& key, const QString& value);
}
