#include "appstate.h"
#include "dbsession.h"
#include "fixture.h"
#include "frmOperation.h"
#include "masterdrive.h"
#include "masterlist.h"
#include "messagebox.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include "saleslinesgrid.h"

namespace {
const QStringList Columns{"编号", "姓名", "性别",     "部门", "职务",   "身份证号",
                          "电话", "地址", "入职日期", "备注", "拼音码", "五笔码"};

QString boxText(QWidget* editor, const char* name)
{
    const QString object = QString::fromLatin1(name);
    if (auto* line = editor->findChild<QLineEdit*>(object))
        return line->text();
    if (auto* edit = editor->findChild<QPlainTextEdit*>(object))
        return edit->toPlainText();
    if (auto* combo = editor->findChild<QComboBox*>(object))
        return combo->currentText();
    return QStringLiteral("<missing>");
}

void setBox(QWidget* editor, const char* name, const QString& text)
{
    const QString object = QString::fromLatin1(name);
    if (auto* combo = editor->findChild<QComboBox*>(object))
        combo->setEditText(text);
    else if (auto* edit = editor->findChild<QPlainTextEdit*>(object))
        edit->setPlainText(text);
    else if (auto* line = editor->findChild<QLineEdit*>(object))
        line->setText(text);
    else
        QTest::qFail(QByteArray("no box ") + name, __FILE__, __LINE__);
}

QStringList totals(QWidget* editor)
{
    QStringList texts;
    for (int i = 14; i <= 19; ++i)
        texts << childOf<QLineEdit>(editor, QStringLiteral("Text%1").arg(i).toLatin1().constData())->text();
    return texts;
}

QList<QStringList> gridRows(QWidget* editor, const char* name) { return shownRows(childOf<SalesLinesGrid>(editor, name)); }
}

class TestFrmOperation : public VarnholtTestCase {
    Q_OBJECT

    void addSalesman(const QStringList& values)
    {
        insertRow(QStringLiteral("业务员"), Columns, QVariantList(values.begin(), values.end()), QStringLiteral("-"));
    }

    void addLine(const char* date, const char* goods, double amount, double profit, const char* salesman, const char* kind)
    {
        auto conn = Mod1::OpenConn();
        QVERIFY(conn->insert(QStringLiteral("出库单明细"), {{"日期", QString::fromUtf8(date)},
                                                            {"商品名称", QString::fromUtf8(goods)},
                                                            {"金额", amount},
                                                            {"利润金额", profit},
                                                            {"业务员", QString::fromUtf8(salesman)},
                                                            {"类别2", QString::fromUtf8(kind)}}));
    }

    frmOperation* openList(const QString& operatorName = QStringLiteral("管理员"))
    {
        appState().currentOperator = operatorName;
        return showActive<frmOperation>(1000, 500);
    }

private slots:
    void listShowsTwelveColumnsInTableOrder()
    {
        addSalesman({"YW000002", " 李明 ", "男", "销售部", "经理", "110", "139", "北京", "2020-01-01", "备", "LM", "SJ"});
        addSalesman({"YW000001", "王芳", "女"});
        frmOperation* form = openList();
        QCOMPARE(form->windowTitle(), QStringLiteral("业务员资料(双击表格可以修改)"));
        auto* list = childOf<QTreeView>(form, "ListView1");
        QCOMPARE(shownRows(list), (QList<QStringList>{{"YW000002", "李明", "男", "销售部", "经理", "110", "139", "北京",
                                                       "2020-01-01", "备", "LM", "SJ"},
                                                      {"YW000001", "王芳", "女", "-", "-", "-", "-", "-", "-", "-", "-", "-"}}));
        QCOMPARE(shownHeaders(list), Columns);
        QVERIFY(showsColumnWhole(list, 5));
        QVERIFY(childOf<QPushButton>(form, "ComDel")->isEnabled());
    }

    void filterBySearchCodeWithTheHintOfTheOption()
    {
        addSalesman({"YW000001", "李明", "男", "", "", "", "", "", "", "", "LM", "SJ"});
        addSalesman({"YW000002", "刘敏", "女", "", "", "", "", "", "", "", "LM", "YO"});
        addSalesman({"YW000003", "王芳", "女", "", "", "", "", "", "", "", "WF", "GA"});
        frmOperation* form = openList();
        auto* list = childOf<QTreeView>(form, "ListView1");
        auto* filter = childOf<QLineEdit>(form, "TextName");
        QVERIFY(childOf<QRadioButton>(form, "Option1")->isChecked());
        QCOMPARE(childOf<QLabel>(form, "Label2")->text(), QStringLiteral("输入拼音码筛选"));
        typeText(filter, QStringLiteral(" m "));
        QCOMPARE(list->model()->rowCount(), 2);

        QTest::mouseClick(childOf<QRadioButton>(form, "Option2"), Qt::LeftButton);
        QCOMPARE(childOf<QLabel>(form, "Label2")->text(), QStringLiteral("输入五笔码筛选"));
        QCOMPARE(list->model()->rowCount(), 2);
        filter->setText(QStringLiteral("ga"));
        QCOMPARE(shownRows(list).value(0).value(1), QStringLiteral("王芳"));
        filter->clear();
        QCOMPARE(list->model()->rowCount(), 3);

        // The choice is not kept: the next list starts by pinyin.
        frmOperation* again = openList();
        QVERIFY(childOf<QRadioButton>(again, "Option1")->isChecked());
    }

    void emptyTableGivesTheFirstNumberAndSavesTheNewSalesman()
    {
        frmOperation* form = openList();
        auto* list = childOf<QTreeView>(form, "ListView1");
        whenModal([](QDialog* editor) {
            QCOMPARE(editor->windowTitle(), QStringLiteral("记录编辑"));
            auto* number = childOf<QLineEdit>(editor, "Text1");
            QCOMPARE(number->text(), QStringLiteral("YW000001"));
            QVERIFY(!number->isEnabled());
            auto* sex = childOf<QComboBox>(editor, "Text3");
            QVERIFY(sex->isEditable());
            QCOMPARE(sex->currentText(), QStringLiteral("男"));
            QCOMPARE(sex->itemText(0), QStringLiteral("男"));
            QCOMPARE(sex->itemText(1), QStringLiteral("女"));
            QCOMPARE(sex->count(), 2);
            QVERIFY(!editor->findChild<QWidget*>(QStringLiteral("MSHFlexGrid1")));

            auto* name = childOf<QLineEdit>(editor, "Text2");
            QCOMPARE(editor->focusWidget(), name);
            typeText(name, QStringLiteral("张三"));
            QTest::keyClick(name, Qt::Key_Return);
            QCOMPARE(editor->focusWidget(), static_cast<QWidget*>(sex));
            QCOMPARE(boxText(editor, "Text11"), QStringLiteral("ZS"));
            QCOMPARE(boxText(editor, "Text12"), QStringLiteral("XD"));
            setBox(editor, "Text3", QStringLiteral("不详"));
            setBox(editor, "Text5", QStringLiteral("O'Neil's 助理"));
            setBox(editor, "Text9", QStringLiteral("去年"));
            MessageBox::setNextAnswer(QMessageBox::Ok);
            childOf<QPushButton>(editor, "ComSave")->click();
            QVERIFY(!editor->isVisible());
        });
        childOf<QPushButton>(form, "ComAdd")->click();
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("新增成功。")});
        QCOMPARE(MessageBox::shown().first().title, QStringLiteral("提示"));
        const QStringList expected{"YW000001", "张三", "不详", "-", "O'Neil's 助理", "-", "-", "-", "去年", "-", "ZS", "XD"};
        QCOMPARE(storedTexts(QStringLiteral("select * from 业务员")), QList<QStringList>{expected});
        QCOMPARE(shownRows(list), QList<QStringList>{expected});
        QCOMPARE(selectedRow(list), -1);
    }

    void refusalKeepsTheHyphensOfTheOptionalBoxes()
    {
        addSalesman({"YW000007", "李明"});
        frmOperation* form = openList();
        whenModal([](QDialog* editor) {
            QCOMPARE(boxText(editor, "Text1"), QStringLiteral("YW000008"));
            auto* save = childOf<QPushButton>(editor, "ComSave");
            setBox(editor, "Text3", QString());
            MessageBox::setNextAnswer(QMessageBox::Ok);
            save->click();
            QCOMPARE(MessageBox::shownTexts().last(), QStringLiteral("请输入姓名。"));
            QCOMPARE(editor->focusWidget(), childOf<QWidget>(editor, "Text2"));
            QCOMPARE(boxText(editor, "Text4"), QString());

            setBox(editor, "Text2", QStringLiteral("王五"));
            MessageBox::setNextAnswer(QMessageBox::Ok);
            save->click();
            QCOMPARE(MessageBox::shownTexts().last(), QStringLiteral("请输入性别。"));
            QCOMPARE(boxText(editor, "Text4"), QString());

            setBox(editor, "Text3", QStringLiteral("女"));
            setBox(editor, "Text6", QStringLiteral(" "));
            setBox(editor, "Text11", QString());
            MessageBox::setNextAnswer(QMessageBox::Ok);
            save->click();
            QCOMPARE(MessageBox::shownTexts().last(), QStringLiteral("请输入拼音码。"));
            QCOMPARE(MessageBox::shown().last().title, QStringLiteral("提示"));
            QCOMPARE(editor->focusWidget(), childOf<QWidget>(editor, "Text11"));
            for (const char* box : {"Text4", "Text5", "Text7", "Text8", "Text9", "Text10"})
                QCOMPARE(boxText(editor, box), QStringLiteral("-"));
            QCOMPARE(boxText(editor, "Text6"), QStringLiteral(" "));

            setBox(editor, "Text11", QStringLiteral("WW"));
            setBox(editor, "Text12", QString());
            MessageBox::setNextAnswer(QMessageBox::Ok);
            save->click();
            QCOMPARE(MessageBox::shownTexts().last(), QStringLiteral("请输入五笔码。"));
            QVERIFY(editor->isVisible());
        });
        childOf<QPushButton>(form, "ComAdd")->click();
        QCOMPARE(storedTexts(QStringLiteral("select * from 业务员")).size(), 1);
    }

    void modifyRewritesTheRowWithQuotesAsTyped()
    {
        addSalesman({"YW000001", "甲", "男", "一部"});
        addSalesman({"YW000002", "乙", "女", "二部"});
        frmOperation* form = openList();
        auto* list = childOf<QTreeView>(form, "ListView1");
        clickRow(list, 1);
        whenModal([](QDialog* editor) {
            QCOMPARE(editor->windowTitle(), QStringLiteral("记录编辑"));
            QCOMPARE(boxText(editor, "Text1"), QStringLiteral("YW000002"));
            QCOMPARE(boxText(editor, "Text3"), QStringLiteral("女"));
            QCOMPARE(boxText(editor, "Text4"), QStringLiteral("二部"));
            setBox(editor, "Text2", QStringLiteral("D'Arcy"));
            setBox(editor, "Text10", QStringLiteral("it's \"ok\"; --"));
            MessageBox::setNextAnswer(QMessageBox::Ok);
            childOf<QPushButton>(editor, "ComSave")->click();
        });
        childOf<QPushButton>(form, "ComMod")->click();
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("修改成功。")});
        const auto stored = storedTexts(QStringLiteral("select * from 业务员"));
        QCOMPARE(stored.at(0).at(1), QStringLiteral("甲"));
        QCOMPARE(stored.at(1).at(1), QStringLiteral("D'Arcy"));
        QCOMPARE(stored.at(1).at(9), QStringLiteral("it's \"ok\"; --"));
        QCOMPARE(shownRows(list).at(1).at(1), QStringLiteral("D'Arcy"));
    }

    void onlyTheAdministratorDeletes()
    {
        addSalesman({"YW000001", "甲"});
        addSalesman({"YW000002", "乙"});
        frmOperation* clerk = openList(QStringLiteral("张三"));
        auto* clerkDelete = childOf<QPushButton>(clerk, "ComDel");
        QVERIFY(!clerkDelete->isEnabled());
        clickRow(childOf<QTreeView>(clerk, "ListView1"), 0);
        QTest::mouseClick(clerkDelete, Qt::LeftButton);
        QVERIFY(MessageBox::shownTexts().isEmpty());
        QCOMPARE(storedTexts(QStringLiteral("select * from 业务员")).size(), 2);

        frmOperation* form = openList();
        auto* list = childOf<QTreeView>(form, "ListView1");
        clickRow(list, 1);
        MessageBox::setNextAnswer(QMessageBox::No);
        childOf<QPushButton>(form, "ComDel")->click();
        QCOMPARE(MessageBox::shownTexts().last(), QStringLiteral("确认删除[YW000002]吗?"));
        QCOMPARE(MessageBox::shown().last().title, QStringLiteral("Varnholt"));
        QCOMPARE(storedTexts(QStringLiteral("select * from 业务员")).size(), 2);
        QCOMPARE(selectedRow(list), 0);

        MessageBox::setNextAnswer(QMessageBox::Yes);
        childOf<QPushButton>(form, "ComDel")->click();
        QCOMPARE(MessageBox::shownTexts().last(), QStringLiteral("确认删除[YW000001]吗?"));
        QCOMPARE(storedTexts(QStringLiteral("select * from 业务员")).size(), 1);
        QCOMPARE(storedTexts(QStringLiteral("select * from 业务员")).at(0).at(0), QStringLiteral("YW000002"));
        QCOMPARE(shownRows(list).size(), 1);
        QCOMPARE(selectedRow(list), 0);
    }

    void viewShowsTheSalesOfExactlyThatSalesman()
    {
        addSalesman({"YW000001", "李"});
        addSalesman({"YW000002", "李明"});
        addLine("2024-03-01", "雪碧", 89.6, 20, "李", "出库");
        addLine("2024-03-04", "可乐", 10.4, 2.5, "李", "出库");
        addLine("2024-03-03", "雪碧", 30, 6, "李", "退货");
        addLine("2024-03-02", "芬达", 500, 50, "李明", "出库");
        addLine("2024-03-02", "芬达", 70, 7, "李明", "退货");
        frmOperation* form = openList();
        auto* list = childOf<QTreeView>(form, "ListView1");
        whenModal([](QDialog* editor) {
            QCOMPARE(editor->windowTitle(), QStringLiteral("业务员信息"));
            QVERIFY(!childOf<QPushButton>(editor, "ComSave")->isVisible());
            auto* close = childOf<QPushButton>(editor, "ComRtn");
            QCOMPARE(close->text(), QStringLiteral("关   闭 （C）"));
            QCOMPARE(boxText(editor, "Text2"), QStringLiteral("李"));
            QVERIFY(childOf<SalesLinesGrid>(editor, "MSHFlexGrid1")->isVisible());
            QCOMPARE(childOf<QLabel>(editor, "Label17")->text(), QStringLiteral("业 务 员 销 售 情 况"));
            QCOMPARE(childOf<QLabel>(editor, "Label20")->text(), QStringLiteral("实际销售"));

            auto* grid = childOf<SalesLinesGrid>(editor, "MSHFlexGrid1");
            QCOMPARE(shownHeaders(grid), (QStringList{"日期", "商品名称", "销售额", "利润额"}));
            QCOMPARE(grid->columnWidth(1), 1400 / 15);
            QCOMPARE(gridRows(editor, "MSHFlexGrid1"),
                     (QList<QStringList>{{"2024-03-04", "可乐", "10", "3"}, {"2024-03-01", "雪碧", "90", "20"}}));
            QCOMPARE(gridRows(editor, "MSHFlexGrid2"), (QList<QStringList>{{"2024-03-03", "雪碧", "30", "6"}}));
            QCOMPARE(totals(editor), (QStringList{"100.00", "22.50", "30.00", "6.00", "70.00", "16.50"}));
            auto* net = childOf<QLineEdit>(editor, "Text18");
            QVERIFY(!net->isEnabled());
            QVERIFY(net->font().bold());
            QVERIFY(net->alignment() & Qt::AlignRight);

            // Enter in the last filled box does nothing while there is no save button.
            auto* wubi = childOf<QLineEdit>(editor, "Text12");
            wubi->setFocus();
            QTest::keyClick(wubi, Qt::Key_Return);
            QVERIFY(editor->isVisible());
            QVERIFY(MessageBox::shownTexts().isEmpty());
            close->click();
            QVERIFY(!editor->isVisible());
        });
        doubleClickRow(list, 0);
        QCOMPARE(storedTexts(QStringLiteral("select * from 业务员")).at(0).at(1), QStringLiteral("李"));
    }

    void queryOverAPeriod()
    {
        addSalesman({"YW000001", "李"});
        addLine("2024-03-01", "雪碧", 10.4, 1, "李", "出库");
        addLine("2024-03-04", "可乐", 100, 20, "李", "出库");
        addLine("2024-03-04", "雪碧", 30, 6, "李", "退货");
        addLine("2024-03-05", "芬达", 7, 1, "李", "出库");
        addLine("2024-03-04", "芬达", 9, 2, "王五", "出库");
        frmOperation* form = openList();
        auto* list = childOf<QTreeView>(form, "ListView1");
        whenModal([](QDialog* editor) {
            auto* first = childOf<QDateEdit>(editor, "DTPicker1");
            auto* last = childOf<QDateEdit>(editor, "DTPicker2");
            auto* query = childOf<QPushButton>(editor, "ComQuery");
            QCOMPARE(childOf<QLabel>(editor, "Label21")->text(), QStringLiteral("至"));
            QCOMPARE(totals(editor).first(), QStringLiteral("117.40"));

            first->setDate(QDate(2024, 3, 4));
            last->setDate(QDate(2024, 3, 4));
            QTest::mouseClick(query, Qt::LeftButton);
            QCOMPARE(gridRows(editor, "MSHFlexGrid1"), (QList<QStringList>{{"2024-03-04", "可乐", "100", "20"}}));
            QCOMPARE(gridRows(editor, "MSHFlexGrid2"), (QList<QStringList>{{"2024-03-04", "雪碧", "30", "6"}}));
            QCOMPARE(totals(editor), (QStringList{"100.00", "20.00", "30.00", "6.00", "70.00", "14.00"}));

            first->setDate(QDate(2024, 3, 1));
            last->setDate(QDate(2024, 3, 3));
            QTest::mouseClick(query, Qt::LeftButton);
            QCOMPARE(gridRows(editor, "MSHFlexGrid1"), (QList<QStringList>{{"2024-03-01", "雪碧", "10", "1"}}));
            QCOMPARE(totals(editor), (QStringList{"10.40", "1.00", "0.00", "0.00", "10.40", "1.00"}));

            first->setDate(QDate(2024, 3, 5));
            last->setDate(QDate(2024, 3, 1));
            QTest::mouseClick(query, Qt::LeftButton);
            QVERIFY(gridRows(editor, "MSHFlexGrid1").isEmpty());
            QVERIFY(gridRows(editor, "MSHFlexGrid2").isEmpty());
            QCOMPARE(totals(editor), QStringList(6, QStringLiteral("0.00")));

            // The name as it stands in the box when 查询 is pressed.
            setBox(editor, "Text2", QStringLiteral("王五"));
            first->setDate(QDate(2024, 3, 1));
            last->setDate(QDate(2024, 3, 31));
            QTest::mouseClick(query, Qt::LeftButton);
            QCOMPARE(gridRows(editor, "MSHFlexGrid1"), (QList<QStringList>{{"2024-03-04", "芬达", "9", "2"}}));

            // An empty name is no one's.
            setBox(editor, "Text2", QString());
            QTest::mouseClick(query, Qt::LeftButton);
            QVERIFY(gridRows(editor, "MSHFlexGrid1").isEmpty());
            QCOMPARE(totals(editor), QStringList(6, QStringLiteral("0.00")));
        });
        doubleClickRow(list, 0);
    }

    void othersSeeNoPerformanceAndRunNoQuery()
    {
        addSalesman({"YW000001", "李"});
        addLine("2024-03-01", "雪碧", 10, 1, "李", "出库");
        auto linesRead = std::make_shared<int>(0);
        Database::setFailureHook([linesRead](const QString& sql) -> std::optional<DbError> {
            if (sql.contains(QStringLiteral("出库单明细")))
                ++*linesRead;
            return std::nullopt;
        });
        frmOperation* form = openList(QStringLiteral("张三"));
        auto* list = childOf<QTreeView>(form, "ListView1");
        whenModal([](QDialog* editor) {
            QCOMPARE(editor->windowTitle(), QStringLiteral("业务员信息"));
            QCOMPARE(boxText(editor, "Text2"), QStringLiteral("李"));
            for (const char* name : {"MSHFlexGrid1", "MSHFlexGrid2", "Text14", "Text18", "DTPicker1", "ComQuery"})
                QVERIFY2(!editor->findChild<QWidget*>(QString::fromLatin1(name)), name);
        });
        doubleClickRow(list, 0);
        QCOMPARE(*linesRead, 0);

        // The administrator's add and modify do not read them either.
        appState().currentOperator = QStringLiteral("管理员");
        clickRow(list, 0);
        whenModal([](QDialog* editor) { QVERIFY(!editor->findChild<QWidget*>(QStringLiteral("MSHFlexGrid1"))); });
        childOf<QPushButton>(form, "ComMod")->click();
        QCOMPARE(*linesRead, 0);
    }

    void failedReadIsReportedAndTheFormStays()
    {
        addSalesman({"YW000001", "李"});
        Database::setFailureHook([](const QString& sql) -> std::optional<DbError> {
            if (sql.contains(QStringLiteral("出库单明细")))
                return DbError{10, QStringLiteral("disk I/O error")};
            return std::nullopt;
        });
        frmOperation* form = openList();
        auto* list = childOf<QTreeView>(form, "ListView1");
        MessageBox::setNextAnswer(QMessageBox::Ok);
        whenModal([](QDialog* editor) {
            QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("Error 10: disk I/O error")});
            QVERIFY(gridRows(editor, "MSHFlexGrid1").isEmpty());
            MessageBox::setNextAnswer(QMessageBox::Ok);
            childOf<QPushButton>(editor, "ComQuery")->click();
            QCOMPARE(MessageBox::shownTexts().size(), 2);
            QVERIFY(editor->isVisible());
        });
        doubleClickRow(list, 0);
    }
};

VARNHOLT_TEST(TestFrmOperation)
#include "tst_frmoperation.moc"
