// The dialog base that carries command bars: the command bars see its keys
// before the dialog manager does.
#pragma once

#include <afxwin.h>

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsSite.h"

template <class TBase>
class CTKDialogBase : public TBase {
 public:
  CTKDialogBase() : m_pCommandBars(nullptr) {}
  CTKDialogBase(UINT nIDTemplate, CWnd* pParentWnd = NULL)
      : TBase(nIDTemplate, pParentWnd), m_pCommandBars(nullptr) {}
  /// The command bars go before the dialog's own destruction.
  ~CTKDialogBase() override {
    if (m_pCommandBars != nullptr) m_pCommandBars->InternalRelease();
  }

  CTKCommandBars* GetCommandBars() const { return m_pCommandBars; }

  virtual BOOL CreateCommandBars(CRuntimeClass* pCommandBarsClass = RUNTIME_CLASS(CTKCommandBars)) {
    return TKCreateSiteCommandBars(this, pCommandBarsClass, m_pCommandBars);
  }
  virtual void SaveCommandBarsState(LPCTSTR pszProfileName) {
    TKSaveSiteCommandBarsState(m_pCommandBars, pszProfileName);
  }
  virtual void LoadCommandBarsState(LPCTSTR pszProfileName, BOOL bSilent = FALSE) {
    TKLoadSiteCommandBarsState(m_pCommandBars, pszProfileName, bSilent);
  }

  /// A key for a focused command-bar field goes to it untranslated; then the
  /// command bars, and the dialog's own filter only when they did not take it.
  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (TKIsKeyForCommandBarField(pMsg)) return FALSE;
    if (TKPreTranslateSiteMessage(m_pCommandBars, pMsg)) return TRUE;
    return TBase::PreTranslateMessage(pMsg);
  }

 protected:
  CTKCommandBars* m_pCommandBars;
};

class CTKDialog : public CTKDialogBase<CDialog> {
 public:
  CTKDialog() {}
  CTKDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL) : CTKDialogBase<CDialog>(nIDTemplate, pParentWnd) {}
};
