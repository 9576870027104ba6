// Where the program looks for its data and keeps the user's pictures: beside the executable in a
// build or portable folder, else the install prefix's share folder or the XDG data folders, with
// the user's pictures at home whenever the data is not in a writable folder of its own.

#include "base/ProgramPaths.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

namespace {

struct Layout {
    const char *name;
    QStringList files;  // relative to the scratch root
    QString executable; // folder, relative
    QStringList dataDirs;
    QString expectedData; // relative, with trailing '/'
    QString expectedUser;
    bool portable;
};

void touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

} // namespace

TEST(ProgramPaths, FindsDataAndChoosesUserFolder)
{
    const Layout layouts[] = {
        {"build folder", {"build/bin/img.stg", "build/bin/cbs.stg"}, "build/bin", {},
         "build/bin/", "build/bin/", true},
        {"only close buttons beside", {"p/cbs.stg"}, "p", {}, "p/", "p/", true},
        {"installed in a prefix", {"usr/share/vantelle-pro/img.stg", "usr/bin/.keep"}, "usr/bin",
         {"xdg/a"}, "usr/share/vantelle-pro/", "home/vantelle-pro/", false},
        {"beside wins over the prefix",
         {"usr/bin/img.stg", "usr/share/vantelle-pro/img.stg"}, "usr/bin", {},
         "usr/bin/", "usr/bin/", true},
        {"XDG data folders in order",
         {"opt/bin/.keep", "xdg/b/vantelle-pro/img.stg", "xdg/c/vantelle-pro/img.stg"}, "opt/bin",
         {"xdg/a", "xdg/b", "xdg/c"}, "xdg/b/vantelle-pro/", "home/vantelle-pro/", false},
        {"a user folder holding only usr.stg is not program data",
         {"opt/bin/.keep", "xdg/a/vantelle-pro/usr.stg", "xdg/b/vantelle-pro/img.stg"}, "opt/bin",
         {"xdg/a", "xdg/b"}, "xdg/b/vantelle-pro/", "home/vantelle-pro/", false},
        {"nothing anywhere reads empty containers beside", {"lone/.keep"}, "lone", {"xdg/a"},
         "lone/", "lone/", true},
    };
    for (const Layout &layout : layouts) {
        SCOPED_TRACE(layout.name);
        QTemporaryDir scratch;
        ASSERT_TRUE(scratch.isValid());
        const QString root = scratch.path() + QLatin1Char('/');
        for (const QString &file : layout.files)
            touch(root + file);
        QStringList dataDirs;
        for (const QString &dir : layout.dataDirs)
            dataDirs << root + dir;
        const TProgramPaths paths =
            ResolveProgramPaths(root + layout.executable, dataDirs, root + QStringLiteral("home"));
        EXPECT_EQ(paths.dataFolder.toStdString(), (root + layout.expectedData).toStdString());
        EXPECT_EQ(paths.userFolder.toStdString(), (root + layout.expectedUser).toStdString());
        EXPECT_EQ(paths.portable, layout.portable);
    }
}

TEST(ProgramPaths, ExecutableFolderIsCleaned)
{
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    touch(scratch.path() + QStringLiteral("/share/vantelle-pro/img.stg"));
    QDir().mkpath(scratch.path() + QStringLiteral("/bin"));
    const TProgramPaths paths = ResolveProgramPaths(
        scratch.path() + QStringLiteral("/bin/../bin/"), {}, scratch.path() + QStringLiteral("/h/"));
    EXPECT_EQ(paths.dataFolder, scratch.path() + QStringLiteral("/share/vantelle-pro/"));
    EXPECT_EQ(paths.userFolder, scratch.path() + QStringLiteral("/h/vantelle-pro/"));
}

TEST(ProgramPaths, ReadOnlyPortableFolderKeepsUserPicturesAtHome)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root may write into any folder, so a read-only one cannot be made";
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString portable = scratch.path() + QStringLiteral("/portable");
    touch(portable + QStringLiteral("/img.stg"));
    QFile::setPermissions(portable, QFile::ReadOwner | QFile::ExeOwner);
    const TProgramPaths paths =
        ResolveProgramPaths(portable, {}, scratch.path() + QStringLiteral("/home"));
    QFile::setPermissions(portable, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(paths.dataFolder, portable + QLatin1Char('/'));
    EXPECT_EQ(paths.userFolder, scratch.path() + QStringLiteral("/home/vantelle-pro/"));
}

TEST(ProgramPaths, StateFolderFollowsXdgStateHome)
{
    const QByteArray saved = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", "/somewhere/state");
    EXPECT_EQ(ProgramStateFolder(), QStringLiteral("/somewhere/state/vantelle-pro"));
    // A relative value is to be ignored, as the XDG rule says.
    qputenv("XDG_STATE_HOME", "relative/state");
    EXPECT_EQ(ProgramStateFolder(), QDir::homePath() + QStringLiteral("/.local/state/vantelle-pro"));
    if (saved.isNull())
        qunsetenv("XDG_STATE_HOME");
    else
        qputenv("XDG_STATE_HOME", saved);
}
