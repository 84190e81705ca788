#include "fixture.h"
#include "messagebox.h"
#include "salesrecordsdrive.h"

#include <QLabel>
#include <QPlainTextEdit>

using namespace SalesRecordsDrive;
using SlipBooks::pointsOf;
using SlipBooks::wholeBooks;

namespace {
const QString Number = QStringLiteral("C0000001");

// A sale of two lines (10.60) for 张三, brought by 李四 and sold by 小李, with
// a collection; each of the four people had 100 points before it. Its edit
// dialog is opened by a double-click and active.
QDialog* editTheSale(frmOutDetail** records)
{
    for (const char* name : {"张三", "李四", "王五", "赵六"})
        SlipBooks::putCustomer(QString::fromUtf8(name), QStringLiteral("100"));
    saveSale({.number = Number,
              .introducer = QStringLiteral("李四"),
              .salesman = QStringLiteral("小李"),
              .difference = QStringLiteral("-5"),
              .remark = QStringLiteral("旧备注"),
              .lines = {SlipBooks::salesLine(QStringLiteral("SP000001"), QStringLiteral("1"), QStringLiteral("5.6"),
                                             QStringLiteral("5.60"), QStringLiteral("3")),
                        SlipBooks::salesLine(QStringLiteral("SP000002"), QStringLiteral("1"), QStringLiteral("5"),
                                             QStringLiteral("5.00"), QStringLiteral("3"))}});
    SlipBooks::execute(QStringLiteral("insert into 出库单明细1 (单号, 还款金额) values (?, 2)"), {Number});
    *records = openSalesRecords();
    return openEditDialog(*records, 0, "frmOutDetail2");
}

QPlainTextEdit* remark(const QDialog* dialog) { return control<QPlainTextEdit>(dialog, "Text5"); }

QString points()
{
    QStringList all;
    for (const char* name : {"张三", "李四", "王五", "赵六"})
        all << pointsOf(QString::fromUtf8(name));
    return all.join(QLatin1Char('/'));
}
}

class TestFrmOutDetail2 : public VarnholtTestCase {
    Q_OBJECT
private slots:
    // The names change on the header and every line; the points the save gave
    // go from the old customer and introducer to the new ones.
    void theNamesChangeWithThePointsTheyCarry()
    {
        frmOutDetail* records = nullptr;
        QPointer<QDialog> dialog = editTheSale(&records);
        QVERIFY(dialog);
        QCOMPARE(points(), QStringLiteral("111/111/100/100"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("非数据信息修改"));
        QStringList labels;
        for (const char* label : {"Label6", "Label9", "Label1", "Label2", "Label12"})
            labels << control<QLabel>(dialog, label)->text();
        QCOMPARE(labels, (QStringList{"单据编号", "客      户", "业 务 员", "介 绍 人", "备      注"}));
        QCOMPARE(QStringList({text(dialog, "Text1"), text(dialog, "Text2"), text(dialog, "Text3"), text(dialog, "Text4"),
                              remark(dialog)->toPlainText()}),
                 (QStringList{"C0000001", "张三", "小李", "李四", "旧备注"}));
        QVERIFY(!control(dialog, "Text1")->isEnabled());
        QCOMPARE(focusedName(dialog), QStringLiteral("Text2"));

        fill(control(dialog, "Text2"), QStringLiteral("王五"));
        fill(control(dialog, "Text3"), {});
        fill(control(dialog, "Text4"), QStringLiteral("赵六"));
        remark(dialog)->setPlainText(QStringLiteral("新备注"));
        saveEdit(dialog);
        QCOMPARE(MessageBox::shownTexts(), QStringList{"修改成功。"});
        QCOMPARE(MessageBox::shown().last().title, QStringLiteral("提示"));
        QVERIFY(!dialog || !dialog->isVisible());

        QCOMPARE(storedSale(Number, QStringLiteral("客户, 业务员, 介绍人, 备注")), QStringLiteral("王五 | - | 赵六 | 新备注"));
        QCOMPARE(storedSaleLines(Number, QStringLiteral("客户, 业务员, 介绍人")),
                 (QStringList{"王五 | - | 赵六", "王五 | - | 赵六"}));
        QCOMPARE(points(), QStringLiteral("100/100/111/111"));
        QCOMPARE(SlipBooks::rowsOf(QStringLiteral("select 还款金额 from 出库单明细1 where 单号 = ?"), {Number}),
                 QStringList{"2"});
        QCOMPARE(rows(records, "ListView1").first().section(QStringLiteral(" | "), 8),
                 QStringLiteral("王五 | - | 赵六 | 新备注"));
    }

    void enterStepsOnFromEachFilledName()
    {
        frmOutDetail* records = nullptr;
        QDialog* dialog = editTheSale(&records);
        QVERIFY(dialog);
        fillAndEnter(dialog, "Text2", {});
        QCOMPARE(focusedName(dialog), QStringLiteral("Text2"));
        fillAndEnter(dialog, "Text2", QStringLiteral("王五"));
        QCOMPARE(focusedName(dialog), QStringLiteral("Text3"));
        QTest::keyClick(control(dialog, "Text3"), Qt::Key_Return);
        QCOMPARE(focusedName(dialog), QStringLiteral("Text4"));
        QTest::keyClick(control(dialog, "Text4"), Qt::Key_Return);
        QCOMPARE(focusedName(dialog), QStringLiteral("Text5"));
        QVERIFY(MessageBox::shown().isEmpty());
    }

    void aFailureInTheLinesLeavesTheHeaderAsItWas()
    {
        frmOutDetail* records = nullptr;
        QDialog* dialog = editTheSale(&records);
        QVERIFY(dialog);
        const QStringList before = wholeBooks();
        fill(control(dialog, "Text2"), QStringLiteral("王五"));
        Database::setFailureHook([](const QString& sql) -> std::optional<DbError> {
            if (sql.startsWith(QStringLiteral("update 出库单明细")))
                return DbError{10, QStringLiteral("disk I/O error")};
            return std::nullopt;
        });
        saveEdit(dialog);
        Database::setFailureHook({});
        QCOMPARE(MessageBox::shownTexts(), QStringList{"Error 10: disk I/O error"});
        QCOMPARE(wholeBooks(), before);
        QVERIFY(dialog->isVisible());
        QCOMPARE(rows(records, "ListView1").first().section(QStringLiteral(" | "), 8, 8), QStringLiteral("张三"));
    }
};

VARNHOLT_TEST(TestFrmOutDetail2)
#include "tst_frmoutdetail2.moc"
