#pragma once
// The parts every form is built of: named controls, labelled boxes, button
// rows and sizes in twips. Each control carries its designed name as its
// objectName, so tests find it.
#include "twips.h"

#include <QDate>
#include <QString>

#include <initializer_list>

class QDateEdit;
class QDialog;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace FormParts {

// The designed layouts measure in twips, truncated to whole pixels.
constexpr int pixels(int twips) { return twips / TwipsPerPixel; }

// Gives a control its name and hands it back.
template <typename Widget>
Widget* named(Widget* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

QLabel* label(QWidget* parent, const QString& name, const QString& caption);
// A push button that never acts as a default button: Enter presses only the
// focused one, through the form's key filter (DialogKeyFilter).
QPushButton* button(QWidget* parent, const QString& name, const QString& caption);
// A label and its box side by side in a grid, at (row, column) and the column after it.
QLineEdit* labelledBox(QGridLayout* grid, int row, int column, const QString& labelName, const QString& caption,
                       const QString& boxName);
// The same with a box made elsewhere, such as a figure box.
QLineEdit* labelledBox(QGridLayout* grid, int row, int column, const QString& labelName, const QString& caption, QLineEdit* box);
// A box the program fills with a figure ("0.00" and the like): read-only,
// right-aligned, wide enough for the widest figure the books hold.
QLineEdit* figureBox(QWidget* parent, const QString& name, const QString& figure = {});
// The box is at least as wide as the text needs in its font.
void fitText(QLineEdit* box, const QString& text);
// The box is at least as wide as the widest figure the books hold, its
// minus sign included, needs in its font.
void fitWidestFigure(QLineEdit* box);
// The box shows a whole 13-digit barcode, the longest goods code a scanner types.
void fitBarcode(QLineEdit* box);
// A date box showing "yyyy-MM-dd", picked from a calendar that drops down;
// without a date it starts on the box's own first date.
QDateEdit* datePicker(QWidget* parent, const QString& name, const QDate& date = {});
// A box that shows each typed character as "*".
void maskWithStars(QLineEdit* box);
// The buttons in a row, pushed to the right.
QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons);
// The dialog closes through its unload from its close button and from Esc;
// its other keys follow the dialog key rules.
void closeWith(QDialog* dialog, QPushButton* closeButton);

}
