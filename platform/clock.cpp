#include "clock.h"

#include <QList>
#include <QPointer>
#include <algorithm>

namespace {
struct State {
    bool test = false;
    QDateTime now;
    QList<ClockTimer*> timers;
};

State& state()
{
    static State s;
    return s;
}

// The active timers in the order they fall due, as guarded pointers: a tick
// may delete or restart any timer.
QList<QPointer<ClockTimer>> activeTimers()
{
    QList<QPointer<ClockTimer>> list;
    for (ClockTimer* timer : state().timers) {
        if (timer->isActive())
            list << timer;
    }
    return list;
}
}

QDateTime Clock::now() { return state().test ? state().now : QDateTime::currentDateTime(); }

void Clock::useTestClock(const QDateTime& start)
{
    state().test = true;
    state().now = start;
}

void Clock::useRealClock() { state().test = false; }
bool Clock::isTestClock() { return state().test; }

void Clock::setNow(const QDateTime& moment)
{
    State& s = state();
    s.now = moment;
    for (const QPointer<ClockTimer>& timer : activeTimers()) {
        if (timer && timer->isActive() && timer->m_due <= moment)
            timer->fire();
    }
}

void Clock::advance(qint64 ms)
{
    State& s = state();
    const QDateTime target = s.now.addMSecs(ms);
    for (;;) {
        ClockTimer* next = nullptr;
        for (ClockTimer* timer : s.timers) {
            if (timer->isActive() && timer->m_due <= target && (!next || timer->m_due < next->m_due))
                next = timer;
        }
        if (!next)
            break;
        if (next->m_due > s.now)
            s.now = next->m_due;
        next->fire();
    }
    if (target > s.now)
        s.now = target;
}

ClockTimer::ClockTimer(QObject* parent)
    : QObject(parent)
{
    state().timers << this;
    connect(&m_real, &QTimer::timeout, this, [this] {
        if (m_singleShot)
            m_active = false;
        emit timeout();
    });
}

ClockTimer::~ClockTimer() { state().timers.removeOne(this); }

void ClockTimer::setInterval(int ms)
{
    m_interval = ms;
    m_real.setInterval(ms);
}

void ClockTimer::setSingleShot(bool singleShot)
{
    m_singleShot = singleShot;
    m_real.setSingleShot(singleShot);
}

void ClockTimer::start(int ms)
{
    setInterval(ms);
    start();
}

void ClockTimer::start()
{
    m_active = true;
    if (Clock::isTestClock()) {
        m_real.stop();
        m_due = Clock::now().addMSecs(std::max(m_interval, 1));
    } else {
        m_real.start();
    }
}

void ClockTimer::stop()
{
    m_active = false;
    m_real.stop();
}

void ClockTimer::fire()
{
    if (m_singleShot)
        m_active = false;
    else
        m_due = Clock::now().addMSecs(std::max(m_interval, 1));
    emit timeout();
}
