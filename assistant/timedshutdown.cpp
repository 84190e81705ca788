#include "timedshutdown.h"
#include "clock.h"
#include "desktop.h"
#include "teskarnstate.h"

#include <QDateTime>
#include <QRegularExpression>

namespace Teskarn::TimedShutdown {
namespace {
const QString shutdownCommand = QStringLiteral("shutdown");

std::optional<int> clockPart(const QString& text, int highest)
{
    const QString part = text.trimmed();
    if (part.isEmpty() || part.size() > 2)
        return std::nullopt;
    int value = 0;
    for (const QChar c : part) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
    }
    return value <= highest ? std::optional(value) : std::nullopt;
}

// logind's pending shutdown: its kind ("poweroff", "" for none) and its moment.
struct Pending {
    QString kind;
    QDateTime moment;
};

// The answer of the property query: `(st) "poweroff" <µs since the epoch>`.
std::optional<Pending> parsePending(const QString& answer)
{
    static const QRegularExpression pattern(QStringLiteral("^\\(st\\)\\s+\"([a-z-]*)\"\\s+(\\d+)$"));
    const QRegularExpressionMatch match = pattern.match(answer.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    bool ok = false;
    const qulonglong micro = match.captured(2).toULongLong(&ok);
    if (!ok)
        return std::nullopt;
    return Pending{match.captured(1), QDateTime::fromMSecsSinceEpoch(qint64(micro / 1000))};
}

std::optional<Time> ourTime()
{
    const State& state = State::instance();
    if (state.shutdownArmedAt)
        return state.shutdownArmedAt;
    return parse(state.ShutdownHour, state.ShutdownMinute);
}

// `shutdown -P HH:MM` sets the next occurrence of that minute, to the second.
bool isOurs(const Pending& pending, Time time, const QDateTime& now)
{
    const QTime at = pending.moment.time();
    return pending.kind == QLatin1String("poweroff") && at.hour() == time.hour && at.minute() == time.minute && at.second() == 0
           && at.msec() == 0 && pending.moment > now && pending.moment <= now.addDays(1);
}
}

QString Time::text() const
{
    return QStringLiteral("%1:%2").arg(hour, 2, 10, QLatin1Char('0')).arg(minute, 2, 10, QLatin1Char('0'));
}

std::optional<Time> parse(const QString& hour, const QString& minute)
{
    const std::optional<int> h = clockPart(hour, 23);
    const std::optional<int> m = clockPart(minute, 59);
    if (!h || !m)
        return std::nullopt;
    return Time{*h, *m};
}

std::optional<QString> arm(Time time)
{
    const CommandResult result = CommandRunner::instance().run(shutdownCommand, {QStringLiteral("-P"), time.text()});
    if (!result.ok())
        return result.failureText();
    State::instance().shutdownArmedAt = time;
    return std::nullopt;
}

std::optional<QString> cancelOurs()
{
    const CommandResult query = CommandRunner::instance().run(
        QStringLiteral("busctl"),
        {QStringLiteral("get-property"), QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
         QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("ScheduledShutdown")});
    if (!query.ok())
        return query.failureText();
    const std::optional<Pending> pending = parsePending(query.output);
    if (!pending)
        return QStringLiteral("无法读取计划的关机：") + query.output.trimmed();
    const std::optional<Time> ours = ourTime();
    if (!ours || !isOurs(*pending, *ours, Clock::now()))
        return std::nullopt;
    const CommandResult cancel = CommandRunner::instance().run(shutdownCommand, {QStringLiteral("-c")});
    if (!cancel.ok())
        return cancel.failureText();
    return std::nullopt;
}
}
