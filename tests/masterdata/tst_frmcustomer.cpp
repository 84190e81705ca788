#include "appstate.h"
#include "cellrange.h"
#include "clock.h"
#include "dbsession.h"
#include "desktop.h"
#include "fixture.h"
#include "frmCustomer.h"
#include "inifile.h"
#include "masterdrive.h"
#include "masterlist.h"
#include "messagebox.h"
#include "typing.h"
#include "openpyxl.h"

#include <QDateEdit>
#include <QFileInfo>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include "saleslinesgrid.h"

namespace {
const QStringList ListHeaders{"编号",   "积分",     "名称",     "电话", "传真",     "地址",   "联系人",
                              "QQ号码", "开户银行", "银行帐号", "备注", "维护日期", "拼音码", "五笔码"};
const QStringList Columns{"编号",   "积分",     "名称", "电话", "传真",     "地址",   "联系人",
                          "QQ号码", "开户银行", "帐号", "备注", "维护日期", "拼音码", "五笔码"};

QString lineText(QWidget* parent, const char* name)
{
    auto* line = parent->findChild<QLineEdit*>(QString::fromLatin1(name));
    return line ? line->text() : QStringLiteral("<missing>");
}

// A history grid's header row and rows, as shown.
QList<QStringList> gridRows(QWidget* parent, const char* name)
{
    auto* grid = parent->findChild<SalesLinesGrid*>(QString::fromLatin1(name));
    if (!grid)
        return {{QStringLiteral("<missing>")}};
    return QList<QStringList>{shownHeaders(grid)} + shownRows(grid);
}

QList<QStringList> sorted(QList<QStringList> rows)
{
    std::sort(rows.begin(), rows.end());
    return rows;
}

// The user replaces the whole box at once, as a paste does.
void replaceText(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    if (text.isEmpty())
        box->del();
    else
        box->insert(text);
}

// Changes the phone and saves, which closes the editor.
void savePhone(QDialog* editor, const QString& phone)
{
    replaceText(childOf<QLineEdit>(editor, "Text3"), phone);
    MessageBox::setNextAnswer(QMessageBox::Ok);
    childOf<QPushButton>(editor, "ComSave")->click();
    QVERIFY(!editor->isVisible());
}
}

class TestFrmCustomer : public VarnholtTestCase {
    Q_OBJECT

    // A customer with every column given (NULL where the value is invalid).
    void addCustomer(const QVariantList& values) { insertRow(QStringLiteral("客户"), Columns, values); }

    void addCustomer(const char* number, double points, const char* name, const char* phone, const char* due)
    {
        addCustomer({number, points, QString::fromUtf8(name), QString::fromUtf8(phone), "-", "-", "-", "-", "-", "-", "-", due,
                     "PY", "WB"});
    }

    void addLine(const char* date, const char* customer, const char* introducer, const char* kind, const char* goods,
                 double amount, double profit)
    {
        auto conn = Mod1::OpenConn();
        QVERIFY(conn->insert(QStringLiteral("出库单明细"), {{"日期", date},
                                                            {"客户", QString::fromUtf8(customer)},
                                                            {"介绍人", QString::fromUtf8(introducer)},
                                                            {"类别2", QString::fromUtf8(kind)},
                                                            {"商品名称", QString::fromUtf8(goods)},
                                                            {"金额", amount},
                                                            {"利润金额", profit}}));
    }

    void execute(const QString& sql)
    {
        auto conn = Mod1::OpenConn();
        auto done = conn->exec(sql);
        QVERIFY2(done, qPrintable(done ? QString() : done.error().text()));
    }

    QVariantList stored(const QString& number)
    {
        auto conn = Mod1::OpenConn();
        auto rows = conn->query(QStringLiteral("select * from 客户 where 编号 = ?"), {number});
        return rows && !rows->isEmpty() ? rows->data().first() : QVariantList();
    }

    int customerCount()
    {
        auto conn = Mod1::OpenConn();
        return conn->query(QStringLiteral("select * from 客户"))->count();
    }

    QString ini(const QString& section)
    {
        return IniFile(appPath() + QStringLiteral("/config.ini")).read(section, QStringLiteral("nameC"));
    }

    frmCustomer* openList(const QString& operatorName)
    {
        appState().currentOperator = operatorName;
        return showActive<frmCustomer>(1000, 500);
    }

    static QTreeView* list(frmCustomer* form) { return childOf<QTreeView>(form, "ListView1"); }

private slots:
    void listOpensEmptyAndFillsOnDemand()
    {
        addCustomer({"KH000001", 12.6, " 王五 ", "13800", "传", "北京", "王", "12345", "工行", "6222", "老客户", "2024-03-05",
                     "WW", "GG"});
        addCustomer("KH000002", 2.5, "赵六", "13900", "2023-01-01");
        addCustomer("KH000003", 0, "李四", "15000", "2024-03-06");
        frmCustomer* form = openList(QStringLiteral("管理员"));
        QCOMPARE(form->windowTitle(), QStringLiteral("会员客户资料(双击表格可以详细信息)"));
        QTreeView* view = list(form);
        QCOMPARE(view->model()->rowCount(), 0);
        QCOMPARE(shownHeaders(view), ListHeaders);
        for (int hidden : {6, 8, 9})
            QVERIFY(view->isColumnHidden(hidden));
        QVERIFY(showsColumnWhole(view, 11));

        // Due today and last year; tomorrow is not due. No order is asked for.
        childOf<QPushButton>(form, "ComTime")->click();
        QCOMPARE(sorted(shownRows(view)), (QList<QStringList>{{"KH000001", "13", "王五", "13800", "传", "北京", "王", "12345",
                                                               "工行", "6222", "老客户", "2024-03-05", "WW", "GG"},
                                                              {"KH000002", "3", "赵六", "13900", "-", "-", "-", "-", "-", "-",
                                                               "-", "2023-01-01", "PY", "WB"}}));
        childOf<QPushButton>(form, "ComAll")->click();
        QCOMPARE(view->model()->rowCount(), 3);
        QCOMPARE(shownRows(view).at(2).at(0), QStringLiteral("KH000003"));

        // Tomorrow is due once the clock reaches it.
        Clock::setNow(QDateTime(QDate(2024, 3, 6), QTime(8, 0)));
        childOf<QPushButton>(form, "ComTime")->click();
        QCOMPARE(view->model()->rowCount(), 3);
        QVERIFY(MessageBox::shownTexts().isEmpty());
    }

    void filterColumnIsKeptAndAnEmptyBoxEmptiesTheList()
    {
        addCustomer("KH000001", 1, "王五", "13800", "2024-03-05");
        addCustomer("KH000002", 1, "赵六", "0755138", "2024-03-05");
        addCustomer("KH000003", 1, "李四", "15000", "2024-03-05");
        frmCustomer* form = openList(QStringLiteral("张三"));
        QVERIFY(childOf<QRadioButton>(form, "Option5")->isChecked());
        QCOMPARE(childOf<QLabel>(form, "Label2")->text(), QStringLiteral("输入拼音码筛选"));
        QVERIFY(!QFileInfo::exists(appPath() + QStringLiteral("/config.ini")));

        QTest::mouseClick(childOf<QRadioButton>(form, "Option8"), Qt::LeftButton);
        QCOMPARE((QStringList{ini("option5"), ini("option6"), ini("option7"), ini("option8")}),
                 (QStringList{"False", "False", "False", "True"}));
        QCOMPARE(childOf<QLabel>(form, "Label2")->text(), QStringLiteral("输入电话号筛选"));
        QCOMPARE(list(form)->model()->rowCount(), 0);
        form->close();

        frmCustomer* again = openList(QStringLiteral("张三"));
        QVERIFY(childOf<QRadioButton>(again, "Option8")->isChecked());
        QCOMPARE(childOf<QLabel>(again, "Label2")->text(), QStringLiteral("输入电话号筛选"));
        QCOMPARE(list(again)->model()->rowCount(), 0);
        auto* filter = childOf<QLineEdit>(again, "TextName");
        typeText(filter, QStringLiteral("138"));
        QCOMPARE(shownRows(list(again)).size(), 2);
        QCOMPARE(shownRows(list(again)).at(1).at(0), QStringLiteral("KH000002"));
        filter->clear();
        QCOMPARE(list(again)->model()->rowCount(), 0);
        filter->setText(QStringLiteral("'"));
        QCOMPARE(list(again)->model()->rowCount(), 0);
        QVERIFY(MessageBox::shownTexts().isEmpty());
    }

    void othersNeitherDeleteNorExportNorSeeTheHistory()
    {
        addCustomer("KH000001", 12.6, "王五", "13800", "2024-03-05");
        addLine("2024-03-01", "王五", "", "出库", "可乐", 10, 2);
        frmCustomer* form = openList(QStringLiteral("张三"));
        for (const char* name : {"ComDel", "ComExcel", "ComExcel2"})
            QVERIFY2(!childOf<QPushButton>(form, name)->isEnabled(), name);
        QVERIFY(childOf<QPushButton>(form, "ComAdd")->isEnabled());
        childOf<QPushButton>(form, "ComAll")->click();

        QStringList statements;
        Database::setFailureHook([&statements](const QString& sql) -> std::optional<DbError> {
            statements << sql;
            return std::nullopt;
        });
        whenModal([](QDialog* editor) {
            QCOMPARE(editor->windowTitle(), QStringLiteral("客户信息及消费记录"));
            QCOMPARE(lineText(editor, "Text2"), QStringLiteral("王五"));
            QCOMPARE(lineText(editor, "Text18"), QStringLiteral("13"));
            QVERIFY(!childOf<QLineEdit>(editor, "Text18")->isEnabled());
            QVERIFY(childOf<QPushButton>(editor, "ComSave")->isHidden());
            for (const char* part : {"MSHFlexGrid1", "MSHFlexGrid2", "Text14", "Text17"})
                QVERIFY2(!editor->findChild<QWidget*>(QString::fromLatin1(part)), part);
            // However wide the window is made, there is nothing beside the record.
            editor->resize(1400, editor->height());
            QVERIFY(!editor->findChild<SalesLinesGrid*>());
        });
        doubleClickRow(list(form), 0);
        QVERIFY(!statements.isEmpty());
        for (const QString& sql : std::as_const(statements))
            QVERIFY2(!sql.contains(QStringLiteral("出库单明细")), qPrintable(sql));
    }

    void administratorSeesOnlyTheCustomersOwnSaleLines()
    {
        addCustomer("KH000001", 0, "王五", "1", "2024-03-05");
        addCustomer("KH000002", 0, "王五一", "2", "2024-03-05");
        addCustomer("KH000003", 0, "李四", "3", "2024-03-05");
        addLine("2024-03-01", "王五", "", "出库", "可乐", 10.4, 2.6);
        addLine("2024-03-04", "王五", "", "出库", "雪碧", 5.5, 1.5);
        addLine("2024-03-02", "王五", "", "退货", "芬达", 3, 1);
        addLine("2024-03-03", "王五一", "", "出库", "橙汁", 100, 40);
        addLine("2024-03-02", "赵六", "王五", "出库", "口香糖", 0.4, 0.1);
        addLine("2024-03-02", "赵六", "王五", "出库", "牙签", 0.4, 0.1);
        addLine("2024-03-02", "赵六", "王五", "出库", "纸巾", 0.4, 0.1);
        addLine("2024-03-02", "赵六", "王五", "退货", "纸巾", 0.4, 0.1);
        addLine("2024-03-05", "钱七", "王五一", "出库", "啤酒", 8, 2);
        frmCustomer* form = openList(QStringLiteral("管理员"));
        childOf<QPushButton>(form, "ComAll")->click();
        whenModal([](QDialog* editor) {
            const QStringList header{"日期", "商品名称", "销售额", "利润额"};
            QCOMPARE(gridRows(editor, "MSHFlexGrid1"),
                     (QList<QStringList>{header, {"2024-03-04", "雪碧", "6", "2"}, {"2024-03-01", "可乐", "10", "3"}}));
            QCOMPARE(lineText(editor, "Text14"), QStringLiteral("15.90"));
            QCOMPARE(lineText(editor, "Text15"), QStringLiteral("4.10"));
            QCOMPARE(gridRows(editor, "MSHFlexGrid2"), (QList<QStringList>{header,
                                                                           {"2024-03-02", "口香糖", "0", "0"},
                                                                           {"2024-03-02", "牙签", "0", "0"},
                                                                           {"2024-03-02", "纸巾", "0", "0"}}));
            QCOMPARE(lineText(editor, "Text16"), QStringLiteral("1.20"));
            QCOMPARE(lineText(editor, "Text17"), QStringLiteral("0.30"));
            auto* grid = childOf<SalesLinesGrid>(editor, "MSHFlexGrid1");
            QVERIFY(grid->isVisible());
            QVERIFY(grid->mapTo(editor, QPoint(0, 0)).x() > childOf<QWidget>(editor, "Text2")->geometry().right());
        });
        doubleClickRow(list(form), 0);

        whenModal([](QDialog* editor) {
            QCOMPARE(gridRows(editor, "MSHFlexGrid1").size(), 1);
            QCOMPARE(gridRows(editor, "MSHFlexGrid2").size(), 1);
            for (const char* total : {"Text14", "Text15", "Text16", "Text17"})
                QCOMPARE(lineText(editor, total), QStringLiteral("0.00"));
        });
        doubleClickRow(list(form), 2);
        QVERIFY(MessageBox::shownTexts().isEmpty());
    }

    void othersChangingARecordLeaveThePointsAlone()
    {
        addCustomer("KH000001", 12.6, "王五", "13800", "2024-03-05");
        frmCustomer* form = openList(QStringLiteral("张三"));
        childOf<QPushButton>(form, "ComAll")->click();
        // A sale adds points after the list was read.
        execute(QStringLiteral("update 客户 set 积分 = 积分 + 8 where 编号 = 'KH000001'"));
        clickRow(list(form), 0);
        whenModal([](QDialog* editor) {
            QCOMPARE(editor->windowTitle(), QStringLiteral("会员客户记录（部分内容查看需管理员权限）"));
            QCOMPARE(childOf<QLabel>(editor, "Label16")->text(), QStringLiteral("会员积分："));
            auto* points = childOf<QLineEdit>(editor, "Text18");
            QVERIFY(!points->isEnabled());
            QCOMPARE(points->text(), QStringLiteral("21"));
            savePhone(editor, QStringLiteral("13900"));
        });
        childOf<QPushButton>(form, "ComMod")->click();
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("修改成功。")});
        const QVariantList row = stored(QStringLiteral("KH000001"));
        QCOMPARE(row.value(1).toDouble(), 20.6);
        QCOMPARE(row.value(3).toString(), QStringLiteral("13900"));
        QCOMPARE(shownRows(list(form)).at(0).mid(0, 4), (QStringList{"KH000001", "21", "王五", "13900"}));
    }

    void theAdministratorWritesThePointsOnlyWhenEdited()
    {
        addCustomer("KH000001", 12.6, "王五", "13800", "2024-03-05");
        frmCustomer* form = openList(QStringLiteral("管理员"));
        childOf<QPushButton>(form, "ComAll")->click();
        clickRow(list(form), 0);
        whenModal([](QDialog* editor) {
            QVERIFY(childOf<QLineEdit>(editor, "Text18")->isEnabled());
            childOf<QLineEdit>(editor, "Text4")->setText(QStringLiteral("传真"));
            MessageBox::setNextAnswer(QMessageBox::Ok);
            childOf<QPushButton>(editor, "ComSave")->click();
        });
        childOf<QPushButton>(form, "ComMod")->click();
        QCOMPARE(stored(QStringLiteral("KH000001")).value(1).toDouble(), 12.6);
        QCOMPARE(stored(QStringLiteral("KH000001")).value(4).toString(), QStringLiteral("传真"));

        clickRow(list(form), 0);
        whenModal([](QDialog* editor) {
            replaceText(childOf<QLineEdit>(editor, "Text18"), QStringLiteral("30.4"));
            MessageBox::setNextAnswer(QMessageBox::Ok);
            childOf<QPushButton>(editor, "ComSave")->click();
        });
        childOf<QPushButton>(form, "ComMod")->click();
        QCOMPARE(stored(QStringLiteral("KH000001")).value(1).toDouble(), 30.0);
        QCOMPARE(shownRows(list(form)).at(0).at(1), QStringLiteral("30"));
    }

    // What is typed stands while the box has the focus; once left the box
    // shows the whole number, rounded half away from zero, and the save
    // stores it.
    void pointsBoxHoldsAWholeNumber_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("whileTyped");
        QTest::addColumn<QString>("shown");
        const struct {
            const char* name;
            const char* typed;
            const char* whileTyped;
            const char* shown;
        } rows[] = {{"decimals round", "12.6", "12.6", "13"},
                    {"half away from zero", "2.5", "2.5", "3"},
                    {"far below a half", "0.0049", "0.0049", "0"},
                    {"below a half", "0.4", "0.4", "0"},
                    {"half a cent", "0.005", "0.005", "0"},
                    {"grouped", "1,234.5", "1,234.5", "1235"},
                    {"a fifth decimal is not taken", "1.00005", "1.0000", "1"},
                    {"letters", "abc", "abc", "0"},
                    {"lone minus", "-", "-", "0"},
                    {"emptied", "", "", "0"},
                    {"negative", "-7.5", "-7.5", "-8"}};
        for (const auto& row : rows)
            QTest::newRow(row.name) << QString::fromUtf8(row.typed) << QString::fromUtf8(row.whileTyped)
                                    << QString::fromUtf8(row.shown);
    }

    void pointsBoxHoldsAWholeNumber()
    {
        QFETCH(QString, typed);
        QFETCH(QString, whileTyped);
        QFETCH(QString, shown);
        frmCustomer* form = openList(QStringLiteral("管理员"));
        whenModal([typed, whileTyped, shown](QDialog* editor) {
            QCOMPARE(childOf<QLabel>(editor, "Label16")->text(), QStringLiteral("初始积分"));
            replaceText(childOf<QLineEdit>(editor, "Text2"), QStringLiteral("张三"));
            auto* points = childOf<QLineEdit>(editor, "Text18");
            QVERIFY(points->isEnabled());
            QVERIFY(points->font().bold());
            QCOMPARE(points->text(), QStringLiteral("0"));
            replaceText(points, QString());
            typeText(points, typed);
            QCOMPARE(points->text(), whileTyped);
            QTest::keyClick(points, Qt::Key_Tab);
            QCOMPARE(points->text(), shown);
            MessageBox::setNextAnswer(QMessageBox::Ok);
            childOf<QPushButton>(editor, "ComSave")->click();
        });
        childOf<QPushButton>(form, "ComAdd")->click();
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("新增成功。")});
        QCOMPARE(stored(QStringLiteral("KH000001")).value(1).toDouble(), shown.toDouble());
    }

    // Points past the box's whole limit are refused as the box is left, by
    // its label; a click on 保存 is told once, and nothing is saved.
    void pointsPastTheBoxAreRefused_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("far past") << QStringLiteral("99999999999999");
        QTest::newRow("rounds past the whole limit") << QStringLiteral("999999999.99");
    }
    void pointsPastTheBoxAreRefused()
    {
        QFETCH(QString, typed);
        frmCustomer* form = openList(QStringLiteral("管理员"));
        whenModal([typed](QDialog* editor) {
            replaceText(childOf<QLineEdit>(editor, "Text2"), QStringLiteral("张三"));
            auto* points = childOf<QLineEdit>(editor, "Text18");
            replaceText(points, typed);
            QCOMPARE(points->text(), typed);
            MessageBox::setNextAnswer(QMessageBox::Ok);
            QTest::mouseClick(childOf<QPushButton>(editor, "ComSave"), Qt::LeftButton);
            QCoreApplication::processEvents();
            QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("初始积分不能大于[999999999]。")});
            QCOMPARE(MessageBox::shown().last().title, QStringLiteral("提示"));
            QCOMPARE(editor->focusWidget(), points);
            QCOMPARE(points->text(), typed);
            QVERIFY(editor->isVisible());
            childOf<QPushButton>(editor, "ComRtn")->click();
        });
        childOf<QPushButton>(form, "ComAdd")->click();
        QCOMPARE(customerCount(), 0);
    }

    void addStoresTheDateAsTextAndAppendsTheRow()
    {
        frmCustomer* form = openList(QStringLiteral("张三"));
        whenModal([](QDialog* editor) {
            QCOMPARE(lineText(editor, "Text1"), QStringLiteral("KH000001"));
            auto* picker = childOf<QDateEdit>(editor, "DTPicker1");
            QCOMPARE(picker->date(), QDate(2024, 3, 5));
            auto* name = childOf<QLineEdit>(editor, "Text2");
            QCOMPARE(editor->focusWidget(), name);
            typeText(name, QStringLiteral("王五"));
            // Enter goes from 联系人 past the QQ box to 开户银行.
            QTest::keyClick(name, Qt::Key_Return);
            auto* contact = childOf<QLineEdit>(editor, "Text6");
            contact->setFocus();
            typeText(contact, QStringLiteral("x"));
            QTest::keyClick(contact, Qt::Key_Return);
            QCOMPARE(editor->focusWidget(), childOf<QWidget>(editor, "Text8"));
            QCOMPARE(lineText(editor, "Text11"), QStringLiteral("WW"));
            QCOMPARE(lineText(editor, "Text12"), QStringLiteral("GG"));
            replaceText(childOf<QLineEdit>(editor, "Text18"), QStringLiteral("5"));
            picker->setDate(QDate(2024, 4, 1));
            auto* wubi = childOf<QLineEdit>(editor, "Text12");
            wubi->setFocus();
            QTest::keyClick(wubi, Qt::Key_Return);
            QCOMPARE(editor->focusWidget(), childOf<QWidget>(editor, "ComSave"));
            MessageBox::setNextAnswer(QMessageBox::Ok);
            QTest::keyClick(editor->focusWidget(), Qt::Key_Return);
            QVERIFY(!editor->isVisible());
        });
        childOf<QPushButton>(form, "ComAdd")->click();
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("新增成功。")});
        const QVariantList row = stored(QStringLiteral("KH000001"));
        QCOMPARE(row, (QVariantList{"KH000001", 5.0, "王五", "-", "-", "-", "x", "-", "-", "-", "-", "2024-04-01", "WW", "GG"}));
        auto conn = Mod1::OpenConn();
        QCOMPARE(conn->query(QStringLiteral("select typeof(维护日期) as t from 客户"))->text(0, QStringLiteral("t")),
                 QStringLiteral("text"));
        QCOMPARE(shownRows(list(form)), (QList<QStringList>{{"KH000001", "5", "王五", "-", "-", "-", "x", "-", "-", "-", "-",
                                                             "2024-04-01", "WW", "GG"}}));
    }

    void aNameAnotherCustomerHasIsRefused()
    {
        addCustomer("KH000001", 0, "王五", "1", "2024-03-05");
        addCustomer("KH000002", 0, "赵六", "2", "2024-03-05");
        frmCustomer* form = openList(QStringLiteral("管理员"));
        whenModal([](QDialog* editor) {
            QCOMPARE(lineText(editor, "Text1"), QStringLiteral("KH000003"));
            childOf<QLineEdit>(editor, "Text2")->setText(QStringLiteral("王五"));
            childOf<QLineEdit>(editor, "Text11")->setText(QStringLiteral("WW"));
            childOf<QLineEdit>(editor, "Text12")->setText(QStringLiteral("GG"));
            MessageBox::setNextAnswer(QMessageBox::Ok);
            childOf<QPushButton>(editor, "ComSave")->click();
            QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("客户名称已经存在，请增加标识用以区分！")});
            QCOMPARE(MessageBox::shown().last().title, QStringLiteral("Varnholt"));
            QCOMPARE(editor->focusWidget(), childOf<QWidget>(editor, "Text2"));
            QVERIFY(editor->isVisible());
            // A trailing blank makes another name.
            childOf<QLineEdit>(editor, "Text2")->setText(QStringLiteral("王五 "));
            MessageBox::setNextAnswer(QMessageBox::Ok);
            childOf<QPushButton>(editor, "ComSave")->click();
            QVERIFY(!editor->isVisible());
        });
        childOf<QPushButton>(form, "ComAdd")->click();
        QCOMPARE(customerCount(), 3);

        childOf<QPushButton>(form, "ComAll")->click();
        clickRow(list(form), 1);
        whenModal([](QDialog* editor) {
            QCOMPARE(lineText(editor, "Text2"), QStringLiteral("赵六"));
            childOf<QLineEdit>(editor, "Text2")->setText(QStringLiteral("王五"));
            MessageBox::setNextAnswer(QMessageBox::Ok);
            childOf<QPushButton>(editor, "ComSave")->click();
            QCOMPARE(MessageBox::shownTexts().last(), QStringLiteral("客户名称已经存在，请增加标识用以区分！"));
            QVERIFY(editor->isVisible());
        });
        childOf<QPushButton>(form, "ComMod")->click();
        QCOMPARE(stored(QStringLiteral("KH000002")).value(2).toString(), QStringLiteral("赵六"));

        // Keeping one's own name is no clash.
        clickRow(list(form), 0);
        whenModal([](QDialog* editor) {
            childOf<QLineEdit>(editor, "Text3")->setText(QStringLiteral("999"));
            MessageBox::setNextAnswer(QMessageBox::Ok);
            childOf<QPushButton>(editor, "ComSave")->click();
            QVERIFY(!editor->isVisible());
        });
        childOf<QPushButton>(form, "ComMod")->click();
        QCOMPARE(MessageBox::shownTexts().last(), QStringLiteral("修改成功。"));
        QCOMPARE(stored(QStringLiteral("KH000001")).value(3).toString(), QStringLiteral("999"));
    }

    void aCustomerIsChangedAsStored()
    {
        addCustomer("KH000001", 0, "王五", "1", "2024-03-05");
        addCustomer("KH000002", 0, "王五 ", "2", "");
        addLine("2024-03-01", "王五", "", "出库", "可乐", 10, 2);
        addLine("2024-03-02", "王五 ", "", "出库", "雪碧", 5, 1);
        frmCustomer* form = openList(QStringLiteral("管理员"));
        childOf<QPushButton>(form, "ComAll")->click();
        // Shown trimmed, as the other one's name.
        QCOMPARE(shownRows(list(form)).at(1).at(2), QStringLiteral("王五"));
        clickRow(list(form), 1);
        whenModal([](QDialog* editor) {
            QCOMPARE(lineText(editor, "Text2"), QStringLiteral("王五 "));
            savePhone(editor, QStringLiteral("13900"));
        });
        childOf<QPushButton>(form, "ComMod")->click();
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("修改成功。")});
        const QVariantList row = stored(QStringLiteral("KH000002"));
        QCOMPARE(row.value(2).toString(), QStringLiteral("王五 "));
        QCOMPARE(row.value(3).toString(), QStringLiteral("13900"));
        // An empty date stays empty: nobody chose one.
        QCOMPARE(row.value(11).toString(), QString());
        QCOMPARE(shownRows(list(form)).at(1).at(11), QString());

        whenModal([](QDialog* editor) {
            const QStringList header{"日期", "商品名称", "销售额", "利润额"};
            QCOMPARE(gridRows(editor, "MSHFlexGrid1"), (QList<QStringList>{header, {"2024-03-02", "雪碧", "5", "1"}}));
        });
        doubleClickRow(list(form), 1);
    }

    // Every customer asked for, whatever the list shows, in the columns the
    // list shows: the hidden contact and bank columns stay out, points are
    // numbers in full.
    void exportsWriteTheShownColumnsOfTheTable()
    {
        addCustomer({"KH000001", 12.6, "王五", "13800", QVariant(), "北京", "王", "12345", "工行", "6222", "老客户", "2024-03-05",
                     "WW", "GG"});
        addCustomer("KH000002", 2, "赵六", "13900", "2024-03-06");
        addCustomer("KH000003", 0, "李四", "15000", "2023-01-01");
        frmCustomer* form = openList(QStringLiteral("管理员"));
        QVERIFY(childOf<QPushButton>(form, "ComDel")->isEnabled());
        childOf<QPushButton>(form, "ComExcel")->click();
        childOf<QPushButton>(form, "ComExcel2")->click();
        QCOMPARE(DesktopOpener::recorded().size(), 2);
        QVERIFY(MessageBox::shownTexts().isEmpty());
        QCOMPARE(list(form)->model()->rowCount(), 0);

        QJsonObject all;
        QVERIFY(Openpyxl::read(DesktopOpener::recorded().at(0).target, &all));
        auto cell = [](const QJsonObject& book, int row, int column) {
            return Openpyxl::cell(book, 0, CellRange::cellName(row, column));
        };
        auto value = [&cell](const QJsonObject& book, int row, int column) {
            return cell(book, row, column).value(QStringLiteral("v")).toVariant();
        };
        const QStringList shownHeaders{"编号",   "积分", "名称",     "电话",   "传真",  "地址",
                                       "QQ号码", "备注", "维护日期", "拼音码", "五笔码"};
        for (int column = 1; column <= 11; ++column)
            QCOMPARE(value(all, 1, column).toString(), shownHeaders.at(column - 1));
        const QVariantList first{"KH000001", 12.6,     "王五",       "13800", QVariant(), "北京",
                                 "12345",    "老客户", "2024-03-05", "WW",    "GG"};
        for (int column = 1; column <= 11; ++column) {
            const QVariant& expected = first.at(column - 1);
            const QVariant shown = value(all, 2, column);
            if (expected.typeId() == QMetaType::Double)
                QCOMPARE(shown.toDouble(), expected.toDouble());
            else
                QCOMPARE(shown.toString(), expected.toString());
        }
        QCOMPARE(cell(all, 2, 2).value(QStringLiteral("t")).toString(), QStringLiteral("n"));
        QCOMPARE(cell(all, 2, 2).value(QStringLiteral("fmt")).toString(), QStringLiteral("0.00"));
        for (int row = 1; row <= 2; ++row)
            QVERIFY(value(all, row, 12).isNull());
        QCOMPARE(value(all, 3, 1).toString(), QStringLiteral("KH000002"));
        QCOMPARE(value(all, 3, 11).toString(), QStringLiteral("WB"));
        QCOMPARE(value(all, 4, 9).toString(), QStringLiteral("2023-01-01"));
        QVERIFY(value(all, 5, 1).isNull());

        QJsonObject due;
        QVERIFY(Openpyxl::read(DesktopOpener::recorded().at(1).target, &due));
        QCOMPARE(value(due, 1, 10).toString(), QStringLiteral("拼音码"));
        QStringList dueNumbers{value(due, 2, 1).toString(), value(due, 3, 1).toString()};
        dueNumbers.sort();
        QCOMPARE(dueNumbers, (QStringList{"KH000001", "KH000003"}));
        QVERIFY(value(due, 4, 1).isNull());
    }
};

VARNHOLT_TEST(TestFrmCustomer)
#include "tst_frmcustomer.moc"
