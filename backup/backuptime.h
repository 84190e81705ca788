#pragma once
#include <QString>
#include <QTime>

struct BackupTrigger;

// The daily backup time as the user left it in the time boxes, kept in the
// per-user settings ("database" / "time" / "hour", "minute").
namespace BackupTime {
struct Texts {
    QString hour;
    QString minute;
};

// As stored; a missing value is "".
Texts stored();
// As stored, with 16 and 55 for a missing hour or minute.
Texts storedOrDefault();
// Both in one rewrite or neither; a refused or failed save tells the user
// and gives false.
bool store(const Texts& time);

// Sets the trigger to the numeric values of the texts (their leading number,
// 0 when there is none) and arms it for this run.
void arm(BackupTrigger& trigger, const Texts& time);
// Whether an armed trigger's hour and minute are those of the moment.
bool isDue(const BackupTrigger& trigger, const QTime& now);
}
