// The accessibility defaults and the run-time bound OLEACC calls.
#include "common/TKAccessible.h"

namespace {

const HMODULE kUnavailable = reinterpret_cast<HMODULE>(static_cast<LONG_PTR>(-1));

// A VARIANT that refers to itself (directly or around a loop) names nothing.
const int kMaxVariantReferences = 16;

}  // namespace

CTKAccessible::CTKAccessible()
    : m_strOleAccModule("oleacc.dll"),
      m_pfnNotifyWinEvent(nullptr),
      m_pfnLresultFromObject(nullptr),
      m_pfnAccessibleObjectFromWindow(nullptr),
      m_hUser32(NULL),
      m_hOleAcc(NULL) {}

CTKAccessible::~CTKAccessible() {
  if (m_hOleAcc != NULL && m_hOleAcc != kUnavailable) ::FreeLibrary(m_hOleAcc);
}

HRESULT CTKAccessible::GetAccessibleParent(IDispatch**) { return E_NOTIMPL; }
HRESULT CTKAccessible::GetAccessibleChildCount(long*) { return E_NOTIMPL; }
HRESULT CTKAccessible::GetAccessibleChild(VARIANT, IDispatch**) { return E_NOTIMPL; }
HRESULT CTKAccessible::GetAccessibleName(VARIANT, BSTR*) { return E_NOTIMPL; }
HRESULT CTKAccessible::GetAccessibleValue(VARIANT, BSTR*) { return E_NOTIMPL; }
HRESULT CTKAccessible::GetAccessibleDescription(VARIANT, BSTR*) { return E_NOTIMPL; }
HRESULT CTKAccessible::GetAccessibleRole(VARIANT, VARIANT*) { return E_NOTIMPL; }
HRESULT CTKAccessible::GetAccessibleState(VARIANT, VARIANT*) { return E_NOTIMPL; }
HRESULT CTKAccessible::GetAccessibleHelp(VARIANT, BSTR*) { return E_NOTIMPL; }
HRESULT CTKAccessible::GetAccessibleHelpTopic(BSTR*, VARIANT, long*) { return E_NOTIMPL; }
HRESULT CTKAccessible::GetAccessibleKeyboardShortcut(VARIANT, BSTR*) { return E_NOTIMPL; }
HRESULT CTKAccessible::GetAccessibleFocus(VARIANT*) { return S_FALSE; }
HRESULT CTKAccessible::GetAccessibleSelection(VARIANT*) { return S_FALSE; }
HRESULT CTKAccessible::GetAccessibleDefaultAction(VARIANT, BSTR*) { return E_NOTIMPL; }
HRESULT CTKAccessible::AccessibleSelect(long, VARIANT) { return E_NOTIMPL; }
HRESULT CTKAccessible::AccessibleLocation(long*, long*, long*, long*, VARIANT) { return E_NOTIMPL; }
HRESULT CTKAccessible::AccessibleNavigate(long, VARIANT, VARIANT*) { return E_NOTIMPL; }
HRESULT CTKAccessible::AccessibleHitTest(long, long, VARIANT*) { return E_NOTIMPL; }
HRESULT CTKAccessible::AccessibleDoDefaultAction(VARIANT) { return E_NOTIMPL; }
HRESULT CTKAccessible::PutAccessibleName(VARIANT, BSTR) { return E_NOTIMPL; }
HRESULT CTKAccessible::PutAccessibleValue(VARIANT, BSTR) { return E_NOTIMPL; }
CCmdTarget* CTKAccessible::GetAccessibleCmdTarget() { return nullptr; }

long CTKAccessible::GetChildIndex(const VARIANT* pvarChild) {
  for (int depth = 0; pvarChild != nullptr && depth < kMaxVariantReferences; ++depth) {
    switch (pvarChild->vt) {
      case VT_EMPTY:
        return 0;
      case VT_I2:
        return pvarChild->iVal;
      case VT_I4:
        return pvarChild->lVal;
      case VT_BYREF | VT_I2:
        return pvarChild->piVal ? *pvarChild->piVal : -1;
      case VT_BYREF | VT_I4:
        return pvarChild->plVal ? *pvarChild->plVal : -1;
      case VT_BYREF | VT_VARIANT:
        pvarChild = pvarChild->pvarVal;
        break;
      default:
        return -1;
    }
  }
  return -1;
}

void CTKAccessible::NotifyWinEvent(DWORD event, HWND hWnd, LONG idObject, LONG idChild) {
  if (m_hUser32 == kUnavailable) return;
  if (m_hUser32 == NULL) m_hUser32 = ::GetModuleHandleA("user32.dll");
  if (m_pfnNotifyWinEvent == nullptr && m_hUser32 != NULL) {
    m_pfnNotifyWinEvent =
        reinterpret_cast<PFNNOTIFYWINEVENT>(::GetProcAddress(m_hUser32, "NotifyWinEvent"));
  }
  if (m_pfnNotifyWinEvent == nullptr) {
    m_hUser32 = kUnavailable;
    return;
  }
  m_pfnNotifyWinEvent(event, hWnd, idObject, idChild);
}

BOOL CTKAccessible::BindOleAcc(FARPROC* ppfn, LPCSTR lpszName) {
  if (m_hOleAcc == kUnavailable) return FALSE;
  if (m_hOleAcc == NULL) m_hOleAcc = ::LoadLibraryA(m_strOleAccModule);
  if (m_hOleAcc == NULL) {
    m_hOleAcc = kUnavailable;
    return FALSE;
  }
  if (*ppfn == nullptr) *ppfn = ::GetProcAddress(m_hOleAcc, lpszName);
  if (*ppfn != nullptr) return TRUE;
  // One missing entry point disables both calls of this object.
  ::FreeLibrary(m_hOleAcc);
  m_hOleAcc = kUnavailable;
  m_pfnLresultFromObject = nullptr;
  m_pfnAccessibleObjectFromWindow = nullptr;
  return FALSE;
}

HRESULT CTKAccessible::AccessibleObjectFromWindow(HWND hWnd, DWORD dwObjectId, REFIID riid,
                                                  void** ppvObject) {
  if (!BindOleAcc(reinterpret_cast<FARPROC*>(&m_pfnAccessibleObjectFromWindow),
                  "AccessibleObjectFromWindow"))
    return E_FAIL;
  return m_pfnAccessibleObjectFromWindow(hWnd, dwObjectId, riid, ppvObject);
}

LRESULT CTKAccessible::LresultFromObject(REFIID riid, WPARAM wParam, LPUNKNOWN punk) {
  if (!BindOleAcc(reinterpret_cast<FARPROC*>(&m_pfnLresultFromObject), "LresultFromObject"))
    return E_FAIL;
  return m_pfnLresultFromObject(riid, wParam, punk);
}
