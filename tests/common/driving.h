#pragma once
// Driving forms as a user does: modal dialogs, controls found by name, rows clicked.
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <functional>

// Acts on the modal dialog that the next click opens, from inside its exec().
// A dialog the action leaves open is rejected afterwards, so a failed check
// never blocks the test.
inline void whenModal(std::function<void(QDialog*)> act)
{
    QTimer::singleShot(0, [act = std::move(act)] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            QTest::qFail("no modal dialog is open", __FILE__, __LINE__);
            return;
        }
        // Offscreen, a window shown over an active one is not activated by itself.
        QApplication::setActiveWindow(dialog);
        if (QApplication::activeWindow() == dialog)
            act(dialog);
        else
            QTest::qFail("the dialog did not become active", __FILE__, __LINE__);
        if (dialog->isVisible())
            dialog->reject();
    });
}

template <typename T>
T* childOf(const QWidget* parent, const char* name)
{
    T* child = parent->findChild<T*>(QString::fromLatin1(name));
    if (!child)
        QTest::qFail(QByteArray("no control ") + name, __FILE__, __LINE__);
    return child;
}

// How a box shows its text: "read-only, right" for a figure the program fills.
inline QString boxLooks(const QLineEdit* box)
{
    return QString::fromLatin1(box->isReadOnly() ? "read-only" : "typed") + QStringLiteral(", ")
           + QString::fromLatin1(box->alignment() & Qt::AlignRight ? "right" : "left");
}

// Where a row shows: its first shown cell.
inline QRect rowRect(const QTreeView* view, int row)
{
    int column = 0;
    while (column + 1 < view->model()->columnCount() && view->isColumnHidden(column))
        ++column;
    return view->visualRect(view->model()->index(row, column));
}

inline void clickRow(QTreeView* view, int row)
{
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rowRect(view, row).center());
}

inline void doubleClickRow(QTreeView* view, int row)
{
    const QRect rect = rowRect(view, row);
    // A double-click follows the press that picks the row.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, rect.center());
}
