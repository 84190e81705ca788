#pragma once
#include "desktop.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

class QAction;

// Driving the assistant as a user does: its start, its menu and the commands it ran.
namespace TeskarnDriver {
// Stores [section] name = value in the assistant's config.ini.
void storeShutdown(const QString& hour, const QString& minute, const QString& daily);

// Pops the menu TP up with a right press on the bar's grip PictureM; the
// menu's entry of that name, or null when the menu did not show.
QAction* menuEntry(const QString& name);
// Pops the menu up and clicks the entry; false when it is not there to click.
bool chooseFromMenu(const QString& name);
// Whether the menu offers the entry now.
bool offered(const QString& name);
// The menu shows the shutdown armed (QXGJ, not GJ), or not armed (GJ, not QXGJ).
bool armedShown();
bool disarmedShown();

// Ends the running assistant through its menu's 退出程序 and starts it again,
// as a new process: without the old run's commands.
bool restart();

// Each command run so far as its program and arguments, joined by blanks.
QStringList commandsRun();

// The whole file; empty when there is none.
QByteArray fileBytes(const QString& path);

// That time on the day of the test clock's start.
QDateTime today(int hour, int minute);

// The answer of logind's property query for a pending shutdown.
CommandResult pendingShutdown(const QString& kind, const QDateTime& moment);
}
