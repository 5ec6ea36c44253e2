// The automation members of a markup context.
#include "TKMarkupContextInternalDispatch.h"

#include "common/TKImageManager.h"
#include "TKMarkupBrush.h"
#include "TKMarkupThickness.h"
#include "TKMarkupToolTipContext.h"
#include "TKMarkupType.h"
#include "TKMarkupValues.h"

BEGIN_DISPATCH_MAP(CTKMarkupContextInternalDispatch, CCmdTarget)
DISP_FUNCTION_ID(CTKMarkupContextInternalDispatch, "SetMethod", 1, SetMethod, VT_EMPTY,
                 VTS_DISPATCH VTS_BSTR)
DISP_FUNCTION_ID(CTKMarkupContextInternalDispatch, "CreateObject", 2, CreateObject, VT_DISPATCH,
                 VTS_BSTR)
DISP_FUNCTION_ID(CTKMarkupContextInternalDispatch, "CreateSolidBrush", 3, CreateSolidBrush,
                 VT_DISPATCH, VTS_I4)
DISP_FUNCTION_ID(CTKMarkupContextInternalDispatch, "CreateThickness", 4, CreateThickness,
                 VT_DISPATCH, VTS_I4 VTS_I4 VTS_I4 VTS_I4)
DISP_FUNCTION_ID(CTKMarkupContextInternalDispatch, "Parse", 5, Parse, VT_DISPATCH, VTS_BSTR)
DISP_FUNCTION_ID(CTKMarkupContextInternalDispatch, "SetHandler", 6, SetHandler, VT_EMPTY,
                 VTS_DISPATCH)
DISP_PROPERTY_EX_ID(CTKMarkupContextInternalDispatch, "EnableGdiPlus", 7, GetEnableGdiPlus,
                    SetEnableGdiPlus, VT_BOOL)
DISP_FUNCTION_ID(CTKMarkupContextInternalDispatch, "ValidateXML", 8, ValidateXML, VT_BSTR,
                 VTS_VARIANT)
DISP_PROPERTY_EX_ID(CTKMarkupContextInternalDispatch, "ToolTipContext", 39, GetToolTipContext,
                    SetNotSupported, VT_DISPATCH)
DISP_PROPERTY_EX_ID(CTKMarkupContextInternalDispatch, "Icons", 40, GetIcons, SetIcons, VT_DISPATCH)
DISP_FUNCTION_ID(CTKMarkupContextInternalDispatch, "FreezeUpdates", 41, FreezeUpdates, VT_EMPTY,
                 VTS_NONE)
DISP_FUNCTION_ID(CTKMarkupContextInternalDispatch, "UnfreezeUpdates", 42, UnfreezeUpdates, VT_EMPTY,
                 VTS_NONE)
END_DISPATCH_MAP()

CTKMarkupContextInternalDispatch::CTKMarkupContextInternalDispatch(CTKMarkupContext* pContext)
    : m_pContext(pContext) {
  EnableAutomation();
}

// While the context has scripts, what comes through here comes from them.
void CTKMarkupContextInternalDispatch::SetMethod(LPDISPATCH pObject, LPCWSTR lpszMethod) {
  if (m_pContext != nullptr)
    m_pContext->SetMethod(pObject, lpszMethod, m_pContext->GetScriptEngine() != nullptr);
}

void CTKMarkupContextInternalDispatch::SetHandler(LPDISPATCH pHandler) {
  if (m_pContext != nullptr)
    m_pContext->SetHandler(pHandler, m_pContext->GetScriptEngine() != nullptr);
}

LPDISPATCH CTKMarkupContextInternalDispatch::CreateObject(LPCWSTR lpszTag) {
  if (m_pContext == nullptr) return nullptr;
  CTKMarkupObject* pObject = m_pContext->CreateMarkupObject(FindMarkupType(lpszTag));
  // The new object's reference becomes the caller's IDispatch reference.
  return pObject != nullptr ? pObject->GetIDispatch(FALSE) : nullptr;
}

// The new value's reference becomes the caller's IDispatch reference.
LPDISPATCH CTKMarkupContextInternalDispatch::CreateSolidBrush(long nColor) {
  const DWORD clrValue = static_cast<DWORD>(nColor);
  const BYTE nAlpha = clrValue > 0xFFFFFF ? static_cast<BYTE>(clrValue >> 24) : 0xFF;
  return (new CTKMarkupSolidColorBrush(nAlpha, clrValue))->GetIDispatch(FALSE);
}

LPDISPATCH CTKMarkupContextInternalDispatch::CreateThickness(long nLeft, long nTop, long nRight,
                                                              long nBottom) {
  return (new CTKMarkupThickness(nLeft, nTop, nRight, nBottom))->GetIDispatch(FALSE);
}

LPDISPATCH CTKMarkupContextInternalDispatch::GetToolTipContext() {
  if (m_pContext == nullptr) return nullptr;
  CCmdTarget* pToolTips = dynamic_cast<CTKMarkupToolTipContext*>(m_pContext->GetToolTipRelay());
  return pToolTips != nullptr ? pToolTips->GetIDispatch(TRUE) : nullptr;
}

// Scripts call this while they run: the new tree must not close the engine
// that is running them, and text a script passes here runs no script.
LPDISPATCH CTKMarkupContextInternalDispatch::Parse(LPCWSTR lpszText) {
  if (m_pContext == nullptr) return nullptr;
  CTKMarkupObject* pRoot = m_pContext->Parse(lpszText, FALSE);
  return pRoot != nullptr ? pRoot->GetIDispatch(FALSE) : nullptr;
}

BOOL CTKMarkupContextInternalDispatch::GetEnableGdiPlus() {
  return m_pContext != nullptr && m_pContext->IsGdiPlusEnabled();
}

void CTKMarkupContextInternalDispatch::SetEnableGdiPlus(BOOL bEnable) {
  if (m_pContext != nullptr) m_pContext->SetGdiPlusEnabled(bEnable);
}

BSTR CTKMarkupContextInternalDispatch::ValidateXML(const VARIANT& text) {
  CString result = "No Text To Parse.";
  if (m_pContext != nullptr && V_VT(&text) != VT_EMPTY && V_VT(&text) != VT_NULL) {
    VARIANT value;
    VariantInit(&value);
    if (SUCCEEDED(VariantChangeType(&value, const_cast<VARIANT*>(&text), 0, VT_BSTR)))
      result = m_pContext->ValidateXML(V_BSTR(&value));
    VariantClear(&value);
  }
  return result.AllocSysString();
}

void CTKMarkupContextInternalDispatch::FreezeUpdates() {
  if (m_pContext != nullptr) m_pContext->FreezeUpdates();
}

void CTKMarkupContextInternalDispatch::UnfreezeUpdates() {
  if (m_pContext != nullptr) m_pContext->UnfreezeUpdates();
}

LPDISPATCH CTKMarkupContextInternalDispatch::GetIcons() {
  if (m_pContext == nullptr) return nullptr;
  return m_pContext->GetImageManager()->GetIDispatch(TRUE);
}

void CTKMarkupContextInternalDispatch::SetIcons(LPDISPATCH pIcons) {
  if (m_pContext == nullptr) return;
  m_pContext->SetImageManager(pIcons != nullptr ? ImageManagerFromDispatch(pIcons) : nullptr);
}
