#include "app/preview/PreviewModule.h"

#include <QWebEngineView>

extern "C" Q_DECL_EXPORT QWidget *VantelleCreatePreviewBrowser(QWidget *parent)
{
    return new QWebEngineView(parent);
}
