#include "startup.h"
#include "appstate.h"
#include "dbsession.h"
#include "paths.h"

#include <QDir>
#include <sys/stat.h>

namespace {
const QString databaseName = QStringLiteral("db_kcgl.mdb");

// Why the file cannot serve as the shop's books, or "" when it can. An empty
// file or another program's database would otherwise surface later as a
// missing table; a file the engine cannot read at all is left to the login
// form, which reports the engine's error.
QString refusalOf(const QString& path)
{
    const DbResult<Rows> tables = Database::read([](DbSession& s) {
        return s.query(QStringLiteral("select name from sqlite_master where type = 'table' and name = 'tb_enter'"));
    });
    if (!tables || tables->count() == 1)
        return {};
    return path + QStringLiteral(" 不是本店的数据库。");
}
}

StartupOutcome prepareVarnholt()
{
    ::umask(077);
    AppState& app = appState();
    app.appPath = Paths::appPath();
    QString reason;
    if (!Paths::prepareAppPath(app.appPath, Paths::deliveredDir(), {databaseName}, &reason))
        return {QStringLiteral("无法复制数据库到文件夹：") + QDir::toNativeSeparators(app.appPath) + QLatin1Char('\n') + reason};
    return {refusalOf(QDir::toNativeSeparators(app.appPath + QLatin1Char('/') + databaseName))};
}
