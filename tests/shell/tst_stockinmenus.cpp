#include "MDIF_main.h"
#include "appstate.h"
#include "fixture.h"
#include "frmIn1.h"
#include "frmInDetail.h"
#include "messagebox.h"
#include "recordgrid.h"
#include "uidriver.h"

#include <QAction>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QTest>

using namespace UiDriver;

namespace {
template <typename Form = frmIn1>
Form* opened(MDIF_main* main, const char* item)
{
    main->findChild<QAction*>(QString::fromLatin1(item))->trigger();
    const QList<QWidget*> forms = childForms(main);
    return forms.size() == 1 ? qobject_cast<Form*>(forms.first()) : nullptr;
}

QString number(const frmIn1* form) { return form->findChild<QLineEdit*>(QStringLiteral("Textid"))->text(); }
QString focusedName(const QWidget* window) { return window->focusWidget() ? window->focusWidget()->objectName() : QString(); }
}

class TestStockInMenus : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void eachMenuOpensItsKindOfSlip()
    {
        auto* main = qobject_cast<MDIF_main*>(logIn(QStringLiteral("管理员"), QStringLiteral("admin")));
        QVERIFY(main);
        QCOMPARE(main->findChild<QAction*>(QStringLiteral("S23"))->text(), QStringLiteral("入库退货"));

        frmIn1* slip = opened(main, "S23");
        QVERIFY(slip);
        QCOMPARE(slip->windowTitle(), QStringLiteral("商品入库退货"));
        QCOMPARE(number(slip), QStringLiteral("T0000001"));
        QCOMPARE(slip->slipDesign().kind, SlipKind::PurchaseReturn);

        // The main window closes it without a question, lines or not.
        slip->lines()->add({SlipLine{}, QStringLiteral("1.00"), QStringLiteral("5")});
        slip = opened(main, "Toolbar1_1");
        QVERIFY(slip);
        QVERIFY(MessageBox::shown().isEmpty());
        QCOMPARE(slip->windowTitle(), QStringLiteral("商品入库"));
        QCOMPARE(number(slip), QStringLiteral("R0000001"));
        QCOMPARE(slip->slipDesign().kind, SlipKind::StockIn);
    }

    void eachRecordsMenuOpensItsKindOfSlips()
    {
        auto* main = qobject_cast<MDIF_main*>(logIn(QStringLiteral("管理员"), QStringLiteral("admin")));
        QVERIFY(main);
        const QString today = QStringLiteral("2024-03-05");
        QVERIFY(Database::runInTransaction([&](DbSession& s) {
            return s
                .exec(QStringLiteral(
                          "insert into 入库单 (单号, 日期, 类别) values ('R0000001', ?, '入库'), ('T0000001', ?, '退货')"),
                      {today, today})
                .status();
        }));

        auto* records = opened<frmInDetail>(main, "S24");
        QVERIFY(records);
        QCOMPARE(records->windowTitle(), QStringLiteral("调失退货记录"));
        QCOMPARE(records->slipDesign().kind, SlipKind::PurchaseReturn);
        QCOMPARE(records->slipList()->text(0, 0), QStringLiteral("T0000001"));

        // Closed by the next item, it leaves that one ordinary.
        records = opened<frmInDetail>(main, "FKGL");
        QVERIFY(records);
        QCOMPARE(records->windowTitle(), QStringLiteral("入库记录"));
        QCOMPARE(records->slipDesign().kind, SlipKind::StockIn);
        QCOMPARE(records->slipList()->text(0, 0), QStringLiteral("R0000001"));
    }

    void theChildWindowFocusesTheGoodsInputAtEachActivation()
    {
        auto* main = qobject_cast<MDIF_main*>(logIn(QStringLiteral("管理员"), QStringLiteral("admin")));
        QVERIFY(main);
        frmIn1* slip = opened(main, "Toolbar1_1");
        QVERIFY(slip);
        QVERIFY(activate(main));
        QCOMPARE(focusedName(main), QStringLiteral("TextName3"));

        auto* discount = slip->findChild<QLineEdit*>(QStringLiteral("TextDiscount"));
        discount->setFocus();
        // Back from a message or another window, the focus stays.
        QMessageBox message;
        message.show();
        QApplication::setActiveWindow(&message);
        QApplication::setActiveWindow(main);
        QCOMPARE(focusedName(main), QStringLiteral("TextDiscount"));
        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        QApplication::setActiveWindow(main);
        QCOMPARE(focusedName(main), QStringLiteral("TextDiscount"));
        // Turning to it from another child window is an activation.
        QMdiSubWindow* slipWindow = main->mdiArea()->activeSubWindow();
        auto* otherChild = new QLineEdit;
        main->showChild(otherChild);
        otherChild->setFocus();
        main->mdiArea()->setActiveSubWindow(slipWindow);
        QCOMPARE(focusedName(main), QStringLiteral("TextName3"));
    }
};

VARNHOLT_TEST(TestStockInMenus)
#include "tst_stockinmenus.moc"
