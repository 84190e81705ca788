#pragma once
#include <QString>
#include <QVariant>

// Number texts shared by both programs: how a box's text is read as a number
// and how a number is written back as text.
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

}
