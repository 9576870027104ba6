#pragma once

// Where the program's files live. A build or portable folder keeps everything beside the
// executable, as developers expect; an installed program reads its data from the share folder
// and keeps the user's files in the user's own folders, never under the install prefix.

#include <QString>
#include <QStringList>

struct TProgramPaths {
    // img.stg, cbs.stg, "UpdateBaseMarker.txt" and Resources/; ends in '/'.
    QString dataFolder;
    // usr.stg; ends in '/'. The data folder when that is a writable build or portable folder.
    QString userFolder;
    // True when the data was found beside the executable.
    bool portable = false;
};

// The data folder is the first of: the executable's folder when it holds img.stg or cbs.stg,
// executableFolder/../share/vantelle-pro/, each of dataDirs + "/vantelle-pro/" (the XDG data
// folders); when none holds them, the executable's folder, where a missing container reads as
// empty. The user folder is the data folder when that is the executable's folder and writable,
// otherwise userDataHome + "/vantelle-pro/".
TProgramPaths ResolveProgramPaths(const QString &executableFolder, const QStringList &dataDirs,
                                  const QString &userDataHome);

// The same for this process: the executable's folder, QStandardPaths' data folders.
TProgramPaths ResolveProgramPaths();

// The user's state folder for this program ($XDG_STATE_HOME/vantelle-pro, by default
// ~/.local/state/vantelle-pro), where files that outlive a crash belong; no trailing '/'.
QString ProgramStateFolder();

// The user's cache folder for this program ($XDG_CACHE_HOME/vantelle-pro, by default
// ~/.cache/vantelle-pro), for files that can be made again at any time; no trailing '/'.
QString ProgramCacheFolder();
