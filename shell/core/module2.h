#pragma once
#include <QString>
#include <QVariant>

class QWidget;

// Number texts, form unloading and pinyin initials shared by every form.
namespace Module2 {

// The text of a box as a number with two decimals ("0.00"); a text that is not
// a number gives "0.00". Rounds half away from zero on the decimal text, reads
// grouping commas ("1,234.5" is 1234.50) and never gives "-0.00".
QString FormatMoney(const QString& text);
QString FormatMoney(double value);
// The same as a whole number ("0").
QString FormatInt(const QString& text);
QString FormatInt(double value);

// The number of a box: its leading number, 0 when it has none ("12abc" is 12).
// Blanks are skipped; grouping commas between digits are read.
double Val(const QString& text);

// The plain text of a number: 3 is "3", 12.5 is "12.5"; never an exponent.
// A NULL gives "", a text stays as it stands.
QString NumberText(double value);
QString NumberText(const QVariant& value);

// The search-code letter of one character by its GBK code: "A" to "Z", "0"
// below the first boundary, an ASCII letter upper-cased, any other one-byte
// or unencodable character given back.
QString GetPYInitial(const QString& character);

// Closes a form, running its own close handling; an MDI child takes its
// sub-window with it. False when the form refused to close.
bool UnloadForm(QWidget* form);

}
