#pragma once

// Starts one offscreen QGuiApplication for tests that draw text or use fonts; later calls
// reuse it.
void EnsureGuiApp();
