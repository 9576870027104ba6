#pragma once

// What the preview's browser module offers the program: one function, looked up by name once
// the module is loaded, that makes the browser view. The program drives the view through its
// "url" property, so it needs none of the browser engine's headers or libraries.

class QWidget;

class QObject;

#define VANTELLE_PREVIEW_CREATE "VantelleCreatePreviewBrowser"
// Starts the engine ahead of the view: a page of its own, without a view, loads an empty page;
// it is owned by owner.
#define VANTELLE_PREVIEW_WARM "VantelleWarmPreviewEngine"

extern "C" {
using TCreatePreviewBrowser = QWidget *(*)(QWidget *parent);
using TWarmPreviewEngine = void (*)(QObject *owner);
}
