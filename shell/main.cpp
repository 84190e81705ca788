#include "desktop.h"
#include "program.h"
#include "qttranslation.h"
#include "startvarnholt.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnholt"));
    Program::setName(QStringLiteral("Varnholt"));
    QtTranslation::install();
    if (qEnvironmentVariableIsEmpty("VARNHOLT_DRY_RUN")) {
        DesktopOpener::installReal();
        CommandRunner::installReal();
    }
    const StartupResult start = startVarnholt();
    if (!start.runEventLoop)
        return start.exitCode;
    return app.exec();
}
