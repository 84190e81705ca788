#include "MDIF_main.h"
#include "dbsession.h"
#include "fixture.h"
#include "frmCheck1.h"
#include "frmCheckDetail.h"
#include "frmIn1.h"
#include "frmInDetail.h"
#include "frmOther1.h"
#include "frmOthersDetail.h"
#include "frmOut1.h"
#include "frmOutDetail.h"
#include "frmStock.h"
#include "frmpay.h"
#include "uidriver.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>
#include <QRegularExpression>
#include <QTreeView>

#include <algorithm>
#include <functional>

using namespace UiDriver;

using Opener = std::function<QWidget*()>;
Q_DECLARE_METATYPE(Opener)

namespace {
const QSize Screen(1024, 768);
const QString WidestFigure = QStringLiteral("-99999999999.99");
const QString Barcode = QStringLiteral("6901234567892");
// What a figure column's caption holds.
const QStringList FigureWords{QStringLiteral("数量"), QStringLiteral("单价"), QStringLiteral("金额"), QStringLiteral("均价"),
                              QStringLiteral("盈亏"), QStringLiteral("库存"), QStringLiteral("成本"), QStringLiteral("利润"),
                              // The expense list's amounts.
                              QStringLiteral("铺租"), QStringLiteral("水费"), QStringLiteral("电费"), QStringLiteral("物品价格"),
                              QStringLiteral("人员工资"), QStringLiteral("业务提成"), QStringLiteral("税费"),
                              QStringLiteral("费用总额")};
const QRegularExpression Date(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));

// An expense entry late in a year, so its date has its widest digits.
QWidget* expenseList()
{
    // The list reads the books on its own connection.
    if (auto conn = Mod1::OpenConn();
        !conn
        || !conn->insert(QStringLiteral("日常支出"), {{QStringLiteral("单号"), QStringLiteral("Z0000001")},
                                                      {QStringLiteral("日期"), QStringLiteral("2026-12-28")},
                                                      {QStringLiteral("操作员"), QStringLiteral("管理员")},
                                                      {QStringLiteral("铺租"), 100},
                                                      {QStringLiteral("费用总额"), 100},
                                                      {QStringLiteral("物品购置"), QStringLiteral("-")}}))
        QTest::qFail("the expense entry was not stored", __FILE__, __LINE__);
    return new frmpay;
}

// Every form family that lists goods or slips, as the menus open them.
void addSlipEntries()
{
    QTest::addColumn<Opener>("open");
    QTest::newRow("frmIn1") << Opener([] { return new frmIn1; });
    QTest::newRow("frmOut1") << Opener([] { return new frmOut1; });
    QTest::newRow("frmCheck1") << Opener([] { return new frmCheck1; });
    QTest::newRow("frmOther1") << Opener([] { return new frmOther1; });
}

// The windows whose slip or goods list must fit without scrolling sideways.
void addRecordsAndQuery(bool withColumn = true)
{
    if (withColumn)
        QTest::addColumn<Opener>("open");
    QTest::newRow("frmInDetail") << Opener([] { return new frmInDetail; });
    QTest::newRow("frmOutDetail") << Opener([] { return new frmOutDetail; });
    QTest::newRow("frmCheckDetail") << Opener([] { return new frmCheckDetail; });
    QTest::newRow("frmOthersDetail") << Opener([] { return new frmOthersDetail; });
    QTest::newRow("frmStock") << Opener([] { return new frmStock; });
}

void addListingForms()
{
    addSlipEntries();
    addRecordsAndQuery(false);
    // Eight amounts of an expense pass the screen: its list scrolls like a slip's lines.
    QTest::newRow("frmpay") << Opener(expenseList);
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
}

class TestOpeningSizes : public VarnholtTestCase {
    Q_OBJECT
private:
    MDIF_main* m_main = nullptr;

    // The form as the administrator's main window opens it on a 1024x768
    // screen, laid out.
    QWidget* opened(const Opener& open)
    {
        m_main = qobject_cast<MDIF_main*>(logIn(QStringLiteral("管理员"), QStringLiteral("admin")));
        if (!m_main)
            return nullptr;
        m_main->resize(Screen);
        QWidget* form = open();
        m_main->showChild(form);
        QCoreApplication::processEvents();
        return form;
    }

private slots:
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
            const int needed = box->fontMetrics().horizontalAdvance(Barcode);
            QVERIFY2(textRoom(box) >= needed, qPrintable(QStringLiteral("%1: %2 < %3").arg(name).arg(textRoom(box)).arg(needed)));
        }
    }

    void everyColumnShowsItsHeaderAndTheWidestFigure_data() { addListingForms(); }
    void everyColumnShowsItsHeaderAndTheWidestFigure()
    {
        QFETCH(Opener, open);
        QWidget* form = opened(open);
        QVERIFY(form);
        for (QTreeView* list : listsOf(form)) {
            QHeaderView* header = list->header();
            const int headerMargin = list->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
            const int cellMargin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
            for (int c = 0; c < list->model()->columnCount(); ++c) {
                if (list->isColumnHidden(c))
                    continue;
                const QString caption = list->model()->headerData(c, Qt::Horizontal).toString();
                const bool figure = std::any_of(FigureWords.begin(), FigureWords.end(),
                                                [&](const QString& word) { return caption.contains(word); });
                const QString where = QStringLiteral("%1 %2").arg(list->objectName(), caption);
                QVERIFY2(list->columnWidth(c) >= header->fontMetrics().horizontalAdvance(caption) + 2 * headerMargin,
                         qPrintable(where));
                // Dates show whole.
                for (int r = 0; r < list->model()->rowCount(); ++r) {
                    const QString cell = list->model()->index(r, c).data().toString();
                    if (Date.match(cell).hasMatch())
                        QVERIFY2(list->columnWidth(c) >= list->fontMetrics().horizontalAdvance(cell) + 2 * cellMargin,
                                 qPrintable(QStringLiteral("%1 %2").arg(where, cell)));
                }
                if (!figure)
                    continue;
                QVERIFY2(list->columnWidth(c) >= list->fontMetrics().horizontalAdvance(WidestFigure) + 2 * cellMargin,
                         qPrintable(where));
            }
        }
    }

    void theWindowFitsTheScreenAndShowsItsColumns_data() { addListingForms(); }
    void theWindowFitsTheScreenAndShowsItsColumns()
    {
        QFETCH(Opener, open);
        QWidget* form = opened(open);
        QVERIFY(form);
        auto* window = qobject_cast<QMdiSubWindow*>(form->parentWidget());
        QVERIFY(window);
        QVERIFY(window->width() <= Screen.width() && window->height() <= Screen.height());
        // Nothing of the form is cut off by its window.
        QVERIFY(form->width() >= form->minimumSizeHint().width());
        const int area = m_main->mdiArea()->viewport()->width();
        for (QTreeView* list : listsOf(form)) {
            int columns = 0;
            for (int c = 0; c < list->model()->columnCount(); ++c)
                columns += list->isColumnHidden(c) ? 0 : list->columnWidth(c);
            // The window is as wide as its columns need, or as the area allows.
            const int needed = columns + window->width() - list->viewport()->width();
            const QString where =
                QStringLiteral("%1: window %2, needed %3").arg(list->objectName()).arg(window->width()).arg(needed);
            QVERIFY2(window->width() >= std::min(needed, area), qPrintable(where));
        }
    }

    // Only a slip's line list may scroll sideways; the slips and the goods fit.
    void theSlipsListFitsWithoutScrolling_data() { addRecordsAndQuery(); }
    void theSlipsListFitsWithoutScrolling()
    {
        QFETCH(Opener, open);
        QWidget* form = opened(open);
        QVERIFY(form);
        auto* list = form->findChild<QTreeView*>(QStringLiteral("ListView1"));
        QVERIFY(list);
        const QString where = QStringLiteral("columns %1, room %2").arg(list->header()->length()).arg(list->viewport()->width());
        QVERIFY2(list->horizontalScrollBar()->maximum() == 0, qPrintable(where));
        QVERIFY2(!list->horizontalScrollBar()->isVisible(), qPrintable(where));
    }

    void theStockQueryOpensShowingAPageOfGoods()
    {
        constexpr int UsefulPage = 15;
        {
            auto stock = Mod1::OpenConn();
            QVERIFY(stock
                    && stock->exec(QStringLiteral("insert into 库存 (类别, 商品编号, 商品名称, 库存量) "
                                                  "values ('饮料', 'SP000001', '可乐', 1)")));
        }
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
