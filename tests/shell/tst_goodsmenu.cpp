#include "MDIF_main.h"
#include "fixture.h"
#include "frmGoods.h"
#include "uidriver.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTreeView>

using namespace UiDriver;

class TestGoodsMenu : public VarnholtTestCase {
    Q_OBJECT

private slots:
    void menuItemOpensTheGoodsList()
    {
        auto* main = qobject_cast<MDIF_main*>(logIn(QStringLiteral("管理员"), QStringLiteral("admin")));
        QVERIFY(main);
        auto* item = main->findChild<QAction*>(QStringLiteral("HPXXWH"));
        QVERIFY(item);
        QCOMPARE(item->text(), QStringLiteral("货品信息维护"));
        item->trigger();
        const QList<QMdiSubWindow*> windows = main->mdiArea()->subWindowList();
        QCOMPARE(windows.size(), 1);
        auto* goods = qobject_cast<frmGoods*>(windows.first()->widget());
        QVERIFY(goods);
        QVERIFY(goods->isVisible());
        QCOMPARE(goods->windowTitle(), QStringLiteral("商品资料(双击表格可以修改)"));
        QVERIFY(child<QTreeView>(goods, QStringLiteral("ListView1")));
    }
};

VARNHOLT_TEST(TestGoodsMenu)
#include "tst_goodsmenu.moc"
