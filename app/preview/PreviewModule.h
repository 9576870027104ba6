#pragma once

// What the preview's browser module offers the program: functions looked up by name once the
// module is loaded. The program drives the view and the page through their "url" properties,
// so it needs none of the browser engine's headers or libraries.

class QObject;
class QUrl;
class QWidget;

// Makes the browser view; it shows page (made by VANTELLE_PREVIEW_PAGE, and then owned by the
// view) when page is not null.
#define VANTELLE_PREVIEW_CREATE "VantelleCreatePreviewBrowser"
// Starts the engine ahead of the view: a page of its own, without a view, owned by owner. It
// loads nothing; the caller gives it an address.
#define VANTELLE_PREVIEW_PAGE "VantelleCreatePreviewPage"
// Has a view, or a page made ahead of its view, load url: at once, or when the empty page under
// way has loaded (the newest address given in the meantime wins).
#define VANTELLE_PREVIEW_LOAD "VantelleLoadPreview"

extern "C" {
using TCreatePreviewBrowser = QWidget *(*)(QWidget *parent, QObject *page);
using TCreatePreviewPage = QObject *(*)(QObject *owner);
using TLoadPreview = void (*)(QObject *target, const QUrl &url);
}
