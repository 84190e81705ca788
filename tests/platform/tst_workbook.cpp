#include "cellrange.h"
#include "fixture.h"
#include "openpyxl.h"
#include "workbook.h"
#include "zipfile.h"

#include <QFile>
#include <QJsonArray>

class TestWorkbook : public VarnholtTestCase {
    Q_OBJECT

    QString file(const QString& name) const { return tempFolder() + QLatin1Char('/') + name; }

    static QVariantList values(std::initializer_list<QVariant> list) { return QVariantList(list); }

    // Values left to right from a cell, as an export writes a row.
    static void writeRow(Worksheet* sheet, int row, int column, const QVariantList& values)
    {
        for (qsizetype i = 0; i < values.size(); ++i)
            sheet->setValue(row, column + int(i), values[i]);
    }

private slots:
    void parsesRanges_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QList<int>>("corners");
        QTest::newRow("customer list") << "a1:m65536" << true << QList<int>{1, 1, 65536, 13};
        QTest::newRow("slip fields") << "B12:G18" << true << QList<int>{12, 2, 18, 7};
        QTest::newRow("one cell") << "a2" << true << QList<int>{2, 1, 2, 1};
        QTest::newRow("absolute") << "$N$1" << true << QList<int>{1, 14, 1, 14};
        QTest::newRow("corners swapped") << "m3:a1" << true << QList<int>{1, 1, 3, 13};
        QTest::newRow("last cell of a sheet") << "XFD1048576" << true << QList<int>{1048576, 16384, 1048576, 16384};
        QTest::newRow("empty") << "" << false << QList<int>{};
        QTest::newRow("row 0") << "A0" << false << QList<int>{};
        QTest::newRow("row first") << "1A" << false << QList<int>{};
        QTest::newRow("three corners") << "A1:B2:C3" << false << QList<int>{};
        QTest::newRow("open end") << "A1:" << false << QList<int>{};
        QTest::newRow("column past XFD") << "XFE1" << false << QList<int>{};
        QTest::newRow("row past the sheet") << "A1048577" << false << QList<int>{};
        QTest::newRow("blank inside") << "A 1" << false << QList<int>{};
        QTest::newRow("full-width letter") << "Ａ1" << false << QList<int>{};
    }

    void parsesRanges()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(QList<int>, corners);
        const auto range = CellRange::parse(text);
        QCOMPARE(range.has_value(), valid);
        if (valid)
            QCOMPARE((QList<int>{range->firstRow, range->firstColumn, range->lastRow, range->lastColumn}), corners);
    }

    void fillsASheetAmongTheTemplatesCells()
    {
        const QString source = file(QStringLiteral("模板.xlsx"));
        QVERIFY(Openpyxl::write(source, QStringLiteral(R"(
ws.title = '数据'
ws['A1'] = '旧表头'; ws['A1'].font = Font(bold=True)
ws['C3'] = 'old'; ws['C3'].number_format = '0.00'
ws['D2'].font = Font(bold=True)
ws['N1'] = '保留'
ws['B5'] = 7
ws['P4'] = '折行'; ws['P4'].alignment = Alignment(wrap_text=True)
other = wb.create_sheet('其他')
other['B2'] = '换行的字'; other['B2'].alignment = Alignment(wrap_text=True)
)")));
        QJsonObject before;
        QVERIFY(Openpyxl::read(source, &before));
        QCOMPARE(Openpyxl::cell(before, 0, QStringLiteral("C3")).value(QStringLiteral("v")).toString(), QStringLiteral("old"));
        QVERIFY(Openpyxl::cell(before, 0, QStringLiteral("P4")).value(QStringLiteral("wrap")).toBool());
        QFile original(source);
        QVERIFY(original.open(QIODevice::ReadOnly));
        const QByteArray originalBytes = original.readAll();
        original.close();

        auto book = Workbook::open(source);
        QVERIFY(book);
        Worksheet* sheet = book->worksheet(1);
        QVERIFY(sheet);
        sheet->clear(*CellRange::parse(QStringLiteral("A1:M4")));
        sheet->setValue(1, 1, QStringLiteral("编号"));
        // Written before row 2, and into a row of its own after the template's row 5.
        writeRow(sheet, 7, 2, values({QStringLiteral("七"), 7.5}));
        QVariantList wide;
        for (int column = 1; column <= 15; ++column)
            wide << (column == 3  ? QVariant()
                     : column % 2 ? QVariant(QStringLiteral("第%1列").arg(column))
                                  : QVariant(column * 1.5));
        writeRow(sheet, 2, 1, wide);
        book->switchWrapOff(book->activeWorksheet());
        const QString target = file(QStringLiteral("结果.xlsx"));
        QVERIFY(book->save(target));
        QVERIFY(original.open(QIODevice::ReadOnly));
        QCOMPARE(original.readAll(), originalBytes);

        QJsonObject after;
        QVERIFY(Openpyxl::read(target, &after));
        auto cell = [&](const char* reference) { return Openpyxl::cell(after, 0, QString::fromLatin1(reference)); };
        QCOMPARE(cell("A1").value(QStringLiteral("v")).toString(), QStringLiteral("编号"));
        QVERIFY(cell("A1").value(QStringLiteral("bold")).toBool());
        QCOMPARE(cell("A2").value(QStringLiteral("v")).toString(), QStringLiteral("第1列"));
        QCOMPARE(cell("A2").value(QStringLiteral("t")).toString(), QStringLiteral("s"));
        QCOMPARE(cell("B2").value(QStringLiteral("v")).toDouble(), 3.0);
        QCOMPARE(cell("B2").value(QStringLiteral("t")).toString(), QStringLiteral("n"));
        QVERIFY(cell("C2").isEmpty());
        QCOMPARE(cell("D2").value(QStringLiteral("v")).toDouble(), 6.0);
        QVERIFY(cell("D2").value(QStringLiteral("bold")).toBool());
        QCOMPARE(cell("N2").value(QStringLiteral("v")).toDouble(), 21.0);
        QCOMPARE(cell("O2").value(QStringLiteral("v")).toString(), QStringLiteral("第15列"));
        QVERIFY(cell("C3").value(QStringLiteral("v")).isNull());
        QCOMPARE(cell("C3").value(QStringLiteral("fmt")).toString(), QStringLiteral("0.00"));
        QCOMPARE(cell("N1").value(QStringLiteral("v")).toString(), QStringLiteral("保留"));
        QCOMPARE(cell("B5").value(QStringLiteral("v")).toDouble(), 7.0);
        QCOMPARE(cell("B7").value(QStringLiteral("v")).toString(), QStringLiteral("七"));
        QCOMPARE(cell("C7").value(QStringLiteral("v")).toDouble(), 7.5);
        QCOMPARE(cell("P4").value(QStringLiteral("v")).toString(), QStringLiteral("折行"));
        QCOMPARE(cell("P4").value(QStringLiteral("wrap")), QJsonValue(false));
        // The other sheet shares the wrapping format and keeps it.
        QVERIFY(Openpyxl::cell(after, 1, QStringLiteral("B2")).value(QStringLiteral("wrap")).toBool());

        const QJsonObject ordered = after.value(QStringLiteral("ordered")).toObject();
        QVERIFY(!ordered.isEmpty());
        for (const QString& part : ordered.keys())
            QVERIFY2(ordered.value(part).toBool(), qPrintable(part));
        const QJsonObject entriesBefore = before.value(QStringLiteral("entries")).toObject();
        const QJsonObject entriesAfter = after.value(QStringLiteral("entries")).toObject();
        QCOMPARE(entriesAfter.keys(), entriesBefore.keys());
        for (const char* untouched : {"xl/worksheets/sheet2.xml", "xl/sharedStrings.xml", "docProps/app.xml", "docProps/core.xml",
                                      "xl/theme/theme1.xml", "xl/_rels/workbook.xml.rels"})
            QVERIFY2(entriesAfter.value(QLatin1String(untouched)) == entriesBefore.value(QLatin1String(untouched)), untouched);
    }

    void valuesReadBackAsWritten_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QJsonValue>("expected");
        QTest::newRow("chinese") << QVariant(QStringLiteral("会员 客户")) << "s" << QJsonValue(QStringLiteral("会员 客户"));
        QTest::newRow("blanks kept") << QVariant(QStringLiteral("  两边  ")) << "s" << QJsonValue(QStringLiteral("  两边  "));
        QTest::newRow("markup") << QVariant(QStringLiteral("a<b>&\"c'")) << "s" << QJsonValue(QStringLiteral("a<b>&\"c'"));
        QTest::newRow("line feed") << QVariant(QStringLiteral("上\n下")) << "s" << QJsonValue(QStringLiteral("上\n下"));
        // Characters XML cannot carry, and a carriage return, go as _xHHHH_;
        // a literal escape gets its underscore escaped.
        QTest::newRow("control character") << QVariant(QStringLiteral("a\x01z")) << "s"
                                           << QJsonValue(QStringLiteral("a_x0001_z"));
        QTest::newRow("carriage return") << QVariant(QStringLiteral("a\r\nb")) << "s"
                                         << QJsonValue(QStringLiteral("a_x000D_\nb"));
        QTest::newRow("literal escape") << QVariant(QStringLiteral("_x0041_")) << "s"
                                        << QJsonValue(QStringLiteral("_x005F_x0041_"));
        QTest::newRow("digits as text") << QVariant(QStringLiteral("0012")) << "s" << QJsonValue(QStringLiteral("0012"));
        QTest::newRow("bytes") << QVariant(QByteArrayLiteral("\xe5\xad\x97")) << "s" << QJsonValue(QStringLiteral("字"));
        QTest::newRow("int") << QVariant(42) << "n" << QJsonValue(42);
        QTest::newRow("long long") << QVariant(qlonglong(12345678901)) << "n" << QJsonValue(12345678901.0);
        QTest::newRow("fraction") << QVariant(0.1) << "n" << QJsonValue(0.1);
        QTest::newRow("negative") << QVariant(-3.25) << "n" << QJsonValue(-3.25);
        QTest::newRow("large") << QVariant(1e20) << "n" << QJsonValue(1e20);
    }

    void valuesReadBackAsWritten()
    {
        QFETCH(QVariant, value);
        QFETCH(QString, type);
        QFETCH(QJsonValue, expected);
        const QString source = file(QStringLiteral("a.xlsx"));
        QVERIFY(Openpyxl::write(source, QStringLiteral("ws['A1'] = 'x'")));
        auto book = Workbook::open(source);
        QVERIFY(book);
        book->worksheet(1)->setValue(2, 3, value);
        QVERIFY(book->save(file(QStringLiteral("b.xlsx"))));
        QJsonObject after;
        QVERIFY(Openpyxl::read(file(QStringLiteral("b.xlsx")), &after));
        const QJsonObject cell = Openpyxl::cell(after, 0, QStringLiteral("C2"));
        QCOMPARE(cell.value(QStringLiteral("t")).toString(), type);
        if (type == QLatin1String("n"))
            QCOMPARE(cell.value(QStringLiteral("v")).toDouble(), expected.toDouble());
        else
            QCOMPARE(cell.value(QStringLiteral("v")).toString(), expected.toString());
    }

    void countsWorksheetsInTabOrder()
    {
        const QString source = file(QStringLiteral("tabs.xlsx"));
        QVERIFY(Openpyxl::write(source, QStringLiteral(R"(
from openpyxl.chart import BarChart, Reference
ws.title = '一'
ws['A1'] = 1
chart = BarChart()
chart.add_data(Reference(ws, min_col=1, min_row=1, max_row=1))
wb.create_chartsheet('图').add_chart(chart)
for name in ('二', '三', '四'):
    wb.create_sheet(name)
wb.active = 4
)")));
        auto book = Workbook::open(source);
        QVERIFY(book);
        QVERIFY(!book->worksheet(5));
        QVERIFY(!book->worksheet(0));
        QCOMPARE(book->activeWorksheet(), book->worksheet(4));
        book->worksheet(4)->setValue(1, 1, QStringLiteral("第四张"));
        QVERIFY(book->save(file(QStringLiteral("out.xlsx"))));
        QJsonObject after;
        QVERIFY(Openpyxl::read(file(QStringLiteral("out.xlsx")), &after));
        // openpyxl lists worksheets only: 一, 二, 三, 四.
        QCOMPARE(Openpyxl::cell(after, 3, QStringLiteral("A1")).value(QStringLiteral("v")).toString(), QStringLiteral("第四张"));
        QVERIFY(Openpyxl::cell(after, 2, QStringLiteral("A1")).isEmpty());
    }

    // A template saved by a spreadsheet program carries a calculation chain
    // that would name cleared formulas; it goes, and formulas are recomputed.
    void dropsTheCalculationChainAndRecomputesOnOpening()
    {
        const QString source = file(QStringLiteral("calc.xlsx"));
        QVERIFY(Openpyxl::write(source, QStringLiteral("ws['A1'] = 1; ws['A2'] = 2; ws['A3'] = '=SUM(A1:A2)'")));
        auto entries = ZipFile::read(source);
        QVERIFY(entries);
        for (ZipFile::Entry& entry : *entries) {
            if (entry.name == "[Content_Types].xml")
                entry.data.replace("</Types>", "<Override PartName=\"/xl/calcChain.xml\" ContentType=\"application/"
                                               "vnd.openxmlformats-officedocument.spreadsheetml.calcChain+xml\"/></Types>");
            if (entry.name == "xl/_rels/workbook.xml.rels")
                entry.data.replace("</Relationships>",
                                   "<Relationship Id=\"rIdChain\" Type=\"http://schemas.openxmlformats.org/"
                                   "officeDocument/2006/relationships/calcChain\" Target=\"calcChain.xml\"/></Relationships>");
            if (entry.name == "xl/workbook.xml") {
                const qsizetype start = entry.data.indexOf("<calcPr");
                QVERIFY(start > 0);
                entry.data.remove(start, entry.data.indexOf("/>", start) + 2 - start);
            }
        }
        entries->append(ZipFile::Entry{"xl/calcChain.xml",
                                       "<?xml version=\"1.0\"?><calcChain xmlns=\"http://schemas.openxmlformats.org/"
                                       "spreadsheetml/2006/main\"><c r=\"A3\" i=\"1\"/></calcChain>"});
        QVERIFY(ZipFile::write(source, *entries));

        auto book = Workbook::open(source);
        QVERIFY(book);
        book->worksheet(1)->clear(*CellRange::parse(QStringLiteral("A3")));
        const QString target = file(QStringLiteral("calc-out.xlsx"));
        QVERIFY(book->save(target));

        const auto saved = ZipFile::read(target);
        QVERIFY(saved);
        QByteArray workbook, relationships, types;
        for (const ZipFile::Entry& entry : *saved) {
            QVERIFY(entry.name != "xl/calcChain.xml");
            if (entry.name == "xl/workbook.xml")
                workbook = entry.data;
            if (entry.name == "xl/_rels/workbook.xml.rels")
                relationships = entry.data;
            if (entry.name == "[Content_Types].xml")
                types = entry.data;
        }
        QVERIFY(workbook.contains("<calcPr fullCalcOnLoad=\"1\"/></workbook>"));
        QVERIFY(!relationships.contains("calcChain"));
        QVERIFY(!types.contains("calcChain"));
        QJsonObject after;
        QVERIFY(Openpyxl::read(target, &after));
        QVERIFY(Openpyxl::cell(after, 0, QStringLiteral("A3")).isEmpty());
        QCOMPARE(Openpyxl::cell(after, 0, QStringLiteral("A2")).value(QStringLiteral("v")).toDouble(), 2.0);
    }

    void refusesWhatIsNoWorkbook_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("no file") << QByteArray();
        QTest::newRow("text") << QByteArrayLiteral("编号,名称\n");
        QTest::newRow("zip without a workbook") << QByteArrayLiteral("zip");
        QTest::newRow("cut short") << QByteArrayLiteral("half");
    }

    void refusesWhatIsNoWorkbook()
    {
        QFETCH(QByteArray, content);
        const QString path = file(QStringLiteral("坏.xlsx"));
        if (content == "zip") {
            QVERIFY(ZipFile::write(path, {{"readme.txt", "not a workbook"}}));
        } else if (content == "half") {
            QVERIFY(Openpyxl::write(path, QStringLiteral("ws['A1'] = 'x'")));
            QFile whole(path);
            QVERIFY(whole.open(QIODevice::ReadWrite));
            QVERIFY(whole.resize(whole.size() / 2));
        } else if (!content.isEmpty()) {
            QFile text(path);
            QVERIFY(text.open(QIODevice::WriteOnly));
            text.write(content);
        }
        QString error;
        QVERIFY(!Workbook::open(path, &error));
        QVERIFY(!error.isEmpty());
    }
};

VARNHOLT_TEST(TestWorkbook)
#include "tst_workbook.moc"
