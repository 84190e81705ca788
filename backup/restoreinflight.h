#pragma once
#include <QObject>
#include <QString>

// The network restore under way. It is held by the application state, not by
// a window: a backup window opened while it runs shows its progress and
// offers no second restore. One at a time; it ends when destroyed.
class RestoreInFlight : public QObject {
    Q_OBJECT
public:
    RestoreInFlight();
    ~RestoreInFlight() override;
    RestoreInFlight(const RestoreInFlight&) = delete;
    RestoreInFlight& operator=(const RestoreInFlight&) = delete;

    // The restore under way, or null.
    static RestoreInFlight* current();

    QString progress() const { return m_progress; }
    void setProgress(const QString& text);

signals:
    void progressed(const QString& text);
    void ended();

private:
    QString m_progress;
};
