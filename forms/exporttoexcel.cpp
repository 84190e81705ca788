#include "exporttoexcel.h"
#include "appstate.h"
#include "cellrange.h"
#include "clock.h"
#include "desktop.h"
#include "messagebox.h"
#include "paths.h"
#include "workbook.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
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

void writeCells(Workbook& book, Worksheet& sheet, int row, int column, const ExportCells& cells)
{
    for (qsizetype i = 0; i < cells.rows.size(); ++i) {
        const QVariantList& values = cells.rows[i];
        for (qsizetype j = 0; j < values.size(); ++j) {
            const int r = row + int(i);
            const int c = column + int(j);
            const auto figure = j < cells.formats.size() ? figureOf(values[j], cells.formats[j]) : std::nullopt;
            if (!figure) {
                sheet.setValue(r, c, values[j]);
                continue;
            }
            sheet.setValue(r, c, figure->number);
            sheet.setFormat(r, c, book.withNumberFormat(sheet.formatOf(r, c), figure->numberFormat));
        }
    }
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

ExportOutcome ExportToExcel(const ExcelExport& request)
{
    ExportOutcome outcome;
    // Notes the first failure; true when it ends the export.
    auto failed = [&](const QString& text) {
        if (outcome.error.isEmpty())
            outcome.error = text;
        return !request.skipFailures;
    };

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

    Worksheet* sheet = book->worksheet(request.sheet);
    if (!sheet && failed(QStringLiteral("模板 %1 中没有第 %2 张工作表").arg(request.templateName).arg(request.sheet)))
        return outcome;
    if (sheet) {
        for (const QString& text : request.clearRanges) {
            const auto range = CellRange::parse(text);
            if (range)
                sheet->clear(*range);
            else if (failed(QStringLiteral("无效的单元格区域：%1").arg(text)))
                return outcome;
        }
        for (qsizetype i = 0; i < request.headers.size(); ++i)
            sheet->setValue(1, int(i) + 1, request.headers[i]);
        for (const ExportCells& cells : request.data) {
            const auto start = CellRange::parse(cells.topLeft);
            if (!start) {
                if (failed(QStringLiteral("无效的单元格：%1").arg(cells.topLeft)))
                    return outcome;
                continue;
            }
            const int beyond = int(cells.rows.size()) - cells.areaRows;
            if (cells.areaRows > 0 && beyond > 0
                && !book->insertRowCopies(request.sheet, start->firstRow + cells.areaRows - 1, beyond)
                && failed(QStringLiteral("无法在第 %1 张工作表中插入行").arg(request.sheet)))
                return outcome;
            writeCells(*book, *sheet, start->firstRow, start->firstColumn, cells);
        }
    }
    book->switchWrapOff(book->activeWorksheet());

    const QString file = reserveExportFile(request.templateName, &error);
    if (file.isEmpty()) {
        failed(error);
        return outcome;
    }
    if (!book->save(file, &error)) {
        QFile::remove(file);
        failed(error);
        return outcome;
    }
    outcome.file = file;
    if (!DesktopOpener::instance().openUrl(QUrl::fromLocalFile(file)))
        failed(QStringLiteral("无法打开文件：%1").arg(file));
    return outcome;
}
