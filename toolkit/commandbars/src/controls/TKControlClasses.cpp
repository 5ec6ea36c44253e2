// The classes a control type makes.
#include "commandbars/TKControlClasses.h"


IMPLEMENT_DYNCREATE(CTKControlComboBox, CTKControl)
IMPLEMENT_DYNCREATE(CTKControlEdit, CTKControl)
IMPLEMENT_DYNCREATE(CTKControlLabel, CTKControl)
IMPLEMENT_DYNCREATE(CTKControlCheckBox, CTKControlButton)
IMPLEMENT_DYNCREATE(CTKControlGallery, CTKControl)
IMPLEMENT_DYNCREATE(CTKControlRadioButton, CTKControlButton)
IMPLEMENT_DYNCREATE(CTKControlWindowList, CTKControlButton)
IMPLEMENT_DYNCREATE(CTKControlWorkspaceActions, CTKControlButton)
IMPLEMENT_DYNCREATE(CTKControlToolbars, CTKControlButton)
IMPLEMENT_DYNCREATE(CTKControlRecentFileList, CTKControlButton)
IMPLEMENT_DYNCREATE(CTKControlOleItems, CTKControlButton)
