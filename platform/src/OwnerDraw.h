// The owner-draw messages a parent reflects back to a control object: each
// goes to the control's own virtual member, which a derived class overrides.
#pragma once

#include "afxwin.h"

/// WM_DRAWITEM to pControl->DrawItem, answering TRUE; FALSE for any other message.
template <class TControl>
BOOL ReflectDrawItem(TControl* pControl, UINT message, LPARAM lParam, LRESULT* pResult) {
  if (message != WM_DRAWITEM) return FALSE;
  pControl->DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
  if (pResult != NULL) *pResult = TRUE;
  return TRUE;
}

/// The four owner-draw messages of list and combo boxes to their members.
template <class TControl>
BOOL ReflectOwnerDraw(TControl* pControl, UINT message, LPARAM lParam, LRESULT* pResult) {
  LRESULT result = TRUE;
  switch (message) {
    case WM_DRAWITEM:
      return ReflectDrawItem(pControl, message, lParam, pResult);
    case WM_MEASUREITEM:
      pControl->MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
      break;
    case WM_COMPAREITEM:
      result = pControl->CompareItem(reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam));
      break;
    case WM_DELETEITEM:
      pControl->DeleteItem(reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
      break;
    default:
      return FALSE;
  }
  if (pResult != NULL) *pResult = result;
  return TRUE;
}
