#pragma once
#include "settingstext.h"

#include <QList>
#include <QString>
#include <optional>

// An INI file with the semantics of the old private-profile calls: a missing
// file, section or key reads ""; section and key names ignore case; values are
// stored as given, without escaping (so one breaking a line is refused), and
// read whole without their outer blanks; writing creates the folder, the file and the section when they are
// missing, and keeps every other line with the characters it read. A write
// that changes nothing leaves the file as it is. The encoding says how an
// unmarked file is read and how a rewrite is stored (SettingsText).
class IniFile {
public:
    using Encoding = SettingsText::Encoding;
    struct Entry {
        QString section;
        QString key;
        QString value;
    };
    explicit IniFile(QString path, Encoding encoding = Encoding::Utf8);

    QString read(const QString& section, const QString& key) const;
    // Stores every entry in one rewrite of the file, or nothing: a failed
    // write leaves the file whole as it was and gives the reason in *reason.
    // A value holding a line break or NUL is refused, as it would forge
    // other lines; so is the rewrite of a file that does not decode whole.
    bool write(const QList<Entry>& entries, QString* reason = nullptr) const;
    bool write(const QString& section, const QString& key, const QString& value, QString* reason = nullptr) const;
    const QString& path() const { return m_path; }

    static bool breaksLines(const QString& value);

    // Test seam: while set, every write that stores that key of that section
    // (any key when none is given; any write, and the folder check, when no
    // section is given) fails after opening its file, with this reason, as a
    // full disk would.
    static void setWriteFailure(const QString& reason, const QString& section = {}, const QString& key = {});

private:
    QString m_path;
    Encoding m_encoding;
};

// Per-user program settings (application, section, key), one INI file per
// application under $XDG_CONFIG_HOME/<program>/.
namespace UserSettings {
QString get(const QString& application, const QString& section, const QString& key, const QString& defaultValue = {});
bool save(const QString& application, const QString& section, const QString& key, const QString& value);
bool save(const QString& application, const QList<IniFile::Entry>& entries);
QString filePath(const QString& application);
// The running program's folder of its own settings: $XDG_CONFIG_HOME/<program>.
QString folder();
// Why the folder cannot take a new file, or nothing when it can.
std::optional<QString> unwritable();
}
