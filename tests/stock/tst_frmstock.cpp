#include "appstate.h"
#include "cellrange.h"
#include "dbsession.h"
#include "desktop.h"
#include "driving.h"
#include "fixture.h"
#include "frmStock.h"
#include "itemviews.h"
#include "messagebox.h"
#include "openpyxl.h"
#include "paths.h"
#include "testfiles.h"
#include "typing.h"

#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTreeView>

namespace {
const QStringList Headers{"商品类别", "商品编号", "商品名称", "规格",     "单位",
                          "均价",     "库存金额", "库存上限", "库存下限", "现有库存"};
const QStringList StockColumns{"类别", "商品编号", "商品名称", "规格", "单位", "均价", "金额", "库存上限", "库存下限", "库存量"};

// A stock row: quantity, value, upper and lower limit, category (NULL where invalid).
struct Stock {
    const char* name;
    QVariant quantity, value, upper, lower, category;
};

void putStock(const QList<Stock>& rows)
{
    auto conn = Mod1::OpenConn();
    QVERIFY(conn);
    int number = 0;
    for (const Stock& row : rows) {
        const QVariantList values{row.category,
                                  QStringLiteral("SP%1").arg(++number, 6, 10, QLatin1Char('0')),
                                  QString::fromUtf8(row.name),
                                  QStringLiteral("500ml"),
                                  QStringLiteral("瓶"),
                                  2.0,
                                  row.value,
                                  row.upper,
                                  row.lower,
                                  row.quantity};
        ColumnValues columns;
        for (int c = 0; c < StockColumns.size(); ++c)
            columns.append({StockColumns[c], values[c]});
        QVERIFY(conn->insert(QStringLiteral("库存"), columns));
    }
}

// The shop of the examples: B sits on both its limits, D has none, E no category.
void putExampleStock()
{
    const QVariant none;
    putStock({{"A", 5, 10, 4, 1, "饮料"},
              {"B", 4, 8, 4, 4, "饮料"},
              {"C", 0, 0, 10, 2, "零食"},
              {"D'辣条", 3, 6, none, none, "零食"},
              {"E", 1, 2, 5, 2, none}});
}

frmStock* openStock()
{
    auto* form = new frmStock;
    form->show();
    QApplication::setActiveWindow(form);
    return form;
}

QTreeView* list(QWidget* form) { return childOf<QTreeView>(form, "ListView1"); }

QStringList listedNames(QWidget* form)
{
    QStringList names;
    for (const QStringList& row : shownRows(list(form)))
        names << row.value(2);
    return names;
}

QStringList totals(QWidget* form)
{
    return {childOf<QLineEdit>(form, "TextSum1")->text(), childOf<QLineEdit>(form, "TextSum2")->text()};
}

void click(QWidget* form, const char* button) { childOf<QPushButton>(form, button)->click(); }
}

class TestFrmStock : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void opensOnEveryRowWithACategory()
    {
        putExampleStock();
        QPointer<frmStock> form = openStock();
        QCOMPARE(form->windowTitle(), QStringLiteral("库存商品管理"));
        QStringList captions;
        for (const char* name : {"ComF2", "ComF9", "ComF5", "ComF6", "ComExcel", "ComRtn"})
            captions << childOf<QPushButton>(form, name)->text();
        QCOMPARE(captions,
                 (QStringList{"按商品名称查询", "按商品类别查询", "库存上限报警", "库存下限报警(需进货)", "导出", "关闭 ESC"}));
        QCOMPARE(shownHeaders(list(form)), Headers);
        const QList<QStringList> rows = shownRows(list(form));
        QCOMPARE(rows.size(), 4);
        QCOMPARE(rows[0], (QStringList{"饮料", "SP000001", "A", "500ml", "瓶", "2.00", "10.00", "4.00", "1.00", "5.00"}));
        // Limits that are missing show nothing.
        QCOMPARE(rows[3], (QStringList{"零食", "SP000004", "D'辣条", "500ml", "瓶", "2.00", "6.00", "", "", "3.00"}));
        QCOMPARE(totals(form), (QStringList{"12.00", "24.00"}));
        const QAbstractItemModel* model = list(form)->model();
        auto alignment = [model](int column) {
            return model->index(0, column).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHorizontal_Mask;
        };
        QCOMPARE(alignment(5), Qt::Alignment(Qt::AlignRight));
        QCOMPARE(alignment(9), Qt::Alignment(Qt::AlignLeft));

        QTest::keyClick(list(form), Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!form);
        QVERIFY(MessageBox::shown().isEmpty());
    }

    void alarmsTestEachRowStrictlyWhateverCameBefore()
    {
        putExampleStock();
        frmStock* form = openStock();
        whenModal([](QDialog* prompt) {
            auto* box = childOf<QLineEdit>(prompt, "Text2");
            typeText(box, QStringLiteral("E"));
            QTest::keyClick(box, Qt::Key_Return);
        });
        click(form, "ComF2");
        QCOMPARE(listedNames(form), QStringList{"E"});

        click(form, "ComF5");
        QCOMPARE(listedNames(form), QStringList{"A"});
        QCOMPARE(totals(form), (QStringList{"5.00", "10.00"}));
        click(form, "ComF6");
        QCOMPARE(listedNames(form), (QStringList{"C", "E"}));
        QCOMPARE(totals(form), (QStringList{"1.00", "2.00"}));
        QVERIFY(MessageBox::shown().isEmpty());
    }

    void typedTextsFindRows_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("listed");
        const QString name = QStringLiteral("请输入商品名称：");
        const QString category = QStringLiteral("请输入商品类别：");
        const QStringList withCategory{"A", "B", "C", "D'辣条"};
        const QStringList all = withCategory + QStringList{"E"};
        QTest::newRow("category within blanks") << "ComF9" << category << false << " 饮 " << QStringList{"A", "B"};
        QTest::newRow("category cancelled") << "ComF9" << category << true << "饮" << withCategory;
        QTest::newRow("category empty") << "ComF9" << category << false << "" << withCategory;
        QTest::newRow("category nowhere") << "ComF9" << category << false << "文具" << QStringList{};
        QTest::newRow("name cancelled") << "ComF2" << name << true << "A" << all;
        QTest::newRow("name empty") << "ComF2" << name << false << "  " << all;
        QTest::newRow("name with a quote") << "ComF2" << name << false << "d'" << QStringList{"D'辣条"};
        QTest::newRow("a typed % matches anything") << "ComF2" << name << false << "%" << all;
    }
    void typedTextsFindRows()
    {
        QFETCH(QString, button);
        QFETCH(QString, prompt);
        QFETCH(bool, cancel);
        QFETCH(QString, typed);
        QFETCH(QStringList, listed);
        putExampleStock();
        frmStock* form = openStock();
        whenModal([=](QDialog* dialog) {
            QCOMPARE(dialog->objectName(), QStringLiteral("frmStock1"));
            QCOMPARE(dialog->windowTitle(), QStringLiteral("查询条件"));
            QCOMPARE(childOf<QLabel>(dialog, "Label1")->text(), prompt);
            QVERIFY(!childOf<QLineEdit>(dialog, "Text1")->isVisible());
            auto* box = childOf<QLineEdit>(dialog, "Text2");
            QCOMPARE(dialog->focusWidget(), box);
            typeText(box, typed);
            QTest::keyClick(box, cancel ? Qt::Key_Escape : Qt::Key_Return);
        });
        click(form, qPrintable(button));
        QCOMPARE(listedNames(form), listed);
        QVERIFY(MessageBox::shown().isEmpty());
    }

    void exportHoldsTheRowsBelowTheLowerLimitAsStored()
    {
        putExampleStock();
        const QString templatePath = Paths::deliveredFile(appPath(), QStringLiteral("data5.xls"));
        const QByteArray templateBytes = TestFiles::bytesOf(templatePath);
        QVERIFY(!templateBytes.isEmpty());
        frmStock* form = openStock();
        click(form, "ComF5");
        click(form, "ComExcel");
        QVERIFY(MessageBox::shown().isEmpty());
        QCOMPARE(DesktopOpener::recorded().size(), 1);
        QCOMPARE(TestFiles::bytesOf(templatePath), templateBytes);
        QCOMPARE(listedNames(form), QStringList{"A"});

        QJsonObject book;
        QVERIFY(Openpyxl::read(DesktopOpener::recorded().at(0).target, &book));
        auto cell = [&book](int row, int column) { return Openpyxl::cell(book, 0, CellRange::cellName(row, column)); };
        for (int column = 1; column <= 10; ++column)
            QCOMPARE(cell(1, column).value(QStringLiteral("v")).toString(), Headers[column - 1]);
        const QList<QVariantList> expected{{"零食", "SP000003", "C", "500ml", "瓶", 2, 0, 10, 2, 0},
                                           {QVariant(), "SP000005", "E", "500ml", "瓶", 2, 2, 5, 2, 1}};
        for (int row = 0; row < expected.size(); ++row) {
            for (int column = 0; column < 10; ++column) {
                const QVariant value = expected[row][column];
                const QJsonObject shown = cell(row + 2, column + 1);
                const QByteArray where = CellRange::cellName(row + 2, column + 1).toLatin1();
                if (value.isNull()) {
                    QVERIFY2(shown.value(QStringLiteral("v")).toVariant().isNull(), where);
                } else if (value.typeId() == QMetaType::QString) {
                    QCOMPARE(shown.value(QStringLiteral("v")).toString(), value.toString());
                } else {
                    QVERIFY2(shown.value(QStringLiteral("t")).toString() == QStringLiteral("n"), where);
                    QCOMPARE(shown.value(QStringLiteral("v")).toDouble(), value.toDouble());
                    QVERIFY2(shown.value(QStringLiteral("fmt")).toString() == QStringLiteral("0.00"), where);
                }
            }
        }
        QVERIFY(cell(4, 2).value(QStringLiteral("v")).toVariant().isNull());
    }

    void missingValuesShowNothingAndCountZero()
    {
        const QVariant none;
        putStock({{"A", 5, 10, 4, 1, "饮料"}, {"F", none, none, none, none, "饮料"}});
        frmStock* form = openStock();
        QCOMPARE(shownRows(list(form)).at(1), (QStringList{"饮料", "SP000002", "F", "500ml", "瓶", "2.00", "", "", "", ""}));
        QCOMPARE(totals(form), (QStringList{"5.00", "10.00"}));
        click(form, "ComF6");
        QCOMPARE(listedNames(form), QStringList{});
        QCOMPARE(totals(form), (QStringList{"0.00", "0.00"}));
    }

    void anEmptyStockListsNothing()
    {
        frmStock* form = openStock();
        QCOMPARE(shownRows(list(form)), QList<QStringList>{});
        QCOMPARE(totals(form), (QStringList{"0.00", "0.00"}));
    }

    void aFailedReadIsReportedAndLeavesTheListEmpty()
    {
        putExampleStock();
        frmStock* form = openStock();
        Database::setFailureHook([](const QString& sql) -> std::optional<DbError> {
            if (sql.contains(QStringLiteral("库存量 > 库存上限")))
                return DbError{10, QStringLiteral("disk I/O error")};
            return std::nullopt;
        });
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "ComF5");
        QCOMPARE(MessageBox::shownTexts(), QStringList{"Error 10: disk I/O error"});
        QCOMPARE(shownRows(list(form)), QList<QStringList>{});
        QCOMPARE(totals(form), (QStringList{"0.00", "0.00"}));
        QVERIFY(!Database::isOpen());
    }
};

VARNHOLT_TEST(TestFrmStock)
#include "tst_frmstock.moc"
