#include "zipfile.h"
#include "clock.h"

#include <QFile>
#include <unzip.h>
#include <zip.h>

namespace {
// A workbook far beyond anything a shop keeps; a damaged or hostile archive
// announcing more is refused before it is unpacked.
constexpr quint64 maxTotalSize = 512ull * 1024 * 1024;
constexpr int maxEntries = 10000;

bool fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

class UnzipHandle {
public:
    explicit UnzipHandle(const QString& path) : m_file(unzOpen64(QFile::encodeName(path).constData())) {}
    ~UnzipHandle()
    {
        if (m_file)
            unzClose(m_file);
    }
    UnzipHandle(const UnzipHandle&) = delete;
    UnzipHandle& operator=(const UnzipHandle&) = delete;
    unzFile get() const { return m_file; }

private:
    unzFile m_file;
};

std::optional<QByteArray> readCurrent(unzFile file, quint64 size)
{
    if (unzOpenCurrentFile(file) != UNZ_OK)
        return std::nullopt;
    QByteArray data;
    data.reserve(qsizetype(size));
    char buffer[65536];
    int got = 0;
    while ((got = unzReadCurrentFile(file, buffer, sizeof buffer)) > 0) {
        if (quint64(data.size()) + quint64(got) > size)
            break;
        data.append(buffer, got);
    }
    // Closing checks the CRC once the whole entry was read.
    const int closed = unzCloseCurrentFile(file);
    if (got != 0 || closed != UNZ_OK || quint64(data.size()) != size)
        return std::nullopt;
    return data;
}
}

std::optional<QList<ZipFile::Entry>> ZipFile::read(const QString& path, QString* error)
{
    UnzipHandle archive(path);
    if (!archive.get()) {
        fail(error, QStringLiteral("无法打开压缩文件：%1").arg(path));
        return std::nullopt;
    }
    QList<Entry> entries;
    quint64 total = 0;
    int status = unzGoToFirstFile(archive.get());
    while (status == UNZ_OK) {
        unz_file_info64 info{};
        char name[4096];
        if (unzGetCurrentFileInfo64(archive.get(), &info, name, sizeof name, nullptr, 0, nullptr, 0) != UNZ_OK
            || info.size_filename >= sizeof name) {
            fail(error, QStringLiteral("压缩文件的目录已损坏：%1").arg(path));
            return std::nullopt;
        }
        total += info.uncompressed_size;
        if (total > maxTotalSize || entries.size() >= maxEntries) {
            fail(error, QStringLiteral("压缩文件过大：%1").arg(path));
            return std::nullopt;
        }
        auto data = readCurrent(archive.get(), info.uncompressed_size);
        if (!data) {
            fail(error, QStringLiteral("压缩文件中的 %1 已损坏").arg(QString::fromUtf8(name)));
            return std::nullopt;
        }
        entries.append({QByteArray(name, int(info.size_filename)), *data});
        status = unzGoToNextFile(archive.get());
    }
    if (status != UNZ_END_OF_LIST_OF_FILE) {
        fail(error, QStringLiteral("压缩文件已损坏：%1").arg(path));
        return std::nullopt;
    }
    return entries;
}

bool ZipFile::write(const QString& path, const QList<Entry>& entries, QString* error)
{
    zipFile archive = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    if (!archive)
        return fail(error, QStringLiteral("无法写入文件：%1").arg(path));

    const QDateTime now = Clock::now();
    zip_fileinfo info{};
    info.tmz_date.tm_year = uInt(now.date().year());
    info.tmz_date.tm_mon = uInt(now.date().month() - 1);
    info.tmz_date.tm_mday = uInt(now.date().day());
    info.tmz_date.tm_hour = uInt(now.time().hour());
    info.tmz_date.tm_min = uInt(now.time().minute());
    info.tmz_date.tm_sec = uInt(now.time().second());

    bool ok = true;
    for (const Entry& entry : entries) {
        const int large = quint64(entry.data.size()) >= 0xffffffffull ? 1 : 0;
        ok = zipOpenNewFileInZip64(archive, entry.name.constData(), &info, nullptr, 0, nullptr, 0, nullptr,
                                   Z_DEFLATED, Z_DEFAULT_COMPRESSION, large) == ZIP_OK;
        if (ok && !entry.data.isEmpty())
            ok = zipWriteInFileInZip(archive, entry.data.constData(), unsigned(entry.data.size())) == ZIP_OK;
        ok = zipCloseFileInZip(archive) == ZIP_OK && ok;
        if (!ok)
            break;
    }
    ok = zipClose(archive, nullptr) == ZIP_OK && ok;
    if (!ok) {
        QFile::remove(path);
        return fail(error, QStringLiteral("无法写入文件：%1").arg(path));
    }
    return true;
}
