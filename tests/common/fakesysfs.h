#pragma once
#include <QString>

// A sysfs laid out under a folder of the test: the block device holding a
// path, filed under the bus that carries its disk.
namespace FakeSysfs {
enum class Bus {
    Usb,  // a USB stick: the USB device above the disk has a vendor id and the serial
    Sata, // a disk inside the machine: nothing USB above it
};

// Files the device of path under root/devices and links it from
// root/dev/block/<major>:<minor>; an empty serial leaves the USB device without one.
bool holdPath(const QString& root, const QString& path, Bus bus, const QString& serial = {});
}
