// The dialog base that carries command bars: the command bars see its keys
// before the dialog manager does.
#pragma once

#include <afxwin.h>

#include "commandbars/TKFrameWnd.h"

template <class TBase>
class CTKDialogBase : public CTKCommandBarsSiteBase<TBase> {
 public:
  CTKDialogBase() = default;
  CTKDialogBase(UINT nIDTemplate, CWnd* pParentWnd = NULL)
      : CTKCommandBarsSiteBase<TBase>(nIDTemplate, pParentWnd) {}

  /// A key for a focused command-bar field goes to it untranslated; then the
  /// command bars, and the dialog's own filter only when they did not take it.
  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (TKIsKeyForCommandBarField(pMsg)) return FALSE;
    if (TKPreTranslateSiteMessage(this->m_pCommandBars, pMsg)) return TRUE;
    return TBase::PreTranslateMessage(pMsg);
  }
};

class CTKDialog : public CTKDialogBase<CDialog> {
 public:
  CTKDialog() = default;
  CTKDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL)
      : CTKDialogBase<CDialog>(nIDTemplate, pParentWnd) {}
};
