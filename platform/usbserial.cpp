#include "usbserial.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {
QString& root()
{
    static QString path = QStringLiteral("/sys");
    return path;
}

QString firstLine(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readLine()).trimmed() : QString();
}
}

QString UsbSerial::sysfsRoot() { return root(); }
void UsbSerial::setSysfsRoot(const QString& path) { root() = path; }

QString UsbSerial::GetUsbSN(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    // The block device of the file system, as sysfs files it under the bus
    // that carries it: …/usb1/1-1/1-1:1.0/host6/…/block/sdb/sdb1.
    const QString device = QFileInfo(
                               QStringLiteral("%1/dev/block/%2:%3").arg(root()).arg(major(info.st_dev)).arg(minor(info.st_dev)))
                               .canonicalFilePath();
    const QString devices = QFileInfo(root() + QStringLiteral("/devices")).canonicalFilePath();
    if (device.isEmpty() || devices.isEmpty())
        return {};
    // The nearest USB device above it (it has a vendor id) holds the serial.
    for (QDir dir(device); dir.absolutePath().startsWith(devices + QLatin1Char('/')); dir.cdUp()) {
        if (dir.exists(QStringLiteral("idVendor")))
            return firstLine(dir.filePath(QStringLiteral("serial")));
    }
    return {};
}
