#include "app/preview/PreviewModule.h"

#include <QPointer>
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
            if (ok && !m_blankLoading && url() == m_last)
                LastLoaded();
        });
        // An end that is never announced (the page's process gone) must not hold the next
        // address back for good.
        m_stuck.setSingleShot(true);
        m_stuck.setInterval(3000);
        connect(&m_stuck, &QTimer::timeout, this, [this] { BlankEnded(); });
    }

    void Load(QUrl url)
    {
        // Hidden while it loads: shown, the view would have the engine draw the empty page and
        // every step of the load in the window's thread.
        m_last = url;
        m_drawn = false;
        if (m_viewAhead)
            m_viewAhead->hide();
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

    void SetViewAhead(QWidget *view) { m_viewAhead = view; }
    QWidget *ViewAhead() const { return m_viewAhead; }
    // The view made ahead has been shown since the page loaded its last address, or has only
    // ever been shown the empty page: it holds no picture older than the page's last address.
    bool Drawn() const { return m_viewAhead && (m_drawn || !m_drewPreview); }
    void TakeViewAhead() { m_viewAhead = nullptr; }

private:
    void LastLoaded()
    {
        if (!m_viewAhead)
            return;
        // The empty page is not worth drawing, but the view's first showing sets up its drawing
        // once, while the engine starts, rather than when the first preview has loaded.
        if (IsBlank(m_last) && m_aheadShown)
            return;
        m_aheadShown = true;
        m_viewAhead->show();
        m_drawn = !IsBlank(m_last);
        m_drewPreview = m_drewPreview || m_drawn;
    }

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
    // The address given last, and whether the view made ahead has been shown with it loaded.
    QUrl m_last;
    bool m_drawn = false;
    bool m_aheadShown = false;
    bool m_drewPreview = false;
    QPointer<QWidget> m_viewAhead;
    QTimer m_stuck;
};

} // namespace

extern "C" Q_DECL_EXPORT QWidget *VantelleCreatePreviewBrowser(QWidget *parent, QObject *page)
{
    auto *ahead = dynamic_cast<TPreviewPage *>(page);
    if (ahead && ahead->Drawn()) {
        QWidget *view = ahead->ViewAhead();
        ahead->TakeViewAhead();
        view->hide();
        view->setParent(parent);
        view->setAttribute(Qt::WA_DontShowOnScreen, false);
        view->setAttribute(Qt::WA_QuitOnClose);
        ahead->setParent(view);
        return view;
    }
    if (ahead && ahead->ViewAhead()) {
        // What the page drew last may be older than what it loads now: it goes, with its view.
        delete ahead->ViewAhead();
        delete ahead;
        ahead = nullptr;
    }
    auto *view = new QWebEngineView(parent);
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

extern "C" Q_DECL_EXPORT QWidget *VantelleCreatePreviewAhead(QObject *page)
{
    auto *ahead = dynamic_cast<TPreviewPage *>(page);
    if (!ahead)
        return nullptr;
    QObject *owner = ahead->parent();
    auto *view = new QWebEngineView;
    view->setAttribute(Qt::WA_DontShowOnScreen);
    // Never on screen, it is no window the program waits for to be closed.
    view->setAttribute(Qt::WA_QuitOnClose, false);
    view->setPage(ahead);
    ahead->setParent(owner);
    ahead->SetViewAhead(view);
    return view;
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
