#include "environment.h"
#include "fixture.h"
#include "forms.h"
#include "messagebox.h"
#include "ownserver.h"
#include "search.h"
#include "startteskarn.h"

#include <QSignalSpy>

using OwnServer::OtherClient;
using Teskarn::search;
namespace Forms = Teskarn::Forms;

class TestSearchKeys : public VarnholtTestCase {
    Q_OBJECT
public:
    TestSearchKeys()
        : VarnholtTestCase(TestedProgram::Teskarn)
    {
    }

private slots:
    void barHoldsF1AndF3UntilItCloses()
    {
        QVERIFY(Teskarn::start().runEventLoop);
        search* bar = Forms::loaded<search>();
        QVERIFY(bar);
        OtherClient other;
        QVERIFY(other.isConnected());
        QVERIFY(!other.grab(OwnServer::keysymF1));
        QVERIFY(!other.grab(OwnServer::keysymF3));

        QSignalSpy slot8(bar, &search::slot8Requested);
        QSignalSpy screenshot(bar, &search::screenshotRequested);
        QVERIFY(OwnServer::xdotool({QStringLiteral("key"), QStringLiteral("F3")}));
        QTRY_COMPARE(screenshot.size(), 1);
        QVERIFY(OwnServer::xdotool({QStringLiteral("key"), QStringLiteral("F1")}));
        QTRY_COMPARE(slot8.size(), 1);
        QCOMPARE(screenshot.size(), 1);

        bar->close();
        QCOMPARE(EndRequest::count(), 1);
        QVERIFY(other.grab(OwnServer::keysymF1));
        QVERIFY(other.grab(OwnServer::keysymF3));
    }

    void barComesUpQuietlyWithF3HeldElsewhere()
    {
        OtherClient other;
        QVERIFY(other.grab(OwnServer::keysymF3));
        QVERIFY(Teskarn::start().runEventLoop);
        search* bar = Forms::loaded<search>();
        QVERIFY(bar && bar->isVisible());
        QVERIFY(MessageBox::shown().isEmpty());
        QVERIFY(!other.grab(OwnServer::keysymF1));
    }
};

VARNHOLT_TEST(TestSearchKeys)
#include "tst_searchkeys.moc"
