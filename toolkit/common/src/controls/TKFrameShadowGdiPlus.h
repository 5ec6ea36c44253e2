// GDI+ for the frame shadows: started by the first shadow, shut down by the last.
#pragma once

/// Counts a user; the first starts GDI+ (without its background thread).
/// A failed start leaves the count as it was and returns false.
bool TKFrameShadowGdiPlusStartup();
/// Drops a user that a successful start counted; the last shuts GDI+ down.
void TKFrameShadowGdiPlusShutdown();
/// Whether GDI+ is running for the shadows.
bool TKFrameShadowGdiPlusRunning();
