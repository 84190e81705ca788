#pragma once
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QTcpServer>
#include <functional>

// Servers the network tests start on loopback, each on a free port, and end
// when they go out of scope (a failed test included).
namespace NetServers {
// busybox httpd serving a folder, byte ranges included.
class BusyboxHttpd {
public:
    explicit BusyboxHttpd(const QString& folder);
    ~BusyboxHttpd();
    bool isRunning() const { return m_port != 0; }
    // "127.0.0.1:<port>", as the server setting holds it.
    QString host() const;

private:
    QProcess m_process;
    quint16 m_port = 0;
};

// pyftpdlib (Debian's, under /usr/bin/python3) with one account whose home is
// folder. With dropAfter, the server dies once an upload brought that many
// bytes, dropping both connections halfway. A refusing server will not rename
// onto a name in use (OntoExisting), or will not rename any ".part" file
// (FromPart).
class PyFtpd {
public:
    enum class Renames { Allowed, OntoExistingRefused, FromPartRefused };
    PyFtpd(const QString& folder, const QString& user, const QString& password, qint64 dropAfter = 0,
           Renames renames = Renames::Allowed);
    ~PyFtpd();
    bool isRunning() const { return m_port != 0; }
    quint16 port() const { return m_port; }
    QString host() const;

private:
    QProcess m_process;
    quint16 m_port = 0;
};

// An HTTP server in this process answering each request as a script says.
// The script gets the request's Range header and gives the raw answer; an
// empty answer keeps the connection open and silent. An endless server, after
// the answer, sends bytes on and on until the client hangs up.
class ScriptedHttpd : public QObject {
public:
    using Script = std::function<QByteArray(const QByteArray& range)>;
    explicit ScriptedHttpd(Script script, bool endless = false);
    bool isRunning() const { return m_server.isListening(); }
    QString host() const;
    // The Range header of every request so far.
    const QList<QByteArray>& ranges() const { return m_ranges; }

private:
    QTcpServer m_server;
    Script m_script;
    QList<QByteArray> m_ranges;
};

// A whole answer: status line, Content-Length, the extra header lines, body.
QByteArray answer(int status, const QByteArray& reason, const QList<QByteArray>& headers = {}, const QByteArray& body = {});
// The answer of a server honouring "bytes=first-last" for file: 206 with its
// Content-Range, 416 past the end.
QByteArray rangeOf(const QByteArray& file, const QByteArray& range);
// A port nothing listens on.
quint16 closedPort();
}
