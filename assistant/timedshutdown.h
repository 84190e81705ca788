#pragma once
#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>

// The machine's timed power-off, handed to logind through the shutdown
// command. logind keeps one pending shutdown: arming again replaces it, and
// a cancel touches only a power-off this program armed.
namespace Teskarn::TimedShutdown {
struct Time {
    int hour = 0;
    int minute = 0;
    // "HH:MM", as the shutdown command takes it.
    QString text() const;
    bool operator==(const Time&) const = default;
};

// The time of two boxes: an hour 0-23 and a minute 0-59, one or two digits
// each (full-width ones too), blanks around them aside; nothing for any other
// text.
std::optional<Time> parse(const QString& hour, const QString& minute);

struct ArmResult {
    std::optional<QString> failure;
    // Failed, yet the power-off may be pending: it is recorded as ours.
    bool maybePending = false;
};
// Powers the machine off at the next occurrence of the time. The moment
// armed is kept in memory and recorded for the next runs, also when the
// command ran past its timeout, as a password asked late may still set it.
// Called later, on the GUI
// thread, once the command has ended.
void arm(Time time, const std::function<void(const ArmResult&)>& done);

enum class Cancel {
    Cancelled,     // the shutdown command cancelled ours
    NotPending,    // no power-off of ours is pending
    NothingOfOurs, // no time of ours is known, or, logind's answer unreadable, none armed that has not passed
    Failed,
};
struct CancelResult {
    Cancel outcome = Cancel::Failed;
    QString failure;
    // After a failure: our power-off that may still be pending.
    std::optional<QDateTime> maybePending;
};
// Cancels the pending shutdown when it is ours: logind reports a power-off at
// our time (as armed in this run or recorded, else as stored when the program
// started) within a day from now. When logind's answer cannot be read, ours
// is cancelled when this run or the record knows of one that has not passed.
// After a failure the user is to learn what may still be pending.
void cancelOurs(const std::function<void(const CancelResult&)>& done);
}
