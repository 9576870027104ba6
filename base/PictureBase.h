#pragma once

// The picture base on disk and in memory: the templates (img.stg), the user's own pictures
// (usr.stg) and the close-button pictures (cbs.stg). Headless; every failure is an exception or
// a message in a returned list, never a dialog.

#include "base/PictureList.h"
#include "imaging/PngObject.h"

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QLockFile;

// One entry as it was read: its number in the container and what its bytes were, so that a
// later change of the container by someone else can be noticed before anything is deleted.
struct TStoredEntry {
    int entry = 0;
    qint64 length = 0;
    QByteArray hash;
    // The bytes are there but do not make a picture the program can use.
    bool damaged = false;
    // For a picture added for this run only (entry -1): the bytes it was decoded from.
    QByteArray unsaved;

    bool sameBytes(const QByteArray &bytes) const;
};

// What one container yielded: the pictures, the entry each came from, and one message per
// entry that could not be used (or for damage that ended the reading).
struct TLoadedPictures {
    std::vector<std::unique_ptr<TPNGObject>> pictures;
    std::vector<TStoredEntry> entries;
    QStringList errors;
    // The container exists but the system would not let it be read (the message is in errors).
    bool unreadable = false;
};

enum class TDamagedEntries {
    Skip, // reported and left out
    Keep, // reported and kept as an empty picture marked damaged, so it can still be removed
};

// Reads every entry of container in order. An entry that does not decode, or decodes to a
// picture that cannot be converted, is reported naming the container and the entry number;
// damage to the container itself ends the reading, keeping the entries before it. A missing
// container yields nothing and no message. With createAlpha each picture is given the alpha it
// shows (close buttons).
TLoadedPictures LoadContainerPictures(const QString &container, bool createAlpha = false,
                                      TDamagedEntries damaged = TDamagedEntries::Skip);

// Decodes a file the user chose with Load...: a file too large for a container entry or
// without the PNG signature is refused before the rest of it is read.
std::unique_ptr<TPNGObject> ReadUserPictureFile(const QString &file);

// Rebuilds img.stg from programFolder + "Resources/Templates/1.png" .. "100.png" and cbs.stg from
// "Resources/CloseButtons/1.png" .. "101.png", skipping missing numbers. programFolder ends in a
// separator.
void UpdatePictureBase(const QString &programFolder, const QString &templateStorage,
                       const QString &closeButtonStorage);

// Raised by Remove when usr.stg no longer holds the bytes the cell was read from; the list has
// been read again by then.
class EPictureBaseChanged : public EVantelleError {
public:
    explicit EPictureBaseChanged(const QString &userStorage);
};

// The picture list and usr.stg kept in step: every user picture remembers the usr.stg entry it
// came from and what that entry held, so that removing the picture a cell shows deletes exactly
// that entry, or nothing when the file changed under the program. One copy of the program at a
// time may change a base: the first to load it holds a lock file beside usr.stg until it ends.
// The base owns its picture list: the templates first, then the user's pictures; nothing is
// kept decoded but the thumbnails and the few pictures asked for last.
class TPictureBase {
public:
    // Thumbnails are thumbnailSize device pixels, cached in cacheFolder (empty: no cache).
    TPictureBase(QString templateStorage, QString userStorage, QString cacheFolder = QString(),
                 QSize thumbnailSize = QSize(125, 125));
    ~TPictureBase();
    TPictureBase(const TPictureBase &) = delete;
    TPictureBase &operator=(const TPictureBase &) = delete;

    // Fills the list with img.stg's pictures, then usr.stg's; returns what the user should be
    // told at once: a container that is damaged or cannot be read, and once that the base is in
    // use elsewhere. The templates' thumbnails are there when it returns (from the cache, else
    // made now, see SetShownFirst); the user's pictures are only located: their thumbnails come
    // from the cache when usr.stg is as it was, else they are made as the grid asks (and all of
    // them once RequestAllThumbnails is asked). A template or user picture that does not decode
    // is reported when it is found (TakeDamageMessages); such a template is left out. No full
    // picture stays decoded.
    QStringList Load();
    // How many pictures the grid shows before it is scrolled: on a first start only these
    // templates' thumbnails are made by Load, the rest after it (RequestAllThumbnails). A
    // template found then not to decode is told by TakeDamageMessages and taken out of the list
    // once every thumbnail is known; templateLeft is told its index. Every one by default.
    void SetShownFirst(int count, std::function<void(int)> templateLeft = {})
    {
        m_shownFirst = count;
        m_templateLeft = std::move(templateLeft);
    }
    // The messages about user pictures that do not decode found since the last call (each one
    // once, in the order of their entries), and whether there are any.
    QStringList TakeDamageMessages();
    bool HasDamageMessages() const;
    // Whether every picture's thumbnail is known, so that no more damage will be found.
    bool PicturesKnown() const;
    // Makes every thumbnail not known yet and returns TakeDamageMessages (tests, tools).
    QStringList WaitForPictures();
    // The pictures, the templates first; the grid draws from it.
    TPictureList &List() noexcept { return *m_list; }
    int Count() const { return m_list->Count(); }
    int TemplateCount() const noexcept { return m_templateCount; }
    // Picture p decoded (or the copy kept from a recent decode), or null for a damaged entry,
    // an index past the end, or a user picture whose usr.stg entry no longer holds what it held
    // at start-up (changed by another program).
    std::shared_ptr<const TPNGObject> Picture(int p);
    // False while another copy of the program holds the base: Load... and Remove are off.
    bool CanChange() const noexcept { return m_inUse.isEmpty(); }
    // Why Load... and Keep are refused now (the base is in use elsewhere, or usr.stg could not
    // be read at start-up), or empty while they may store a picture.
    const QString &StoringRefusal() const noexcept
    {
        return m_inUse.isEmpty() ? m_unreadable : m_inUse;
    }
    // Checks, decodes and renders file at side x side the way a template is used, and only then
    // stores it as the last usr.stg entry; returns the new picture's index in the list.
    int AddUserPicture(const QString &file, int side);
    // Appends a picture for this run only (the template of a design from elsewhere), decoded
    // from bytes; it is not written to usr.stg unless KeepPicture is asked to. Returns its index
    // in the list.
    int AddUnsavedPicture(const QByteArray &bytes);
    // Whether the list element p was added for this run only.
    bool IsUnsaved(int p) const;
    // Stores the picture at p that was added for this run only as the last usr.stg entry,
    // exactly the bytes it came from; from then on it is a user picture like any other. False
    // (nothing changes) when p is not such a picture.
    bool KeepPicture(int p);
    // Removes the user picture at index p and its usr.stg entry (a picture added for this run
    // has none); false (nothing changes) for a template or an index past the end. Raises
    // EPictureBaseChanged when the entry no longer holds what the cell shows.
    bool RemovePicture(int p);
    // The usr.stg entry of the user picture at index p, or -1 for a template.
    int UserEntry(int p) const;
    // Whether the list element p is a user entry found not to decode.
    bool IsDamaged(int p) const;
    // Raises the reason why p cannot be the popup's template, if it cannot (decoding a picture
    // not looked at yet).
    void CheckTemplateChoice(int p) const;

private:
    QStringList LoadBase(bool reportDamage);
    // User picture p's record with the fingerprint of what its cell shows, worked out now if
    // it was not yet (an empty one matches nothing).
    const TStoredEntry &KnownEntry(int p);
    void OnDamageFound(int p, const QString &failure);
    // Takes the templates found not to decode out of the list, once every thumbnail is known.
    void ScheduleLeaving();
    void RemoveFailedTemplates();
    const TStoredEntry *UserRecord(int p) const;
    void RefuseChange() const;
    // RefuseChange, and also while usr.stg could not be read at start-up.
    void RefuseStoring() const;
    // Runs append, which adds one entry to usr.stg, and returns what that entry now holds.
    TStoredEntry StoreUserEntry(const std::function<void()> &append);

    std::unique_ptr<TPictureList> m_list;
    int m_templateCount = 0;
    // The list's index of usr.stg.
    int m_userContainer = -1;
    QString m_templateStorage;
    QString m_userStorage;
    // The fingerprints are empty until KnownEntry works them out.
    std::vector<TStoredEntry> m_user;
    // Damage found and not yet taken: whose entry (a template's or a user picture's), and the
    // message.
    struct TFound {
        bool templ = false;
        int entry = 0;
        QString message;
    };
    std::vector<TFound> m_found;
    int m_shownFirst = -1;
    std::function<void(int)> m_templateLeft;
    // A removal of templates that do not decode is on its way.
    bool m_leaving = false;
    // Templates found not to decode after Load, still in the list.
    int m_failedTemplates = 0;
    bool m_reportDamage = false;
    std::unique_ptr<QLockFile> m_lock;
    bool m_lockTried = false;
    // Why Load... and Remove are off (another copy holds the base), or empty.
    QString m_inUse;
    // Why Load... is off (usr.stg could not be read at start-up), or empty.
    QString m_unreadable;
};
