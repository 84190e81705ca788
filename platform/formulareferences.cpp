#include "formulareferences.h"
#include "cellrange.h"

#include <optional>

namespace {
bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('.') || c == QLatin1Char('$')
           || c == QLatin1Char('\\') || c == QLatin1Char('?');
}

qsizetype nameEnd(const QString& text, qsizetype at)
{
    while (at < text.size() && isNameChar(text[at]))
        ++at;
    return at;
}

// Past the closing quote of a text or a quoted sheet name; a doubled quote is one character.
qsizetype quotedEnd(const QString& text, qsizetype at)
{
    const QChar quote = text[at];
    for (++at; at < text.size(); ++at) {
        if (text[at] != quote)
            continue;
        if (at + 1 < text.size() && text[at + 1] == quote)
            ++at;
        else
            return at + 1;
    }
    return at;
}

// Past the bracket that closes the one at `at` (a book's number, a table's columns).
qsizetype bracketEnd(const QString& text, qsizetype at)
{
    int depth = 0;
    for (; at < text.size(); ++at) {
        if (text[at] == QLatin1Char('['))
            ++depth;
        else if (text[at] == QLatin1Char(']') && --depth == 0)
            return at + 1;
    }
    return at;
}

// One side of a reference: "$B$12", "12", "B". Rewriting keeps the text
// before the row's digits as it stands.
struct Side {
    QStringView head;
    int column = 0; // 0: a whole row
    int row = 0;    // 0: a whole column
    bool rowAbsolute = false;

    enum class Kind { Cell, Row, Column };
    Kind kind() const { return column == 0 ? Kind::Row : row == 0 ? Kind::Column : Kind::Cell; }
};

bool isAsciiLetter(QChar c) { return c.unicode() < 128 && c.isLetter(); }
bool isAsciiDigit(QChar c) { return c.unicode() < 128 && c.isDigit(); }

std::optional<Side> readSide(QStringView text)
{
    Side side;
    qsizetype at = 0;
    const auto dollar = [&] {
        const bool written = at < text.size() && text[at] == QLatin1Char('$');
        if (written)
            ++at;
        return written;
    };
    const bool columnDollar = dollar();
    const qsizetype letters = at;
    while (at < text.size() && at - letters < 3 && isAsciiLetter(text[at])) {
        side.column = side.column * 26 + (text[at].toUpper().unicode() - 'A' + 1);
        ++at;
    }
    const bool hasColumn = at > letters;
    const bool rowDollar = hasColumn ? dollar() : columnDollar;
    const qsizetype digits = at;
    while (at < text.size() && at - digits < 7 && isAsciiDigit(text[at]))
        ++at;
    const bool hasRow = at > digits;
    if (at != text.size() || (!hasColumn && !hasRow) || side.column > CellRange::maxColumn || (!hasRow && rowDollar && hasColumn))
        return std::nullopt;
    if (hasRow) {
        side.row = text.mid(digits).toInt();
        if (side.row < 1 || side.row > CellRange::maxRow)
            return std::nullopt;
        side.rowAbsolute = rowDollar;
    }
    side.head = text.left(digits);
    return side;
}

struct Reference {
    qsizetype end = 0;
    std::optional<Side> first;
    std::optional<Side> last; // none for a single cell
};

// The reference that starts at `at`, if one does: a cell not called as a
// function, or a range of cells, rows or columns.
std::optional<Reference> readReference(const QString& formula, qsizetype at)
{
    const qsizetype firstEnd = nameEnd(formula, at);
    const auto first = readSide(QStringView(formula).mid(at, firstEnd - at));
    if (!first)
        return std::nullopt;
    if (firstEnd < formula.size() && formula[firstEnd] == QLatin1Char(':')) {
        const qsizetype lastEnd = nameEnd(formula, firstEnd + 1);
        const auto last = readSide(QStringView(formula).mid(firstEnd + 1, lastEnd - firstEnd - 1));
        if (last && last->kind() == first->kind())
            return Reference{lastEnd, first, last};
    }
    const bool calledAsFunction = firstEnd < formula.size() && formula[firstEnd] == QLatin1Char('(');
    if (first->kind() != Side::Kind::Cell || calledAsFunction)
        return std::nullopt;
    return Reference{firstEnd, first, std::nullopt};
}

// The reference with its rows changed; as written when it names no rows or
// its new rows would leave the sheet.
QString rewritten(const QString& formula, qsizetype at, const Reference& reference,
                  const std::function<void(RowReference&)>& change)
{
    QString asWritten = formula.mid(at, reference.end - at);
    const Side& first = *reference.first;
    if (first.kind() == Side::Kind::Column)
        return asWritten;
    const Side& last = reference.last ? *reference.last : first;
    RowReference rows{first.row, last.row, first.rowAbsolute, last.rowAbsolute, reference.last.has_value()};
    change(rows);
    const auto inSheet = [](int row) { return row >= 1 && row <= CellRange::maxRow; };
    if (!inSheet(rows.first) || !inSheet(rows.last))
        return asWritten;
    QString out = first.head.toString() + QString::number(rows.first);
    if (reference.last)
        out += QLatin1Char(':') + last.head.toString() + QString::number(rows.last);
    return out;
}

QString unquoted(const QString& quotedName)
{
    QString name = quotedName.mid(1, quotedName.size() - 2);
    return name.replace(QStringLiteral("''"), QStringLiteral("'"));
}

std::function<bool(const QString&)> sheetTest(const QString& sheetName, bool unqualifiedIsIt)
{
    return [sheetName, unqualifiedIsIt](const QString& sheet) {
        return sheet.isEmpty() ? unqualifiedIsIt : sheet.compare(sheetName, Qt::CaseInsensitive) == 0;
    };
}
}

void RowInsertion::apply(RowReference& rows) const
{
    if (!rows.isRange) {
        if (rows.first > afterRow)
            rows.first = rows.last = rows.first + count;
        return;
    }
    const bool grows = rows.last > afterRow || (rows.last == afterRow && rows.first < afterRow);
    if (rows.first > afterRow)
        rows.first += count;
    if (grows)
        rows.last += count;
}

QString RowInsertion::applyTo(const QString& range) const
{
    return FormulaReferences::rewriteRows(
        range, [](const QString&) { return true; }, [this](RowReference& rows) { apply(rows); });
}

namespace FormulaReferences {

QString rewriteRows(const QString& formula, const std::function<bool(const QString& sheet)>& applies,
                    const std::function<void(RowReference&)>& change)
{
    QString out;
    out.reserve(formula.size());
    bool inOtherBook = false; // a reference after "[n]" names another workbook's sheet
    qsizetype at = 0;
    while (at < formula.size()) {
        const QChar c = formula[at];
        if (c == QLatin1Char('"') || c == QLatin1Char('[')) {
            const qsizetype end = c == QLatin1Char('"') ? quotedEnd(formula, at) : bracketEnd(formula, at);
            out += QStringView(formula).mid(at, end - at);
            inOtherBook = c == QLatin1Char('[');
            at = end;
            continue;
        }
        if (c != QLatin1Char('\'') && !isNameChar(c)) {
            out += c;
            inOtherBook = false;
            at++;
            continue;
        }
        // A sheet written before "!", quoted or not.
        qsizetype referenceAt = at;
        QString sheet;
        const qsizetype nameAt = c == QLatin1Char('\'') ? quotedEnd(formula, at) : nameEnd(formula, at);
        if (nameAt < formula.size() && formula[nameAt] == QLatin1Char('!')) {
            const QString written = formula.mid(at, nameAt - at);
            sheet = c == QLatin1Char('\'') ? unquoted(written) : written;
            referenceAt = nameAt + 1;
        } else if (c == QLatin1Char('\'')) {
            out += QStringView(formula).mid(at, nameAt - at);
            at = nameAt;
            continue;
        }
        const auto reference = readReference(formula, referenceAt);
        const qsizetype end = reference ? reference->end : nameEnd(formula, referenceAt);
        out += QStringView(formula).mid(at, referenceAt - at);
        if (reference && !inOtherBook && applies(sheet))
            out += rewritten(formula, referenceAt, *reference, change);
        else
            out += QStringView(formula).mid(referenceAt, end - referenceAt);
        inOtherBook = false;
        at = end;
    }
    return out;
}

QString afterInsertion(const QString& formula, const QString& sheetName, const RowInsertion& insertion)
{
    return rewriteRows(formula, sheetTest(sheetName, true), [&](RowReference& rows) { insertion.apply(rows); });
}

QString afterInsertionInto(const QString& formula, const QString& sheetName, const RowInsertion& insertion)
{
    return rewriteRows(formula, sheetTest(sheetName, false), [&](RowReference& rows) { insertion.apply(rows); });
}

QString copiedDown(const QString& formula, int rows)
{
    return rewriteRows(
        formula, [](const QString&) { return true; },
        [rows](RowReference& reference) {
            if (!reference.firstAbsolute)
                reference.first += rows;
            if (!reference.lastAbsolute)
                reference.last += rows;
        });
}

}
