#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
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

// Unpacks every entry into folder ("/" and "\" both part names; a folder
// entry is only created). An entry that would land outside folder refuses the
// whole archive before anything is written; any other failure stops there.
bool unpack(const QString& path, const QString& folder, QString* error = nullptr);

struct FileEntry {
    QByteArray name;
    QString source;
};
// Writes a new archive over path, each file read from its source.
bool pack(const QString& path, const QList<FileEntry>& files, QString* error = nullptr);
}
