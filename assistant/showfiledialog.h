#pragma once
#include <QString>
#include <QStringList>

class QWidget;

namespace Teskarn::Module2 {
// The entries of a filter as Qt writes them: "所有文件(*.*)|*.*" gives
// "所有文件(*.*) (*)". A "*.*" pattern means every file, with or without a dot.
QStringList qtFileFilters(const QString& filter);

// The open or save dialog. The filter is pairs of a display text and its
// patterns, each followed by "|" ("所有文件(*.*)|*.*"). The chosen path, or ""
// when the dialog was cancelled; a file name longer than 260 characters shows
// "Filename Length Overflow" instead and gives "".
QString ShowFileDialog(QWidget* owner, bool save, const QString& title, const QString& filter, const QString& fileName = {},
                       const QString& defaultExtension = {}, const QString& initialFolder = {});
}
