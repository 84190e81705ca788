#pragma once
#include "worksheet.h"
#include "xmlpart.h"
#include "zipfile.h"

#include <QString>
#include <map>
#include <memory>
#include <optional>

// An Office Open XML workbook, its template read whole into memory: its
// worksheets are filled through Worksheet and the result saved as a new file,
// rows streamed into a sheet written as they are made. Parts that nothing
// touched are written back byte for byte; the source file is only read. A
// worksheet that was changed is saved without its formulas' stored results,
// so the spreadsheet program computes every formula over the new values.
class Workbook {
public:
    static std::unique_ptr<Workbook> open(const QString& path, QString* error = nullptr);
    // Whether the file is a workbook in the old binary format, known by its
    // content whatever its name; such a file is never opened.
    static bool isBinaryFormat(const QString& path);

    // Worksheets by number from 1, in tab order; chart sheets are not counted.
    Worksheet* worksheet(int number);
    // The sheet the workbook was saved showing; null when that is a chart sheet.
    Worksheet* activeWorksheet();
    // Inserts count copies of a row of a worksheet right below it, as
    // Worksheet::insertRowCopies does; the workbook's names (a print area)
    // that refer to the sheet follow too.
    bool insertRowCopies(int number, int row, int count);
    // Switches text wrapping off on every cell of the sheet. Formats other
    // sheets share are copied, so their cells keep wrapping.
    void switchWrapOff(Worksheet* sheet);
    // A cell format (an index into cellXfs) like the given one but showing
    // numbers in a built-in number format (1 "0", 2 "0.00", 9 "0%"); the
    // format itself when it already does or the workbook has no cell formats.
    int withNumberFormat(int format, int numberFormat);

    bool save(const QString& path, QString* error = nullptr);

private:
    struct Sheet {
        QString part;
        QString name;
        bool isWorksheet;
    };

    Workbook() = default;
    qsizetype entryIndex(const QString& part) const;
    std::optional<XmlPart> readPart(const QString& part) const;
    Worksheet* sheetAt(qsizetype tab);
    qsizetype tabOfWorksheet(int number) const;
    void markForRecalculation();

    QList<ZipFile::Entry> m_entries;
    QString m_workbookPart;
    QString m_relationshipsPart;
    QString m_stylesPart;
    std::optional<XmlPart> m_workbook;
    std::optional<XmlPart> m_relationships;
    std::optional<XmlPart> m_contentTypes;
    std::optional<XmlPart> m_styles;
    QList<Sheet> m_sheets; // tab order
    qsizetype m_activeTab = 0;
    std::map<QString, std::unique_ptr<Worksheet>> m_loaded;
    QList<QString> m_removedParts;
    std::map<std::pair<int, int>, int> m_numberFormats; // (format, number format) → format
};
