#include "zipfile.h"
#include "clock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <unzip.h>
#include <zip.h>

namespace {
// A workbook far beyond anything a shop keeps; a damaged or hostile archive
// announcing more is refused before it is unpacked.
constexpr quint64 maxTotalSize = 512ull * 1024 * 1024;
constexpr int maxEntries = 10000;
constexpr int chunkSize = 65536;
constexpr uLong msdosDirectory = 0x10;

bool fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

class UnzipHandle {
public:
    explicit UnzipHandle(const QString& path)
        : m_file(unzOpen64(QFile::encodeName(path).constData()))
    {
    }
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

struct EntryInfo {
    QByteArray name;
    unz_file_info64 info{};
};

std::optional<EntryInfo> currentEntry(unzFile file)
{
    EntryInfo entry;
    char name[4096];
    if (unzGetCurrentFileInfo64(file, &entry.info, name, sizeof name, nullptr, 0, nullptr, 0) != UNZ_OK
        || entry.info.size_filename >= sizeof name)
        return std::nullopt;
    entry.name = QByteArray(name, int(entry.info.size_filename));
    return entry;
}

// Feeds the current entry to sink chunk by chunk; closing it checks the CRC
// once the whole entry was read.
template <typename Sink>
bool readCurrent(unzFile file, Sink sink)
{
    if (unzOpenCurrentFile(file) != UNZ_OK)
        return false;
    char buffer[chunkSize];
    int got = 0;
    bool taken = true;
    while (taken && (got = unzReadCurrentFile(file, buffer, sizeof buffer)) > 0)
        taken = sink(buffer, got);
    const int closed = unzCloseCurrentFile(file);
    return taken && got == 0 && closed == UNZ_OK;
}

std::optional<QByteArray> readWhole(unzFile file, quint64 size)
{
    QByteArray data;
    data.reserve(qsizetype(size));
    const bool read = readCurrent(file, [&](const char* chunk, int length) {
        if (quint64(data.size()) + quint64(length) > size)
            return false;
        data.append(chunk, length);
        return true;
    });
    if (!read || quint64(data.size()) != size)
        return std::nullopt;
    return data;
}

// Where an entry lands below the folder, or nothing when it would land outside.
std::optional<QString> relativeTarget(const QByteArray& name)
{
    const QString text = QString::fromUtf8(name).replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (text.startsWith(QLatin1Char('/')))
        return std::nullopt;
    QStringList parts = text.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    parts.removeAll(QStringLiteral("."));
    if (parts.contains(QStringLiteral("..")))
        return std::nullopt;
    return parts.join(QLatin1Char('/'));
}

// An archive minizip cannot open: one that was begun (a local entry header
// first) or left empty was cut off; anything else is no archive at all.
bool looksCutOff(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(4);
    return head.isEmpty() || head == QByteArrayLiteral("PK\x03\x04");
}

// What the file system holding folder (or its nearest existing parent) can take.
quint64 freeSpaceAt(QString folder)
{
    while (!QFileInfo::exists(folder) && QFileInfo(folder).path() != folder)
        folder = QFileInfo(folder).path();
    const qint64 available = QStorageInfo(folder).bytesAvailable();
    return available < 0 ? 0 : quint64(available);
}

class ZipWriter {
public:
    explicit ZipWriter(const QString& path)
        : m_path(path)
        , m_file(zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE))
    {
        const QDateTime now = Clock::now();
        m_info.tmz_date.tm_year = uInt(now.date().year());
        m_info.tmz_date.tm_mon = uInt(now.date().month() - 1);
        m_info.tmz_date.tm_mday = uInt(now.date().day());
        m_info.tmz_date.tm_hour = uInt(now.time().hour());
        m_info.tmz_date.tm_min = uInt(now.time().minute());
        m_info.tmz_date.tm_sec = uInt(now.time().second());
    }
    // An archive left unfinished is one that failed.
    ~ZipWriter()
    {
        if (m_file)
            finish(false);
    }
    ZipWriter(const ZipWriter&) = delete;
    ZipWriter& operator=(const ZipWriter&) = delete;

    bool isOpen() const { return m_file != nullptr; }

    // One deflated entry whose content comes from repeated calls to write().
    bool begin(const QByteArray& name, quint64 size)
    {
        const int large = size >= 0xffffffffull ? 1 : 0;
        return zipOpenNewFileInZip64(m_file, name.constData(), &m_info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                                     Z_DEFAULT_COMPRESSION, large)
               == ZIP_OK;
    }
    bool write(const char* data, int length) { return zipWriteInFileInZip(m_file, data, unsigned(length)) == ZIP_OK; }
    bool end() { return zipCloseFileInZip(m_file) == ZIP_OK; }

    // Closes the archive; one that failed anywhere is removed.
    bool finish(bool ok)
    {
        ok = zipClose(m_file, nullptr) == ZIP_OK && ok;
        m_file = nullptr;
        if (!ok)
            QFile::remove(m_path);
        return ok;
    }

private:
    QString m_path;
    zipFile m_file;
    zip_fileinfo m_info{};
};
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
        const auto entry = currentEntry(archive.get());
        if (!entry) {
            fail(error, QStringLiteral("压缩文件的目录已损坏：%1").arg(path));
            return std::nullopt;
        }
        total += entry->info.uncompressed_size;
        if (total > maxTotalSize || entries.size() >= maxEntries) {
            fail(error, QStringLiteral("压缩文件过大：%1").arg(path));
            return std::nullopt;
        }
        auto data = readWhole(archive.get(), entry->info.uncompressed_size);
        if (!data) {
            fail(error, QStringLiteral("压缩文件中的 %1 已损坏").arg(QString::fromUtf8(entry->name)));
            return std::nullopt;
        }
        entries.append({entry->name, *data});
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
    QList<MadeEntry> made;
    for (const Entry& entry : entries)
        made.append(MadeEntry::holding(entry.name, entry.data));
    return writeMade(path, made, error);
}

bool ZipFile::writeMade(const QString& path, const QList<MadeEntry>& entries, QString* error)
{
    ZipWriter archive(path);
    if (!archive.isOpen())
        return fail(error, QStringLiteral("无法写入文件：%1").arg(path));
    bool ok = true;
    for (const MadeEntry& entry : entries) {
        ok = archive.begin(entry.name, 0);
        ok = ok && entry.make([&archive](const char* data, qsizetype length) {
            for (qsizetype done = 0; done < length; done += chunkSize) {
                if (!archive.write(data + done, int(std::min<qsizetype>(chunkSize, length - done))))
                    return false;
            }
            return true;
        });
        ok = archive.end() && ok;
        if (!ok)
            break;
    }
    if (!archive.finish(ok))
        return fail(error, QStringLiteral("无法写入文件：%1").arg(path));
    return true;
}

ZipFile::Unpacked ZipFile::unpack(const QString& path, const QString& folder, const Limits& limits)
{
    UnzipHandle archive(path);
    if (!archive.get())
        return Unpacked{looksCutOff(path) ? Unpacked::Damaged : Unpacked::NotAnArchive,
                        QStringLiteral("无法打开压缩文件：%1").arg(path)};

    struct Target {
        QString path;
        bool folder;
        quint64 size;
    };
    QList<Target> targets;
    quint64 total = 0;
    int status = unzGoToFirstFile(archive.get());
    for (; status == UNZ_OK; status = unzGoToNextFile(archive.get())) {
        const auto entry = currentEntry(archive.get());
        if (!entry)
            return Unpacked{Unpacked::Damaged, QStringLiteral("压缩文件的目录已损坏：%1").arg(path)};
        const auto relative = relativeTarget(entry->name);
        const bool isFolder = entry->name.endsWith('/') || (entry->info.external_fa & msdosDirectory);
        if (!relative || (relative->isEmpty() && !isFolder))
            return Unpacked{Unpacked::EntryRefused,
                            QStringLiteral("压缩文件中的 %1 会解压到目标文件夹之外").arg(QString::fromUtf8(entry->name))};
        total += entry->info.uncompressed_size;
        if (targets.size() >= limits.entries || total > limits.totalSize)
            return Unpacked{Unpacked::EntryRefused, QStringLiteral("压缩文件过大：%1").arg(path)};
        targets.append({folder + QLatin1Char('/') + *relative, isFolder, entry->info.uncompressed_size});
    }
    if (status != UNZ_END_OF_LIST_OF_FILE)
        return Unpacked{Unpacked::Damaged, QStringLiteral("压缩文件已损坏：%1").arg(path)};
    if (total > limits.freeSpace.value_or(freeSpaceAt(folder)))
        return Unpacked{Unpacked::NoSpace, QStringLiteral("磁盘空间不足，无法解压：%1").arg(path)};

    unzGoToFirstFile(archive.get());
    for (const Target& target : targets) {
        const QString parent = target.folder ? target.path : QFileInfo(target.path).path();
        if (!QDir().mkpath(parent))
            return Unpacked{Unpacked::WriteFailed, QStringLiteral("无法创建文件夹：%1").arg(parent)};
        if (!target.folder) {
            QFile out(target.path);
            if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)
                || !out.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
                return Unpacked{Unpacked::WriteFailed, QStringLiteral("无法写入文件：%1").arg(target.path)};
            // An entry that unpacks to more than it announced is refused: the
            // limits above hold.
            quint64 written = 0;
            const bool copied = readCurrent(archive.get(), [&](const char* chunk, int length) {
                written += quint64(length);
                return written <= target.size && out.write(chunk, length) == length;
            });
            if (!copied || !out.flush()) {
                const QFileDevice::FileError failed = out.error();
                const Unpacked::Problem problem = written > target.size                  ? Unpacked::EntryRefused
                                                  : failed == QFileDevice::ResourceError ? Unpacked::NoSpace
                                                  : failed != QFileDevice::NoError       ? Unpacked::WriteFailed
                                                                                         : Unpacked::Damaged;
                return Unpacked{problem, QStringLiteral("无法解压 %1").arg(target.path)};
            }
        }
        unzGoToNextFile(archive.get());
    }
    return {};
}

bool ZipFile::pack(const QString& path, const QList<FileEntry>& files, QString* error)
{
    ZipWriter archive(path);
    if (!archive.isOpen())
        return fail(error, QStringLiteral("无法写入文件：%1").arg(path));
    for (const FileEntry& file : files) {
        QFile in(file.source);
        if (!in.open(QIODevice::ReadOnly))
            return fail(error, QStringLiteral("无法读取文件：%1").arg(file.source));
        bool ok = archive.begin(file.name, quint64(in.size()));
        char buffer[chunkSize];
        qint64 got = 0;
        while (ok && (got = in.read(buffer, sizeof buffer)) > 0)
            ok = archive.write(buffer, int(got));
        ok = archive.end() && ok && got == 0;
        if (!ok)
            return fail(error, QStringLiteral("无法写入文件：%1").arg(path));
    }
    if (!archive.finish(true))
        return fail(error, QStringLiteral("无法写入文件：%1").arg(path));
    return true;
}
