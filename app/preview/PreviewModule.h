#pragma once

// What the preview's browser module offers the program: one function, looked up by name once
// the module is loaded, that makes the browser view. The program drives the view through its
// "url" property, so it needs none of the browser engine's headers or libraries.

class QWidget;

#define VANTELLE_PREVIEW_CREATE "VantelleCreatePreviewBrowser"

extern "C" {
using TCreatePreviewBrowser = QWidget *(*)(QWidget *parent);
}
