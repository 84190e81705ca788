#pragma once
#include <QString>

// The serial number of the USB disk a file lies on, read from sysfs.
namespace UsbSerial {
// The serial of the USB device holding path; "" when the path is on a disk
// that is not on USB, or cannot be told.
QString GetUsbSN(const QString& path);

// Where sysfs is mounted, /sys; tests lay out a fake one.
QString sysfsRoot();
void setSysfsRoot(const QString& root);
}
