#include "fixture.h"
#include "appstate.h"
#include "clock.h"
#include "curltransfer.h"
#include "dbsession.h"
#include "desktop.h"
#include "environment.h"
#include "filedialogs.h"
#include "formregistry.h"
#include "inifile.h"
#include "messagebox.h"
#include "paths.h"
#include "program.h"
#include "teskarnstate.h"
#include "trayavailability.h"
#include "usbserial.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QWidget>

namespace {
void failUnqueuedBox(const MessageBoxRecord& box)
{
    const QByteArray message = "message box without a queued answer: " + box.title.toUtf8() + " / " + box.text.toUtf8();
    QTest::qFail(message.constData(), __FILE__, __LINE__);
}

void failUnqueuedDialog(const QString& caption)
{
    const QByteArray message = "file dialog without a queued answer: " + caption.toUtf8();
    QTest::qFail(message.constData(), __FILE__, __LINE__);
}

void closeAllWindows()
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (!window->parentWidget())
            window->deleteLater();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
}

QDateTime VarnholtTestCase::defaultNow() { return QDateTime(QDate(2024, 3, 5), QTime(9, 0, 0)); }

// The temporary folder the test run started with: each case's own TMPDIR
// lies inside a root that is gone after the case.
static const QString& baseTempPath()
{
    static const QString path = QDir::tempPath();
    return path;
}

QString VarnholtTestCase::appPath() const { return root() + QStringLiteral("/店铺 数据"); }
QString VarnholtTestCase::dbPath() const { return appPath() + QStringLiteral("/db_kcgl.mdb"); }

void VarnholtTestCase::init()
{
    m_root = std::make_unique<QTemporaryDir>(baseTempPath() + QStringLiteral("/varnholt-test-XXXXXX"));
    QVERIFY(m_root->isValid());
    const QString base = m_root->path();
    for (const char* folder : {"home", "config", "data", "run", "tmp"})
        QVERIFY(QDir(base).mkpath(QString::fromLatin1(folder)));
    QFile::setPermissions(base + QStringLiteral("/run"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("HOME", (base + QStringLiteral("/home")).toUtf8());
    qputenv("XDG_CONFIG_HOME", (base + QStringLiteral("/config")).toUtf8());
    qputenv("XDG_DATA_HOME", (base + QStringLiteral("/data")).toUtf8());
    qputenv("XDG_RUNTIME_DIR", (base + QStringLiteral("/run")).toUtf8());
    qputenv("TMPDIR", (base + QStringLiteral("/tmp")).toUtf8());
    qputenv("VARNHOLT_HOME", appPath().toUtf8());
    // Test servers listen on loopback: never reach them through a proxy.
    qputenv("no_proxy", "*");
    qputenv("NO_PROXY", "*");

    resetProgramState();
    if (m_program == TestedProgram::Varnholt) {
        Program::setName(QStringLiteral("Varnholt"));
        AppState::instance().appPath = appPath();
        Paths::setDeliveredDir(QStringLiteral(VARNHOLT_SHARE_DIR));
        QVERIFY(Paths::prepareAppPath(appPath(), QStringLiteral(VARNHOLT_SHARE_DIR), {QStringLiteral("db_kcgl.mdb")}));
    } else {
        Program::setName(QStringLiteral("Teskarn"));
    }

    MessageBox::setScripted(true);
    MessageBox::clear();
    MessageBox::setUnqueuedAction(failUnqueuedBox);
    FileDialogs::setScripted(true);
    FileDialogs::clear();
    FileDialogs::setUnqueuedAction(failUnqueuedDialog);
    Clock::useTestClock(defaultNow());
    DesktopOpener::installRecorder();
    CommandRunner::installRecorder();
    MachineState::setOnlineOverride(false);
    MachineState::setSystemTrayOverride(true);
    TrayRecord::clear();
    EndRequest::setRecording(true);
    EndRequest::clear();
    Database::setFailureHook({});
    IniFile::setWriteFailure({});
    UsbSerial::setSysfsRoot(base + QStringLiteral("/sys"));
    NetworkWait::restoreDefaults();
    NetworkWait::setStep(50);
}

void VarnholtTestCase::resetProgramState()
{
    FormRegistry::clear();
    if (m_program == TestedProgram::Varnholt)
        AppState::instance().reset();
    else
        Teskarn::State::instance().reset();
}

void VarnholtTestCase::cleanup()
{
    closeAllWindows();
    const bool connectionLeftOpen = Database::isOpen();
    Database::setFailureHook({});
    IniFile::setWriteFailure({});
    resetProgramState();
    const int boxesLeft = MessageBox::pendingAnswers();
    const int dialogsLeft = FileDialogs::pendingAnswers();
    MessageBox::clear();
    FileDialogs::clear();
    m_root.reset();
    QVERIFY2(!connectionLeftOpen, "a database session stayed open");
    QCOMPARE(boxesLeft, 0);
    QCOMPARE(dialogsLeft, 0);
}
