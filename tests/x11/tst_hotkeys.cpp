#include "fixture.h"
#include "hotkeys.h"
#include "messagerecorder.h"
#include "ownserver.h"

using OwnServer::OtherClient;

namespace {
constexpr quint32 vkF1 = 0x70;
constexpr quint32 vkF3 = 0x72;
constexpr uint16_t lockMask = XCB_MOD_MASK_LOCK;

using MessageRecorder::received;

MessageRecorder::Message hotKey(qint32 id) { return {HotKeys::Message, id}; }
}

class TestHotKeys : public VarnholtTestCase {
    Q_OBJECT
public:
    TestHotKeys()
        : VarnholtTestCase(TestedProgram::Teskarn)
    {
    }

private slots:
    void pressedKeyReachesItsWindowAlsoWithNumLock()
    {
        received().clear();
        const WindowId window = WindowMessages::createWindow(MessageRecorder::procedure);
        QVERIFY(HotKeys::registerKey(window, 2, vkF3));

        QVERIFY(OwnServer::xdotool({QStringLiteral("key"), QStringLiteral("F3")}));
        QTRY_COMPARE(received(), QList{hotKey(2)});

        QVERIFY(OwnServer::xdotool({QStringLiteral("key"), QStringLiteral("Num_Lock")}));
        QVERIFY(OwnServer::xdotool({QStringLiteral("key"), QStringLiteral("F3")}));
        QTRY_COMPARE(received(), QList({hotKey(2), hotKey(2)}));
        QVERIFY(OwnServer::xdotool({QStringLiteral("key"), QStringLiteral("Num_Lock")}));

        // Shift+F3 is no hot key: F1, pressed after it, arrives next.
        QVERIFY(HotKeys::registerKey(window, 1, vkF1));
        QVERIFY(OwnServer::xdotool({QStringLiteral("key"), QStringLiteral("shift+F3")}));
        QVERIFY(OwnServer::xdotool({QStringLiteral("key"), QStringLiteral("F1")}));
        QTRY_COMPARE(received(), QList({hotKey(2), hotKey(2), hotKey(1)}));

        HotKeys::unregisterAll();
        WindowMessages::destroyWindow(window);
    }

    void heldKeyIsRefusedToOtherClientsUntilReleased()
    {
        OtherClient other;
        QVERIFY(other.isConnected());
        const WindowId window = WindowMessages::createWindow(MessageRecorder::procedure);
        QVERIFY(HotKeys::registerKey(window, 1, vkF1));
        QVERIFY(!other.grab(OwnServer::keysymF1));
        QVERIFY(!other.grab(OwnServer::keysymF1, lockMask));
        QVERIFY(!HotKeys::registerKey(window, 1, vkF3)); // the id is taken

        QVERIFY(HotKeys::unregisterKey(window, 1));
        QVERIFY(!HotKeys::unregisterKey(window, 1));
        QVERIFY(other.grab(OwnServer::keysymF1));
        other.ungrab(OwnServer::keysymF1);
        WindowMessages::destroyWindow(window);
    }

    void keyHeldElsewhereFailsAndTakesNothing()
    {
        OtherClient other;
        // Held only with Caps Lock on: the plain key could be taken, but a
        // registration is all four variants or nothing.
        QVERIFY(other.grab(OwnServer::keysymF1, lockMask));
        const WindowId window = WindowMessages::createWindow(MessageRecorder::procedure);
        QVERIFY(!HotKeys::registerKey(window, 1, vkF1));
        QVERIFY(other.grab(OwnServer::keysymF1));
        other.ungrab(OwnServer::keysymF1);
        other.ungrab(OwnServer::keysymF1, lockMask);
        WindowMessages::destroyWindow(window);
    }

    void resetReleasesEveryKey()
    {
        const WindowId window = WindowMessages::createWindow(MessageRecorder::procedure);
        QVERIFY(HotKeys::registerKey(window, 1, vkF1));
        QVERIFY(HotKeys::registerKey(window, 2, vkF3));
        HotKeys::unregisterAll();
        OtherClient other;
        QVERIFY(other.grab(OwnServer::keysymF1));
        QVERIFY(other.grab(OwnServer::keysymF3));
        WindowMessages::destroyWindow(window);
    }
};

VARNHOLT_TEST(TestHotKeys)
#include "tst_hotkeys.moc"
