#include "itemviews.h"

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
