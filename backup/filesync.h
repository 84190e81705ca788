#pragma once
#include "dbresult.h"

#include <QString>
#include <functional>

// Forcing what was written to disk. A file that takes another's name by a
// rename survives a power cut only when its bytes were synced before the
// rename and its folder, which holds the name, after it.
namespace FileSync {
DbStatus file(const QString& path);
DbStatus folder(const QString& path);

// Tests see each sync as it is asked for: "file" or "folder", and the path.
using Observer = std::function<void(const QString& kind, const QString& path)>;
void setObserver(Observer observer);
}
