#pragma once
#include <QDateTime>
#include <QObject>
#include <QTimer>

// The time of day every form reads, and the timers that follow it. In tests
// the clock is set by hand and drives the timers, so no test waits.
class Clock {
public:
    static QDateTime now();

    static void useTestClock(const QDateTime& start);
    static void useRealClock();
    static bool isTestClock();
    // Jumps to a moment: each due periodic timer fires once, as after a stall.
    static void setNow(const QDateTime& moment);
    // Steps forward: due ticks fire in time order; may be re-entered from a
    // nested event loop that a tick opened.
    static void advance(qint64 ms);
};

class ClockTimer : public QObject {
    Q_OBJECT
public:
    explicit ClockTimer(QObject* parent = nullptr);
    ~ClockTimer() override;

    void setInterval(int ms);
    int interval() const { return m_interval; }
    void setSingleShot(bool singleShot);
    bool isSingleShot() const { return m_singleShot; }
    void start();
    void start(int ms);
    void stop();
    bool isActive() const { return m_active; }

signals:
    void timeout();

private:
    friend class Clock;
    void fire();

    QTimer m_real;
    int m_interval = 0;
    bool m_singleShot = false;
    bool m_active = false;
    QDateTime m_due;
};
