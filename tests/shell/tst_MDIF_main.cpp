#include "MDIF_main.h"
#include "TuoPan.h"
#include "clssystray.h"
#include "clock.h"
#include "desktop.h"
#include "dispatch.h"
#include "environment.h"
#include "fixture.h"
#include "messagebox.h"
#include "trayavailability.h"
#include "uidriver.h"

#include <QAction>
#include <QImage>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QRadioButton>
#include <QTextBrowser>
#include <QToolBar>
#include <QWindow>

using namespace UiDriver;

namespace {
struct Item {
    QString name;
    QString caption; // "-" for a separator
};

struct Menu {
    QString name;
    QString caption;
    QList<Item> items;
};

const QList<Menu> designedMenus{
    {"QCSZ",
     "期初设置",
     {{"DPXX", "店铺信息"},
      {"GYSXXWH", "供应商信息维护"},
      {"KHXXWH", "客户信息维护"},
      {"YWYSZ", "业务员设置"},
      {"fg5", "-"},
      {"S61", "商品类别与计量单位"},
      {"HPXXWH", "货品信息维护"}}},
    {"HWGL", "入库管理", {{"FKGL", "入库记录及资金往来"}, {"S23", "入库退货"}, {"S24", "退货记录及资金往来"}}},
    {"CKGL", "销售管理", {{"S12", "销售记录及资金往来"}, {"S13", "销售退货"}, {"S14", "退货记录及资金往来"}}},
    {"KCGL",
     "库存管理",
     {{"S35", "商品盘点"}, {"S36", "商品盘点记录查询"}, {"fg3", "-"}, {"S33", "商品报损"}, {"S34", "商品报损记录查询"}}},
    {"XTWH",
     "系统维护",
     {{"CZYXXWH", "操作员管理"}, {"MMXG", "密码修改"}, {"CZYQXSZ", "操作员权限设置"}, {"DD", "-"}, {"SJQL", "数据清理"}}},
};

const QStringList buttonCaptions{"货品入库", "商品销售", "库存查询", "日常支出", "利润统计",
                                 "数据分析", "会员客户", "备份数据", "退出系统"};

// Every item that opens a form.
const QStringList formItems{"DPXX",       "GYSXXWH",    "KHXXWH",     "YWYSZ",      "S61",         "HPXXWH",      "FKGL",
                            "S23",        "S24",        "S12",        "S13",        "S14",         "S35",         "S36",
                            "S33",        "S34",        "CZYXXWH",    "MMXG",       "CZYQXSZ",     "SJQL",        "Toolbar1_1",
                            "Toolbar1_3", "Toolbar1_5", "Toolbar1_7", "Toolbar1_9", "Toolbar1_11", "Toolbar1_13", "Toolbar1_15"};

int visibleWindows()
{
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        count += widget->isVisible() ? 1 : 0;
    return count;
}
}

class TestMainWindow : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void menusToolbarAndStatusBarAsDesigned()
    {
        auto* main = qobject_cast<MDIF_main*>(logIn(QStringLiteral("管理员"), QStringLiteral("admin")));
        QVERIFY(main);
        QCOMPARE(main->windowTitle(), QStringLiteral("VarnholtV2.4"));

        const QList<QAction*> tops = main->menuBar()->actions();
        QCOMPARE(tops.size(), designedMenus.size());
        for (int m = 0; m < designedMenus.size(); ++m) {
            QMenu* menu = tops[m]->menu();
            QVERIFY(menu);
            QCOMPARE(menu->objectName(), designedMenus[m].name);
            QCOMPARE(menu->title(), designedMenus[m].caption);
            const QList<QAction*> items = menu->actions();
            QCOMPARE(items.size(), designedMenus[m].items.size());
            for (int i = 0; i < items.size(); ++i) {
                const Item& expected = designedMenus[m].items[i];
                QCOMPARE(items[i]->objectName(), expected.name);
                QCOMPARE(items[i]->isSeparator(), expected.caption == QStringLiteral("-"));
                if (!items[i]->isSeparator())
                    QCOMPARE(items[i]->text(), expected.caption);
            }
        }

        auto* toolbar = main->findChild<QToolBar*>(QStringLiteral("Toolbar1"));
        QVERIFY(toolbar);
        const QList<QAction*> buttons = toolbar->actions();
        QCOMPARE(buttons.size(), 17);
        for (int n = 1; n <= 17; ++n) {
            QAction* button = buttons[n - 1];
            QCOMPARE(button->objectName(), QStringLiteral("Toolbar1_%1").arg(n));
            QCOMPARE(button->isSeparator(), n % 2 == 0);
            if (n % 2 == 1) {
                QCOMPARE(button->text(), buttonCaptions[n / 2]);
                QVERIFY(!button->icon().isNull());
            }
        }

        for (int n = 1; n <= 5; ++n)
            QVERIFY(main->findChild<QLabel*>(QStringLiteral("StatusBar1_%1").arg(n)));
        QCOMPARE(main->findChild<QLabel*>(QStringLiteral("StatusBar1_2"))->text(), QStringLiteral("当前操作员：管理员"));
    }

    void statusClock_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("shown");
        QTest::newRow("morning") << QTime(9, 5, 3) << " 09点05分03秒";
        QTest::newRow("before midnight") << QTime(23, 59, 59) << " 23点59分59秒";
        QTest::newRow("midnight") << QTime(0, 0, 0) << " 00点00分00秒";
    }

    void statusClock()
    {
        QFETCH(QTime, time);
        QFETCH(QString, shown);
        QWidget* main = logIn(QStringLiteral("管理员"), QStringLiteral("admin"));
        QVERIFY(main);
        Clock::setNow(QDateTime(QDate(2024, 3, 6), time));
        QCOMPARE(child<QLabel>(main, QStringLiteral("StatusBar1_4"))->text(), shown);
    }

    void searchBoxOpensTheChosenService()
    {
        QWidget* main = logIn(QStringLiteral("管理员"), QStringLiteral("admin"));
        QVERIFY(main);
        QVERIFY(child<QRadioButton>(main, QStringLiteral("OptBD"))->isChecked());
        auto* text = child<QLineEdit>(main, QStringLiteral("Text1"));
        text->setFocus();
        QTest::keyClicks(text, QStringLiteral("red apple"));
        QTest::keyClick(text, Qt::Key_Return);
        QCOMPARE(DesktopOpener::recorded().size(), 1);
        QVERIFY(DesktopOpener::recorded()[0].target.endsWith(QStringLiteral("word=red+apple")));

        QTest::mouseClick(child<QRadioButton>(main, QStringLiteral("OptJD")), Qt::LeftButton);
        QTest::mouseClick(child<QWidget>(main, QStringLiteral("CmdOK")), Qt::LeftButton);
        QCOMPARE(DesktopOpener::recorded().size(), 2);
        const QUrl jd(DesktopOpener::recorded()[1].target);
        QVERIFY(jd.toString(QUrl::FullyEncoded).endsWith(QStringLiteral("keyword=red%20apple&enc=utf-8")));
    }

    void noticeWindowOnlyWhenOnlineAndOnlyOnce()
    {
        QVERIFY(logIn(QStringLiteral("管理员"), QStringLiteral("admin")));
        QVERIFY(!window(QStringLiteral("jxcad")));

        MachineState::setOnlineOverride(true);
        auto* second = new MDIF_main;
        second->show();
        QWidget* notice = window(QStringLiteral("jxcad"));
        QVERIFY(notice);
        QCOMPARE(notice->windowTitle(), QStringLiteral("公告"));
        auto* page = child<QTextBrowser>(notice, QStringLiteral("WebBrowser1"));
        QVERIFY(page);
        QVERIFY(page->toPlainText().contains(QStringLiteral("欢迎使用")));

        // Loading the main window again raises the open notice.
        auto* third = new MDIF_main;
        third->show();
        int notices = 0;
        for (QWidget* widget : QApplication::topLevelWidgets())
            notices += widget->objectName() == QStringLiteral("jxcad") ? 1 : 0;
        QCOMPARE(notices, 1);
        QCOMPARE(window(QStringLiteral("jxcad")), notice);
    }

    void noticeOpensInFrontOfTheMainWindow()
    {
        MachineState::setOnlineOverride(true);
        QWidget* main = logIn(QStringLiteral("管理员"), QStringLiteral("admin"));
        QVERIFY(main);
        QWidget* notice = window(QStringLiteral("jxcad"));
        QVERIFY(notice && notice->windowHandle());
        QCOMPARE(notice->windowHandle()->transientParent(), main->windowHandle());
    }

    void everyToolbarButtonIsOnScreenAtTheOpeningSize()
    {
        QWidget* main = logIn(QStringLiteral("管理员"), QStringLiteral("admin"));
        QVERIFY(main);
        QVERIFY(QTest::qWaitForWindowExposed(main));
        auto* toolbar = main->findChild<QToolBar*>(QStringLiteral("Toolbar1"));
        for (QAction* button : toolbar->actions()) {
            if (button->isSeparator())
                continue;
            QWidget* widget = toolbar->widgetForAction(button);
            QTRY_VERIFY2(widget->isVisible(), qPrintable(button->text()));
            QVERIFY2(main->rect().contains(QRect(widget->mapTo(main, QPoint(0, 0)), widget->size())), qPrintable(button->text()));
        }
    }

    // Every window shows the tray's picture, and the toolbar's pictures stand at one size.
    void theWindowsShowTheTraysPictureAndTheToolbarOneSize()
    {
        auto* main = qobject_cast<MDIF_main*>(logIn(QStringLiteral("管理员"), QStringLiteral("admin")));
        QVERIFY(main);
        QVERIFY(TuoPan::loaded());
        const QImage picture = TuoPan::loaded()->cSysTray()->IconHandle().pixmap(32).toImage();
        QVERIFY(!picture.isNull());
        QWidget* form = new QWidget;
        QMdiSubWindow* child = main->showChild(form);
        for (const QWidget* window : {static_cast<QWidget*>(main), static_cast<QWidget*>(child), form})
            QCOMPARE(window->windowIcon().pixmap(32).toImage(), picture);

        auto* toolbar = main->findChild<QToolBar*>(QStringLiteral("Toolbar1"));
        for (QAction* button : toolbar->actions()) {
            if (!button->isSeparator())
                QVERIFY2(button->icon().actualSize(toolbar->iconSize()) == toolbar->iconSize(), qPrintable(button->text()));
        }
    }

    void shopsOwnNoticePageWins()
    {
        QFile own(appPath() + QStringLiteral("/jxcad.html"));
        QVERIFY(own.open(QIODevice::WriteOnly));
        own.write("<html><body><p>本店周末八折</p></body></html>");
        own.close();
        MachineState::setOnlineOverride(true);
        QVERIFY(logIn(QStringLiteral("管理员"), QStringLiteral("admin")));
        auto* page = child<QTextBrowser>(window(QStringLiteral("jxcad")), QStringLiteral("WebBrowser1"));
        QVERIFY(page);
        QCOMPARE(page->toPlainText(), QStringLiteral("本店周末八折"));
    }

    void exitQuestionClosesNothingBeforeOk()
    {
        auto* main = qobject_cast<MDIF_main*>(logIn(QStringLiteral("管理员"), QStringLiteral("admin")));
        QVERIFY(main);
        QPointer<QWidget> child = new QWidget;
        main->showChild(child);
        auto* exit = main->findChild<QAction*>(QStringLiteral("Toolbar1_17"));
        auto* toolbar = main->findChild<QToolBar*>(QStringLiteral("Toolbar1"));

        MessageBox::setNextAnswer(QMessageBox::Cancel);
        QTest::mouseClick(toolbar->widgetForAction(exit), Qt::LeftButton);
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown()[0].text, QStringLiteral("您确认要退出库存管理系统吗?"));
        QCOMPARE(MessageBox::shown()[0].title, QStringLiteral("提示信息"));
        QCOMPARE(MessageBox::shown()[0].icon, QMessageBox::Question);
        QCOMPARE(MessageBox::shown()[0].buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QVERIFY(main->isVisible());
        QVERIFY(child && child->isVisible());
        QCOMPARE(EndRequest::count(), 0);

        MessageBox::setNextAnswer(QMessageBox::Ok);
        QTest::mouseClick(toolbar->widgetForAction(exit), Qt::LeftButton);
        QCOMPARE(EndRequest::count(), 1);
        QCOMPARE(visibleWindows(), 0);
    }

    void closingTheMainWindowEndsTheProgram()
    {
        MachineState::setSystemTrayOverride(false);
        QWidget* main = logIn(QStringLiteral("管理员"), QStringLiteral("admin"));
        QVERIFY(main);
        QVERIFY(main->close());
        QCOMPARE(EndRequest::count(), 1);
        QCOMPARE(visibleWindows(), 0);
    }

    void childWindowsCloseWhileTheMainWindowIsInactive()
    {
        auto* main = qobject_cast<MDIF_main*>(logIn(QStringLiteral("管理员"), QStringLiteral("admin")));
        QVERIFY(main);
        QPointer<QWidget> first = new QWidget;
        QPointer<QWidget> second = new QWidget;
        main->showChild(first);
        main->showChild(second);
        QWidget other;
        QVERIFY(activate(main));
        QVERIFY(activate(&other));

        main->closeChildWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first);
        QVERIFY(!second);
    }

    void dispatchCoversEveryItemAndClosesChildrenFirst()
    {
        QStringList rows;
        for (const DispatchRow& row : Dispatch::rows())
            rows << QString::fromLatin1(row.item);
        QStringList expected = formItems;
        expected << QStringLiteral("Toolbar1_17");
        QCOMPARE(rows, expected);

        auto* main = qobject_cast<MDIF_main*>(logIn(QStringLiteral("管理员"), QStringLiteral("admin")));
        QVERIFY(main);
        QPointer<QWidget> child = new QWidget;
        main->showChild(child);
        const int windows = visibleWindows();
        for (const DispatchRow& row : Dispatch::rows()) {
            if (row.open)
                continue;
            QAction* action = main->findChild<QAction*>(QString::fromLatin1(row.item));
            QVERIFY2(action, row.item);
            action->trigger();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY2(child && child->isVisible(), row.item);
            QCOMPARE(main->mdiArea()->subWindowList().size(), 1);
            QCOMPARE(visibleWindows(), windows);
        }
        QVERIFY(MessageBox::shown().isEmpty());
        QCOMPARE(EndRequest::count(), 0);

        // A built row closes the child windows before it opens its own.
        MessageBox::setNextAnswer(QMessageBox::Ok);
        main->findChild<QAction*>(QStringLiteral("Toolbar1_15"))->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!child || !child->isVisible());
        QVERIFY(main->mdiArea()->subWindowList().isEmpty());
    }
};

VARNHOLT_TEST(TestMainWindow)
#include "tst_MDIF_main.moc"
