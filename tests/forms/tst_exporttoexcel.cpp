#include "cellrange.h"
#include "desktop.h"
#include "exporttoexcel.h"
#include "fixture.h"
#include "longworkshown.h"
#include "openpyxl.h"
#include "paths.h"
#include "workbook.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QProcess>

class TestExportToExcel : public VarnholtTestCase {
    Q_OBJECT

    static QByteArray digest(const QString& path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
    }

    static QStringList customerHeaders()
    {
        return {QStringLiteral("编号"),     QStringLiteral("积分"),     QStringLiteral("名称"),   QStringLiteral("电话"),
                QStringLiteral("传真"),     QStringLiteral("地址"),     QStringLiteral("联系人"), QStringLiteral("QQ号码"),
                QStringLiteral("开户银行"), QStringLiteral("银行帐号"), QStringLiteral("备注"),   QStringLiteral("维护日期"),
                QStringLiteral("拼音码")};
    }

    static QJsonValue value(const QJsonObject& book, int sheet, const QString& reference)
    {
        return Openpyxl::cell(book, sheet, reference).value(QStringLiteral("v"));
    }

private slots:
    // A list of 100,000 rows in a process of its own: what the export adds to
    // the peak stays far below what holding the rows as cells takes (some
    // kilobytes a row), and the workbook holds every row.
    void aLongListStreamsWithinBoundedMemory()
    {
        QVERIFY(QFile::copy(Paths::deliveredDir() + QStringLiteral("/data2.xls"), appPath() + QStringLiteral("/data2.xls")));
        QProcess child;
        child.start(QStringLiteral(EXPORT_MEMORY_CHILD), {appPath(), QStringLiteral("100000")});
        QVERIFY(child.waitForFinished(90000));
        QCOMPARE(child.exitCode(), 0);
        const QStringList printed = QString::fromUtf8(child.readAllStandardOutput()).trimmed().split(QLatin1Char(' '));
        QCOMPARE(printed.size(), 3);
        const qint64 addedKb = printed[1].toLongLong() - printed[0].toLongLong();
#ifdef __SANITIZE_ADDRESS__
        // The sanitizer's allocator keeps freed blocks aside: the peak measures it, not the export.
        qInfo("the memory bound is not checked under AddressSanitizer (%lld kB added)", addedKb);
#else
        QVERIFY2(printed[0].toLongLong() > 0 && addedKb < 48 * 1024, qPrintable(printed.join(QLatin1Char(' '))));
#endif

        int rows = 0;
        double sum = 0;
        QVERIFY(Openpyxl::columnTotal(printed[2], 1, &rows, &sum));
        QCOMPARE(rows, 100000);
        QCOMPARE(sum, 49975000.0);
    }

    // The export shows what it does until the workbook is handed on.
    void anExportShowsWhatItDoes()
    {
        struct Watching : DesktopOpener {
            QString shown = QStringLiteral("(not opened)");
            bool openUrl(const QUrl&) override
            {
                shown = longWorkShown();
                return true;
            }
            bool startProgram(const QString&, const QStringList&) override { return true; }
        };
        auto watching = std::make_unique<Watching>();
        Watching* opener = watching.get();
        DesktopOpener::install(std::move(watching));
        ExcelExport request;
        request.templateName = QStringLiteral("data2.xls");
        request.data = {ExportCells::cell(QStringLiteral("A2"), QStringLiteral("C0000001"))};
        const ExportOutcome outcome = ExportToExcel(request);
        const QString shown = opener->shown;
        DesktopOpener::installRecorder();
        QCOMPARE(outcome.error, QString());
        QCOMPARE(shown, QStringLiteral("正在导出……"));
        QCOMPARE(longWorkShown(), QString());
        QVERIFY(!QApplication::overrideCursor());
    }

    // The customer export: the shop's own data.xls, the range "a1:m65536",
    // 13 list headers and a query of 14 columns copied from a2.
    void copiesAQueryUnderTheListHeaders()
    {
        const QString templatePath = appPath() + QStringLiteral("/data.xls");
        QVERIFY(Openpyxl::write(templatePath, QStringLiteral(R"(
ws.title = '客户'
for col in range(1, 14):
    ws.cell(row=1, column=col, value='旧').font = Font(bold=True)
ws['N1'] = '五笔码'
ws['A5'] = '上次的数据'; ws['A5'].font = Font(bold=True)
ws['M4'].number_format = '0.00'
wb.create_sheet('店里的备注')['A1'] = '不动'
)")));
        QJsonObject before;
        QVERIFY(Openpyxl::read(templatePath, &before));
        QCOMPARE(value(before, 0, QStringLiteral("N1")).toString(), QStringLiteral("五笔码"));
        QCOMPARE(value(before, 0, QStringLiteral("A5")).toString(), QStringLiteral("上次的数据"));
        QVERIFY(Openpyxl::cell(before, 0, QStringLiteral("A5")).value(QStringLiteral("bold")).toBool());
        QCOMPARE(Openpyxl::cell(before, 0, QStringLiteral("M4")).value(QStringLiteral("fmt")).toString(), QStringLiteral("0.00"));
        const QByteArray templateDigest = digest(templatePath);

        ExportTable customers;
        for (const QString& column : customerHeaders())
            customers.columns << (column == QLatin1String("银行帐号") ? QStringLiteral("帐号") : column);
        customers.columns << QStringLiteral("五笔码");
        customers.rows = {
            {QStringLiteral("KH000001"), 12.6, QStringLiteral("王小明"), QStringLiteral("13800138000"), QVariant(),
             QStringLiteral("北京路1号"), QStringLiteral("王"), QStringLiteral("12345"), QStringLiteral("工商银行"),
             QStringLiteral("6222 0000"), QStringLiteral("老客户"), QStringLiteral("2024-03-05"), QStringLiteral("WXM"),
             QStringLiteral("GIJ")},
            {QStringLiteral("KH000002"), qlonglong(0), QStringLiteral("李四"), QVariant(), QVariant(), QVariant(), QVariant(),
             QVariant(), QVariant(), QVariant(), QVariant(), QStringLiteral("2024-04-01"), QStringLiteral("LS"),
             QStringLiteral("SL")},
        };
        ExcelExport request;
        request.templateName = QStringLiteral("data.xls");
        request.clearRanges = {QStringLiteral("a1:m65536")};
        request.headers = customerHeaders();
        request.data = {ExportCells::query(customers)};
        const ExportOutcome outcome = ExportToExcel(request);

        QCOMPARE(outcome.error, QString());
        QVERIFY(QFileInfo::exists(outcome.file));
        QCOMPARE(QFileInfo(outcome.file).absolutePath(), QFileInfo(QDir::tempPath()).absoluteFilePath());
        const auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser;
        QCOMPARE(QFile::permissions(outcome.file), ownerOnly);
        QCOMPARE(DesktopOpener::recorded().size(), 1);
        QCOMPARE(DesktopOpener::recorded().at(0).target, outcome.file);
        QCOMPARE(digest(templatePath), templateDigest);

        QJsonObject after;
        QVERIFY(Openpyxl::read(outcome.file, &after));
        QCOMPARE(after.value(QStringLiteral("sheets")).toArray().at(1).toObject().value(QStringLiteral("name")).toString(),
                 QStringLiteral("店里的备注"));
        for (int column = 1; column <= 13; ++column) {
            const QString reference = CellRange::cellName(1, column);
            QCOMPARE(value(after, 0, reference).toString(), customerHeaders().at(column - 1));
            QVERIFY2(Openpyxl::cell(after, 0, reference).value(QStringLiteral("bold")).toBool(), qPrintable(reference));
        }
        QCOMPARE(value(after, 0, QStringLiteral("N1")).toString(), QStringLiteral("五笔码"));
        for (int row = 0; row < 2; ++row) {
            for (int column = 0; column < 14; ++column) {
                const QVariant expected = customers.rows[row][column];
                const QJsonObject cell = Openpyxl::cell(after, 0, CellRange::cellName(row + 2, column + 1));
                const QByteArray where = CellRange::cellName(row + 2, column + 1).toLatin1();
                if (expected.isNull()) {
                    QVERIFY2(cell.value(QStringLiteral("v")).toVariant().isNull(), where);
                } else if (expected.typeId() == QMetaType::QString) {
                    QCOMPARE(cell.value(QStringLiteral("t")).toString(), QStringLiteral("s"));
                    QCOMPARE(cell.value(QStringLiteral("v")).toString(), expected.toString());
                } else {
                    QCOMPARE(cell.value(QStringLiteral("t")).toString(), QStringLiteral("n"));
                    QCOMPARE(cell.value(QStringLiteral("v")).toDouble(), expected.toDouble());
                }
            }
        }
        // Cleared below the data: the values go, the formats stay.
        QVERIFY(value(after, 0, QStringLiteral("A5")).isNull());
        QVERIFY(Openpyxl::cell(after, 0, QStringLiteral("A5")).value(QStringLiteral("bold")).toBool());
        QCOMPARE(Openpyxl::cell(after, 0, QStringLiteral("M4")).value(QStringLiteral("fmt")).toString(), QStringLiteral("0.00"));
        const QJsonObject ordered = after.value(QStringLiteral("ordered")).toObject();
        for (const QString& part : ordered.keys())
            QVERIFY2(ordered.value(part).toBool(), qPrintable(part));
        const QJsonObject entriesBefore = before.value(QStringLiteral("entries")).toObject();
        const QJsonObject entriesAfter = after.value(QStringLiteral("entries")).toObject();
        QCOMPARE(entriesAfter.keys(), entriesBefore.keys());
        for (const char* untouched : {"xl/worksheets/sheet2.xml", "xl/sharedStrings.xml", "xl/styles.xml", "docProps/app.xml"})
            QVERIFY2(entriesAfter.value(QLatin1String(untouched)) == entriesBefore.value(QLatin1String(untouched)), untouched);

        // The next export starts from the template again, into a file of its own.
        const ExportOutcome second = ExportToExcel(request);
        QVERIFY(!second.file.isEmpty());
        QVERIFY(second.file != outcome.file);
        QVERIFY(QFileInfo::exists(outcome.file));
        QCOMPARE(digest(templatePath), templateDigest);
        QCOMPARE(DesktopOpener::recorded().size(), 2);
    }

    // The sales quantity export: the grid, header row included, from row 1;
    // nothing cleared; the delivered template, which stays where it is.
    void writesAGridCellByCellFromRowOne()
    {
        QVERIFY(!QFileInfo::exists(appPath() + QStringLiteral("/data6.xls")));
        const QList<QVariantList> grid = {{QStringLiteral("商品名称"), QStringLiteral("销量")},
                                          {QStringLiteral("苹果"), 12},
                                          {QStringLiteral("梨"), 0},
                                          {QStringLiteral("香蕉"), 2.5}};
        ExcelExport request;
        request.templateName = QStringLiteral("data6.xls");
        request.data = {ExportCells{QStringLiteral("A1"), grid}};
        request.skipFailures = false;
        const ExportOutcome outcome = ExportToExcel(request);
        QCOMPARE(outcome.error, QString());
        QVERIFY(!QFileInfo::exists(appPath() + QStringLiteral("/data6.xls")));

        QJsonObject after;
        QVERIFY(Openpyxl::read(outcome.file, &after));
        for (int row = 0; row < grid.size(); ++row) {
            QCOMPARE(value(after, 0, CellRange::cellName(row + 1, 1)).toString(), grid[row][0].toString());
            const QJsonValue second = value(after, 0, CellRange::cellName(row + 1, 2));
            if (row == 0)
                QCOMPARE(second.toString(), grid[row][1].toString());
            else
                QCOMPARE(second.toDouble(), grid[row][1].toDouble());
        }
        QVERIFY(value(after, 0, QStringLiteral("A5")).isUndefined());
    }

    // The printed sales slip: sheet 4 of the delivered 销售单.xls.
    void fillsTheFourthSheetOfTheSalesSlip()
    {
        ExcelExport request;
        request.templateName = QStringLiteral("销售单.xls");
        request.sheet = 4;
        request.clearRanges = {QStringLiteral("A21:F46"), QStringLiteral("B12:G18")};
        request.data = {
            ExportCells::cell(QStringLiteral("B18"), QStringLiteral("C0000001")),
            ExportCells::cell(QStringLiteral("B17"), QStringLiteral("2024-03-05")),
            ExportCells::cell(QStringLiteral("B12"), QStringLiteral("张业务")),
            ExportCells{QStringLiteral("B13"),
                        {{QStringLiteral("王小明")},
                         {QStringLiteral("北京路1号")},
                         {QStringLiteral("王")},
                         {QStringLiteral("13800138000")}}},
            ExportCells{QStringLiteral("A21"),
                        {{QStringLiteral("苹果"), QStringLiteral("500g"), QStringLiteral("袋"), 2, 3.5, 7},
                         {QStringLiteral("梨"), QString(), QStringLiteral("个"), 1, 1.25, 1.25}}},
        };
        const ExportOutcome outcome = ExportToExcel(request);
        QCOMPARE(outcome.error, QString());

        QJsonObject after;
        QVERIFY(Openpyxl::read(outcome.file, &after));
        QCOMPARE(after.value(QStringLiteral("active")).toInt(), 3);
        const QList<std::pair<const char*, QJsonValue>> expected = {{"B12", QStringLiteral("张业务")},
                                                                    {"B13", QStringLiteral("王小明")},
                                                                    {"B14", QStringLiteral("北京路1号")},
                                                                    {"B15", QStringLiteral("王")},
                                                                    {"B16", QStringLiteral("13800138000")},
                                                                    {"B17", QStringLiteral("2024-03-05")},
                                                                    {"B18", QStringLiteral("C0000001")},
                                                                    {"A21", QStringLiteral("苹果")},
                                                                    {"B21", QStringLiteral("500g")},
                                                                    {"C21", QStringLiteral("袋")},
                                                                    {"D21", 2},
                                                                    {"E21", 3.5},
                                                                    {"F21", 7},
                                                                    {"A22", QStringLiteral("梨")},
                                                                    {"D22", 1},
                                                                    {"E22", 1.25},
                                                                    {"F22", 1.25}};
        for (const auto& [reference, wanted] : expected)
            QVERIFY2(value(after, 3, QLatin1String(reference)) == wanted, reference);
        QVERIFY(value(after, 3, QStringLiteral("B22")).isNull());
        QVERIFY(value(after, 3, QStringLiteral("A23")).isNull());
        // The template's labels and totals stay beside what was filled.
        QCOMPARE(value(after, 3, QStringLiteral("A18")).toString(), QStringLiteral("单据编号："));
        QCOMPARE(value(after, 3, QStringLiteral("A20")).toString(), QStringLiteral("商品名称"));
        QCOMPARE(value(after, 3, QStringLiteral("F47")).toString(), QStringLiteral("=SUM(F21:F46)"));
        QCOMPARE(Openpyxl::cell(after, 3, QStringLiteral("F21")).value(QStringLiteral("fmt")).toString(), QStringLiteral("0.00"));
        // Wrapping goes off on the filled sheet only; the guide keeps its paragraphs.
        QVERIFY(Openpyxl::cell(after, 0, QStringLiteral("A3")).value(QStringLiteral("wrap")).toBool());
    }

    void passesFailuresOverOrStops_data()
    {
        QTest::addColumn<QString>("templateName");
        QTest::addColumn<int>("sheet");
        QTest::addColumn<QString>("range");
        QTest::addColumn<bool>("skipFailures");
        QTest::addColumn<bool>("opened");
        QTest::newRow("no template") << "data9.xls" << 1 << "a1:m65536" << true << false;
        QTest::newRow("no template, strict") << "data9.xls" << 1 << "a1:m65536" << false << false;
        QTest::newRow("bad range passed over") << "data5.xls" << 1 << "a1:m" << true << true;
        QTest::newRow("bad range stops") << "data5.xls" << 1 << "a1:m" << false << false;
        QTest::newRow("no such sheet passed over") << "data5.xls" << 2 << "a1:m65536" << true << true;
        QTest::newRow("no such sheet stops") << "data5.xls" << 2 << "a1:m65536" << false << false;
    }

    void passesFailuresOverOrStops()
    {
        QFETCH(QString, templateName);
        QFETCH(int, sheet);
        QFETCH(QString, range);
        QFETCH(bool, skipFailures);
        QFETCH(bool, opened);
        ExcelExport request;
        request.templateName = templateName;
        request.sheet = sheet;
        request.clearRanges = {range};
        request.headers = {QStringLiteral("商品类别")};
        request.data = {ExportCells::query({{QStringLiteral("类别")}, {{QStringLiteral("水果")}}})};
        request.skipFailures = skipFailures;
        const ExportOutcome outcome = ExportToExcel(request);
        QVERIFY(!outcome.error.isEmpty());
        QCOMPARE(DesktopOpener::recorded().size(), opened ? 1 : 0);
        QCOMPARE(!outcome.file.isEmpty(), opened);
        QCOMPARE(QDir(QDir::tempPath()).entryList(QDir::Files).size(), opened ? 1 : 0);
        if (opened && sheet == 1) {
            QJsonObject after;
            QVERIFY(Openpyxl::read(outcome.file, &after));
            QCOMPARE(value(after, 0, QStringLiteral("A2")).toString(), QStringLiteral("水果"));
        }
    }

    void everyTemplateIsDeliveredAndOpens_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("sheet");
        for (const char* name : {"data.xls", "data2.xls", "data3.xls", "data4.xls", "data5.xls", "data6.xls"})
            QTest::newRow(name) << QString::fromUtf8(name) << 1;
        QTest::newRow("sales slip") << QStringLiteral("销售单.xls") << 4;
    }

    void everyTemplateIsDeliveredAndOpens()
    {
        QFETCH(QString, name);
        QFETCH(int, sheet);
        auto book = Workbook::open(Paths::deliveredDir() + QLatin1Char('/') + name);
        QVERIFY(book);
        QVERIFY(book->worksheet(sheet));
        QCOMPARE(book->activeWorksheet(), book->worksheet(sheet));
    }

    // The points template heads its columns as the export does.
    void pointsTemplateHeadsItsColumns()
    {
        QJsonObject book;
        QVERIFY(Openpyxl::read(Paths::deliveredDir() + QStringLiteral("/data4.xls"), &book));
        QCOMPARE(value(book, 0, QStringLiteral("A1")).toString(), QStringLiteral("客户"));
        QCOMPARE(value(book, 0, QStringLiteral("B1")).toString(), QStringLiteral("积分"));
    }
};

VARNHOLT_TEST(TestExportToExcel)
#include "tst_exporttoexcel.moc"
