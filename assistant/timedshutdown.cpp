#include "timedshutdown.h"
#include "clock.h"
#include "commandqueue.h"
#include "decimaltext.h"
#include "inifile.h"
#include "teskarnstate.h"

#include <QDateTime>
#include <QRegularExpression>

namespace Teskarn::TimedShutdown {
namespace {
const QString shutdownCommand = QStringLiteral("shutdown");
// The record of the time we armed, in a file of its own beside config.ini.
const QString recordFile = QStringLiteral("timedshutdown");
const QString recordSection = QStringLiteral("armed");
const QString recordKey = QStringLiteral("time");

std::optional<int> clockPart(const QString& text, int highest)
{
    const QString part = DecimalText::foldFullWidth(text).trimmed();
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

void record(const std::optional<Time>& time)
{
    UserSettings::save(recordFile, recordSection, recordKey, time ? time->text() : QString());
}

std::optional<Time> ourTime()
{
    const QStringList recorded = UserSettings::get(recordFile, recordSection, recordKey).split(QLatin1Char(':'));
    if (recorded.size() == 2) {
        if (const std::optional<Time> time = parse(recorded[0], recorded[1]))
            return time;
    }
    const State& state = State::instance();
    return parse(state.ShutdownHour, state.ShutdownMinute);
}

void cancelByRecord(const std::function<void(Cancel, const QString&)>& done)
{
    CommandQueue::run(shutdownCommand, {QStringLiteral("-c")}, nullptr, [done](const CommandResult& cancel) {
        if (!cancel.ok())
            return done(Cancel::Failed, cancel.failureText());
        record(std::nullopt);
        done(Cancel::Cancelled, {});
    });
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

void arm(Time time, const Done& done)
{
    CommandQueue::run(shutdownCommand, {QStringLiteral("-P"), time.text()}, nullptr, [time, done](const CommandResult& result) {
        if (!result.ok())
            return done(result.failureText());
        record(time);
        done(std::nullopt);
    });
}

void cancelOurs(const std::function<void(Cancel outcome, const QString& failure)>& done)
{
    const std::optional<Time> ours = ourTime();
    if (!ours)
        return done(Cancel::NothingOfOurs, {});
    CommandQueue::run(QStringLiteral("busctl"),
                      {QStringLiteral("get-property"), QStringLiteral("org.freedesktop.login1"),
                       QStringLiteral("/org/freedesktop/login1"), QStringLiteral("org.freedesktop.login1.Manager"),
                       QStringLiteral("ScheduledShutdown")},
                      nullptr, [ours, done](const CommandResult& query) {
                          // Without a readable answer the pending shutdown may not be ours: leave it alone.
                          if (!query.ok())
                              return done(Cancel::Failed, query.failureText());
                          const std::optional<Pending> pending = parsePending(query.output);
                          if (!pending)
                              return done(Cancel::Failed, QStringLiteral("无法读取计划的关机：") + query.output.trimmed());
                          if (!isOurs(*pending, *ours, Clock::now()))
                              return done(Cancel::NotPending, {});
                          cancelByRecord(done);
                      });
}
}
