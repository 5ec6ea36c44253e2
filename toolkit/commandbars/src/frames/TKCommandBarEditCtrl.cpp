// CTKCommandBarEditCtrl: the run-time class the sites test the focus against.
#include "commandbars/TKCommandBarEditCtrl.h"

IMPLEMENT_DYNAMIC(CTKCommandBarEditCtrl, CEdit)
