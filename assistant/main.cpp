#include "desktop.h"
#include "program.h"
#include "qttranslation.h"
#include "startteskarn.h"

#include <QApplication>
#include <cstring>

#include <sys/stat.h>

namespace {
// Global keys are X11's alone: on a desktop that also offers X11, use it
// unless a platform was chosen.
void preferX11(int argc, char** argv)
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || qEnvironmentVariableIsEmpty("DISPLAY"))
        return;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0)
            return;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
}
}

int main(int argc, char** argv)
{
    ::umask(077);
    preferX11(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Teskarn"));
    Program::setName(QStringLiteral("Teskarn"));
    QtTranslation::install();
    // The program ends by its end request, not with its last window.
    QApplication::setQuitOnLastWindowClosed(false);
    if (qEnvironmentVariableIsEmpty("VARNHOLT_DRY_RUN")) {
        DesktopOpener::installReal();
        CommandRunner::installReal();
    }
    const StartupResult start = Teskarn::start();
    if (!start.runEventLoop)
        return start.exitCode;
    return app.exec();
}
