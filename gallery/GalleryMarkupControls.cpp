// Markup controls in a real window: push buttons, check boxes, radio buttons
// and a scrolled list, laid out by the markup engine, painted by the window
// and read back from the screen.
#include <algorithm>
#include <string>

#include "Gallery.h"
#include "GalleryCanvas.h"
#include "markup/TKMarkupContext.h"
#include "markup/TKMarkupDrawingContext.h"
#include "markup/TKMarkupScrollViewer.h"

namespace {

std::wstring PageMarkup() {
  std::wstring rows;
  for (int i = 1; i <= 14; ++i) {
    std::wstring color = i % 2 ? L"#FFFFFF" : L"#E8EEF7";
    rows += L"<Button Height='22' Background='" + color + L"'>Item " + std::to_wstring(i) +
            L"</Button>";
  }
  return L"<StackPanel Background='#F4F4F4' Margin='12'>"
         L"<Button Name='Hot' Width='140' Height='28' HorizontalAlignment='Left' "
         L"Margin='0,0,0,6'>Push button</Button>"
         L"<Button Name='Disabled' Width='140' Height='28' HorizontalAlignment='Left' "
         L"Margin='0,0,0,6' IsEnabled='False'>Disabled</Button>"
         L"<Button Name='Coloured' Width='140' Height='28' HorizontalAlignment='Left' "
         L"Margin='0,0,0,10' Background='#7FA7D9'>Coloured</Button>"
         L"<CheckBox Name='Checked' IsChecked='True' Margin='0,0,0,4'>Checked</CheckBox>"
         L"<CheckBox Name='Unchecked' Margin='0,0,0,4'>Unchecked</CheckBox>"
         L"<CheckBox Name='Indeterminate' IsThreeState='True' IsChecked='' "
         L"Margin='0,0,0,10'>Indeterminate</CheckBox>"
         L"<StackPanel Margin='0,0,0,10'>"
         L"<RadioButton Name='Radio' IsChecked='True' Margin='0,0,0,4'>First</RadioButton>"
         L"<RadioButton Margin='0,0,0,4'>Second</RadioButton>"
         L"<RadioButton>Third</RadioButton></StackPanel>"
         L"<ScrollViewer Name='List' Width='220' Height='130' HorizontalAlignment='Left'>"
         L"<StackPanel>" +
         rows +
         L"</StackPanel></ScrollViewer>"
         L"</StackPanel>";
}

/// A top-level window that shows one markup tree and gives it its mouse.
class CMarkupPageWindow : public CWnd {
 public:
  CMarkupPageWindow() : m_pContext(nullptr), m_pRoot(nullptr) {}
  ~CMarkupPageWindow() override {
    if (m_pRoot != nullptr) m_pRoot->Release();
    if (GetSafeHwnd() != nullptr) DestroyWindow();
    if (m_pContext != nullptr) m_pContext->Release();
  }

  bool Open(int nWidth, int nHeight) {
    CString strClass = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    CRect rc(0, 0, nWidth, nHeight);
    ::AdjustWindowRectEx(&rc, WS_POPUP | WS_BORDER, FALSE, 0);
    if (!CreateEx(0, strClass, "Markup controls", WS_POPUP | WS_BORDER, 20, 20, rc.Width(),
                  rc.Height(), nullptr, nullptr))
      return false;
    m_pContext = new CTKMarkupContext(GetSafeHwnd());
    m_pContext->SetGdiPlusEnabled(FALSE);
    return true;
  }

  bool Load(const std::wstring& text) {
    m_pRoot = m_pContext->Parse(text.c_str());
    if (m_pRoot == nullptr) return false;
    CTKMarkupUIElement* pRoot = MarkupCast<CTKMarkupUIElement>(m_pRoot);
    CRect rc;
    GetClientRect(&rc);
    CTKMarkupDrawingContext dc(m_pContext);
    pRoot->Measure(&dc, rc.Width(), rc.Height());
    pRoot->Arrange(rc);
    return true;
  }

  CTKMarkupObject* Find(LPCWSTR lpszName) { return m_pRoot->FindName(lpszName); }
  CTKMarkupContext* GetContext() { return m_pContext; }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_PAINT) {
      PAINTSTRUCT ps;
      HDC hDC = ::BeginPaint(GetSafeHwnd(), &ps);
      CRect rc;
      GetClientRect(&rc);
      ::FillRect(hDC, &rc, ::GetSysColorBrush(COLOR_WINDOW));
      if (CTKMarkupUIElement* pRoot = MarkupCast<CTKMarkupUIElement>(m_pRoot)) {
        CTKMarkupDrawingContext dc(m_pContext, hDC);
        pRoot->Render(&dc);
      }
      ::EndPaint(GetSafeHwnd(), &ps);
      return 0;
    }
    LRESULT lResult = 0;
    if (m_pContext != nullptr && m_pContext->OnWndMsg(m_pRoot, message, wParam, lParam, &lResult))
      return lResult;
    return CWnd::WindowProc(message, wParam, lParam);
  }

 private:
  CTKMarkupContext* m_pContext;
  CTKMarkupObject* m_pRoot;
};

void PumpMessages() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

}  // namespace

bool DrawMarkupControlsPage(const GalleryContext& context) {
  // The controls look the same in every look of the toolkit: one picture.
  if (context.look != "Silver") return true;
  const int nWidth = 320, nHeight = 460;
  CMarkupPageWindow window;
  if (!window.Open(nWidth, nHeight) || !window.Load(PageMarkup())) return false;
  window.ShowWindow(SW_SHOWNOACTIVATE);
  // The mouse over the first button, and the list scrolled a little.
  CRect rcHot = window.GetContext()->GetElementRect(window.Find(L"Hot"));
  window.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(rcHot.left + 10, rcHot.top + 10));
  if (CTKMarkupScrollViewer* pList = MarkupCast<CTKMarkupScrollViewer>(window.Find(L"List")))
    pList->SetOffset(1, 60);
  window.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
  PumpMessages();

  // What the window shows, read back from its device context.
  CGalleryCanvas canvas(nWidth, nHeight);
  CClientDC dcWindow(&window);
  canvas.GetDC()->BitBlt(0, 0, nWidth, nHeight, &dcWindow, 0, 0, SRCCOPY);
  // What each control shows, in a column right of the buttons (check boxes and
  // radio buttons stretch across the panel, so their own right edge is no guide).
  enum Where { kRight, kInColumn, kBelow };
  const int kLabelColumn = 160;
  struct {
    LPCWSTR name;
    const char* label;
    Where where;
  } labels[] = {{L"Hot", "mouse over", kRight},
                {L"Disabled", "disabled", kRight},
                {L"Coloured", "Background set", kRight},
                {L"Checked", "check box, checked", kInColumn},
                {L"Unchecked", "unchecked", kInColumn},
                {L"Indeterminate", "indeterminate", kInColumn},
                {L"Radio", "radio group, first checked", kInColumn},
                {L"List", "scroll viewer, scrolled by 60", kBelow}};
  for (const auto& label : labels) {
    // The element's own box (its bound rectangle would include scrolled content).
    CTKMarkupVisual* pVisual = MarkupCast<CTKMarkupVisual>(window.Find(label.name));
    CRect rc(pVisual->GetAbsoluteOffset(), pVisual->GetRenderSize());
    if (label.where == kBelow)
      canvas.Label(rc.left, rc.bottom + 4, label.label);
    else
      canvas.Label(label.where == kRight ? rc.right + 8 : kLabelColumn, rc.top + 1, label.label);
  }
  return canvas.Save(context.folder + "markup-controls.png");
}
