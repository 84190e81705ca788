#include "cellrange.h"
#include "fixture.h"
#include "listexport.h"
#include "openpyxl.h"

class TestListExport : public VarnholtTestCase {
    Q_OBJECT
private slots:
    // Figures go as numbers in the format the list shows them, texts as
    // texts; the hidden cost column is neither written nor counted, so the
    // clearing stops at the last shown column.
    void writesTheShownColumnsFiguresAsNumbers()
    {
        QVERIFY(Openpyxl::write(appPath() + QStringLiteral("/data3.xls"), QStringLiteral(R"(
ws['D9'] = '上次的'
ws['E9'] = '店里的'
)")));
        RecordTableModel list({textColumn(QStringLiteral("名称"), 1000), figureColumn(QStringLiteral("金额"), 1000),
                               figureColumn(QStringLiteral("成本"), 0),
                               figureColumn(QStringLiteral("数量"), 1000, CellFormat::Whole),
                               figureColumn(QStringLiteral("毛利率"), 1000, CellFormat::Percent)});
        list.setRows({{QStringLiteral("苹果"), 24, 7.25, 3, 22.5}, {QStringLiteral("梨"), QStringLiteral("1234.5"), 1, 0, -3}});
        const ExportOutcome outcome = ExportToExcel(ShownListExport(QStringLiteral("data3.xls"), list));
        QCOMPARE(outcome.error, QString());

        QJsonObject book;
        QVERIFY(Openpyxl::read(outcome.file, &book));
        struct Expected {
            const char* cell;
            QVariant value;
            const char* type;
            const char* format;
        };
        const Expected cells[] = {
            {"A1", QStringLiteral("名称"), "s", "General"},
            {"B1", QStringLiteral("金额"), "s", "General"},
            {"C1", QStringLiteral("数量"), "s", "General"},
            {"D1", QStringLiteral("毛利率"), "s", "General"},
            {"A2", QStringLiteral("苹果"), "s", "General"},
            {"B2", 24.0, "n", "0.00"},
            {"C2", 3.0, "n", "0"},
            {"D2", 0.23, "n", "0%"},
            {"A3", QStringLiteral("梨"), "s", "General"},
            {"B3", 1234.5, "n", "0.00"},
            {"C3", 0.0, "n", "0"},
            {"D3", -0.03, "n", "0%"},
            {"E9", QStringLiteral("店里的"), "s", "General"},
        };
        for (const Expected& expected : cells) {
            const QJsonObject cell = Openpyxl::cell(book, 0, QString::fromLatin1(expected.cell));
            QCOMPARE(cell.value(QStringLiteral("t")).toString(), QString::fromLatin1(expected.type));
            QCOMPARE(cell.value(QStringLiteral("fmt")).toString(), QString::fromLatin1(expected.format));
            if (expected.value.typeId() == QMetaType::Double)
                QCOMPARE(cell.value(QStringLiteral("v")).toDouble(), expected.value.toDouble());
            else
                QCOMPARE(cell.value(QStringLiteral("v")).toString(), expected.value.toString());
        }
        for (const char* empty : {"E1", "E2", "E3", "D9"})
            QVERIFY2(Openpyxl::cell(book, 0, QString::fromLatin1(empty)).value(QStringLiteral("v")).toVariant().isNull(), empty);
    }
};

VARNHOLT_TEST(TestListExport)
#include "tst_listexport.moc"
