#pragma once
#include "program.h"

namespace Teskarn {
// The start of the assistant, before main()'s event loop; main() returns at
// once when the result says so.
StartupResult start();
}
