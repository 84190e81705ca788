#include "timedshutdown.h"
#include "clock.h"
#include "commandqueue.h"
#include "decimaltext.h"
#include "inifile.h"
#include "teskarnstate.h"

#include <QRegularExpression>

namespace Teskarn::TimedShutdown {
namespace {
const QString shutdownCommand = QStringLiteral("shutdown");
// The record of what we armed, in a file of its own beside config.ini.
const QString recordFile = QStringLiteral("timedshutdown");
const QString recordSection = QStringLiteral("armed");
const QString momentKey = QStringLiteral("at");

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

// `shutdown -P HH:MM` sets the next occurrence of that minute.
QDateTime nextOccurrence(Time time, const QDateTime& now)
{
    const QDateTime today(now.date(), QTime(time.hour, time.minute));
    return today > now ? today : today.addDays(1);
}

// In memory as well as in the file, which may not be writable.
void remember(const QDateTime& armed)
{
    State::instance().ShutdownArmed = armed;
    UserSettings::save(recordFile, recordSection, momentKey, armed.isValid() ? armed.toString(Qt::ISODate) : QString());
}

// The moment we armed, as this run knows it, else as recorded.
std::optional<QDateTime> recorded()
{
    if (const QDateTime& armed = State::instance().ShutdownArmed; armed.isValid())
        return armed;
    const QDateTime moment = QDateTime::fromString(UserSettings::get(recordFile, recordSection, momentKey), Qt::ISODate);
    return moment.isValid() ? std::optional(moment) : std::nullopt;
}

// Our time: as armed or recorded, else as the settings held it at start.
std::optional<Time> ourTime()
{
    if (const std::optional<QDateTime> armed = recorded())
        return Time{armed->time().hour(), armed->time().minute()};
    const State& state = State::instance();
    return parse(state.ShutdownHour, state.ShutdownMinute);
}

bool isOurs(const Pending& pending, Time time, const QDateTime& now)
{
    const QTime at = pending.moment.time();
    return pending.kind == QLatin1String("poweroff") && at.hour() == time.hour && at.minute() == time.minute && at.second() == 0
           && at.msec() == 0 && pending.moment > now && pending.moment <= now.addDays(1);
}

// Why logind's answer tells nothing, or nothing when it can be read.
std::optional<QString> unreadable(const CommandResult& query)
{
    if (!query.ok())
        return query.failureText();
    if (parsePending(query.output))
        return std::nullopt;
    if (query.output.trimmed().isEmpty())
        return QStringLiteral("busctl 没有回答计划的关机");
    return QStringLiteral("无法读取计划的关机：") + query.output.trimmed().left(200);
}

void cancelPending(const QString& why, const std::optional<QDateTime>& moment,
                   const std::function<void(const CancelResult&)>& done)
{
    CommandQueue::run(shutdownCommand, {QStringLiteral("-c")}, nullptr, [why, moment, done](const CommandResult& cancel) {
        if (!cancel.ok()) {
            const QString failure = why.isEmpty() ? cancel.failureText()
                                                  : why + QStringLiteral("；shutdown -c：") + cancel.failureText();
            return done({Cancel::Failed, failure, moment});
        }
        remember({});
        done({Cancel::Cancelled, {}, {}});
    });
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

void arm(Time time, const std::function<void(const ArmResult&)>& done)
{
    const QDateTime moment = nextOccurrence(time, Clock::now());
    const QDateTime before = recorded().value_or(QDateTime());
    // Recorded before the command runs: a quit while it runs (a password
    // asked late may still set the time) leaves the record to cancel by.
    remember(moment);
    CommandQueue::run(shutdownCommand, {QStringLiteral("-P"), time.text()}, nullptr, [before, done](const CommandResult& result) {
        if (result.ok())
            return done({});
        // Refused: logind keeps what it held, an earlier arm of ours or none.
        if (!result.timedOut)
            remember(before);
        done({result.failureText(), result.timedOut});
    });
}

bool mayBePending()
{
    const std::optional<QDateTime> armed = recorded();
    return armed && *armed > Clock::now();
}

void cancelOurs(const std::function<void(const CancelResult&)>& done)
{
    const std::optional<Time> ours = ourTime();
    if (!ours)
        return done({Cancel::NothingOfOurs, {}, {}});
    CommandQueue::run(QStringLiteral("busctl"),
                      {QStringLiteral("get-property"), QStringLiteral("org.freedesktop.login1"),
                       QStringLiteral("/org/freedesktop/login1"), QStringLiteral("org.freedesktop.login1.Manager"),
                       QStringLiteral("ScheduledShutdown")},
                      nullptr, [ours, done](const CommandResult& query) {
                          const QDateTime now = Clock::now();
                          if (const std::optional<QString> why = unreadable(query)) {
                              // Without logind's word, only what we know we armed is cancelled.
                              const std::optional<QDateTime> armed = recorded();
                              if (!armed || *armed <= now) {
                                  if (armed)
                                      remember({});
                                  return done({Cancel::NothingOfOurs, {}, {}});
                              }
                              return cancelPending(*why, *armed, done);
                          }
                          const Pending pending = *parsePending(query.output);
                          if (isOurs(pending, *ours, now))
                              return cancelPending({}, pending.moment, done);
                          // Ours is not pending: what remains, if anything, is another's.
                          remember({});
                          if (pending.kind.isEmpty())
                              return done({Cancel::NotPending, {}, {}});
                          done({Cancel::Another, {}, pending.moment});
                      });
}
}
