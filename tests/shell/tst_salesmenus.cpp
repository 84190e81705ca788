#include "MDIF_main.h"
#include "appstate.h"
#include "driving.h"
#include "fixture.h"
#include "frmOut1.h"
#include "frmOutDetail.h"
#include "messagebox.h"
#include "recordgrid.h"
#include "uidriver.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>

using namespace UiDriver;

class TestSalesMenus : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void theToolbarSellsAndTheMenuTakesBack()
    {
        auto* main = qobject_cast<MDIF_main*>(logIn(QStringLiteral("管理员"), QStringLiteral("admin")));
        QVERIFY(main);
        // The one slip form a menu item or toolbar button leaves open.
        auto opened = [main](const char* item) {
            main->findChild<QAction*>(QString::fromLatin1(item))->trigger();
            const QList<QWidget*> forms = childForms(main);
            return forms.size() == 1 ? qobject_cast<frmOut1*>(forms.first()) : nullptr;
        };
        auto number = [](const frmOut1* form) { return form->findChild<QLineEdit*>(QStringLiteral("Textid"))->text(); };
        frmOut1* slip = opened("Toolbar1_3");
        QVERIFY(slip);
        QCOMPARE(slip->windowTitle(), QStringLiteral("商品销售"));
        QCOMPARE(number(slip), QStringLiteral("C0000001"));

        // Purchase returns count apart.
        QCOMPARE(main->findChild<QAction*>(QStringLiteral("S13"))->text(), QStringLiteral("销售退货"));
        Database::runInTransaction([](DbSession& s) {
            return s.exec(QStringLiteral("insert into 入库单 (单号, 类别) values ('T0000005', '退货')")).status();
        });
        slip = opened("S13");
        QVERIFY(slip);
        QCOMPARE(slip->windowTitle(), QStringLiteral("商品销售退货"));
        QCOMPARE(number(slip), QStringLiteral("T0000001"));
        QCOMPARE(slip->slipDesign().kind, SlipKind::SalesReturn);

        // Once the return slip is closed, the toolbar sells again.
        slip->ComRtn_Click();
        QCOMPARE(appState().slipMode, QString());
        slip = opened("Toolbar1_3");
        QVERIFY(slip);
        QCOMPARE(number(slip), QStringLiteral("C0000001"));
        QCOMPARE(slip->slipDesign().kind, SlipKind::Sale);
        QVERIFY(MessageBox::shown().isEmpty());
    }

    void eachRecordsMenuOpensItsKindOfSales()
    {
        auto* main = qobject_cast<MDIF_main*>(logIn(QStringLiteral("管理员"), QStringLiteral("admin")));
        QVERIFY(main);
        QVERIFY(Database::runInTransaction([](DbSession& s) {
            return s
                .exec(QStringLiteral("insert into 出库单 (单号, 日期, 类别) values ('C0000001', '2024-03-05', '出库'), "
                                     "('T0000001', '2024-03-05', '退货')"))
                .status();
        }));
        auto opened = [main](const char* item) {
            main->findChild<QAction*>(QString::fromLatin1(item))->trigger();
            const QList<QWidget*> forms = childForms(main);
            return forms.size() == 1 ? qobject_cast<frmOutDetail*>(forms.first()) : nullptr;
        };
        frmOutDetail* records = opened("S14");
        QVERIFY(records);
        QCOMPARE(records->windowTitle(), QStringLiteral("销售退货记录"));
        QCOMPARE(records->slipDesign().kind, SlipKind::SalesReturn);
        QCOMPARE(records->slipList()->text(0, 0), QStringLiteral("T0000001"));

        // Closed by the next item, it leaves that one ordinary.
        records = opened("S12");
        QVERIFY(records);
        QCOMPARE(records->windowTitle(), QStringLiteral("销售记录"));
        QCOMPARE(records->slipDesign().kind, SlipKind::Sale);
        QCOMPARE(records->slipList()->text(0, 0), QStringLiteral("C0000001"));
    }

    void homeTakesTheSalesmanFromAModalPicker()
    {
        Database::runInTransaction([](DbSession& s) {
            return s.exec(QStringLiteral("insert into 业务员 (编号, 姓名, 拼音码) values ('YW000001', '小李', 'XL')")).status();
        });
        auto* main = qobject_cast<MDIF_main*>(logIn(QStringLiteral("管理员"), QStringLiteral("admin")));
        QVERIFY(main);
        main->findChild<QAction*>(QStringLiteral("Toolbar1_3"))->trigger();
        QVERIFY(activate(main));
        auto* discount = main->findChild<QLineEdit*>(QStringLiteral("TextDiscount1"));
        discount->setFocus();
        whenModal([](QDialog* picker) {
            QCOMPARE(picker->objectName(), QStringLiteral("frmOut16"));
            QVERIFY(picker->isModal());
            doubleClickRow(childOf<QTreeView>(picker, "ListView1"), 0);
        });
        // Home is the form's, not the box's.
        QTest::keyClick(discount, Qt::Key_Home);
        QCOMPARE(main->findChild<QLineEdit*>(QStringLiteral("TextOperation"))->text(), QStringLiteral("小李"));
        QVERIFY(activate(main));
        QCOMPARE(main->focusWidget()->objectName(), QStringLiteral("TextProvider"));
    }
};

VARNHOLT_TEST(TestSalesMenus)
#include "tst_salesmenus.moc"
