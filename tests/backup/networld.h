#pragma once
#include "backupworld.h"
#include "fakesysfs.h"
#include "inifile.h"
#include "testfiles.h"
#include "usbserial.h"

// What the network backup tests share: the program folder on a USB stick
// whose serial names the remote folder, the server settings, the files laid
// out for the servers.
namespace NetWorld {
inline const QString serial = QStringLiteral("0123ABCD");
inline const QString remotePath = QStringLiteral("VIViza/0123ABCD/update.dat");

inline bool runFromUsbStick(const QString& appPath)
{
    return FakeSysfs::holdPath(UsbSerial::sysfsRoot(), appPath, FakeSysfs::Bus::Usb, serial);
}

inline bool setServer(const char* key, const QString& value)
{
    return UserSettings::save(QStringLiteral("database"), QStringLiteral("server"), QLatin1String(key), value);
}

using TestFiles::noise;
using TestFiles::writeFile;
}
