#pragma once
#include "appstate.h"
#include "backupfiles.h"
#include "clock.h"
#include "dbsession.h"
#include "filesync.h"
#include "frm_backup.h"
#include "frm_backup2.h"
#include "testfiles.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <sqlite3.h>

// What the backup tests share: the window opened by an operator, its
// controls by name, the backup folder, the files and rows to compare.
namespace BackupWorld {
inline frm_backup* openWindow(const QString& operatorName = QStringLiteral("管理员"))
{
    appState().currentOperator = operatorName;
    return frm_backup::showOnce();
}

template <typename T>
T* control(QWidget* form, const char* name)
{
    return form ? form->findChild<T*>(QLatin1String(name)) : nullptr;
}

inline void click(QWidget* form, const char* name)
{
    if (auto* button = control<QPushButton>(form, name))
        QTest::mouseClick(button, Qt::LeftButton);
    else
        QTest::qFail(QByteArray("no button ").append(name).constData(), __FILE__, __LINE__);
}

// Lets closed windows go, as the event loop would.
inline void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

inline QString makeBackupFolder()
{
    QDir().mkpath(BackupFiles::folder());
    return BackupFiles::folder();
}

inline QStringList backupFiles() { return QDir(BackupFiles::folder()).entryList(QDir::Files, QDir::Name); }

using TestFiles::bytesOf;

inline bool exec(const QString& sql, const QVariantList& params = {})
{
    auto conn = Mod1::OpenConn();
    return conn && conn->exec(sql, params);
}

inline QList<QVariantList> rowsOf(const QString& sql, const QVariantList& params = {})
{
    auto conn = Mod1::OpenConn();
    if (!conn)
        return {};
    auto rows = conn->query(sql, params);
    return rows ? rows->data() : QList<QVariantList>{};
}

// The names of the goods categories, by number.
inline QStringList categories()
{
    QStringList names;
    for (const QVariantList& row : rowsOf(QStringLiteral("select 名称 from 商品类别 order by 编号")))
        names << row.value(0).toString();
    return names;
}

// Leaves at journal the hot journal of another book, as a kill in the middle
// of a transaction leaves it: its pages would be rolled into whatever file
// bears the journal's name.
inline bool leaveHotJournal(const QString& otherBook, const QString& journal)
{
    sqlite3* db = nullptr;
    // A small cache spills the changed pages to the file, so the journal is
    // written and synced before the transaction ends.
    const bool written = sqlite3_open(QFile::encodeName(otherBook).constData(), &db) == SQLITE_OK
                         && sqlite3_exec(db,
                                         "PRAGMA cache_size = 10; CREATE TABLE notes (text BLOB);"
                                         "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 999) "
                                         "INSERT INTO notes SELECT randomblob(500) FROM n;"
                                         "BEGIN; UPDATE notes SET text = randomblob(500);",
                                         nullptr, nullptr, nullptr)
                                == SQLITE_OK;
    const bool copied = written && QFile::copy(otherBook + QStringLiteral("-journal"), journal);
    sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return copied;
}

// The leftovers of an interrupted restore or compaction beside the books:
// the work file, a hot journal of another book, and WAL files.
inline bool leaveWorkFiles(const QString& work, const QString& otherBook)
{
    for (const QString& name : {work, work + QStringLiteral("-wal"), work + QStringLiteral("-shm")}) {
        QFile file(name);
        if (!file.open(QIODevice::WriteOnly) || file.write("left by an earlier attempt") < 0)
            return false;
    }
    return leaveHotJournal(otherBook, work + QStringLiteral("-journal"));
}

inline bool anyWorkFileLeft(const QString& work)
{
    for (const char* suffix : {"", "-journal", "-wal", "-shm"}) {
        if (QFile::exists(work + QLatin1String(suffix)))
            return true;
    }
    return false;
}

// The syncs asked for while it lives, each as "<kind> <path> <what probe
// said at that moment>".
class SyncLog {
public:
    explicit SyncLog(const std::function<QString()>& probe)
    {
        FileSync::setObserver([this, probe](const QString& kind, const QString& path) {
            m_calls << kind + QLatin1Char(' ') + path + QLatin1Char(' ') + probe();
        });
    }
    ~SyncLog() { FileSync::setObserver({}); }
    SyncLog(const SyncLog&) = delete;
    SyncLog& operator=(const SyncLog&) = delete;

    QStringList calls() const { return m_calls; }

private:
    QStringList m_calls;
};

// Stands in for the tray's once-a-second check of the timed backup.
inline std::unique_ptr<ClockTimer> trayCheck()
{
    auto tray = std::make_unique<ClockTimer>();
    QObject::connect(tray.get(), &ClockTimer::timeout, [] { frm_backup2::openWhenDue(nullptr); });
    tray->start(1000);
    return tray;
}

// Runs an action that may open the countdown. Each countdown it opens is
// handed to onOpen from inside its exec(); one left open is then cancelled,
// so no test blocks. Gives how many opened.
inline int countdownsOpenedBy(const std::function<void()>& action, const std::function<void(frm_backup2*)>& onOpen = {})
{
    int opened = 0;
    QTimer watcher;
    watcher.setInterval(0);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        auto* countdown = qobject_cast<frm_backup2*>(QApplication::activeModalWidget());
        if (!countdown || countdown->property("seen").toBool())
            return;
        countdown->setProperty("seen", true);
        ++opened;
        QPointer<frm_backup2> guard(countdown);
        if (onOpen)
            onOpen(countdown);
        if (guard && guard->isVisible())
            guard->reject();
    });
    watcher.start();
    action();
    return opened;
}
}
