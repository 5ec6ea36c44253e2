// CTKMarkupContext: the host side of markup: the window that shows a tree,
// the default font and colour, DPI scaling, the font cache, deferred
// repaints, the delegates that connect events to handlers, and the automation
// object that scripts know as "MarkupContext".
#pragma once

#include "markup/TKMarkupObject.h"

class CTKDpiHelper;
class CTKMarkupContextInternalDispatch;
class CTKMarkupDelegate;
class CTKMarkupDelegateMap;
class CTKMarkupFont;
class CTKMarkupKeyboardNavigation;
class CTKMarkupStaticExtension;

/// Sent (wParam 0, lParam 0) to the context's window after a repaint request;
/// hosts may handle it.
#define TK_WM_MARKUP_UPDATE 0x2A5C

/// Reference counted: the host holds one reference and every object made
/// through the context holds another, so a context lives as long as anything
/// made from it. Used on the thread of its window only; the count is changed
/// with interlocked operations.
class CTKMarkupContext {
 public:
  /// `hWnd` may be null: then no message handling and no repainting.
  explicit CTKMarkupContext(HWND hWnd = nullptr);
  CTKMarkupContext(const CTKMarkupContext&) = delete;
  CTKMarkupContext& operator=(const CTKMarkupContext&) = delete;

  DWORD AddRef();
  /// Nothing when the count is already 0; deletes the context at 0.
  DWORD Release();

  HWND GetSafeHwnd() const { return m_hWnd; }

  // Objects

  /// A new object of a type through its factory, bound to this context (which
  /// gains one reference); null when the type cannot be made.
  CTKMarkupObject* CreateMarkupObject(CTKMarkupType* pType);
  /// Called by the final release of an object of this context: forgets the
  /// object where it is the hover or capture element, then drops the
  /// object's reference on the context.
  void OnObjectReleased(CTKMarkupObject* pObject);

  // Parsing

  /// Parses UTF-16 markup: the root with one reference, or null.
  CTKMarkupObject* Parse(LPCWSTR lpszText);
  /// "Done." when the text parses into a tree (which is released at once),
  /// the error text otherwise, "No Text To Parse." for null text.
  CString ValidateXML(LPCWSTR lpszText);

  // Default font and colour

  /// Copies the font's LOGFONT.
  void SetDefaultFont(HFONT hFont);
  const LOGFONTA& GetDefaultFont() const { return m_lfDefault; }
  void SetDefaultTextColor(COLORREF clr) { m_clrText = clr; }
  COLORREF GetDefaultTextColor() const { return m_clrText; }

  /// A cached font for the LOGFONT, one reference for the caller. Fonts that
  /// differ only in width, underline, strike-out, character set, precisions
  /// or pitch are the same font.
  CTKMarkupFont* GetFont(const LOGFONTA& logFont);

  // DPI scaling of 96-DPI lengths (unchanged without a DPI helper)

  /// Replaces the DPI helper: with the flag, a new one on the window's DC (the
  /// screen DC for no window); without, none.
  void SetDpiAware(BOOL bDpiAware, HWND hWnd);
  CTKDpiHelper* GetDpiHelper() const { return m_pDpiHelper; }
  int ScaleX(int nValue) const;
  int ScaleY(int nValue) const;
  float ScaleXFloat(float fValue) const;
  float ScaleYFloat(float fValue) const;
  double ScaleXDouble(double dValue) const;
  double ScaleYDouble(double dValue) const;
  CSize ScaleSize(const SIZE& size) const;

  // Mouse state (the elements are not counted)

  CTKMarkupObject* GetHoverElement() const { return m_pHoverElement; }
  CTKMarkupObject* GetCaptureElement() const { return m_pCaptureElement; }
  /// Captures the mouse for the window on behalf of the element.
  void SetCapture(CTKMarkupObject* pElement);
  void ReleaseCapture(CTKMarkupObject* pElement);
  /// Forgets hover and capture (releasing the mouse capture when held).
  void ResetMouseState();

  // Repainting

  /// Repaints one element, or queues it while updates are frozen.
  virtual void InvalidateVisual(CTKMarkupObject* pElement);
  /// Repaints the whole window (deferred while updates are frozen).
  virtual void UpdateLayout(CTKMarkupObject* pElement);
  void FreezeUpdates() { m_bUpdatesFrozen = TRUE; }
  /// Repaints what was requested while frozen, and goes live again.
  void UnfreezeUpdates();
  BOOL AreUpdatesFrozen() const { return m_bUpdatesFrozen; }
  /// The rectangle an element occupies in the window (tooltips), and the one
  /// it repaints; empty for objects that are not drawn.
  CRect GetElementRect(CTKMarkupObject* pElement);
  CRect GetElementUpdateRect(CTKMarkupObject* pElement);

  // Delegates

  /// The delegate stored under the name, else a new one that calls the method
  /// of that name on the default handler object. No reference for the caller.
  CTKMarkupDelegate* FindDelegate(LPCWSTR lpszName);
  /// Binds the handler name to a method of an object; nothing for null.
  void SetMethod(IDispatch* pObject, LPCWSTR lpszMethod);
  /// The object whose methods handle events by handler name.
  void SetHandler(IDispatch* pHandler);

  // Drawing back end

  BOOL IsGdiPlusEnabled() const { return m_bGdiPlusEnabled; }
  void SetGdiPlusEnabled(BOOL bEnabled) { m_bGdiPlusEnabled = bEnabled; }

  /// The context's automation object, made on first call (no reference added).
  LPDISPATCH GetInternalDispatch();

  // Static values and keyboard

  /// The root of the "x:Static" names, made with its "SystemColors" node on
  /// first call; owned by the context.
  CTKMarkupStaticExtension* GetExtensionRoot();
  /// The receiver of focus requests and keyboard messages (no reference).
  CTKMarkupKeyboardNavigation* GetKeyboardNavigation() const { return m_pKeyboardNavigation; }

 protected:
  virtual ~CTKMarkupContext();

 private:
  friend class CTKMarkupFont;
  HWND m_hWnd;
  COLORREF m_clrText;
  COLORREF m_clrImageMask;
  LOGFONTA m_lfDefault;
  CTKMarkupObject* m_pHoverElement;
  CTKMarkupObject* m_pCaptureElement;
  CTKMarkupObject* m_pHoverRoot;
  CTKMarkupFont* m_pFontHead;
  CTKMarkupFont* m_pFontTail;
  CTKMarkupDelegateMap* m_pDelegates;
  LONG m_nRef;
  BOOL m_bGdiPlusEnabled;
  CTKDpiHelper* m_pDpiHelper;
  BOOL m_bUpdatesFrozen;
  BOOL m_bRepaintAllPending;
  std::vector<CTKMarkupObject*> m_pendingRepaints;
  CTKMarkupContextInternalDispatch* m_pInternalDispatch;
  CTKMarkupStaticExtension* m_pExtensionRoot;
  CTKMarkupKeyboardNavigation* m_pKeyboardNavigation;

  void UnlinkFont(CTKMarkupFont* pFont);
  void InvalidateElement(CTKMarkupObject* pElement, BOOL bUpdateNow);
  void FlushRepaints();
};
