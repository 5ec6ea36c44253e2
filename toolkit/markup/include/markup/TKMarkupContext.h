// CTKMarkupContext: the host side of markup: the window that shows a tree,
// the default font and colour, DPI scaling, the font cache, deferred
// repaints, the delegates that connect events to handlers, and the automation
// object that scripts know as "MarkupContext".
#pragma once

#include "markup/TKMarkupObject.h"

#include <commctrl.h>

#include <string>
#include <vector>

class CTKActiveScriptEngine;
class CTKActiveScriptStdRuntime;
class CTKDpiHelper;
class CTKImageManager;
class CTKMarkupBuilder;
class CTKMarkupInputElement;
struct CTKMarkupContextScripts;
class ITKMarkupToolTipRelay;
class CTKMarkupContextInternalDispatch;
class CTKMarkupDelegate;
class CTKMarkupDelegateMap;
class CTKMarkupEventHandlerMap;
class CTKMarkupRoutedEvent;
class CTKMarkupRoutedEventArgs;
class CTKMarkupFont;
class CTKMarkupKeyboardNavigation;
class CTKMarkupStaticExtension;

/// Sent (wParam 0, lParam 0) to the context's window after a repaint request;
/// hosts may handle it.
#define TK_WM_MARKUP_UPDATE 0x2A5C

/// The input elements from one element outwards through its logical
/// parents, innermost first, each with a reference released with the
/// collection.
class CInputElementCollection {
 public:
  CInputElementCollection() = default;
  ~CInputElementCollection();
  CInputElementCollection(const CInputElementCollection&) = delete;
  CInputElementCollection& operator=(const CInputElementCollection&) = delete;

  void Add(CTKMarkupInputElement* pElement);
  int GetCount() const { return static_cast<int>(m_elements.size()); }
  CTKMarkupInputElement* GetAt(int nIndex) const { return m_elements[nIndex]; }
  CTKMarkupInputElement* GetOutermost() const { return m_elements.back(); }
  void RemoveOutermost();

 private:
  std::vector<CTKMarkupInputElement*> m_elements;
};

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

  /// Whether trees built for this context run their script blocks. Off
  /// from the start: markup text may come from anywhere (a caption, a tip),
  /// so only an owner that trusts its pages turns scripts on.
  void SetScriptsEnabled(BOOL bEnabled) { m_bScriptsEnabled = bEnabled; }
  BOOL AreScriptsEnabled() const { return m_bScriptsEnabled; }

  /// Parses UTF-16 markup: the root with one reference, or null. With
  /// scripts enabled, a tree parsed with `bRunScripts` replaces the scripts
  /// of the previous one and runs its own; otherwise (a parse asked for by a
  /// running script) the running scripts stay and the new tree's script
  /// blocks are not run.
  CTKMarkupObject* Parse(LPCWSTR lpszText, BOOL bRunScripts = TRUE);
  /// "Done." when the text parses into a tree (which is released at once),
  /// the error text otherwise, "No Text To Parse." for null text. Script
  /// blocks are compiled on an engine of their own that never starts, so
  /// that a second language, an unknown engine or a script that does not
  /// compile is reported; the running scripts are left alone.
  CString ValidateXML(LPCWSTR lpszText);

  // Default font and colour

  /// Copies the font's LOGFONT.
  void SetDefaultFont(HFONT hFont);
  const LOGFONTA& GetDefaultFont() const { return m_lfDefault; }
  void SetDefaultTextColor(COLORREF clr) { m_clrText = clr; }
  COLORREF GetDefaultTextColor() const { return m_clrText; }

  /// A cached font for the LOGFONT, one reference for the caller. Fonts that
  /// differ only in width, underline, strike-out, character set, precisions
  /// or pitch are the same font. A wide face name (null or empty: none)
  /// replaces the LOGFONT's (see TKMarkupSetFaceName).
  CTKMarkupFont* GetFont(const LOGFONTA& logFont, LPCWSTR lpszWideFace = nullptr);

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

  // Mouse input: the host window passes its messages with the root element
  // it shows (null when it shows none).

  /// Nonzero when the tree handled the message. A context without a window
  /// handles nothing. Handled WM_SETCURSOR and WM_MOUSEWHEEL set *pResult to
  /// 1; handled button messages leave it alone.
  BOOL OnWndMsg(CTKMarkupObject* pElement, UINT message, WPARAM wParam, LPARAM lParam,
                LRESULT* pResult);
  /// Makes `pElement` the hover element: MouseLeave on the old chain and
  /// MouseEnter on the new one, without their common ancestors, each from
  /// the innermost element outwards.
  void SetHover(CTKMarkupObject* pElement, int x, int y);
  void HandleMouseMove(CTKMarkupObject* pRoot, int x, int y);
  /// The button event along the chain of the captured, else the hovered
  /// element; whether it was handled.
  BOOL HandleMouseButton(UINT message, int x, int y);
  BOOL HandleMouseWheel(int nDelta);
  /// Asks the hover chain for a cursor; TRUE when one was set.
  BOOL QueryCursor();
  /// The innermost element of the hover chain with a text tooltip: fills
  /// the TOOLINFO (window, the element's rectangle, the element as id, a
  /// malloc'd copy of the text for the tip window to free) and returns the
  /// id; -1 when there is none.
  INT_PTR FindToolTip(POINT pt, TOOLINFO* pTI);
  static void CollectInputChain(CTKMarkupObject* pElement, CInputElementCollection& chain);
  /// Where mouse messages go for tooltips (not owned; null for none).
  void SetToolTipRelay(ITKMarkupToolTipRelay* pRelay) { m_pToolTipRelay = pRelay; }
  ITKMarkupToolTipRelay* GetToolTipRelay() const { return m_pToolTipRelay; }
  /// Counts the WM_THEMECHANGED messages passed in, so that elements holding
  /// a theme handle know when to open it again.
  int GetThemeSerial() const { return m_nThemeSerial; }

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
  /// What scripts register (`bFromScript`) goes when their scripts close.
  void SetMethod(IDispatch* pObject, LPCWSTR lpszMethod, BOOL bFromScript = FALSE);
  /// The object whose methods handle events by handler name.
  void SetHandler(IDispatch* pHandler, BOOL bFromScript = FALSE);

  // Images

  /// The context's own image manager, else the global one (no reference).
  CTKImageManager* GetImageManager() const;
  /// Replaces the context's own manager (null: the global one again); the
  /// context holds a reference.
  void SetImageManager(CTKImageManager* pManager);
  /// The mask colour of images: the context's own unless -1, else its image
  /// manager's unless -1, else green.
  COLORREF GetImageMaskColor() const;
  void SetImageMaskColor(COLORREF clrMask) { m_clrImageMask = clrMask; }

  /// Handlers for the whole tree: they run when a bubbling event reaches
  /// the root unhandled (the map keeps a reference to the delegate).
  void AddHandler(CTKMarkupRoutedEvent* pEvent, CTKMarkupDelegate* pDelegate);
  void RaiseEvent(CTKMarkupObject* pSender, CTKMarkupRoutedEventArgs* pArgs);

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

  // Scripts of the latest tree (one engine, one language per tree)

  /// Queues a script text; the first makes the engine of the language (a
  /// ProgID; empty or null means "JScript"). Raises the builder's errors: the
  /// COM error when the engine cannot be made, the language message when the
  /// tree already uses another language. Nothing for a build that runs no
  /// scripts.
  void AddScript(CTKMarkupBuilder* pBuilder, LPCWSTR lpszLanguage, LPCWSTR lpszText);
  /// Makes every object of the tree that has a Name a named item of the engine.
  void AddNamedItems(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pObject);
  /// Parses the queued texts in order and connects the engine; a failure
  /// raises the script error.
  void RunScripts(CTKMarkupBuilder* pBuilder);
  /// Ends the scripts: queued texts, engine, runtime with its pending
  /// timeouts, and the handlers scripts registered. Hosts may call it to end
  /// a tree's scripts before releasing it.
  void CloseScripts();
  /// Raises "Script error [0x%08X]: %ls" from the engine's last error, or the
  /// COM error of `hr` without one.
  [[noreturn]] void ThrowScriptError(CTKMarkupBuilder* pBuilder, HRESULT hr);
  /// The names the context adds to an engine: "MarkupContext".
  virtual void GetScriptNamedItems(std::vector<std::wstring>& names);
  /// The IUnknown of one of those names (one reference), else E_NOINTERFACE.
  virtual HRESULT GetScriptNamedItem(LPCWSTR lpszName, IUnknown** ppUnknown);
  /// The engine's item lookup: the runtime (made on first request), the
  /// context's names, then the tree's named objects.
  HRESULT GetScriptItem(LPCWSTR lpszName, IUnknown** ppUnknown);
  /// The engine of the latest tree, or null (no reference added).
  CTKActiveScriptEngine* GetScriptEngine() const;
  /// The runtime scripts call, or null before they first asked for it.
  CTKActiveScriptStdRuntime* GetScriptRuntime() const;

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
  CTKMarkupContextScripts* m_pScripts;
  CTKImageManager* m_pImageManager;
  ITKMarkupToolTipRelay* m_pToolTipRelay = nullptr;
  CTKMarkupEventHandlerMap* m_pGlobalHandlers = nullptr;
  int m_nThemeSerial = 0;
  BOOL m_bScriptsEnabled = FALSE;

  void UnlinkFont(CTKMarkupFont* pFont);
  void InvalidateElement(CTKMarkupObject* pElement, BOOL bUpdateNow);
  void FlushRepaints();
  CTKMarkupContextScripts* Scripts();
  void OnCaptureLost();
};
