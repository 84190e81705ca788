#include "networkrestore.h"
#include "filecopy.h"
#include "httpget.h"
#include "restorecandidate.h"
#include "zipfile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {
const QString booksName = QStringLiteral("db_kcgl.mdb");
// The hidden work folders of an unpacking, in the program folder.
const QString workFolderPrefix = QStringLiteral(".restore-");
const QString notResumable = QStringLiteral("不支持断点续传");

// Why a file of total bytes cannot be fetched into transferFile, if it cannot.
std::optional<RestoreReason> roomFor(qint64 total, const QString& transferFile)
{
    if (total > NetworkRestore::maxFileSize())
        return RestoreReason::TooLarge;
    if (total > QStorageInfo(QFileInfo(transferFile).absolutePath()).bytesAvailable())
        return RestoreReason::NoSpace;
    return std::nullopt;
}

// The whole number a text begins with (blanks skipped), 0 when none.
qint64 leadingNumber(const QByteArray& text)
{
    const QByteArray trimmed = text.trimmed();
    qsizetype digits = 0;
    while (digits < trimmed.size() && digits < 18 && std::isdigit(static_cast<unsigned char>(trimmed[digits])))
        ++digits;
    return trimmed.left(digits).toLongLong();
}

// "bytes 40960-48212/48213": the last byte sent and the whole size.
struct ContentRange {
    qint64 first = 0;
    qint64 last = 0;
    qint64 total = 0;
};

ContentRange parseContentRange(const QByteArray& header)
{
    const qsizetype dash = header.indexOf('-');
    const QByteArray head = header.left(dash);
    const QByteArray tail = header.mid(dash + 1);
    const qsizetype slash = tail.indexOf('/');
    return {leadingNumber(head.mid(head.lastIndexOf(' ') + 1)), leadingNumber(tail.left(slash)),
            slash < 0 ? 0 : leadingNumber(tail.mid(slash + 1))};
}

RestoreReason unpackReason(const ZipFile::Unpacked& unpacked)
{
    switch (unpacked.problem) {
    case ZipFile::Unpacked::NotAnArchive:
        return RestoreReason::ForeignFile;
    case ZipFile::Unpacked::Damaged:
        return RestoreReason::Incomplete;
    case ZipFile::Unpacked::EntryRefused:
        return RestoreReason::EntryRefused;
    case ZipFile::Unpacked::NoSpace:
        return RestoreReason::NoSpace;
    case ZipFile::Unpacked::None:
    case ZipFile::Unpacked::WriteFailed:
        break;
    }
    return RestoreReason::failed(QStringLiteral("解压文件出错"), unpacked.error);
}

// Moves what the work folder holds into the program folder; the books' own
// files stay behind (the books are in place already).
std::optional<DbError> placeEntries(const QString& workFolder, const QString& appPath)
{
    const QDir work(workFolder);
    QStringList entries;
    QDirIterator it(workFolder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries << work.relativeFilePath(it.next());
    for (const QString& entry : std::as_const(entries)) {
        if (entry.startsWith(booksName))
            continue;
        const QString source = work.filePath(entry);
        const QString target = appPath + QLatin1Char('/') + entry;
        const bool isFolder = QFileInfo(source).isDir();
        if (!QDir().mkpath(isFolder ? target : QFileInfo(target).path()))
            return DbError{EACCES, QStringLiteral("无法创建文件夹：") + target};
        if (!isFolder && std::rename(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) != 0) {
            const int code = errno;
            return DbError{code, QString::fromLocal8Bit(std::strerror(code)) + QStringLiteral("：") + target};
        }
    }
    return std::nullopt;
}
}

QString NetworkRestore::remoteAddress(const QString& host, const QString& remotePath)
{
    QString address = host + QLatin1Char('/') + remotePath;
    if (!address.startsWith(QStringLiteral("http://")))
        address.prepend(QStringLiteral("http://"));
    return address;
}

NetworkRestore::Download NetworkRestore::download(const QString& address, const QString& transferFile,
                                                  const std::function<void(const QString&)>& progress)
{
    Download result;
    QFile file(transferFile);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        result.error = FileCopy::errorOf(file);
        return result;
    }
    progress(QStringLiteral("开始下载：") + transferFile);
    qint64 first = 0;
    for (;;) {
        const qint64 last = first + blockSize;
        const QByteArray range = "bytes=" + QByteArray::number(first) + '-' + QByteArray::number(last);
        const HttpAnswer answer = HttpGet::fetch(address, {{"Range", range}, {"Content-Type", "application/octet-stream"}},
                                                 last - first + 1);
        if (answer.status == 416) {
            result.finished = true;
            break;
        }
        if (answer.status == 403) {
            result.notice = QStringLiteral("连接数过多");
            break;
        }
        if (answer.status == 404) {
            result.notice = QStringLiteral("文件无法找到");
            break;
        }
        if (!answer.complete) {
            result.notice = QStringLiteral("下载文件超时");
            break;
        }
        if (answer.cutShort) {
            result.refused = RestoreReason::Incomplete;
            break;
        }
        if (answer.errorCode != 0 && !answer.overrun) {
            result.error = DbError{answer.errorCode, answer.errorText};
            break;
        }
        if (answer.status > 299) {
            result.notice = address + QStringLiteral("未知错误：") + answer.statusText + QLatin1Char('(')
                            + QString::number(answer.status) + QLatin1Char(')');
            break;
        }
        // A body running past the range asked for was stopped there: the
        // server does not keep to ranges.
        if (answer.status != 206 || answer.overrun) {
            result.notice = notResumable;
            break;
        }
        const QByteArray header = answer.header("Content-Range");
        const ContentRange got = parseContentRange(header);
        if (header.isEmpty() || got.total <= 0 || got.last < got.first) {
            result.notice = QStringLiteral("无法获取文件大小！");
            break;
        }
        // Another part than asked for, or a size that changed on the way,
        // would put bytes where they do not belong.
        if (got.first != first || got.last > last || (result.total != 0 && got.total != result.total)) {
            result.notice = notResumable;
            break;
        }
        if (result.total == 0) {
            if (std::optional<RestoreReason> tooBig = roomFor(got.total, transferFile)) {
                result.refused = tooBig;
                break;
            }
        }
        // A body shorter than the range it claims would leave a gap of zeros.
        const qint64 claimed = got.last - got.first + 1;
        if (answer.body.size() < claimed) {
            result.refused = RestoreReason::Incomplete;
            break;
        }
        if (!file.seek(first) || file.write(answer.body.left(claimed)) != claimed) {
            result.error = FileCopy::errorOf(file);
            break;
        }
        result.total = got.total;
        progress(QString::number(got.last * 100 / got.total) + QStringLiteral("%(") + QString::number(got.last) + QLatin1Char('/')
                 + QString::number(got.total) + QLatin1Char(')'));
        if (got.total - got.last == 1) {
            result.finished = true;
            break;
        }
        // A server that sent less than asked is asked on from what it sent;
        // one that sends nothing new cannot resume.
        if (got.last <= first) {
            result.notice = notResumable;
            break;
        }
        first = std::min(first + blockSize, got.last);
    }
    file.close();
    if (result.finished)
        progress(QStringLiteral("下载完成！(共") + QString::number(result.total) + QStringLiteral("字节)"));
    return result;
}

NetworkRestore::Restored NetworkRestore::restoreArchive(const QString& archive, const QString& appPath)
{
    removeLeftovers(appPath);
    QTemporaryDir work(appPath + QLatin1Char('/') + workFolderPrefix + QStringLiteral("XXXXXX"));
    if (!work.isValid())
        return {false, RestoreReason::failed(QStringLiteral("无法创建临时文件夹"), work.errorString()), std::nullopt};
    if (const ZipFile::Unpacked unpacked = ZipFile::unpack(archive, work.path()); !unpacked)
        return {false, unpackReason(unpacked), std::nullopt};
    const QString books = work.filePath(booksName);
    if (!QFileInfo(books).isFile())
        return {false, RestoreReason::ForeignFile, std::nullopt};
    const RestoreResult placed = RestoreCandidate::putInPlace(books, appPath + QLatin1Char('/') + booksName);
    if (!placed.restored)
        return {false, placed.reason, std::nullopt};
    return {true, {}, placeEntries(work.path(), appPath)};
}

void NetworkRestore::removeLeftovers(const QString& appPath)
{
    const QDir folder(appPath);
    for (const QString& name :
         folder.entryList({workFolderPrefix + QLatin1Char('*')}, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot))
        QDir(folder.filePath(name)).removeRecursively();
}

qint64 NetworkRestore::maxFileSize() { return qint64(ZipFile::Limits{}.totalSize); }
