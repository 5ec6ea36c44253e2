// Keyboard tips: the small letter labels over the controls of a bar while it
// is worked from the keyboard; typing a tip's letters executes its control.
#pragma once

#include <afxtempl.h>
#include <afxwin.h>

class CTKCommandBars;

/// One tip window. The command bars own it while it is shown.
class CTKCommandBarKeyboardTip : public CWnd {
 public:
  /// Alignment of the tip on its anchor; 0 puts its top-left corner there.
  enum { kAlignCenterX = 1, kAlignRight = 2, kAlignCenterY = 4, kAlignBottom = 8 };

  /// `pOwner` is the control or the bar the tip stands for; the anchor is in
  /// the tip window's parent client coordinates for a control, on the screen
  /// for a bar.
  CTKCommandBarKeyboardTip(CTKCommandBars* pCommandBars, CCmdTarget* pOwner, LPCTSTR lpszCaption,
                           int x, int y, DWORD dwAlign, BOOL bEnabled);

  CString m_strTip;         ///< the letters shown and typed
  CString m_strCaption;     ///< the owner's caption, the source of letters
  CString m_strDefaultTip;  ///< stands for the mnemonic letter when set
  CCmdTarget* m_pOwner;
  CPoint m_pt;
  BOOL m_bEnabled;  ///< a disabled tip is drawn translucent and cannot be executed
  BOOL m_bVisible;
  CTKCommandBars* m_pCommandBars;
  DWORD m_dwAlign;
  BOOL m_bPreset;  ///< the text was set by the creator and is used as it is

 protected:
  afx_msg void OnPaint();
  DECLARE_MESSAGE_MAP()
};

/// The tips the command bars show now, the window they are shown for, their
/// level (0 none, nested tips count up) and how many letters were typed.
class CTKKeyboardTips {
 public:
  CTKKeyboardTips() = default;
  ~CTKKeyboardTips() { RemoveAll(); }
  CTKKeyboardTips(const CTKKeyboardTips&) = delete;
  CTKKeyboardTips& operator=(const CTKKeyboardTips&) = delete;

  int GetCount() const { return static_cast<int>(m_tips.GetSize()); }
  CTKCommandBarKeyboardTip* GetAt(int nIndex) const { return m_tips[nIndex]; }
  /// Takes over a new tip.
  void Add(CTKCommandBarKeyboardTip* pTip) { m_tips.Add(pTip); }
  /// Destroys and deletes one tip.
  void RemoveAt(int nIndex);
  /// Destroys and deletes every tip and forgets the window, level and letters.
  void RemoveAll();

  CWnd* m_pWnd = nullptr;
  int m_nLevel = 0;
  int m_nTyped = 0;

 private:
  CArray<CTKCommandBarKeyboardTip*, CTKCommandBarKeyboardTip*> m_tips;
};

/// Makes every tip's text (preset ones stay) and unique among the tips:
/// tips without a caption are removed; a shared first letter gets a second
/// one from the caption, or a running digit.
void AFX_CDECL TKAssignKeyboardTipTexts(CTKKeyboardTips& tips);
