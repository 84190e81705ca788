#include "testregistry.h"

#include <QByteArray>

// Usage: tests_<folder> [case] [Qt Test options]; without a case, every case runs.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return TestRegistry::run(argc, argv);
}
