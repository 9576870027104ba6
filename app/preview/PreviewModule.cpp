#include "app/preview/PreviewModule.h"

#include <QWebEnginePage>
#include <QWebEngineView>

extern "C" Q_DECL_EXPORT QWidget *VantelleCreatePreviewBrowser(QWidget *parent, QObject *page)
{
    auto *view = new QWebEngineView(parent);
    if (auto *ahead = qobject_cast<QWebEnginePage *>(page)) {
        // A page that is a child of its view goes with the view.
        ahead->setParent(view);
        view->setPage(ahead);
    }
    return view;
}

extern "C" Q_DECL_EXPORT QObject *VantelleCreatePreviewPage(QObject *owner)
{
    return new QWebEnginePage(owner);
}
