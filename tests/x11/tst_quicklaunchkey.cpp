#include "configvalue.h"
#include "desktop.h"
#include "fixture.h"
#include "ownserver.h"
#include "search.h"
#include "startteskarn.h"

class TestQuickLaunchKey : public VarnholtTestCase {
    Q_OBJECT
public:
    TestQuickLaunchKey()
        : VarnholtTestCase(TestedProgram::Teskarn)
    {
    }

private slots:
    void f1HandsTheOpenerSlotEightsTarget()
    {
        QVERIFY(
            Teskarn::WriteConfigValue(QStringLiteral("soft8"), QStringLiteral("soft"), QStringLiteral("https://example.com/八")));
        QVERIFY(Teskarn::start().runEventLoop);
        QVERIFY(OwnServer::xdotool({QStringLiteral("key"), QStringLiteral("F1")}));
        QTRY_COMPARE(DesktopOpener::recorded().size(), 1);
        QCOMPARE(DesktopOpener::recorded().first().target, QStringLiteral("https://example.com/八"));
    }
};

VARNHOLT_TEST(TestQuickLaunchKey)
#include "tst_quicklaunchkey.moc"
