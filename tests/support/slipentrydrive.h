#pragma once
// Driving the slip forms as a user does: goods put in directly, the form
// opened as the main window opens it, boxes typed into and keys pressed.
#include "appstate.h"
#include "dbsession.h"
#include "driving.h"
#include "itemviews.h"
#include "messagebox.h"
#include "slipbooks.h"
#include "typing.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTest>
#include <QTreeView>

namespace SlipEntryDrive {

// A goods with its pinyin code, barcode (each NULL when empty), purchase price and storage place.
inline void putGoods(const QString& code, const QString& name, const QString& pinyin, const QString& barcode = {},
                     const QString& price = QStringLiteral("12.5"), const QString& place = {})
{
    SlipBooks::execute(QStringLiteral(
                           "insert into 商品信息 (商品编号, 商品名称, 规格, 单位, 类别, 进价, 零售价, 库存上限, 库存下限, "
                           "厂家, 拼音码, 五笔码, 自编码, 条形码) values (?, ?, '500ml', '瓶', '饮料', ?, 20, 100, 5, ?, ?, "
                           "'', '', ?)"),
                       {code, name, price.toDouble(), place, pinyin.isEmpty() ? QVariant() : pinyin,
                        barcode.isEmpty() ? QVariant() : barcode});
}

// A slip form of a mode ("退货": the return), opened by an operator, shown
// and active.
template <typename Form>
Form* open(const QString& slipMode = {}, const QString& operatorName = QStringLiteral("管理员"))
{
    appState().currentOperator = operatorName;
    appState().slipMode = slipMode;
    auto* form = new Form;
    form->resize(1100, 700);
    form->show();
    QApplication::setActiveWindow(form);
    if (QApplication::activeWindow() != form)
        QTest::qFail("the slip form did not become active", __FILE__, __LINE__);
    return form;
}

template <typename T = QLineEdit>
T* control(const QWidget* form, const char* name)
{
    return childOf<T>(form, name);
}

inline QString text(const QWidget* form, const char* name) { return control(form, name)->text(); }

inline QWidget* focused(const QWidget* form) { return form->window()->focusWidget(); }
inline QString focusedName(const QWidget* form) { return focused(form) ? focused(form)->objectName() : QString(); }

// Puts the focus in a box and types the text over what it holds.
inline void fill(QLineEdit* box, const QString& text)
{
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Delete);
    typeText(box, text);
}

inline void fillAndEnter(const QWidget* form, const char* name, const QString& text)
{
    QLineEdit* box = control(form, name);
    fill(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

// A key as the user presses it in the box that has the focus.
inline void press(const QWidget* form, Qt::Key key)
{
    QWidget* target = focused(form) ? focused(form) : const_cast<QWidget*>(form);
    QTest::keyClick(target, key);
}

// Loads a goods by its code, then types its quantity and price, each with Enter.
inline void enterLine(const QWidget* form, const QString& code, const QString& quantity, const QString& price)
{
    fillAndEnter(form, "TextName", code);
    fillAndEnter(form, "TextQty", quantity);
    fillAndEnter(form, "TextPrice", price);
}

// The texts of a list, one line per row, cells joined by " | ".
inline QStringList rows(const QWidget* form, const char* list)
{
    QStringList texts;
    for (const QStringList& cells : shownRows(control<QTreeView>(form, list)))
        texts << cells.join(QStringLiteral(" | "));
    return texts;
}

// Quantity, price and amount of each line.
inline QStringList lineFigures(const QWidget* form)
{
    QStringList figures;
    for (const QString& row : rows(form, "ListView1")) {
        const QStringList cells = row.split(QStringLiteral(" | "));
        figures << QStringList{cells.value(4), cells.value(5), cells.value(6)}.join(QStringLiteral(" / "));
    }
    return figures;
}

inline QString totals(const QWidget* form) { return text(form, "TextQtys") + QStringLiteral(" / ") + text(form, "TextMoneys"); }

// The difference, the caption of its label and its colour: "37.50 [预付现金] blue".
inline QString difference(const QWidget* form, const char* labelName)
{
    auto* box = control(form, "Text4");
    const QColor colour = box->palette().color(QPalette::Text);
    const QString name = colour == QColor(255, 0, 0)   ? QStringLiteral("red")
                         : colour == QColor(0, 0, 255) ? QStringLiteral("blue")
                         : colour == QColor(Qt::black) ? QStringLiteral("black")
                                                       : colour.name();
    return box->text() + QLatin1Char(' ') + control<QLabel>(form, labelName)->text() + QLatin1Char(' ') + name;
}

// Whether the box, as laid out, shows the figure whole in its font: the
// text, a line edit's margin of two pixels and the frame on either side.
inline bool showsWhole(const QLineEdit* box, const QString& figure)
{
    const int frame = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box);
    return box->width() >= box->fontMetrics().horizontalAdvance(figure) + 2 * (2 + frame);
}

// The refusal of a figure past a limit: the only message since the last
// clear, with its title, the focus back in the box and its text as typed.
inline void checkRefused(const QWidget* form, const char* box, const QString& typed, const QString& message)
{
    // A box left by a move of the focus is told once the move is done.
    if (MessageBox::shown().isEmpty())
        QCoreApplication::processEvents();
    QCOMPARE(MessageBox::shownTexts(), QStringList{message});
    QCOMPARE(MessageBox::shown().last().title, QStringLiteral("提示"));
    QCOMPARE(MessageBox::shown().last().buttons, QMessageBox::Ok);
    QCOMPARE(focusedName(form), QString::fromLatin1(box));
    QCOMPARE(text(form, box), typed);
}

inline void clickRow(const QWidget* form, const char* list, int row) { clickRow(control<QTreeView>(form, list), row); }

// Confirms the slip (PageDown, then OK) while every statement holding part
// fails as a full disk does; the box that reports it.
inline MessageBoxRecord confirmFailing(const QWidget* form, const QString& part)
{
    Database::setFailureHook([part](const QString& sql) -> std::optional<DbError> {
        if (sql.contains(part))
            return DbError{13, QStringLiteral("database or disk is full")};
        return std::nullopt;
    });
    MessageBox::setNextAnswer(QMessageBox::Ok);
    MessageBox::setNextAnswer(QMessageBox::Ok);
    press(form, Qt::Key_PageDown);
    Database::setFailureHook({});
    return MessageBox::shown().last();
}

// Answers the number dialog (of that name, with that caption) that the key
// opens with a typed number and Enter, or cancels it with Esc when typed is empty.
inline void answerLineDialog(const QWidget* form, Qt::Key key, const QString& typed, const QString& caption,
                             const QString& dialogName = QStringLiteral("frmIn15"))
{
    whenModal([typed, caption, dialogName](QDialog* dialog) {
        QCOMPARE(dialog->objectName(), dialogName);
        QCOMPARE(dialog->windowTitle(), caption);
        auto* box = control(dialog, "Text1");
        if (typed.isEmpty()) {
            QTest::keyClick(box, Qt::Key_Escape);
            return;
        }
        fill(box, typed);
        QTest::keyClick(box, Qt::Key_Return);
    });
    press(form, key);
}

// Another running copy saves a slip of the kind (类别) under the number the
// form shows. The form, ready to save, is then refused and writes nothing, takes
// the next free number with its lines kept, and saves under it at once.
template <typename Form>
void saveAfterANumberClash(Form* form, const QString& headerTable, const QString& kind, const QString& nextNumber)
{
    // A book without kinds (the stocktake's) has no 类别.
    if (kind.isEmpty())
        SlipBooks::execute(QStringLiteral("insert into %1 (单号) values (?)").arg(headerTable), {text(form, "Textid")});
    else
        SlipBooks::execute(QStringLiteral("insert into %1 (单号, 类别) values (?, ?)").arg(headerTable),
                           {text(form, "Textid"), kind});
    const QStringList books = SlipBooks::wholeBooks();
    const QStringList lines = rows(form, "ListView1");
    QVERIFY(!lines.isEmpty());
    MessageBox::setNextAnswer(QMessageBox::Ok);
    MessageBox::setNextAnswer(QMessageBox::Ok);
    press(form, Qt::Key_PageDown);
    QCOMPARE(MessageBox::shown().last().text, QStringLiteral("单号已被占用，已改为 %1，请再次保存。").arg(nextNumber));
    QCOMPARE(text(form, "Textid"), nextNumber);
    QCOMPARE(rows(form, "ListView1"), lines);
    QCOMPARE(SlipBooks::wholeBooks(), books);

    MessageBox::setNextAnswer(QMessageBox::Ok);
    press(form, Qt::Key_PageDown);
    QCOMPARE(SlipBooks::rowsOf(QStringLiteral("select 单号 from %1 where 单号 = ?").arg(headerTable), {nextNumber}),
             QStringList{nextNumber});
    QCOMPARE(form->lines()->rowCount(), 0);
}
}
