#pragma once
// Reading any item view (list, tree or grid) as the user sees it.
#include <QAbstractItemView>
#include <QList>
#include <QStringList>

class QTreeView;

// The texts of the view's rows, row by row, as shown.
QList<QStringList> shownRows(const QAbstractItemView* view);
// The column headers, as shown.
QStringList shownHeaders(const QAbstractItemView* view);
// Whether a column shows its header and every cell whole, in the view's font
// with the margins its style keeps.
bool showsColumnWhole(const QTreeView* view, int column);
