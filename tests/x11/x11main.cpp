#include "ownserver.h"
#include "testregistry.h"

#include <iostream>

// These tests grab keys and press them: they run only on the Xvfb that
// with-xvfb started for them, never on a desktop's display.
int main(int argc, char** argv)
{
    if (OwnServer::display().isEmpty()) {
        std::cerr << "refusing to run: DISPLAY is not the Xvfb that with-xvfb started\n";
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    return TestRegistry::run(argc, argv);
}
