#pragma once

// What the start-up tells main(): go on into the event loop, or end now with a code.
struct StartupResult {
    bool runEventLoop = false;
    int exitCode = 0;
};

// Prepares the shop program before its first window: owner-only files and
// the data folder with its delivered database.
StartupResult prepareVarnholt();
