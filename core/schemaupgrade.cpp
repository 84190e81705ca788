#include "schemaupgrade.h"
#include "dbreason.h"
#include "schemasteps.h"

#include <sqlite3.h>

namespace {
constexpr SchemaUpgrade::Step allSteps[] = {
    {.reaches = 1, .run = SchemaSteps::indexesOfVersion1},
    {.reaches = 2, .run = SchemaSteps::salesTotals},
};

constexpr bool numberedInOrder()
{
    for (int i = 0; i < int(std::size(allSteps)); ++i) {
        if (allSteps[i].reaches != i + 1)
            return false;
    }
    return true;
}
static_assert(numberedInOrder(), "step i must take the book from version i to i + 1");

DbResult<int> versionOf(DbSession& session)
{
    auto read = session.query(QStringLiteral("PRAGMA user_version"));
    if (!read)
        return read.error();
    return read->data().constFirst().constFirst().toInt();
}

// A file that is not a sound database holds no book to upgrade; whoever
// reads it next tells why.
bool isNoBook(const DbError& error)
{
    const int primary = error.code & 0xff;
    return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT;
}

// Calls progress back while a statement runs, between the engine's steps.
class ProgressTicks {
public:
    ProgressTicks(sqlite3* db, const SchemaUpgrade::Progress& progress)
        : m_db(db)
        , m_progress(progress)
    {
        if (m_progress)
            sqlite3_progress_handler(m_db, ticksApart, &ProgressTicks::tick, this);
    }
    ~ProgressTicks()
    {
        if (m_progress)
            sqlite3_progress_handler(m_db, 0, nullptr, nullptr);
    }
    ProgressTicks(const ProgressTicks&) = delete;
    ProgressTicks& operator=(const ProgressTicks&) = delete;

    void start(int step, int count)
    {
        m_step = step;
        m_count = count;
        if (m_progress)
            m_progress(step, count);
    }

private:
    // Engine instructions between two calls: some milliseconds of work.
    static constexpr int ticksApart = 100000;
    static int tick(void* self)
    {
        const auto* ticks = static_cast<ProgressTicks*>(self);
        ticks->m_progress(ticks->m_step, ticks->m_count);
        return 0;
    }

    sqlite3* m_db;
    const SchemaUpgrade::Progress& m_progress;
    int m_step = 0;
    int m_count = 0;
};
}

std::span<const SchemaUpgrade::Step> SchemaUpgrade::steps() { return allSteps; }

int SchemaUpgrade::currentVersion() { return allSteps[std::size(allSteps) - 1].reaches; }

DbStatus SchemaUpgrade::upgrade(DbSession& session, const Progress& progress)
{
    const auto version = versionOf(session);
    if (!version && isNoBook(version.error()))
        return {};
    if (!version)
        return version.error();
    if (*version == currentVersion())
        return {};
    ProgressTicks ticks(session.handle(), progress);
    return session.transaction([&ticks](DbSession& locked) -> DbStatus {
        // Read again under the lock: another copy may have upgraded meanwhile.
        const auto from = versionOf(locked);
        if (!from)
            return from.error();
        if (*from > currentVersion() || *from < 0)
            return DbError{SQLITE_ERROR,
                           QStringLiteral("数据库版本为 %1，本程序只认识到版本 %2").arg(*from).arg(currentVersion())};
        for (int version = *from; version < currentVersion(); ++version) {
            ticks.start(version - *from, currentVersion() - *from);
            if (DbStatus done = steps()[version].run(locked); !done)
                return done;
        }
        return locked.exec(QStringLiteral("PRAGMA user_version = ") + QString::number(currentVersion())).status();
    });
}

QString SchemaUpgrade::failureText(const DbError& error) { return QStringLiteral("数据库升级失败：") + DbReason::explain(error); }
