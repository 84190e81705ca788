#pragma once
#include "dbsession.h"

#include <QString>

// The two search codes of a name, one letter per character of it.
struct SearchCodes {
    QString pinyin;
    QString wubi;
};

// Pinyin initials through Module2::GetPYInitial; wubi initials from the first
// letter of the character's sysdepe code, upper case; a character without a
// sysdepe row stands for itself. The name is taken whole, blanks included.
DbResult<SearchCodes> MakeSearchCodes(DbSession& session, const QString& name);
