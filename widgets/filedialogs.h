#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QFileDialog;
class QWidget;

// File and folder choices; tests queue the paths (an empty one is a cancel).
class FileDialogs {
public:
    // What a save dialog does when the chosen file exists.
    enum class Existing { Ask, Replace };

    static QString openFile(QWidget* parent, const QString& caption, const QString& dir = {}, const QString& filter = {});
    // The selected filter is one entry of the filter, shown chosen when the dialog opens.
    static QString saveFile(QWidget* parent, const QString& caption, const QString& dir = {}, const QString& filter = {},
                            const QString& selectedFilter = {}, Existing existing = Existing::Ask);
    static QString folder(QWidget* parent, const QString& caption, const QString& dir = {});
    // The dialog the three above show: Qt's own, in the program's language
    // and locale, its columns fitting the dates and types they show.
    static std::unique_ptr<QFileDialog> dialog(QWidget* parent, const QString& caption, const QString& dir,
                                               const QString& filter);

    static void setScripted(bool scripted);
    static void setNextAnswer(const QString& path);
    static int pendingAnswers();
    static QStringList captionsShown();
    static QStringList filtersShown();
    static QStringList selectedFiltersShown();
    static QStringList dirsShown();
    static void clear();
    static void setUnqueuedAction(std::function<void(const QString& caption)> action);
};
