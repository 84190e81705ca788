#include "filedialogs.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QQueue>
#include <QStyle>
#include <QTreeView>

#include <algorithm>

namespace {
constexpr int sizeColumn = 1;
constexpr int typeColumn = 2;
constexpr int dateColumn = 3;

// Qt's file model writes sizes and dates in the system's locale; the dialogs
// show them in the program's, as every other figure and date.
class LocalFigures : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override
    {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (!files || role != Qt::DisplayRole)
            return QIdentityProxyModel::data(index, role);
        const QModelIndex file = mapToSource(index);
        if (index.column() == dateColumn)
            return QLocale().toString(files->lastModified(file), QLocale::ShortFormat);
        if (index.column() == sizeColumn && !files->isDir(file))
            return QLocale().formattedDataSize(files->size(file));
        return QIdentityProxyModel::data(index, role);
    }
};

// The size, type and date columns fit what they show, so no date is cut.
void fitColumns(QFileDialog* dialog)
{
    auto* view = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
    if (!view)
        return;
    const QString widestDate = QLocale().toString(QDateTime(QDate(2088, 12, 28), QTime(23, 58)), QLocale::ShortFormat);
    const int dateWidth = view->fontMetrics().horizontalAdvance(widestDate)
                          + 2 * view->style()->pixelMetric(QStyle::PM_HeaderMargin);
    for (int column : {sizeColumn, typeColumn, dateColumn})
        view->resizeColumnToContents(column);
    view->header()->resizeSection(dateColumn, std::max(view->header()->sectionSize(dateColumn), dateWidth));
}
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

std::unique_ptr<QFileDialog> FileDialogs::dialog(QWidget* parent, const QString& caption, const QString& dir,
                                                 const QString& filter)
{
    auto dialog = std::make_unique<QFileDialog>(parent, caption, dir, filter);
    // Qt's own dialog speaks the program's language; a desktop's may not.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setProxyModel(new LocalFigures(dialog.get()));
    if (auto* files = dialog->findChild<QFileSystemModel*>())
        QObject::connect(files, &QFileSystemModel::directoryLoaded, dialog.get(), [d = dialog.get()] { fitColumns(d); });
    return dialog;
}

namespace {
QString chosen(QFileDialog& dialog)
{
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().first() : QString();
}
}

QString FileDialogs::openFile(QWidget* parent, const QString& caption, const QString& dir, const QString& filter)
{
    return answer({caption, dir, filter, {}}, [&] {
        const auto open = dialog(parent, caption, dir, filter);
        open->setFileMode(QFileDialog::ExistingFile);
        return chosen(*open);
    });
}

QString FileDialogs::saveFile(QWidget* parent, const QString& caption, const QString& dir, const QString& filter,
                              const QString& selectedFilter, Existing existing)
{
    return answer({caption, dir, filter, selectedFilter}, [&] {
        const auto save = dialog(parent, caption, dir, filter);
        save->setAcceptMode(QFileDialog::AcceptSave);
        save->setOption(QFileDialog::DontConfirmOverwrite, existing == Existing::Replace);
        if (!selectedFilter.isEmpty())
            save->selectNameFilter(selectedFilter);
        return chosen(*save);
    });
}

QString FileDialogs::folder(QWidget* parent, const QString& caption, const QString& dir)
{
    return answer({caption, dir, {}, {}}, [&] {
        const auto choose = dialog(parent, caption, dir, {});
        choose->setFileMode(QFileDialog::Directory);
        choose->setOption(QFileDialog::ShowDirsOnly);
        return chosen(*choose);
    });
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
