// The automation object of a markup context, "MarkupContext" to scripts.
// Private to the context.
#pragma once

#include "markup/TKMarkupContext.h"

/// Holds the context without a reference; the context detaches it when it goes,
/// after which every member does nothing.
class CTKMarkupContextInternalDispatch : public CCmdTarget {
 public:
  explicit CTKMarkupContextInternalDispatch(CTKMarkupContext* pContext);
  void Detach() { m_pContext = nullptr; }

 protected:
  void SetMethod(LPDISPATCH pObject, LPCWSTR lpszMethod);
  void SetHandler(LPDISPATCH pHandler);
  LPDISPATCH CreateObject(LPCWSTR lpszTag);
  LPDISPATCH CreateSolidBrush(long nColor);
  LPDISPATCH CreateThickness(long nLeft, long nTop, long nRight, long nBottom);
  LPDISPATCH Parse(LPCWSTR lpszText);
  /// The tooltip context showing the elements' tips, with a reference; null
  /// when the context has none.
  LPDISPATCH GetToolTipContext();
  BOOL GetEnableGdiPlus();
  void SetEnableGdiPlus(BOOL bEnable);
  BSTR ValidateXML(const VARIANT& text);
  LPDISPATCH GetIcons();
  void SetIcons(LPDISPATCH pIcons);
  void FreezeUpdates();
  void UnfreezeUpdates();
  DECLARE_DISPATCH_MAP()

 private:
  CTKMarkupContext* m_pContext;
};
