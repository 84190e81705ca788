#include "itemviews.h"

#include <QHeaderView>
#include <QStyle>
#include <QTreeView>

QList<QStringList> shownRows(const QAbstractItemView* view)
{
    QList<QStringList> rows;
    const QAbstractItemModel* model = view->model();
    for (int r = 0; r < model->rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < model->columnCount(); ++c)
            row << model->index(r, c).data().toString();
        rows << row;
    }
    return rows;
}

QStringList shownHeaders(const QAbstractItemView* view)
{
    QStringList headers;
    const QAbstractItemModel* model = view->model();
    for (int c = 0; c < model->columnCount(); ++c)
        headers << model->headerData(c, Qt::Horizontal).toString();
    return headers;
}

bool showsColumnWhole(const QTreeView* view, int column)
{
    const QHeaderView* header = view->header();
    const int headerMargin = view->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const int cellMargin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    const QAbstractItemModel* model = view->model();
    const QString caption = model->headerData(column, Qt::Horizontal).toString();
    if (view->columnWidth(column) < header->fontMetrics().horizontalAdvance(caption) + 2 * headerMargin)
        return false;
    for (int r = 0; r < model->rowCount(); ++r) {
        if (view->columnWidth(column)
            < view->fontMetrics().horizontalAdvance(model->index(r, column).data().toString()) + 2 * cellMargin)
            return false;
    }
    return true;
}
