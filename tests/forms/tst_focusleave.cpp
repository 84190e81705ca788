#include "fixture.h"
#include "focusleave.h"

#include <QApplication>
#include <QLineEdit>
#include <optional>

namespace {
// A window of two boxes, shown and active, the focus in the first.
struct Window {
    QWidget window;
    QLineEdit* box = new QLineEdit(&window);
    QLineEdit* next = new QLineEdit(&window);

    Window()
    {
        window.show();
        activate();
        box->setFocus();
    }
    void activate() { QApplication::setActiveWindow(&window); }
};
}

class TestFocusLeave : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void aLeavingIsAMoveWithinTheBoxsWindow()
    {
        Window form;
        QVERIFY(form.box->hasFocus());
        int left = 0;
        FocusLeave leave(form.box, [&left] { ++left; });

        // A message box or any other window taking the activation is no leaving.
        Window other;
        QVERIFY(other.box->hasFocus());
        form.activate();
        QVERIFY(form.box->hasFocus());
        QCOMPARE(left, 0);

        form.next->setFocus();
        QCOMPARE(left, 1);
        // Coming back and leaving another box is not leaving this one.
        form.box->setFocus();
        other.activate();
        form.activate();
        QCOMPARE(left, 1);
        form.next->setFocus();
        QCOMPARE(left, 2);
        // Nor is the focus going nowhere, as it does from a box being destroyed.
        form.box->setFocus();
        form.box->clearFocus();
        QCOMPARE(QApplication::focusWidget(), nullptr);
        QCOMPARE(left, 2);
    }

    void nothingIsCalledOnceTheWatchIsGone()
    {
        Window form;
        int left = 0;
        std::optional<FocusLeave> leave(std::in_place, form.box, [&left] { ++left; });
        leave.reset();
        form.next->setFocus();
        QCOMPARE(left, 0);
    }
};

VARNHOLT_TEST(TestFocusLeave)
#include "tst_focusleave.moc"
