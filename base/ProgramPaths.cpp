#include "base/ProgramPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace {

const QString ProgramDirName = QStringLiteral("vantelle-pro");

// The folder as a prefix for file names: these folders are handed out with a trailing slash.
QString withSlash(QString folder)
{
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

bool holdsProgramData(const QString &folder)
{
    const QDir dir(folder);
    return QFileInfo::exists(dir.filePath(QStringLiteral("img.stg"))) ||
           QFileInfo::exists(dir.filePath(QStringLiteral("cbs.stg")));
}

// access() asks the kernel, so read-only mounts and ACLs count, not only the mode bits.
bool writableFolder(const QString &folder)
{
    return ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

} // namespace

TProgramPaths ResolveProgramPaths(const QString &executableFolder, const QStringList &dataDirs,
                                  const QString &userDataHome)
{
    const QString beside = withSlash(QDir::cleanPath(executableFolder));
    QStringList candidates{beside};
    candidates << withSlash(
        QDir::cleanPath(QDir(beside).filePath(QStringLiteral("../share/") + ProgramDirName)));
    for (const QString &dir : dataDirs)
        if (!dir.isEmpty())
            candidates << withSlash(QDir::cleanPath(QDir(dir).filePath(ProgramDirName)));

    TProgramPaths paths;
    paths.dataFolder = beside;
    for (const QString &candidate : candidates) {
        if (holdsProgramData(candidate)) {
            paths.dataFolder = candidate;
            break;
        }
    }
    paths.portable = paths.dataFolder == beside;
    // Even root, who could write there, keeps the pictures of an installed program at home.
    if (paths.portable && writableFolder(beside))
        paths.userFolder = beside;
    else
        paths.userFolder = withSlash(QDir::cleanPath(QDir(userDataHome).filePath(ProgramDirName)));
    return paths;
}

TProgramPaths ResolveProgramPaths()
{
    return ResolveProgramPaths(
        QCoreApplication::applicationDirPath(),
        QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation),
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}

QString ProgramStateFolder()
{
    // Qt 6.4 has no state location of its own; this is the XDG base-directory rule.
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || QDir::isRelativePath(state))
        state = QDir::home().filePath(QStringLiteral(".local/state"));
    return QDir::cleanPath(QDir(state).filePath(ProgramDirName));
}

QString ProgramCacheFolder()
{
    return QDir::cleanPath(
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation))
            .filePath(ProgramDirName));
}
