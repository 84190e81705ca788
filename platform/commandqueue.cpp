#include "commandqueue.h"
#include "openboxes.h"

#include <QQueue>

namespace {
struct Pending {
    QString program;
    QStringList arguments;
    QPointer<const QObject> context;
    bool hasContext = false;
    CommandRunner::Done done;
};

struct QueueState {
    QQueue<Pending> waiting;
    bool running = false;
    int timeout = CommandQueue::defaultTimeout;
    // Bumped by a reset, so a result of a forgotten command is dropped.
    quint64 generation = 0;
};

QueueState& queue()
{
    static QueueState state;
    return state;
}

void startNext();

void deliver(const Pending& command, const CommandResult& result, quint64 generation)
{
    if (generation != queue().generation)
        return;
    queue().running = false;
    if (!command.hasContext || command.context)
        command.done(result);
    startNext();
}

void startNext()
{
    QueueState& state = queue();
    if (!state.running && !state.waiting.isEmpty()) {
        const Pending command = state.waiting.dequeue();
        state.running = true;
        const quint64 generation = state.generation;
        emit CommandQueue::instance().busyChanged(true);
        CommandRunner::instance().start(command.program, command.arguments, state.timeout,
                                        [command, generation](const CommandResult& result) {
                                            OpenBoxes::whenNoneOpen(
                                                [command, result, generation] { deliver(command, result, generation); });
                                        });
        return;
    }
    emit CommandQueue::instance().busyChanged(CommandQueue::busy());
}
}

CommandQueue& CommandQueue::instance()
{
    // Never deleted: results may still arrive while statics are torn down.
    static CommandQueue* single = new CommandQueue;
    return *single;
}

void CommandQueue::run(const QString& program, const QStringList& arguments, const QObject* context, CommandRunner::Done done)
{
    queue().waiting.enqueue({program, arguments, context, context != nullptr, std::move(done)});
    startNext();
}

bool CommandQueue::busy() { return queue().running || !queue().waiting.isEmpty(); }

void CommandQueue::setTimeout(int milliseconds) { queue().timeout = milliseconds; }

void CommandQueue::reset()
{
    const quint64 generation = queue().generation + 1;
    queue() = QueueState{};
    queue().generation = generation;
    emit instance().busyChanged(false);
}
