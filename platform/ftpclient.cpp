#include "ftpclient.h"
#include "curltransfer.h"

#include <QFile>
#include <QSaveFile>
#include <curl/curl.h>
#include <memory>

namespace {
enum State {
    Resolving = 1,
    Resolved = 2,
    Connecting = 3,
    Connected = 4,
    Requesting = 5,
    Sending = 6,
    ReceivingResponse = 7,
    ResponseReceived = 8,
    Disconnecting = 9,
    Disconnected = 10,
    Failed = 11,
    ResponseCompleted = 12,
};

const QString partSuffix = QStringLiteral(".part");

struct SlistDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

size_t readFile(char* buffer, size_t size, size_t count, void* file)
{
    const qint64 got = static_cast<QFile*>(file)->read(buffer, qint64(size) * qint64(count));
    return got < 0 ? CURL_READFUNC_ABORT : size_t(got);
}

size_t writeFile(char* data, size_t size, size_t count, void* file)
{
    const qint64 length = qint64(size) * qint64(count);
    return static_cast<QSaveFile*>(file)->write(data, length) == length ? size * count : 0;
}

// libcurl hands an FTP server's replies to the header callback.
size_t keepReply(char* data, size_t size, size_t count, void* reply)
{
    const QByteArray line = QByteArray(data, qsizetype(size * count)).trimmed();
    if (!line.isEmpty())
        *static_cast<QString*>(reply) = QString::fromUtf8(line);
    return size * count;
}

curl_off_t timeInfo(CURL* curl, CURLINFO what)
{
    curl_off_t value = 0;
    curl_easy_getinfo(curl, what, &value);
    return value;
}
}

FtpClient::FtpClient(QObject* parent)
    : QObject(parent)
    , m_transfer(std::make_unique<CurlTransfer>())
{
}

FtpClient::~FtpClient() = default;

void FtpClient::setServer(const QString& address) { m_server = QUrl(address); }

void FtpClient::setAccount(const QString& user, const QString& password)
{
    m_user = user.toUtf8();
    m_password = password.toUtf8();
}

void FtpClient::prepare(const QString& remotePath)
{
    m_transfer->reset();
    QUrl url = m_server;
    url.setPath(QLatin1Char('/') + remotePath);
    m_transfer->setUrl(url);
    CURL* curl = m_transfer->handle();
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "ftp");
    if (!m_user.isEmpty()) {
        curl_easy_setopt(curl, CURLOPT_USERNAME, m_user.constData());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, m_password.constData());
    }
    // Names go whole into each command, so a reused connection stays in the
    // folder it logged in to; an upload, which must walk (and make) its
    // folders, disconnects afterwards.
    curl_easy_setopt(curl, CURLOPT_FTP_FILEMETHOD, long(CURLFTPMETHOD_NOCWD));
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, 30L);
    curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, 60L);
    // A transfer that stalls for a minute has failed.
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, 60L);
    m_reply.clear();
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, keepReply);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &m_reply);
}

bool FtpClient::finish(bool ended)
{
    if (ended && m_transfer->errorCode() == CURLE_OK)
        return true;
    m_code = ended ? m_transfer->errorCode() : int(CURLE_OPERATION_TIMEDOUT);
    m_info = m_transfer->errorText();
    return false;
}

bool FtpClient::login()
{
    prepare(QString());
    curl_easy_setopt(m_transfer->handle(), CURLOPT_NOBODY, 1L);
    return finish(m_transfer->run(0));
}

bool FtpClient::command(const QList<QByteArray>& commands)
{
    prepare(QString());
    std::unique_ptr<curl_slist, SlistDeleter> list;
    for (const QByteArray& line : commands)
        list.reset(curl_slist_append(list.release(), line.constData()));
    curl_easy_setopt(m_transfer->handle(), CURLOPT_NOBODY, 1L);
    curl_easy_setopt(m_transfer->handle(), CURLOPT_QUOTE, list.get());
    const bool done = finish(m_transfer->run(0));
    curl_easy_setopt(m_transfer->handle(), CURLOPT_QUOTE, nullptr);
    return done;
}

bool FtpClient::remove(const QString& remoteFile) { return command({"DELE " + remoteFile.toUtf8()}); }

bool FtpClient::makeDirectory(const QString& remoteFolder) { return command({"MKD " + remoteFolder.toUtf8()}); }

bool FtpClient::rename(const QString& from, const QString& to)
{
    return command({"RNFR " + from.toUtf8(), "RNTO " + to.toUtf8()});
}

bool FtpClient::get(const QString& remoteFile, const QString& localFile)
{
    QSaveFile file(localFile);
    if (!file.open(QIODevice::WriteOnly)) {
        m_code = CURLE_WRITE_ERROR;
        m_info = file.errorString();
        return false;
    }
    prepare(remoteFile);
    curl_easy_setopt(m_transfer->handle(), CURLOPT_WRITEFUNCTION, writeFile);
    curl_easy_setopt(m_transfer->handle(), CURLOPT_WRITEDATA, &file);
    if (!finish(m_transfer->run(0)))
        return false;
    if (!file.commit()) {
        m_code = CURLE_WRITE_ERROR;
        m_info = file.errorString();
        return false;
    }
    return true;
}

bool FtpClient::put(const QString& localFile, const QString& remoteFile)
{
    m_state = 0;
    reachState(Resolving);
    QFile file(localFile);
    if (!file.open(QIODevice::ReadOnly)) {
        m_code = CURLE_READ_ERROR;
        m_info = file.errorString();
        emit StateChanged(Failed);
        return false;
    }
    // The file goes to a name of its own and takes its real name only once
    // whole: a transfer cut off leaves the server's copy as it was. The
    // rename runs in the file's folder, where the upload walked.
    prepare(remoteFile + partSuffix);
    const QByteArray name = remoteFile.section(QLatin1Char('/'), -1).toUtf8();
    std::unique_ptr<curl_slist, SlistDeleter> renameWhole;
    for (const QByteArray& line : QList<QByteArray>{"RNFR " + name + partSuffix.toUtf8(), "RNTO " + name})
        renameWhole.reset(curl_slist_append(renameWhole.release(), line.constData()));
    CURL* curl = m_transfer->handle();
    curl_easy_setopt(curl, CURLOPT_POSTQUOTE, renameWhole.get());
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, readFile);
    curl_easy_setopt(curl, CURLOPT_READDATA, &file);
    curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, curl_off_t(file.size()));
    curl_easy_setopt(curl, CURLOPT_FTP_FILEMETHOD, long(CURLFTPMETHOD_MULTICWD));
    curl_easy_setopt(curl, CURLOPT_FTP_CREATE_MISSING_DIRS, long(CURLFTP_CREATE_DIR));
    curl_easy_setopt(curl, CURLOPT_FORBID_REUSE, 1L);
    const qint64 size = file.size();
    bool sent = finish(m_transfer->run(0, [this, size] { followUpload(size); }));
    followUpload(size);
    curl_easy_setopt(curl, CURLOPT_POSTQUOTE, nullptr);
    // The file arrived whole, but the server will not rename onto a name in use.
    if (!sent && m_code == CURLE_QUOTE_ERROR)
        sent = replaceAside(remoteFile);
    if (!sent) {
        emit StateChanged(Failed);
        return false;
    }
    reachState(ResponseReceived);
    m_code = 0;
    m_info = m_reply;
    emit StateChanged(ResponseCompleted);
    reachState(Disconnected);
    return true;
}

// Puts remoteFile's upload in its place through a name aside, so the server
// holds a whole copy at every step: the old copy moves aside, the new one
// takes its name, and only then does the old one go. When the new one cannot
// take the name, the old one gets it back.
bool FtpClient::replaceAside(const QString& remoteFile)
{
    const QByteArray name = remoteFile.toUtf8();
    const QByteArray part = name + partSuffix.toUtf8();
    const QByteArray aside = name + ".old";
    // "*": a leftover of an earlier attempt may or may not be there.
    if (!command({"*DELE " + aside, "RNFR " + name, "RNTO " + aside}))
        return false;
    if (!command({"RNFR " + part, "RNTO " + name})) {
        const int code = m_code;
        const QString info = m_info;
        command({"RNFR " + aside, "RNTO " + name});
        m_code = code;
        m_info = info;
        return false;
    }
    // The new copy is in place; an old one that will not go is only clutter.
    // The reply told is the one that put the upload in place, not the clean-up's.
    const QString placed = m_reply;
    command({"DELE " + aside});
    m_reply = placed;
    return true;
}

// Reads how far libcurl got and reports the states passed since the last look.
void FtpClient::followUpload(qint64 size)
{
    CURL* curl = m_transfer->handle();
    if (timeInfo(curl, CURLINFO_PRETRANSFER_TIME_T) > 0)
        reachState(timeInfo(curl, CURLINFO_SIZE_UPLOAD_T) >= size ? ReceivingResponse : Sending);
    else if (timeInfo(curl, CURLINFO_CONNECT_TIME_T) > 0)
        reachState(Requesting);
    else if (timeInfo(curl, CURLINFO_NAMELOOKUP_TIME_T) > 0)
        reachState(Connecting);
}

void FtpClient::reachState(int state)
{
    while (m_state < state)
        emit StateChanged(++m_state);
}
