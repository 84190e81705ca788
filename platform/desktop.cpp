#include "desktop.h"
#include "commandqueue.h"

#include <QDesktopServices>
#include <QProcess>
#include <QQueue>
#include <QStandardPaths>
#include <QTimer>
#include <memory>

namespace {
class RealOpener : public DesktopOpener {
public:
    bool openUrl(const QUrl& url) override { return QDesktopServices::openUrl(url); }
    bool startProgram(const QString& program, const QStringList& arguments) override
    {
        return QProcess::startDetached(program, arguments);
    }
};

QList<DesktopOpener::Request>& openerLog()
{
    static QList<DesktopOpener::Request> log;
    return log;
}

class RecordingOpener : public DesktopOpener {
public:
    bool openUrl(const QUrl& url) override
    {
        openerLog().append({url.isLocalFile() ? url.toLocalFile() : url.toString(), {}});
        return true;
    }
    bool startProgram(const QString& program, const QStringList& arguments) override
    {
        openerLog().append({program, arguments});
        return true;
    }
};

std::unique_ptr<DesktopOpener>& currentOpener()
{
    static std::unique_ptr<DesktopOpener> opener = std::make_unique<RecordingOpener>();
    return opener;
}

QString timeoutText(const QString& program, int milliseconds)
{
    const QString span = milliseconds % 1000 == 0 ? QStringLiteral("%1 秒").arg(milliseconds / 1000)
                                                  : QStringLiteral("%1 毫秒").arg(milliseconds);
    return QStringLiteral("命令 %1 在 %2内没有结束，已终止").arg(program, span);
}

class RealRunner : public CommandRunner {
public:
    void start(const QString& program, const QStringList& arguments, int timeoutMilliseconds, Done done) override
    {
        // Owned by nobody: a replaced runner leaves a running command to end
        // by its timer.
        auto* process = new QProcess;
        auto* timer = new QTimer(process);
        timer->setSingleShot(true);
        auto timedOut = std::make_shared<bool>(false);
        QObject::connect(timer, &QTimer::timeout, process, [process, timedOut] {
            *timedOut = true;
            process->kill();
        });
        QObject::connect(process, &QProcess::errorOccurred, process, [process, done, program](QProcess::ProcessError error) {
            if (error != QProcess::FailedToStart)
                return;
            CommandResult result;
            result.errorOutput = QStandardPaths::findExecutable(program).isEmpty()
                                     ? QStringLiteral("找不到命令 %1").arg(program)
                                     : QStringLiteral("无法启动命令 %1：%2").arg(program, process->errorString());
            process->deleteLater();
            done(result);
        });
        QObject::connect(process, &QProcess::finished, process,
                         [process, done, timedOut, program, timeoutMilliseconds](int exitCode, QProcess::ExitStatus status) {
                             const bool normal = status == QProcess::NormalExit && !*timedOut;
                             CommandResult result{true, normal ? exitCode : -1,
                                                  QString::fromLocal8Bit(process->readAllStandardOutput()),
                                                  QString::fromLocal8Bit(process->readAllStandardError())};
                             result.timedOut = *timedOut;
                             if (*timedOut)
                                 result.errorOutput = timeoutText(program, timeoutMilliseconds);
                             else if (!normal && result.errorOutput.trimmed().isEmpty())
                                 result.errorOutput = QStringLiteral("命令 %1 异常结束").arg(program);
                             process->deleteLater();
                             done(result);
                         });
        timer->start(timeoutMilliseconds);
        process->start(program, arguments);
    }
};

struct RunnerLog {
    QList<CommandRunner::Request> requests;
    QQueue<CommandResult> results;
};

RunnerLog& runnerLog()
{
    static RunnerLog log;
    return log;
}

class RecordingRunner : public CommandRunner {
public:
    void start(const QString& program, const QStringList& arguments, int, Done done) override
    {
        runnerLog().requests.append({program, arguments});
        done(runnerLog().results.isEmpty() ? CommandResult{true, 0, {}, {}} : runnerLog().results.dequeue());
    }
};

std::unique_ptr<CommandRunner>& currentRunner()
{
    static std::unique_ptr<CommandRunner> runner = std::make_unique<RecordingRunner>();
    return runner;
}
}

QString CommandResult::failureText() const
{
    QString own = errorOutput.trimmed();
    if (!own.isEmpty())
        return own;
    return started ? QStringLiteral("退出代码 %1").arg(exitCode) : QStringLiteral("无法启动命令");
}

DesktopOpener& DesktopOpener::instance() { return *currentOpener(); }
void DesktopOpener::install(std::unique_ptr<DesktopOpener> opener) { currentOpener() = std::move(opener); }
void DesktopOpener::installReal() { install(std::make_unique<RealOpener>()); }

void DesktopOpener::installRecorder()
{
    openerLog().clear();
    install(std::make_unique<RecordingOpener>());
}

const QList<DesktopOpener::Request>& DesktopOpener::recorded() { return openerLog(); }

CommandRunner& CommandRunner::instance() { return *currentRunner(); }
void CommandRunner::install(std::unique_ptr<CommandRunner> runner)
{
    CommandQueue::reset();
    currentRunner() = std::move(runner);
}
void CommandRunner::installReal() { install(std::make_unique<RealRunner>()); }

void CommandRunner::installRecorder()
{
    runnerLog() = {};
    install(std::make_unique<RecordingRunner>());
}

const QList<CommandRunner::Request>& CommandRunner::recorded() { return runnerLog().requests; }
void CommandRunner::setNextResult(const CommandResult& result) { runnerLog().results.enqueue(result); }
