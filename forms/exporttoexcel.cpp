#include "exporttoexcel.h"
#include "appstate.h"
#include "cellrange.h"
#include "clock.h"
#include "desktop.h"
#include "longwork.h"
#include "messagebox.h"
#include "paths.h"
#include "workbook.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <algorithm>
#include <optional>

namespace {
struct Figure {
    double number;
    int numberFormat; // built in: 1 "0", 2 "0.00", 9 "0%"
};

// A figure of a list as the spreadsheet holds it; a text that is no number
// (a sum out of range) stays text.
std::optional<Figure> figureOf(const QVariant& value, CellFormat format)
{
    if (format == CellFormat::Text || value.isNull())
        return std::nullopt;
    QString text = value.toString().trimmed();
    if (format == CellFormat::Percent && text.endsWith(QLatin1Char('%')))
        text.chop(1);
    bool isNumber = false;
    const double number = text.toDouble(&isNumber);
    if (!isNumber)
        return std::nullopt;
    switch (format) {
    case CellFormat::Whole:
        return Figure{number, 1};
    case CellFormat::Percent:
        return Figure{number / 100, 9};
    default:
        return Figure{number, 2};
    }
}

// Streams the rows into the sheet below their top-left cell; the figure
// formats they need are made now, as the sheet is written after the styles.
bool streamCells(Workbook& book, Worksheet& sheet, int row, int column, const ExportCells& cells, LongWork& work)
{
    const ExportRows rows = cells.rowSource();
    if (rows.count <= 0)
        return true;
    Worksheet::RowStream stream{row, column, rows.count, rows.columns, {}, {}};
    for (qsizetype j = 0; j < cells.formats.size() && j < rows.columns; ++j) {
        const auto sample = figureOf(0.0, cells.formats[j]);
        if (!sample)
            continue;
        const int c = column + int(j);
        for (int format : sheet.formatsIn(CellRange{row, c, row + rows.count - 1, c}))
            stream.formats.insert(book.withNumberFormat(format, sample->numberFormat));
    }
    stream.row = [&book, &sheet, &work, rows, formats = cells.formats, row, column](int i, QVariantList& values,
                                                                                    QList<int>& cellFormats) {
        work.progress(i, rows.count);
        values = rows.row(i);
        for (qsizetype j = 0; j < values.size(); ++j) {
            const auto figure = j < formats.size() ? figureOf(values[j], formats[j]) : std::nullopt;
            if (!figure) {
                cellFormats << -1;
                continue;
            }
            values[j] = figure->number;
            cellFormats << book.withNumberFormat(sheet.formatOf(row + i, column + int(j)), figure->numberFormat);
        }
    };
    return sheet.streamRows(std::move(stream));
}

// A new file of its own under the temporary folder, kept after the export:
// the spreadsheet program reads it after we have returned.
QString reserveExportFile(const QString& templateName, QString* error)
{
    const QString stem = QDir(QDir::tempPath())
                             .filePath(QFileInfo(templateName).completeBaseName() + QLatin1Char('-')
                                       + Clock::now().toString(QStringLiteral("yyyyMMdd-HHmmss")));
    for (int attempt = 1; attempt <= 1000; ++attempt) {
        QString path = stem + (attempt == 1 ? QString() : QLatin1Char('-') + QString::number(attempt)) + QStringLiteral(".xlsx");
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
            return path;
        }
        if (!file.exists())
            break;
    }
    *error = QStringLiteral("无法在临时文件夹中建立文件：%1").arg(QDir::tempPath());
    return {};
}

// Only Office Open XML workbooks are filled; the shop's own template in
// another format has to be saved again by the user.
void tellUnreadableTemplate(const QString& path)
{
    const QString kind = Workbook::isBinaryFormat(path) ? QStringLiteral("是旧的二进制格式的Excel工作簿")
                                                        : QStringLiteral("不是可读的Excel工作簿");
    MessageBox::show(
        QApplication::activeWindow(),
        QStringLiteral("模板文件[%1]%2，请将其另存为.xlsx格式的工作簿并保留原文件名。").arg(QDir::toNativeSeparators(path), kind),
        MessageBox::NoticeTitle, QMessageBox::Warning);
}
}

ExportRows ExportCells::rowSource() const
{
    if (source.row)
        return source;
    int columns = 0;
    for (const QVariantList& values : rows)
        columns = std::max(columns, int(values.size()));
    return {int(rows.size()), columns, [values = rows](int i) { return values[i]; }};
}

namespace {
// The filled workbook, saved and handed to the desktop; what failed goes to outcome.
void fill(const ExcelExport& request, Workbook& book, ExportOutcome& outcome)
{
    // Notes the first failure; true when it ends the export.
    auto failed = [&](const QString& text) {
        if (outcome.error.isEmpty())
            outcome.error = text;
        return !request.skipFailures;
    };
    LongWork work(QStringLiteral("正在导出……"));
    Worksheet* sheet = book.worksheet(request.sheet);
    if (!sheet && failed(QStringLiteral("模板 %1 中没有第 %2 张工作表").arg(request.templateName).arg(request.sheet)))
        return;
    QList<std::pair<CellRange, const ExportCells*>> starts;
    if (sheet) {
        for (const QString& text : request.clearRanges) {
            const auto range = CellRange::parse(text);
            if (range)
                sheet->clear(*range);
            else if (failed(QStringLiteral("无效的单元格区域：%1").arg(text)))
                return;
        }
        for (qsizetype i = 0; i < request.headers.size(); ++i)
            sheet->setValue(1, int(i) + 1, request.headers[i]);
        for (const ExportCells& cells : request.data) {
            const auto start = CellRange::parse(cells.topLeft);
            if (!start) {
                if (failed(QStringLiteral("无效的单元格：%1").arg(cells.topLeft)))
                    return;
                continue;
            }
            const int beyond = cells.rowSource().count - cells.areaRows;
            if (cells.areaRows > 0 && beyond > 0
                && !book.insertRowCopies(request.sheet, start->firstRow + cells.areaRows - 1, beyond)
                && failed(QStringLiteral("无法在第 %1 张工作表中插入行").arg(request.sheet)))
                return;
            starts.append({*start, &cells});
        }
    }
    // Before the rows come: they take the formats as wrapping is switched off.
    book.switchWrapOff(book.activeWorksheet());
    for (const auto& [start, cells] : starts) {
        if (!streamCells(book, *sheet, start.firstRow, start.firstColumn, *cells, work)
            && failed(QStringLiteral("无法写入单元格：%1").arg(cells->topLeft)))
            return;
    }

    QString error;
    const QString file = reserveExportFile(request.templateName, &error);
    if (file.isEmpty()) {
        failed(error);
        return;
    }
    if (!book.save(file, &error)) {
        QFile::remove(file);
        failed(error);
        return;
    }
    outcome.file = file;
    if (!DesktopOpener::instance().openUrl(QUrl::fromLocalFile(file)))
        failed(QStringLiteral("无法打开文件：%1").arg(file));
}
}

ExportOutcome ExportToExcel(const ExcelExport& request)
{
    ExportOutcome outcome;
    const QString path = Paths::deliveredFile(AppState::instance().appPath, request.templateName);
    if (!QFileInfo::exists(path)) {
        outcome.error = QStringLiteral("找不到模板文件：%1").arg(request.templateName);
        return outcome;
    }
    QString error;
    const auto book = Workbook::open(path, &error);
    if (!book) {
        outcome.error = error;
        tellUnreadableTemplate(path);
        return outcome;
    }
    fill(request, *book, outcome);
    return outcome;
}
