#pragma once
#include <QString>
#include <optional>

// Facts about the machine that tests must be able to set.
namespace MachineState {
// Online: a network interface other than loopback that is up and has an address.
bool isOnline();
void setOnlineOverride(std::optional<bool> online);
}

// What the notification area shows, kept for tests to read.
namespace TrayRecord {
void iconShown(const QString& tip);
void iconRemoved();
bool isIconShown();
QString tip();
int timesShown();
void clear();
}

// The request to end the program: production leaves the event loop, tests
// count the requests.
namespace EndRequest {
void request(int exitCode = 0);
void setRecording(bool recording);
int count();
void clear();
}
