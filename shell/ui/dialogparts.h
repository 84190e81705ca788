#pragma once
#include <QString>

#include <initializer_list>

class QDialog;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Small builders shared by the operator dialogs: named controls laid out
// as label-and-box rows.
namespace DialogParts {

QLabel* label(QWidget* parent, const QString& name, const QString& caption);
// A label and its box side by side in a grid, at (row, column) and the column after it.
QLineEdit* labelledBox(QGridLayout* grid, int row, int column, const QString& labelName, const QString& caption,
                       const QString& boxName);
// A box that shows each typed character as "*".
void maskWithStars(QLineEdit* box);
QPushButton* button(QWidget* parent, const QString& name, const QString& caption);
// The dialog's buttons in a row, pushed to the right.
QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons);
// The dialog closes through its unload from its close button and from Esc;
// its other keys follow the dialog key rules.
void closeWith(QDialog* dialog, QPushButton* closeButton);

}
