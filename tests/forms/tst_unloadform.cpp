#include "fixture.h"
#include "unloadform.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace {
class ClosingForm : public QWidget {
public:
    explicit ClosingForm(int* closeRequests)
        : m_closeRequests(closeRequests)
    {
    }
    bool refuse = false;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        ++*m_closeRequests;
        event->setAccepted(!refuse);
    }

private:
    int* m_closeRequests;
};
}

class TestUnloadForm : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void unloadFormRunsItsCloseHandling()
    {
        int closeRequests = 0;
        auto* form = new ClosingForm(&closeRequests);
        form->setAttribute(Qt::WA_DeleteOnClose);
        QPointer<ClosingForm> watch(form);
        form->show();
        QVERIFY(Module2::UnloadForm(form));
        QCOMPARE(closeRequests, 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(watch.isNull());

        ClosingForm refusing(&closeRequests);
        refusing.refuse = true;
        refusing.show();
        QVERIFY(!Module2::UnloadForm(&refusing));
        QCOMPARE(closeRequests, 2);
        QVERIFY(refusing.isVisible());
        QVERIFY(Module2::UnloadForm(nullptr));
    }

    void unloadFormClosesAnMdiChildWithItsSubWindow()
    {
        int closeRequests = 0;
        QMdiArea area;
        auto* form = new ClosingForm(&closeRequests);
        area.addSubWindow(form)->show();
        area.show();
        QCOMPARE(area.subWindowList().size(), 1);
        QVERIFY(Module2::UnloadForm(form));
        QCOMPARE(closeRequests, 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(area.subWindowList().size(), 0);
    }
};

VARNHOLT_TEST(TestUnloadForm)
#include "tst_unloadform.moc"
