// Tooltips in every style, shown for real and printed through WM_PRINTCLIENT,
// and a framed window with its shadow.
#include <string>

#include "Gallery.h"
#include "GalleryCanvas.h"
#include "common/TKFrameShadow.h"
#include "common/TKFrameShadowManager.h"
#include "common/TKToolTipContextHTML.h"
#include "common/TKToolTipContextToolTip.h"
#include "common/TKToolTipSystem.h"
#include "common/TKBitmapFunctions.h"

namespace {

/// The cursor stands over the tool window; timers fire when the page says.
class CGallerySystem : public CTKToolTipSystem {
 public:
  CPoint GetCursorPos() override { return ptCursor; }
  BOOL IsMouseButtonDown() override { return FALSE; }
  HWND WindowFromPoint(POINT) override { return hWndTools; }
  void SetTimer(HWND, UINT_PTR, UINT) override {}
  void KillTimer(HWND, UINT_PTR) override {}
  CPoint ptCursor;
  HWND hWndTools = NULL;
};

struct TipSample {
  int nStyle;
  const char* label;
  const char* title;
  const char* text;
};

const TipSample kSamples[] = {
    {CTKToolTipContext::styleStandard, "standard (0)", "Paste",
     "Inserts the contents of the clipboard."},
    {CTKToolTipContext::styleBalloon, "balloon (1)", "Paste",
     "Inserts the contents of the clipboard."},
    {CTKToolTipContext::stylePlain, "plain (2)", "Paste", "Inserts the contents of the clipboard."},
    {CTKToolTipContext::styleLuna, "Luna (4)", "Paste", "Inserts the contents of the clipboard."},
    {CTKToolTipContext::styleOffice, "Office (5)", "Paste",
     "Inserts the contents of the clipboard."},
    {CTKToolTipContext::styleOffice2013, "Office 2013 (8)", "Paste",
     "Inserts the contents of the clipboard."},
    {CTKToolTipContext::styleOffice, "Office (5), no title", nullptr, "Run all steps (F5)"},
    {CTKToolTipContext::styleRichText, "rich text (3)", nullptr,
     "{\\rtf1\\ansi Rich text with {\\b bold}, {\\i italic} and {\\ul underlined} words.}"},
    {CTKToolTipContext::styleMarkup, "markup (7)", nullptr,
     "<TextBlock><Bold>Run All Steps</Bold> (F5)<LineBreak/>Runs every step from the "
     "<Italic>first</Italic>.</TextBlock>"},
    {CTKToolTipContext::styleHTML, "HTML (6): no browser engine here, no tip", nullptr,
     "<b>Bold</b> words"},
};

const int kRow = 70;
const int kLeft = 260;

/// Prints a window's client area onto the canvas at x, y.
void PrintClient(CGalleryCanvas& canvas, CWnd* pWnd, int x, int y) {
  CDC* pDC = canvas.GetDC();
  CPoint ptOld = pDC->SetViewportOrg(x, y);
  int nSaved = pDC->SaveDC();
  pWnd->SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(pDC->GetSafeHdc()), PRF_CLIENT);
  pDC->RestoreDC(nSaved);
  pDC->SetViewportOrg(ptOld);
}

/// The common-controls tip keeps its own timers: it is shown as a tracking tip.
void DrawStandardToolTip(CGalleryCanvas& canvas, CWnd& tools, const TipSample& sample, int x,
                         int y) {
  CTKToolTipContext context;
  context.SetStyle(sample.nStyle);
  CWnd* pTip = context.CreateToolTip(&tools);
  if (pTip == nullptr) return;
  pTip->SendMessage(TTM_SETMAXTIPWIDTH, 0, 260);
  TOOLINFO ti = {};
  ti.cbSize = CTKToolTipContext::kToolInfoSize;
  ti.uFlags = TTF_TRACK | TTF_ABSOLUTE;
  ti.hwnd = tools.GetSafeHwnd();
  ti.uId = 1;
  ti.lpszText = const_cast<LPSTR>(sample.text);
  pTip->SendMessage(TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&ti));
  pTip->SendMessage(TTM_SETTITLE, TTI_INFO, reinterpret_cast<LPARAM>(sample.title));
  pTip->SendMessage(TTM_TRACKPOSITION, 0, MAKELPARAM(300, 300));
  pTip->SendMessage(TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&ti));
  PrintClient(canvas, pTip, x, y);
  pTip->DestroyWindow();
  delete pTip;
}

/// Shows the sample's tip and prints it onto the canvas at x, y.
void DrawToolTip(CGalleryCanvas& canvas, CWnd& tools, CGallerySystem& system,
                 const TipSample& sample, int x, int y) {
  CTKToolTipContext context;
  context.SetStyle(sample.nStyle);
  context.SetMaxTipWidth(260);
  CWnd* pWnd = context.CreateToolTip(&tools);
  if (pWnd == nullptr) return;
  CTKToolTipContextToolTip* pTip = static_cast<CTKToolTipContextToolTip*>(pWnd);
  TOOLINFO ti = {};
  ti.cbSize = CTKToolTipContext::kToolInfoSize;
  ti.hwnd = tools.GetSafeHwnd();
  ti.uId = 1;
  ti.rect = CRect(0, 0, 100, 100);
  ti.lpszText = const_cast<LPSTR>(sample.text);
  pTip->SendMessage(TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&ti));
  if (sample.title != nullptr)
    pTip->SendMessage(TTM_SETTITLE, TTI_INFO, reinterpret_cast<LPARAM>(sample.title));
  pTip->SendMessage(TTM_ACTIVATE, TRUE);
  MSG msg = {};
  msg.hwnd = tools.GetSafeHwnd();
  msg.message = WM_MOUSEMOVE;
  msg.pt = system.ptCursor;
  pTip->SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
  pTip->SendMessage(WM_TIMER, CTKToolTipContextToolTip::timerShow);
  if (pTip->GetCurrentTool() != nullptr) PrintClient(canvas, pTip, x, y);
  delete pTip;
}

/// The shadow's own pixels blended onto the canvas, the frame printed on top.
void DrawFrameWithShadow(CGalleryCanvas& canvas, int x, int y) {
  CWnd frame;
  if (!frame.CreateEx(0, AfxRegisterWndClass(0, NULL, (HBRUSH)(COLOR_WINDOW + 1)), "Framed window",
                      WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_VISIBLE, CRect(200, 200, 460, 380),
                      NULL, 0))
    return;
  CTKFrameShadowManager* pManager = TKFrameShadowManager();
  CTKFrameShadow* pShadow = pManager->EnableShadow(&frame, RGB(0, 122, 204), 8, 3, 0, 0, 160);
  if (pShadow != nullptr) {
    CRect rcShadow, rcFrame;
    pShadow->GetWindowRect(&rcShadow);
    frame.GetWindowRect(&rcFrame);
    LPBYTE pBits = nullptr;
    HBITMAP hBitmap = Create32BitDIBSection(NULL, rcShadow.Width(), -rcShadow.Height(), &pBits);
    if (hBitmap != NULL &&
        pShadow->DrawShadow(reinterpret_cast<DWORD*>(pBits), rcShadow.Width(), rcShadow.Height())) {
      CDC memDC;
      memDC.CreateCompatibleDC(canvas.GetDC());
      HGDIOBJ hOld = ::SelectObject(memDC.GetSafeHdc(), hBitmap);
      BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
      ::AlphaBlend(canvas.GetDC()->GetSafeHdc(), x, y, rcShadow.Width(), rcShadow.Height(),
                   memDC.GetSafeHdc(), 0, 0, rcShadow.Width(), rcShadow.Height(), blend);
      ::SelectObject(memDC.GetSafeHdc(), hOld);
    }
    if (hBitmap != NULL) ::DeleteObject(hBitmap);
    // The frame prints into a sheet of its own: printing the non-client
    // area ignores the canvas's viewport origin.
    CDC frameDC;
    frameDC.CreateCompatibleDC(canvas.GetDC());
    CBitmap frameBitmap;
    frameBitmap.CreateCompatibleBitmap(canvas.GetDC(), rcFrame.Width(), rcFrame.Height());
    CBitmap* pOldBitmap = frameDC.SelectObject(&frameBitmap);
    frame.SendMessage(WM_PRINT, reinterpret_cast<WPARAM>(frameDC.GetSafeHdc()),
                      PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
    canvas.GetDC()->BitBlt(x + rcFrame.left - rcShadow.left, y + rcFrame.top - rcShadow.top,
                           rcFrame.Width(), rcFrame.Height(), &frameDC, 0, 0, SRCCOPY);
    frameDC.SelectObject(pOldBitmap);
    canvas.Label(x + rcFrame.left - rcShadow.left + 10, y + rcFrame.top - rcShadow.top + 10,
                 "Framed window", RGB(0, 0, 0));
    pManager->DisableShadow(&frame);
  }
  frame.DestroyWindow();
}

}  // namespace

bool DrawToolTipsPage(const GalleryContext& context) {
  CWnd tools;
  if (!tools.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 100, 100),
                      NULL, 0))
    return false;
  CGallerySystem system;
  system.hWndTools = tools.GetSafeHwnd();
  system.ptCursor = CPoint(20, 20);
  TKSetToolTipSystem(&system);
  CTKToolTipContext::CHTMLToolTip::SetLoadTimeout(500);
  ::OleInitialize(NULL);

  const int nSamples = sizeof(kSamples) / sizeof(kSamples[0]);
  CGalleryCanvas canvas(kLeft + 320, 40 + nSamples * kRow + 300);
  canvas.Label(10, 10, "Tooltips of the " + context.look + " look, by style", RGB(0, 0, 0));
  int y = 40;
  for (const TipSample& sample : kSamples) {
    canvas.Label(10, y, sample.label, RGB(0, 0, 0));
    if (sample.nStyle == CTKToolTipContext::styleStandard ||
        sample.nStyle == CTKToolTipContext::styleBalloon)
      DrawStandardToolTip(canvas, tools, sample, kLeft, y);
    else
      DrawToolTip(canvas, tools, system, sample, kLeft, y);
    y += kRow;
  }
  canvas.Label(10, y + 10, "Framed window with its shadow", RGB(0, 0, 0));
  DrawFrameWithShadow(canvas, kLeft, y + 10);

  ::OleUninitialize();
  TKSetToolTipSystem(nullptr);
  CTKToolTipContext::CHTMLToolTip::SetLoadTimeout(0);
  tools.DestroyWindow();
  return canvas.Save(context.folder + "tooltips-" + context.look + ".png");
}
