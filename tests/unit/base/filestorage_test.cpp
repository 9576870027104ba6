#include "base/FileStorage.h"

#include "FileSizeLimit.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>

namespace {

QByteArray pattern(int size, int seed)
{
    QByteArray b(size, '\0');
    for (int i = 0; i < size; ++i)
        b[i] = static_cast<char>((i * 7 + seed) & 0xFF);
    return b;
}

QByteArray le32(uint32_t v)
{
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    return b;
}

class FileStorageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_a = writeFile("a.png", pattern(100, 1));
        m_b = writeFile("b.png", pattern(250, 2));
        m_container = path("img.stg");
    }

    QString path(const QString &name) const { return m_dir.filePath(name); }

    QString writeFile(const QString &name, const QByteArray &bytes) const
    {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path(name);
    }

    static QByteArray readFile(const QString &p)
    {
        QFile f(p);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << p.toStdString();
        return f.readAll();
    }

    QByteArray twoEntryBytes() const
    {
        return le32(100) + pattern(100, 1) + le32(250) + pattern(250, 2);
    }

    QStringList folderEntries() const
    {
        return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    QTemporaryDir m_dir;
    QString m_a, m_b, m_container;
};

TEST_F(FileStorageTest, TwoEntriesAreWrittenByteExactAndLocated)
{
    WriteStorage({m_a, m_b}, m_container);
    const QByteArray bytes = readFile(m_container);
    ASSERT_EQ(bytes.size(), 358);
    EXPECT_EQ(bytes, twoEntryBytes());

    const struct {
        int index;
        TStorageItem expected;
    } cases[] = {{0, {4, 100}}, {1, {108, 250}}, {2, {0, 0}},
                 {3, {0, 0}},   {1000, {0, 0}},  {-1, {0, 0}}};
    for (const auto &c : cases) {
        const TStorageItem got = LocateStorageItem(m_container, c.index);
        EXPECT_EQ(got.Offset, c.expected.Offset) << "index " << c.index;
        EXPECT_EQ(got.Length, c.expected.Length) << "index " << c.index;
    }
    std::vector<TStorageItem> all;
    LocateStorageItems(m_container, all);
    EXPECT_EQ(all, (std::vector<TStorageItem>{{4, 100}, {108, 250}}));
    LocateStorageItems(path("missing.stg"), all);
    EXPECT_TRUE(all.empty());
}

TEST_F(FileStorageTest, EmptyAndMissingContainersHaveNoEntries)
{
    WriteStorage({}, m_container);
    EXPECT_TRUE(QFile::exists(m_container));
    EXPECT_EQ(QFile(m_container).size(), 0);
    EXPECT_EQ(LocateStorageItem(m_container, 0), (TStorageItem{0, 0}));
    EXPECT_EQ(LocateStorageItem(path("missing.stg"), 0), (TStorageItem{0, 0}));

    DeleteStorageItem(path("missing.stg"), 0);
    EXPECT_FALSE(QFile::exists(path("missing.stg")));
}

TEST_F(FileStorageTest, WriteStorageReplacesAnExistingContainer)
{
    WriteStorage({m_a, m_b}, m_container);
    WriteStorage({m_b}, m_container);
    EXPECT_EQ(readFile(m_container), le32(250) + pattern(250, 2));
}

TEST_F(FileStorageTest, AppendCreatesOrExtendsWithoutTouchingEarlierBytes)
{
    AppendStorageItem(m_container, m_a);
    EXPECT_EQ(readFile(m_container), le32(100) + pattern(100, 1));

    AppendStorageItem(m_container, m_b);
    EXPECT_EQ(readFile(m_container), twoEntryBytes());
    EXPECT_EQ(LocateStorageItem(m_container, 1), (TStorageItem{108, 250}));

    const QString empty = writeFile("empty.png", {});
    AppendStorageItem(m_container, empty);
    EXPECT_EQ(readFile(m_container), twoEntryBytes() + le32(0));
    EXPECT_EQ(LocateStorageItem(m_container, 2), (TStorageItem{362, 0}));
    EXPECT_EQ(LocateStorageItem(m_container, 3), (TStorageItem{0, 0}));
}

TEST_F(FileStorageTest, DeleteRemovesOneRecordOrNothing)
{
    const QByteArray full = twoEntryBytes();
    const struct {
        int index;
        QByteArray expected;
    } cases[] = {
        {0, le32(250) + pattern(250, 2)}, {1, full.left(104)}, {2, full}, {50, full}, {-1, full},
    };
    for (const auto &c : cases) {
        WriteStorage({m_a, m_b}, m_container);
        DeleteStorageItem(m_container, c.index);
        EXPECT_EQ(readFile(m_container), c.expected) << "index " << c.index;
    }

    WriteStorage({m_a}, m_container);
    DeleteStorageItem(m_container, 0);
    EXPECT_TRUE(QFile::exists(m_container));
    EXPECT_EQ(QFile(m_container).size(), 0);
    EXPECT_EQ(folderEntries(), (QStringList{"a.png", "b.png", "img.stg"}));
}

TEST_F(FileStorageTest, DamagedContainersAreReportedAndLeftAlone)
{
    const QByteArray good = le32(3) + "abc";
    const struct {
        const char *name;
        QByteArray bytes;
        int damagedEntry;
        const char *what;
    } cases[] = {
        {"length past end", le32(10) + "12345", 0, "runs past the end of the file"},
        {"one byte past the end", le32(4) + "abc", 0, "runs past the end of the file"},
        {"second one byte past the end", good + le32(4) + "xyz", 1,
         "runs past the end of the file"},
        {"cut inside length", QByteArray("\x05\x00", 2), 0, "ends inside its length field"},
        {"second cut inside length", good + QByteArray("\x01\x00\x00", 3), 1,
         "ends inside its length field"},
        {"negative length", good + le32(0xFFFFFFFFu) + "xyz", 1, "runs past the end of the file"},
        {"huge length", good + le32(0x7FFFFFFFu), 1, "runs past the end of the file"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        writeFile("img.stg", c.bytes);

        if (c.damagedEntry > 0) {
            EXPECT_EQ(LocateStorageItem(m_container, 0), (TStorageItem{4, 3}));
        }
        const QString expected =
            QStringLiteral("The picture container \"%1\" is damaged (entry %2 %3).")
                .arg(m_container)
                .arg(c.damagedEntry)
                .arg(QString::fromLatin1(c.what));
        for (int index : {c.damagedEntry, c.damagedEntry + 5}) {
            try {
                LocateStorageItem(m_container, index);
                ADD_FAILURE() << "no error for index " << index;
            } catch (const EStorageDamaged &e) {
                EXPECT_EQ(e.message(), expected);
            }
        }

        // Walking the whole container stops at the same record, keeping the ones before it.
        std::vector<TStorageItem> items{{1, 1}};
        try {
            LocateStorageItems(m_container, items);
            ADD_FAILURE() << "no error walking the container";
        } catch (const EStorageDamaged &e) {
            EXPECT_EQ(e.message(), expected);
        }
        EXPECT_EQ(items.size(), static_cast<size_t>(c.damagedEntry));

        EXPECT_THROW(DeleteStorageItem(m_container, c.damagedEntry), EStorageDamaged);
        EXPECT_THROW(AppendStorageItem(m_container, m_a), EStorageDamaged);
        EXPECT_EQ(readFile(m_container), c.bytes);
    }
}

TEST_F(FileStorageTest, UnreadableSourceLeavesTheOldContainerWhole)
{
    WriteStorage({m_a, m_b}, m_container);
    const QString missing = path("gone.png");
    const QString expected =
        QStringLiteral("Cannot open file \"%1\". No such file or directory").arg(missing);

    try {
        WriteStorage({m_b, missing, m_a}, m_container);
        ADD_FAILURE() << "WriteStorage accepted a missing source";
    } catch (const EFileError &e) {
        EXPECT_EQ(e.message(), expected);
    }
    try {
        AppendStorageItem(m_container, missing);
        ADD_FAILURE() << "AppendStorageItem accepted a missing source";
    } catch (const EFileError &e) {
        EXPECT_EQ(e.message(), expected);
    }
    EXPECT_EQ(readFile(m_container), twoEntryBytes());
    EXPECT_EQ(folderEntries(), (QStringList{"a.png", "b.png", "img.stg"}));

    // A missing container is not created by a failing first write either.
    EXPECT_THROW(AppendStorageItem(path("new.stg"), missing), EFileError);
    EXPECT_FALSE(QFile::exists(path("new.stg")));
}

TEST_F(FileStorageTest, FailuresNameThePathAndTheSystemReason)
{
    const QString missingFolder = path("no/such/folder/img.stg");
    const QString folder = m_dir.path();
    WriteStorage({m_a}, m_container);
    const struct {
        const char *name;
        std::function<void()> call;
        QString expected;
    } cases[] = {
        {"container in a missing folder", [&] { WriteStorage({m_a}, missingFolder); },
         QStringLiteral("Cannot create file \"%1\". No such file or directory").arg(missingFolder)},
        {"container is a folder", [&] { WriteStorage({m_a}, folder); },
         QStringLiteral("Cannot create file \"%1\". Is a directory").arg(folder)},
        {"source is a folder", [&] { AppendStorageItem(m_container, folder); },
         QStringLiteral("Cannot open file \"%1\". Is a directory").arg(folder)},
        {"locate in a folder", [&] { LocateStorageItem(folder, 0); },
         QStringLiteral("Cannot open file \"%1\". Is a directory").arg(folder)},
    };
    for (const auto &c : cases) {
        try {
            c.call();
            ADD_FAILURE() << c.name << ": no error";
        } catch (const EFileError &e) {
            EXPECT_EQ(e.message(), c.expected) << c.name;
        }
    }
}

TEST_F(FileStorageTest, WriteFailureMidwayLeavesTheOldContainer)
{
    WriteStorage({m_a}, m_container);
    const QByteArray before = readFile(m_container);
    const QString big = writeFile("big.png", pattern(300000, 3));
    {
        FileSizeLimit limit(200000);
        const QString expected =
            QStringLiteral("Cannot write file \"%1\". File too large").arg(m_container);
        for (bool append : {true, false}) {
            try {
                if (append)
                    AppendStorageItem(m_container, big);
                else
                    WriteStorage({m_a, big}, m_container);
                ADD_FAILURE() << "a write past the limit succeeded";
            } catch (const EFileError &e) {
                EXPECT_EQ(e.message(), expected);
            }
        }
    }
    EXPECT_EQ(readFile(m_container), before);
    EXPECT_EQ(folderEntries(), (QStringList{"a.png", "b.png", "big.png", "img.stg"}));
}

} // namespace
