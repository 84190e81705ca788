#include "ownserver.h"

#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

#include <xcb/xcb_keysyms.h>

#include <csignal>
#include <cstdlib>

namespace OwnServer {
QString display()
{
    const QString expected = qEnvironmentVariable("VARNHOLT_XVFB_DISPLAY");
    bool ok = false;
    const qint64 pid = qEnvironmentVariable("VARNHOLT_XVFB_PID").toLongLong(&ok);
    if (expected.isEmpty() || !ok || pid <= 0 || qEnvironmentVariable("DISPLAY") != expected)
        return {};
    if (::kill(pid_t(pid), 0) != 0)
        return {};
    const QString program = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
    return QFileInfo(program).fileName() == QStringLiteral("Xvfb") ? expected : QString();
}

bool xdotool(const QStringList& arguments)
{
    const QString server = display();
    if (server.isEmpty())
        return false;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), server);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral("xdotool"), arguments);
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

OtherClient::OtherClient()
{
    const QString server = display();
    if (server.isEmpty())
        return;
    xcb_connection_t* connection = xcb_connect(server.toLocal8Bit().constData(), nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return;
    }
    m_connection = connection;
    m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
}

OtherClient::~OtherClient()
{
    if (m_connection)
        xcb_disconnect(m_connection);
}

xcb_keycode_t OtherClient::keycode(xcb_keysym_t keysym) const
{
    xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(m_connection);
    xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols, keysym);
    const xcb_keycode_t code = codes ? codes[0] : XCB_NO_SYMBOL;
    free(codes);
    xcb_key_symbols_free(symbols);
    return code;
}

bool OtherClient::grab(xcb_keysym_t keysym, uint16_t modifiers)
{
    if (!m_connection)
        return false;
    const xcb_void_cookie_t cookie = xcb_grab_key_checked(m_connection, 0, m_root, modifiers, keycode(keysym),
                                                          XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    xcb_generic_error_t* error = xcb_request_check(m_connection, cookie);
    const bool refused = error != nullptr;
    free(error);
    return !refused;
}

void OtherClient::ungrab(xcb_keysym_t keysym, uint16_t modifiers)
{
    if (!m_connection)
        return;
    xcb_ungrab_key(m_connection, keycode(keysym), m_root, modifiers);
    xcb_flush(m_connection);
}
}
