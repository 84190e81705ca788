#include "filedialogs.h"

#include <QFileDialog>
#include <QQueue>

namespace {
struct State {
    bool scripted = false;
    QQueue<QString> answers;
    QStringList captions;
    QStringList filters;
    std::function<void(const QString&)> unqueued;
};

State& state()
{
    static State s;
    return s;
}

template <typename Ask>
QString answer(const QString& caption, const QString& filter, Ask ask)
{
    State& s = state();
    s.captions << caption;
    s.filters << filter;
    if (!s.scripted)
        return ask();
    if (!s.answers.isEmpty())
        return s.answers.dequeue();
    if (s.unqueued)
        s.unqueued(caption);
    return {};
}
}

QString FileDialogs::openFile(QWidget* parent, const QString& caption, const QString& dir, const QString& filter)
{
    return answer(caption, filter, [&] { return QFileDialog::getOpenFileName(parent, caption, dir, filter); });
}

QString FileDialogs::saveFile(QWidget* parent, const QString& caption, const QString& dir, const QString& filter)
{
    return answer(caption, filter, [&] { return QFileDialog::getSaveFileName(parent, caption, dir, filter); });
}

QString FileDialogs::folder(QWidget* parent, const QString& caption, const QString& dir)
{
    return answer(caption, {}, [&] { return QFileDialog::getExistingDirectory(parent, caption, dir); });
}

void FileDialogs::setScripted(bool scripted) { state().scripted = scripted; }
void FileDialogs::setNextAnswer(const QString& path) { state().answers.enqueue(path); }
int FileDialogs::pendingAnswers() { return int(state().answers.size()); }
QStringList FileDialogs::captionsShown() { return state().captions; }
QStringList FileDialogs::filtersShown() { return state().filters; }

void FileDialogs::clear()
{
    state().answers.clear();
    state().captions.clear();
    state().filters.clear();
}

void FileDialogs::setUnqueuedAction(std::function<void(const QString&)> action)
{
    state().unqueued = std::move(action);
}
