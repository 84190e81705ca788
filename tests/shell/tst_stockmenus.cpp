#include "MDIF_main.h"
#include "appstate.h"
#include "fixture.h"
#include "frmCheck1.h"
#include "frmCheckDetail.h"
#include "frmOther1.h"
#include "frmOthersDetail.h"
#include "uidriver.h"

#include <QAction>
#include <QLineEdit>

using namespace UiDriver;

namespace {
// The one child form the menu item leaves open.
QWidget* opened(MDIF_main* main, const char* item)
{
    main->findChild<QAction*>(QString::fromLatin1(item))->trigger();
    const QList<QWidget*> forms = childForms(main);
    return forms.size() == 1 ? forms.first() : nullptr;
}
}

class TestStockMenus : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void eachItemOpensItsForm()
    {
        auto* main = qobject_cast<MDIF_main*>(logIn(QStringLiteral("管理员"), QStringLiteral("admin")));
        QVERIFY(main);
        QCOMPARE(main->findChild<QAction*>(QStringLiteral("S35"))->text(), QStringLiteral("商品盘点"));
        auto* count = qobject_cast<frmCheck1*>(opened(main, "S35"));
        QVERIFY(count);
        QCOMPARE(count->findChild<QLineEdit*>(QStringLiteral("Textid"))->text(), QStringLiteral("P0000001"));
        QCOMPARE(appState().slipMode, QString());

        auto* loss = qobject_cast<frmOther1*>(opened(main, "S33"));
        QVERIFY(loss);
        QCOMPARE(loss->windowTitle(), QStringLiteral("商品报损"));
        QCOMPARE(loss->findChild<QLineEdit*>(QStringLiteral("Textid"))->text(), QStringLiteral("L0000001"));
        QCOMPARE(appState().slipMode, QStringLiteral("报损"));
        // Closed for another window, it leaves no mode behind.
        QVERIFY(qobject_cast<frmCheck1*>(opened(main, "S35")));
        QCOMPARE(appState().slipMode, QString());

        QCOMPARE(opened(main, "S36")->windowTitle(), QStringLiteral("盘点记录"));
        QVERIFY(qobject_cast<frmCheckDetail*>(childForms(main).first()));
        QCOMPARE(opened(main, "S34")->windowTitle(), QStringLiteral("报损记录"));
        QVERIFY(qobject_cast<frmOthersDetail*>(childForms(main).first()));
    }
};

VARNHOLT_TEST(TestStockMenus)
#include "tst_stockmenus.moc"
