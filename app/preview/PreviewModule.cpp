#include "app/preview/PreviewModule.h"

#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

bool IsBlank(const QUrl &url)
{
    return url == QUrl(QStringLiteral("about:blank"));
}

// A page that does not lose an address given while it loads the empty page. The engine commits
// the empty page in a way of its own: a file given while the warm-up's (or a clearing's) empty
// page was still loading was seen to end with the empty page and the file never loaded, on a
// busy machine. So an address given then waits until the empty page has loaded (the newest one
// given wins); any other load under way is simply replaced, so that an older preview still
// loading never shows.
class TPreviewPage : public QWebEnginePage {
public:
    explicit TPreviewPage(QObject *owner) : QWebEnginePage(owner)
    {
        // The empty page's own end: a load it replaced may still report its end (failed)
        // after the empty page was asked for.
        connect(this, &QWebEnginePage::loadFinished, this, [this](bool ok) {
            if (ok && IsBlank(url()))
                BlankEnded();
        });
        // An end that is never announced (the page's process gone) must not hold the next
        // address back for good.
        m_stuck.setSingleShot(true);
        m_stuck.setInterval(3000);
        connect(&m_stuck, &QTimer::timeout, this, [this] { BlankEnded(); });
    }

    void Load(QUrl url)
    {
        if (m_blankLoading) {
            m_next = url;
            return;
        }
        m_next = QUrl();
        m_blankLoading = IsBlank(url);
        if (m_blankLoading)
            m_stuck.start();
        setUrl(url);
    }

private:
    void BlankEnded()
    {
        if (!m_blankLoading)
            return;
        m_blankLoading = false;
        m_stuck.stop();
        if (m_next.isValid())
            Load(m_next);
    }

    bool m_blankLoading = false;
    QUrl m_next;
    QTimer m_stuck;
};

} // namespace

extern "C" Q_DECL_EXPORT QWidget *VantelleCreatePreviewBrowser(QWidget *parent, QObject *page)
{
    auto *view = new QWebEngineView(parent);
    auto *ahead = dynamic_cast<TPreviewPage *>(page);
    if (!ahead)
        ahead = new TPreviewPage(view);
    // A page that is a child of its view goes with the view.
    ahead->setParent(view);
    view->setPage(ahead);
    return view;
}

extern "C" Q_DECL_EXPORT QObject *VantelleCreatePreviewPage(QObject *owner)
{
    return new TPreviewPage(owner);
}

extern "C" Q_DECL_EXPORT void VantelleLoadPreview(QObject *target, const QUrl &url)
{
    TPreviewPage *page = nullptr;
    if (auto *view = dynamic_cast<QWebEngineView *>(target))
        page = dynamic_cast<TPreviewPage *>(view->page());
    else
        page = dynamic_cast<TPreviewPage *>(target);
    if (page)
        page->Load(url);
    else if (target)
        target->setProperty("url", url);
}
