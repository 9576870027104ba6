#include "site/SitePages.h"

#include "imaging/VantelleError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QUrl>

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

namespace {

bool HasPageExtension(const char *name, size_t length)
{
    const auto endsWith = [&](const char *ext, size_t n) {
        return length > n && strncasecmp(name + length - n, ext, n) == 0;
    };
    return endsWith(".htm", 4) || endsWith(".html", 5);
}

// Walks one folder: pages are added to pages, folders walked in name order. relative is the
// folder's path from the site, "" or ending in "/".
void WalkFolder(const std::string &folder, const std::string &relative,
                std::vector<std::string> &pages)
{
    DIR *dir = opendir(folder.c_str());
    if (!dir)
        return; // a folder that cannot be read holds no pages we could change
    std::vector<std::string> folders;
    const size_t firstPage = pages.size();
    while (const dirent *entry = readdir(dir)) {
        const char *name = entry->d_name;
        if (name[0] == '.')
            continue;
        unsigned char type = entry->d_type;
        if (type == DT_UNKNOWN) {
            struct stat info {};
            if (lstat((folder + '/' + name).c_str(), &info) != 0)
                continue;
            type = S_ISDIR(info.st_mode) ? DT_DIR : S_ISREG(info.st_mode) ? DT_REG : DT_LNK;
        }
        if (type == DT_DIR)
            folders.emplace_back(name);
        else if (type == DT_REG && HasPageExtension(name, std::strlen(name)))
            pages.push_back(relative + name);
    }
    closedir(dir);
    std::sort(pages.begin() + static_cast<std::ptrdiff_t>(firstPage), pages.end());
    std::sort(folders.begin(), folders.end());
    for (const std::string &name : folders)
        WalkFolder(folder + '/' + name, relative + name + '/', pages);
}

// Matches text[t..] against pattern[p..]; "**" may span "/".
bool GlobMatch(const QString &pattern, qsizetype p, const QString &text, qsizetype t)
{
    while (p < pattern.size()) {
        const QChar c = pattern[p];
        if (c == u'*') {
            const bool anyDepth = p + 1 < pattern.size() && pattern[p + 1] == u'*';
            qsizetype next = p + (anyDepth ? 2 : 1);
            // "**/" also matches no folder at all ("shop/**/a.htm" matches "shop/a.htm").
            if (anyDepth && next < pattern.size() && pattern[next] == u'/' &&
                GlobMatch(pattern, next + 1, text, t))
                return true;
            while (next < pattern.size() && pattern[next] == u'*')
                ++next;
            for (qsizetype k = t; k <= text.size(); ++k) {
                if (GlobMatch(pattern, next, text, k))
                    return true;
                if (k < text.size() && !anyDepth && text[k] == u'/')
                    return false;
            }
            return false;
        }
        if (t >= text.size())
            return false;
        if (c == u'?' ? text[t] == u'/' : c != text[t])
            return false;
        ++p;
        ++t;
    }
    return t == text.size();
}

} // namespace

QStringList ListSitePages(const QString &site)
{
    const QString root = QDir(site).canonicalPath();
    if (root.isEmpty() || !QFileInfo(root).isDir())
        throw EVantelleError(
            QCoreApplication::translate("SitePublisher", "The site folder \"%1\" does not exist")
                .arg(site));
    std::vector<std::string> pages;
    WalkFolder(QFile::encodeName(root).toStdString(), std::string(), pages);
    QStringList result;
    result.reserve(static_cast<qsizetype>(pages.size()));
    for (const std::string &page : pages)
        result << QFile::decodeName(QByteArray::fromStdString(page));
    return result;
}

bool MatchesPagePattern(const QString &pattern, const QString &page)
{
    QString p = pattern;
    while (p.startsWith(QLatin1String("./")))
        p.remove(0, 2);
    if (p.isEmpty())
        return false;
    const bool wild = p.contains(u'*') || p.contains(u'?');
    if (!wild) {
        if (p == page)
            return true;
        const QString folder = p.endsWith(u'/') ? p : p + u'/';
        return page.startsWith(folder);
    }
    return GlobMatch(p, 0, page, 0);
}

QStringList FilterPages(const QStringList &pages, const QStringList &include,
                        const QStringList &exclude)
{
    QStringList result;
    for (const QString &page : pages) {
        const auto matches = [&](const QString &pattern) {
            return MatchesPagePattern(pattern, page);
        };
        if (!include.isEmpty() && std::none_of(include.begin(), include.end(), matches))
            continue;
        if (std::any_of(exclude.begin(), exclude.end(), matches))
            continue;
        result << page;
    }
    return result;
}

QByteArray RelativeScriptAddress(const QString &pageFile, const QString &scriptFile)
{
    const QString relative = QDir(QFileInfo(pageFile).absolutePath()).relativeFilePath(scriptFile);
    QByteArray address;
    for (const QString &name : relative.split(u'/')) {
        if (!address.isEmpty())
            address += '/';
        address += QUrl::toPercentEncoding(name);
    }
    return address;
}

QString ResolveScriptAddress(const QString &pageFile, const QByteArray &address)
{
    QByteArray path = address.trimmed();
    for (const char stop : {'?', '#'})
        if (const qsizetype cut = path.indexOf(stop); cut >= 0)
            path.truncate(cut);
    if (path.isEmpty() || path.startsWith('/') || path.contains(':'))
        return QString();
    const QString decoded = QUrl::fromPercentEncoding(path);
    return QDir::cleanPath(QFileInfo(pageFile).absolutePath() + u'/' + decoded);
}
