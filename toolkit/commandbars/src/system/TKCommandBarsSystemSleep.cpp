// CTKCommandBarsSystem: the pause between the steps of a pop-up animation.
#include "commandbars/TKCommandBarsSystem.h"

void CTKCommandBarsSystem::Sleep(DWORD dwMilliseconds) { ::Sleep(dwMilliseconds); }
