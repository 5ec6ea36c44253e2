// The small buttons of a tab strip: scroll arrows and close buttons, owned by
// the strip or by one of its tabs, each with its own capture loop while held.
#pragma once

#include <afxwin.h>

#include <vector>

class CTKTabManager;
class CTKTabManagerItem;

/// Ids of the strip's own buttons.
enum TKTabNavigateButtonId { tkTabButtonLeft = 0, tkTabButtonRight = 1, tkTabButtonClose = 2 };
/// When a button shows.
enum TKTabNavigateDisplay { tkTabButtonNever = 0, tkTabButtonAuto = 1, tkTabButtonAlways = 2 };

class CTKTabManagerNavigateButton {
 public:
  CTKTabManagerNavigateButton(CTKTabManager* pManager, int nId, int nDisplayMode);
  /// Clears the strip's hot button when it is this one.
  virtual ~CTKTabManagerNavigateButton();

  /// Takes the button's extent along the strip from `nLength` when it shows.
  virtual void ReserveSpace(int& nLength);
  virtual CSize GetSize() const;
  /// The capture loop of a press; see the source for the messages it ends on.
  virtual void PerformClick(HWND hWnd, CPoint point);
  /// Places the button at the far end of `rcRemaining` and takes it from there.
  virtual void Reposition(CRect& rcRemaining);
  /// The glyph, in `clr`, outlined when not enabled.
  virtual void Draw(CDC* pDC, CRect rc, COLORREF clr, BOOL bEnabled) = 0;
  /// bRepeat: once per repeat while held; otherwise the accepted release.
  virtual void OnExecute(BOOL bRepeat);

  BOOL IsHighlighted() const;
  BOOL IsItemHighlighted() const;
  BOOL IsItemSelected() const;
  BOOL IsStripButton() const { return m_pItem == NULL; }
  BOOL IsManagerActive() const;
  void Paint(CDC* pDC);

  int GetId() const { return m_nId; }
  int GetDisplayMode() const { return m_nDisplayMode; }
  CTKTabManager* GetManager() const { return m_pManager; }
  CTKTabManagerItem* GetItem() const { return m_pItem; }
  void SetItem(CTKTabManagerItem* pItem) { m_pItem = pItem; }
  const CRect& GetRect() const { return m_rc; }
  void SetRect(const CRect& rc) { m_rc = rc; }
  BOOL IsEnabled() const { return m_bEnabled; }
  void SetEnabled(BOOL bEnabled) { m_bEnabled = bEnabled; }
  BOOL IsPressed() const { return m_bPressed; }
  const CString& GetTooltip() const { return m_strToolTip; }
  void SetTooltip(const CString& str) { m_strToolTip = str; }

 protected:
  /// The base placement rule, for the arrows' own.
  void PlaceAtEnd(CRect& rcRemaining);

  int m_nId;
  int m_nDisplayMode;
  CTKTabManager* m_pManager;
  CRect m_rc;
  BOOL m_bEnabled = TRUE;
  BOOL m_bPressed = FALSE;
  CString m_strToolTip;
  CTKTabManagerItem* m_pItem = NULL;

 private:
  CTKTabManagerNavigateButton(const CTKTabManagerNavigateButton&) = delete;
  CTKTabManagerNavigateButton& operator=(const CTKTabManagerNavigateButton&) = delete;
};

/// A list of buttons that owns them: emptying it or destroying it deletes them.
class CTKTabManagerNavigateButtons {
 public:
  CTKTabManagerNavigateButtons() = default;
  ~CTKTabManagerNavigateButtons() { RemoveAll(); }
  void Add(CTKTabManagerNavigateButton* pButton) { m_buttons.push_back(pButton); }
  void RemoveAll();
  int GetSize() const { return static_cast<int>(m_buttons.size()); }
  CTKTabManagerNavigateButton* GetAt(int nIndex) const { return m_buttons[nIndex]; }
  CTKTabManagerNavigateButton* operator[](int nIndex) const { return m_buttons[nIndex]; }

 private:
  CTKTabManagerNavigateButtons(const CTKTabManagerNavigateButtons&) = delete;
  CTKTabManagerNavigateButtons& operator=(const CTKTabManagerNavigateButtons&) = delete;
  std::vector<CTKTabManagerNavigateButton*> m_buttons;
};
