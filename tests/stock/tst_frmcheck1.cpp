#include "clock.h"
#include "fixture.h"
#include "frmCheck1.h"
#include "messagebox.h"
#include "recordgrid.h"
#include "slipentrydrive.h"

#include <QDateEdit>
#include <QPointer>
#include <QRadioButton>

using namespace SlipEntryDrive;
using SlipBooks::rowsOf;

namespace {
const QString Cola = QStringLiteral("SP000001");

// 盘前, 盘后, 盈亏, 单价 and 金额 of each line.
QStringList countFigures(const QWidget* form)
{
    QStringList figures;
    for (const QString& row : rows(form, "ListView1"))
        figures << row.split(QStringLiteral(" | ")).mid(4, 5).join(QStringLiteral(" / "));
    return figures;
}

// Loads a goods by its code, then types its count and price, each with Enter.
void countLine(const QWidget* form, const QString& code, const QString& counted, const QString& price)
{
    fillAndEnter(form, "TextName", code);
    fillAndEnter(form, "TextQty2", counted);
    fillAndEnter(form, "TextPrice", price);
}
}

class TestFrmCheck1 : public VarnholtTestCase {
    Q_OBJECT

    // A goods with 10 in stock at a purchase price of 2, and the stocktaking slip.
    frmCheck1* openCounting(const QString& operatorName = QStringLiteral("管理员"))
    {
        putGoods(Cola, QStringLiteral("可乐"), QStringLiteral("KL"), {}, QStringLiteral("2"));
        SlipBooks::putStock(Cola, QStringLiteral("10"), QStringLiteral("25"), QStringLiteral("2.5"));
        auto* form = open<frmCheck1>({}, operatorName);
        // Goods are searched by their pinyin code.
        control<QRadioButton>(form, "Option1")->click();
        return form;
    }

private slots:
    void aCountPastTheBoxAddsNoLine()
    {
        auto* form = openCounting();
        const QStringList before = SlipBooks::wholeBooks();
        fillAndEnter(form, "TextName", Cola);
        fill(control(form, "TextQty2"), QStringLiteral("99999999999999999999"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        press(form, Qt::Key_Return);
        checkRefused(form, "TextQty2", QStringLiteral("99999999999999999999"),
                     QStringLiteral("盘后数量不能大于[999999999.99]。"));
        QCOMPARE(form->lines()->rowCount(), 0);
        QCOMPARE(SlipBooks::wholeBooks(), before);
    }

    void opensOnTheNextNumberWithoutPartnerDiscountOrPayment()
    {
        SlipBooks::execute(QStringLiteral("insert into 盘点单 (单号) values ('P0000012')"));
        Clock::setNow(QDateTime(QDate(2024, 3, 5), QTime(9, 0)));
        QPointer<frmCheck1> form = openCounting(QStringLiteral("小王"));
        QCOMPARE(form->windowTitle(), QStringLiteral("商品盘点"));
        QCOMPARE(text(form, "Textid"), QStringLiteral("P0000013"));
        QCOMPARE(text(form, "TextOperator"), QStringLiteral("小王"));
        auto* date = control<QDateEdit>(form, "DTPicker0");
        QCOMPARE(date->date(), QDate(2024, 3, 5));
        QVERIFY(!date->isEnabled());
        for (const char* absent : {"TextProvider", "ComEnd", "TextDiscount", "TextQty", "Text3", "TextName3", "lblF7"})
            QVERIFY2(!form->findChild<QWidget*>(QString::fromLatin1(absent)), absent);
        QCOMPARE(text(form, "TextQty1") + text(form, "TextQty2"), QStringLiteral("0.000.00"));
        QCOMPARE(shownHeaders(control<QTreeView>(form, "ListView1")),
                 (QStringList{QStringLiteral("商品编号"), QStringLiteral("商品名称"), QStringLiteral("规格"),
                              QStringLiteral("单位"), QStringLiteral("盘前数量"), QStringLiteral("盘后数量"),
                              QStringLiteral("盈亏"), QStringLiteral("单价"), QStringLiteral("金额"), QStringLiteral("类别"),
                              QStringLiteral("库存上限"), QStringLiteral("库存下限")}));
        // The goods input takes the focus; Esc on an empty slip closes at once.
        QCOMPARE(focusedName(form), QStringLiteral("TextName2"));
        press(form, Qt::Key_Escape);
        QVERIFY(MessageBox::shown().isEmpty());
        QTRY_VERIFY(!form);
    }

    void aCountBecomesALineOfItsGainAndItsValue()
    {
        auto* form = openCounting();
        fillAndEnter(form, "TextName", Cola);
        QCOMPARE(text(form, "TextQty1"), QStringLiteral("10.00"));
        QCOMPARE(text(form, "TextPrice"), QStringLiteral("2"));
        QCOMPARE(focusedName(form), QStringLiteral("TextQty2"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QTest::keyClick(control(form, "TextQty2"), Qt::Key_Return);
        fillAndEnter(form, "TextQty2", QStringLiteral("3"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        fillAndEnter(form, "TextPrice", QStringLiteral("0.00"));
        QCOMPARE(MessageBox::shownTexts(), (QStringList{QStringLiteral("请填上数量。"), QStringLiteral("请填上单价。")}));
        QCOMPARE(MessageBox::shown().last().title, QStringLiteral("提示"));

        fill(control(form, "TextBZ"), QStringLiteral("月末"));
        fillAndEnter(form, "TextPrice", QStringLiteral("2"));
        QCOMPARE(countFigures(form), QStringList{QStringLiteral("10.00 / 3.00 / -7.00 / 2 / -14.00")});
        // Ready for the next goods; the remark shows "-" again.
        QCOMPARE(text(form, "TextName") + text(form, "TextQty1") + text(form, "TextQty2") + text(form, "TextPrice"),
                 QStringLiteral("0.000.000.00"));
        QCOMPARE(text(form, "TextBZ"), QStringLiteral("-"));
        QCOMPARE(focusedName(form), QStringLiteral("TextName2"));

        // The same goods at the same price text adds to its count.
        countLine(form, Cola, QStringLiteral("4"), QStringLiteral("2"));
        QCOMPARE(countFigures(form), QStringList{QStringLiteral("10.00 / 7.00 / -3.00 / 2 / -6.00")});
        QCOMPARE(totals(form), QStringLiteral("-3.00 / -6.00"));
        countLine(form, Cola, QStringLiteral("12"), QStringLiteral("2.00"));
        QCOMPARE(countFigures(form), (QStringList{QStringLiteral("10.00 / 7.00 / -3.00 / 2 / -6.00"),
                                                  QStringLiteral("10.00 / 12.00 / 2.00 / 2.00 / 4.00")}));
        QCOMPARE(totals(form), QStringLiteral("-1.00 / -2.00"));
    }

    void f7AndF8KeepTheLineRuleAndF4TakesTheLineOff()
    {
        putGoods(QStringLiteral("SP000002"), QStringLiteral("雪碧"), QStringLiteral("XB"), {}, QStringLiteral("3"));
        auto* form = openCounting();
        // No line: no dialog.
        press(form, Qt::Key_F7);
        countLine(form, Cola, QStringLiteral("7"), QStringLiteral("2"));
        countLine(form, QStringLiteral("SP000002"), QStringLiteral("1"), QStringLiteral("3"));
        QCOMPARE(totals(form), QStringLiteral("-2.00 / -3.00"));
        clickRow(form, "ListView1", 0);

        answerLineDialog(form, Qt::Key_F7, {}, QStringLiteral("修改数量"), QStringLiteral("frmCheck15"));
        QCOMPARE(countFigures(form).first(), QStringLiteral("10.00 / 7.00 / -3.00 / 2 / -6.00"));
        answerLineDialog(form, Qt::Key_F7, QStringLiteral("8"), QStringLiteral("修改数量"), QStringLiteral("frmCheck15"));
        QCOMPARE(countFigures(form).first(), QStringLiteral("10.00 / 8.00 / -2.00 / 2 / -4.00"));
        QCOMPARE(totals(form), QStringLiteral("-1.00 / -1.00"));
        answerLineDialog(form, Qt::Key_F8, QStringLiteral("2.5"), QStringLiteral("修改单价"), QStringLiteral("frmCheck15"));
        QCOMPARE(countFigures(form).first(), QStringLiteral("10.00 / 8.00 / -2.00 / 2.50 / -5.00"));
        QCOMPARE(totals(form), QStringLiteral("-1.00 / -2.00"));

        MessageBox::setNextAnswer(QMessageBox::Yes);
        press(form, Qt::Key_F4);
        QCOMPARE(MessageBox::shown().last().text, QStringLiteral("确认要删除该记录吗？"));
        QCOMPARE(countFigures(form), QStringList{QStringLiteral("0.00 / 1.00 / 1.00 / 3 / 3.00")});
        QCOMPARE(totals(form), QStringLiteral("1.00 / 3.00"));
    }

    void goodsWithoutStockOrWithoutACode()
    {
        putGoods(QStringLiteral("SP000002"), QStringLiteral("雪碧"), QStringLiteral("XB"), {}, QStringLiteral("3"));
        auto* form = openCounting();
        fill(control(form, "TextName2"), QStringLiteral("XB"));
        QCOMPARE(rows(form, "ListView2").first().section(QStringLiteral(" | "), 0, 2), QStringLiteral("SP000002 | 雪碧 | 0"));
        QTest::keyClick(control(form, "TextName2"), Qt::Key_Return);
        QCOMPARE(text(form, "TextName"), QStringLiteral("SP000002"));
        QCOMPARE(text(form, "TextQty1"), QStringLiteral("0.00"));

        // An unknown code holds no goods: the count it is given makes no line of the goods before.
        fill(control(form, "TextQty2"), QStringLiteral("5"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        fillAndEnter(form, "TextName", QStringLiteral("SP009999"));
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("无该商品信息,请先在期初设置录入。")});
        QCOMPARE(text(form, "TextPrice"), QStringLiteral("0"));
        QCOMPARE(text(form, "TextQty1"), QStringLiteral("0.00"));
        fillAndEnter(form, "TextPrice", QStringLiteral("3"));
        QCOMPARE(form->lines()->rowCount(), 0);
        QCOMPARE(totals(form), QStringLiteral("0.00 / 0.00"));
    }

    void confirmedSlipSetsTheStockToTheCount()
    {
        SlipBooks::execute(QStringLiteral("insert into 盘点单 (单号) values ('P0000012')"));
        Clock::setNow(QDateTime(QDate(2024, 3, 5), QTime(18, 30, 5)));
        auto* form = openCounting();
        countLine(form, Cola, QStringLiteral("3"), QStringLiteral("2"));
        countLine(form, Cola, QStringLiteral("4"), QStringLiteral("2"));
        control(form, "TextBZ")->clear();
        MessageBox::setNextAnswer(QMessageBox::Ok);
        press(form, Qt::Key_PageDown);
        QCOMPARE(MessageBox::shown().last().text, QStringLiteral("确认要保存该信息吗？"));
        QCOMPARE(MessageBox::shown().last().buttons, QMessageBox::Ok | QMessageBox::Cancel);

        QCOMPARE(rowsOf(QStringLiteral("select * from 盘点单 where 单号 = 'P0000013'")),
                 QStringList{QStringLiteral("P0000013 | 2024-03-05 | 18:30:05 | 管理员 | -3 | -6 | -")});
        QCOMPARE(rowsOf(QStringLiteral("select * from 盘点单明细")),
                 QStringList{
                     QStringLiteral("P0000013 | 2024-03-05 | SP000001 | 可乐 | 500ml | 瓶 | 10 | 7 | -3 | 2 | -6 | 饮料")});
        QCOMPARE(SlipBooks::stockOf(Cola), QStringLiteral("7.00 / 14.00 / 2.00"));

        QCOMPARE(text(form, "Textid"), QStringLiteral("P0000014"));
        QCOMPARE(form->lines()->rowCount(), 0);
        QCOMPARE(totals(form), QStringLiteral("0.00 / 0.00"));
        QCOMPARE(text(form, "TextBZ"), QString());
        QCOMPARE(focusedName(form), QStringLiteral("TextName2"));
        // The goods list shows the counted stock.
        QCOMPARE(form->lookup()->list()->text(0, 2), QStringLiteral("7"));
        QCOMPARE(MessageBox::shown().size(), 1);
    }

    void aNumberTakenMeanwhileMovesToTheNextFree()
    {
        auto* form = openCounting();
        countLine(form, Cola, QStringLiteral("7"), QStringLiteral("2"));
        saveAfterANumberClash(form, QStringLiteral("盘点单"), QString(), QStringLiteral("P0000002"));
    }

    void cancelOrAFailureWritesNothing()
    {
        auto* form = openCounting();
        // An empty slip ends silently; its remark shows "-".
        press(form, Qt::Key_PageDown);
        QVERIFY(MessageBox::shown().isEmpty());
        QCOMPARE(text(form, "TextBZ"), QStringLiteral("-"));

        countLine(form, Cola, QStringLiteral("7"), QStringLiteral("2"));
        const QStringList books = SlipBooks::wholeBooks();
        MessageBox::setNextAnswer(QMessageBox::Cancel);
        press(form, Qt::Key_PageDown);
        QCOMPARE(SlipBooks::wholeBooks(), books);

        QCOMPARE(confirmFailing(form, QStringLiteral("update 库存")).text, QStringLiteral("Error 13: database or disk is full"));
        QCOMPARE(SlipBooks::wholeBooks(), books);
        QCOMPARE(countFigures(form), QStringList{QStringLiteral("10.00 / 7.00 / -3.00 / 2 / -6.00")});
        QCOMPARE(text(form, "Textid"), QStringLiteral("P0000001"));
    }

    void quotesAreJustCharacters()
    {
        putGoods(QStringLiteral("SP'01"), QStringLiteral("老'字号"), QStringLiteral("L'ZH"), {}, QStringLiteral("4"));
        auto* form = openCounting();
        fill(control(form, "TextName2"), QStringLiteral("'"));
        QCOMPARE(rows(form, "ListView2").size(), 1);
        QTest::keyClick(control(form, "TextName2"), Qt::Key_Return);
        fillAndEnter(form, "TextQty2", QStringLiteral("2"));
        fillAndEnter(form, "TextPrice", QStringLiteral("4"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        press(form, Qt::Key_PageDown);
        QVERIFY(MessageBox::shown().size() == 1);
        QCOMPARE(SlipBooks::stockOf(QStringLiteral("SP'01")), QStringLiteral("2.00 / 8.00 / 4.00"));
    }
};

VARNHOLT_TEST(TestFrmCheck1)
#include "tst_frmcheck1.moc"
