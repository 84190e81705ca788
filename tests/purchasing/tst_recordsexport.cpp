#include "cellrange.h"
#include "desktop.h"
#include "fixture.h"
#include "openpyxl.h"
#include "paths.h"
#include "stockindrive.h"
#include "testfiles.h"

#include <QJsonArray>

using namespace RecordsDrive;

class TestRecordsExport : public VarnholtTestCase {
    Q_OBJECT
private slots:
    // The list as shown, under its ten headers, into the first sheet of data3.xls.
    void theListGoesToTheWorkbookAsShown()
    {
        const QString templatePath = Paths::deliveredFile(appPath(), QStringLiteral("data3.xls"));
        const QByteArray templateBytes = TestFiles::bytesOf(templatePath);
        QVERIFY(!templateBytes.isEmpty());
        save({.number = QStringLiteral("R0000001"), .difference = QStringLiteral("-2.5")});
        save({.number = QStringLiteral("R0000002"), .supplier = QStringLiteral("李四"), .remark = QStringLiteral("月初")});
        save({.number = QStringLiteral("R0000003")});
        auto* form = openRecords(QString(), QStringLiteral("小王"));
        control<QPushButton>(form, "ComExcel")->click();

        QCOMPARE(DesktopOpener::recorded().size(), 1);
        QJsonObject book;
        QVERIFY(Openpyxl::read(DesktopOpener::recorded().first().target, &book));
        // Texts as shown; the four money columns as numbers showing "0.00".
        QList<QStringList> cells;
        for (int row = 1; row <= 5; ++row) {
            QStringList line;
            for (int column = 1; column <= 12; ++column) {
                const QJsonObject cell = Openpyxl::cell(book, 0, CellRange::cellName(row, column));
                const QJsonValue value = cell.value(QStringLiteral("v"));
                const bool money = row > 1 && row < 5 && column >= 2 && column <= 5;
                if (money) {
                    QCOMPARE(cell.value(QStringLiteral("t")).toString(), QStringLiteral("n"));
                    QCOMPARE(cell.value(QStringLiteral("fmt")).toString(), QStringLiteral("0.00"));
                }
                line << (money ? QString::number(value.toDouble(), 'f', 2) : value.toVariant().toString());
            }
            cells << line;
        }
        QCOMPARE(cells,
                 (QList<QStringList>{
                     {"单据编号", "合计金额", "欠款金额", "还款金额", "尚欠金额", "操作员", "日期", "时间", "供应商", "备注", "",
                      ""},
                     {"R0000001", "10.00", "-2.50", "0.00", "-2.50", "管理员", "2024-03-05", "09:30:00", "张三", "-", "", ""},
                     {"R0000002", "10.00", "0.00", "0.00", "0.00", "管理员", "2024-03-05", "09:30:00", "李四", "月初", "", ""},
                     {"R0000003", "10.00", "0.00", "0.00", "0.00", "管理员", "2024-03-05", "09:30:00", "张三", "-", "", ""},
                     {"", "", "", "", "", "", "", "", "", "", "", ""}}));
        QCOMPARE(TestFiles::bytesOf(templatePath), templateBytes);
    }
};

VARNHOLT_TEST(TestRecordsExport)
#include "tst_recordsexport.moc"
