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
// (its fractional advance, as the delegate elides) with the margins its style keeps.
bool showsColumnWhole(const QTreeView* view, int column);
// The text a view paints in a cell, as its delegate draws it (elided or not).
QString paintedText(QAbstractItemView* view, const QModelIndex& index);
// The tool tip a view shows over a cell, "" when none.
QString toolTipOver(QAbstractItemView* view, const QModelIndex& index);
