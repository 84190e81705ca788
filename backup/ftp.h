#pragma once
#include "ftpclient.h"

#include <QString>

// A small FTP client: connect to a server once, then send, fetch, delete,
// create folders and rename. Every call but the connection asks for one
// first ("请先确认连接") and does nothing without it.
class FTP {
public:
    // Gives whether the account logged in.
    bool 连接服务器(const QString& server, int port, const QString& user, const QString& password);
    bool 上传文件(const QString& localFile, const QString& remoteFile);
    bool 下载文件(const QString& remoteFile, const QString& localFile);
    bool 删除文件(const QString& remoteFile);
    // "True" or "False".
    QString 创建目录(const QString& remoteFolder);
    void 文件改名(const QString& oldName, const QString& newName);

private:
    bool connected() const;

    FtpClient m_client;
    bool m_connected = false;
};
