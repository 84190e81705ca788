#pragma once
#include <QString>
#include <optional>

// Start at login: the desktop's autostart entry of the program,
// $XDG_CONFIG_HOME/autostart/teskarn.desktop.
namespace Teskarn::mod_AutoRun {
QString entryPath();

// Whether the entry is there and starts this program.
bool isOn();

// On writes the entry for this program, replacing one there; off removes it.
// The failure's text, or nothing.
[[nodiscard]] std::optional<QString> SetAutoRun(bool on);

// The Exec value that starts the program at that path: the path quoted as
// one argument and escaped as a desktop entry's string value.
QString execValue(const QString& programPath);
}
