#pragma once
#include <QString>

// A number as its decimal digits, read from a text without passing through a
// double, so that rounding works on the digits the user sees:
// value = 0.<digits> x 10^point.
struct DecimalNumber {
    bool negative = false;
    QString digits; // no leading or trailing zeros; empty for zero
    int point = 0;
};

namespace DecimalText {

// The text with full-width forms of ASCII (an IME's "１２．５", "－") as
// ASCII, character for character, so positions in it stay those of the text.
QString foldFullWidth(const QString& text);

// The longest number at the start of a text: a sign, digits with grouping
// commas between them, a decimal point, an exponent; full-width forms read
// as ASCII. Found is false when the
// text starts with none; end is the index after the number read.
struct Reading {
    DecimalNumber number;
    qsizetype end = 0;
    bool found = false;
};
Reading readNumber(const QString& text);

// The platform's numeric test: the whole text, blanks around it aside, is
// one number that a double can hold.
bool readWholeNumber(const QString& text, DecimalNumber& number);

// The number of a box: its leading number after every blank is dropped,
// zero when it has none or when a double cannot hold it.
DecimalNumber leadingNumber(const QString& text);

double toDouble(const DecimalNumber& number);

// The number with a fixed count of decimals, rounded half away from zero on
// its decimal digits; never "-0.00".
QString fixed(const DecimalNumber& number, int decimals);

}
