#pragma once
#include <QString>
#include <functional>
#include <optional>

// The machine's timed power-off, handed to logind through the shutdown
// command. logind keeps one pending shutdown: arming again replaces it, and
// a cancel touches only a power-off at the time this program armed.
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

// The failure's text, or nothing. Called later, on the GUI thread, once the
// commands have ended.
using Done = std::function<void(const std::optional<QString>& failure)>;

// Powers the machine off at the next occurrence of the time; on success the
// time is recorded as ours, for this run and the next ones.
void arm(Time time, const Done& done);

enum class Cancel {
    Cancelled,     // the shutdown command cancelled ours
    NotPending,    // logind holds no power-off at our time
    NothingOfOurs, // no time of ours is known: nothing was run
    Failed,
};
// Cancels the pending shutdown when it is a power-off at our time (recorded
// by an arm, else the one stored when the program started) within a day from
// now; any other pending shutdown stays. When logind's answer cannot be read,
// ours is cancelled on the strength of the record alone.
void cancelOurs(const std::function<void(Cancel outcome, const QString& failure)>& done);
}
