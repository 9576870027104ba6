// The picture base: loading the containers into the picture list, Load... and Remove keeping
// usr.stg and the list paired, Update Base, and what happens with damaged input.

#include "base/FileStorage.h"
#include "base/PictureBase.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

namespace {

class PictureBaseTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    std::vector<std::unique_ptr<TPNGObject>> list;
    int templateCount = -1;

    QString path(const QString &name) const { return dir.filePath(name); }

    // A small opaque PNG whose width identifies it in the list.
    QString png(int width, const QString &name = QString())
    {
        const QString file = path(name.isEmpty() ? QStringLiteral("p%1.png").arg(width) : name);
        QDir().mkpath(QFileInfo(file).path());
        QImage image(width, 3, QImage::Format_RGB32);
        image.fill(qRgb(width % 256, 40, 90));
        EXPECT_TRUE(image.save(file, "PNG"));
        return file;
    }
    QString garbage(const QString &name)
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("this is not a picture at all");
        return file.fileName();
    }
    static QByteArray bytes(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    std::vector<int> widths() const
    {
        std::vector<int> out;
        for (const auto &picture : list)
            out.push_back(picture->width());
        return out;
    }
    // Builds the 3-template, 2-user base of the examples.
    TPictureBase standardBase()
    {
        WriteStorage({png(11), png(12), png(13)}, path("img.stg"));
        WriteStorage({png(21), png(22)}, path("usr.stg"));
        TPictureBase base(list, templateCount, path("img.stg"), path("usr.stg"));
        EXPECT_TRUE(base.Load().isEmpty());
        return base;
    }
};

TEST_F(PictureBaseTest, LoadsTemplatesThenUserPictures)
{
    TPictureBase base = standardBase();
    EXPECT_EQ(templateCount, 3);
    EXPECT_EQ(widths(), (std::vector<int>{11, 12, 13, 21, 22}));
    EXPECT_EQ(base.UserEntry(2), -1);
    EXPECT_EQ(base.UserEntry(3), 0);
    EXPECT_EQ(base.UserEntry(4), 1);
}

TEST_F(PictureBaseTest, MissingContainersAreEmptyWithoutMessages)
{
    struct Case {
        bool templates, user;
        int count, templateCount;
    } cases[] = {{false, false, 0, 0}, {false, true, 2, 0}, {true, false, 3, 3}};
    for (const Case &c : cases) {
        QFile::remove(path("img.stg"));
        QFile::remove(path("usr.stg"));
        if (c.templates)
            WriteStorage({png(11), png(12), png(13)}, path("img.stg"));
        if (c.user)
            WriteStorage({png(21), png(22)}, path("usr.stg"));
        TPictureBase base(list, templateCount, path("img.stg"), path("usr.stg"));
        EXPECT_TRUE(base.Load().isEmpty());
        EXPECT_EQ(static_cast<int>(list.size()), c.count);
        EXPECT_EQ(templateCount, c.templateCount);
    }
}

TEST_F(PictureBaseTest, LoadAppendsAsNextEntryAndRemoveDeletesTheMatchingEntry)
{
    TPictureBase base = standardBase();
    const QString added = png(23);
    EXPECT_EQ(base.AddUserPicture(added), 5);
    EXPECT_EQ(base.UserEntry(5), 2);
    EXPECT_EQ(LocateStorageItem(path("usr.stg"), 2).Length, QFileInfo(added).size());

    EXPECT_TRUE(base.RemovePicture(4));
    EXPECT_EQ(widths(), (std::vector<int>{11, 12, 13, 21, 23}));
    EXPECT_EQ(base.UserEntry(4), 1);
    WriteStorage({path("p21.png"), added}, path("expected.stg"));
    EXPECT_EQ(bytes(path("usr.stg")), bytes(path("expected.stg")));
}

TEST_F(PictureBaseTest, TemplatesAndIndexesPastTheEndAreNeverRemoved)
{
    TPictureBase base = standardBase();
    const QByteArray before = bytes(path("usr.stg"));
    for (int p : {0, 2, 5, 99}) {
        EXPECT_FALSE(base.RemovePicture(p)) << p;
        EXPECT_EQ(list.size(), 5u);
    }
    EXPECT_EQ(bytes(path("usr.stg")), before);
}

TEST_F(PictureBaseTest, AFileThatDoesNotDecodeIsNotStored)
{
    TPictureBase base = standardBase();
    const QByteArray before = bytes(path("usr.stg"));
    EXPECT_THROW(base.AddUserPicture(garbage("bad.png")), EVantelleError);
    EXPECT_THROW(base.AddUserPicture(path("missing.png")), EVantelleError);
    EXPECT_EQ(bytes(path("usr.stg")), before);
    EXPECT_EQ(list.size(), 5u);
}

TEST_F(PictureBaseTest, AnUndecodableEntryIsReportedSkippedAndStaysPaired)
{
    WriteStorage({png(21), garbage("bad.png"), png(23), png(24)}, path("usr.stg"));
    TPictureBase base(list, templateCount, path("img.stg"), path("usr.stg"));
    EXPECT_EQ(base.Load().size(), 1);
    EXPECT_EQ(widths(), (std::vector<int>{21, 23, 24}));
    EXPECT_EQ(base.UserEntry(1), 2);

    // The cell showing width 23 is entry 2; its neighbour (the bad entry 1) must survive.
    EXPECT_TRUE(base.RemovePicture(1));
    WriteStorage({path("p21.png"), path("bad.png"), path("p24.png")}, path("expected.stg"));
    EXPECT_EQ(bytes(path("usr.stg")), bytes(path("expected.stg")));
    EXPECT_EQ(base.UserEntry(1), 2);

    // A new picture goes behind the bad entry, and removing it removes exactly it.
    EXPECT_EQ(base.AddUserPicture(png(25)), 2);
    EXPECT_EQ(base.UserEntry(2), 3);
    EXPECT_TRUE(base.RemovePicture(2));
    EXPECT_EQ(bytes(path("usr.stg")), bytes(path("expected.stg")));
}

TEST_F(PictureBaseTest, ADamagedContainerKeepsTheEntriesBeforeTheDamage)
{
    WriteStorage({png(21), png(22)}, path("usr.stg"));
    {
        QFile file(path("usr.stg"));
        ASSERT_TRUE(file.open(QIODevice::Append));
        const char length[4] = {'\x00', '\x10', '\x00', '\x00'}; // 4096 bytes that are not there
        file.write(length, 4);
        file.write("short");
    }
    const QByteArray before = bytes(path("usr.stg"));
    TPictureBase base(list, templateCount, path("img.stg"), path("usr.stg"));
    EXPECT_EQ(base.Load().size(), 1);
    EXPECT_EQ(widths(), (std::vector<int>{21, 22}));
    // Adding behind the damage would store a picture nobody can read back.
    EXPECT_THROW(base.AddUserPicture(png(25)), EVantelleError);
    EXPECT_EQ(bytes(path("usr.stg")), before);
}

TEST_F(PictureBaseTest, CloseButtonsGetAnAlphaChannel)
{
    WriteStorage({png(16)}, path("cbs.stg"));
    TLoadedPictures plain = LoadContainerPictures(path("cbs.stg"));
    TLoadedPictures alpha = LoadContainerPictures(path("cbs.stg"), true);
    ASSERT_EQ(alpha.pictures.size(), 1u);
    EXPECT_EQ(plain.pictures[0]->alphaScanline(0), nullptr);
    ASSERT_NE(alpha.pictures[0]->alphaScanline(0), nullptr);
    EXPECT_EQ(alpha.pictures[0]->alphaScanline(2)[15], 255);
}

TEST_F(PictureBaseTest, UpdateBaseImportsNumberedFilesInOrder)
{
    const QString folder = dir.path() + QLatin1Char('/');
    for (int n : {1, 2, 5, 101})
        png(30 + n, QStringLiteral("Resources/Templates/%1.png").arg(n));
    for (int n : {3, 101, 102})
        png(60 + n, QStringLiteral("Resources/CloseButtons/%1.png").arg(n));
    png(99, QStringLiteral("Resources/Templates/01.png")); // not a number the import forms
    UpdatePictureBase(folder, path("img.stg"), path("cbs.stg"));

    auto loadedWidths = [](const QString &container) {
        std::vector<int> out;
        for (const auto &picture : LoadContainerPictures(container).pictures)
            out.push_back(picture->width());
        return out;
    };
    EXPECT_EQ(loadedWidths(path("img.stg")), (std::vector<int>{31, 32, 35}));
    EXPECT_EQ(loadedWidths(path("cbs.stg")), (std::vector<int>{63, 161}));
    EXPECT_FALSE(QFile::exists(path("usr.stg")));
}

} // namespace
