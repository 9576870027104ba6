// The PNG conformance images, when they are at hand (../shared/pngsuite beside the project):
// every valid one decodes as libpng reads it, every invalid one ("x" names) is refused. ctest
// reports this test as skipped where the images are missing.

#include "imaging/PngObject.h"

#include "png_helpers.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace pngtest;

TEST(PngDecode, ConformanceImages)
{
    const QDir suite(QStringLiteral(VANTELLE_PNGSUITE_DIR));
    if (!suite.exists())
        GTEST_SKIP() << "no conformance images at " << VANTELLE_PNGSUITE_DIR;
    const QStringList files = suite.entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
    ASSERT_FALSE(files.isEmpty());
    for (const QString &name : files) {
        QFile file(suite.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        if (name.startsWith(QLatin1Char('x'))) {
            TPNGObject png;
            EXPECT_THROW(png.loadFromData(bytes), EVantelleError) << name.toStdString();
            EXPECT_TRUE(png.isEmpty()) << name.toStdString();
        } else {
            expectMatchesLibpng(bytes, name.toStdString());
        }
    }
}
