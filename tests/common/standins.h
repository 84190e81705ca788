#pragma once
#include <QByteArray>
#include <QString>

// Stand-in system commands: shell scripts in a folder that is the whole
// search path while this lives, so no real command can be reached.
class StandInCommands {
public:
    explicit StandInCommands(QString folder);
    ~StandInCommands();
    StandInCommands(const StandInCommands&) = delete;
    StandInCommands& operator=(const StandInCommands&) = delete;

    // An executable script of that name running body under /bin/sh.
    bool add(const QString& name, const QByteArray& body) const;

private:
    QString m_folder;
    QByteArray m_savedPath;
};
