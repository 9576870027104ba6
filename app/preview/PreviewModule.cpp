#include "app/preview/PreviewModule.h"

#include <QWebEnginePage>
#include <QWebEngineView>

extern "C" Q_DECL_EXPORT QWidget *VantelleCreatePreviewBrowser(QWidget *parent)
{
    return new QWebEngineView(parent);
}

extern "C" Q_DECL_EXPORT void VantelleWarmPreviewEngine(QObject *owner)
{
    auto *page = new QWebEnginePage(owner);
    page->setObjectName(QStringLiteral("PreviewWarmUp"));
    page->setUrl(QUrl(QStringLiteral("about:blank")));
}
