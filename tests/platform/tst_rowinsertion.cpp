#include "fixture.h"
#include "formulareferences.h"
#include "openpyxl.h"
#include "workbook.h"

#include <QJsonArray>

class TestRowInsertion : public VarnholtTestCase {
    Q_OBJECT

    QString file(const QString& name) const { return tempFolder() + QLatin1Char('/') + name; }

private slots:
    // Four rows copied below row 46 of the sheet 销售单.
    void formulasFollowTheInsertedRows_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("after");
        QTest::newRow("a sum over the area grows") << "SUM(D21:D46)"
                                                   << "SUM(D21:D50)";
        QTest::newRow("below moves, above stays") << "D47*2+F20"
                                                  << "D51*2+F20";
        QTest::newRow("absolute rows move too") << "$F$47+F$48"
                                                << "$F$51+F$52";
        QTest::newRow("the copied row alone stays") << "D46+SUM(D46:E46)"
                                                    << "D46+SUM(D46:E46)";
        QTest::newRow("a range from the row down grows") << "SUM(B46:B48)"
                                                         << "SUM(B46:B52)";
        QTest::newRow("a range below moves") << "SUM(A47:B49)"
                                             << "SUM(A51:B53)";
        QTest::newRow("whole rows") << "SUM(47:49)+SUM($21:$46)"
                                    << "SUM(51:53)+SUM($21:$50)";
        QTest::newRow("whole columns") << "SUM(D:D)"
                                       << "SUM(D:D)";
        QTest::newRow("texts are no references") << "\"D47\"&D47&\"say \"\"A50\"\"\""
                                                 << "\"D47\"&D51&\"say \"\"A50\"\"\"";
        QTest::newRow("functions and names") << "LOG10(D47)+TAX2+ROUND(D47,2)"
                                             << "LOG10(D51)+TAX2+ROUND(D51,2)";
        QTest::newRow("this sheet by name") << "销售单!D47+'销售单'!D47"
                                            << "销售单!D51+'销售单'!D51";
        QTest::newRow("other sheets stay") << "其他!D47+'it''s'!D47"
                                           << "其他!D47+'it''s'!D47";
        QTest::newRow("another workbook stays") << "[1]销售单!D47"
                                                << "[1]销售单!D47";
        QTest::newRow("a table's columns stay") << "SUM(表1[金额])+D47"
                                                << "SUM(表1[金额])+D51";
        QTest::newRow("past the last row stays") << "D1048575"
                                                 << "D1048575";
        QTest::newRow("numbers") << "1.5E+47*47"
                                 << "1.5E+47*47";
    }
    void formulasFollowTheInsertedRows()
    {
        QFETCH(QString, formula);
        QFETCH(QString, after);
        QCOMPARE(FormulaReferences::afterInsertion(formula, QStringLiteral("销售单"), RowInsertion{46, 4}), after);
    }

    void namesAndCopiesMoveTheirOwnWay()
    {
        const RowInsertion insertion{46, 4};
        // A defined name follows only references qualified with the sheet.
        QCOMPARE(FormulaReferences::afterInsertionInto(QStringLiteral("'销售单'!$A$1:$G$49"), QStringLiteral("销售单"),
                                                       insertion),
                 QStringLiteral("'销售单'!$A$1:$G$53"));
        QCOMPARE(FormulaReferences::afterInsertionInto(QStringLiteral("$A$1:$G$49"), QStringLiteral("销售单"), insertion),
                 QStringLiteral("$A$1:$G$49"));
        // A copy two rows down: its relative rows move, "$" rows stay.
        QCOMPARE(FormulaReferences::copiedDown(QStringLiteral("D46*$E$46+E$46+SUM(A$1:A46)"), 2),
                 QStringLiteral("D48*$E$46+E$46+SUM(A$1:A48)"));
    }

    void copiesOfARowPushTheRowsBelowDown()
    {
        const QString source = file(QStringLiteral("单.xlsx"));
        QVERIFY(Openpyxl::write(source, QStringLiteral(R"(
ws.title = '单'
for r in range(3, 6):
    ws.cell(r, 1, '行%d' % r)
    ws.cell(r, 2, r)
ws['A5'].font = Font(bold=True)
ws['B5'].number_format = '0.00'
ws.row_dimensions[5].height = 20
ws['C5'] = '=A5&"x"'
ws.merge_cells('D5:E5')
ws.merge_cells('F2:F5')
ws['A6'] = '合计'; ws['B6'] = '=SUM(B3:B5)'; ws['C6'] = '=B6*2'
ws.merge_cells('A8:C8'); ws['A8'] = '签字'
ws['G1'] = '=SUM(B3:B5)+单!B6'
ws.print_area = 'A1:F8'
)")));
        auto book = Workbook::open(source);
        QVERIFY(book);
        QVERIFY(!book->insertRowCopies(2, 5, 1));
        QVERIFY(book->insertRowCopies(1, 5, 2));
        const QString target = file(QStringLiteral("单-2.xlsx"));
        QVERIFY(book->save(target));

        QJsonObject after;
        QVERIFY(Openpyxl::read(target, &after));
        auto value = [&](const char* reference) {
            return Openpyxl::cell(after, 0, QString::fromLatin1(reference)).value(QStringLiteral("v")).toVariant().toString();
        };
        QStringList cells;
        for (const char* reference : {"A5", "B5", "C5", "A6", "B6", "C6", "A7", "C7", "A8", "B8", "C8", "A9", "A10", "G1"})
            cells << value(reference);
        QCOMPARE(cells, (QStringList{"行5", "5", "=A5&\"x\"", "行5", "5", "=A6&\"x\"", "行5", "=A7&\"x\"", "合计", "=SUM(B3:B7)",
                                     "=B8*2", "", "签字", "=SUM(B3:B7)+单!B8"}));
        for (const char* copy : {"A6", "A7"})
            QVERIFY(Openpyxl::cell(after, 0, QString::fromLatin1(copy)).value(QStringLiteral("bold")).toBool());
        QCOMPARE(Openpyxl::cell(after, 0, QStringLiteral("B7")).value(QStringLiteral("fmt")).toString(), QStringLiteral("0.00"));
        const QJsonObject sheet = after.value(QStringLiteral("sheets")).toArray().at(0).toObject();
        QCOMPARE(sheet.value(QStringLiteral("merged")).toVariant().toStringList(),
                 (QStringList{"A10:C10", "D5:E5", "D6:E6", "D7:E7", "F2:F7"}));
        const QJsonObject heights = sheet.value(QStringLiteral("heights")).toObject();
        QCOMPARE((QList<double>{heights.value("5").toDouble(), heights.value("6").toDouble(), heights.value("7").toDouble()}),
                 (QList<double>{20, 20, 20}));
        QCOMPARE(sheet.value(QStringLiteral("printArea")).toString(), QStringLiteral("$A$1:$F$10"));
        QCOMPARE(
            after.value(QStringLiteral("dimensions")).toObject().value(QStringLiteral("xl/worksheets/sheet1.xml")).toString(),
            QStringLiteral("A1:G10"));
        QVERIFY(after.value(QStringLiteral("ordered")).toObject().value(QStringLiteral("xl/worksheets/sheet1.xml")).toBool());
    }

    void rowsThatWouldLeaveTheSheetAreNotInserted()
    {
        const QString source = file(QStringLiteral("底.xlsx"));
        QVERIFY(Openpyxl::write(source, QStringLiteral("ws['A3'] = 'x'; ws['A1048575'] = '=A3'")));
        auto book = Workbook::open(source);
        QVERIFY(book);
        QVERIFY(!book->insertRowCopies(1, 3, 2));
        QVERIFY(book->insertRowCopies(1, 3, 1));
        QVERIFY(book->save(file(QStringLiteral("底-2.xlsx"))));
        QJsonObject after;
        QVERIFY(Openpyxl::read(file(QStringLiteral("底-2.xlsx")), &after));
        QCOMPARE(Openpyxl::cell(after, 0, QStringLiteral("A1048576")).value(QStringLiteral("v")).toString(),
                 QStringLiteral("=A3"));
    }
};

VARNHOLT_TEST(TestRowInsertion)
#include "tst_rowinsertion.moc"
