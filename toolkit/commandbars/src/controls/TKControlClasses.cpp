// The classes a control type makes.
#include "commandbars/TKControlClasses.h"

TK_IMPLEMENT_LAYOUT_CLASS(CTKControlComboBox, CTKControl)
TK_IMPLEMENT_LAYOUT_CLASS(CTKControlToolbars, CTKControlButton)
