#include "fixture.h"
#include "formregistry.h"
#include "mdlini.h"
#include "messagebox.h"
#include "pickerform.h"
#include "salesdrive.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QMessageBox>
#include <QPushButton>

using namespace SalesDrive;
using SlipBooks::execute;

namespace {
// The headers of the columns the list shows.
QStringList visibleHeaders(const QTreeView* view)
{
    QStringList headers;
    for (int c = 0; c < view->model()->columnCount(); ++c) {
        if (!view->isColumnHidden(c))
            headers << view->model()->headerData(c, Qt::Horizontal).toString();
    }
    return headers;
}

// Chooses a row of the open customer picker.
void chooseCustomer(int row)
{
    auto* picker = qobject_cast<PickerForm*>(FormRegistry::openForm(QStringLiteral("frmOut11")));
    if (!picker || !picker->isVisible() || picker->isModal())
        QTest::qFail("the customer picker is not open, or modal", __FILE__, __LINE__);
    else
        doubleClickRow(control<QTreeView>(picker, "ListView1"), row);
}

QString customerBoxes(const QWidget* form)
{
    return text(form, "TextProvider") + text(form, "TextProviderN") + QLatin1Char('/') + text(form, "TextProvider2")
           + text(form, "TextProviderN2");
}
}

class TestFrmOut1 : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void opensOnTheNextNumberOfItsMode_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("number");
        QTest::newRow("sale") << QString() << QStringLiteral("C0000001");
        QTest::newRow("sales return") << QStringLiteral("退货") << QStringLiteral("T0000001");
    }
    void opensOnTheNextNumberOfItsMode()
    {
        QFETCH(QString, mode);
        QFETCH(QString, number);
        // Purchase returns count apart.
        execute(QStringLiteral("insert into 入库单 (单号, 类别) values ('T0000005', '退货')"));
        auto* form = openSales(mode, QStringLiteral("小王"));
        QCOMPARE(form->windowTitle(), QStringLiteral("商品销售"));
        QCOMPARE(text(form, "Textid"), number);
        QCOMPARE(text(form, "TextOperator"), QStringLiteral("小王"));
        QCOMPARE(text(form, "TextDiscount1") + text(form, "TextQty") + text(form, "TextPrice"), QStringLiteral("1001.000.00"));
        QCOMPARE(focusedName(form), QStringLiteral("TextName3"));
        form->close();
        QCOMPARE(appState().slipMode, QString());
    }

    void onlyTheAdministratorSeesCostsAndDatesTheSlip_data()
    {
        QTest::addColumn<QString>("operatorName");
        QTest::addColumn<bool>("administrator");
        QTest::newRow("administrator") << QStringLiteral("管理员") << true;
        QTest::newRow("operator") << QStringLiteral("小王") << false;
    }
    void onlyTheAdministratorSeesCostsAndDatesTheSlip()
    {
        QFETCH(QString, operatorName);
        QFETCH(bool, administrator);
        auto* form = openSales({}, operatorName);
        QStringList headers{QStringLiteral("商品名称"), QStringLiteral("规格"), QStringLiteral("单位"), QStringLiteral("数量"),
                            QStringLiteral("单价"),     QStringLiteral("金额"), QStringLiteral("类别")};
        if (administrator)
            headers << QStringLiteral("单位成本") << QStringLiteral("成本金额") << QStringLiteral("利润金额");
        QCOMPARE(visibleHeaders(control<QTreeView>(form, "ListView1")), headers);
        QCOMPARE(control<QDateEdit>(form, "DTPicker0")->isEnabled(), administrator);
        for (const char* cost : {"TextPrice2", "TextMoneys2", "TextMoneys3"})
            QCOMPARE(control(form, cost)->isVisible(), administrator);
    }

    void theFormsKeysComeBeforeItsBoxes()
    {
        auto* form = openSales();
        control(form, "TextBZ")->setFocus();
        press(form, Qt::Key_F5);
        QCOMPARE(focusedName(form), QStringLiteral("Text3"));
        press(form, Qt::Key_F6);
        QCOMPARE(focusedName(form), QStringLiteral("TextName2"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        press(form, Qt::Key_PageDown);
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("请先确认金额。 ")});
        QCOMPARE(focusedName(form), QStringLiteral("Text3"));
        // An empty slip closes without a question.
        QPointer<frmOut1> closing = form;
        press(form, Qt::Key_Escape);
        QVERIFY(!closing || !closing->isVisible());
        QCOMPARE(MessageBox::shown().size(), 1);
    }

    void theCustomerPickerFillsTheCustomerOrTheIntroducer()
    {
        execute(QStringLiteral("insert into 客户 (编号, 名称, 拼音码) values ('KH000001', '王五', 'WW'), "
                               "('KH000002', '赵六', 'ZL'), ('KH000003', '孙七', 'SQ')"));
        auto* form = openSales();
        // End is the form's, not the box's.
        control(form, "TextBZ")->setFocus();
        press(form, Qt::Key_End);
        chooseCustomer(1);
        QCOMPARE(customerBoxes(form), QStringLiteral("赵六KH000002/"));
        QCOMPARE(focusedName(form), QStringLiteral("TextName3"));
        // Enter presses the focused button.
        control<QPushButton>(form, "ComEnd2")->setFocus();
        press(form, Qt::Key_Return);
        chooseCustomer(0);
        QCOMPARE(customerBoxes(form), QStringLiteral("赵六KH000002/王五KH000001"));
        // The button pressed last decides which boxes the choice fills.
        control<QPushButton>(form, "ComEnd2")->click();
        press(form, Qt::Key_End);
        chooseCustomer(2);
        QCOMPARE(customerBoxes(form), QStringLiteral("孙七KH000003/王五KH000001"));
    }

    void f4TakesTheLineOffTheFourTotals()
    {
        putSalesGoods(QStringLiteral("SP000001"), QStringLiteral("可乐"), QStringLiteral("KL"), {}, QStringLiteral("12.5"));
        putSalesGoods(QStringLiteral("SP000002"), QStringLiteral("雪碧"), QStringLiteral("XB"), {}, QStringLiteral("4"));
        SlipBooks::putStock(QStringLiteral("SP000001"), QStringLiteral("10"), QStringLiteral("80"), QStringLiteral("8"));
        SlipBooks::putStock(QStringLiteral("SP000002"), QStringLiteral("10"), QStringLiteral("25"), QStringLiteral("2.5"));
        auto* form = openSales();
        enterLine(form, QStringLiteral("SP000001"), QStringLiteral("2"), QStringLiteral("12.5"));
        enterLine(form, QStringLiteral("SP000002"), QStringLiteral("3"), QStringLiteral("4"));
        QCOMPARE(salesTotals(form), QStringLiteral("5.00 / 37.00 / 23.50 / 13.50"));
        fill(control(form, "Text3"), QStringLiteral("50"));

        // Answered No, only the cash follows the total.
        clickRow(form, "ListView1", 0);
        MessageBox::setNextAnswer(QMessageBox::No);
        press(form, Qt::Key_F4);
        QCOMPARE(MessageBox::shown().last().text, QStringLiteral("确认要删除该记录吗？"));
        QCOMPARE(salesTotals(form), QStringLiteral("5.00 / 37.00 / 23.50 / 13.50"));
        QCOMPARE(text(form, "Text3"), QStringLiteral("37.00"));

        MessageBox::setNextAnswer(QMessageBox::Yes);
        press(form, Qt::Key_F4);
        QCOMPARE(salesFigures(form), QStringList{QStringLiteral("3.00 / 4 / 12.00 / 2.50 / 7.50 / 4.50")});
        QCOMPARE(salesTotals(form), QStringLiteral("3.00 / 12.00 / 7.50 / 4.50"));
        QCOMPARE(text(form, "Text3"), QStringLiteral("12.00"));

        // Lines entered: Esc asks first.
        MessageBox::setNextAnswer(QMessageBox::No);
        press(form, Qt::Key_Escape);
        QCOMPARE(MessageBox::shown().last().text, QStringLiteral("还没保存，要退出吗？"));
        QVERIFY(form->isVisible());
    }

    void theSavedOptionsAreRestoredAtLoad_data()
    {
        QTest::addColumn<QString>("quick");
        QTest::addColumn<bool>("checked");
        QTest::newRow("quick entry") << QStringLiteral("1") << true;
        QTest::newRow("normal entry") << QStringLiteral("0") << false;
        QTest::newRow("no setting") << QString() << false;
        QTest::newRow("no number") << QStringLiteral("ja") << false;
    }
    void theSavedOptionsAreRestoredAtLoad()
    {
        QFETCH(QString, quick);
        QFETCH(bool, checked);
        mdlINI::WriteIni(QStringLiteral("option3"), QStringLiteral("name"), QStringLiteral("True"));
        if (!quick.isEmpty())
            mdlINI::WriteIni(QStringLiteral("check1"), QStringLiteral("name"), quick);
        auto* form = openSales();
        QVERIFY(control<QRadioButton>(form, "Option3")->isChecked());
        QCOMPARE(control<QCheckBox>(form, "Check1")->isChecked(), checked);
        QCOMPARE(focusedName(form), QStringLiteral("TextName2"));
    }
};

VARNHOLT_TEST(TestFrmOut1)
#include "tst_frmout1.moc"
