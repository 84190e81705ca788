// The family's parameters that categories, units and suppliers do not use:
// formats, kept filter options, lists filled on demand, administrator-only
// deletion, the view mode, combo and money boxes, and the save hooks.
#include "appstate.h"
#include "dbsession.h"
#include "fixture.h"
#include "frmCustomer.h"
#include "frmGoods.h"
#include "inifile.h"
#include "masterdrive.h"
#include "mastereditor.h"
#include "messagebox.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

namespace {
// The goods design narrowed to what these tests read: money, hidden money,
// stock as a plain number, three kept options.
ListDesign goodsLikeList()
{
    ListDesign design = goodsListDesign();
    const QStringList read{"商品编号", "商品名称", "单位", "进价", "批发价", "库存量", "自编码"};
    design.columns.removeIf([&read](const ListColumn& column) { return !read.contains(column.column); });
    design.filters.removeLast();
    design.openEditor = {};
    return design;
}

// The customer design narrowed to what these tests read: empty until asked,
// whole numbers, kept options under another key, deletion for the
// administrator, double-click views.
ListDesign customerLikeList()
{
    ListDesign design = customerListDesign();
    const QStringList read{"编号", "积分", "名称", "电话"};
    design.columns.removeIf([&read](const ListColumn& column) { return !read.contains(column.column); });
    design.filters.removeIf(
        [](const FilterOption& option) { return option.objectName == "Option6" || option.objectName == "Option7"; });
    design.openEditor = {};
    return design;
}

EditorDesign goodsLikeEditor()
{
    using enum FieldRule;
    return {
        .number = NumberSchemes::Goods,
        .fields =
            {
                {.objectName = "Text1", .label = "商品编号", .column = "商品编号", .rule = Required},
                {.objectName = "Text2", .label = "商品名称", .column = "商品名称", .rule = Required},
                {.objectName = "Text4",
                 .label = "单    位",
                 .column = "单位",
                 .rule = Required,
                 .kind = FieldKind::Combo,
                 .itemsFrom = "计量单位"},
                {.objectName = "Text6",
                 .label = "进    价",
                 .column = "进价",
                 .rule = Untested,
                 .kind = FieldKind::Money,
                 .hint = "（入货调用）"},
                {.objectName = "Text15", .label = "自 编 码", .column = "自编码"},
            },
    };
}

class GoodsLikeEditor : public MasterEditor {
public:
    GoodsLikeEditor(MasterListPanel& list, EditorMode mode, QWidget* parent)
        : MasterEditor(goodsLikeEditor(), list, mode, parent)
    {
    }
};

EditorDesign customerLikeEditor()
{
    using enum FieldRule;
    return {
        .number = NumberSchemes::Customers,
        .fields =
            {
                {.objectName = "Text1", .label = "编    号", .column = "编号", .rule = Required},
                {.objectName = "Text2", .label = "名    称", .column = "名称", .rule = Required},
                {.objectName = "Text3", .label = "电    话", .column = "电话", .labelName = "Label3"},
            },
        .caption = "会员客户记录",
        .viewCaption = "客户信息及消费记录",
        .refuseSave = [](DbSession& session, const MasterRecord& record, EditorMode) -> DbResult<std::optional<Refusal>> {
            auto same = session.query(QStringLiteral("select 1 from 客户 where 名称 = ?"), {record.value("名称")});
            if (!same)
                return same.error();
            if (same->isEmpty())
                return std::optional<Refusal>();
            return std::optional<Refusal>(
                Refusal{QStringLiteral("客户名称已经存在，请增加标识用以区分！"), {}, QStringLiteral("Text2")});
        },
        // A second write in the same transaction.
        .alsoWrite = [](DbSession& session, const MasterRecord& record, EditorMode) -> DbStatus {
            return session.exec(QStringLiteral("update 客户 set 积分 = 10 where 编号 = ?"), {record.value("编号")}).status();
        },
    };
}

class CustomerLikeEditor : public MasterEditor {
public:
    CustomerLikeEditor(MasterListPanel& list, EditorMode mode, QWidget* parent)
        : MasterEditor(customerLikeEditor(), list, mode, parent)
    {
        if (mode != EditorMode::View)
            return;
        auto* history = new QLabel(QStringLiteral("会 员 客 户 个 人 消 费 情 况"), this);
        history->setObjectName(QStringLiteral("history"));
        addSidePart(history);
    }
};
}

class TestMasterFamily : public VarnholtTestCase {
    Q_OBJECT

    QString ini(const QString& section, const QString& key)
    {
        return IniFile(appPath() + QStringLiteral("/config.ini")).read(section, key);
    }

    MasterListPanel* showPanel(ListDesign design)
    {
        auto* panel = new MasterListPanel(std::move(design));
        panel->resize(800, 400);
        panel->show();
        QApplication::setActiveWindow(panel);
        return panel;
    }

    void execute(const QString& sql)
    {
        auto conn = Mod1::OpenConn();
        auto done = conn->exec(sql);
        QVERIFY2(done, qPrintable(done ? QString() : done.error().text()));
    }

private slots:
    void cellsFormatRawValues()
    {
        execute("insert into 商品信息 (商品编号, 商品名称, 单位, 进价, 批发价, 自编码) values "
                "('SP000001', ' 可乐 ', '瓶', 3, 2.5, 'K1'), ('SP000002', '雪碧', '瓶', 1234.567, null, null), "
                "('SP000003', '芬达', '瓶', 0.005, 1, 'F')");
        execute("insert into 库存 (商品编号, 库存量) values ('SP000001', 12.5), ('SP000002', 3), ('SP000002', 7)");
        MasterListPanel* panel = showPanel(goodsLikeList());
        QCOMPARE(shownRows(panel->view()), (QList<QStringList>{
                                               {"SP000001", "可乐", "瓶", "3.00", "2.50", "12.5", "K1"},
                                               {"SP000002", "雪碧", "瓶", "1234.57", "", "3", ""},
                                               {"SP000003", "芬达", "瓶", "0.01", "1.00", "0", "F"},
                                           }));
        QVERIFY(panel->view()->isColumnHidden(4));
        QVERIFY(showsColumnWhole(panel->view(), 3));
        QCOMPARE(panel->model()->index(0, 3).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHorizontal_Mask,
                 Qt::AlignRight);
        // The raw value stays as read.
        QCOMPARE(panel->model()->index(1, 3).data(RecordTableModel::RawValueRole).toDouble(), 1234.567);
    }

    // Each column fits its header and what it lists; the designed width is only where it starts.
    void columnsFitTheirHeadersAndRows()
    {
        const QString longName = QStringLiteral("特级陈年绍兴花雕酒二十年陈酿礼盒装");
        const QString bigPrice = QStringLiteral("123456789.00");
        execute(QStringLiteral("insert into 商品信息 (商品编号, 商品名称, 单位, 进价) values "
                               "('SP000001', '%1', '瓶', 123456789), ('SP000002', '茶', '个', 1)")
                    .arg(longName));
        MasterListPanel* panel = showPanel(goodsLikeList());
        RecordGrid* view = panel->view();
        const int margins = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
        const auto textFits = [&](int column, const QString& text) {
            return view->columnWidth(column) >= view->fontMetrics().horizontalAdvance(text) + margins;
        };
        QVERIFY(textFits(1, longName));
        QVERIFY(textFits(3, bigPrice));
        // A short column is as wide as its header, not its twips, and money
        // keeps no room for figures it does not list.
        QCOMPARE(view->columnWidth(2), view->header()->sectionSizeHint(2));
        QVERIFY(!textFits(3, QStringLiteral("-99999999999.99")));
    }

    void theListModelKeepsItsContract()
    {
        execute(
            "insert into 商品信息 (商品编号, 商品名称, 拼音码) values ('SP000001', '可乐', 'KL'), ('SP000002', '雪碧', 'XB')");
        MasterListPanel* panel = showPanel(goodsLikeList());
        QAbstractItemModelTester tester(panel->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        panel->filterBox()->setText(QStringLiteral("k"));
        QCOMPARE(panel->model()->rowCount(), 1);
        panel->model()->appendRow({"SP000003", "芬达"});
        panel->model()->setRow(0, {"SP000001", "百事可乐"});
        QCOMPARE(shownRows(panel->view()).at(0).at(1), QStringLiteral("百事可乐"));
        panel->model()->removeRow(1);
        panel->fillWhere();
        QCOMPARE(panel->model()->rowCount(), 2);
    }

    void filterOptionIsKeptAcrossOpenings()
    {
        execute("insert into 商品信息 (商品编号, 拼音码, 自编码) values ('SP000001', 'KL', 'A7'), ('SP000002', 'XB', 'B7')");
        MasterListPanel* panel = showPanel(goodsLikeList());
        QVERIFY(childOf<QRadioButton>(panel, "Option9")->isChecked());
        QCOMPARE(ini("option9", "name"), QString());
        panel->filterBox()->setText(QStringLiteral("k"));
        QCOMPARE(panel->model()->rowCount(), 1);

        QTest::mouseClick(childOf<QRadioButton>(panel, "Option11"), Qt::LeftButton);
        QCOMPARE(ini("option9", "name"), QStringLiteral("False"));
        QCOMPARE(ini("option10", "name"), QStringLiteral("False"));
        QCOMPARE(ini("option11", "name"), QStringLiteral("True"));
        QCOMPARE(childOf<QLabel>(panel, "Label2")->text(), QStringLiteral("输入自编码筛选"));
        QCOMPARE(panel->model()->rowCount(), 1);
        panel->filterBox()->setText(QStringLiteral("7"));
        QCOMPARE(panel->model()->rowCount(), 2);

        MasterListPanel* again = showPanel(goodsLikeList());
        QVERIFY(childOf<QRadioButton>(again, "Option11")->isChecked());
        QCOMPARE(childOf<QLabel>(again, "Label2")->text(), QStringLiteral("输入自编码筛选"));
        QCOMPARE(again->model()->rowCount(), 2);
    }

    void unreadableOptionsKeepTheDesignedChoice()
    {
        IniFile file(appPath() + QStringLiteral("/config.ini"));
        file.write("option5", "nameC", "yes");
        file.write("option8", "nameC", "");
        MasterListPanel* panel = showPanel(customerLikeList());
        QVERIFY(childOf<QRadioButton>(panel, "Option5")->isChecked());
        QCOMPARE(childOf<QLabel>(panel, "Label2")->text(), QStringLiteral("输入拼音码筛选"));
        QCOMPARE(ini("option5", "nameC"), QStringLiteral("yes"));
    }

    void listFilledOnDemandAndEmptiedByAnEmptyFilter()
    {
        execute("insert into 客户 (编号, 积分, 名称, 电话) values ('KH000001', 12.6, '王五', '13800'), "
                "('KH000002', 2.5, '赵六', null)");
        MasterListPanel* panel = showPanel(customerLikeList());
        QCOMPARE(panel->model()->rowCount(), 0);
        panel->fillWhere();
        QCOMPARE(shownRows(panel->view()),
                 (QList<QStringList>{{"KH000001", "13", "王五", "13800"}, {"KH000002", "3", "赵六", ""}}));
        QTest::mouseClick(childOf<QRadioButton>(panel, "Option8"), Qt::LeftButton);
        QCOMPARE(ini("option8", "nameC"), QStringLiteral("True"));
        QCOMPARE(ini("option5", "nameC"), QStringLiteral("False"));
        panel->filterBox()->setText(QStringLiteral("138"));
        QCOMPARE(panel->model()->rowCount(), 1);
        panel->filterBox()->clear();
        QCOMPARE(panel->model()->rowCount(), 0);
        // A blank is no empty box: every customer with a phone.
        panel->filterBox()->setText(QStringLiteral(" "));
        QCOMPARE(panel->model()->rowCount(), 1);
    }

    void deletionForTheAdministratorOnly()
    {
        appState().currentOperator = QStringLiteral("张三");
        QVERIFY(!childOf<QPushButton>(showPanel(customerLikeList()), "ComDel")->isEnabled());
        appState().currentOperator = QStringLiteral("管理员");
        QVERIFY(childOf<QPushButton>(showPanel(customerLikeList()), "ComDel")->isEnabled());
    }

    void deletionStatementsRunAsOne()
    {
        execute("insert into 商品信息 (商品编号) values ('SP000001'), ('SP000002')");
        execute("insert into 库存 (商品编号, 库存量) values ('SP000001', 1), ('SP000002', 2)");
        execute("create trigger keep before delete on 库存 when old.商品编号 = 'SP000002' "
                "begin select raise(abort, 'stock kept'); end");
        MasterListPanel* panel = showPanel(goodsLikeList());
        clickRow(panel->view(), 1);
        MessageBox::setNextAnswer(QMessageBox::Yes);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        panel->ComDel_Click();
        QCOMPARE(MessageBox::shownTexts(),
                 (QStringList{"库存中的信息将同步删除，确认删除[SP000002]吗?", "Error 1811: stock kept"}));
        auto count = [](const char* table) {
            auto conn = Mod1::OpenConn();
            return conn->query(QStringLiteral("select * from ") + QString::fromUtf8(table))->count();
        };
        QCOMPARE(count("商品信息"), 2);
        QCOMPARE(count("库存"), 2);
        QCOMPARE(panel->model()->rowCount(), 2);

        clickRow(panel->view(), 0);
        MessageBox::setNextAnswer(QMessageBox::Yes);
        panel->ComDel_Click();
        QCOMPARE(count("商品信息"), 1);
        QCOMPARE(count("库存"), 1);
    }

    void comboAndMoneyBoxes()
    {
        execute("insert into 计量单位 (编号, 名称) values ('DW001', ' 瓶 '), ('DW002', '箱')");
        ListDesign list = goodsLikeList();
        list.openEditor = showModally<GoodsLikeEditor>();
        MasterListPanel* panel = showPanel(std::move(list));
        whenModal([](QDialog* editor) {
            auto* unit = childOf<QComboBox>(editor, "Text4");
            QCOMPARE(unit->count(), 2);
            QCOMPARE(unit->itemText(0), QStringLiteral("瓶"));
            QCOMPARE(unit->currentText(), QString());
            auto* price = childOf<QLineEdit>(editor, "Text6");
            QCOMPARE(price->text(), QStringLiteral("0.00"));
            QVERIFY(editor->findChild<QLabel*>() != nullptr);

            auto* name = childOf<QLineEdit>(editor, "Text2");
            name->setFocus();
            typeText(name, QStringLiteral("可乐"));
            QTest::keyClick(name, Qt::Key_Return);
            QCOMPARE(editor->focusWidget(), unit);
            QTest::keyClick(unit, Qt::Key_Return);
            QCOMPARE(editor->focusWidget(), unit);
            typeText(unit, QStringLiteral("听"));
            QTest::keyClick(unit, Qt::Key_Return);
            QCOMPARE(editor->focusWidget(), price);
            price->selectAll();
            typeText(price, QStringLiteral("12.5"));
            QTest::keyClick(price, Qt::Key_Tab);
            QCOMPARE(price->text(), QStringLiteral("12.50"));
            price->setFocus();
            price->selectAll();
            typeText(price, QStringLiteral("abc"));
            QTest::keyClick(price, Qt::Key_Tab);
            QCOMPARE(price->text(), QStringLiteral("0.00"));
            price->setText(QStringLiteral("3.456"));

            MessageBox::setNextAnswer(QMessageBox::Ok);
            childOf<QPushButton>(editor, "ComSave")->click();
            QVERIFY(!editor->isVisible());
        });
        panel->ComAdd_Click();
        auto conn = Mod1::OpenConn();
        auto rows = conn->query("select 商品编号, 单位, 进价, typeof(进价) as kind, 自编码 from 商品信息");
        QCOMPARE(rows->count(), 1);
        QCOMPARE(rows->text(0, "商品编号"), QStringLiteral("SP000001"));
        QCOMPARE(rows->text(0, "单位"), QStringLiteral("听"));
        QCOMPARE(rows->text(0, "kind"), QStringLiteral("real"));
        QCOMPARE(rows->number(0, "进价"), 3.46);
        QCOMPARE(rows->text(0, "自编码"), QStringLiteral("-"));
        // The new row shows its texts; a stock it never had stays empty.
        QCOMPARE(shownRows(panel->view()), (QList<QStringList>{{"SP000001", "可乐", "听", "3.46", "", "", "-"}}));
    }

    void modifyShowsTheLoadedUnitAndAnEmptyRequiredComboStops()
    {
        execute("insert into 计量单位 (编号, 名称) values ('DW001', '瓶')");
        execute("insert into 商品信息 (商品编号, 商品名称, 单位, 进价) values ('SP000001', '可乐', '桶', 2)");
        ListDesign list = goodsLikeList();
        list.openEditor = showModally<GoodsLikeEditor>();
        MasterListPanel* panel = showPanel(std::move(list));
        clickRow(panel->view(), 0);
        whenModal([](QDialog* editor) {
            auto* unit = childOf<QComboBox>(editor, "Text4");
            QCOMPARE(unit->currentText(), QStringLiteral("桶"));
            QCOMPARE(childOf<QLineEdit>(editor, "Text6")->text(), QStringLiteral("2.00"));
            unit->setEditText(QString());
            MessageBox::setNextAnswer(QMessageBox::Ok);
            childOf<QPushButton>(editor, "ComSave")->click();
            QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("请输入单位。")});
            QCOMPARE(editor->focusWidget(), unit);
        });
        panel->ComMod_Click();
    }

    void viewModeShowsTheRecordWithOnlyAClosingButton()
    {
        execute("insert into 客户 (编号, 积分, 名称, 电话) values ('KH000001', 1, '王五', '138')");
        ListDesign list = customerLikeList();
        list.openEditor = showModally<CustomerLikeEditor>();
        MasterListPanel* panel = showPanel(std::move(list));
        panel->fillWhere();
        whenModal([](QDialog* editor) {
            QCOMPARE(editor->windowTitle(), QStringLiteral("客户信息及消费记录"));
            QVERIFY(childOf<QPushButton>(editor, "ComSave")->isHidden());
            auto* close = childOf<QPushButton>(editor, "ComRtn");
            QCOMPARE(close->text(), QStringLiteral("关   闭 （C）"));
            QCOMPARE(childOf<QLineEdit>(editor, "Text2")->text(), QStringLiteral("王五"));
            QCOMPARE(childOf<QLabel>(editor, "Label3")->text(), QStringLiteral("电    话"));
            auto* history = childOf<QLabel>(editor, "history");
            QVERIFY(history->isVisible());
            QVERIFY(history->geometry().left() > childOf<QWidget>(editor, "Text2")->geometry().right());
            auto* phone = childOf<QLineEdit>(editor, "Text3");
            phone->setFocus();
            QTest::keyClick(phone, Qt::Key_Return);
            QCOMPARE(editor->focusWidget(), phone);
            close->setFocus();
            QTest::keyClick(close, Qt::Key_Return);
            QVERIFY(!editor->isVisible());
        });
        doubleClickRow(panel->view(), 0);
        QVERIFY(MessageBox::shownTexts().isEmpty());
    }

    void refusalWritesNothingAndTheSecondWriteSharesTheTransaction()
    {
        execute("insert into 客户 (编号, 名称) values ('KH000001', '王五')");
        ListDesign list = customerLikeList();
        list.openEditor = showModally<CustomerLikeEditor>();
        MasterListPanel* panel = showPanel(std::move(list));
        whenModal([](QDialog* editor) {
            QCOMPARE(editor->windowTitle(), QStringLiteral("会员客户记录"));
            QVERIFY(!editor->findChild<QLabel*>(QStringLiteral("history")));
            QCOMPARE(childOf<QLineEdit>(editor, "Text1")->text(), QStringLiteral("KH000002"));
            childOf<QLineEdit>(editor, "Text2")->setText(QStringLiteral("王五"));
            MessageBox::setNextAnswer(QMessageBox::Ok);
            childOf<QPushButton>(editor, "ComSave")->click();
            QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("客户名称已经存在，请增加标识用以区分！")});
            QCOMPARE(MessageBox::shown().first().title, QStringLiteral("Varnholt"));
            QCOMPARE(editor->focusWidget(), childOf<QWidget>(editor, "Text2"));
            QVERIFY(editor->isVisible());
        });
        panel->ComAdd_Click();
        QCOMPARE(panel->model()->rowCount(), 0);

        execute("create trigger refuse before update on 客户 begin select raise(abort, 'points refused'); end");
        whenModal([](QDialog* editor) {
            childOf<QLineEdit>(editor, "Text2")->setText(QStringLiteral("赵六"));
            MessageBox::setNextAnswer(QMessageBox::Ok);
            childOf<QPushButton>(editor, "ComSave")->click();
            QVERIFY(MessageBox::shownTexts().last().startsWith(QStringLiteral("Error 1811: points refused")));
            QVERIFY(editor->isVisible());
        });
        panel->ComAdd_Click();
        auto conn = Mod1::OpenConn();
        QCOMPARE(conn->query("select * from 客户")->count(), 1);
        QCOMPARE(panel->model()->rowCount(), 0);
    }
};

VARNHOLT_TEST(TestMasterFamily)
#include "tst_masterfamily.moc"
