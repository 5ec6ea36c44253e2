// Scroll bars: every paint manager in every state (filled in with the themes).
#include "Gallery.h"

bool DrawScrollBarsPage(const GalleryContext&) { return true; }
