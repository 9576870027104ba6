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

// Why bytes do not make a picture, as the codec puts it; empty when they do. For a picture
// known not to decode from the thumbnail cache, whose message was not kept.
QString DecodeFailure(const QByteArray &bytes)
{
    TReadEntry entry{0, bytes, nullptr, QString()};
    DecodeEntry(entry, false);
    return entry.failure;
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

namespace {

// A container as read: the whole file, and where each entry lies in it, until the end or the
// first damage; what ended the reading early is in ending.
struct TReadContainer {
    // The whole file, mapped where the system allows it (else read).
    std::shared_ptr<QFile> mapped;
    QByteArray file;
    std::vector<TPictureList::TEntry> entries;
    QString ending;
    bool unreadable = false;

    QByteArray Bytes(const TPictureList::TEntry &e) const
    {
        return QByteArray(file.constData() + e.offset, e.length);
    }
};

// Finds the entries of container; with readBytes the whole file is read as well (mapped where
// the system allows it).
TReadContainer ReadContainer(const QString &container, bool readBytes)
{
    TReadContainer read;
    read.mapped = std::make_shared<QFile>(container);
    QFile &file = *read.mapped;
    std::vector<TStorageItem> items;
    try {
        LocateStorageItems(container, items);
    } catch (const EStorageDamaged &e) {
        read.ending = e.message();
    } catch (const EVantelleError &e) {
        // The file is there but the system refuses it: its pictures must not silently look
        // like an empty base.
        read.ending = e.message();
        read.unreadable = true;
    }
    if (readBytes && !items.empty()) {
        if (!file.open(QIODevice::ReadOnly)) {
            read.ending = EFileError::CannotOpen(container, file.errorString()).message();
            read.unreadable = true;
            return read;
        }
        // Mapped, the pages come straight from the file cache.
        if (uchar *map = file.map(0, file.size()))
            read.file = QByteArray::fromRawData(reinterpret_cast<const char *>(map),
                                                static_cast<qsizetype>(file.size()));
        else
            read.file = file.readAll();
    }
    for (int entry = 0; entry < static_cast<int>(items.size()); ++entry) {
        const TStorageItem item = items[static_cast<size_t>(entry)];
        if (readBytes && qint64(item.Offset) + item.Length > read.file.size()) {
            read.ending = QCoreApplication::translate("PictureBase", "Cannot read file \"%1\". %2")
                              .arg(container, file.errorString());
            read.unreadable = true;
            break;
        }
        TPictureList::TEntry e;
        e.container = container;
        e.entry = entry;
        e.offset = item.Offset;
        e.length = item.Length;
        read.entries.push_back(e);
    }
    return read;
}

// Asks the list again for what StopWork dropped, however the change ends.
struct TResumeWork {
    TPictureList &list;
    ~TResumeWork() { list.ResumeWork(); }
};

QString EntryMessage(const QString &container, int entry, const QString &failure)
{
    return QCoreApplication::translate(
               "PictureBase",
               "Entry %1 of the picture container \"%2\" cannot be used as a picture. %3")
        .arg(entry)
        .arg(container, Sentence(failure));
}

QString DamagedSuffix()
{
    return QCoreApplication::translate("PictureBase", "\nIt is shown as a damaged picture, which "
                                                      "Remove deletes");
}

} // namespace

TLoadedPictures LoadContainerPictures(const QString &container, bool createAlpha,
                                      TDamagedEntries damaged)
{
    TLoadedPictures loaded;
    // The entries are read in turn until the end or the first damage, decoded together, then
    // reported in their order; what ended the reading comes last.
    TReadContainer read = ReadContainer(container, true);
    loaded.unreadable = read.unreadable;
    std::vector<TReadEntry> entries;
    for (const TPictureList::TEntry &e : read.entries)
        entries.push_back(TReadEntry{e.entry, read.Bytes(e), nullptr, QString()});
    read.file = QByteArray();
    DecodeEntries(entries, createAlpha);

    for (TReadEntry &entry : entries) {
        // Only entries that Remove may delete need their fingerprint.
        TStoredEntry stored{entry.entry, static_cast<qint32>(entry.bytes.size()),
                            damaged == TDamagedEntries::Keep ? Fingerprint(entry.bytes)
                                                             : QByteArray(),
                            false, QByteArray()};
        std::unique_ptr<TPNGObject> picture = std::move(entry.picture);
        if (!entry.failure.isEmpty()) {
            const QString message = EntryMessage(container, entry.entry, entry.failure);
            if (damaged == TDamagedEntries::Skip) {
                loaded.errors << message;
                continue;
            }
            loaded.errors << message + DamagedSuffix();
            picture = std::make_unique<TPNGObject>();
            stored.damaged = true;
        }
        loaded.pictures.push_back(std::move(picture));
        loaded.entries.push_back(stored);
    }
    if (!read.ending.isEmpty())
        loaded.errors << read.ending;
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

TPictureBase::TPictureBase(QString templateStorage, QString userStorage, QString cacheFolder,
                           QSize thumbnailSize)
    : m_list(std::make_unique<TPictureList>(std::move(cacheFolder), thumbnailSize)),
      m_templateStorage(std::move(templateStorage)), m_userStorage(std::move(userStorage))
{
    // A user picture found not to decode is reported when it is found (from the cache at once,
    // else when its thumbnail is made), with the codec's message.
    QObject::connect(m_list.get(), &TPictureList::DamageFound, m_list.get(),
                     [this](int p, const QString &failure) { OnDamageFound(p, failure); });
    // The last thumbnail known may be what a template that does not decode waits for to leave.
    QObject::connect(m_list.get(), &TPictureList::ThumbnailReady, m_list.get(),
                     [this] { ScheduleLeaving(); });
}

TPictureBase::~TPictureBase() = default;

QStringList TPictureBase::Load()
{
    return LoadBase(true);
}

QStringList TPictureBase::LoadBase(bool reportDamage)
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

    // Read again, the pictures are looked at as far as they were before.
    const bool all = m_list->AllThumbnailsRequested();
    m_list->Clear();
    m_user.clear();
    m_found.clear();
    m_leaving = false;
    m_failedTemplates = 0;
    m_templateCount = 0;
    m_reportDamage = false;
    // The list learns which templates do not decode as it makes (or finds) their thumbnails;
    // only those are decoded again here, for the codec's message.

    // On a later start the templates' cache answers for img.stg by its stamp: the file is only
    // located. Else it is read whole and its thumbnails made or found by its bytes.
    TReadContainer templates = ReadContainer(m_templateStorage, false);
    std::vector<bool> badTemplates;
    if (auto known = templates.ending.isEmpty()
                         ? m_list->AddCachedContainer(m_templateStorage, templates.entries)
                         : std::nullopt) {
        badTemplates = std::move(*known);
    } else {
        // Stamped before it is read, so that the stamp answers for no later bytes.
        // A settled file's cache is the one found by the stamp: none named by its bytes is
        // looked for or written.
        const TFileStamp stamp = StampOf(m_templateStorage);
        const bool settled = IsSettled(stamp);
        templates = ReadContainer(m_templateStorage, true);
        badTemplates = m_list->AddReadContainer(m_templateStorage, templates.file,
                                                templates.entries, true, !settled, m_shownFirst);
        if (settled && !templates.entries.empty())
            m_list->KeepCacheByStamp(m_list->Entry(0).containerIndex, stamp);
    }
    // A template that does not decode is reported as a user picture that does not decode is
    // (TakeDamageMessages), and left out; one found later leaves once every thumbnail is known.
    for (size_t k = 0; k < badTemplates.size(); ++k)
        if (badTemplates[k] && reportDamage)
            m_found.push_back({true, templates.entries[k].entry,
                               EntryMessage(m_templateStorage, templates.entries[k].entry,
                                            DecodeFailure(m_list->Bytes(static_cast<int>(k))))});
    for (size_t k = badTemplates.size(); k-- > 0;)
        if (badTemplates[k])
            m_list->Remove(static_cast<int>(k), false);
    if (!templates.ending.isEmpty())
        messages << templates.ending;
    m_templateCount = m_list->Count();

    // The user's pictures are only located: neither read nor decoded until they are shown (or
    // their thumbnails come from the cache), so a large usr.stg costs start-up nothing.
    TReadContainer user = ReadContainer(m_userStorage, false);
    m_userContainer = 1;
    for (const TPictureList::TEntry &e : user.entries)
        m_user.push_back(TStoredEntry{e.entry, e.length, QByteArray(), false, {}});
    m_reportDamage = reportDamage;
    m_list->AddLocatedContainer(m_userStorage, user.entries);
    if (all)
        m_list->RequestAllThumbnails();
    if (user.unreadable && m_unreadable.isEmpty()) {
        // Appending to a file that could not be read might bury the pictures it still holds.
        m_unreadable = QCoreApplication::translate(
                           "PictureBase", "Load... is off because \"%1\" could not be read when "
                                          "Vantelle Pro started. Start Vantelle Pro again once the "
                                          "file can be read")
                           .arg(m_userStorage);
        user.ending += QCoreApplication::translate(
            "PictureBase",
            ".\nThe pictures in it are not shown, and Load... is refused until the next start "
            "so that the file stays as it is");
    }
    if (!user.ending.isEmpty())
        messages << user.ending;
    return messages;
}

std::shared_ptr<const TPNGObject> TPictureBase::Picture(int p)
{
    if (p < 0 || p >= Count() || IsDamaged(p))
        return nullptr;
    // Read from usr.stg only now: the entry must still be the picture its cell shows.
    const TStoredEntry *record = UserRecord(p);
    if (record && record->entry >= 0 && !m_list->IsKept(p) &&
        !KnownEntry(p).sameBytes(m_list->Bytes(p)))
        return nullptr;
    try {
        return m_list->Picture(p);
    } catch (const EVantelleError &) {
        // Changed under the program since it was read: nothing to show.
        return nullptr;
    }
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
    m_user.push_back(stored);
    return m_list->AddStored(m_userContainer, stored.entry);
}

TStoredEntry TPictureBase::StoreUserEntry(const std::function<void()> &append)
{
    // No worker reads usr.stg while it is written; the list asks again once it has found the new
    // entry (or here, when nothing was written).
    m_list->StopWork();
    try {
        // Counting walks the whole container, so a damaged one stops the add before it is
        // written.
        int entry = 0;
        while (LocateStorageItem(m_userStorage, entry).Offset != 0)
            ++entry;
        append();
        const std::optional<QByteArray> stored = ReadStorageItem(m_userStorage, entry);
        const QByteArray now = stored.value_or(QByteArray());
        return TStoredEntry{entry, now.size(), Fingerprint(now), false, QByteArray()};
    } catch (...) {
        m_list->ResumeWork();
        throw;
    }
}

int TPictureBase::AddUnsavedPicture(const QByteArray &bytes)
{
    TPNGObject picture;
    picture.loadFromData(bytes);
    m_user.push_back(TStoredEntry{-1, 0, QByteArray(), false, bytes});
    return m_list->AddBytes(bytes);
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
    m_list->Store(p, m_userContainer, record.entry);
    return true;
}

bool TPictureBase::RemovePicture(int p)
{
    if (p < m_templateCount || p >= Count())
        return false;
    RefuseChange();
    const size_t user = static_cast<size_t>(p - m_templateCount);
    const TStoredEntry record = m_user[user];
    if (record.entry < 0) {
        m_list->Remove(p, false);
        m_user.erase(m_user.begin() + static_cast<std::ptrdiff_t>(user));
        return true;
    }
    // Another program may have changed usr.stg since it was read; the entry number alone would
    // then name some other picture. What the cell shows is what its thumbnail was made from.
    const TStoredEntry shown = KnownEntry(p);
    m_list->StopWork();
    const TResumeWork resume{*m_list};
    const std::optional<QByteArray> now = ReadStorageItem(m_userStorage, record.entry);
    if (!now || !shown.sameBytes(*now)) {
        LoadBase(false);
        throw EPictureBaseChanged(m_userStorage);
    }
    DeleteStorageItem(m_userStorage, record.entry);
    m_user.erase(m_user.begin() + static_cast<std::ptrdiff_t>(user));
    for (TStoredEntry &later : m_user)
        if (later.entry > record.entry)
            --later.entry;
    m_list->Remove(p, true);
    return true;
}

const TStoredEntry *TPictureBase::UserRecord(int p) const
{
    if (p < m_templateCount || p >= Count())
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
    return UserRecord(p) && m_list->IsDamaged(p);
}

void TPictureBase::CheckTemplateChoice(int p) const
{
    // A picture whose thumbnail is not made yet is found out now.
    if (UserRecord(p))
        m_list->MakeThumbnail(p);
    if (IsDamaged(p))
        throw EVantelleError(QCoreApplication::translate(
            "PictureBase", "This picture is damaged and cannot be used for a "
                           "popup. Choose another picture, or delete this one "
                           "with Remove"));
}

const TStoredEntry &TPictureBase::KnownEntry(int p)
{
    TStoredEntry &record = m_user[static_cast<size_t>(p - m_templateCount)];
    if (record.hash.isEmpty() && record.entry >= 0) {
        // The fingerprint of the bytes the cell's thumbnail was made from; a picture not shown
        // yet is made now. None (so nothing matches) when usr.stg changed under the list.
        m_list->MakeThumbnail(p);
        record.hash = m_list->Fingerprint(p);
    }
    return record;
}

void TPictureBase::OnDamageFound(int p, const QString &failure)
{
    if (p < m_templateCount) {
        // Found after start-up (the grid's first templates are checked before it shows): told
        // with the codec's message as at start-up, and taken out of the list once every
        // thumbnail is known, when the cache has been written with it.
        ++m_failedTemplates;
        if (m_reportDamage)
            m_found.push_back(
                {true, m_list->Entry(p).entry,
                 EntryMessage(m_templateStorage, m_list->Entry(p).entry,
                              failure.isEmpty() ? DecodeFailure(m_list->Bytes(p)) : failure)});
        ScheduleLeaving();
        return;
    }
    if (!m_reportDamage)
        return;
    const TStoredEntry *record = UserRecord(p);
    if (!record || record->entry < 0)
        return;
    // Known from the cache: decoded again for the codec's message.
    const QString why = failure.isEmpty() ? DecodeFailure(m_list->Bytes(p)) : failure;
    m_found.push_back(
        {false, record->entry, EntryMessage(m_userStorage, record->entry, why) + DamagedSuffix()});
}

void TPictureBase::ScheduleLeaving()
{
    if (m_failedTemplates == 0 || m_leaving || !m_list->ThumbnailsKnown())
        return;
    m_leaving = true;
    // After the thumbnail just made has been cached with the others.
    QMetaObject::invokeMethod(
        m_list.get(),
        [this] {
            if (m_leaving)
                RemoveFailedTemplates();
        },
        Qt::QueuedConnection);
}

void TPictureBase::RemoveFailedTemplates()
{
    m_leaving = false;
    m_failedTemplates = 0;
    for (int p = m_templateCount; p-- > 0;)
        if (m_list->IsDamaged(p)) {
            m_list->Remove(p, false);
            --m_templateCount;
            if (m_templateLeft)
                m_templateLeft(p);
        }
}

QStringList TPictureBase::TakeDamageMessages()
{
    // The templates first, each container in the order of its entries.
    std::stable_sort(m_found.begin(), m_found.end(), [](const TFound &a, const TFound &b) {
        return a.templ != b.templ ? a.templ : a.entry < b.entry;
    });
    QStringList messages;
    for (const TFound &found : m_found)
        messages << found.message;
    m_found.clear();
    return messages;
}

bool TPictureBase::HasDamageMessages() const
{
    return !m_found.empty();
}

bool TPictureBase::PicturesKnown() const
{
    return m_list->ThumbnailsKnown();
}

QStringList TPictureBase::WaitForPictures()
{
    m_list->RequestAllThumbnails();
    m_list->Finish();
    RemoveFailedTemplates();
    return TakeDamageMessages();
}
