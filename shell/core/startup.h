#pragma once

// What the start-up tells main(): go on into the event loop, or end now with a code.
struct StartupResult {
    bool runEventLoop = false;
    int exitCode = 0;
};

// Prepares the shop program: owner-only files, the single-instance lock and
// the data folder with its delivered database.
StartupResult prepareVarnholt();
