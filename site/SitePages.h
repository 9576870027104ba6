#pragma once

// The pages of a site: every .htm and .html file in the site's folder and the folders below.
// Hidden folders and files (a name that starts with ".") are left out, and symbolic links are
// not followed: a link that leads out of the site is none of its pages, and a link that leads
// to a page or folder inside the site would only list the same page twice.

#include <QByteArray>
#include <QString>
#include <QStringList>

// Paths relative to site, with "/" between folders, in byte order of their names.
QStringList ListSitePages(const QString &site);

// Whether a page (relative path) matches a pattern: "*" stands for any characters but "/",
// "**" for any characters "/" included ("shop/**" is every page below shop/), "?" for one
// character but "/". A pattern without wildcards that names a folder ("shop" or "shop/")
// matches every page below it.
bool MatchesPagePattern(const QString &pattern, const QString &page);

// The pages that match one of include (every page when include is empty) and none of exclude.
QStringList FilterPages(const QStringList &pages, const QStringList &include,
                        const QStringList &exclude);

// The address of the popup's script.js as written in a page's script tag: relative from the
// page's folder to scriptFile, each name percent-encoded ("../popup/sale/script.js"). Both paths
// are absolute.
QByteArray RelativeScriptAddress(const QString &pageFile, const QString &scriptFile);

// The file an address in a page's script tag leads to (percent-decoded, relative to the page's
// folder, cleaned), or empty for an address with a scheme, a host or an absolute path.
QString ResolveScriptAddress(const QString &pageFile, const QByteArray &address);
