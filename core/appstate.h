#pragma once
#include "programstate.h"
#include "recordscondition.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

// When the tray starts the timed backup: the hour and minute it waits for and
// whether it still waits in this run.
struct BackupTrigger {
    int hour = 16;
    int minute = 55;
    bool armed = false;
};

// The process-wide state of the shop program; tests reset it between cases.
class AppState {
public:
    static AppState& instance();

    QString appPath;
    QString currentOperator;
    QString slipMode;
    // Which boxes of the sales slip the customer picker fills: the
    // introducer's when true, else the customer's; kept from one opening to the next.
    bool bMod3 = false;
    BackupTrigger backupTrigger;
    // The lock is the shared ProgramState's.
    std::unique_ptr<InstanceLock>& instanceLock = ProgramState::instance().instanceLock;
    QPointer<QObject> trayForm;
    // The network restore under way; it outlives the backup window that started it.
    QPointer<QObject> restoreInFlight;
    // The last query of each records window, by its name and mode.
    QHash<QString, RecordsCondition> recordsConditions;
    // An upgrade, a restore or a compaction under way (see BooksBusy).
    int booksBusy = 0;
    bool isBusy() const { return booksBusy > 0; }

    bool isAdministrator() const;
    QString databasePath() const;

    void reset();
};

inline AppState& appState() { return AppState::instance(); }

// Marks the books busy while it lives: nothing else may start on them
// meanwhile (the timed backup, closing the program).
class BooksBusy {
public:
    BooksBusy() { ++appState().booksBusy; }
    ~BooksBusy() { --appState().booksBusy; }
    BooksBusy(const BooksBusy&) = delete;
    BooksBusy& operator=(const BooksBusy&) = delete;
};
