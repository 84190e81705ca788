#pragma once
#include <QString>

// Where the program keeps the shop's files and where its delivered files lie.
namespace Paths {
// $VARNHOLT_HOME when set, else $XDG_DATA_HOME/Varnholt (~/.local/share/Varnholt).
QString appPath();
// The per-user settings root: $XDG_CONFIG_HOME, else ~/.config.
QString configHome();
// The delivered files beside the program: <program folder>/../share/varnholt.
QString deliveredDir();
void setDeliveredDir(const QString& dir);
// A delivered file the shop may replace with its own copy in appPath.
QString deliveredFile(const QString& appPath, const QString& name);

// Creates appPath (owner only) and copies in each named file of sourceDir that
// appPath lacks; a file already there is never replaced. A failure gives the
// system's reason in *reason.
bool prepareAppPath(const QString& appPath, const QString& sourceDir, const QStringList& names, QString* reason = nullptr);
// Copies a file without replacing the target; the copy is readable by its owner only.
bool copyOwnerOnly(const QString& source, const QString& target, QString* reason = nullptr);
}
