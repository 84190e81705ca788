#include "fixture.h"
#include "hotkeys.h"

class TestHotKeys : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void withoutX11RegistrationFailsQuietly()
    {
        const WindowId window = WindowMessages::createWindow([](WindowId, qint32, qint32, qint32) { return 0; });
        QVERIFY(!HotKeys::registerKey(window, 1, HotKeys::VirtualKeyF1));
        QVERIFY(!HotKeys::unregisterKey(window, 1));
        HotKeys::unregisterAll();
        WindowMessages::destroyWindow(window);
    }
};

VARNHOLT_TEST(TestHotKeys)
#include "tst_hotkeys.moc"
