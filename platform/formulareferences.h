#pragma once
// The row numbers of the A1 references in a worksheet formula, rewritten when
// rows are inserted or a formula is copied to another row. Texts in quotes,
// names, functions, numbers and whole-column references are left as written.
#include <QString>
#include <functional>

// The rows one reference names: a cell, a range of cells or a range of whole
// rows (first == last for a cell).
struct RowReference {
    int first = 1;
    int last = 1;
    bool firstAbsolute = false; // written with "$"
    bool lastAbsolute = false;
    bool isRange = false;
};

// Rows inserted below a row: copies of it, so that a range that holds it
// grows over them while a reference to it alone stays where it is.
struct RowInsertion {
    int afterRow = 0;
    int count = 0;

    void apply(RowReference& rows) const;
    // A range as a sheet writes it ("A21:F46", "B5"); unchanged when it is none.
    QString applyTo(const QString& range) const;
};

namespace FormulaReferences {
// Rewrites the rows of every reference of the formula whose sheet applies:
// sheet is what the formula writes before "!" (quotes removed), "" when
// nothing. A reference that would leave the sheet's rows stays as it was.
QString rewriteRows(const QString& formula, const std::function<bool(const QString& sheet)>& applies,
                    const std::function<void(RowReference&)>& change);

// A formula of a sheet after rows were inserted into it: the references of
// the sheet itself, unqualified or qualified with its name, follow.
QString afterInsertion(const QString& formula, const QString& sheetName, const RowInsertion& insertion);
// A formula qualified by sheet name (a defined name) after the insertion.
QString afterInsertionInto(const QString& formula, const QString& sheetName, const RowInsertion& insertion);
// A formula copied down by rows: its relative rows move, "$" rows stay.
QString copiedDown(const QString& formula, int rows);
}
