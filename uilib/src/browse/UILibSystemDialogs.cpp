// CUILibSystem: the common file dialogs.
#include "uilib/UILibSystem.h"

BOOL CUILibSystem::GetOpenFileName(OPENFILENAMEA* pInfo) { return ::GetOpenFileNameA(pInfo); }

BOOL CUILibSystem::GetSaveFileName(OPENFILENAMEA* pInfo) { return ::GetSaveFileNameA(pInfo); }
