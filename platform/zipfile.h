#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

// Zip archives over minizip: whole archives held in memory for packages small
// enough (workbooks), and files streamed in and out for archives of any size.
// Entry names stay the bytes the archive holds.
namespace ZipFile {
struct Entry {
    QByteArray name;
    QByteArray data;
};

// Every entry in archive order, unpacked and checked against its CRC.
std::optional<QList<Entry>> read(const QString& path, QString* error = nullptr);
// Writes a new archive (deflated entries, in the given order) over path.
bool write(const QString& path, const QList<Entry>& entries, QString* error = nullptr);

// Takes the next piece of an entry's content; false when it was not written.
using Sink = std::function<bool(const char* data, qsizetype length)>;
struct MadeEntry {
    QByteArray name;
    std::function<bool(const Sink&)> make; // false when the content could not be made

    static MadeEntry holding(const QByteArray& name, const QByteArray& data)
    {
        return {name, [data](const Sink& sink) { return data.isEmpty() || sink(data.constData(), data.size()); }};
    }
};
// The same for entries made as they are written, so that no entry is ever
// held whole.
bool writeMade(const QString& path, const QList<MadeEntry>& entries, QString* error = nullptr);

// What an unpacking may take. An archive past them is refused before anything
// is written: a damaged or hostile one could announce anything.
struct Limits {
    int entries = 10000;
    quint64 totalSize = 4ull * 1024 * 1024 * 1024; // unpacked, as the entries announce it
    // The bytes the folder can still take; unset: what its file system reports.
    std::optional<quint64> freeSpace;
};

struct Unpacked {
    enum Problem {
        None,
        NotAnArchive,
        Damaged,      // cut off, or an entry that does not unpack to what it announced
        EntryRefused, // landing outside the folder, or past the limits
        NoSpace,
        WriteFailed,
    };
    Problem problem = None;
    QString error;
    explicit operator bool() const { return problem == None; }
};

// Unpacks every entry into folder ("/" and "\" both part names; a folder
// entry is only created; files are the owner's alone). An entry that would
// land outside folder, or an archive past the limits, is refused whole before
// anything is written; any other failure stops there.
Unpacked unpack(const QString& path, const QString& folder, const Limits& limits = {});

struct FileEntry {
    QByteArray name;
    QString source;
};
// Writes a new archive over path, each file read from its source.
bool pack(const QString& path, const QList<FileEntry>& files, QString* error = nullptr);
}
