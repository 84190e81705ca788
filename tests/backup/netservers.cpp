#include "netservers.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QHostAddress>
#include <QTcpSocket>
#include <QTest>
#include <QThread>

namespace {
const QHostAddress loopback(QHostAddress::LocalHost);

quint16 freePort()
{
    QTcpServer probe;
    return probe.listen(loopback, 0) ? probe.serverPort() : 0;
}

bool accepts(quint16 port)
{
    QTcpSocket socket;
    socket.connectToHost(loopback, port);
    return socket.waitForConnected(200);
}

void end(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished(3000);
    }
}

QString hostText(quint16 port) { return QStringLiteral("127.0.0.1:%1").arg(port); }
}

NetServers::BusyboxHttpd::BusyboxHttpd(const QString& folder)
{
    // An empty configuration of its own, so none of the machine's applies.
    const QString configuration = folder + QStringLiteral(".httpd.conf");
    QFile(configuration).open(QIODevice::WriteOnly);
    // The port is free when probed; another process may take it before
    // busybox binds, so a start that does not answer is tried again.
    for (int attempt = 0; attempt < 5 && m_port == 0; ++attempt) {
        const quint16 port = freePort();
        m_process.start(QStringLiteral("busybox"),
                        {QStringLiteral("httpd"), QStringLiteral("-f"), QStringLiteral("-p"), hostText(port),
                         QStringLiteral("-h"), folder, QStringLiteral("-c"), configuration});
        if (!m_process.waitForStarted(3000))
            continue;
        const QDeadlineTimer deadline(5000);
        while (m_process.state() == QProcess::Running && !deadline.hasExpired() && !accepts(port))
            QThread::msleep(20);
        if (m_process.state() == QProcess::Running && accepts(port))
            m_port = port;
        else
            end(m_process);
    }
}

NetServers::BusyboxHttpd::~BusyboxHttpd() { end(m_process); }

QString NetServers::BusyboxHttpd::host() const { return hostText(m_port); }

NetServers::PyFtpd::PyFtpd(const QString& folder, const QString& user, const QString& password, qint64 dropAfter, Renames renames)
{
    static const QString script = QStringLiteral(R"(
import errno, logging, os, sys
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.filesystems import AbstractedFS
from pyftpdlib.handlers import DTPHandler, FTPHandler
from pyftpdlib.servers import FTPServer
logging.basicConfig(level=logging.ERROR)
authorizer = DummyAuthorizer()
authorizer.add_user(sys.argv[1], sys.argv[2], sys.argv[3], perm="elradfmw")
drop_after = int(sys.argv[4])
renames = sys.argv[5]
class RefusingFS(AbstractedFS):
    def rename(self, src, dst):
        if (renames == "onto-existing" and os.path.exists(dst)) or (renames == "from-part" and src.endswith(".part")):
            raise OSError(errno.EEXIST, "rename refused")
        return super().rename(src, dst)
FTPHandler.abstracted_fs = RefusingFS
class DroppingDTPHandler(DTPHandler):
    ac_in_buffer_size = 512
    def handle_read(self):
        super().handle_read()
        if drop_after and self.tot_bytes_received >= drop_after:
            self.file_obj.flush()
            os._exit(0)
    handle_read_event = handle_read
FTPHandler.dtp_handler = DroppingDTPHandler
FTPHandler.authorizer = authorizer
FTPHandler.auth_failed_timeout = 0
server = FTPServer(("127.0.0.1", 0), FTPHandler)
print(server.socket.getsockname()[1], flush=True)
server.serve_forever()
)");
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.start(QStringLiteral("/usr/bin/python3"),
                    {QStringLiteral("-c"), script, user, password, folder, QString::number(dropAfter),
                     renames == Renames::OntoExistingRefused ? QStringLiteral("onto-existing")
                     : renames == Renames::FromPartRefused   ? QStringLiteral("from-part")
                                                             : QStringLiteral("allowed")});
    if (!m_process.waitForStarted(3000))
        return;
    const QDeadlineTimer deadline(10000);
    while (!m_process.canReadLine() && m_process.state() == QProcess::Running && !deadline.hasExpired())
        m_process.waitForReadyRead(100);
    if (m_process.canReadLine())
        m_port = quint16(m_process.readLine().trimmed().toUInt());
    if (m_port == 0)
        qWarning("pyftpdlib did not start: %s", m_process.readAllStandardError().constData());
}

NetServers::PyFtpd::~PyFtpd() { end(m_process); }

QString NetServers::PyFtpd::host() const { return hostText(m_port); }

NetServers::ScriptedHttpd::ScriptedHttpd(Script script, bool endless)
    : m_script(std::move(script))
{
    m_server.listen(loopback, 0);
    connect(&m_server, &QTcpServer::newConnection, this, [this, endless] {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket, endless] {
                QByteArray request = socket->property("request").toByteArray() + socket->readAll();
                socket->setProperty("request", request);
                if (!request.contains("\r\n\r\n") || socket->property("answered").toBool())
                    return;
                socket->setProperty("answered", true);
                QByteArray range;
                for (const QByteArray& line : request.split('\n')) {
                    if (line.toLower().startsWith("range:"))
                        range = line.mid(6).trimmed();
                }
                m_ranges.append(range);
                const QByteArray reply = m_script(range);
                if (reply.isEmpty())
                    return;
                socket->write(reply);
                if (!endless) {
                    socket->disconnectFromHost();
                    return;
                }
                // Once what was written has gone, more follows, for as long as the client reads.
                connect(socket, &QTcpSocket::bytesWritten, socket, [socket] {
                    if (socket->bytesToWrite() == 0)
                        socket->write(QByteArray(16384, 'x'));
                });
            });
        }
    });
}

QString NetServers::ScriptedHttpd::host() const { return hostText(m_server.serverPort()); }

QByteArray NetServers::answer(int status, const QByteArray& reason, const QList<QByteArray>& headers, const QByteArray& body)
{
    QByteArray text = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason + "\r\n";
    text += "Content-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n";
    for (const QByteArray& header : headers)
        text += header + "\r\n";
    return text + "\r\n" + body;
}

QByteArray NetServers::rangeOf(const QByteArray& file, const QByteArray& range)
{
    const QList<QByteArray> ends = range.mid(range.indexOf('=') + 1).split('-');
    const qint64 first = ends.value(0).toLongLong();
    const qint64 last = std::min<qint64>(ends.value(1).toLongLong(), file.size() - 1);
    if (first >= file.size())
        return answer(416, "Range Not Satisfiable");
    return answer(206, "Partial Content",
                  {"Content-Range: bytes " + QByteArray::number(first) + '-' + QByteArray::number(last) + '/'
                   + QByteArray::number(file.size())},
                  file.mid(first, last - first + 1));
}

quint16 NetServers::closedPort() { return freePort(); }
