#include "dbsession.h"
#include "fixture.h"
#include "frmGoods.h"
#include "masterdrive.h"
#include "messagebox.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace {
QString boxText(QDialog* editor, const char* name)
{
    if (auto* line = editor->findChild<QLineEdit*>(QString::fromLatin1(name)))
        return line->text();
    if (auto* combo = editor->findChild<QComboBox*>(QString::fromLatin1(name)))
        return combo->currentText();
    return QStringLiteral("<missing>");
}

void setBox(QDialog* editor, const char* name, const QString& text)
{
    if (auto* line = editor->findChild<QLineEdit*>(QString::fromLatin1(name)))
        line->setText(text);
    else if (auto* combo = editor->findChild<QComboBox*>(QString::fromLatin1(name)))
        combo->setEditText(text);
    else
        QTest::qFail(QByteArray("no box ") + name, __FILE__, __LINE__);
}

// Tabs into a box and types over its whole text.
void typeInto(QDialog* editor, const char* name, const QString& text)
{
    auto* box = childOf<QWidget>(editor, name);
    box->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    typeText(box, text);
}

void save(QDialog* editor) { childOf<QPushButton>(editor, "ComSave")->click(); }
}

class TestFrmGoods1 : public VarnholtTestCase {
    Q_OBJECT

    void execute(const QString& sql)
    {
        auto conn = Mod1::OpenConn();
        auto done = conn->exec(sql);
        QVERIFY2(done, qPrintable(done ? QString() : done.error().text()));
    }

    // Rows as their plain texts, with the kind SQLite keeps each value as.

    frmGoods* openList() { return showActive<frmGoods>(1200, 500); }

    void addGoodsWithStock()
    {
        execute("insert into 商品信息 values "
                "('SP000001', '可乐', '330ml', '瓶', '饮料', 2, 2.5, 2.8, 3, 100, 10, 'A区', 'KL', 'SQ', 'K1', '6901'), "
                "('SP000002', '雪碧', '-', '瓶', '饮料', 2, 0, 0, 3, 0, 0, '-', 'XB', 'FG', '-', '-')");
        execute("insert into 库存 values ('饮料', 'SP000001', '可乐', '330ml', '瓶', 2.4, 30, 100, 10, 12.5)");
    }

private slots:
    void newGoodsGetsTheNextNumber_data()
    {
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("proposed");
        QTest::newRow("empty table") << QString() << "SP000001";
        QTest::newRow("after SP000041") << "SP000041"
                                        << "SP000042";
    }

    void newGoodsGetsTheNextNumber()
    {
        QFETCH(QString, last);
        QFETCH(QString, proposed);
        if (!last.isEmpty())
            execute(QStringLiteral("insert into 商品信息 (商品编号, 商品名称) values ('%1', '旧')").arg(last));
        frmGoods* form = openList();
        whenModal([&proposed](QDialog* editor) {
            QCOMPARE(editor->windowTitle(), QStringLiteral("记录编辑"));
            auto* number = childOf<QLineEdit>(editor, "Text1");
            QCOMPARE(number->text(), proposed);
            QVERIFY(!number->isEnabled());
            QCOMPARE(editor->focusWidget(), childOf<QWidget>(editor, "Text2"));
        });
        childOf<QPushButton>(form, "ComAdd")->click();
    }

    void eachActivationPutsTheFocusInTheName()
    {
        frmGoods* form = openList();
        whenModal([](QDialog* editor) {
            QCOMPARE(editor->focusWidget(), childOf<QWidget>(editor, "Text2"));
            childOf<QWidget>(editor, "Text6")->setFocus();
            // Coming back from a message box keeps the focus where it was.
            QMessageBox box(editor);
            box.show();
            QApplication::setActiveWindow(&box);
            QApplication::setActiveWindow(editor);
            QCOMPARE(editor->focusWidget(), childOf<QWidget>(editor, "Text6"));
            // Coming back from another form opened over it is an activation.
            QWidget other(editor, Qt::Window);
            other.show();
            QApplication::setActiveWindow(&other);
            QApplication::setActiveWindow(editor);
            QCOMPARE(QApplication::activeWindow(), editor);
            QCOMPARE(editor->focusWidget(), childOf<QWidget>(editor, "Text2"));
        });
        childOf<QPushButton>(form, "ComAdd")->click();
    }

    void boxesLabelsAndLists()
    {
        execute("insert into 计量单位 values ('DW001', ' 瓶 '), ('DW002', '箱')");
        execute("insert into 商品类别 values ('LB001', '饮料')");
        frmGoods* form = openList();
        whenModal([](QDialog* editor) {
            QStringList labels;
            for (const QLabel* label : editor->findChildren<QLabel*>())
                labels << label->text();
            for (const char* text :
                 {"商品编号", "商品名称", "规    格",     "单    位",   "类    别",     "进    价",         "批 发 价",
                  "会 员 价", "零 售 价", "库存上限",     "库存下限",   "存放位置",     "拼 音 码",         "五 笔 码",
                  "自 编 码", "条 形 码", "（入货调用）", "（参考用）", "（销售调用）", "（库存过多提醒）", "（用于进货提醒）"})
                QVERIFY2(labels.contains(QString::fromUtf8(text)), text);
            QCOMPARE(labels.count(QStringLiteral("（参考用）")), 2);

            auto* units = childOf<QComboBox>(editor, "Text4");
            QVERIFY(units && units->isEditable());
            QStringList items;
            for (int i = 0; i < units->count(); ++i)
                items << units->itemText(i);
            QCOMPARE(items, (QStringList{"瓶", "箱"}));
            QCOMPARE(units->currentText(), QString());
            QCOMPARE(childOf<QComboBox>(editor, "Text5")->itemText(0), QStringLiteral("饮料"));
            // The amounts are of one width, each with its hint right beside it.
            const QList<QPair<const char*, const char*>> amounts{{"Text6", "（入货调用）"},      {"Text7", "（参考用）"},
                                                                 {"Text8", "（参考用）"},        {"Text9", "（销售调用）"},
                                                                 {"Text10", "（库存过多提醒）"}, {"Text11", "（用于进货提醒）"}};
            const int width = childOf<QLineEdit>(editor, "Text6")->width();
            for (const auto& [name, hintText] : amounts) {
                auto* money = childOf<QLineEdit>(editor, name);
                QCOMPARE(money->text(), QStringLiteral("0.00"));
                QCOMPARE(money->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
                QCOMPARE(money->width(), width);
                const QRect box(money->mapTo(editor, QPoint(0, 0)), money->size());
                bool beside = false;
                for (const QLabel* label : editor->findChildren<QLabel*>()) {
                    const QRect hint(label->mapTo(editor, QPoint(0, 0)), label->size());
                    beside |= label->text() == QString::fromUtf8(hintText) && hint.left() > box.right()
                              && hint.left() - box.right() < 40 && hint.center().y() == box.center().y();
                }
                QVERIFY2(beside, name);
            }
        });
        childOf<QPushButton>(form, "ComAdd")->click();
    }

    void moneyBoxFormatsOnLeaving_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("decimal") << "12.5"
                                 << "12.50";
        QTest::newRow("not a number") << "abc"
                                      << "0.00";
        QTest::newRow("rounded") << "2.675"
                                 << "2.68";
    }

    void moneyBoxFormatsOnLeaving()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        frmGoods* form = openList();
        whenModal([&](QDialog* editor) {
            auto* price = childOf<QLineEdit>(editor, "Text6");
            childOf<QWidget>(editor, "Text5")->setFocus();
            QTest::keyClick(editor->focusWidget(), Qt::Key_Tab);
            QCoreApplication::processEvents();
            QCOMPARE(editor->focusWidget(), price);
            QCOMPARE(price->selectedText(), QStringLiteral("0.00"));
            typeText(price, typed);
            QCOMPARE(price->text(), typed);
            QTest::keyClick(price, Qt::Key_Tab);
            QCOMPARE(price->text(), shown);
        });
        childOf<QPushButton>(form, "ComAdd")->click();
    }

    // A price or limit past the box limit is refused as it is left, naming
    // it; a click on 保存 leaves it and clicks, and is told once. Full-width
    // figures fold; nothing is saved while one is refused.
    void figuresPastTheBoxAreRefused()
    {
        execute("insert into 计量单位 values ('DW001', '瓶')");
        execute("insert into 商品类别 values ('LB001', '饮料')");
        frmGoods* form = openList();
        whenModal([](QDialog* editor) {
            typeInto(editor, "Text2", QStringLiteral("可乐"));
            setBox(editor, "Text4", QStringLiteral("瓶"));
            setBox(editor, "Text5", QStringLiteral("饮料"));
            typeInto(editor, "Text6", QStringLiteral("１２．５"));
            auto* retail = childOf<QLineEdit>(editor, "Text9");
            typeInto(editor, "Text9", QStringLiteral("1e20"));
            MessageBox::setNextAnswer(QMessageBox::Ok);
            QTest::keyClick(retail, Qt::Key_Tab);
            QCoreApplication::processEvents(); // told once the move is done
            QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("零售价不能大于[999999999.99]。")});
            QCOMPARE(MessageBox::shown().last().title, QStringLiteral("提示"));
            QCOMPARE(editor->focusWidget(), retail);
            QCOMPARE(retail->text(), QStringLiteral("1e20"));
            QCOMPARE(boxText(editor, "Text6"), QStringLiteral("12.50"));

            MessageBox::clear();
            MessageBox::setNextAnswer(QMessageBox::Ok);
            QTest::mouseClick(childOf<QPushButton>(editor, "ComSave"), Qt::LeftButton);
            QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("零售价不能大于[999999999.99]。")});
            QCOMPARE(editor->focusWidget(), retail);
            QVERIFY(editor->isVisible());

            auto* upper = childOf<QLineEdit>(editor, "Text10");
            typeInto(editor, "Text9", QStringLiteral("15"));
            typeInto(editor, "Text10", QStringLiteral("1000000000"));
            MessageBox::clear();
            MessageBox::setNextAnswer(QMessageBox::Ok);
            save(editor);
            QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("库存上限不能大于[999999999.99]。")});
            QCOMPARE(editor->focusWidget(), upper);
            childOf<QPushButton>(editor, "ComRtn")->click();
        });
        childOf<QPushButton>(form, "ComAdd")->click();
        QVERIFY(storedTexts("select * from 商品信息").isEmpty());
    }

    void checksInFieldOrder()
    {
        frmGoods* form = openList();
        whenModal([](QDialog* editor) {
            MessageBox::setNextAnswer(QMessageBox::Ok);
            save(editor);
            QCOMPARE(MessageBox::shownTexts().last(), QStringLiteral("请输入商品名称。"));
            QCOMPARE(MessageBox::shown().last().title, QStringLiteral("提示"));
            QCOMPARE(editor->focusWidget(), childOf<QWidget>(editor, "Text2"));

            typeInto(editor, "Text2", QStringLiteral("可乐"));
            MessageBox::setNextAnswer(QMessageBox::Ok);
            save(editor);
            QCOMPARE(MessageBox::shownTexts().last(), QStringLiteral("请输入单位。"));
            QVERIFY(childOf<QWidget>(editor, "Text4")->isAncestorOf(editor->focusWidget())
                    || editor->focusWidget() == childOf<QWidget>(editor, "Text4"));
            QCOMPARE(boxText(editor, "Text3"), QStringLiteral("-"));

            setBox(editor, "Text4", QStringLiteral("瓶"));
            MessageBox::setNextAnswer(QMessageBox::Ok);
            save(editor);
            QCOMPARE(MessageBox::shownTexts().last(), QStringLiteral("请输入类别。"));
            // 存放位置 is tested after the category: still empty.
            QCOMPARE(boxText(editor, "Text12"), QString());

            setBox(editor, "Text5", QStringLiteral("饮料"));
            setBox(editor, "Text13", QString());
            MessageBox::setNextAnswer(QMessageBox::Ok);
            save(editor);
            QCOMPARE(MessageBox::shownTexts().last(), QStringLiteral("请输入拼音码。"));
            QCOMPARE(boxText(editor, "Text12"), QStringLiteral("-"));
            QCOMPARE(editor->focusWidget(), childOf<QWidget>(editor, "Text13"));

            setBox(editor, "Text13", QStringLiteral("KL"));
            setBox(editor, "Text14", QString());
            MessageBox::setNextAnswer(QMessageBox::Ok);
            save(editor);
            QCOMPARE(MessageBox::shownTexts().last(), QStringLiteral("请输入五笔码。"));
            QVERIFY(editor->isVisible());
        });
        childOf<QPushButton>(form, "ComAdd")->click();
        QVERIFY(storedTexts("select * from 商品信息").isEmpty());
    }

    void addingStoresDashesAndNoStockRow()
    {
        execute("insert into 计量单位 values ('DW001', '瓶')");
        execute("insert into 商品类别 values ('LB001', '饮料'), ('LB002', '零食')");
        addGoodsWithStock();
        frmGoods* form = openList();
        auto* list = childOf<QTreeView>(form, "ListView1");
        whenModal([](QDialog* editor) {
            QCOMPARE(boxText(editor, "Text1"), QStringLiteral("SP000003"));
            typeInto(editor, "Text2", QStringLiteral("可乐"));
            // Leaving the name fills the codes.
            typeInto(editor, "Text4", QStringLiteral("打"));
            QCOMPARE(boxText(editor, "Text13"), QStringLiteral("KL"));
            QCOMPARE(boxText(editor, "Text14"), QStringLiteral("SQ"));
            auto* category = childOf<QComboBox>(editor, "Text5");
            QTest::mouseClick(category, Qt::LeftButton);
            QTest::keyClick(category, Qt::Key_Down);
            QTest::keyClick(category, Qt::Key_Down);
            QCOMPARE(category->currentText(), QStringLiteral("零食"));
            typeInto(editor, "Text6", QStringLiteral("12.5"));
            typeInto(editor, "Text9", QStringLiteral("15"));
            typeInto(editor, "Text10", QStringLiteral("abc"));
            typeInto(editor, "Text11", QStringLiteral("5"));
            QTest::keyClick(editor->focusWidget(), Qt::Key_Tab);
            MessageBox::setNextAnswer(QMessageBox::Ok);
            save(editor);
            QVERIFY(!editor->isVisible());
        });
        childOf<QPushButton>(form, "ComAdd")->click();
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("新增成功。")});
        QCOMPARE(MessageBox::shown().last().title, QStringLiteral("提示"));
        QCOMPARE(storedTexts("select * from 商品信息 where 商品编号 = 'SP000003'"),
                 (QList<QStringList>{
                     {"SP000003", "可乐", "-", "打", "零食", "12.5", "0", "0", "15", "0", "5", "-", "KL", "SQ", "-", "-"}}));
        // Prices are numbers in the database, not texts.
        QCOMPARE(storedTexts("select typeof(进价), typeof(库存下限) from 商品信息 where 商品编号 = 'SP000003'"),
                 (QList<QStringList>{{"real", "real"}}));
        QCOMPARE(storedTexts("select 商品编号 from 库存"), (QList<QStringList>{{"SP000001"}}));
        // Appended with an empty stock column until the list is read again.
        QCOMPARE(shownRows(list).last(), (QStringList{"SP000003", "可乐", "-", "打", "零食", "12.50", "0.00", "0.00", "15.00",
                                                      "0.00", "5.00", "", "-", "KL", "SQ", "-", "-"}));
    }

    void modifyingCopiesIntoTheStockRow()
    {
        addGoodsWithStock();
        frmGoods* form = openList();
        auto* list = childOf<QTreeView>(form, "ListView1");
        whenModal([](QDialog* editor) {
            const char* const boxes[] = {"Text1", "Text2",  "Text3",  "Text4",  "Text5",  "Text6",  "Text7",  "Text8",
                                         "Text9", "Text10", "Text11", "Text12", "Text13", "Text14", "Text15", "Text16"};
            const QStringList loaded{"SP000001", "可乐",   "330ml", "瓶",  "饮料", "2.00", "2.50", "2.80",
                                     "3.00",     "100.00", "10.00", "A区", "KL",   "SQ",   "K1",   "6901"};
            for (int i = 0; i < 16; ++i)
                QCOMPARE(boxText(editor, boxes[i]), loaded[i]);
            // Leaving the name rewrites the codes also when modifying.
            setBox(editor, "Text2", QStringLiteral("百事可乐"));
            setBox(editor, "Text3", QStringLiteral("500ml"));
            setBox(editor, "Text4", QStringLiteral("听"));
            setBox(editor, "Text5", QStringLiteral("汽水"));
            typeInto(editor, "Text10", QStringLiteral("80"));
            typeInto(editor, "Text11", QStringLiteral("8.5"));
            typeInto(editor, "Text9", QStringLiteral("3.5"));
            QTest::keyClick(editor->focusWidget(), Qt::Key_Tab);
            MessageBox::setNextAnswer(QMessageBox::Ok);
            save(editor);
            QVERIFY(!editor->isVisible());
        });
        doubleClickRow(list, 0);
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("修改成功。")});
        QCOMPARE(storedTexts("select * from 商品信息 where 商品编号 = 'SP000001'"),
                 (QList<QStringList>{{"SP000001", "百事可乐", "500ml", "听", "汽水", "2", "2.5", "2.8", "3.5", "80", "8.5", "A区",
                                      "BSKL", "DGSQ", "K1", "6901"}}));
        // The six copies change; quantity, value and average cost stay.
        QCOMPARE(storedTexts("select * from 库存"),
                 (QList<QStringList>{{"汽水", "SP000001", "百事可乐", "500ml", "听", "2.4", "30", "80", "8.5", "12.5"}}));
        QCOMPARE(shownRows(list).first(), (QStringList{"SP000001", "百事可乐", "500ml", "听", "汽水", "2.00", "2.50", "2.80",
                                                       "3.50", "80.00", "8.50", "12.5", "A区", "BSKL", "DGSQ", "K1", "6901"}));

        // A goods without a stock row gets none.
        whenModal([](QDialog* editor) {
            setBox(editor, "Text2", QStringLiteral("七喜"));
            MessageBox::setNextAnswer(QMessageBox::Ok);
            save(editor);
        });
        doubleClickRow(list, 1);
        QCOMPARE(MessageBox::shownTexts().last(), QStringLiteral("修改成功。"));
        QCOMPARE(storedTexts("select 商品名称 from 商品信息 where 商品编号 = 'SP000002'"), (QList<QStringList>{{"七喜"}}));
        QCOMPARE(storedTexts("select 商品编号 from 库存"), (QList<QStringList>{{"SP000001"}}));
    }

    void typedValuesAreStoredAsTyped()
    {
        addGoodsWithStock();
        execute("insert into 计量单位 values ('DW001', 'kgs')");
        execute("insert into 商品类别 values ('LB001', 'Snacks')");
        frmGoods* form = openList();
        whenModal([](QDialog* editor) {
            // Tabbing into an amount selects all of it: typing replaces it.
            childOf<QWidget>(editor, "Text9")->setFocus(Qt::TabFocusReason);
            QTest::keyClick(editor->focusWidget(), Qt::Key_Tab);
            QCoreApplication::processEvents();
            auto* upper = childOf<QLineEdit>(editor, "Text10");
            QCOMPARE(editor->focusWidget(), upper);
            QCOMPARE(upper->selectedText(), QStringLiteral("100.00"));
            typeText(upper, QStringLiteral("50"));
            QTest::keyClick(upper, Qt::Key_Tab);
            QCOMPARE(upper->text(), QStringLiteral("50.00"));
            // A name that starts another one is not completed to it.
            typeInto(editor, "Text4", QStringLiteral("k"));
            typeInto(editor, "Text5", QStringLiteral("S"));
            QCOMPARE(boxText(editor, "Text4"), QStringLiteral("k"));
            QCOMPARE(boxText(editor, "Text5"), QStringLiteral("S"));
            MessageBox::setNextAnswer(QMessageBox::Ok);
            save(editor);
        });
        doubleClickRow(childOf<QTreeView>(form, "ListView1"), 0);
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("修改成功。")});
        QCOMPARE(storedTexts("select 单位, 类别, 库存上限 from 商品信息 where 商品编号 = 'SP000001'"),
                 (QList<QStringList>{{"k", "S", "50"}}));
        QCOMPARE(storedTexts("select 单位, 类别, 库存上限 from 库存"), (QList<QStringList>{{"k", "S", "50"}}));
    }

    void failedStockCopyLeavesTheGoodsAsItWas()
    {
        addGoodsWithStock();
        execute("create trigger keep before update on 库存 begin select raise(abort, 'stock locked'); end");
        frmGoods* form = openList();
        whenModal([](QDialog* editor) {
            setBox(editor, "Text2", QStringLiteral("百事可乐"));
            MessageBox::setNextAnswer(QMessageBox::Ok);
            save(editor);
            QVERIFY(editor->isVisible());
            QCOMPARE(boxText(editor, "Text2"), QStringLiteral("百事可乐"));
            const MessageBoxRecord box = MessageBox::shown().last();
            QVERIFY2(box.text.startsWith(QStringLiteral("Error 1811: stock locked")), qPrintable(box.text));
        });
        clickRow(childOf<QTreeView>(form, "ListView1"), 0);
        childOf<QPushButton>(form, "ComMod")->click();
        QCOMPARE(storedTexts("select 商品名称 from 商品信息 where 商品编号 = 'SP000001'"), (QList<QStringList>{{"可乐"}}));
        QCOMPARE(storedTexts("select 商品名称 from 库存"), (QList<QStringList>{{"可乐"}}));
        QCOMPARE(shownRows(childOf<QTreeView>(form, "ListView1")).first().at(1), QStringLiteral("可乐"));
    }

    void modifyingWithAnEmptyListStopsAtTheNumber()
    {
        frmGoods* form = openList();
        whenModal([](QDialog* editor) {
            QCOMPARE(boxText(editor, "Text1"), QString());
            QCOMPARE(boxText(editor, "Text2"), QString());
            MessageBox::setNextAnswer(QMessageBox::Ok);
            save(editor);
            QCOMPARE(MessageBox::shownTexts().last(), QStringLiteral("请输入商品编号。"));
        });
        childOf<QPushButton>(form, "ComMod")->click();
        QVERIFY(storedTexts("select * from 商品信息").isEmpty());
    }
};

VARNHOLT_TEST(TestFrmGoods1)
#include "tst_frmgoods1.moc"
