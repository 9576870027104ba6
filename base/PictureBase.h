#pragma once

// The picture base on disk and in memory: the templates (img.stg), the user's own pictures
// (usr.stg) and the close-button pictures (cbs.stg). Headless; every failure is an exception or
// a message in a returned list, never a dialog.

#include "imaging/PngObject.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// What one container yielded: the pictures that decoded, the entry index each came from, and one
// message per entry that did not decode (or for damage that ended the reading).
struct TLoadedPictures {
    std::vector<std::unique_ptr<TPNGObject>> pictures;
    std::vector<int> entries;
    QStringList errors;
};

// Decodes every entry of container in order. An entry that does not decode is skipped and
// reported; damage to the container itself ends the reading, keeping the entries before it. A
// missing container yields nothing and no message. With createAlpha each picture is given an
// alpha channel right after decoding.
TLoadedPictures LoadContainerPictures(const QString &container, bool createAlpha = false);

// Rebuilds img.stg from programFolder + "Resources/Templates/1.png" .. "100.png" and cbs.stg from
// "Resources/CloseButtons/1.png" .. "101.png", skipping missing numbers. programFolder ends in a
// separator.
void UpdatePictureBase(const QString &programFolder, const QString &templateStorage,
                       const QString &closeButtonStorage);

// PictureList and usr.stg kept in step: every user picture remembers the usr.stg entry it came
// from, so that removing the picture a cell shows deletes exactly that entry, even when entries
// before it failed to decode at start-up.
class TPictureBase {
public:
    TPictureBase(std::vector<std::unique_ptr<TPNGObject>> &pictureList, int &templateCount,
                 QString templateStorage, QString userStorage);

    // Fills the list with img.stg's pictures, then usr.stg's; returns the messages of what could
    // not be read.
    QStringList Load();
    // Decodes file first and stores it as the last usr.stg entry only when it decodes; returns
    // the new picture's index in the list.
    int AddUserPicture(const QString &file);
    // Removes the user picture at index p and its usr.stg entry; false (nothing changes) for a
    // template or an index past the end.
    bool RemovePicture(int p);
    // The usr.stg entry of the user picture at index p, or -1 for a template.
    int UserEntry(int p) const;

private:
    std::vector<std::unique_ptr<TPNGObject>> &m_pictures;
    int &m_templateCount;
    QString m_templateStorage;
    QString m_userStorage;
    std::vector<int> m_userEntries;
};
