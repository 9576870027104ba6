#include "app/preview/PreviewModule.h"

#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

// A page that loads one address at a time. The engine does not reliably take a new address
// while it is still committing the one before: a file given while the warm-up's empty page was
// still loading was seen to end with the empty page and the file never loaded (on a busy
// machine). So an address given during a load waits for that load to end; the newest one wins.
class TPreviewPage : public QWebEnginePage {
public:
    explicit TPreviewPage(QObject *owner) : QWebEnginePage(owner)
    {
        connect(this, &QWebEnginePage::loadFinished, this, [this] { LoadEnded(); });
        // A load whose end is never announced (the page's process gone) must not hold the
        // next address back for good.
        m_stuck.setSingleShot(true);
        m_stuck.setInterval(5000);
        connect(&m_stuck, &QTimer::timeout, this, [this] { LoadEnded(); });
    }

    void Load(const QUrl &url)
    {
        if (m_loading) {
            m_next = url;
            return;
        }
        m_loading = true;
        m_stuck.start();
        setUrl(url);
    }

private:
    void LoadEnded()
    {
        m_loading = false;
        m_stuck.stop();
        if (m_next.isValid()) {
            const QUrl next = m_next;
            m_next = QUrl();
            Load(next);
        }
    }

    bool m_loading = false;
    QUrl m_next;
    QTimer m_stuck;
};

} // namespace

extern "C" Q_DECL_EXPORT QWidget *VantelleCreatePreviewBrowser(QWidget *parent, QObject *page)
{
    auto *view = new QWebEngineView(parent);
    auto *ahead = dynamic_cast<TPreviewPage *>(page);
    // A page that is a child of its view goes with the view.
    if (!ahead)
        ahead = new TPreviewPage(view);
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
