// Layout runs and script calls for the layout tests.
#include "SupportLayout.h"

#include <gtest/gtest.h>

#include "markup/TKMarkupDrawingContext.h"

CTKMarkupUIElement* CLayoutRun::Parse(const std::wstring& text) {
  m_root.Assign(ParseForTest(m_context, text, &m_error));
  return Root();
}

CTKMarkupUIElement* CLayoutRun::Layout(const std::wstring& text, int nWidth, int nHeight,
                                       int nFinalWidth, int nFinalHeight) {
  if (Parse(text) == nullptr) return nullptr;
  Relayout(nWidth, nHeight, nFinalWidth, nFinalHeight);
  return Root();
}

void CLayoutRun::Relayout(int nWidth, int nHeight, int nFinalWidth, int nFinalHeight) {
  CTKMarkupDrawingContext dc(m_context);
  Root()->Measure(&dc, nWidth, nHeight);
  Root()->Arrange(CRect(0, 0, nFinalWidth >= 0 ? nFinalWidth : nWidth,
                        nFinalHeight >= 0 ? nFinalHeight : nHeight));
}

CTKMarkupUIElement* CLayoutRun::Element(LPCWSTR lpszName) const {
  if (Root() == nullptr) return nullptr;
  return MarkupCast<CTKMarkupUIElement>(Root()->FindName(lpszName));
}

CRect CLayoutRun::RectOf(LPCWSTR lpszName) const {
  CTKMarkupUIElement* pElement = Element(lpszName);
  return pElement != nullptr ? pElement->GetFinalRect() : CRect(-1, -1, -1, -1);
}

HRESULT InvokeMember(CTKMarkupObject* pObject, LPCWSTR lpszName, WORD wFlags, VARIANT* pArgs,
                     int nArgs, VARIANT* pResult) {
  IDispatch* pDispatch = pObject->GetIDispatch(FALSE);
  LPOLESTR pszName = const_cast<LPOLESTR>(lpszName);
  DISPID dispid = 0;
  HRESULT hr = pDispatch->GetIDsOfNames(IID_NULL, &pszName, 1, LOCALE_USER_DEFAULT, &dispid);
  if (FAILED(hr)) return hr;
  DISPPARAMS params = {pArgs, nullptr, static_cast<UINT>(nArgs), 0};
  DISPID named = DISPID_PROPERTYPUT;
  if (wFlags == DISPATCH_PROPERTYPUT) {
    params.rgdispidNamedArgs = &named;
    params.cNamedArgs = 1;
  }
  VariantInit(pResult);
  EXCEPINFO info = {};
  hr = pDispatch->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, wFlags, &params, pResult, &info,
                         nullptr);
  SysFreeString(info.bstrSource);
  SysFreeString(info.bstrDescription);
  SysFreeString(info.bstrHelpFile);
  return hr;
}
