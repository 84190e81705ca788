#include "standins.h"
#include "testfiles.h"

#include <QFile>

StandInCommands::StandInCommands(QString folder)
    : m_folder(std::move(folder))
    , m_savedPath(qgetenv("PATH"))
{
    qputenv("PATH", m_folder.toLocal8Bit());
}

StandInCommands::~StandInCommands() { qputenv("PATH", m_savedPath); }

bool StandInCommands::add(const QString& name, const QByteArray& body) const
{
    const QString path = m_folder + QLatin1Char('/') + name;
    return TestFiles::writeFile(path, "#!/bin/sh\n" + body + '\n')
           && QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
}
