// The header control in each of its themes (filled in with the control).
#include "Gallery.h"

bool DrawHeaderPage(const GalleryContext&) { return true; }
