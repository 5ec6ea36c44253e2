// The markup captions as the common layer reaches them: the markup engine
// stands above this layer, so it installs an implementation of this
// interface at start-up (TKInstallMarkupCaptionApi of the markup layer).
#pragma once

#include <windows.h>

class CTKMarkupContext;
class CTKMarkupUIElement;

/// The flat markup functions, one to one: every member accepts null
/// arguments and then does nothing; every returned handle carries one
/// reference for the caller.
class ITKMarkupCaptionApi {
 public:
  virtual ~ITKMarkupCaptionApi() {}
  virtual CTKMarkupContext* CreateMarkupContext(HWND hWnd, BOOL bDpiAware) = 0;
  virtual int ReleaseMarkupContext(CTKMarkupContext*& pContext) = 0;
  virtual int ReleaseMarkupElement(CTKMarkupUIElement*& pElement) = 0;
  /// The root of the parsed text, or null on any error.
  virtual CTKMarkupUIElement* ParseMarkupText(CTKMarkupContext* pContext, LPCSTR lpszText) = 0;
  virtual CTKMarkupContext* GetMarkupElementContext(CTKMarkupUIElement* pElement) = 0;
  /// A null font keeps the font; the colour -1 keeps the colour.
  virtual void SetMarkupContextFont(CTKMarkupContext* pContext, HFONT hFont, COLORREF clrText) = 0;
  virtual BOOL HandleMarkupElementMessage(CTKMarkupUIElement* pElement, UINT message, WPARAM wParam,
                                          LPARAM lParam, LRESULT* pResult) = 0;
  virtual BOOL HandleMarkupContextMessage(CTKMarkupContext* pContext, UINT message, WPARAM wParam,
                                          LPARAM lParam, LRESULT* pResult) = 0;
  virtual SIZE MeasureMarkupElement(CTKMarkupUIElement* pElement, int nWidth, int nHeight) = 0;
  virtual int RenderMarkupElement(CTKMarkupUIElement* pElement, HDC hDC, LPCRECT lpRect) = 0;
};

/// Installs the implementation (not owned; null removes it).
void TKSetMarkupCaptionApi(ITKMarkupCaptionApi* pApi);
/// The installed implementation; null until one is installed, and then
/// markup captions fall back to plain text.
ITKMarkupCaptionApi* TKMarkupCaptionApi();
