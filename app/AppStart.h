#pragma once

// What the program entry does around the window, shared with the GUI tests so that they start
// the window the way the program does.

#include <QString>

// Before the application object exists: the browser engine's needs (no sandbox as root; the
// shared GL contexts are made when the engine loads, see PreviewLoader).
void PrepareProcess();
// After the application object exists and before the window: the placeholder title that
// start-up replaces.
void SetInitialTitle();
// SIGTERM, SIGHUP and SIGINT (a log-out, kill, Ctrl+C) end the event loop the way closing the
// window does, but without questions: whatever runs after the loop (the window's clean-up)
// still runs. Call once, after the application object exists.
void EndOnSignals();

// The application title, the caption of the standard error box. It is kept apart from Qt's
// application display name, which Qt would append to every window title.
QString ApplicationTitle();
void SetApplicationTitle(const QString &text);
