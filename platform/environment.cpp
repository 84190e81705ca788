#include "environment.h"

#include <QCoreApplication>
#include <QNetworkInterface>

namespace {
std::optional<bool>& onlineOverride()
{
    static std::optional<bool> value;
    return value;
}

struct Tray {
    bool shown = false;
    QString tip;
    int timesShown = 0;
};

Tray& tray()
{
    static Tray t;
    return t;
}

struct End {
    bool recording = false;
    int count = 0;
};

End& ending()
{
    static End e;
    return e;
}
}

bool MachineState::isOnline()
{
    if (onlineOverride())
        return *onlineOverride();
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& iface : interfaces) {
        const auto flags = iface.flags();
        if (flags.testFlag(QNetworkInterface::IsLoopBack) || !flags.testFlag(QNetworkInterface::IsUp))
            continue;
        if (!iface.addressEntries().isEmpty())
            return true;
    }
    return false;
}

void MachineState::setOnlineOverride(std::optional<bool> online) { onlineOverride() = online; }

void TrayRecord::iconShown(const QString& tip)
{
    tray().shown = true;
    tray().tip = tip;
    ++tray().timesShown;
}

void TrayRecord::iconRemoved() { tray().shown = false; }
bool TrayRecord::isIconShown() { return tray().shown; }
QString TrayRecord::tip() { return tray().tip; }
int TrayRecord::timesShown() { return tray().timesShown; }
void TrayRecord::clear() { tray() = {}; }

void EndRequest::request(int exitCode)
{
    ++ending().count;
    if (!ending().recording)
        QCoreApplication::exit(exitCode);
}

void EndRequest::setRecording(bool recording) { ending().recording = recording; }
int EndRequest::count() { return ending().count; }
void EndRequest::clear() { ending().count = 0; }
