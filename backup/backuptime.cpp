#include "backuptime.h"
#include "appstate.h"
#include "inifile.h"
#include "module2.h"
#include "settingsnotice.h"

#include <cmath>

namespace {
const QString application = QStringLiteral("database");
const QString section = QStringLiteral("time");
const QString hourKey = QStringLiteral("hour");
const QString minuteKey = QStringLiteral("minute");

// A text whose number has a fraction never equals an hour or a minute of the clock.
int timePart(const QString& text)
{
    const double value = Module2::Val(text);
    return value == std::trunc(value) && std::abs(value) < 1e6 ? int(value) : -1;
}
}

BackupTime::Texts BackupTime::stored()
{
    return {UserSettings::get(application, section, hourKey), UserSettings::get(application, section, minuteKey)};
}

BackupTime::Texts BackupTime::storedOrDefault()
{
    Texts time = stored();
    if (time.hour.isEmpty())
        time.hour = QStringLiteral("16");
    if (time.minute.isEmpty())
        time.minute = QStringLiteral("55");
    return time;
}

bool BackupTime::store(const Texts& time)
{
    // Captions of the boxes, as the label beside them reads.
    return saveSettingsOrTell(IniFile(UserSettings::filePath(application)),
                              {{{section, hourKey, time.hour}, QStringLiteral("时")},
                               {{section, minuteKey, time.minute}, QStringLiteral("分")}});
}

void BackupTime::arm(BackupTrigger& trigger, const Texts& time)
{
    trigger.hour = timePart(time.hour);
    trigger.minute = timePart(time.minute);
    trigger.armed = true;
}

bool BackupTime::isDue(const BackupTrigger& trigger, const QTime& now)
{
    return trigger.armed && now.hour() == trigger.hour && now.minute() == trigger.minute;
}
