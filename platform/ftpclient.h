#pragma once
#include <QObject>
#include <QString>
#include <QUrl>
#include <memory>

class CurlTransfer;

// An account on an FTP server, reached through libcurl. Files travel in
// binary; an upload creates the folders it needs and replaces the server's
// file only once it arrived whole (moving the old one aside first where the
// server will not rename onto a name in use). The connection is kept between calls,
// except after an upload, which disconnects.
//
// An upload reports its progress as the states of the old internet transfer
// control: 1 resolving the host, 2 resolved, 3 connecting, 4 connected,
// 5 requesting, 6 sending, 7 receiving the response, 8 response received,
// 12 response completed, 9 disconnecting, 10 disconnected; 11 when it failed.
class FtpClient : public QObject {
    Q_OBJECT
public:
    explicit FtpClient(QObject* parent = nullptr);
    ~FtpClient() override;

    // "ftp://host" or "ftp://host:port"; a remote name is taken from the
    // folder the account logs in to.
    void setServer(const QString& address);
    void setAccount(const QString& user, const QString& password);

    bool login();
    bool put(const QString& localFile, const QString& remoteFile);
    bool get(const QString& remoteFile, const QString& localFile);
    bool remove(const QString& remoteFile);
    bool makeDirectory(const QString& remoteFolder);
    bool rename(const QString& from, const QString& to);

    // Of the last call that failed: libcurl's code and its text; after an
    // upload that succeeded, 0 and the server's last reply.
    int responseCode() const { return m_code; }
    QString responseInfo() const { return m_info; }

signals:
    void StateChanged(int state);

private:
    void prepare(const QString& remotePath);
    bool command(const QList<QByteArray>& commands);
    bool replaceAside(const QString& remoteFile);
    bool finish(bool ended);
    void reachState(int state);
    void followUpload(qint64 size);

    std::unique_ptr<CurlTransfer> m_transfer;
    QUrl m_server;
    QByteArray m_user;
    QByteArray m_password;
    int m_state = 0;
    int m_code = 0;
    QString m_info;
    QString m_reply; // the server's last reply to the current transfer
};
