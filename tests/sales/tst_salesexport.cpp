#include "cellrange.h"
#include "desktop.h"
#include "fixture.h"
#include "openpyxl.h"
#include "paths.h"
#include "salesrecordsdrive.h"
#include "testfiles.h"

#include <QDir>
#include <QJsonArray>
#include <QProcess>
#include <QStandardPaths>

using namespace SalesRecordsDrive;

namespace {
// Lines 1 … n: goods SP00000i, i bottles at 2.50.
QList<SlipLine> linesOf(int n)
{
    QList<SlipLine> lines;
    for (int i = 1; i <= n; ++i)
        lines << SlipBooks::salesLine(QStringLiteral("SP%1").arg(i, 6, 10, QLatin1Char('0')), QString::number(i),
                                      QStringLiteral("2.5"), QString::number(i * 2.5), QStringLiteral("1"));
    return lines;
}

QString valueOf(const QJsonObject& book, int sheet, int row, int column)
{
    return Openpyxl::cell(book, sheet, CellRange::cellName(row, column)).value(QStringLiteral("v")).toVariant().toString();
}

// Columns first to last of a row of the sheet, joined by " | ".
QString rowOf(const QJsonObject& book, int sheet, int row, int first = 1, int last = 6)
{
    QStringList cells;
    for (int column = first; column <= last; ++column)
        cells << valueOf(book, sheet, row, column);
    return cells.join(QStringLiteral(" | "));
}

// The workbook the last export handed to the desktop.
QJsonObject opened()
{
    QJsonObject book;
    if (DesktopOpener::recorded().isEmpty() || !Openpyxl::read(DesktopOpener::recorded().last().target, &book))
        QTest::qFail("no workbook was opened", __FILE__, __LINE__);
    return book;
}

// Prints the slip of a row of the records into 销售单.xls; its fourth sheet is sheet 3 of the read book.
QJsonObject printed(frmOutDetail* form, int row)
{
    clickRow(form, "ListView1", row);
    control<QPushButton>(form, "ComSell")->click();
    return opened();
}

constexpr int Slip = 3;

// The sum of a column's cells over rows first to last, as read back.
double sumOf(const QJsonObject& book, int column, int first, int last)
{
    double sum = 0;
    for (int row = first; row <= last; ++row)
        sum += Openpyxl::cell(book, Slip, CellRange::cellName(row, column)).value(QStringLiteral("v")).toDouble();
    return sum;
}

// A 28-line slip: its lines fill rows 21 to 48, the totals stand in row 49.
constexpr int LastLine = 48;
constexpr int Totals = 49;
}

class TestSalesExport : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void theListGoesToData2AsShown()
    {
        saveSale({.number = QStringLiteral("C0000001"), .difference = QStringLiteral("-2.5")});
        saveSale({.number = QStringLiteral("C0000002"),
                  .customer = QStringLiteral("李四"),
                  .salesman = QStringLiteral("小李"),
                  .remark = QStringLiteral("月初")});
        saveSale({.number = QStringLiteral("C0000003")});
        auto* form = openSalesRecords({}, QStringLiteral("小王"));
        control<QPushButton>(form, "ComExcel")->click();
        const QJsonObject book = opened();
        QCOMPARE(
            (QStringList{rowOf(book, 0, 1, 1, 13), rowOf(book, 0, 2, 1, 13), rowOf(book, 0, 3, 1, 13), rowOf(book, 0, 4, 1, 13),
                         rowOf(book, 0, 5, 1, 13)}),
            (QStringList{
                "单据编号 | 合计金额 | 欠款金额 | 还款金额 | 尚欠金额 | 操作员 | 日期 | 时间 | 客户 | 业务员 | 介绍人 | 备注 | ",
                "C0000001 | 10.6 | -2.5 | 0 | -2.5 | 管理员 | 2024-03-05 | 09:30:00 | 张三 | - | - | - | ",
                "C0000002 | 10.6 | 0 | 0 | 0 | 管理员 | 2024-03-05 | 09:30:00 | 李四 | 小李 | - | 月初 | ",
                "C0000003 | 10.6 | 0 | 0 | 0 | 管理员 | 2024-03-05 | 09:30:00 | 张三 | - | - | - | ",
                " |  |  |  |  |  |  |  |  |  |  |  | "}));
        // The money columns are numbers the spreadsheet shows to the cent.
        for (int row = 2; row <= 4; ++row) {
            for (int column = 2; column <= 5; ++column) {
                const QJsonObject cell = Openpyxl::cell(book, 0, CellRange::cellName(row, column));
                QCOMPARE(cell.value(QStringLiteral("t")).toString(), QStringLiteral("n"));
                QCOMPARE(cell.value(QStringLiteral("fmt")).toString(), QStringLiteral("0.00"));
            }
        }
    }

    void theSalesSlipTakesTheChosenSlipAndItsCustomer()
    {
        const QString templatePath = Paths::deliveredFile(appPath(), QStringLiteral("销售单.xls"));
        const QByteArray templateBytes = TestFiles::bytesOf(templatePath);
        QVERIFY(!templateBytes.isEmpty());
        SlipBooks::putCustomer(QStringLiteral("王五"), QStringLiteral("0"));
        SlipBooks::execute(
            QStringLiteral("update 客户 set 地址 = '东街 1 号', 联系人 = '王太太', 电话 = '555-0101' where 名称 = '王五'"));
        saveSale({.number = QStringLiteral("C0000001"),
                  .customer = QStringLiteral("王五"),
                  .salesman = QStringLiteral("小李"),
                  .lines = linesOf(5)});
        saveSale({.number = QStringLiteral("C0000002"),
                  .date = QStringLiteral("2024-03-05"),
                  .customer = QStringLiteral("-"),
                  .lines = linesOf(2)});
        auto* form = openSalesRecords();

        QJsonObject book = printed(form, 0);
        QStringList header;
        for (int row = 12; row <= 18; ++row)
            header << valueOf(book, Slip, row, 2);
        QCOMPARE(header, (QStringList{"小李", "王五", "东街 1 号", "王太太", "555-0101", "2024-03-05", "C0000001"}));
        QCOMPARE(rowOf(book, Slip, 21), QStringLiteral("商品SP000001 | 500ml | 瓶 | 1 | 2.5 | 2.5"));
        QCOMPARE(rowOf(book, Slip, 25), QStringLiteral("商品SP000005 | 500ml | 瓶 | 5 | 2.5 | 12.5"));
        for (int row = 26; row <= 46; ++row)
            QCOMPARE(rowOf(book, Slip, row), QStringLiteral(" |  |  |  |  | "));
        QCOMPARE(rowOf(book, Slip, 47, 4, 6), QStringLiteral("=SUM(D21:D46) |  | =SUM(F21:F46)"));

        // No customer: its cells stay empty; the slip has its own two lines.
        book = printed(form, 1);
        header.clear();
        for (int row = 12; row <= 18; ++row)
            header << valueOf(book, Slip, row, 2);
        QCOMPARE(header, (QStringList{"-", "", "", "", "", "2024-03-05", "C0000002"}));
        QCOMPARE(rowOf(book, Slip, 23), QStringLiteral(" |  |  |  |  | "));
        QCOMPARE(TestFiles::bytesOf(templatePath), templateBytes);
    }

    // Beyond the template's 26 lines the totals and signatures move down and sum every line.
    void aLongSlipPushesTheTotalsDown()
    {
        saveSale({.number = QStringLiteral("C0000001"), .lines = linesOf(30)});
        auto* form = openSalesRecords();
        const QJsonObject book = printed(form, 0);
        QCOMPARE(rowOf(book, Slip, 46), QStringLiteral("商品SP000026 | 500ml | 瓶 | 26 | 2.5 | 65"));
        QCOMPARE(rowOf(book, Slip, 50), QStringLiteral("商品SP000030 | 500ml | 瓶 | 30 | 2.5 | 75"));
        QCOMPARE(rowOf(book, Slip, 51), QStringLiteral("合  计 |  |  | =SUM(D21:D50) |  | =SUM(F21:F50)"));
        QCOMPARE(valueOf(book, Slip, 53, 1), QStringLiteral("客户签字："));
        QCOMPARE(Openpyxl::cell(book, Slip, QStringLiteral("D50")).value(QStringLiteral("fmt")).toString(),
                 Openpyxl::cell(book, Slip, QStringLiteral("D21")).value(QStringLiteral("fmt")).toString());
        const QJsonObject sheet = book.value(QStringLiteral("sheets")).toArray().at(Slip).toObject();
        QCOMPARE(sheet.value(QStringLiteral("printArea")).toString(), QStringLiteral("$A$1:$G$53"));
    }

    // The totals' stored results would be the template's, over none of the lines.
    void theTotalsKeepNoStaleResult()
    {
        saveSale({.number = QStringLiteral("C0000001"), .lines = linesOf(28)});
        const QJsonObject book = printed(openSalesRecords(), 0);
        QCOMPARE(rowOf(book, Slip, Totals), QStringLiteral("合  计 |  |  | =SUM(D21:D48) |  | =SUM(F21:F48)"));
        const QJsonObject sheet = book.value(QStringLiteral("sheets")).toArray().at(Slip).toObject();
        QCOMPARE(sheet.value(QStringLiteral("printArea")).toString(), QStringLiteral("$A$1:$G$51"));
        for (int column : {4, 6}) {
            const QString total = CellRange::cellName(Totals, column);
            const QJsonValue stored = Openpyxl::cell(book, Slip, total).value(QStringLiteral("stored"));
            const double sum = sumOf(book, column, 21, LastLine);
            QVERIFY(sum > 0);
            QVERIFY2(stored.isNull() || stored.toDouble() == sum, qPrintable(total));
        }
    }

    // The desktop's spreadsheet program, where installed, shows the lines' sums.
    void theSpreadsheetProgramShowsTheTotals()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty())
            QSKIP("soffice is not installed");
        saveSale({.number = QStringLiteral("C0000001"), .lines = linesOf(28)});
        const QJsonObject book = printed(openSalesRecords(), 0);
        const QString workbook = DesktopOpener::recorded().last().target;
        const QString out = QDir(tempFolder()).filePath(QStringLiteral("converted"));
        QVERIFY(QDir().mkpath(out));
        QProcess soffice;
        soffice.start(
            QStringLiteral("timeout"),
            {QStringLiteral("60"), QStringLiteral("soffice"), QStringLiteral("--headless"),
             QStringLiteral("-env:UserInstallation=file://%1/lo").arg(out), QStringLiteral("--convert-to"),
             QStringLiteral("csv:Text - txt - csv (StarCalc):59,34,76,1,,0,false,true,true,false,false,%1").arg(Slip + 1),
             QStringLiteral("--outdir"), out, workbook});
        QVERIFY(soffice.waitForFinished(90000));
        QCOMPARE(soffice.exitCode(), 0);
        const QStringList csv = QDir(out).entryList({QStringLiteral("*.csv")}, QDir::Files);
        QCOMPARE(csv.size(), 1);
        // The slip sheet alone is converted; its rows start at row 1.
        const QStringList rows = QString::fromUtf8(TestFiles::bytesOf(QDir(out).filePath(csv.first()))).split(QLatin1Char('\n'));
        QVERIFY(rows.size() >= Totals);
        QStringList totals = rows.at(Totals - 1).trimmed().split(QLatin1Char(';'));
        for (QString& field : totals)
            field.remove(QLatin1Char('"')).remove(QLatin1Char(','));
        QVERIFY2(totals.size() >= 6, qPrintable(rows.at(Totals - 1)));
        QCOMPARE(totals.at(0), QStringLiteral("合  计"));
        QCOMPARE(totals.at(3).toDouble(), sumOf(book, 4, 21, LastLine));
        QCOMPARE(totals.at(5).toDouble(), sumOf(book, 6, 21, LastLine));
    }

    // A shop's own template that is no Office Open XML workbook is named to
    // the user, and nothing is filled or opened.
    void anUnreadableTemplateIsTold_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("templateName");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("kind");
        const QByteArray binary = QByteArray::fromHex("d0cf11e0a1b11ae1") + QByteArray(504, '\0');
        const QString binaryKind = QStringLiteral("是旧的二进制格式的Excel工作簿");
        QTest::newRow("records, binary") << "ComExcel"
                                         << "data2.xls" << binary << binaryKind;
        QTest::newRow("printed slip, binary") << "ComSell"
                                              << "销售单.xls" << binary << binaryKind;
        QTest::newRow("printed slip, text") << "ComSell"
                                            << "销售单.xls" << QByteArray("单号,日期\n")
                                            << QStringLiteral("不是可读的Excel工作簿");
    }

    void anUnreadableTemplateIsTold()
    {
        QFETCH(QString, button);
        QFETCH(QString, templateName);
        QFETCH(QByteArray, content);
        QFETCH(QString, kind);
        const QString templatePath = QDir(appPath()).filePath(templateName);
        QVERIFY(TestFiles::writeFile(templatePath, content));
        saveSale({.number = QStringLiteral("C0000001")});
        auto* form = openSalesRecords();
        clickRow(form, "ListView1", 0);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        control<QPushButton>(form, button.toLatin1().constData())->click();
        QCOMPARE(MessageBox::shownTexts(),
                 QStringList{
                     QStringLiteral("模板文件[%1]%2，请将其另存为.xlsx格式的工作簿并保留原文件名。").arg(templatePath, kind)});
        QCOMPARE(MessageBox::shown().first().title, QStringLiteral("提示"));
        QVERIFY(DesktopOpener::recorded().isEmpty());
        QCOMPARE(QDir(QDir::tempPath()).entryList(QDir::Files), QStringList());
        QCOMPARE(TestFiles::bytesOf(templatePath), content);
    }

    void withoutAChosenSlipNothingIsPrinted()
    {
        saveSale({.number = QStringLiteral("C0000001")});
        auto* form = openSalesRecords();
        control<QPushButton>(form, "ComSell")->click();
        QVERIFY(DesktopOpener::recorded().isEmpty());
        QVERIFY(MessageBox::shown().isEmpty());
    }
};

VARNHOLT_TEST(TestSalesExport)
#include "tst_salesexport.moc"
