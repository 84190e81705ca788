#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <memory>

// Hands files, folders and web addresses to the desktop, and starts programs.
// Until main() installs the real opener, every request is only recorded.
class DesktopOpener {
public:
    struct Request {
        QString target;        // a URL, a file or a program
        QStringList arguments; // only for a program started with parameters
    };

    virtual ~DesktopOpener() = default;
    virtual bool openUrl(const QUrl& url) = 0;
    virtual bool startProgram(const QString& program, const QStringList& arguments) = 0;

    static DesktopOpener& instance();
    static void install(std::unique_ptr<DesktopOpener> opener);
    static void installReal();
    static void installRecorder();
    static const QList<Request>& recorded();
};

struct CommandResult {
    bool started = false;
    int exitCode = -1;
    QString output;
    QString errorOutput;
    // Ended at its timeout: what it was doing may have taken effect.
    bool timedOut = false;
    bool ok() const { return started && exitCode == 0; }
    // What went wrong, for the user: the command's own error text, else its
    // exit code, or that it could not be started.
    QString failureText() const;
};

// Starts a command without waiting for it (CommandQueue runs them one at a
// time). Until main() installs the real runner, commands are recorded and
// answered at once from a queue (success when empty).
class CommandRunner {
public:
    struct Request {
        QString program;
        QStringList arguments;
    };
    using Done = std::function<void(const CommandResult&)>;

    virtual ~CommandRunner() = default;
    // Calls done once with the result. A command still running after the
    // timeout is killed and fails, as does one that crashed.
    virtual void start(const QString& program, const QStringList& arguments, int timeoutMilliseconds, Done done) = 0;

    static CommandRunner& instance();
    static void install(std::unique_ptr<CommandRunner> runner);
    static void installReal();
    static void installRecorder();
    static const QList<Request>& recorded();
    static void setNextResult(const CommandResult& result);
};
