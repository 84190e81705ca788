#include "ftp.h"
#include "messagebox.h"

bool FTP::connected() const
{
    if (!m_connected)
        MessageBox::show(nullptr, QStringLiteral("请先确认连接"));
    return m_connected;
}

bool FTP::连接服务器(const QString& server, int port, const QString& user, const QString& password)
{
    m_client.setServer(QStringLiteral("ftp://%1:%2").arg(server).arg(port));
    m_client.setAccount(user, password);
    m_connected = m_client.login();
    return m_connected;
}

bool FTP::上传文件(const QString& localFile, const QString& remoteFile)
{
    return connected() && m_client.put(localFile, remoteFile);
}

bool FTP::下载文件(const QString& remoteFile, const QString& localFile)
{
    return connected() && m_client.get(remoteFile, localFile);
}

bool FTP::删除文件(const QString& remoteFile) { return connected() && m_client.remove(remoteFile); }

QString FTP::创建目录(const QString& remoteFolder)
{
    if (!connected())
        return {};
    return m_client.makeDirectory(remoteFolder) ? QStringLiteral("True") : QStringLiteral("False");
}

void FTP::文件改名(const QString& oldName, const QString& newName)
{
    if (connected())
        m_client.rename(oldName, newName);
}
