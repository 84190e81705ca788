#pragma once
#include "inifile.h"

// Saves a setting the user just changed. When it cannot be saved the file
// stays as it was and the user is told which file and why.
bool saveSettingOrTell(const IniFile& file, const QString& section, const QString& key, const QString& value);
