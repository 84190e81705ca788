#include "dbsession.h"
#include "fixture.h"
#include "frmGoods.h"
#include "inifile.h"
#include "masterdrive.h"
#include "messagebox.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

class TestFrmGoods : public VarnholtTestCase {
    Q_OBJECT

    void execute(const QString& sql)
    {
        auto conn = Mod1::OpenConn();
        auto done = conn->exec(sql);
        QVERIFY2(done, qPrintable(done ? QString() : done.error().text()));
    }

    QStringList column(const QString& sql)
    {
        auto conn = Mod1::OpenConn();
        auto rows = conn->query(sql);
        QStringList values;
        for (int r = 0; r < rows->count(); ++r)
            values << rows->text(r, rows->columns().first());
        return values;
    }

    QString ini(const char* section)
    {
        return IniFile(appPath() + QStringLiteral("/config.ini")).read(QString::fromLatin1(section), QStringLiteral("name"));
    }

    frmGoods* openList() { return showActive<frmGoods>(1200, 500); }

    static QStringList numbersShown(const QTreeView* list)
    {
        QStringList numbers;
        for (const QStringList& row : shownRows(list))
            numbers << row.first();
        return numbers;
    }

    // Four goods whose four search columns tell them apart.
    void addSearchableGoods()
    {
        execute("insert into 商品信息 (商品编号, 商品名称, 拼音码, 五笔码, 自编码, 条形码) values "
                "('SP000001', '可乐', 'KL', 'SQ', 'A01', '6901234'), "
                "('SP000002', '雪碧', 'XB', 'FG', 'A02', '1690'), "
                "('SP000003', '芬达', 'FD', 'AD', 'B01', '1234'), "
                "('SP000004', '矿泉水', 'KQS', 'DRI', 'B02', null)");
    }

private slots:
    void columnsShowTheGoodsWithTheirStock()
    {
        execute("insert into 商品信息 values "
                "(' SP000001 ', ' 可乐 ', '330ml', '瓶', '饮料', 3, 2.5, 2.8, 3.5, 100, 10, 'A区', 'KL', 'SQ', 'K1', '6901234'), "
                "('SP000002', '雪碧', '-', '瓶', '饮料', 1234.567, 0, 0, 0.005, 0, 0, '-', 'XB', 'FG', '-', '-'), "
                "('SP000003', '芬达', '-', '听', '饮料', 2, 0, 0, 2, 0, 0, '-', 'FD', 'AD', '-', '-')");
        execute("insert into 库存 (商品编号, 库存量, 金额, 均价) values "
                "('SP000001', 12.5, 30, 2.4), ('SP000003', 3, 6, 2), ('SP000003', 7, 14, 2)");
        frmGoods* form = openList();
        QCOMPARE(form->windowTitle(), QStringLiteral("商品资料(双击表格可以修改)"));
        auto* list = childOf<QTreeView>(form, "ListView1");
        // A second stock row of SP000003 does not list it twice.
        QCOMPARE(shownRows(list), (QList<QStringList>{
                                      {"SP000001", "可乐", "330ml", "瓶", "饮料", "3.00", "2.50", "2.80", "3.50", "100.00",
                                       "10.00", "12.5", "A区", "KL", "SQ", "K1", "6901234"},
                                      {"SP000002", "雪碧", "-", "瓶", "饮料", "1234.57", "0.00", "0.00", "0.01", "0.00", "0.00",
                                       "0", "-", "XB", "FG", "-", "-"},
                                      {"SP000003", "芬达", "-", "听", "饮料", "2.00", "0.00", "0.00", "2.00", "0.00", "0.00", "3",
                                       "-", "FD", "AD", "-", "-"},
                                  }));

        const QStringList headers{"商品编号", "商品名称", "规格",   "单位",     "类别",   "进价",   "批发价", "会员价", "零售价",
                                  "库存上限", "库存下限", "库存量", "存放位置", "拼音码", "五笔码", "自编码", "条形码"};
        const int widths[] = {1100, 1500, 1500, 700, 1000, 1000, 0, 0, 1000, 1100, 1100, 1000, 2000, 900, 900, 1000, 1000};
        QCOMPARE(list->model()->columnCount(), int(headers.size()));
        for (int c = 0; c < headers.size(); ++c) {
            QCOMPARE(list->model()->headerData(c, Qt::Horizontal).toString(), headers[c]);
            QCOMPARE(list->isColumnHidden(c), widths[c] == 0);
            if (widths[c])
                QVERIFY(showsColumnWhole(list, c));
            const bool right = c >= 5 && c <= 10;
            QCOMPARE(list->model()->index(0, c).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHorizontal_Mask,
                     right ? Qt::AlignRight : Qt::AlignLeft);
        }

        QVERIFY(childOf<QRadioButton>(form, "Option9")->isChecked());
        QCOMPARE(childOf<QLabel>(form, "Label2")->text(), QStringLiteral("输入拼音码筛选"));
        const QStringList captions{"按拼音码", "按五笔码", "按自编码", "按条形码"};
        for (int i = 0; i < 4; ++i) {
            auto* option = childOf<QRadioButton>(form, QByteArray("Option" + QByteArray::number(9 + i)).constData());
            QCOMPARE(option->text(), captions[i]);
            QCOMPARE(option->parentWidget()->objectName(), QStringLiteral("Frame2"));
        }
        const QStringList buttons{"新 增", "修 改", "删 除", "返 回"};
        const char* const names[] = {"ComAdd", "ComMod", "ComDel", "ComRtn"};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(childOf<QPushButton>(form, names[i])->text(), buttons[i]);
    }

    void filterMatchesTheChosenColumnAnywhere_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QStringList>("listedWhenEmptied");
        const QStringList all{"SP000001", "SP000002", "SP000003", "SP000004"};
        QTest::newRow("pinyin") << "Option9"
                                << "输入拼音码筛选"
                                << " k " << QStringList{"SP000001", "SP000004"} << all;
        QTest::newRow("wubi") << "Option10"
                              << "输入五笔码筛选"
                              << "d" << QStringList{"SP000003", "SP000004"} << all;
        QTest::newRow("own code") << "Option11"
                                  << "输入自编码筛选"
                                  << "01" << QStringList{"SP000001", "SP000003"} << all;
        // Anywhere in the barcode, not only at its start; a goods without one is never listed.
        QTest::newRow("barcode") << "Option12"
                                 << "输入条形码筛选"
                                 << "690" << QStringList{"SP000001", "SP000002"}
                                 << QStringList{"SP000001", "SP000002", "SP000003"};
        QTest::newRow("quote") << "Option9"
                               << "输入拼音码筛选"
                               << "'" << QStringList{} << all;
    }

    void filterMatchesTheChosenColumnAnywhere()
    {
        QFETCH(QString, option);
        QFETCH(QString, hint);
        QFETCH(QString, typed);
        QFETCH(QStringList, listed);
        QFETCH(QStringList, listedWhenEmptied);
        addSearchableGoods();
        frmGoods* form = openList();
        auto* list = childOf<QTreeView>(form, "ListView1");
        QTest::mouseClick(childOf<QRadioButton>(form, option.toLatin1().constData()), Qt::LeftButton);
        QCOMPARE(childOf<QLabel>(form, "Label2")->text(), hint);
        auto* filter = childOf<QLineEdit>(form, "TextName");
        typeText(filter, typed);
        QCOMPARE(numbersShown(list), listed);
        filter->selectAll();
        QTest::keyClick(filter, Qt::Key_Backspace);
        QCOMPARE(numbersShown(list), listedWhenEmptied);
        QVERIFY(MessageBox::shownTexts().isEmpty());
    }

    void chosenOptionIsKeptForTheNextOpening()
    {
        addSearchableGoods();
        frmGoods* form = openList();
        auto* list = childOf<QTreeView>(form, "ListView1");
        auto* filter = childOf<QLineEdit>(form, "TextName");
        typeText(filter, QStringLiteral("k"));
        QCOMPARE(numbersShown(list), (QStringList{"SP000001", "SP000004"}));

        QTest::mouseClick(childOf<QRadioButton>(form, "Option11"), Qt::LeftButton);
        QCOMPARE(ini("option9"), QStringLiteral("False"));
        QCOMPARE(ini("option10"), QStringLiteral("False"));
        QCOMPARE(ini("option11"), QStringLiteral("True"));
        QCOMPARE(ini("option12"), QStringLiteral("False"));
        QCOMPARE(childOf<QLabel>(form, "Label2")->text(), QStringLiteral("输入自编码筛选"));
        // The list stays as the text gave it until the text changes.
        QCOMPARE(numbersShown(list), (QStringList{"SP000001", "SP000004"}));
        QTest::keyClick(filter, Qt::Key_Backspace);
        typeText(filter, QStringLiteral("b"));
        QCOMPARE(numbersShown(list), (QStringList{"SP000003", "SP000004"}));

        childOf<QPushButton>(form, "ComRtn")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        form = openList();
        QVERIFY(childOf<QRadioButton>(form, "Option11")->isChecked());
        QCOMPARE(childOf<QLabel>(form, "Label2")->text(), QStringLiteral("输入自编码筛选"));
        QCOMPARE(childOf<QLineEdit>(form, "TextName")->text(), QString());
        QCOMPARE(numbersShown(childOf<QTreeView>(form, "ListView1")),
                 (QStringList{"SP000001", "SP000002", "SP000003", "SP000004"}));
    }

    void deletionTakesTheStockRowAndSelectsTheFirstGoods()
    {
        addSearchableGoods();
        execute("insert into 库存 (商品编号, 库存量) values ('SP000001', 1), ('SP000002', 2), ('SP000003', 3)");
        frmGoods* form = openList();
        auto* list = childOf<QTreeView>(form, "ListView1");
        auto* remove = childOf<QPushButton>(form, "ComDel");

        clickRow(list, 2);
        MessageBox::setNextAnswer(QMessageBox::No);
        remove->click();
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("库存中的信息将同步删除，确认删除[SP000003]吗?")});
        QCOMPARE(MessageBox::shown().last().title, QStringLiteral("Varnholt"));
        QCOMPARE(column("select 商品编号 from 商品信息").size(), 4);
        QCOMPARE(column("select 商品编号 from 库存").size(), 3);
        QCOMPARE(selectedRow(list), 0);

        clickRow(list, 1);
        MessageBox::setNextAnswer(QMessageBox::Yes);
        remove->click();
        QCOMPARE(MessageBox::shownTexts().last(), QStringLiteral("库存中的信息将同步删除，确认删除[SP000002]吗?"));
        QCOMPARE(column("select 商品编号 from 商品信息"), (QStringList{"SP000001", "SP000003", "SP000004"}));
        QCOMPARE(column("select 商品编号 from 库存"), (QStringList{"SP000001", "SP000003"}));
        QCOMPARE(numbersShown(list), (QStringList{"SP000001", "SP000003", "SP000004"}));
        QCOMPARE(selectedRow(list), 0);
    }

    void failedDeletionKeepsBothRows()
    {
        addSearchableGoods();
        execute("insert into 库存 (商品编号, 库存量) values ('SP000002', 2)");
        execute("create trigger keep before delete on 库存 begin select raise(abort, 'stock kept'); end");
        frmGoods* form = openList();
        auto* list = childOf<QTreeView>(form, "ListView1");
        clickRow(list, 1);
        MessageBox::setNextAnswer(QMessageBox::Yes);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        childOf<QPushButton>(form, "ComDel")->click();
        QVERIFY2(MessageBox::shownTexts().last().startsWith(QStringLiteral("Error 1811: stock kept")),
                 qPrintable(MessageBox::shownTexts().last()));
        QCOMPARE(column("select 商品编号 from 商品信息").size(), 4);
        QCOMPARE(column("select 商品编号 from 库存"), QStringList{QStringLiteral("SP000002")});
        QCOMPARE(numbersShown(list).size(), 4);
        QCOMPARE(selectedRow(list), 0);
    }
};

VARNHOLT_TEST(TestFrmGoods)
#include "tst_frmgoods.moc"
