#pragma once
// Driving a records window as a user does: slips saved through the slip
// core, queries asked through the input dialog, rows clicked.
#include "slipentrydrive.h"
#include "slipsave.h"

#include <QDateEdit>
#include <QLabel>
#include <QPushButton>

namespace RecordsDrive {
using namespace SlipEntryDrive;

// The header of a slip of that number, date ('yyyy-mm-dd'), partner and
// operator, with its remark and open balance (cash paid minus the total).
inline SlipHeader headerOf(const QString& number, const QString& date, const QString& partner, const QString& operatorName,
                           const QString& remark, const QString& difference)
{
    SlipHeader header = SlipBooks::header(number);
    header.date = QDate::fromString(date, Qt::ISODate);
    header.partner = partner;
    header.operatorName = operatorName;
    header.remark = remark;
    header.difference = SlipBooks::amount(difference);
    return header;
}

// Saves a slip through the slip core, totalling its lines; the test fails
// when it is not saved.
inline void saveSlip(const SlipDesign& design, SlipHeader header, const QList<SlipLine>& lines)
{
    for (const SlipLine& line : lines) {
        header.totalQuantity += line.quantity;
        header.totalAmount += line.amount;
        header.totalCost += line.costAmount;
        header.totalProfit += line.amount - line.costAmount;
    }
    const SlipOutcome outcome = SlipBooks::write([&](DbSession& s) { return SaveSlip(s, design, header, lines); });
    if (!outcome)
        QTest::qFail(qPrintable(SlipBooks::outcomeText(outcome)), __FILE__, __LINE__);
}

// The numbers of the slips listed.
inline QStringList numbers(const QWidget* form)
{
    QStringList listed;
    for (const QString& row : rows(form, "ListView1"))
        listed << row.section(QStringLiteral(" | "), 0, 0);
    return listed;
}

inline QString listTotals(const QWidget* form) { return text(form, "TextSum1") + QStringLiteral(" / ") + text(form, "TextSum2"); }

inline QString label7(const QWidget* form) { return control<QLabel>(form, "Label7")->text(); }

// Presses a query button and answers its input dialog with the text and
// Enter, or cancels it with Esc when text is null; the dialog's caption and
// prompt go to shown.
inline void ask(QWidget* form, const char* button, const QString& text, QString* shown = nullptr)
{
    whenModal([text, shown](QDialog* dialog) {
        if (shown)
            *shown = dialog->windowTitle() + QLatin1Char('|') + control<QLabel>(dialog, "Label1")->text();
        QLineEdit* box = control(dialog, "Text2");
        if (text.isNull()) {
            QTest::keyClick(box, Qt::Key_Escape);
            return;
        }
        fill(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    });
    control<QPushButton>(form, button)->click();
}

// Asks a query as ask() does and checks what the window shows: the input
// dialog's caption and prompt, Label7, the slips listed, and no message.
inline void checkQuery(QWidget* form, const QString& button, const QString& typed, const QString& prompt,
                       const QStringList& listed)
{
    QString shown;
    ask(form, qPrintable(button), typed, &shown);
    QCOMPARE(shown, QStringLiteral("查询条件|") + prompt);
    QCOMPARE(label7(form), QStringLiteral("所查询单据："));
    QCOMPARE(numbers(form), listed);
    QVERIFY(MessageBox::shown().isEmpty());
}

// Opens the slip-edit dialog of that name by a double-click on a row of the
// records, and makes it the active window; none when it did not open.
inline QDialog* openEditDialog(QWidget* records, int row, const char* name)
{
    doubleClickRow(control<QTreeView>(records, "ListView1"), row);
    auto* dialog = records->findChild<QDialog*>(QString::fromLatin1(name));
    if (!dialog)
        QTest::qFail("no edit dialog", __FILE__, __LINE__);
    else
        QApplication::setActiveWindow(dialog);
    return dialog;
}

// Presses the edit dialog's ComSave with its box answered.
inline void saveEdit(QDialog* dialog)
{
    MessageBox::setNextAnswer(QMessageBox::Ok);
    control<QPushButton>(dialog, "ComSave")->click();
}

// Presses ComDel with the answer to its question queued.
inline void pressDelete(QWidget* form, QMessageBox::StandardButton answer)
{
    MessageBox::setNextAnswer(answer);
    control<QPushButton>(form, "ComDel")->click();
}

inline void setDates(QWidget* form, const QString& from, const QString& to)
{
    control<QDateEdit>(form, "DTPicker1")->setDate(QDate::fromString(from, Qt::ISODate));
    control<QDateEdit>(form, "DTPicker2")->setDate(QDate::fromString(to, Qt::ISODate));
}

}
