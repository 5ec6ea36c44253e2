// The classes a control type makes.
#include "commandbars/TKControlClasses.h"

IMPLEMENT_DYNCREATE(CTKControlComboBox, CTKControl)
IMPLEMENT_DYNCREATE(CTKControlEdit, CTKControl)
IMPLEMENT_DYNCREATE(CTKControlGallery, CTKControl)
IMPLEMENT_DYNCREATE(CTKControlToolbars, CTKControlButton)
