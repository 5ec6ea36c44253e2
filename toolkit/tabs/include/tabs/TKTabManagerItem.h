// One tab of a strip: a counted command target with its caption, colour,
// state, the rectangle layout gave it and its own close button.
#pragma once

#include <afxwin.h>

#include "tabs/TKTabManagerNavigateButton.h"

class CTKTabManager;
class CTKMarkupUIElement;
class CTKImageManagerIcon;

/// Automatic item colours are this plus 0..7.
const COLORREF kTKTabAutomaticColor = 0x1000000;

class CTKTabManagerItem : public CCmdTarget {
 public:
  CTKTabManagerItem();
  ~CTKTabManagerItem() override;

  virtual CString GetCaption() const;
  /// Repositions the strip only when the flag changes.
  virtual void SetVisible(BOOL bVisible);
  /// Deletes the item's own buttons.
  virtual void OnRemoved();

  /// Stores a new text, parses it as markup when the strip has a context,
  /// and repositions the strip.
  void SetCaption(LPCTSTR lpszCaption);
  const CString& GetRawCaption() const { return m_strCaption; }
  void Select();
  BOOL IsEnabled() const { return m_bEnabled; }
  void SetEnabled(BOOL bEnabled) { m_bEnabled = bEnabled; }
  BOOL IsVisible() const { return m_bVisible; }
  BOOL IsSelected() const;
  BOOL IsHighlighted() const;
  BOOL IsPressed() const;
  COLORREF GetColor() const;
  COLORREF GetRawColor() const { return m_clrItem; }
  void SetColor(COLORREF clr) { m_clrItem = clr; }
  const CRect& GetRect() const { return m_rcItem; }
  /// Stores the rectangle and empties those of the item's own buttons.
  void SetRect(const CRect& rc);
  /// Draws the icon's state image into the rectangle (turned on left and
  /// right strips when the paint manager rotates images).
  void DrawImage(CDC* pDC, CRect rc, CTKImageManagerIcon* pIcon);
  void Reposition();

  int GetIndex() const { return m_nIndex; }
  void SetIndex(int nIndex) { m_nIndex = nIndex; }
  int GetImageIndex() const { return m_nImage; }
  void SetImageIndex(int nImage) { m_nImage = nImage; }
  int GetLength() const { return m_nLength; }
  void SetLength(int nLength) { m_nLength = nLength; }
  int GetMeasuredLength() const { return m_nMeasuredLength; }
  void SetMeasuredLength(int nLength) { m_nMeasuredLength = nLength; }
  HWND GetHandle() const { return m_hWnd; }
  void SetHandle(HWND hWnd) { m_hWnd = hWnd; }
  DWORD_PTR GetData() const { return m_dwData; }
  void SetData(DWORD_PTR dwData) { m_dwData = dwData; }
  const CString& GetTooltip() const { return m_strToolTip; }
  void SetTooltip(LPCTSTR lpszToolTip) { m_strToolTip = lpszToolTip; }
  CTKTabManager* GetManager() const { return m_pManager; }
  void SetManager(CTKTabManager* pManager) { m_pManager = pManager; }
  int GetRow() const { return m_nRow; }
  void SetRow(int nRow) { m_nRow = nRow; }
  BOOL IsClosable() const { return m_bClosable; }
  void SetClosable(BOOL bClosable) { m_bClosable = bClosable; }
  CTKTabManagerNavigateButtons& GetNavigateButtons() { return m_arrButtons; }
  const CTKTabManagerNavigateButtons& GetNavigateButtons() const { return m_arrButtons; }
  CTKMarkupUIElement* GetMarkupCaption() const { return m_pMarkupCaption; }

 protected:
  int m_nLength = 0;
  int m_nMeasuredLength = 0;
  int m_nImage = -1;
  int m_nIndex = -1;
  BOOL m_bEnabled = TRUE;
  BOOL m_bVisible = TRUE;
  HWND m_hWnd = NULL;
  DWORD_PTR m_dwData = 0;
  CRect m_rcItem;
  CString m_strCaption;
  CString m_strToolTip;
  COLORREF m_clrItem = 0;
  CTKTabManager* m_pManager = NULL;
  int m_nRow = 0;
  BOOL m_bClosable = TRUE;
  CTKTabManagerNavigateButtons m_arrButtons;
  CTKMarkupUIElement* m_pMarkupCaption = NULL;
};
