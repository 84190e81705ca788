#include "MDIF_main.h"
#include "appstate.h"
#include "fixture.h"
#include "frmOut1.h"
#include "messagebox.h"
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
};

VARNHOLT_TEST(TestSalesMenus)
#include "tst_salesmenus.moc"
