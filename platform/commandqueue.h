#pragma once
#include "desktop.h"

#include <QObject>
#include <QPointer>

// The system commands of a program, one at a time, none of them blocking the
// GUI thread. A result is handed over once no message box is open, and only
// while the object that asked still exists.
class CommandQueue : public QObject {
    Q_OBJECT
public:
    static constexpr int defaultTimeout = 60000;

    static CommandQueue& instance();
    // Runs the command after those queued before it.
    static void run(const QString& program, const QStringList& arguments, const QObject* context, CommandRunner::Done done);
    // A command is waiting, running or its result not yet handed over.
    static bool busy();
    static void setTimeout(int milliseconds);
    // Forgets every command and the timeout; a result still to come is dropped.
    static void reset();

signals:
    void busyChanged(bool busy);

private:
    CommandQueue() = default;
};
