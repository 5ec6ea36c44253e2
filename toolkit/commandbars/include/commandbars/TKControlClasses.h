// The classes a control type makes. Most of them still behave as plain
// controls here; each grows its own behaviour in its own time.
#pragma once

#include "commandbars/TKControl.h"

/// The push button of tool bars and the plain item of menus.
class CTKControlButton : public CTKControl {
  DECLARE_DYNCREATE(CTKControlButton)
 public:
  CTKControlButton();
  void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;
  void OnLButtonUp(CPoint pt) override;
  /// Holds the button pressed while the mouse button is down, repeating the
  /// command every execute-on-press interval when it has one; an empty
  /// rectangle is the control's.
  virtual void TrackExecuteOnPress(CRect rc);

  /// The repeat timer of the parent bar's window.
  static constexpr UINT_PTR kTimerExecuteOnPress = 4269;

 protected:
  /// Sends the command as a run of the press loop does.
  void SendPressCommand(CWnd* pSite);

 public:
  // Saved layout (src/persist/TKControlExchange.cpp)
  void DoPropExchange(CTKPropExchange* pPX) override;
};

/// Pop-up, button pop-up and split-button pop-up: a control with a bar.
class CTKControlPopup : public CTKControlButton {
  DECLARE_DYNCREATE(CTKControlPopup)
 public:
  CTKControlPopup();
  ~CTKControlPopup() override;
  /// A new pop-up of type 2, 3 or 4.
  static CTKControlPopup* AFX_CDECL CreateOfType(int nType);
  CTKCommandBar* GetCommandBar() const override { return m_pCommandBar; }
  /// Takes over the caller's reference to the bar.
  void SetCommandBar(CTKCommandBar* pBar);
  /// Makes the bar when there is none and fills it from the menu.
  void SetCommandBarMenu(CMenu* pMenu);
  BOOL IsPopupOpen() const override { return m_bPopup; }
  void ExpandOpenPopup();
  void SetControlShadow(BOOL bShadow) { m_bControlShadow = bShadow; }

  CString GetCaption() const override;
  void OnUnderlineActivate() override;
  void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;
  void OnLButtonUp(CPoint pt) override;
  void OnMouseMove(CPoint pt) override;
  void OnMouseHover() override;
  BOOL SetSelected(int nSelected) override;
  BOOL OnSetPopup(BOOL bPopup) override;
  BOOL OnLButtonDblClk(CPoint pt) override;
  BOOL Compare(CTKControl* pOther) override;
  void Copy(CTKControl* pSource, BOOL bRecursive = FALSE) override;

  /// The paint manager moves the border part that touches the control.
  virtual void AdjustExcludeRect(CRect& rc, BOOL bVertical);
  /// The pop-up opened: the control's rectangle may share its shadow.
  virtual void OnPopupOpened();

 protected:
  BOOL IsSplitCommandPart(CPoint pt);

  BOOL m_bPopup;
  CTKCommandBar* m_pCommandBar;
  int m_nPopupBarId;
  BOOL m_bControlShadow;

 public:
  // Saved layout (src/persist/TKControlExchange.cpp)
  /// "CommandBarId": the bar id of the pop-up bar, which a load finds again
  /// among the loaded bars.
  void DoPropExchange(CTKPropExchange* pPX) override;
  void RestoreCommandBarList(CTKLayoutBars& bars) override;
};

#define TK_DECLARE_CONTROL_CLASS(theClass, baseClass) \
  class theClass : public baseClass {                 \
    DECLARE_DYNCREATE(theClass)                       \
  };


// Menu placeholders, labels, links and check boxes
#include "commandbars/TKControlLabels.h"
#include "commandbars/TKControlLists.h"

// The edit field, the gallery and the combo box have pairs of their own.
#include "commandbars/TKControlComboBox.h"
#include "commandbars/TKControlEdit.h"
#include "commandbars/TKControlGallery.h"
