// The flat markup interface and the captions seam of the common layer.
#include "markup/TKMarkupFlat.h"

#include "common/TKMarkupCaptionApi.h"
#include "markup/TKMarkupBuilder.h"
#include "markup/TKMarkupContext.h"
#include "markup/TKMarkupDrawingContext.h"
#include "markup/TKMarkupParser.h"
#include "markup/TKMarkupUIElement.h"

#include <string.h>

CTKMarkupContext* CreateMarkupContext(HWND hWnd, BOOL bDpiAware) {
  CTKMarkupContext* pContext = new CTKMarkupContext(hWnd);
  if (bDpiAware) pContext->SetDpiAware(TRUE, hWnd);
  return pContext;
}

void EnableMarkupContextScripts(CTKMarkupContext* pContext, BOOL bEnable) {
  if (pContext != nullptr) pContext->SetScriptsEnabled(bEnable);
}

int ReleaseMarkupContext(CTKMarkupContext*& pContext) {
  if (pContext == nullptr) return 0;
  CTKMarkupContext* pReleased = pContext;
  pContext = nullptr;
  return static_cast<int>(pReleased->Release());
}

int ReleaseMarkupElement(CTKMarkupUIElement*& pElement) {
  if (pElement == nullptr) return 0;
  CTKMarkupUIElement* pReleased = pElement;
  pElement = nullptr;
  return static_cast<int>(pReleased->Release());
}

CTKMarkupUIElement* ParseMarkupText(CTKMarkupContext* pContext, LPCSTR lpszText) {
  if (pContext == nullptr || lpszText == nullptr) return nullptr;
  const BYTE* pBegin = reinterpret_cast<const BYTE*>(lpszText);
  CTKMarkupParser parser;
  parser.LoadBuffer(pBegin, pBegin + strlen(lpszText));
  CTKMarkupObject* pRoot = nullptr;
  {
    CTKMarkupBuilder builder(pContext);
    pRoot = builder.Parse(&parser);
  }
  CTKMarkupUIElement* pElement = MarkupCast<CTKMarkupUIElement>(pRoot);
  if (pElement == nullptr && pRoot != nullptr) pRoot->Release();
  return pElement;
}

CTKMarkupContext* GetMarkupElementContext(CTKMarkupUIElement* pElement) {
  return pElement != nullptr ? pElement->GetContext() : nullptr;
}

void SetMarkupContextFont(CTKMarkupContext* pContext, HFONT hFont, COLORREF clrText) {
  if (pContext == nullptr) return;
  if (hFont != nullptr) pContext->SetDefaultFont(hFont);
  if (clrText != static_cast<COLORREF>(-1)) pContext->SetDefaultTextColor(clrText);
}

BOOL HandleMarkupElementMessage(CTKMarkupUIElement* pElement, UINT message, WPARAM wParam,
                                LPARAM lParam, LRESULT* pResult) {
  CTKMarkupContext* pContext = GetMarkupElementContext(pElement);
  if (pContext == nullptr) return FALSE;
  return pContext->OnWndMsg(pElement, message, wParam, lParam, pResult);
}

BOOL HandleMarkupContextMessage(CTKMarkupContext* pContext, UINT message, WPARAM wParam,
                                LPARAM lParam, LRESULT* pResult) {
  if (pContext == nullptr) return FALSE;
  return pContext->OnWndMsg(nullptr, message, wParam, lParam, pResult);
}

SIZE MeasureMarkupElement(CTKMarkupUIElement* pElement, int nWidth, int nHeight) {
  if (pElement == nullptr) return SIZE{0, 0};
  CTKMarkupDrawingContext dc(pElement->GetContext());
  pElement->Measure(&dc, nWidth, nHeight);
  CSize size = pElement->GetDesiredSize();
  return SIZE{size.cx, size.cy};
}

int RenderMarkupElement(CTKMarkupUIElement* pElement, HDC hDC, LPCRECT lpRect) {
  if (pElement == nullptr || hDC == nullptr || lpRect == nullptr) return 0;
  const RECT rc = *lpRect;
  CTKMarkupDrawingContext dc(pElement->GetContext(), hDC);
  pElement->Measure(&dc, rc.right - rc.left, rc.bottom - rc.top);
  pElement->Arrange(rc);
  pElement->Render(&dc);
  return 1;
}

// The captions seam ----------------------------------------------------------------------

namespace {

// Forwards the common layer's calls to the flat functions.
class CFlatMarkupCaptionApi : public ITKMarkupCaptionApi {
 public:
  CTKMarkupContext* CreateMarkupContext(HWND hWnd, BOOL bDpiAware) override {
    return ::CreateMarkupContext(hWnd, bDpiAware);
  }
  int ReleaseMarkupContext(CTKMarkupContext*& pContext) override {
    return ::ReleaseMarkupContext(pContext);
  }
  int ReleaseMarkupElement(CTKMarkupUIElement*& pElement) override {
    return ::ReleaseMarkupElement(pElement);
  }
  CTKMarkupUIElement* ParseMarkupText(CTKMarkupContext* pContext, LPCSTR lpszText) override {
    return ::ParseMarkupText(pContext, lpszText);
  }
  CTKMarkupContext* GetMarkupElementContext(CTKMarkupUIElement* pElement) override {
    return ::GetMarkupElementContext(pElement);
  }
  void SetMarkupContextFont(CTKMarkupContext* pContext, HFONT hFont, COLORREF clrText) override {
    ::SetMarkupContextFont(pContext, hFont, clrText);
  }
  BOOL HandleMarkupElementMessage(CTKMarkupUIElement* pElement, UINT message, WPARAM wParam,
                                  LPARAM lParam, LRESULT* pResult) override {
    return ::HandleMarkupElementMessage(pElement, message, wParam, lParam, pResult);
  }
  BOOL HandleMarkupContextMessage(CTKMarkupContext* pContext, UINT message, WPARAM wParam,
                                  LPARAM lParam, LRESULT* pResult) override {
    return ::HandleMarkupContextMessage(pContext, message, wParam, lParam, pResult);
  }
  SIZE MeasureMarkupElement(CTKMarkupUIElement* pElement, int nWidth, int nHeight) override {
    return ::MeasureMarkupElement(pElement, nWidth, nHeight);
  }
  int RenderMarkupElement(CTKMarkupUIElement* pElement, HDC hDC, LPCRECT lpRect) override {
    return ::RenderMarkupElement(pElement, hDC, lpRect);
  }
};

}  // namespace

void TKInstallMarkupCaptionApi() {
  static CFlatMarkupCaptionApi api;
  TKSetMarkupCaptionApi(&api);
}
