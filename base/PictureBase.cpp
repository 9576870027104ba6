#include "base/PictureBase.h"

#include "base/FileStorage.h"

#include <QFile>
#include <QFileInfo>

TLoadedPictures LoadContainerPictures(const QString &container, bool createAlpha)
{
    TLoadedPictures loaded;
    QFile file(container);
    // A missing or unreadable container is an empty one.
    if (!file.open(QIODevice::ReadOnly))
        return loaded;
    for (int entry = 0;; ++entry) {
        TStorageItem item;
        try {
            item = LocateStorageItem(container, entry);
        } catch (const EVantelleError &e) {
            loaded.errors << e.message();
            break;
        }
        if (item.Offset == 0)
            break;
        try {
            if (!file.seek(item.Offset))
                throw EFileError(file.errorString());
            const QByteArray bytes = file.read(item.Length);
            auto picture = std::make_unique<TPNGObject>();
            picture->loadFromData(bytes);
            if (createAlpha)
                picture->createAlpha();
            loaded.pictures.push_back(std::move(picture));
            loaded.entries.push_back(entry);
        } catch (const EVantelleError &e) {
            loaded.errors << e.message();
        } catch (const std::exception &e) {
            loaded.errors << QString::fromLocal8Bit(e.what());
        }
    }
    return loaded;
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

TPictureBase::TPictureBase(std::vector<std::unique_ptr<TPNGObject>> &pictureList,
                           int &templateCount, QString templateStorage, QString userStorage)
    : m_pictures(pictureList), m_templateCount(templateCount),
      m_templateStorage(std::move(templateStorage)), m_userStorage(std::move(userStorage))
{
}

QStringList TPictureBase::Load()
{
    m_pictures.clear();
    m_userEntries.clear();
    TLoadedPictures templates = LoadContainerPictures(m_templateStorage);
    TLoadedPictures user = LoadContainerPictures(m_userStorage);
    m_templateCount = static_cast<int>(templates.pictures.size());
    for (auto &picture : templates.pictures)
        m_pictures.push_back(std::move(picture));
    for (auto &picture : user.pictures)
        m_pictures.push_back(std::move(picture));
    m_userEntries = std::move(user.entries);
    return templates.errors + user.errors;
}

int TPictureBase::AddUserPicture(const QString &file)
{
    // Decoded before anything is stored, so usr.stg never gains an entry that start-up could not
    // read back.
    auto picture = std::make_unique<TPNGObject>();
    picture->loadFromFile(file);
    // Counting walks the whole container, so a damaged one stops the add before it is written.
    int entry = 0;
    while (LocateStorageItem(m_userStorage, entry).Offset != 0)
        ++entry;
    AppendStorageItem(m_userStorage, file);
    m_pictures.push_back(std::move(picture));
    m_userEntries.push_back(entry);
    return static_cast<int>(m_pictures.size()) - 1;
}

bool TPictureBase::RemovePicture(int p)
{
    if (p < m_templateCount || p >= static_cast<int>(m_pictures.size()))
        return false;
    const size_t user = static_cast<size_t>(p - m_templateCount);
    const int entry = m_userEntries[user];
    DeleteStorageItem(m_userStorage, entry);
    m_pictures.erase(m_pictures.begin() + p);
    m_userEntries.erase(m_userEntries.begin() + static_cast<std::ptrdiff_t>(user));
    for (int &later : m_userEntries)
        if (later > entry)
            --later;
    return true;
}

int TPictureBase::UserEntry(int p) const
{
    if (p < m_templateCount || p >= static_cast<int>(m_pictures.size()))
        return -1;
    return m_userEntries[static_cast<size_t>(p - m_templateCount)];
}
