#include "filedialogs.h"

#include <QFileDialog>
#include <QQueue>

namespace {
struct Shown {
    QString caption;
    QString dir;
    QString filter;
    QString selectedFilter;
};

struct State {
    bool scripted = false;
    QQueue<QString> answers;
    QList<Shown> shown;
    std::function<void(const QString&)> unqueued;
};

State& state()
{
    static State s;
    return s;
}

QStringList shownField(QString Shown::*field)
{
    QStringList values;
    for (const Shown& shown : state().shown)
        values << shown.*field;
    return values;
}

template <typename Ask>
QString answer(const Shown& shown, Ask ask)
{
    State& s = state();
    s.shown << shown;
    if (!s.scripted)
        return ask();
    if (!s.answers.isEmpty())
        return s.answers.dequeue();
    if (s.unqueued)
        s.unqueued(shown.caption);
    return {};
}
}

QString FileDialogs::openFile(QWidget* parent, const QString& caption, const QString& dir, const QString& filter)
{
    return answer({caption, dir, filter, {}}, [&] { return QFileDialog::getOpenFileName(parent, caption, dir, filter); });
}

QString FileDialogs::saveFile(QWidget* parent, const QString& caption, const QString& dir, const QString& filter,
                              const QString& selectedFilter, Existing existing)
{
    return answer({caption, dir, filter, selectedFilter}, [&] {
        QString selected = selectedFilter;
        const QFileDialog::Options options = existing == Existing::Replace ? QFileDialog::DontConfirmOverwrite
                                                                           : QFileDialog::Options();
        return QFileDialog::getSaveFileName(parent, caption, dir, filter, &selected, options);
    });
}

QString FileDialogs::folder(QWidget* parent, const QString& caption, const QString& dir)
{
    return answer({caption, dir, {}, {}}, [&] { return QFileDialog::getExistingDirectory(parent, caption, dir); });
}

void FileDialogs::setScripted(bool scripted) { state().scripted = scripted; }
void FileDialogs::setNextAnswer(const QString& path) { state().answers.enqueue(path); }
int FileDialogs::pendingAnswers() { return int(state().answers.size()); }
QStringList FileDialogs::captionsShown() { return shownField(&Shown::caption); }
QStringList FileDialogs::filtersShown() { return shownField(&Shown::filter); }
QStringList FileDialogs::selectedFiltersShown() { return shownField(&Shown::selectedFilter); }
QStringList FileDialogs::dirsShown() { return shownField(&Shown::dir); }

void FileDialogs::clear()
{
    state().answers.clear();
    state().shown.clear();
}

void FileDialogs::setUnqueuedAction(std::function<void(const QString&)> action) { state().unqueued = std::move(action); }
