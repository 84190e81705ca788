#include "quickslots.h"
#include "teskarnstate.h"

namespace Teskarn::QuickSlots {
namespace {
ConfigKey slotKey(const char* name, int slot)
{
    const QString key = QString::fromLatin1(name);
    return {key + QString::number(slot), key};
}
}

const QList<int>& launchSlots()
{
    static const QList<int> numbers{1, 2, 3, 4, 5, 6, 7, 8};
    return numbers;
}

const QList<int>& folderSlots()
{
    static const QList<int> numbers{1, 2, 3, 5, 6, 7};
    return numbers;
}

ConfigKey launchTarget(int slot) { return slotKey("soft", slot); }
ConfigKey folderTarget(int slot) { return slotKey("file", slot); }
ConfigKey folderName(int slot) { return slotKey("name", slot); }

QString ordinal(int number)
{
    static const QString ordinals = QStringLiteral("一二三四五六七八");
    return ordinals.at(number - 1);
}

QString& SlotTarget(int slot) { return State::instance().SlotTarget.at(std::size_t(slot - 1)); }
}
