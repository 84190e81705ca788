#include "paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <filesystem>

namespace {
QString& deliveredOverride()
{
    static QString dir;
    return dir;
}

constexpr auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
}

QString Paths::appPath()
{
    const QString home = qEnvironmentVariable("VARNHOLT_HOME");
    if (!home.isEmpty())
        return QDir::cleanPath(home);
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty())
        data = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir::cleanPath(data + QStringLiteral("/Varnholt"));
}

QString Paths::configHome()
{
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    return config.isEmpty() ? QDir::homePath() + QStringLiteral("/.config") : config;
}

QString Paths::deliveredDir()
{
    if (!deliveredOverride().isEmpty())
        return deliveredOverride();
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/varnholt"));
}

void Paths::setDeliveredDir(const QString& dir) { deliveredOverride() = dir; }

QString Paths::deliveredFile(const QString& appPath, const QString& name)
{
    QString own = appPath + QLatin1Char('/') + name;
    if (QFileInfo::exists(own))
        return own;
    return deliveredDir() + QLatin1Char('/') + name;
}

bool Paths::copyOwnerOnly(const QString& source, const QString& target, QString* reason)
{
    // QFile::copy never replaces an existing target.
    QFile file(source);
    if (!file.copy(target)) {
        if (reason)
            *reason = file.errorString();
        return false;
    }
    QFile copy(target);
    if (copy.setPermissions(ownerOnly))
        return true;
    if (reason)
        *reason = copy.errorString();
    return false;
}

bool Paths::prepareAppPath(const QString& appPath, const QString& sourceDir, const QStringList& names, QString* reason)
{
    QDir dir(appPath);
    if (!dir.exists()) {
        // QDir::mkpath keeps the system's reason to itself.
        std::error_code error;
        std::filesystem::create_directories(QFile::encodeName(appPath).toStdString(), error);
        if (error) {
            if (reason)
                *reason = QString::fromStdString(error.message());
            return false;
        }
        QFile::setPermissions(appPath, ownerOnly | QFileDevice::ExeOwner);
    }
    bool ok = true;
    for (const QString& name : names) {
        const QString target = dir.filePath(name);
        if (!QFileInfo::exists(target))
            ok = copyOwnerOnly(sourceDir + QLatin1Char('/') + name, target, reason) && ok;
    }
    return ok;
}
