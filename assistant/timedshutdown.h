#pragma once
#include <QString>
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
// each, blanks around them aside; nothing for any other text.
std::optional<Time> parse(const QString& hour, const QString& minute);

// Powers the machine off at the next occurrence of the time; on success the
// time is this run's. The failure's text, or nothing.
std::optional<QString> arm(Time time);

// Cancels the pending shutdown when it is a power-off at our time (this run's,
// else the one stored when the program started) within a day from now; any
// other pending shutdown stays. The failure's text, or nothing.
std::optional<QString> cancelOurs();
}
