#include "bookupgrade.h"
#include "longwork.h"
#include "messagebox.h"
#include "schemaupgrade.h"

#include <optional>

namespace {
DbStatus upgradeSession(DbSession& session)
{
    const BooksBusy busy;
    // Shown once a step starts: a book already current opens without it.
    std::optional<LongWork> work;
    return SchemaUpgrade::upgrade(session, [&work](int step, int count) {
        if (!work)
            work.emplace(QStringLiteral("正在升级数据库，请稍候……"), QStringLiteral("数据库升级"));
        work->progress(step, count);
    });
}
}

DbStatus BookUpgrade::upgradeFile(const QString& path)
{
    auto session = Database::openFile(path);
    if (!session)
        return session.error();
    return upgradeSession(*session);
}

bool BookUpgrade::run(QWidget* parent)
{
    DbStatus upgraded;
    {
        auto session = Database::open();
        if (!session)
            return true;
        upgraded = upgradeSession(*session);
    }
    if (upgraded)
        return true;
    MessageBox::show(parent, SchemaUpgrade::failureText(upgraded.error()));
    return false;
}
