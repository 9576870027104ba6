#pragma once

// A small site made by a test: pages three folders deep, with and without markers, another
// popup, markers that do not pair, a read-only page, odd body tags, LF, CR LF and a byte-order
// mark, a hidden folder, a link that leads out of the site and one that leads to a page in it.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <map>

namespace MadeSite {

inline void Write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

inline QByteArray Read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// A small site: pages three folders deep, with and without markers, another popup, markers
// that do not pair, a read-only page, odd body tags, LF, CR LF and a byte-order mark, a hidden
// folder and a link that leads out of the site.
struct TMadeSite {
    QTemporaryDir Root;
    QTemporaryDir Outside;
    QString Site;
    std::map<QString, QByteArray> Pages;

    TMadeSite()
    {
        Site = Root.path() + QStringLiteral("/site");
        Pages = {
            {"index.html", "<!DOCTYPE html>\n<html><body>\n<h1>Home</h1>\n</body></html>\n"},
            {"about.htm", "<html>\r\n<BODY class=\"x>y\">\r\n<p>About</p>\r\n</BODY>\r\n</html>"},
            {"bom.html", "\xEF\xBB\xBF<html><body onload='go(\"<body>\")'>\nbom\n</body></html>\n"},
            {"marked.html", "<html><body>\n<!-- POPUP --><!-- END -->\n<p>ready</p></body>\n"},
            {"shop/index.html", "<html><!-- <body> --><body>\nshop\n</body></html>\n"},
            {"shop/other.html",
             "<html><body><!-- POPUP --><script src=\"../ads/script.js\"></script><!-- END -->"
             "\n</body></html>\n"},
            {"shop/bad.html", "<html><body><!-- POPUP --><p>x</p><!-- END --></body></html>\n"},
            {"shop/locked.html", "<html><body>locked</body></html>\n"},
            {"shop/a/b/deep.html", "<html>\n<body>\ndeep\n</body>\n</html>\n"},
            {"shop/a/nobody.html", "<p>no body tag, no final line end</p>"},
            {".hidden/secret.html", "<html><body>hidden</body></html>\n"},
        };
        for (const auto &[page, bytes] : Pages)
            Write(Site + u'/' + page, bytes);
        Write(Outside.path() + QStringLiteral("/far.html"), "<html><body>far</body></html>\n");
        QFile::link(Outside.path(), Site + QStringLiteral("/shop/away"));
        QFile::link(Site + QStringLiteral("/index.html"), Site + QStringLiteral("/link.html"));
        QFile(Site + QStringLiteral("/shop/locked.html"))
            .setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    }
    QString Path(const QString &page) const { return Site + u'/' + page; }
};

} // namespace MadeSite
