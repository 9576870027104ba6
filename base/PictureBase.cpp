#include "base/PictureBase.h"

#include "base/FileStorage.h"
#include "base/TemplatePicture.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <thread>

namespace {

QByteArray Fingerprint(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

// A codec message as the middle of a longer text: some end in a full stop, some do not.
QString Sentence(const QString &message)
{
    return message.endsWith(QLatin1Char('.')) ? message : message + QLatin1Char('.');
}

QString FolderOf(const QString &file)
{
    return QFileInfo(file).absolutePath();
}

} // namespace

bool TStoredEntry::sameBytes(const QByteArray &bytes) const
{
    return bytes.size() == length && Fingerprint(bytes) == hash;
}

namespace {

// One entry of a container as read, then as decoded.
struct TReadEntry {
    int entry = 0;
    QByteArray bytes;
    std::unique_ptr<TPNGObject> picture;
    QString failure;
};

void DecodeEntry(TReadEntry &read, bool createAlpha)
{
    auto picture = std::make_unique<TPNGObject>();
    try {
        picture->loadFromData(read.bytes);
        // A palette index past the palette decodes but fails every later conversion; no
        // other kind of picture can.
        if (picture->colorType() == 3)
            CheckConvertible(*picture);
        if (createAlpha)
            CreateShownAlpha(*picture);
    } catch (const EVantelleError &e) {
        read.failure = e.message();
    } catch (const std::exception &e) {
        read.failure = QString::fromLocal8Bit(e.what());
    }
    read.picture = std::move(picture);
}

// Decodes every entry, on as many threads as there are cores; the entries are independent.
void DecodeEntries(std::vector<TReadEntry> &entries, bool createAlpha)
{
    const int threads =
        std::min<int>(std::max(1, QThread::idealThreadCount()), static_cast<int>(entries.size()));
    if (threads <= 1) {
        for (TReadEntry &read : entries)
            DecodeEntry(read, createAlpha);
        return;
    }
    std::atomic<size_t> next{0};
    auto work = [&] {
        for (size_t i = next++; i < entries.size(); i = next++)
            DecodeEntry(entries[i], createAlpha);
    };
    std::vector<std::thread> helpers;
    for (int t = 1; t < threads; ++t)
        helpers.emplace_back(work);
    work();
    for (std::thread &helper : helpers)
        helper.join();
}

} // namespace

TLoadedPictures LoadContainerPictures(const QString &container, bool createAlpha,
                                      TDamagedEntries damaged)
{
    TLoadedPictures loaded;
    // The entries are read in turn until the end or the first damage, decoded together, then
    // reported in their order; what ended the reading comes last.
    std::vector<TReadEntry> entries;
    QString ending;
    QFile file(container);
    for (int entry = 0;; ++entry) {
        TStorageItem item;
        try {
            item = LocateStorageItem(container, entry);
        } catch (const EStorageDamaged &e) {
            ending = e.message();
            break;
        } catch (const EVantelleError &e) {
            // The file is there but the system refuses it: its pictures must not silently
            // look like an empty base.
            ending = e.message();
            loaded.unreadable = true;
            break;
        }
        if (item.Offset == 0)
            break;
        if (!file.isOpen() && !file.open(QIODevice::ReadOnly)) {
            ending = EFileError::CannotOpen(container, file.errorString()).message();
            loaded.unreadable = true;
            break;
        }
        QByteArray bytes;
        if (file.seek(item.Offset))
            bytes = file.read(item.Length);
        if (bytes.size() != item.Length) {
            ending = QCoreApplication::translate("PictureBase", "Cannot read file \"%1\". %2")
                         .arg(container, file.errorString());
            loaded.unreadable = true;
            break;
        }
        entries.push_back(TReadEntry{entry, std::move(bytes), nullptr, QString()});
    }
    DecodeEntries(entries, createAlpha);

    for (TReadEntry &read : entries) {
        // Only entries that Remove may delete need their fingerprint.
        TStoredEntry stored{read.entry, static_cast<qint32>(read.bytes.size()),
                            damaged == TDamagedEntries::Keep ? Fingerprint(read.bytes)
                                                             : QByteArray(),
                            false, QByteArray()};
        std::unique_ptr<TPNGObject> picture = std::move(read.picture);
        if (!read.failure.isEmpty()) {
            QString message =
                QCoreApplication::translate(
                    "PictureBase", "Entry %1 of the picture container \"%2\" cannot be used as a "
                                   "picture. %3")
                    .arg(read.entry)
                    .arg(container, Sentence(read.failure));
            if (damaged == TDamagedEntries::Skip) {
                loaded.errors << message;
                continue;
            }
            loaded.errors << message + QCoreApplication::translate(
                                           "PictureBase",
                                           "\nIt is shown as a damaged picture, which "
                                           "Remove deletes");
            picture = std::make_unique<TPNGObject>();
            stored.damaged = true;
        }
        loaded.pictures.push_back(std::move(picture));
        loaded.entries.push_back(stored);
    }
    if (!ending.isEmpty())
        loaded.errors << ending;
    return loaded;
}

std::unique_ptr<TPNGObject> ReadUserPictureFile(const QString &file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        const QString reason = QFileInfo(file).isDir()
                                   ? QString::fromLocal8Bit(std::strerror(EISDIR))
                                   : in.errorString();
        throw EFileError::CannotOpen(file, reason);
    }
    // Anything past this size could never be stored, so it is not read at all.
    if (in.size() > MaxStorageItemSize)
        throw EVantelleError(QCoreApplication::translate(
                                 "PictureBase",
                                 "The file \"%1\" is too large for the picture base: it holds %2 "
                                 "bytes, and a picture may have at most %3")
                                 .arg(file)
                                 .arg(in.size())
                                 .arg(MaxStorageItemSize));
    static const char signature[8] = {'\x89', 'P', 'N', 'G', '\r', '\n', '\x1A', '\n'};
    char head[8] = {};
    if (in.read(head, 8) != 8 || std::memcmp(head, signature, 8) != 0)
        throw EPNGInvalidFileHeader();
    if (!in.seek(0))
        throw EFileError::CannotOpen(file, in.errorString());
    // Decoding straight from the file reads only as far as the picture goes.
    auto picture = std::make_unique<TPNGObject>();
    picture->loadFromStream(in);
    return picture;
}

void UpdatePictureBase(const QString &programFolder, const QString &templateStorage,
                       const QString &closeButtonStorage)
{
    auto numbered = [&](const QString &folder, int last) {
        QStringList sources;
        for (int n = 1; n <= last; ++n) {
            const QString path =
                programFolder + folder + QString::number(n) + QStringLiteral(".png");
            if (QFileInfo(path).isFile())
                sources << path;
        }
        return sources;
    };
    WriteStorage(numbered(QStringLiteral("Resources/Templates/"), 100), templateStorage);
    WriteStorage(numbered(QStringLiteral("Resources/CloseButtons/"), 101), closeButtonStorage);
}

EPictureBaseChanged::EPictureBaseChanged(const QString &userStorage)
    : EVantelleError(QCoreApplication::translate(
                         "PictureBase", "\"%1\" was changed by another program since Vantelle Pro "
                                        "read it, so nothing was removed. The pictures have been "
                                        "read again; choose the picture to remove once more")
                         .arg(userStorage))
{
}

TPictureBase::TPictureBase(std::vector<std::unique_ptr<TPNGObject>> &pictureList,
                           int &templateCount, QString templateStorage, QString userStorage)
    : m_pictures(pictureList), m_templateCount(templateCount),
      m_templateStorage(std::move(templateStorage)), m_userStorage(std::move(userStorage))
{
}

TPictureBase::~TPictureBase() = default;

QStringList TPictureBase::Load()
{
    QStringList messages;
    if (!m_lockTried) {
        m_lockTried = true;
        m_lock = std::make_unique<QLockFile>(m_userStorage + QStringLiteral(".lock"));
        // Only an owner that has ended frees the lock; age alone says nothing about a copy
        // that simply runs for a long time.
        m_lock->setStaleLockTime(0);
        // A folder where no lock file can be made cannot be changed by any copy either; the
        // writes themselves report that.
        if (!m_lock->tryLock(0) && m_lock->error() == QLockFile::LockFailedError) {
            m_inUse = QCoreApplication::translate(
                          "PictureBase", "The picture base in \"%1\" is in use by another copy of "
                                         "Vantelle Pro. This copy shows its pictures, but Load... "
                                         "and Remove stay off until it is started again after the "
                                         "other copy has ended")
                          .arg(FolderOf(m_userStorage));
            messages << m_inUse;
        }
    }

    m_pictures.clear();
    m_user.clear();
    TLoadedPictures templates = LoadContainerPictures(m_templateStorage);
    TLoadedPictures user = LoadContainerPictures(m_userStorage, false, TDamagedEntries::Keep);
    m_templateCount = static_cast<int>(templates.pictures.size());
    for (auto &picture : templates.pictures)
        m_pictures.push_back(std::move(picture));
    for (auto &picture : user.pictures)
        m_pictures.push_back(std::move(picture));
    m_user = std::move(user.entries);
    messages << templates.errors;
    if (user.unreadable && m_unreadable.isEmpty()) {
        // Appending to a file that could not be read might bury the pictures it still holds.
        m_unreadable = QCoreApplication::translate(
                           "PictureBase", "Load... is off because \"%1\" could not be read when "
                                          "Vantelle Pro started. Start Vantelle Pro again once the "
                                          "file can be read")
                           .arg(m_userStorage);
        user.errors.back() += QCoreApplication::translate(
            "PictureBase",
            ".\nThe pictures in it are not shown, and Load... is refused until the next start "
            "so that the file stays as it is");
    }
    messages << user.errors;
    return messages;
}

void TPictureBase::RefuseChange() const
{
    if (!m_inUse.isEmpty())
        throw EVantelleError(m_inUse);
}

void TPictureBase::RefuseStoring() const
{
    RefuseChange();
    if (!m_unreadable.isEmpty())
        throw EVantelleError(m_unreadable);
}

int TPictureBase::AddUserPicture(const QString &file, int side)
{
    RefuseStoring();
    // Checked the way the composition will use it before anything is stored, so usr.stg never
    // gains an entry that start-up or a preview could not read back.
    // The file is checked as it is, then stored without the chunks no decode reads, so that
    // every later start reads only the picture, however much else the file carries. What is
    // stored is what is checked below: the picture decoded from those bytes.
    auto picture = ReadUserPictureFile(file);
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        throw EFileError::CannotOpen(file, in.errorString());
    const QByteArray bytes = PngWithoutUnreadChunks(in);
    picture->loadFromData(bytes);
    {
        Bitmap32 rendered;
        RenderTemplatePicture(*picture, side, rendered);
    }
    const TStoredEntry stored = StoreUserEntry([&] { AppendStorageBytes(m_userStorage, bytes); });
    m_pictures.push_back(std::move(picture));
    m_user.push_back(stored);
    return static_cast<int>(m_pictures.size()) - 1;
}

TStoredEntry TPictureBase::StoreUserEntry(const std::function<void()> &append)
{
    // Counting walks the whole container, so a damaged one stops the add before it is written.
    int entry = 0;
    while (LocateStorageItem(m_userStorage, entry).Offset != 0)
        ++entry;
    append();
    const std::optional<QByteArray> stored = ReadStorageItem(m_userStorage, entry);
    const QByteArray now = stored.value_or(QByteArray());
    return TStoredEntry{entry, now.size(), Fingerprint(now), false, QByteArray()};
}

int TPictureBase::AddUnsavedPicture(const QByteArray &bytes)
{
    auto picture = std::make_unique<TPNGObject>();
    picture->loadFromData(bytes);
    m_pictures.push_back(std::move(picture));
    m_user.push_back(TStoredEntry{-1, 0, QByteArray(), false, bytes});
    return static_cast<int>(m_pictures.size()) - 1;
}

bool TPictureBase::IsUnsaved(int p) const
{
    const TStoredEntry *record = UserRecord(p);
    return record && record->entry < 0;
}

bool TPictureBase::KeepPicture(int p)
{
    if (!IsUnsaved(p))
        return false;
    RefuseStoring();
    TStoredEntry &record = m_user[static_cast<size_t>(p - m_templateCount)];
    record = StoreUserEntry([&] { AppendStorageBytes(m_userStorage, record.unsaved); });
    return true;
}

bool TPictureBase::RemovePicture(int p)
{
    if (p < m_templateCount || p >= static_cast<int>(m_pictures.size()))
        return false;
    RefuseChange();
    const size_t user = static_cast<size_t>(p - m_templateCount);
    const TStoredEntry record = m_user[user];
    if (record.entry < 0) {
        m_pictures.erase(m_pictures.begin() + p);
        m_user.erase(m_user.begin() + static_cast<std::ptrdiff_t>(user));
        return true;
    }
    // Another program may have changed usr.stg since it was read; the entry number alone would
    // then name some other picture.
    const std::optional<QByteArray> now = ReadStorageItem(m_userStorage, record.entry);
    if (!now || !record.sameBytes(*now)) {
        Load();
        throw EPictureBaseChanged(m_userStorage);
    }
    DeleteStorageItem(m_userStorage, record.entry);
    m_pictures.erase(m_pictures.begin() + p);
    m_user.erase(m_user.begin() + static_cast<std::ptrdiff_t>(user));
    for (TStoredEntry &later : m_user)
        if (later.entry > record.entry)
            --later.entry;
    return true;
}

const TStoredEntry *TPictureBase::UserRecord(int p) const
{
    if (p < m_templateCount || p >= static_cast<int>(m_pictures.size()))
        return nullptr;
    return &m_user[static_cast<size_t>(p - m_templateCount)];
}

int TPictureBase::UserEntry(int p) const
{
    const TStoredEntry *record = UserRecord(p);
    return record ? record->entry : -1;
}

bool TPictureBase::IsDamaged(int p) const
{
    const TStoredEntry *record = UserRecord(p);
    return record && record->damaged;
}

void TPictureBase::CheckTemplateChoice(int p) const
{
    if (IsDamaged(p))
        throw EVantelleError(QCoreApplication::translate(
            "PictureBase", "This picture is damaged and cannot be used for a "
                           "popup. Choose another picture, or delete this one "
                           "with Remove"));
}
