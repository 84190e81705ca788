#include "fakesysfs.h"
#include "fixture.h"
#include "usbserial.h"

class TestUsbSerial : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void serialOfTheDiskHoldingAPath_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("serial");
        QTest::newRow("a USB stick") << QStringLiteral("usb") << QStringLiteral("0123ABCD");
        // The root hub above the stick has a serial of its own, which is no disk's.
        QTest::newRow("a USB stick without a serial") << QStringLiteral("usb") << QString();
        QTest::newRow("a disk inside the machine") << QStringLiteral("sata") << QString();
        QTest::newRow("a file system of no block device") << QStringLiteral("none") << QString();
    }

    void serialOfTheDiskHoldingAPath()
    {
        QFETCH(QString, layout);
        QFETCH(QString, serial);
        if (layout != QStringLiteral("none")) {
            const auto bus = layout == QStringLiteral("usb") ? FakeSysfs::Bus::Usb : FakeSysfs::Bus::Sata;
            QVERIFY(FakeSysfs::holdPath(UsbSerial::sysfsRoot(), appPath(), bus, serial));
        }
        QCOMPARE(UsbSerial::GetUsbSN(appPath()), serial);
        QCOMPARE(UsbSerial::GetUsbSN(dbPath()), serial);
        QCOMPARE(UsbSerial::GetUsbSN(appPath() + QStringLiteral("/missing")), QString());
    }
};

VARNHOLT_TEST(TestUsbSerial)
#include "tst_usbserial.moc"
