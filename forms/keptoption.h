#pragma once
// A search option kept in config.ini: one section per option button, one key
// holding "True" or "False".
#include <QStringList>

// The last of the options whose section reads "True", -1 when none does, so
// a setting without one leaves the option as it is and the search a column.
int KeptOption(const QStringList& sections, const QString& key);
