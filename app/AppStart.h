#pragma once

// What the program entry does around the window, shared with the GUI tests so that they start
// the window the way the program does.

// Before the application object exists: the browser engine's needs (no sandbox as root, shared
// GL contexts).
void PrepareProcess();
// After the application object exists and before the window: the placeholder title that
// start-up replaces.
void SetInitialTitle();
