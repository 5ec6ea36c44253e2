// The process-wide switch that lets themed frames use desktop composition.
#pragma once

#include <windows.h>

/// TRUE at start. With FALSE a frame hook that attaches afterwards never
/// draws its frame on glass, even where the desktop window manager composes:
/// a program whose ribbon draws the caption switches it off first.
void AFX_CDECL TKSetAllowDwmFrame(BOOL bAllow);
BOOL AFX_CDECL TKIsDwmFrameAllowed();
