// CTKPaintManager: the global paint manager and the base answers of a theme.
#include "commandbars/TKPaintManager.h"

#include "commandbars/TKControl.h"
#include "common/TKDpiHelper.h"

namespace {

CTKPaintManager* g_pGlobal = nullptr;
int g_nGlobalRefs = 0;
CTKPaintManager::PFNCREATEDEFAULT g_pfnCreateDefault = nullptr;
CTKPaintManager::PFNCREATEBYID g_pfnCreateById = nullptr;

}  // namespace

CTKPaintManager::CTKPaintManager()
    : m_pfnSetLayeredWindowAttributes(nullptr),
      m_nSplitButtonDropDownWidth(11),
      m_bShowShadow(TRUE),
      m_bEnableAnimation(FALSE),
      m_bAllowStatusBarInFrame(FALSE),
      m_nAnimationSteps(10),
      m_nAnimationTime(100),
      m_iconsInfo{FALSE, TRUE, FALSE} {
  HMODULE hUser32 = ::GetModuleHandleA("user32.dll");
  if (hUser32 != NULL)
    m_pfnSetLayeredWindowAttributes = reinterpret_cast<PFNSETLAYEREDWINDOWATTRIBUTES>(
        reinterpret_cast<void*>(::GetProcAddress(hUser32, "SetLayeredWindowAttributes")));
}

CTKPaintManager::~CTKPaintManager() = default;

void AFX_CDECL CTKPaintManager::AddRefGlobal() {
  if (g_pGlobal == nullptr && g_pfnCreateDefault != nullptr) g_pGlobal = g_pfnCreateDefault();
  ++g_nGlobalRefs;
}

void AFX_CDECL CTKPaintManager::ReleaseGlobal() {
  if (g_nGlobalRefs == 0 || --g_nGlobalRefs != 0) return;
  SetGlobal(nullptr);
}

CTKPaintManager* AFX_CDECL CTKPaintManager::GetGlobal() { return g_pGlobal; }

int AFX_CDECL CTKPaintManager::GetGlobalRefCount() { return g_nGlobalRefs; }

void AFX_CDECL CTKPaintManager::SetGlobal(CTKPaintManager* pPaintManager) {
  CTKPaintManager* pOld = g_pGlobal;
  g_pGlobal = pPaintManager;
  if (pOld != nullptr && pOld != pPaintManager) pOld->InternalRelease();
}

void AFX_CDECL CTKPaintManager::SetDefaultThemeFactory(PFNCREATEDEFAULT pfnCreate) {
  g_pfnCreateDefault = pfnCreate;
}

void AFX_CDECL CTKPaintManager::SetThemeByIdFactory(PFNCREATEBYID pfnCreate) {
  g_pfnCreateById = pfnCreate;
}

CTKPaintManager* AFX_CDECL CTKPaintManager::CreateThemeById(int nTheme) {
  return g_pfnCreateById != nullptr ? g_pfnCreateById(nTheme) : nullptr;
}

COLORREF CTKPaintManager::GetControlEditBackColor(CTKControl* pControl) {
  return GetIndexedColor(pControl != nullptr && !pControl->GetEnabled() ? 15 : 5);
}

void CTKPaintManager::GetSplitButtonCommandRect(CRect& rc, CTKControl*) {
  rc.right -= m_nSplitButtonDropDownWidth;
}

CRect CTKPaintManager::GetCommandBarBorders(CTKCommandBar*) {
  const int cx = TKDpiHelper()->ScaleX(2);
  const int cy = TKDpiHelper()->ScaleY(2);
  return CRect(cx, cy, cx, cy);
}

CSize CTKPaintManager::GetAutoIconSize(BOOL bLarge) const {
  return bLarge ? CSize(32, 32) : CSize(16, 16);
}

int CTKPaintManager::GetControlHeight() const {
  LOGFONT lf = {};
  if (m_fontRegular.GetSafeHandle() == NULL ||
      ::GetObject(m_fontRegular.GetSafeHandle(), sizeof(lf), &lf) == 0)
    return 22;
  return lf.lfHeight * 190 / 96;
}

void AFX_CDECL CTKPaintManager::StripMnemonics(CString& str) {
  CString strResult;
  for (int i = 0; i < str.GetLength(); ++i) {
    if (str[i] != '&') {
      strResult += str[i];
    } else if (i + 1 < str.GetLength() && str[i + 1] == '&') {
      strResult += '&';
      ++i;
    }
  }
  str = strResult;
}

void CTKPaintManager::DrawTextComposited(CDC* pDC, const CString& strText, CRect rc,
                                         UINT nFormat, BOOL) {
  pDC->DrawText(strText, rc, nFormat);
}

void CTKPaintManager::MakeRectOpaque(CDC*, CRect) {}
