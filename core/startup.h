#pragma once
#include <QString>

// What preparing the shop program found: nothing, or why it cannot go on,
// which the caller shows before the program ends.
struct StartupOutcome {
    QString refusal;
    bool goesOn() const { return refusal.isEmpty(); }
};

// Prepares the shop program before its first window: owner-only files and
// the data folder with its delivered database.
StartupOutcome prepareVarnholt();
