#pragma once

// Text drawing needs a GUI application (offscreen); tests that compose pictures call this first.
void EnsureGuiApp();
