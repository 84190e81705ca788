#pragma once
#include "program.h"

// Prepares the shop program before its first window: owner-only files and
// the data folder with its delivered database.
StartupResult prepareVarnholt();
