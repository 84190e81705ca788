#pragma once
#include <QDateTime>
#include <QString>

// Where the dated copies of the books go and what they are called.
namespace BackupFiles {
// ~/Morvane数据备份; the tray creates it, the backup never does.
QString folder();
// "2024-03-05-0905.mdb": the date, a hyphen, hour and minute.
QString fileName(const QDateTime& moment);
QString pathFor(const QDateTime& moment);
}
