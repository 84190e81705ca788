#include "clssystray.h"
#include "environment.h"
#include "fixture.h"
#include "mdlsubclass.h"
#include "trayavailability.h"

#include <QPixmap>

namespace {
qint32 quietWindow(WindowId, qint32, qint32, qint32) { return 0; }

QIcon someIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::darkGreen);
    return QIcon(pixmap);
}

// Records the tray's events in the order they arrive.
struct EventLog {
    QStringList events;
    explicit EventLog(clsSysTray& tray)
    {
        QObject::connect(&tray, &clsSysTray::MouseMove, [this] { events << QStringLiteral("Move"); });
        QObject::connect(&tray, &clsSysTray::MouseDown, [this](int b) { events << QStringLiteral("Down%1").arg(b); });
        QObject::connect(&tray, &clsSysTray::MouseUp, [this](int b) { events << QStringLiteral("Up%1").arg(b); });
        QObject::connect(&tray, &clsSysTray::DblClick, [this](int b) { events << QStringLiteral("Dbl%1").arg(b); });
    }
};
}

class TestSysTray : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void mouseMessagesBecomeEvents()
    {
        clsSysTray tray;
        EventLog log(tray);
        for (qint32 message = 511; message <= 522; ++message)
            QCOMPARE(tray.EventsGen(0, message), mdlSubClass::Marker);
        QCOMPARE(log.events, (QStringList{"Move", "Down1", "Up1", "Dbl1", "Down2", "Up2", "Dbl2", "Down4", "Up4", "Dbl4"}));
    }

    void clicksOnTheIconReachTheEventsThroughTheWindow()
    {
        const WindowId window = WindowMessages::createWindow(quietWindow);
        clsSysTray tray;
        EventLog log(tray);
        QVERIFY(tray.AddSysTray(window, someIcon(), QStringLiteral("Varnholt")));
        tray.deliverActivation(QSystemTrayIcon::Context);
        QCOMPARE(log.events, (QStringList{"Down2", "Up2"}));
        log.events.clear();
        // A double click arrives as a click followed by the double click.
        tray.deliverActivation(QSystemTrayIcon::Trigger);
        tray.deliverActivation(QSystemTrayIcon::DoubleClick);
        QCOMPARE(log.events, (QStringList{"Down1", "Up1", "Dbl1", "Up1"}));
        tray.RemoveSysTray(false);
        WindowMessages::destroyWindow(window);
    }

    void tipIsCutToTheField()
    {
        const WindowId window = WindowMessages::createWindow(quietWindow);
        clsSysTray tray;
        const QString longTip(80, QLatin1Char('x'));
        QVERIFY(tray.AddSysTray(window, someIcon(), longTip));
        QCOMPARE(TrayRecord::tip(), QString(63, QLatin1Char('x')));
        QCOMPARE(tray.ToolTipText(), longTip);
        tray.RemoveSysTray(false);
        WindowMessages::destroyWindow(window);
    }

    void withoutANotificationAreaAddingFailsCleanly()
    {
        const WindowId window = WindowMessages::createWindow(quietWindow);
        MachineState::setSystemTrayOverride(false);
        clsSysTray tray;
        QVERIFY(!tray.AddSysTray(window, someIcon(), QStringLiteral("Varnholt")));
        QVERIFY(!tray.IsSysTraySet());
        QVERIFY(!TrayRecord::isIconShown());
        MachineState::setSystemTrayOverride(true);
        QVERIFY(tray.AddSysTray(window, QIcon(), QString(QChar(0))));
        QCOMPARE(tray.ToolTipText(), QStringLiteral("Varnholt"));
        tray.RemoveSysTray(false);
        WindowMessages::destroyWindow(window);
    }

    void addingTwiceReplacesAndEndingRemoves()
    {
        const WindowId window = WindowMessages::createWindow(quietWindow);
        {
            clsSysTray tray;
            QVERIFY(!tray.AddSysTray(window, QIcon(), QStringLiteral("no icon yet")));
            QVERIFY(tray.AddSysTray(window, someIcon(), QStringLiteral("a")));
            QVERIFY(tray.AddSysTray(window, QIcon(), QStringLiteral("b")));
            QCOMPARE(TrayRecord::timesShown(), 2);
            QCOMPARE(TrayRecord::tip(), QStringLiteral("b"));
            QVERIFY(TrayRecord::isIconShown());
        }
        QVERIFY(!TrayRecord::isIconShown());
        bool givenUp = false;
        QVERIFY(!mdlSubClass::IsWndSubClassed(window, givenUp));
        WindowMessages::destroyWindow(window);
    }
};

VARNHOLT_TEST(TestSysTray)
#include "tst_systray.moc"
