// The application's windows: the main window as it opens, the message box
// with a wrapped text in two of its button sets, and the tab control in its
// own layout and in the main window's.
#include <afxwin.h>

#include <string>

#include "Gallery.h"
#include "GalleryCanvas.h"
#include "app/AppResources.h"
#include "app/MainFrame.h"
#include "app/MessageBoxDialog.h"
#include "uilib/TabControl.h"

void ScreenshotWindow(HWND hWnd, HDC hDC, CPoint origin) {
  ::SetWindowPos(hWnd, HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
  ::RedrawWindow(hWnd, NULL, NULL,
                 RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  MSG msg;
  while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessage(&msg);
  }
  ::GdiFlush();
  CRect window;
  ::GetWindowRect(hWnd, &window);
  HDC hScreen = ::GetDC(NULL);
  ::BitBlt(hDC, origin.x, origin.y, window.Width(), window.Height(), hScreen, window.left,
           window.top, SRCCOPY);
  ::ReleaseDC(NULL, hScreen);
}

int ScreenshotDialog(CGalleryCanvas& canvas, CDialog& dialog, int x, int y, const char* label) {
  dialog.ShowWindow(SW_SHOWNOACTIVATE);
  dialog.UpdateWindow();
  CRect rect;
  dialog.GetWindowRect(&rect);
  ScreenshotWindow(dialog.m_hWnd, canvas.GetDC()->m_hDC, CPoint(x, y));
  canvas.Label(x, y + rect.Height() + 8, label);
  dialog.DestroyWindow();
  return rect.Width();
}

namespace {

bool DrawMainWindow(const GalleryContext& context) {
  CMainFrame* pFrame = new CMainFrame;
  if (!pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, NULL, NULL))
    return false;
  pFrame->MoveWindow(0, 0, 760, 520);
  pFrame->ShowWindow(SW_SHOWNOACTIVATE);
  pFrame->RecalcLayout();
  pFrame->UpdateWindow();
  CGalleryCanvas canvas(800, 580);
  ScreenshotWindow(pFrame->m_hWnd, canvas.GetDC()->m_hDC, CPoint(20, 20));
  canvas.Label(20, 548, "the main window as it opens: status bar, tab strip, the Build Steps page");
  pFrame->DestroyWindow();  // not closed: the gallery keeps no window position
  return canvas.Save(context.folder + "app-mainwindow.png");
}

bool DrawMessageBoxes(const GalleryContext& context) {
  const struct {
    UINT flags;
    const char* label;
    const char* text;
  } cases[] = {
      {0x14, "flags 0x14: Yes and No, error icon",
       "Your changes to 'C:\\Builds\\Release\\Nightly installer with every language.velm' "
       "have not been saved.\n\nDo you want to save your changes?"},
      {0x11, "flags 0x11: OK and Cancel, error icon",
       "Velmoran will be closed to perform the update.\n\nOnce the update processing has "
       "completed you can restart Velmoran."},
  };
  CWnd host;
  if (!host.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, CRect(0, 0, 640, 300), NULL, 0))
    return false;
  CGalleryCanvas canvas(1300, 300, RGB(255, 255, 255));
  int x = 20;
  bool ok = true;
  for (const auto& c : cases) {
    CMessageBoxDialog box(&host);
    box.SetCaption("Velmoran");
    box.SetText(c.text);
    box.m_nFlags = c.flags;
    if (!box.Create(IDD_MESSAGE_BOX, &host)) {
      ok = false;
      continue;
    }
    box.ShowWindow(SW_SHOWNOACTIVATE);
    box.UpdateWindow();
    CRect rect;
    box.GetWindowRect(&rect);
    ScreenshotWindow(box.m_hWnd, canvas.GetDC()->m_hDC, CPoint(x, 20));
    canvas.Label(x, 30 + rect.Height(), c.label);
    x += rect.Width() + 40;
    box.DestroyWindow();
  }
  host.DestroyWindow();
  return canvas.Save(context.folder + "app-messagebox.png") && ok;
}

bool DrawTabControls(const GalleryContext& context) {
  const struct {
    const char* label;
    bool margin, compact, square;
  } cases[] = {
      {"tab control: margin layout, round page frame", true, false, false},
      {"the main window's: compact layout, square frame", false, true, true},
  };
  const int width = 420, height = 180;
  CGalleryCanvas canvas(2 * (width + 30) + 10, height + 60);
  for (int i = 0; i < 2; ++i) {
    CWnd host;
    if (!host.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, CRect(0, 0, width, height), NULL,
                       0))
      return false;
    CTabControl control;
    control.SetBorder(false);
    control.m_bMarginLayout = cases[i].margin;
    control.m_bCompactLayout = cases[i].compact;
    control.m_bSquareFrame = cases[i].square;
    if (!control.CreateControl(&host)) return false;
    control.MoveWindow(0, 0, width, height);
    CStatic pages[3];
    const char* captions[] = {"Build Steps", "Variable Definition", "Log"};
    for (int t = 0; t < 3; ++t) {
      pages[t].Create("", WS_CHILD, CRect(0, 0, 1, 1), &control);
      control.AddPage(&pages[t], captions[t], t);
    }
    control.SelectTab(i);
    control.RecalcLayout();
    const int x = 20 + i * (width + 30);
    HDC hDC = canvas.GetDC()->m_hDC;
    POINT saved;
    ::SetViewportOrgEx(hDC, x, 20, &saved);
    control.SendMessage(WM_PRINT, reinterpret_cast<WPARAM>(hDC), PRF_NONCLIENT | PRF_CLIENT);
    ::SetViewportOrgEx(hDC, saved.x, saved.y, NULL);
    canvas.Label(x, height + 28, cases[i].label);
    control.RemoveAllTabs();
    host.DestroyWindow();
  }
  return canvas.Save(context.folder + "app-tabcontrol.png");
}

}  // namespace

bool DrawAppPage(const GalleryContext& context) {
  // The application has one look of its own.
  if (context.look != "Silver") return true;
  bool ok = DrawMainWindow(context);
  ok = DrawMessageBoxes(context) && ok;
  return DrawTabControls(context) && ok;
}
