#pragma once
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// File and folder choices; tests queue the paths (an empty one is a cancel).
class FileDialogs {
public:
    static QString openFile(QWidget* parent, const QString& caption, const QString& dir = {},
                            const QString& filter = {});
    static QString saveFile(QWidget* parent, const QString& caption, const QString& dir = {},
                            const QString& filter = {});
    static QString folder(QWidget* parent, const QString& caption, const QString& dir = {});

    static void setScripted(bool scripted);
    static void setNextAnswer(const QString& path);
    static int pendingAnswers();
    static QStringList captionsShown();
    static QStringList filtersShown();
    static void clear();
    static void setUnqueuedAction(std::function<void(const QString& caption)> action);
};
