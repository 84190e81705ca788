#pragma once
#include "startup.h"

// The start of the shop program: prepares its data folder and loads the
// login form, which makes the instance test. main() returns at once when the
// result says so (a second copy), before its event loop.
StartupResult startVarnholt();
