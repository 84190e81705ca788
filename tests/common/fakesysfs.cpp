#include "fakesysfs.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <sys/stat.h>
#include <sys/sysmacros.h>

using TestFiles::writeFile;

bool FakeSysfs::holdPath(const QString& root, const QString& path, Bus bus, const QString& serial)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    const QString number = QStringLiteral("%1:%2").arg(major(info.st_dev)).arg(minor(info.st_dev));
    const QString devices = root + QStringLiteral("/devices");
    QString device;
    if (bus == Bus::Usb) {
        const QString hub = devices + QStringLiteral("/pci0000:00/0000:00:14.0/usb1");
        const QString stick = hub + QStringLiteral("/1-1");
        device = stick + QStringLiteral("/1-1:1.0/host6/target6:0:0/6:0:0:0/block/sdb/sdb1");
        // The root hub has a vendor id and a serial of its own, above the stick.
        if (!QDir().mkpath(device) || !writeFile(hub + QStringLiteral("/idVendor"), "1d6b\n")
            || !writeFile(hub + QStringLiteral("/serial"), "0000:00:14.0\n")
            || !writeFile(stick + QStringLiteral("/idVendor"), "0781\n"))
            return false;
        if (!serial.isEmpty() && !writeFile(stick + QStringLiteral("/serial"), serial.toUtf8() + '\n'))
            return false;
    } else {
        const QString controller = devices + QStringLiteral("/pci0000:00/0000:00:17.0");
        device = controller + QStringLiteral("/ata1/host0/target0:0:0/0:0:0:0/block/sda/sda1");
        if (!QDir().mkpath(device) || !writeFile(controller + QStringLiteral("/vendor"), "0x8086\n"))
            return false;
    }
    const QString links = root + QStringLiteral("/dev/block");
    return QDir().mkpath(links) && QFile::link(QDir(links).relativeFilePath(device), links + QLatin1Char('/') + number);
}
