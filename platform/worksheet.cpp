#include "worksheet.h"
#include "formulareferences.h"

#include <QIODevice>
#include <QLocale>
#include <QXmlStreamWriter>
#include <algorithm>
#include <cctype>
#include <cmath>

namespace {
const QString cellTag = QStringLiteral("c");

bool isTrue(const QString& flag) { return flag == QLatin1String("1") || flag == QLatin1String("true"); }

int columnOf(const QString& reference)
{
    int column = 0;
    for (QChar ch : reference) {
        const char letter = char(ch.toUpper().toLatin1());
        if (letter < 'A' || letter > 'Z')
            break;
        column = column * 26 + (letter - 'A' + 1);
        if (column > CellRange::maxColumn)
            return 0;
    }
    return column;
}

bool startsEscape(const QString& text, qsizetype at)
{
    if (at + 7 > text.size() || text[at + 1] != QLatin1Char('x') || text[at + 6] != QLatin1Char('_'))
        return false;
    for (qsizetype i = at + 2; i < at + 6; ++i) {
        if (!isxdigit(text[i].toLatin1()))
            return false;
    }
    return true;
}

// Text as the workbook stores it: characters XML cannot carry (and a carriage
// return, which XML would turn into a line feed) as _xHHHH_, and a literal
// "_xHHHH_" with its underscore escaped, so every text reads back as written.
QString storedText(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        const char16_t code = ch.unicode();
        if (ch.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out += ch;
            out += text[++i];
            continue;
        }
        const bool allowed = code == 0x9 || code == 0xA || (code >= 0x20 && code <= 0xD7FF) || (code >= 0xE000 && code <= 0xFFFD);
        if (!allowed)
            out += QStringLiteral("_x%1_").arg(QString::number(code, 16).toUpper().rightJustified(4, QLatin1Char('0')));
        else if (ch == QLatin1Char('_') && startsEscape(text, i))
            out += QStringLiteral("_x005F_");
        else
            out += ch;
    }
    return out;
}

std::optional<QString> numberText(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
        return QString::number(value.toLongLong());
    case QMetaType::UInt:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
    case QMetaType::UShort:
        return QString::number(value.toULongLong());
    case QMetaType::Double:
    case QMetaType::Float: {
        const double number = value.toDouble();
        if (!std::isfinite(number))
            return std::nullopt;
        return QString::number(number, 'g', QLocale::FloatingPointShortest);
    }
    default:
        return std::nullopt;
    }
}

bool isEmptyValue(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return true;
    return (value.typeId() == QMetaType::QString || value.typeId() == QMetaType::QByteArray) && value.toString().isEmpty();
}

void clearContent(XmlNode& cell)
{
    for (const char* attribute : {"t", "cm", "vm"})
        cell.removeAttribute(QString::fromLatin1(attribute));
    std::erase_if(cell.children, [](const XmlNode& child) {
        const QString name = child.localName();
        return child.isText() || name == QLatin1String("f") || name == QLatin1String("v") || name == QLatin1String("is");
    });
}

// A cell's content becomes the value: a number cell, else an inline text.
void putValue(XmlNode& cell, const QString& prefix, const QVariant& value)
{
    clearContent(cell);
    XmlNode content;
    if (const auto number = numberText(value)) {
        content = XmlNode::element(prefix + QStringLiteral("v"));
        content.children.push_back(XmlNode::textNode(*number));
    } else {
        const QString text = value.typeId() == QMetaType::QByteArray ? QString::fromUtf8(value.toByteArray()) : value.toString();
        cell.setAttribute(QStringLiteral("t"), QStringLiteral("inlineStr"));
        XmlNode textElement = XmlNode::element(prefix + QStringLiteral("t"));
        if (text != text.trimmed())
            textElement.setAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
        textElement.children.push_back(XmlNode::textNode(storedText(text)));
        content = XmlNode::element(prefix + QStringLiteral("is"));
        content.children.push_back(std::move(textElement));
    }
    // The value comes before anything else a cell may hold (extLst).
    cell.children.insert(cell.children.begin(), std::move(content));
}

// A cell's formula element, null when it holds none.
XmlNode* formulaOf(XmlNode& cell) { return cell.child(QStringLiteral("f")); }

// A shared or array formula's cells are written under the range they span.
bool isGroupFormula(const XmlNode& formula)
{
    const QString type = formula.attribute(QStringLiteral("t"));
    return !type.isEmpty() && type != QLatin1String("normal");
}

bool isBare(const XmlNode& cell)
{
    return cell.children.empty() && std::all_of(cell.attributes.begin(), cell.attributes.end(), [](const auto& attribute) {
               return attribute.first == QLatin1String("r");
           });
}

// Hands what the XML writer makes to a sink in pieces of a useful size.
class SinkDevice : public QIODevice {
public:
    explicit SinkDevice(const std::function<bool(const char*, qsizetype)>& sink)
        : m_sink(sink)
    {
        open(QIODevice::WriteOnly);
    }
    bool put(const QByteArray& data) { return write(data) == data.size(); }
    bool flushAll()
    {
        m_ok = m_ok && (m_buffer.isEmpty() || m_sink(m_buffer.constData(), m_buffer.size()));
        m_buffer.clear();
        return m_ok;
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override
    {
        m_buffer.append(data, length);
        if (m_buffer.size() >= pieceSize)
            flushAll();
        return m_ok ? length : -1;
    }

private:
    static constexpr qsizetype pieceSize = 256 * 1024;
    std::function<bool(const char*, qsizetype)> m_sink;
    QByteArray m_buffer;
    bool m_ok = true;
};

// Rows and cells are written with their references, so that none read
// without one is misplaced next to what was added.
void writeStart(QXmlStreamWriter& writer, const XmlNode& node, const QString& reference, const QString& leftOut = {})
{
    writer.writeStartElement(node.name);
    writer.writeAttribute(QStringLiteral("r"), reference);
    for (const auto& [key, value] : node.attributes) {
        if (key != QLatin1String("r") && key != leftOut)
            writer.writeAttribute(key, value);
    }
}

void writeCell(QXmlStreamWriter& writer, int row, int column, const XmlNode& cell)
{
    // The type told the stored result's kind (text, error, truth value).
    const bool formula = cell.child(QStringLiteral("f")) != nullptr;
    writeStart(writer, cell, CellRange::cellName(row, column), formula ? QStringLiteral("t") : QString());
    for (const XmlNode& child : cell.children) {
        if (!(formula && child.localName() == QLatin1String("v")))
            child.write(writer);
    }
    writer.writeEndElement();
}
}

std::unique_ptr<Worksheet> Worksheet::load(const QByteArray& data)
{
    auto part = XmlPart::parse(data);
    if (!part)
        return nullptr;
    auto sheetData = part->take(QStringLiteral("sheetData"));
    if (!sheetData)
        return nullptr;
    std::unique_ptr<Worksheet> sheet(new Worksheet);
    sheet->m_prefix = sheetData->prefix();
    if (!sheet->read(std::move(*sheetData)))
        return nullptr;
    if (const XmlNode* cols = part->find(QStringLiteral("cols"))) {
        for (const XmlNode& col : cols->children) {
            if (col.localName() == QLatin1String("col") && col.hasAttribute(QStringLiteral("style")))
                sheet->m_columnFormats.push_back({col.attribute(QStringLiteral("min")).toInt(),
                                                  col.attribute(QStringLiteral("max")).toInt(),
                                                  col.attribute(QStringLiteral("style")).toInt()});
        }
    }
    sheet->m_part = std::make_unique<XmlPart>(std::move(*part));
    return sheet;
}

// Rows and cells without a reference follow the one before, as the format allows.
bool Worksheet::read(XmlNode sheetData)
{
    int lastRow = 0;
    for (XmlNode& rowNode : sheetData.children) {
        if (rowNode.localName() != QLatin1String("row"))
            continue;
        const int number = rowNode.hasAttribute(QStringLiteral("r")) ? rowNode.attribute(QStringLiteral("r")).toInt()
                                                                     : lastRow + 1;
        if (number < 1 || number > CellRange::maxRow)
            return false;
        lastRow = number;
        std::vector<XmlNode> children = std::exchange(rowNode.children, {});
        Row& row = m_rows[number];
        row.node = std::move(rowNode);
        int lastColumn = 0;
        for (XmlNode& child : children) {
            if (child.isText())
                continue;
            if (child.localName() != cellTag) {
                row.rest.push_back(std::move(child));
                continue;
            }
            const int column = child.hasAttribute(QStringLiteral("r")) ? columnOf(child.attribute(QStringLiteral("r")))
                                                                       : lastColumn + 1;
            if (column < 1 || column > CellRange::maxColumn)
                return false;
            lastColumn = column;
            row.cells[column] = std::move(child);
        }
    }
    return true;
}

Worksheet::Row& Worksheet::rowAt(int number)
{
    auto found = m_rows.find(number);
    if (found == m_rows.end()) {
        Row row;
        row.node = XmlNode::element(m_prefix + QStringLiteral("row"));
        row.node.setAttribute(QStringLiteral("r"), QString::number(number));
        found = m_rows.emplace(number, std::move(row)).first;
    }
    found->second.changed = true;
    m_changed = true;
    return found->second;
}

XmlNode& Worksheet::cellAt(int row, int column)
{
    Row& line = rowAt(row);
    auto found = line.cells.find(column);
    if (found == line.cells.end()) {
        XmlNode cell = XmlNode::element(m_prefix + cellTag);
        cell.setAttribute(QStringLiteral("r"), CellRange::cellName(row, column));
        if (const int format = formatForNewCell(line, column))
            cell.setAttribute(QStringLiteral("s"), QString::number(format));
        found = line.cells.emplace(column, std::move(cell)).first;
    }
    return found->second;
}

// What a spreadsheet program gives a cell typed into an empty place: the
// row's format when the row has one, else the column's.
int Worksheet::formatForNewCell(const Row& row, int column) const
{
    if (isTrue(row.node.attribute(QStringLiteral("customFormat"))))
        return row.node.attribute(QStringLiteral("s")).toInt();
    for (const ColumnFormat& format : m_columnFormats) {
        if (column >= format.first && column <= format.last)
            return format.format;
    }
    return 0;
}

void Worksheet::clear(const CellRange& range)
{
    for (auto row = m_rows.lower_bound(range.firstRow); row != m_rows.end() && row->first <= range.lastRow; ++row) {
        auto& cells = row->second.cells;
        for (auto cell = cells.lower_bound(range.firstColumn); cell != cells.end() && cell->first <= range.lastColumn;) {
            clearContent(cell->second);
            row->second.changed = true;
            m_changed = true;
            cell = isBare(cell->second) ? cells.erase(cell) : std::next(cell);
        }
    }
}

void Worksheet::setValue(int row, int column, const QVariant& value)
{
    if (row < 1 || row > CellRange::maxRow || column < 1 || column > CellRange::maxColumn)
        return;
    if (isEmptyValue(value)) {
        clear(CellRange{row, column, row, column});
        return;
    }
    putValue(cellAt(row, column), m_prefix, value);
}

int Worksheet::formatOf(int row, int column) const
{
    const auto line = m_rows.find(row);
    if (line == m_rows.end())
        return formatForNewCell(Row{}, column);
    const auto cell = line->second.cells.find(column);
    return cell == line->second.cells.end() ? formatForNewCell(line->second, column)
                                            : cell->second.attribute(QStringLiteral("s")).toInt();
}

void Worksheet::setFormat(int row, int column, int format)
{
    if (row < 1 || row > CellRange::maxRow || column < 1 || column > CellRange::maxColumn)
        return;
    XmlNode& cell = cellAt(row, column);
    if (format)
        cell.setAttribute(QStringLiteral("s"), QString::number(format));
    else
        cell.removeAttribute(QStringLiteral("s"));
}

bool Worksheet::insertRowCopies(int row, int count, const QString& sheetName)
{
    const int lastRow = m_rows.empty() ? row : std::max(row, m_rows.rbegin()->first);
    if (count <= 0 || row < 1 || lastRow > CellRange::maxRow - count)
        return false;
    const RowInsertion insertion{row, count};
    std::map<int, Row> moved;
    for (auto& [number, line] : m_rows) {
        for (auto& [column, cell] : line.cells) {
            XmlNode* formula = formulaOf(cell);
            if (!formula)
                continue;
            if (const QString text = formula->innerText(); !text.isEmpty())
                formula->setInnerText(FormulaReferences::afterInsertion(text, sheetName, insertion));
            if (formula->hasAttribute(QStringLiteral("ref")))
                formula->setAttribute(QStringLiteral("ref"), insertion.applyTo(formula->attribute(QStringLiteral("ref"))));
        }
        line.changed = true;
        moved.emplace(number > row ? number + count : number, std::move(line));
    }
    m_rows = std::move(moved);

    if (const auto source = m_rows.find(row); source != m_rows.end()) {
        for (int k = 1; k <= count; ++k) {
            Row copy = source->second;
            for (auto& [column, cell] : copy.cells) {
                XmlNode* formula = formulaOf(cell);
                if (!formula)
                    continue;
                // The copy stands alone: a shared formula's first cell gives its text, the others nothing.
                if (isGroupFormula(*formula) && formula->innerText().isEmpty()) {
                    clearContent(cell);
                    continue;
                }
                for (const char* group : {"t", "ref", "si"})
                    formula->removeAttribute(QString::fromLatin1(group));
                formula->setInnerText(FormulaReferences::copiedDown(formula->innerText(), k));
            }
            m_rows.emplace(row + k, std::move(copy));
        }
    }
    moveMergedRanges(row, count);
    m_changed = true;
    return true;
}

// A range merged within the copied row is merged in each copy too; the others follow the insertion.
void Worksheet::moveMergedRanges(int row, int count)
{
    if (!m_part->find(QStringLiteral("mergeCells")))
        return;
    XmlNode* merges = m_part->edit(QStringLiteral("mergeCells"));
    const RowInsertion insertion{row, count};
    std::vector<XmlNode> copies;
    int merged = 0;
    for (XmlNode& merge : merges->children) {
        if (merge.isText() || merge.localName() != QLatin1String("mergeCell"))
            continue;
        ++merged;
        const QString ref = merge.attribute(QStringLiteral("ref"));
        const auto range = CellRange::parse(ref);
        if (!range || range->firstRow != row || range->lastRow != row) {
            merge.setAttribute(QStringLiteral("ref"), insertion.applyTo(ref));
            continue;
        }
        for (int k = 1; k <= count; ++k) {
            XmlNode copy = merge;
            copy.setAttribute(QStringLiteral("ref"),
                              CellRange{row + k, range->firstColumn, row + k, range->lastColumn}.toString());
            copies.push_back(std::move(copy));
        }
    }
    merged += int(copies.size());
    std::move(copies.begin(), copies.end(), std::back_inserter(merges->children));
    if (merges->hasAttribute(QStringLiteral("count")))
        merges->setAttribute(QStringLiteral("count"), QString::number(merged));
}

QSet<int> Worksheet::usedFormats() const
{
    QSet<int> formats;
    for (const auto& [number, row] : m_rows) {
        if (isTrue(row.node.attribute(QStringLiteral("customFormat"))))
            formats.insert(row.node.attribute(QStringLiteral("s")).toInt());
        for (const auto& [column, cell] : row.cells)
            formats.insert(cell.attribute(QStringLiteral("s")).toInt());
    }
    for (const ColumnFormat& format : m_columnFormats)
        formats.insert(format.format);
    return formats;
}

void Worksheet::replaceFormats(const QHash<int, int>& replacement)
{
    if (replacement.isEmpty())
        return;
    auto replace = [&](XmlNode& node, const QString& attribute) {
        const auto found = replacement.constFind(node.attribute(attribute).toInt());
        if (found == replacement.constEnd())
            return false;
        node.setAttribute(attribute, QString::number(*found));
        return true;
    };
    for (auto& [number, row] : m_rows) {
        bool changed = isTrue(row.node.attribute(QStringLiteral("customFormat"))) && replace(row.node, QStringLiteral("s"));
        for (auto& [column, cell] : row.cells)
            changed = replace(cell, QStringLiteral("s")) || changed;
        if (changed) {
            row.changed = true;
            m_changed = true;
        }
    }
    bool columnsChanged = false;
    for (ColumnFormat& format : m_columnFormats) {
        if (replacement.contains(format.format)) {
            format.format = replacement.value(format.format);
            columnsChanged = true;
        }
    }
    if (columnsChanged) {
        XmlNode* cols = m_part->edit(QStringLiteral("cols"));
        for (XmlNode& col : cols->children) {
            if (col.localName() == QLatin1String("col") && col.hasAttribute(QStringLiteral("style")))
                replace(col, QStringLiteral("style"));
        }
        m_changed = true;
    }
}

QString Worksheet::dimension() const
{
    CellRange used{CellRange::maxRow, CellRange::maxColumn, 1, 1};
    bool any = false;
    for (const auto& [number, row] : m_rows) {
        if (row.cells.empty())
            continue;
        any = true;
        used.firstRow = std::min(used.firstRow, number);
        used.lastRow = std::max(used.lastRow, number);
        used.firstColumn = std::min(used.firstColumn, row.cells.begin()->first);
        used.lastColumn = std::max(used.lastColumn, row.cells.rbegin()->first);
    }
    for (const RowStream& stream : m_streams) {
        if (stream.columns <= 0)
            continue;
        any = true;
        used.firstRow = std::min(used.firstRow, stream.firstRow);
        used.lastRow = std::max(used.lastRow, stream.firstRow + stream.count - 1);
        used.firstColumn = std::min(used.firstColumn, stream.firstColumn);
        used.lastColumn = std::max(used.lastColumn, stream.firstColumn + stream.columns - 1);
    }
    return any ? used.toString() : QStringLiteral("A1");
}

bool Worksheet::streamRows(RowStream stream)
{
    if (stream.count <= 0)
        return true;
    if (stream.firstRow < 1 || stream.firstRow > CellRange::maxRow - stream.count + 1 || stream.firstColumn < 1
        || stream.firstColumn > CellRange::maxColumn - std::max(stream.columns, 1) + 1)
        return false;
    const int last = stream.firstRow + stream.count - 1;
    const auto meets = [&](const RowStream& other) {
        return stream.firstRow <= other.firstRow + other.count - 1 && other.firstRow <= last;
    };
    if (std::any_of(m_streams.begin(), m_streams.end(), meets))
        return false;
    const auto at = std::find_if(m_streams.begin(), m_streams.end(),
                                 [&](const RowStream& other) { return other.firstRow > stream.firstRow; });
    m_streams.insert(at, std::move(stream));
    m_changed = true;
    return true;
}

QSet<int> Worksheet::formatsIn(const CellRange& range) const
{
    QSet<int> formats;
    int held = 0;
    for (auto row = m_rows.lower_bound(range.firstRow); row != m_rows.end() && row->first <= range.lastRow; ++row) {
        ++held;
        for (int column = range.firstColumn; column <= range.lastColumn; ++column)
            formats.insert(formatOf(row->first, column));
    }
    if (held < range.lastRow - range.firstRow + 1) {
        for (int column = range.firstColumn; column <= range.lastColumn; ++column)
            formats.insert(formatForNewCell(Row{}, column));
    }
    return formats;
}

void Worksheet::writeRow(QXmlStreamWriter& writer, int number, const Row& row) const
{
    // The spans hint would no longer match a changed row's cells.
    writeStart(writer, row.node, QString::number(number), row.changed ? QStringLiteral("spans") : QString());
    for (const auto& [column, cell] : row.cells)
        writeCell(writer, number, column, cell);
    for (const XmlNode& child : row.rest)
        child.write(writer);
    writer.writeEndElement();
}

void Worksheet::writeStreamedRow(QXmlStreamWriter& writer, int number, const Row* row, const QVariantList& values,
                                 const QList<int>& formats, int firstColumn) const
{
    static const Row none;
    const Row& held = row ? *row : none;
    const int pastValues = firstColumn + int(values.size());
    writeStart(writer, row ? held.node : XmlNode::element(m_prefix + QStringLiteral("row")), QString::number(number),
               QStringLiteral("spans"));
    auto cell = held.cells.begin();
    for (; cell != held.cells.end() && cell->first < firstColumn; ++cell)
        writeCell(writer, number, cell->first, cell->second);
    for (qsizetype i = 0; i < values.size(); ++i) {
        const int column = firstColumn + int(i);
        XmlNode written;
        if (cell != held.cells.end() && cell->first == column) {
            written = cell->second;
            ++cell;
        } else {
            written = XmlNode::element(m_prefix + cellTag);
            if (const int format = formatForNewCell(held, column))
                written.setAttribute(QStringLiteral("s"), QString::number(format));
        }
        const int format = i < formats.size() ? formats[i] : -1;
        if (format > 0)
            written.setAttribute(QStringLiteral("s"), QString::number(format));
        else if (format == 0)
            written.removeAttribute(QStringLiteral("s"));
        if (isEmptyValue(values[i]))
            clearContent(written);
        else
            putValue(written, m_prefix, values[i]);
        if (!isBare(written))
            writeCell(writer, number, column, written);
    }
    for (; cell != held.cells.end(); ++cell) {
        if (cell->first >= pastValues)
            writeCell(writer, number, cell->first, cell->second);
    }
    for (const XmlNode& child : held.rest)
        child.write(writer);
    writer.writeEndElement();
}

void Worksheet::writeSheetData(QXmlStreamWriter& writer) const
{
    writer.writeStartElement(m_prefix + QStringLiteral("sheetData"));
    auto held = m_rows.begin();
    QVariantList values;
    QList<int> formats;
    for (const RowStream& stream : m_streams) {
        for (; held != m_rows.end() && held->first < stream.firstRow; ++held)
            writeRow(writer, held->first, held->second);
        for (int i = 0; i < stream.count; ++i) {
            const int number = stream.firstRow + i;
            const Row* row = held != m_rows.end() && held->first == number ? &(held++)->second : nullptr;
            values.clear();
            formats.clear();
            stream.row(i, values, formats);
            writeStreamedRow(writer, number, row, values, formats, stream.firstColumn);
        }
    }
    for (; held != m_rows.end(); ++held)
        writeRow(writer, held->first, held->second);
    writer.writeEndElement();
}

bool Worksheet::save(const std::function<bool(const char*, qsizetype)>& sink)
{
    if (!m_changed) {
        const QByteArray data = m_part->toByteArray();
        return sink(data.constData(), data.size());
    }
    if (XmlNode* dimension = m_part->edit(QStringLiteral("dimension")))
        dimension->setAttribute(QStringLiteral("ref"), this->dimension());
    // The sheet's data goes where the marker stands; XML text never holds U+0001.
    const QByteArray marker = QByteArrayLiteral("\x01sheetData\x01");
    m_part->replace(QStringLiteral("sheetData"), QString::fromLatin1(marker));
    const QByteArray around = m_part->toByteArray();
    const qsizetype at = around.indexOf(marker);
    if (at < 0)
        return false;
    SinkDevice device(sink);
    QXmlStreamWriter writer(&device);
    if (!device.put(around.left(at)))
        return false;
    writeSheetData(writer);
    return !writer.hasError() && device.put(around.mid(at + marker.size())) && device.flushAll();
}
