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
// Powers the machine off at the next occurrence of the time. The moment is
// kept in memory and recorded for the next runs before the command runs, as
// possibly pending (a failure to record does not stop the arm); a refusal
// takes the record back to what it was, while a command past its timeout
// keeps it, as a password asked late may still set the time. done is called
// later, on the GUI thread, once the command has ended.
void arm(Time time, const std::function<void(const ArmResult&)>& done);
// Whether a power-off this program armed, in this run or an earlier one,
// may still be pending.
bool mayBePending();

enum class Cancel {
    Cancelled,     // the shutdown command cancelled ours
    NotPending,    // no shutdown is pending
    Another,       // a shutdown is pending that this program did not set
    NothingOfOurs, // no time of ours is known, or, logind's answer unreadable, none armed that has not passed
    Failed,
};
struct CancelResult {
    Cancel outcome = Cancel::Failed;
    QString failure;
    // Failed: when our power-off may still come; Another: when that one comes.
    std::optional<QDateTime> moment;
};
// Cancels the pending shutdown when it is ours: logind reports a power-off at
// our time (as armed in this run or recorded, else as stored when the program
// started) within a day from now; when logind holds none of ours the record
// is cleared. When logind's answer cannot be read, ours is cancelled when
// this run or the record knows of one that has not passed.
// After a failure the user is to learn what may still be pending.
void cancelOurs(const std::function<void(const CancelResult&)>& done);
}
