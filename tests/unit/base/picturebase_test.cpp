// The picture base: loading the containers into the picture list, Load... and Remove keeping
// usr.stg and the list paired, one copy of the program at a time changing a base, Update Base,
// the close buttons' alpha, and what happens with damaged or unreadable input.

#include "base/FileStorage.h"
#include "base/PictureBase.h"
#include "base/TemplatePicture.h"
#include "imaging/AdditionalPng.h"

#include "picture_base_scenarios.h"
#include "unit_support.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <functional>
#include <unistd.h>

namespace {

using namespace BaseScenarios;

class PictureBaseTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    // The base makeBase made last.
    TPictureBase *current = nullptr;

    // The picture list hands its workers' results over through the event queue, as in the
    // program.
    void SetUp() override { EnsureGuiApp(); }

    QString path(const QString &name) const { return dir.filePath(name); }
    QString folder() const { return dir.path(); }
    QString png(int width) { return Source(folder(), width); }
    static QByteArray bytes(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // The width of every picture of base, 0 for a damaged one.
    static std::vector<int> widths(TPictureBase &base)
    {
        std::vector<int> out;
        for (int p = 0; p < base.Count(); ++p) {
            const auto picture = base.Picture(p);
            out.push_back(picture ? picture->width() : 0);
        }
        return out;
    }
    std::vector<int> widths() const { return widths(*current); }
    std::unique_ptr<TPictureBase> makeBase()
    {
        auto base = std::make_unique<TPictureBase>(path("img.stg"), path("usr.stg"));
        current = base.get();
        return base;
    }
    // The 3-template, 2-user base of the examples, loaded, every cell shown.
    std::unique_ptr<TPictureBase> standardBase()
    {
        Build(Scenarios()[0], folder());
        auto base = makeBase();
        EXPECT_TRUE(base->Load().isEmpty());
        EXPECT_TRUE(base->WaitForPictures().isEmpty());
        return base;
    }
};

TEST_F(PictureBaseTest, TemplatesPastTheFirstShownAreCheckedAfterLoadAndCachedWhole)
{
    // Only the first template is made by Load; the one that does not decode comes to light
    // afterwards, is told once and leaves, and the cache then holds every template, so that a
    // later start knows all of them at once and tells the same.
    WriteStorage(Sources(folder(), {11, NotAPicture, 13}), path("img.stg"));
    const QString cache = path("cache");
    for (const char *start : {"first start", "later start"}) {
        SCOPED_TRACE(start);
        TPictureBase base(path("img.stg"), path("usr.stg"), cache, QSize(20, 20));
        std::vector<int> left;
        base.SetShownFirst(1, [&](int p) { left.push_back(p); });
        EXPECT_TRUE(base.Load().isEmpty());
        const bool later = std::string(start) == "later start";
        EXPECT_EQ(base.PicturesKnown(), later);
        EXPECT_EQ(base.TemplateCount(), later ? 2 : 3);
        const QStringList messages = base.TakeDamageMessages() + base.WaitForPictures();
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages[0].startsWith(
            QStringLiteral("Entry 1 of the picture container \"%1\"").arg(path("img.stg"))));
        EXPECT_EQ(left, later ? std::vector<int>{} : std::vector<int>{1});
        EXPECT_EQ(base.TemplateCount(), 2);
        EXPECT_EQ(widths(base), (std::vector<int>{11, 13}));
    }
}

TEST_F(PictureBaseTest, StartUpAndRemoveFollowTheSharedScenarios)
{
    // Each scenario twice on the same containers: a first start finds the user's pictures as it
    // makes their thumbnails and caches them, a later one takes them from the cache; both tell
    // the user the same, and Remove does the same after either (the first start's on a copy).
    // The containers are left alone long enough first that any change of theirs would change
    // their stamp, as a user's base is between two starts.
    struct Case {
        const Scenario *s;
        std::unique_ptr<QTemporaryDir> scratch;
        std::unique_ptr<QTemporaryDir> copy;
    };
    std::vector<Case> cases;
    for (const Scenario &s : Scenarios()) {
        cases.push_back({&s, std::make_unique<QTemporaryDir>(), std::make_unique<QTemporaryDir>()});
        Build(s, cases.back().scratch->path());
        Build(s, cases.back().copy->path());
    }
    // Another base that a different program rewrites after start-up, before the grid shows it.
    QTemporaryDir rewritten;
    Build(Scenarios()[0], rewritten.path());
    // And one whose img.stg is rewritten the same way after a later start.
    QTemporaryDir templates;
    Build(Scenarios()[0], templates.path());
    QThread::msleep(3100);

    const QString cache = path("cache");
    for (const Case &c : cases)
        for (const char *start : {"first start on the copy", "first start", "later start"}) {
            const Scenario &s = *c.s;
            SCOPED_TRACE(std::string(s.name) + ", " + start);
            const QTemporaryDir &scratch =
                std::string(start) == "first start on the copy" ? *c.copy : *c.scratch;
            const QString user = scratch.filePath("usr.stg");
            TPictureBase base(scratch.filePath("img.stg"), user, cache, QSize(20, 20));
            QStringList messages = base.Load();
            // A later start reads nothing of usr.stg: every thumbnail and damage is known at once.
            if (std::string(start) == "later start") {
                EXPECT_TRUE(base.PicturesKnown());
            }
            messages += base.WaitForPictures();
            EXPECT_EQ(messages.size(), s.messages) << messages.join('\n').toStdString();
            EXPECT_EQ(base.TemplateCount(), s.templateCount);
            EXPECT_EQ(widths(base), s.list);
            for (int p = 0; p < base.Count(); ++p) {
                EXPECT_EQ(base.List().Thumbnail(p).isNull(), s.list[size_t(p)] == 0) << p;
                EXPECT_EQ(base.IsDamaged(p), s.list[size_t(p)] == 0) << "index " << p;
                if (base.IsDamaged(p)) {
                    // The message names the container and the entry; the cell cannot be chosen.
                    const QString named = QStringLiteral("Entry %1 of the picture container \"%2\"")
                                              .arg(base.UserEntry(p))
                                              .arg(user);
                    EXPECT_TRUE(messages.value(0).startsWith(named))
                        << messages.value(0).toStdString();
                    EXPECT_THROW(base.CheckTemplateChoice(p), EVantelleError);
                } else {
                    EXPECT_NO_THROW(base.CheckTemplateChoice(p));
                }
            }
            if (s.remove < 0 || std::string(start) == "first start")
                continue;
            EXPECT_EQ(base.RemovePicture(s.remove), s.removed);
            if (s.userAfter) {
                EXPECT_EQ(bytes(user), ContainerBytes(scratch.path(), *s.userAfter));
            } else {
                EXPECT_FALSE(QFile::exists(user));
            }
        }

    // Rewritten in place after start-up, the same length, the two pictures swapped: cells not
    // shown yet show nothing, cannot be chosen and Remove deletes nothing.
    TPictureBase base(rewritten.filePath("img.stg"), rewritten.filePath("usr.stg"), cache,
                      QSize(20, 20));
    ASSERT_TRUE(base.Load().isEmpty());
    QByteArray swapped = ContainerBytes(rewritten.path(), {22, 21});
    {
        QFile f(rewritten.filePath("usr.stg"));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_EQ(f.size(), swapped.size());
        f.write(swapped);
    }
    EXPECT_TRUE(base.WaitForPictures().isEmpty());
    EXPECT_TRUE(base.List().Thumbnail(3).isNull());
    EXPECT_FALSE(base.IsDamaged(3));
    EXPECT_EQ(base.Picture(4), nullptr);
    EXPECT_THROW(base.RemovePicture(3), EPictureBaseChanged);
    EXPECT_EQ(bytes(rewritten.filePath("usr.stg")), swapped);
    EXPECT_EQ(widths(base), (std::vector<int>{11, 12, 13, 22, 21}));

    // A later start takes the templates from the cache without copying them out of img.stg.
    // Rewritten before they are copied, the cells show what the file now holds, never the
    // cache's thumbnails of the earlier bytes; once copied, they stay as they were copied.
    const QString img = templates.filePath("img.stg");
    std::vector<QImage> made;
    {
        TPictureBase first(img, templates.filePath("usr.stg"), cache, QSize(20, 20));
        ASSERT_TRUE(first.Load().isEmpty());
        ASSERT_TRUE(first.WaitForPictures().isEmpty());
        for (int p = 0; p < 3; ++p)
            made.push_back(first.List().Thumbnail(p));
    }
    TPictureBase later(img, templates.filePath("usr.stg"), cache, QSize(20, 20));
    ASSERT_TRUE(later.Load().isEmpty());
    EXPECT_TRUE(later.PicturesKnown());
    EXPECT_TRUE(later.List().Entry(0).bytes.isNull());
    const QByteArray original = bytes(img);
    QByteArray swappedTemplates = ContainerBytes(templates.path(), {12, 11, 13});
    {
        QFile f(img);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_EQ(f.size(), swappedTemplates.size());
        f.write(swappedTemplates);
    }
    EXPECT_TRUE(later.WaitForPictures().isEmpty());
    EXPECT_EQ(widths(later), (std::vector<int>{12, 11, 13, 21, 22}));
    EXPECT_EQ(later.List().Thumbnail(0), made[1]);
    EXPECT_EQ(later.List().Thumbnail(1), made[0]);
    EXPECT_EQ(later.List().Thumbnail(2), made[2]);
    {
        QFile f(img);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(original);
    }
    for (int p = 0; p < 3; ++p) {
        TPNGObject decoded;
        decoded.loadFromData(later.List().Bytes(p));
        EXPECT_EQ(decoded.width(), (std::vector<int>{12, 11, 13})[size_t(p)]) << p;
    }
}

TEST_F(PictureBaseTest, ThumbnailsComeFromTheCacheMadeForTheseVeryContainers)
{
    Build(Scenarios()[0], folder());
    const QString cache = path("cache");
    const QSize size(16, 16);
    QImage first, before, templateBefore;
    {
        TPictureBase base(path("img.stg"), path("usr.stg"), cache, size);
        ASSERT_TRUE(base.Load().isEmpty());
        ASSERT_TRUE(base.WaitForPictures().isEmpty());
        first = base.List().Thumbnail(4);
        before = base.List().Thumbnail(3);
        templateBefore = base.List().Thumbnail(base.TemplateCount() - 2);
        ASSERT_EQ(first.size(), size);
    }
    // Both containers cached; the last thumbnail of each is blacked out in its cache file.
    QStringList files;
    for (QDirIterator it(cache, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        files << it.next();
    ASSERT_EQ(files.size(), 2);
    for (const QString &file : files) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.seek(f.size() - 16 * 16 * 4));
        f.write(QByteArray(16 * 16 * 4, '\0'));
    }
    {
        TPictureBase base(path("img.stg"), path("usr.stg"), cache, size);
        ASSERT_TRUE(base.Load().isEmpty());
        ASSERT_TRUE(base.WaitForPictures().isEmpty());
        // The templates' thumbnails too are read from their cache file, each at its place.
        const int lastTemplate = base.TemplateCount() - 1;
        EXPECT_EQ(base.List().Thumbnail(lastTemplate).pixelColor(8, 8), QColor(Qt::black));
        EXPECT_EQ(base.List().Thumbnail(lastTemplate - 1).pixelColor(8, 8),
                  templateBefore.pixelColor(8, 8));
        EXPECT_EQ(base.List().Thumbnail(4).pixelColor(8, 8), QColor(Qt::black));
        EXPECT_EQ(base.List().Thumbnail(3).pixelColor(8, 8), before.pixelColor(8, 8));
    }
    // Other bytes in usr.stg: its thumbnails are made again, not taken from the cache.
    WriteStorage({png(21), png(22), png(23)}, path("usr.stg"));
    TPictureBase base(path("img.stg"), path("usr.stg"), cache, size);
    ASSERT_TRUE(base.Load().isEmpty());
    ASSERT_TRUE(base.WaitForPictures().isEmpty());
    EXPECT_EQ(base.List().Thumbnail(4), first);
    EXPECT_EQ(base.Picture(5)->width(), 23);
    // The cache of usr.stg's earlier bytes went when the one of its new bytes was written, here
    // and when Load... changes it.
    auto cacheFiles = [&] {
        QStringList out;
        for (QDirIterator it(cache, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
            out << it.next();
        return out;
    };
    EXPECT_EQ(cacheFiles().size(), 2);
    base.AddUserPicture(png(24), 150);
    base.WaitForPictures();
    EXPECT_EQ(cacheFiles().size(), 2);
}

TEST_F(PictureBaseTest, LoadAppendsAsNextEntryAndRemoveDeletesTheMatchingEntry)
{
    auto base = standardBase();
    // Written without chunks that no decode reads, so that the stored entry is the file itself.
    const QString added = png(23);
    {
        QFile in(added);
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        const QByteArray stripped = PngWithoutUnreadChunks(in);
        in.close();
        QFile out(added);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(stripped);
    }
    EXPECT_EQ(base->AddUserPicture(added, 500), 5);
    EXPECT_EQ(base->UserEntry(5), 2);
    EXPECT_EQ(LocateStorageItem(path("usr.stg"), 2).Length, QFileInfo(added).size());

    EXPECT_TRUE(base->RemovePicture(4));
    EXPECT_EQ(widths(), (std::vector<int>{11, 12, 13, 21, 23}));
    EXPECT_EQ(base->UserEntry(4), 1);
    EXPECT_EQ(bytes(path("usr.stg")), ContainerBytes(folder(), {21, 23}));
    // The picture added in this run is removed by its own entry, too.
    EXPECT_TRUE(base->RemovePicture(4));
    EXPECT_EQ(bytes(path("usr.stg")), ContainerBytes(folder(), {21}));
    EXPECT_FALSE(base->RemovePicture(99));
}

TEST_F(PictureBaseTest, LoadStoresThePictureWithoutChunksNobodyReads)
{
    // A picture behind a hundred thousand empty ancillary chunks: usr.stg gains the picture
    // only, so that every later start reads a few hundred bytes, not a megabyte.
    auto base = standardBase();
    const QByteArray source = bytes(png(30));
    const qsizetype afterHeader = 8 + 25;
    QByteArray padding;
    const char emptyChunk[12] = {0, 0, 0, 0, 'a', 'u', 'X', 'l', '\xc6', '\x82', '\x1f', '\xee'};
    for (int i = 0; i < 100'000; ++i)
        padding.append(emptyChunk, 12);
    const QString file = path("padded.png");
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(source.left(afterHeader) + padding + source.mid(afterHeader));
    }
    const int p = base->AddUserPicture(file, 150);
    const qint64 stored = LocateStorageItem(path("usr.stg"), base->UserEntry(p)).Length;
    EXPECT_LE(stored, source.size());
    EXPECT_GT(stored, 40);

    const auto added = base->Picture(p);
    ASSERT_TRUE(added);
    base.reset();
    TPictureBase reread(path("img.stg"), path("usr.stg"));
    EXPECT_TRUE(reread.Load().isEmpty());
    ASSERT_EQ(reread.Count(), 6);
    Bitmap32 want, got;
    PngToBitmap32(*added, want);
    PngToBitmap32(*reread.Picture(5), got);
    EXPECT_EQ(got, want);
}

TEST_F(PictureBaseTest, ADesignsPictureIsStoredOnlyWhenKept)
{
    auto base = standardBase();
    const QByteArray before = bytes(path("usr.stg"));
    const QByteArray design = bytes(png(24));
    const int p = base->AddUnsavedPicture(design);
    EXPECT_EQ(p, 5);
    EXPECT_TRUE(base->IsUnsaved(p));
    EXPECT_FALSE(base->IsUnsaved(4));
    EXPECT_EQ(bytes(path("usr.stg")), before);
    // A second copy on the base may not store it.
    {
        TPictureBase second(path("img.stg"), path("usr.stg"));
        second.Load();
        const int q = second.AddUnsavedPicture(design);
        EXPECT_THROW(second.KeepPicture(q), EVantelleError);
        EXPECT_TRUE(second.IsUnsaved(q));
    }
    EXPECT_FALSE(base->KeepPicture(4));
    EXPECT_FALSE(base->KeepPicture(0));

    // Kept: the very bytes of the design become the next entry, and Remove finds them there.
    EXPECT_TRUE(base->KeepPicture(p));
    EXPECT_FALSE(base->IsUnsaved(p));
    EXPECT_FALSE(base->KeepPicture(p));
    EXPECT_EQ(base->UserEntry(p), 2);
    EXPECT_EQ(ReadStorageItem(path("usr.stg"), 2), design);
    EXPECT_TRUE(base->RemovePicture(3));
    EXPECT_EQ(base->UserEntry(4), 1);
    EXPECT_EQ(bytes(path("usr.stg")), ContainerBytes(folder(), {22, 24}));
    base.reset();
    auto again = makeBase();
    again->Load();
    EXPECT_EQ(widths(), (std::vector<int>{11, 12, 13, 22, 24}));

    // Into a base without usr.stg yet, the kept picture makes the file.
    QFile::remove(path("usr.stg"));
    again->Load();
    EXPECT_TRUE(again->KeepPicture(again->AddUnsavedPicture(design)));
    EXPECT_EQ(bytes(path("usr.stg")), ContainerBytes(folder(), {24}));
}

TEST_F(PictureBaseTest, LoadStoresOnlyWhatTheTemplatePathCanUse)
{
    auto base = standardBase();
    const QByteArray before = bytes(path("usr.stg"));
    auto write = [&](const QString &name, const QByteArray &content) {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return file.fileName();
    };
    // Larger than any container entry can be; sparse, so it costs no disk and must not be read.
    const QString huge = write("huge.png", QByteArray("\x89PNG\r\n\x1A\n", 8));
    ASSERT_TRUE(QFile(huge).resize(MaxStorageItemSize + 1));
    const QString hugeText = write("huge-text.png", "not a picture at all");
    ASSERT_TRUE(QFile(hugeText).resize(qint64(3) << 30));

    const struct {
        const char *name;
        QString file;
        QString message;
    } refused[] = {
        {"not a picture", Source(folder(), NotAPicture), EPNGInvalidFileHeader().message()},
        {"no signature", write("text.png", "<html></html>"), EPNGInvalidFileHeader().message()},
        {"missing file", path("missing.png"),
         QStringLiteral("Cannot open file \"%1\". No such file or directory")
             .arg(path("missing.png"))},
        {"palette indices past the palette", Source(folder(), BadPalette), EPngError().message()},
        {"too large for a container", huge,
         QStringLiteral("The file \"%1\" is too large for the picture base: it holds %2 bytes, "
                        "and a picture may have at most %3")
             .arg(huge)
             .arg(MaxStorageItemSize + 1)
             .arg(MaxStorageItemSize)},
        {"too large and no picture either", hugeText,
         QStringLiteral("The file \"%1\" is too large for the picture base: it holds %2 bytes, "
                        "and a picture may have at most %3")
             .arg(hugeText)
             .arg(qint64(3) << 30)
             .arg(MaxStorageItemSize)},
    };
    for (const auto &c : refused) {
        try {
            base->AddUserPicture(c.file, 150);
            ADD_FAILURE() << c.name << ": stored";
        } catch (const EVantelleError &e) {
            EXPECT_EQ(e.message(), c.message) << c.name;
        }
        EXPECT_EQ(bytes(path("usr.stg")), before) << c.name;
        EXPECT_EQ(base->Count(), 5) << c.name;
    }

    // Pictures of one pixel in either direction are used like any other.
    for (const QSize size : {QSize(1, 1), QSize(1, 4), QSize(4, 1)}) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(qRgb(10, 200, 30));
        const QString file =
            path(QStringLiteral("thin%1x%2.png").arg(size.width()).arg(size.height()));
        ASSERT_TRUE(image.save(file, "PNG"));
        const int p = base->AddUserPicture(file, 150);
        Bitmap32 rendered;
        RenderTemplatePicture(*base->Picture(p), 150, rendered);
        ASSERT_EQ(rendered.width(), 150);
        EXPECT_EQ(rendered.pixel(0, 0), 0xFF0AC81Eu);
        EXPECT_EQ(rendered.pixel(149, 149), 0xFF0AC81Eu);
    }
}

TEST_F(PictureBaseTest, OneCopyAtATimeChangesABase)
{
    auto first = standardBase();
    TPictureBase second(path("img.stg"), path("usr.stg"));
    const QStringList messages = second.Load();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0],
              QStringLiteral("The picture base in \"%1\" is in use by another copy of Vantelle "
                             "Pro. This copy shows its pictures, but Load... and Remove stay off "
                             "until it is started again after the other copy has ended")
                  .arg(folder()));
    EXPECT_TRUE(first->CanChange());
    EXPECT_FALSE(second.CanChange());
    EXPECT_EQ(second.Count(), 5);
    const QByteArray before = bytes(path("usr.stg"));
    EXPECT_THROW(second.AddUserPicture(png(23), 500), EVantelleError);
    EXPECT_THROW(second.RemovePicture(3), EVantelleError);
    EXPECT_EQ(bytes(path("usr.stg")), before);

    // The lock goes with the copy that held it.
    first.reset();
    TPictureBase third(path("img.stg"), path("usr.stg"));
    EXPECT_TRUE(third.Load().isEmpty());
    EXPECT_TRUE(third.CanChange());
}

TEST_F(PictureBaseTest, RemoveDeletesNothingWhenTheEntryNoLongerHoldsTheCellsPicture)
{
    auto base = standardBase();
    // Another program takes entry 0 out: the cell of width 22 still says entry 1.
    DeleteStorageItem(path("usr.stg"), 0);
    const QByteArray changed = bytes(path("usr.stg"));
    try {
        base->RemovePicture(4);
        ADD_FAILURE() << "removed a picture the cell does not show";
    } catch (const EPictureBaseChanged &e) {
        EXPECT_TRUE(e.message().startsWith(
            QStringLiteral("\"%1\" was changed by another program").arg(path("usr.stg"))));
    }
    EXPECT_EQ(bytes(path("usr.stg")), changed);
    // The list now shows what the file holds, and Remove works on it again.
    EXPECT_EQ(widths(), (std::vector<int>{11, 12, 13, 22}));
    EXPECT_TRUE(base->RemovePicture(3));
    EXPECT_EQ(bytes(path("usr.stg")), QByteArray());

    // Same length, other bytes: the hash tells them apart.
    WriteStorage({png(21)}, path("usr.stg"));
    base->Load();
    base->WaitForPictures();
    QByteArray same = bytes(path("usr.stg"));
    same[same.size() - 20] = static_cast<char>(same[same.size() - 20] ^ 1);
    {
        QFile f(path("usr.stg"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(same);
    }
    EXPECT_THROW(base->RemovePicture(3), EPictureBaseChanged);
    EXPECT_EQ(bytes(path("usr.stg")), same);
}

TEST_F(PictureBaseTest, AUserPictureChangedByAnotherProgramIsNotShownAsAnother)
{
    // One-colour palette pictures: the same pixel data whatever the colour, so the same size.
    auto solid = [&](const QString &name, QRgb colour) {
        QImage image(20, 20, QImage::Format_Indexed8);
        image.setColorTable({colour});
        image.fill(0);
        const QString file = path(name);
        EXPECT_TRUE(image.save(file, "PNG"));
        return file;
    };
    const QString red = solid("red.png", qRgb(255, 0, 0));
    const QString blue = solid("blue.png", qRgb(0, 0, 255));
    ASSERT_EQ(bytes(red).size(), bytes(blue).size());
    Build(Scenarios()[0], folder());
    WriteStorage({red, blue}, path("usr.stg"));
    auto base = makeBase();
    ASSERT_TRUE(base->Load().isEmpty());
    ASSERT_TRUE(base->WaitForPictures().isEmpty());
    // Swapped by another program: every entry lies where it did but holds the other picture,
    // and the cells still stand for red and blue.
    WriteStorage({blue, red}, path("usr.stg"));
    EXPECT_EQ(base->Picture(3), nullptr);
    EXPECT_EQ(base->Picture(4), nullptr);
    EXPECT_EQ(base->Picture(0)->width(), 11);
    // Read again, the list shows what the file holds.
    base->Load();
    EXPECT_EQ(base->Picture(3)->pixel(5, 5), 0x00FF0000u); // 0x00BBGGRR: blue
}

// Runs check as an ordinary user in a child process (root passes every permission test), and
// expects it to print ok.
void ExpectAsOrdinaryUser(const std::function<bool()> &check)
{
    EXPECT_EXIT(
        {
            if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
                std::fputs("cannot drop root\n", stderr);
                std::_Exit(2);
            }
            const bool ok = check();
            std::fputs(ok ? "ok\n" : "wrong\n", stderr);
            std::_Exit(ok ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "ok");
}

TEST_F(PictureBaseTest, AnUnreadableUserContainerIsReportedKeptAndNotAddedTo)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    Build(Scenarios()[0], folder());
    ASSERT_TRUE(QFile::setPermissions(
        folder(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                      QFileDevice::ReadOther | QFileDevice::ExeOther | QFileDevice::WriteOther));
    ASSERT_TRUE(QFile::setPermissions(path("usr.stg"), QFileDevice::WriteOwner));
    const QByteArray before = [&] {
        QFile::setPermissions(path("usr.stg"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        const QByteArray b = bytes(path("usr.stg"));
        QFile::setPermissions(path("usr.stg"), QFileDevice::WriteOther);
        return b;
    }();
    ExpectAsOrdinaryUser([&] {
        auto base = makeBase();
        const QStringList messages = base->Load();
        const QString expected =
            QStringLiteral("Cannot open file \"%1\". Permission denied.\nThe pictures in it are "
                           "not shown, and Load... is refused until the next start so that the "
                           "file stays as it is")
                .arg(path("usr.stg"));
        bool refused = false;
        try {
            base->AddUserPicture(png(23), 500);
        } catch (const EVantelleError &e) {
            refused = e.message().startsWith(QStringLiteral("Load... is off because"));
        }
        return messages == QStringList{expected} && base->TemplateCount() == 3 &&
               base->Count() == 3 && refused;
    });
    QFile::setPermissions(path("usr.stg"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(bytes(path("usr.stg")), before);
}

TEST_F(PictureBaseTest, RemoveInAFolderThatCannotBeWrittenSaysSo)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    Build(Scenarios()[0], folder());
    const QByteArray before = bytes(path("usr.stg"));
    // Readable by everyone, writable by nobody but root, which the check does not run as.
    ASSERT_TRUE(QFile::setPermissions(folder(), QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                                    QFileDevice::ReadOther |
                                                    QFileDevice::ExeOther));
    ExpectAsOrdinaryUser([&] {
        auto base = makeBase();
        if (!base->Load().isEmpty())
            return false;
        try {
            base->RemovePicture(3);
        } catch (const EVantelleError &e) {
            return e.message() ==
                       QStringLiteral("The folder \"%1\" holding usr.stg cannot be written "
                                      "(Permission denied); nothing was changed")
                           .arg(folder()) &&
                   base->Count() == 5;
        }
        return false;
    });
    QFile::setPermissions(folder(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(bytes(path("usr.stg")), before);
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
    auto base = makeBase();
    EXPECT_EQ(base->Load().size(), 1);
    EXPECT_EQ(widths(), (std::vector<int>{21, 22}));
    // Adding behind the damage would store a picture nobody can read back.
    EXPECT_THROW(base->AddUserPicture(png(25), 500), EVantelleError);
    EXPECT_EQ(bytes(path("usr.stg")), before);
}

TEST_F(PictureBaseTest, CloseButtonsKeepTheTransparencyTheyShow)
{
    // One row of pixels per picture, written as the file stores it (filter byte 0 in front).
    auto file = [](int width, int depth, int colorType, const QByteArray &middle,
                   const QByteArray &row) {
        const char ihdr[13] = {0, 0, 0, char(width), 0, 0, 0, 1, char(depth), char(colorType),
                               0, 0, 0};
        return QByteArray("\x89PNG\r\n\x1A\n", 8) + Chunk("IHDR", QByteArray(ihdr, 13)) + middle +
               Chunk("IDAT", qCompress(QByteArray(1, '\0') + row).mid(4)) +
               Chunk("IEND", QByteArray());
    };
    const struct {
        const char *name;
        QByteArray png;
        std::vector<uint32_t> shown; // 0xAARRGGBB as the picture shows each pixel
    } cases[] = {
        {"palette with a transparency table",
         file(3, 8, 3,
              Chunk("PLTE", QByteArray("\xFF\x00\x00\x00\xFF\x00\xFF\x00\xFF", 9)) +
                  Chunk("tRNS", QByteArray("\x00\x80", 2)),
              QByteArray("\x00\x01\x02", 3)),
         {0x00FF0000u, 0x8000FF00u, 0xFFFF00FFu}},
        {"RGB with a transparent colour",
         file(2, 8, 2, Chunk("tRNS", QByteArray("\x00\xFF\x00\x00\x00\xFF", 6)),
              QByteArray("\xFF\x00\xFF\x00\x00\xFF", 6)),
         {0x00FF00FFu, 0xFF0000FFu}},
        {"16-bit RGB with a transparent colour",
         file(2, 16, 2, Chunk("tRNS", QByteArray("\x12\x34\x56\x78\x9A\xBC", 6)),
              QByteArray("\x12\x34\x56\x78\x9A\xBC\x12\x34\x56\x78\x9A\xBD", 12)),
         {0x0012569Au, 0xFF12569Au}},
        {"RGB without transparency: opaque",
         file(2, 8, 2, QByteArray(), "\x10\x20\x30\x40\x50\x60"),
         {0xFF102030u, 0xFF405060u}},
        {"grey with a transparent colour",
         file(2, 8, 0, Chunk("tRNS", QByteArray("\x00\x00", 2)), QByteArray("\x00\xC8", 2)),
         {0x00000000u, 0xFFC8C8C8u}},
    };
    QStringList sources;
    for (const auto &c : cases) {
        QFile out(path(QStringLiteral("cb%1.png").arg(sources.size())));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(c.png);
        sources << out.fileName();
    }
    WriteStorage(sources, path("cbs.stg"));
    const TLoadedPictures loaded = LoadContainerPictures(path("cbs.stg"), true);
    ASSERT_TRUE(loaded.errors.isEmpty()) << loaded.errors.join('\n').toStdString();
    ASSERT_EQ(loaded.pictures.size(), std::size(cases));
    for (size_t i = 0; i < std::size(cases); ++i) {
        // Every close button has an alpha plane, and the conversion every drawing of it goes
        // through shows what the file shows.
        EXPECT_NE(loaded.pictures[i]->alphaScanline(0), nullptr) << cases[i].name;
        Bitmap32 drawn;
        PngToBitmap32(*loaded.pictures[i], drawn);
        std::vector<uint32_t> got;
        for (int x = 0; x < drawn.width(); ++x)
            got.push_back(drawn.pixel(x, 0));
        EXPECT_EQ(got, cases[i].shown) << cases[i].name;
    }
}

TEST_F(PictureBaseTest, UpdateBaseImportsNumberedFilesInOrder)
{
    const QString programFolder = folder() + QLatin1Char('/');
    auto numbered = [&](const QString &name, int width) {
        QDir().mkpath(QFileInfo(path(name)).path());
        QFile::copy(png(width), path(name));
    };
    for (int n : {1, 2, 5, 101})
        numbered(QStringLiteral("Resources/Templates/%1.png").arg(n), 30 + n);
    for (int n : {3, 101, 102})
        numbered(QStringLiteral("Resources/CloseButtons/%1.png").arg(n), 60 + n);
    numbered(QStringLiteral("Resources/Templates/01.png"), 99); // not a number the import forms
    UpdatePictureBase(programFolder, path("img.stg"), path("cbs.stg"));

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
