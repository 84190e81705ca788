#pragma once
#include "settingstext.h"

#include <QString>

// An INI file with the semantics of the old private-profile calls: a missing
// file, section or key reads ""; section and key names ignore case; values are
// stored as given, without escaping, and read whole without their outer
// blanks; writing creates the folder, the file and the section when they are
// missing, and keeps every other line with the characters it read. A write
// that changes nothing leaves the file as it is. The encoding says how an
// unmarked file is read and how a rewrite is stored (SettingsText).
class IniFile {
public:
    using Encoding = SettingsText::Encoding;
    explicit IniFile(QString path, Encoding encoding = Encoding::Utf8);

    QString read(const QString& section, const QString& key) const;
    // A failed write leaves the file whole as it was and gives the system's
    // reason in *reason.
    bool write(const QString& section, const QString& key, const QString& value, QString* reason = nullptr) const;
    const QString& path() const { return m_path; }

    // Test seam: while set, every write fails after opening its file, with
    // this reason, as a full disk would.
    static void setWriteFailure(const QString& reason);

private:
    QString m_path;
    Encoding m_encoding;
};

// Per-user program settings (application, section, key), one INI file per
// application under $XDG_CONFIG_HOME/<program>/.
namespace UserSettings {
QString get(const QString& application, const QString& section, const QString& key, const QString& defaultValue = {});
bool save(const QString& application, const QString& section, const QString& key, const QString& value);
QString filePath(const QString& application);
// The running program's folder of its own settings: $XDG_CONFIG_HOME/<program>.
QString folder();
}
