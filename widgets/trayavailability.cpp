#include "trayavailability.h"

#include <QSystemTrayIcon>

namespace {
std::optional<bool>& trayOverride()
{
    static std::optional<bool> value;
    return value;
}
}

bool MachineState::isSystemTrayAvailable()
{
    if (trayOverride())
        return *trayOverride();
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void MachineState::setSystemTrayOverride(std::optional<bool> available) { trayOverride() = available; }
