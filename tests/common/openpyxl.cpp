#include "openpyxl.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QtDebug>

namespace {
const char* const writeScript = R"(
import sys, openpyxl
from openpyxl.styles import Alignment, Font, PatternFill
wb = openpyxl.Workbook()
ws = wb.active
exec(sys.argv[2])
wb.save(sys.argv[1])
)";

const char* const readScript = R"(
import json, sys, zipfile, xml.etree.ElementTree as ET
import openpyxl
from openpyxl.utils.cell import coordinate_from_string, column_index_from_string

def plain(value):
    return value if isinstance(value, (str, int, float, bool)) or value is None else str(value)

path = sys.argv[1]
with open(path, 'rb') as f:
    wb = openpyxl.load_workbook(f)
with open(path, 'rb') as f:
    stored = openpyxl.load_workbook(f, data_only=True)
sheets = []
for ws in wb.worksheets:
    cells = {}
    for row in ws.iter_rows():
        for c in row:
            if c.value is None and not c.has_style:
                continue
            cells[c.coordinate] = {'v': plain(c.value), 't': c.data_type, 'fmt': c.number_format,
                                   'bold': bool(c.font.b), 'wrap': c.alignment.wrap_text}
            if c.data_type == 'f':
                cells[c.coordinate]['stored'] = plain(stored[ws.title][c.coordinate].value)
    area = ws.print_area
    sheets.append({'name': ws.title, 'cells': cells,
                   'merged': sorted(str(r) for r in ws.merged_cells.ranges),
                   'heights': {str(r): d.height for r, d in ws.row_dimensions.items() if d.height is not None},
                   'printArea': ','.join(area) if isinstance(area, list) else (area or '')})
result = {'sheets': sheets, 'active': wb.index(wb.active), 'entries': {}, 'ordered': {}, 'dimensions': {}}
with zipfile.ZipFile(path) as z:
    for info in z.infolist():
        result['entries'][info.filename] = info.CRC
        if info.filename.startswith('xl/worksheets/') and info.filename.endswith('.xml'):
            ok = True
            last_row = 0
            ns = '{http://schemas.openxmlformats.org/spreadsheetml/2006/main}'
            root = ET.fromstring(z.read(info))
            dimension = root.find(ns + 'dimension')
            result['dimensions'][info.filename] = dimension.get('ref') if dimension is not None else ''
            for row in root.iter(ns + 'row'):
                r = int(row.get('r'))
                ok = ok and r > last_row
                last_row = r
                last_col = 0
                for c in row.findall(ns + 'c'):
                    col = column_index_from_string(coordinate_from_string(c.get('r'))[0])
                    ok = ok and col > last_col
                    last_col = col
            result['ordered'][info.filename] = ok
print(json.dumps(result))
)";

const char* const totalScript = R"(
import json, sys, openpyxl
with open(sys.argv[1], 'rb') as f:
    wb = openpyxl.load_workbook(f, read_only=True)
    rows, total = 0, 0.0
    for values in wb.worksheets[0].iter_rows(min_row=2, values_only=True):
        rows += 1
        value = values[int(sys.argv[2])]
        if isinstance(value, (int, float)):
            total += value
print(json.dumps({'rows': rows, 'sum': total}))
)";

bool runPython(const char* script, const QStringList& arguments, QByteArray* output)
{
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"), QStringList{QStringLiteral("-c"), QString::fromUtf8(script)} + arguments);
    if (!python.waitForFinished(60000) || python.exitStatus() != QProcess::NormalExit || python.exitCode() != 0) {
        qWarning().noquote() << "openpyxl failed:" << python.errorString() << QString::fromUtf8(python.readAllStandardError());
        return false;
    }
    if (output)
        *output = python.readAllStandardOutput();
    return true;
}
}

bool Openpyxl::write(const QString& path, const QString& body) { return runPython(writeScript, {path, body}, nullptr); }

bool Openpyxl::columnTotal(const QString& path, int column, int* rows, double* sum)
{
    QByteArray output;
    if (!runPython(totalScript, {path, QString::number(column)}, &output))
        return false;
    const QJsonObject totals = QJsonDocument::fromJson(output).object();
    *rows = totals.value(QStringLiteral("rows")).toInt(-1);
    *sum = totals.value(QStringLiteral("sum")).toDouble();
    return true;
}

bool Openpyxl::read(const QString& path, QJsonObject* book)
{
    QByteArray output;
    if (!runPython(readScript, {path}, &output))
        return false;
    QJsonParseError error;
    *book = QJsonDocument::fromJson(output, &error).object();
    if (error.error != QJsonParseError::NoError) {
        qWarning() << "openpyxl output is no JSON:" << error.errorString();
        return false;
    }
    return true;
}

QJsonObject Openpyxl::cell(const QJsonObject& book, int sheet, const QString& reference)
{
    return book.value(QStringLiteral("sheets"))
        .toArray()
        .at(sheet)
        .toObject()
        .value(QStringLiteral("cells"))
        .toObject()
        .value(reference)
        .toObject();
}
