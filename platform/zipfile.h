#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// Whole-archive reading and writing over minizip, for packages small enough to
// hold in memory (workbooks). Entry names stay the bytes the archive holds.
namespace ZipFile {
struct Entry {
    QByteArray name;
    QByteArray data;
};

// Every entry in archive order, unpacked and checked against its CRC.
std::optional<QList<Entry>> read(const QString& path, QString* error = nullptr);
// Writes a new archive (deflated entries, in the given order) over path.
bool write(const QString& path, const QList<Entry>& entries, QString* error = nullptr);
}
