// Run on a 1024x768 screen (CTest gives the offscreen platform that screen).
#include "MDIF_main.h"
#include "driving.h"
#include "fixture.h"
#include "frmCheck1.h"
#include "frmCheckDetail.h"
#include "frmCustomer.h"
#include "frmGoods.h"
#include "frmIn1.h"
#include "frmInDetail.h"
#include "frmOperation.h"
#include "frmOther1.h"
#include "frmOthersDetail.h"
#include "frmOut1.h"
#include "frmOutDetail.h"
#include "frmProvider.h"
#include "frmStock.h"
#include "frmType.h"
#include "frmDataSum.h"
#include "frmGoodsSum.h"
#include "frmpay.h"
#include "itemviews.h"
#include "typing.h"
#include "pickers.h"
#include "recordgrid.h"
#include "recordsdrive.h"
#include "slipbooks.h"
#include "sliprecordsform.h"
#include "uidriver.h"

#include <QApplication>
#include <QFontInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>
#include <QFontMetricsF>
#include <QTreeView>

#include <algorithm>
#include <cstdlib>
#include <cmath>
#include <functional>

using namespace UiDriver;
using SlipBooks::execute;

using Opener = std::function<QWidget*()>;
Q_DECLARE_METATYPE(Opener)

namespace {
const QSize Screen(1024, 768);
// What CTest counts as a skip.
constexpr int SkipCode = 77;
const QString Barcode = QStringLiteral("6901234567892");

// The books a shop holds after a day: a goods with its stock, a supplier, a
// customer, a salesman, an expense, and a slip of each kind dated today, with
// names, numbers and figures as long as a shop writes them.
void putBooks()
{
    execute(QStringLiteral("insert into 商品信息 values ('SP000001', '特级陈年绍兴花雕酒礼盒', '500ml×6', '箱', '酒水饮料', "
                           "123456.78, 130000, 128000, 150000, 1000, 10, 'A区3排12号', 'TJCNSXHDJLH', 'TXBEQ', 'K100001', ?)"),
            {Barcode});
    SlipBooks::putStock(QStringLiteral("SP000001"), QStringLiteral("1234"), QStringLiteral("987654.32"),
                        QStringLiteral("800.37"));
    execute(QStringLiteral("insert into 供应商 values ('CJ000001', '宏达食品贸易有限公司', '010-88886666', '010-88886667', "
                           "'北京市朝阳区建国路88号', '李经理', '中国工商银行', '6222020200112233445', '长期合作', 'HDSPMYYXGS', "
                           "'PDOK')"));
    execute(QStringLiteral("insert into 客户 values ('KH000001', 12345, '王五', '13800138000', '010-66668888', "
                           "'上海市浦东新区世纪大道100号', '王先生', '123456789', '中国银行', '6013820000123456', '老客户', "
                           "'2024-03-05', 'WW', 'GG')"));
    execute(QStringLiteral("insert into 业务员 values ('YW000001', '李明', '男', '销售部', '经理', '110101199003071234', "
                           "'13912345678', '北京市海淀区中关村大街1号', '2020-01-01', '-', 'LM', 'SJ')"));
    execute(QStringLiteral("insert into 商品类别 values ('LB001', '酒水饮料')"));
    execute(QStringLiteral("insert into 计量单位 values ('DW001', '箱')"));
    execute(QStringLiteral("insert into 日常支出 values ('Z0000001', '2024-03-05', '管理员', 12000, 350.5, 1280, 99.9, "
                           "45000, 3000, 1500, 63230.4, '办公用品')"));

    SlipLine line = SlipBooks::line(QStringLiteral("SP000001"), QStringLiteral("120"), QStringLiteral("800.37"));
    line.goodsName = QStringLiteral("特级陈年绍兴花雕酒礼盒");
    const auto header = [](const char* number, const char* partner) {
        return RecordsDrive::headerOf(QString::fromLatin1(number), QStringLiteral("2024-03-05"), QString::fromUtf8(partner),
                                      QStringLiteral("管理员"), QStringLiteral("节前备货"), QStringLiteral("-96044.40"));
    };
    RecordsDrive::saveSlip(SlipDesigns::StockIn, header("R0000001", "宏达食品贸易有限公司"), {line});
    RecordsDrive::saveSlip(SlipDesigns::Sale, header("C0000001", "王五"), {line});
    SlipLine counted = line;
    counted.bookQuantity = SlipBooks::amount(QStringLiteral("1234"));
    counted.gain = counted.quantity - counted.bookQuantity;
    RecordsDrive::saveSlip(SlipDesigns::Stocktake, header("P0000001", "-"), {counted});
    RecordsDrive::saveSlip(SlipDesigns::Loss, header("L0000001", "-"), {line});
}

// Every window that lists goods, partners, slips or expenses, as the menus open it.
void addListWindows()
{
    QTest::addColumn<Opener>("open");
    QTest::newRow("frmGoods") << Opener([] { return new frmGoods; });
    QTest::newRow("frmType") << Opener([] { return new frmType; });
    QTest::newRow("frmProvider") << Opener([] { return new frmProvider; });
    QTest::newRow("frmCustomer") << Opener([] { return new frmCustomer; });
    QTest::newRow("frmOperation") << Opener([] { return new frmOperation; });
    QTest::newRow("frmIn1") << Opener([] { return new frmIn1; });
    QTest::newRow("frmOut1") << Opener([] { return new frmOut1; });
    QTest::newRow("frmCheck1") << Opener([] { return new frmCheck1; });
    QTest::newRow("frmOther1") << Opener([] { return new frmOther1; });
    QTest::newRow("frmInDetail") << Opener([] { return new frmInDetail; });
    QTest::newRow("frmOutDetail") << Opener([] { return new frmOutDetail; });
    QTest::newRow("frmCheckDetail") << Opener([] { return new frmCheckDetail; });
    QTest::newRow("frmOthersDetail") << Opener([] { return new frmOthersDetail; });
    QTest::newRow("frmStock") << Opener([] { return new frmStock; });
    QTest::newRow("frmpay") << Opener([] { return new frmpay; });
}

void addSlipEntries()
{
    QTest::addColumn<Opener>("open");
    QTest::newRow("frmIn1") << Opener([] { return new frmIn1; });
    QTest::newRow("frmOut1") << Opener([] { return new frmOut1; });
    QTest::newRow("frmCheck1") << Opener([] { return new frmCheck1; });
    QTest::newRow("frmOther1") << Opener([] { return new frmOther1; });
}

// The width the text of a line edit has at its present size.
int textRoom(const QLineEdit* box)
{
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
    const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
    const QMargins margins = box->textMargins();
    // Two pixels each side stay empty around the text.
    return contents.width() - margins.left() - margins.right() - 4;
}

// The lists a form shows.
QList<QTreeView*> listsOf(QWidget* form)
{
    QList<QTreeView*> lists;
    for (QTreeView* list : form->findChildren<QTreeView*>()) {
        if (list->isVisibleTo(form))
            lists << list;
    }
    return lists;
}

// The advance a delegate gives a text, which it elides at its fractional width.
int advance(const QFont& font, const QString& text) { return int(std::ceil(QFontMetricsF(font).horizontalAdvance(text))); }

// Every shown column shows its header and each of its cells whole, and a
// list that holds rows is no wider than those need: nothing is elided, and
// no column keeps room for figures it does not list.
void checkColumns(const QTreeView* list)
{
    const QHeaderView* header = list->header();
    const int headerMargin = list->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const int cellMargin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    const QAbstractItemModel* model = list->model();
    for (int c = 0; c < model->columnCount(); ++c) {
        if (list->isColumnHidden(c))
            continue;
        const QString caption = model->headerData(c, Qt::Horizontal).toString();
        const QString where = QStringLiteral("%1 %2").arg(list->objectName(), caption);
        if (!caption.isEmpty())
            QVERIFY2(list->columnWidth(c) >= advance(header->font(), caption) + 2 * headerMargin, qPrintable(where));
        int widest = 0;
        for (int r = 0; r < model->rowCount(); ++r) {
            const QString cell = model->index(r, c).data().toString();
            const int needed = advance(list->font(), cell) + 2 * cellMargin;
            widest = std::max(widest, needed);
            QVERIFY2(list->columnWidth(c) >= needed,
                     qPrintable(
                         QStringLiteral("%1: %2 needs %3, has %4").arg(where, cell).arg(needed).arg(list->columnWidth(c))));
        }
        if (model->rowCount() > 0) {
            const int needed = std::max(caption.isEmpty() ? 0 : header->sectionSizeHint(c), widest);
            QVERIFY2(list->columnWidth(c) <= needed,
                     qPrintable(QStringLiteral("%1: %2 > %3").arg(where).arg(list->columnWidth(c)).arg(needed)));
        }
    }
}

// A list scrolls sideways only when its columns pass the room its window
// can have; then the window takes all of that room.
void checkNoSidewaysScroll(const QTreeView* list, const QWidget* window, int room)
{
    int columns = 0;
    for (int c = 0; c < list->model()->columnCount(); ++c)
        columns += list->isColumnHidden(c) ? 0 : list->columnWidth(c);
    // What the window would take to show them: itself beside the list's room.
    const int needed = columns + window->width() - list->viewport()->width();
    const QString where =
        QStringLiteral("%1: window %2, needed %3, room %4").arg(list->objectName()).arg(window->width()).arg(needed).arg(room);
    if (needed <= room)
        QVERIFY2(list->horizontalScrollBar()->maximum() == 0, qPrintable(where));
    else
        QVERIFY2(window->width() >= room, qPrintable(where));
}
}

namespace {
// Enters a line of the goods as a clerk does: its code, Enter, the quantity,
// Enter, the price in place of the one loaded, Enter.
void enterLine(QWidget* form, const QString& code, const QString& quantity, const QString& price)
{
    for (const auto& [name, text] :
         {std::pair{"TextName", code}, std::pair{"TextQty", quantity}, std::pair{"TextPrice", price}}) {
        auto* box = form->findChild<QLineEdit*>(QString::fromLatin1(name));
        QVERIFY(box);
        box->setFocus();
        box->selectAll();
        typeText(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }
}

// Every figure box of a form shows its whole text.
void checkFiguresWhole(QWidget* form)
{
    for (const QLineEdit* box : form->findChildren<QLineEdit*>()) {
        if (!box->isVisibleTo(form) || !box->isReadOnly())
            continue;
        const int needed = advance(box->font(), box->text());
        QVERIFY2(textRoom(box) >= needed,
                 qPrintable(
                     QStringLiteral("%1 \"%2\": %3 < %4").arg(box->objectName(), box->text()).arg(textRoom(box)).arg(needed)));
    }
}
}

class TestOpeningSizes : public VarnholtTestCase {
    Q_OBJECT
private:
    MDIF_main* m_main = nullptr;

    // The form as the administrator's main window opens it on the whole
    // screen, laid out; a records window shows the lines of its first slip.
    QWidget* opened(const Opener& open)
    {
        m_main = qobject_cast<MDIF_main*>(logIn(QStringLiteral("管理员"), QStringLiteral("admin")));
        if (!m_main)
            return nullptr;
        m_main->resize(Screen);
        QWidget* form = open();
        m_main->showChild(form);
        QCoreApplication::processEvents();
        if (auto* records = qobject_cast<SlipRecordsForm*>(form); records && records->slipList()->rowCount() > 0) {
            records->slipList()->selectRow(0);
            QCoreApplication::processEvents();
        }
        return form;
    }

    void checkPicker(QWidget* picker)
    {
        const QRect room = picker->screen()->availableGeometry();
        const QString where = QStringLiteral("%1 at %2,%3 %4x%5")
                                  .arg(picker->objectName())
                                  .arg(picker->frameGeometry().x())
                                  .arg(picker->frameGeometry().y())
                                  .arg(picker->frameGeometry().width())
                                  .arg(picker->frameGeometry().height());
        QVERIFY2(room.contains(picker->frameGeometry()), qPrintable(where));
        QVERIFY(picker->width() >= picker->minimumSizeHint().width());
        auto* list = picker->findChild<QTreeView*>(QStringLiteral("ListView1"));
        QVERIFY(list);
        QVERIFY(list->model()->rowCount() > 0);
        checkColumns(list);
        checkNoSidewaysScroll(list, picker, room.width());
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(QGuiApplication::primaryScreen()->geometry().size() == Screen,
                 "run on a 1024x768 screen: QT_QPA_PLATFORM=offscreen:configfile=screen1024.json");
        // Under a Chinese locale the sizes are those of the font a Chinese
        // desktop uses; without it they would be DejaVu's again.
        if (qEnvironmentVariable("LANG").startsWith(QStringLiteral("zh_CN"))) {
            const QString family = QFontInfo(QApplication::font()).family();
            if (!family.contains(QStringLiteral("WenQuanYi")) && !family.contains(QStringLiteral("文泉驿"))) {
                qWarning("SKIP: the WenQuanYi font is missing (the font is %s): install fonts-wqy-zenhei", qPrintable(family));
                std::exit(SkipCode);
            }
        }
    }

    void theCodeBoxesShowAWholeBarcode_data() { addSlipEntries(); }
    void theCodeBoxesShowAWholeBarcode()
    {
        QFETCH(Opener, open);
        QWidget* form = opened(open);
        QVERIFY(form);
        for (const char* name : {"TextName", "TextName2", "TextName3"}) {
            auto* box = form->findChild<QLineEdit*>(QString::fromLatin1(name));
            if (!box)
                continue;
            const int needed = advance(box->font(), Barcode);
            QVERIFY2(textRoom(box) >= needed, qPrintable(QStringLiteral("%1: %2 < %3").arg(name).arg(textRoom(box)).arg(needed)));
        }
    }

    void everyListOpensWholeAndFitsWhatItShows_data() { addListWindows(); }
    void everyListOpensWholeAndFitsWhatItShows()
    {
        putBooks();
        QFETCH(Opener, open);
        QWidget* form = opened(open);
        QVERIFY(form);
        auto* window = qobject_cast<QMdiSubWindow*>(form->parentWidget());
        QVERIFY(window);
        const QRect area = m_main->mdiArea()->viewport()->rect();
        QVERIFY2(
            area.contains(window->geometry()),
            qPrintable(
                QStringLiteral("%1x%2 at %3,%4").arg(window->width()).arg(window->height()).arg(window->x()).arg(window->y())));
        // Nothing of the form is cut off by its window.
        QVERIFY(form->width() >= form->minimumSizeHint().width());
        QVERIFY(form->height() >= form->minimumSizeHint().height());
        for (QTreeView* list : listsOf(form)) {
            checkColumns(list);
            checkNoSidewaysScroll(list, window, area.width());
        }
    }

    // The slip numbers of every records window show whole, the loss slips' too.
    void theRecordsListTheirSlipsWhole()
    {
        putBooks();
        QWidget* form = opened([] { return new frmOthersDetail; });
        QVERIFY(form);
        auto* list = form->findChild<RecordGrid*>(QStringLiteral("ListView1"));
        QCOMPARE(list->text(0, 0), QStringLiteral("L0000001"));
        const QRect cell = list->visualRect(list->model()->index(0, 0));
        const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
        QVERIFY(cell.width() >= list->fontMetrics().horizontalAdvance(QStringLiteral("L0000001")) + 2 * margin);
        QVERIFY(list->rect().contains(cell));
    }

    void thePickersOpenWholeOnTheScreen()
    {
        putBooks();
        QWidget* purchase = opened([] { return new frmIn1; });
        QVERIFY(purchase);
        PickerForm::open<frmIn11>(purchase, {});
        auto* suppliers = purchase->findChild<PickerForm*>(QStringLiteral("frmIn11"));
        QVERIFY(suppliers);
        checkPicker(suppliers);

        QWidget* sale = new frmOut1;
        m_main->showChild(sale);
        PickerForm::open<frmOut11>(sale, {});
        auto* customers = sale->findChild<PickerForm*>(QStringLiteral("frmOut11"));
        QVERIFY(customers);
        checkPicker(customers);

        bool checked = false;
        whenModal([this, &checked](QDialog* salesmen) {
            checkPicker(salesmen);
            checked = true;
        });
        PickerForm::open<frmOut16>(sale, {});
        QVERIFY(checked);
    }

    // Ordinary amounts and large prices, as the lines' figures grow.
    void theLineListShowsEveryLineWhole_data()
    {
        QTest::addColumn<Opener>("open");
        QTest::addColumn<QStringList>("lines"); // quantity, price, quantity, price …
        QTest::addColumn<QStringList>("amounts");
        QTest::newRow("stock-in") << Opener([] { return new frmIn1; }) << QStringList{"100", "128", "7", "1999.99"}
                                  << QStringList{"12800.00", "13999.93"};
        QTest::newRow("sale") << Opener([] { return new frmOut1; }) << QStringList{"5", "123456.78"} << QStringList{"617283.90"};
    }
    void theLineListShowsEveryLineWhole()
    {
        putBooks();
        // The day's slips counted the stock and wrote it off: the sale needs some.
        execute(QStringLiteral("update 库存 set 库存量 = 1234"));
        QFETCH(Opener, open);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, amounts);
        QWidget* form = opened(open);
        QVERIFY(form);
        for (qsizetype i = 0; i + 1 < lines.size(); i += 2)
            enterLine(form, QStringLiteral("SP000001"), lines[i], lines[i + 1]);
        auto* list = form->findChild<QTreeView*>(QStringLiteral("ListView1"));
        QStringList shown;
        for (int r = 0; r < list->model()->rowCount(); ++r)
            shown << list->model()->index(r, 6).data().toString();
        QCOMPARE(shown, amounts);
        checkColumns(list);
        checkNoSidewaysScroll(list, form->parentWidget(), m_main->mdiArea()->viewport()->width());
        checkFiguresWhole(form);
    }

    // A loss as large as the books hold reads as a loss: its minus sign shows.
    void theProfitStatementShowsALossWhole()
    {
        execute(QStringLiteral("insert into 日常支出 values ('Z0000001', '2024-03-05', '管理员', 99999999999.99, 0, 0, 0, 0, "
                               "0, 0, 99999999999.99, '-')"));
        QWidget* form = opened([] { return new frmDataSum; });
        QVERIFY(form);
        QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("ComOK")), Qt::LeftButton);
        QCOMPARE(form->findChild<QLineEdit*>(QStringLiteral("TextMoneys"))->text(), QStringLiteral("-99999999999.99"));
        QCOMPARE(form->findChild<QLineEdit*>(QStringLiteral("TextProfit"))->text(), QStringLiteral("-99999999999.99"));
        const QRect area = m_main->mdiArea()->viewport()->rect();
        QVERIFY(area.contains(form->parentWidget()->geometry()));
        QVERIFY(form->width() >= form->minimumSizeHint().width());
        checkFiguresWhole(form);
    }

    // Latin capitals are wider than their count of characters says beside
    // Chinese ones.
    void aGoodsListShowsMixedNamesWhole_data()
    {
        QTest::addColumn<QString>("chinese");
        QTest::addColumn<QString>("latin");
        QTest::newRow("SAMSUNG") << QStringLiteral("三星手机充电器套装") << QStringLiteral("SAMSUNG GALAXY");
        QTest::newRow("HUAWEI") << QStringLiteral("华为无线耳机") << QStringLiteral("HUAWEI MATE");
        QTest::newRow("WWW") << QStringLiteral("网络路由器") << QStringLiteral("WWW MMM");
        QTest::newRow("mixed") << QStringLiteral("苹果 USB-C 数据线") << QStringLiteral("MAGSAFE CHARGER");
    }
    void aGoodsListShowsMixedNamesWhole()
    {
        QFETCH(QString, chinese);
        QFETCH(QString, latin);
        for (const auto& [code, name] : {std::pair{"SP000001", chinese}, std::pair{"SP000002", latin}}) {
            execute(QStringLiteral("insert into 商品信息 (商品编号, 商品名称, 规格, 单位, 类别) values (?, ?, ?, ?, ?)"),
                    {QString::fromLatin1(code), name, name, name, name});
        }
        QWidget* form = opened([] { return new frmGoods; });
        QVERIFY(form);
        auto* list = form->findChild<QTreeView*>(QStringLiteral("ListView1"));
        QVERIFY(list);
        QCOMPARE(list->model()->rowCount(), 2);
        checkColumns(list);
    }

    // The analyses keep their columns' widths: a longer name ends in "…" and
    // shows whole in its tool tip, while its figures show whole.
    void anAnalysisElidesALongNameOnly()
    {
        putBooks();
        const QString name = QStringLiteral("超长名称测试商品特别加长版礼盒装");
        execute(QStringLiteral("update 商品信息 set 商品名称 = ?"), {name});
        execute(QStringLiteral("update 出库单明细 set 商品名称 = ?"), {name});
        QWidget* form = opened([] { return new frmGoodsSum; });
        QVERIFY(form);
        QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("CommOK9")), Qt::LeftButton);
        auto* grid = form->findChild<QTreeView*>(QStringLiteral("MSHFlexGrid4"));
        QVERIFY(grid);
        QCOMPARE(grid->model()->rowCount(), 1);
        const QModelIndex cell = grid->model()->index(0, 1);
        QCOMPARE(cell.data().toString(), name);
        const QString painted = paintedText(grid, cell);
        QVERIFY2(painted.endsWith(QStringLiteral("…")) && name.startsWith(painted.chopped(1)), qPrintable(painted));
        QCOMPARE(toolTipOver(grid, cell), name);
        QVERIFY(showsColumnWhole(grid, 2));
        QCOMPARE(paintedText(grid, grid->model()->index(0, 2)), grid->model()->index(0, 2).data().toString());
    }

    void theStockQueryOpensShowingAPageOfGoods()
    {
        constexpr int UsefulPage = 15;
        execute(QStringLiteral("insert into 库存 (类别, 商品编号, 商品名称, 库存量) values ('饮料', 'SP000001', '可乐', 1)"));
        QWidget* form = opened([] { return new frmStock; });
        QVERIFY(form);
        auto* window = qobject_cast<QMdiSubWindow*>(form->parentWidget());
        QVERIFY(window->width() <= Screen.width() && window->height() <= Screen.height());
        auto* list = form->findChild<QTreeView*>(QStringLiteral("ListView1"));
        QCOMPARE(list->model()->rowCount(), 1);
        const int rows = list->viewport()->height() / list->sizeHintForRow(0);
        QVERIFY2(rows >= UsefulPage, qPrintable(QStringLiteral("%1 rows shown").arg(rows)));
    }
};

VARNHOLT_TEST(TestOpeningSizes)
#include "tst_openingsizes.moc"
