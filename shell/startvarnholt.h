#pragma once
#include "program.h"

// The start of the shop program: prepares its data folder, brings the book to
// the current version and loads the login form, which makes the instance test. main() returns at once when the
// result says so (a second copy), before its event loop.
StartupResult startVarnholt();
