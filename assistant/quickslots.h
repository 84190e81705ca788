#pragma once
#include "configvalue.h"

#include <QList>

// The slots of the quick-launch and quick-folder panels and where config.ini
// keeps them.
namespace Teskarn::QuickSlots {
// Quick launch: slots 1 to 8. Quick folders: there is no slot 4 and no slot 8.
const QList<int>& launchSlots();
const QList<int>& folderSlots();

ConfigKey launchTarget(int slot); // [softN] soft
ConfigKey folderTarget(int slot); // [fileN] file
ConfigKey folderName(int slot);   // [nameN] name

// The row or slot number as the forms' messages spell it: 一 … 八.
QString ordinal(int number);

// SlotTarget1 … SlotTarget8, the quick-launch targets as last loaded.
QString& SlotTarget(int slot);
}
