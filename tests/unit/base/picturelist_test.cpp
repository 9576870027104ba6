// The picture list: thumbnails made on the worker threads in the order asked, damaged entries
// told apart, the cache of thumbnails keyed by the container's bytes (and ignored when it does
// not add up), and decoded pictures kept only a few at a time.

#include "base/FileStorage.h"
#include "base/PictureList.h"

#include "unit_support.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <set>

namespace {

constexpr QSize Size(40, 40);

class PictureListTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString container = dir.filePath(QStringLiteral("usr.stg"));
    QString cache = dir.filePath(QStringLiteral("cache"));

    void SetUp() override { EnsureGuiApp(); }

    QString png(const QString &name, QColor colour)
    {
        QImage image(64, 48, QImage::Format_RGB32);
        image.fill(colour);
        const QString file = dir.filePath(name);
        image.save(file, "PNG");
        return file;
    }
    QString garbage()
    {
        const QString file = dir.filePath(QStringLiteral("garbage.png"));
        QFile f(file);
        f.open(QIODevice::WriteOnly);
        f.write("\x89PNG\r\n\x1a\n and then nothing a picture is made of");
        return file;
    }
    // Red, a damaged entry, blue.
    void writeContainer()
    {
        WriteStorage({png(QStringLiteral("r.png"), Qt::red), garbage(),
                      png(QStringLiteral("b.png"), Qt::blue)},
                     container);
    }
    // Runs the event loop until the list said ready for wanted entries (or a few seconds), then
    // until the work asked for is done.
    static std::set<int> arrivals(TPictureList &list, size_t wanted)
    {
        std::set<int> ready;
        // Dropped before returning: a later call must not write into this call's set.
        const QMetaObject::Connection heard = QObject::connect(
            &list, &TPictureList::ThumbnailReady, &list, [&ready](int i) { ready.insert(i); });
        QElapsedTimer clock;
        clock.start();
        while (ready.size() < wanted && clock.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        // Anything more that would come.
        list.WaitForDone();
        QCoreApplication::processEvents();
        QObject::disconnect(heard);
        return ready;
    }
    QStringList cacheFiles() const
    {
        QStringList files;
        for (QDirIterator it(cache, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
            files << it.next();
        return files;
    }
};

TEST_F(PictureListTest, ThumbnailsArriveAsAskedAndDamageIsToldApart)
{
    writeContainer();
    TPictureList list(QString(), Size);
    EXPECT_EQ(list.AddContainer(container), 0);
    ASSERT_EQ(list.Count(), 3);
    // Nothing is decoded that the grid did not ask for.
    EXPECT_TRUE(arrivals(list, 0).empty());
    list.RequestThumbnails(0, 99);
    EXPECT_EQ(arrivals(list, 3), (std::set<int>{0, 1, 2}));
    EXPECT_EQ(list.Thumbnail(0).size(), Size);
    EXPECT_EQ(list.Thumbnail(0).pixelColor(20, 20), QColor(Qt::red));
    EXPECT_EQ(list.Thumbnail(2).pixelColor(20, 20), QColor(Qt::blue));
    EXPECT_TRUE(list.Thumbnail(1).isNull());
    EXPECT_TRUE(list.IsDamaged(1));
    EXPECT_FALSE(list.IsDamaged(0));
    EXPECT_THROW(list.Picture(1), EVantelleError);
    EXPECT_EQ(list.Picture(2)->width(), 64);
}

TEST_F(PictureListTest, TheCacheServesTheSameBytesOnly)
{
    writeContainer();
    {
        TPictureList list(cache, Size);
        list.AddContainer(container);
        list.RequestThumbnails(0, 2);
        arrivals(list, 3);
    }
    ASSERT_EQ(cacheFiles().size(), 1);
    {
        // Every thumbnail comes from the cache, unasked, damage included.
        TPictureList list(cache, Size);
        list.AddContainer(container);
        EXPECT_EQ(arrivals(list, 3), (std::set<int>{0, 1, 2}));
        EXPECT_EQ(list.Thumbnail(2).pixelColor(20, 20), QColor(Qt::blue));
        EXPECT_TRUE(list.IsDamaged(1));
    }
    // Other bytes, another key: nothing arrives unasked, and the new entry is there.
    AppendStorageItem(container, png(QStringLiteral("g.png"), Qt::green));
    TPictureList list(cache, Size);
    list.AddContainer(container);
    EXPECT_TRUE(arrivals(list, 0).empty());
    list.RequestThumbnails(3, 3);
    EXPECT_EQ(arrivals(list, 1), (std::set<int>{3}));
    EXPECT_EQ(list.Thumbnail(3).pixelColor(20, 20), QColor(Qt::green));
}

TEST_F(PictureListTest, ARunEndedEarlyKeepsTheThumbnailsItMade)
{
    writeContainer();
    {
        TPictureList list(cache, Size);
        list.AddContainer(container);
        list.RequestThumbnails(2, 2);
        arrivals(list, 1);
    }
    // Only blue was made: it comes from the cache unasked, the others once asked for, and then
    // the cache holds them all.
    {
        TPictureList list(cache, Size);
        list.AddContainer(container);
        EXPECT_EQ(arrivals(list, 1), (std::set<int>{2}));
        EXPECT_EQ(list.Thumbnail(2).pixelColor(20, 20), QColor(Qt::blue));
        EXPECT_FALSE(list.ThumbnailsKnown());
        list.RequestAllThumbnails();
        EXPECT_EQ(arrivals(list, 2), (std::set<int>{0, 1}));
        EXPECT_TRUE(list.ThumbnailsKnown());
    }
    TPictureList list(cache, Size);
    list.AddContainer(container);
    EXPECT_EQ(arrivals(list, 3), (std::set<int>{0, 1, 2}));
    EXPECT_TRUE(list.IsDamaged(1));
    EXPECT_EQ(list.Thumbnail(0).pixelColor(20, 20), QColor(Qt::red));
}

TEST_F(PictureListTest, ACacheFileThatDoesNotAddUpIsIgnored)
{
    writeContainer();
    {
        TPictureList list(cache, Size);
        list.AddContainer(container);
        list.RequestThumbnails(0, 2);
        arrivals(list, 3);
    }
    ASSERT_EQ(cacheFiles().size(), 1);
    const QString file = cacheFiles().first();
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray good = f.readAll();
    f.close();
    // After magic, size, count and the stamp, each entry's status byte and fingerprint.
    const qsizetype entries = 8 + 12 + 40;
    const qsizetype perEntry = 1 + 32;
    auto flipped = [&](qsizetype at) {
        QByteArray bytes = good;
        bytes[at] = static_cast<char>(bytes[at] ^ 1);
        return bytes;
    };
    const QList<QByteArray> damages{
        good.left(good.size() - 1),
        good + "x",
        QByteArray(good).replace(0, 1, "W"),
        // The status of the damaged entry claims a thumbnail: the pixels no longer add up.
        QByteArray(good).replace(entries + perEntry, 1, "\x01"),
        // A size the list does not use.
        QByteArray(good).replace(8 + 3, 1, "\x29"),
        // The blue entry's fingerprint is not that of its bytes.
        flipped(entries + 2 * perEntry + 1),
    };
    for (const QByteArray &damaged : damages) {
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(damaged);
        f.close();
        TPictureList list(cache, Size);
        list.AddContainer(container);
        EXPECT_TRUE(arrivals(list, 0).empty());
    }
}

TEST_F(PictureListTest, OnlyAFewDecodedPicturesAreKept)
{
    QStringList sources;
    for (int i = 0; i < TPictureList::KeptPictures + 2; ++i)
        sources << png(QStringLiteral("%1.png").arg(i), QColor(i * 20, 0, 0));
    WriteStorage(sources, container);
    TPictureList list(QString(), Size);
    list.AddContainer(container);
    std::vector<const TPNGObject *> first;
    for (int i = 0; i < list.Count(); ++i)
        first.push_back(list.Picture(i).get());
    // The latest are kept; the earliest were let go and are decoded again.
    EXPECT_EQ(list.Picture(list.Count() - 1).get(), first.back());
    const auto again = list.Picture(0);
    EXPECT_NE(again.get(), first.front());
    EXPECT_EQ(again->width(), 64);

    bool ready = false;
    QObject::connect(&list, &TPictureList::PictureReady, &list,
                     [&ready](int i) { ready = i == 1; });
    list.RequestPicture(1);
    list.WaitForDone();
    QCoreApplication::processEvents();
    EXPECT_TRUE(ready);
}

} // namespace
