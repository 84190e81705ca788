#include "cellrange.h"

#include <QStringList>
#include <algorithm>

namespace {
struct Cell {
    int row;
    int column;
};

std::optional<Cell> parseCell(QStringView text)
{
    qsizetype at = 0;
    if (at < text.size() && text[at] == QLatin1Char('$'))
        ++at;
    qint64 column = 0;
    const qsizetype lettersStart = at;
    while (at < text.size()) {
        const char letter = char(text[at].toUpper().toLatin1());
        if (letter < 'A' || letter > 'Z')
            break;
        column = column * 26 + (letter - 'A' + 1);
        if (column > CellRange::maxColumn)
            return std::nullopt;
        ++at;
    }
    if (at == lettersStart)
        return std::nullopt;
    if (at < text.size() && text[at] == QLatin1Char('$'))
        ++at;
    const QStringView digits = text.mid(at);
    if (digits.isEmpty() || digits.size() > 7)
        return std::nullopt;
    for (QChar digit : digits) {
        if (digit < QLatin1Char('0') || digit > QLatin1Char('9'))
            return std::nullopt;
    }
    const int row = digits.toInt();
    if (row < 1 || row > CellRange::maxRow)
        return std::nullopt;
    return Cell{row, int(column)};
}
}

std::optional<CellRange> CellRange::parse(const QString& text)
{
    const QStringList corners = text.trimmed().split(QLatin1Char(':'));
    if (corners.size() > 2)
        return std::nullopt;
    const auto first = parseCell(corners.first());
    const auto last = parseCell(corners.last());
    if (!first || !last)
        return std::nullopt;
    return CellRange{std::min(first->row, last->row), std::min(first->column, last->column), std::max(first->row, last->row),
                     std::max(first->column, last->column)};
}

QString CellRange::columnName(int column)
{
    QString name;
    while (column > 0) {
        const int digit = (column - 1) % 26;
        name.prepend(QLatin1Char(char('A' + digit)));
        column = (column - 1) / 26;
    }
    return name;
}

QString CellRange::cellName(int row, int column) { return columnName(column) + QString::number(row); }

QString CellRange::toString() const
{
    QString first = cellName(firstRow, firstColumn);
    if (firstRow == lastRow && firstColumn == lastColumn)
        return first;
    return first + QLatin1Char(':') + cellName(lastRow, lastColumn);
}
