#pragma once
#include <optional>

// The fact about the machine that only Qt Widgets can tell; beside the others
// of environment.h, which tests set the same way.
namespace MachineState {
// Whether the desktop offers a notification area.
bool isSystemTrayAvailable();
void setSystemTrayOverride(std::optional<bool> available);
}
