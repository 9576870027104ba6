#pragma once

// What the preview's browser module offers the program: functions looked up by name once the
// module is loaded. The program drives the view and the page through their "url" properties,
// so it needs none of the browser engine's headers or libraries.

class QObject;
class QUrl;
class QWidget;

// Makes the browser view; it shows page (made by VANTELLE_PREVIEW_PAGE, and then owned by the
// view) when page is not null. A page with a view made ahead (VANTELLE_PREVIEW_AHEAD) that has
// drawn the page's last address, or never more than the empty page, gets that view, moved into
// parent; any other may still hold an older picture: the page and its view are then deleted,
// and a view with a page of its own is made instead.
#define VANTELLE_PREVIEW_CREATE "VantelleCreatePreviewBrowser"
// Makes a view of page (made by VANTELLE_PREVIEW_PAGE, which keeps its owner) in a window of its
// own that is never put on screen: each time the page has loaded the address it was last given,
// the view is shown there, so that the engine draws the page at the view's size. The caller owns
// the view until VANTELLE_PREVIEW_CREATE takes it.
#define VANTELLE_PREVIEW_AHEAD "VantelleCreatePreviewAhead"
// Starts the engine ahead of the view: a page of its own, without a view, owned by owner. It
// loads nothing; the caller gives it an address.
#define VANTELLE_PREVIEW_PAGE "VantelleCreatePreviewPage"
// Has a view, or a page made ahead of its view, load url: at once, or when the empty page under
// way has loaded (the newest address given in the meantime wins).
#define VANTELLE_PREVIEW_LOAD "VantelleLoadPreview"

extern "C" {
using TCreatePreviewBrowser = QWidget *(*)(QWidget *parent, QObject *page);
using TCreatePreviewPage = QObject *(*)(QObject *owner);
using TCreatePreviewAhead = QWidget *(*)(QObject *page);
using TLoadPreview = void (*)(QObject *target, const QUrl &url);
}
