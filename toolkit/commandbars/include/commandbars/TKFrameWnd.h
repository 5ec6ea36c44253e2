// The frame bases that carry command bars: the site template that owns them
// and puts them into the frame's key flow (a dialog's, TKDialog.h, takes
// them in another order), the frame template that hands the accelerators to
// their shortcut manager, and the MDI frame built on both.
#pragma once

#include <afxwin.h>

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsSite.h"

template <class TBase>
class CTKCommandBarsSiteBase : public TBase {
 public:
  CTKCommandBarsSiteBase() = default;
  /// The base's constructors (a dialog's template id and parent).
  using TBase::TBase;
  /// The command bars go before the window's own destruction.
  ~CTKCommandBarsSiteBase() override {
    if (m_pCommandBars != nullptr) m_pCommandBars->InternalRelease();
  }

  CTKCommandBars* GetCommandBars() const { return m_pCommandBars; }

  /// Replaces the command bars with a new object of the class (the
  /// application passes CTKCommandBars'); FALSE when none can be made.
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
  /// frame's own filter, then the command bars'.
  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (TKIsKeyForCommandBarField(pMsg)) return FALSE;
    if (TBase::PreTranslateMessage(pMsg)) return TRUE;
    return TKPreTranslateSiteMessage(m_pCommandBars, pMsg);
  }

 protected:
  CTKCommandBars* m_pCommandBars = nullptr;
};

template <class TBase>
class CTKFrameWndBase : public CTKCommandBarsSiteBase<TBase> {
 public:
  /// Once the frame stands, a shortcut manager that holds accelerators is the
  /// only one to translate them: the frame's own table is dropped.
  BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                 CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL) override {
    if (!TBase::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext)) return FALSE;
    CTKCommandBars* pCommandBars = this->m_pCommandBars;
    if (pCommandBars != nullptr && pCommandBars->GetShortcutManager()->HasOriginalAccelerators())
      this->m_hAccelTable = NULL;
    return TRUE;
  }
};

class CTKMDIFrameWnd : public CTKFrameWndBase<CMDIFrameWnd> {
  DECLARE_DYNCREATE(CTKMDIFrameWnd)

 public:
  CTKMDIFrameWnd() {}
};
