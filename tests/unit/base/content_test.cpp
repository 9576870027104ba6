// The picture base and artwork that ship with the program: every file decodes with the
// program's own codecs in the form the program expects, the numbered sets are the ones Update
// Base reads, and the containers the build packs hold exactly those files in number order.

#include "base/FileStorage.h"
#include "imaging/JpegImage.h"
#include "imaging/PngObject.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <filesystem>

namespace {

const QString Source = QStringLiteral(VANTELLE_SOURCE_DIR);

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool hasTransparency(const TPNGObject &png)
{
    for (int y = 0; y < png.height(); ++y) {
        const uint8_t *alpha = png.alphaScanline(y);
        for (int x = 0; alpha && x < png.width(); ++x)
            if (alpha[x] < 255)
                return true;
    }
    return false;
}

struct NumberedSet {
    const char *folder;
    const char *container;
    int minimum; // what the program promises to ship
    int maximum; // the highest number Update Base reads
    int minSide, maxSide;
    bool square;
};

const NumberedSet Sets[] = {
    {"Templates", "img.stg", 30, 100, 400, 600, true},
    {"CloseButtons", "cbs.stg", 15, 101, 16, 48, false},
};

// The number of files, after checking that they are exactly 1.png .. N.png.
int countNumbered(const QString &folder)
{
    const QStringList names = QDir(folder).entryList(QDir::Files);
    const QRegularExpression numbered(QStringLiteral("^[1-9][0-9]*\\.png$"));
    for (const QString &name : names)
        EXPECT_TRUE(numbered.match(name).hasMatch()) << qPrintable(folder + "/" + name);
    for (int n = 1; n <= names.size(); ++n)
        EXPECT_TRUE(names.contains(QString::number(n) + ".png"))
            << "gap at " << n << " in " << qPrintable(folder);
    return static_cast<int>(names.size());
}

// The executable's folder of this build, found from the test program's own place.
QString findBinFolder(const char *container)
{
    std::error_code ec;
    std::filesystem::path dir = std::filesystem::read_symlink("/proc/self/exe", ec).parent_path();
    for (int up = 0; up < 4 && !ec && !dir.empty(); ++up, dir = dir.parent_path())
        if (std::filesystem::exists(dir / "bin" / container))
            return QString::fromStdString((dir / "bin").string());
    return {};
}

} // namespace

TEST(ShippedContent, NumberedPicturesDecodeAsTheProgramUsesThem)
{
    for (const NumberedSet &set : Sets) {
        SCOPED_TRACE(set.folder);
        const QString folder = Source + "/content/" + set.folder;
        const int count = countNumbered(folder);
        EXPECT_GE(count, set.minimum);
        EXPECT_LE(count, set.maximum);
        for (int n = 1; n <= count; ++n) {
            const QString path = folder + "/" + QString::number(n) + ".png";
            SCOPED_TRACE(qPrintable(path));
            TPNGObject png;
            ASSERT_NO_THROW(png.loadFromFile(path));
            EXPECT_EQ(png.colorType(), 6);
            EXPECT_EQ(png.bitDepth(), 8);
            EXPECT_TRUE(hasTransparency(png));
            EXPECT_GE(qMin(png.width(), png.height()), set.minSide);
            EXPECT_LE(qMax(png.width(), png.height()), set.maxSide);
            if (set.square) {
                EXPECT_EQ(png.width(), png.height()); // popups are square; anything else distorts
            }
        }
    }
}

TEST(ShippedContent, ResourcePicturesHaveTheirSizes)
{
    const struct {
        const char *name;
        int width, height;
    } pictures[] = {{"LOGO.png", 200, 48},         {"PREVIEW_TEXT.png", 190, 40},
                    {"MORE_TEXT.png", 460, 40},    {"LOAD_BUTTON.png", 24, 24},
                    {"REMOVE_BUTTON.png", 24, 24}, {"KEEP_BUTTON.png", 24, 24}};
    for (const auto &p : pictures) {
        SCOPED_TRACE(p.name);
        TPNGObject png;
        ASSERT_NO_THROW(png.loadFromFile(Source + "/resources/" + p.name));
        EXPECT_EQ(png.width(), p.width);
        EXPECT_EQ(png.height(), p.height);
        EXPECT_EQ(png.colorType(), 6);
        EXPECT_TRUE(hasTransparency(png));
    }
    const Bitmap32 bg = DecodeJpeg(readAll(Source + "/resources/BG.jpg"));
    EXPECT_EQ(bg.width(), 800);
    EXPECT_EQ(bg.height(), 600);
}

TEST(ShippedContent, BuiltContainersHoldTheNumberedFilesInOrder)
{
    for (const NumberedSet &set : Sets) {
        SCOPED_TRACE(set.folder);
        const QString bin = findBinFolder(set.container);
        if (bin.isEmpty())
            GTEST_SKIP() << "no built " << set.container
                         << " (the program is not part of this build)";
        const QString container = bin + "/" + set.container;
        const QByteArray packed = readAll(container);
        const QString folder = Source + "/content/" + set.folder;
        const int count = static_cast<int>(QDir(folder).entryList({"*.png"}, QDir::Files).size());
        for (int k = 0; k < count; ++k) {
            const QString name = QString::number(k + 1) + ".png";
            const QByteArray file = readAll(folder + "/" + name);
            const TStorageItem item = LocateStorageItem(container, k);
            ASSERT_NE(item.Offset, 0) << "entry " << k;
            EXPECT_EQ(packed.mid(item.Offset, item.Length), file) << "entry " << k;
            // Update Base on the built program reads the same files from Resources/.
            EXPECT_EQ(readAll(bin + "/Resources/" + set.folder + "/" + name), file)
                << qPrintable(name);
        }
        EXPECT_EQ(LocateStorageItem(container, count), TStorageItem{});
        EXPECT_EQ(QDir(bin + "/Resources/" + set.folder).entryList(QDir::Files).size(), count);
    }
}
