#include "desktop.h"

#include <QDesktopServices>
#include <QProcess>
#include <QQueue>

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

class RealRunner : public CommandRunner {
public:
    CommandResult run(const QString& program, const QStringList& arguments) override
    {
        QProcess process;
        process.start(program, arguments);
        CommandResult result;
        result.started = process.waitForStarted(10000);
        if (!result.started) {
            result.errorOutput = process.errorString();
            return result;
        }
        process.waitForFinished(60000);
        result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        result.output = QString::fromLocal8Bit(process.readAllStandardOutput());
        result.errorOutput = QString::fromLocal8Bit(process.readAllStandardError());
        return result;
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
    CommandResult run(const QString& program, const QStringList& arguments) override
    {
        runnerLog().requests.append({program, arguments});
        if (!runnerLog().results.isEmpty())
            return runnerLog().results.dequeue();
        return CommandResult{true, 0, {}, {}};
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
void CommandRunner::install(std::unique_ptr<CommandRunner> runner) { currentRunner() = std::move(runner); }
void CommandRunner::installReal() { install(std::make_unique<RealRunner>()); }

void CommandRunner::installRecorder()
{
    runnerLog() = {};
    install(std::make_unique<RecordingRunner>());
}

const QList<CommandRunner::Request>& CommandRunner::recorded() { return runnerLog().requests; }
void CommandRunner::setNextResult(const CommandResult& result) { runnerLog().results.enqueue(result); }
