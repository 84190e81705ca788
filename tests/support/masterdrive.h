#pragma once
// Driving the master lists and editors as a user does.
#include "dbsession.h"
#include "driving.h"
#include "itemviews.h"
#include "typing.h"

#include <QApplication>
#include <QTest>
#include <QTreeView>

inline int selectedRow(const QTreeView* view)
{
    const QModelIndexList rows = view->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

// The rows a statement reads from the database, each value as its text
// (numbers plainly, NULL as nullText).
inline QList<QStringList> storedTexts(const QString& sql, const QString& nullText = {})
{
    QList<QStringList> texts;
    auto conn = Mod1::OpenConn();
    auto rows = conn ? conn->query(sql) : DbResult<Rows>(conn.error());
    if (!rows) {
        QTest::qFail(qPrintable(rows.error().text()), __FILE__, __LINE__);
        return texts;
    }
    for (int r = 0; r < rows->count(); ++r) {
        QStringList row;
        for (int c = 0; c < rows->columns().size(); ++c)
            row << (rows->value(r, c).isNull() ? nullText : rows->text(r, rows->columns()[c]));
        texts << row;
    }
    return texts;
}

// Shows a form at the given size and makes it the active window, as a user
// opening it finds it.
template <typename Form>
Form* showActive(int width, int height)
{
    auto* form = new Form;
    form->resize(width, height);
    form->show();
    QApplication::setActiveWindow(form);
    if (QApplication::activeWindow() != form)
        QTest::qFail("the form did not become active", __FILE__, __LINE__);
    return form;
}

// Adds a row giving columns[i] the value values[i], or missing where values
// run short.
inline void insertRow(const QString& table, const QStringList& columns, const QVariantList& values, const QVariant& missing = {})
{
    auto conn = Mod1::OpenConn();
    ColumnValues row;
    for (int i = 0; i < columns.size(); ++i)
        row.append({columns[i], i < values.size() ? values[i] : missing});
    auto added = conn ? conn->insert(table, row) : DbResult<int>(conn.error());
    if (!added)
        QTest::qFail(qPrintable(added.error().text()), __FILE__, __LINE__);
}
