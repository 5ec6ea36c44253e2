// CTKMDIFrameWnd: the MDI frame that carries command bars.
#include "commandbars/TKFrameWnd.h"

IMPLEMENT_DYNCREATE(CTKMDIFrameWnd, CMDIFrameWnd)
