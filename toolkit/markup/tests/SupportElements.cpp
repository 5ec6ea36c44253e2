// The element tests' stacking panel, recording handlers and markup host window.
#include "SupportElements.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "SupportMarkup.h"
#include "markup/TKMarkupDrawingContext.h"
#include "markup/TKMarkupInputElement.h"
#include "TKMarkupString.h"
#include "TKMarkupType.h"
#include "markup/TKMarkupUIElement.h"

// Stack ------------------------------------------------------------------------------

CTKMarkupType* CTestStack::s_pType = nullptr;

CTKMarkupObject* CTestStack::CreateInstance(CTKMarkupContext* pContext) {
  CTestStack* pStack = new CTestStack;
  pStack->SetContext(pContext);
  return pStack;
}

CTKMarkupType* CTestStack::Register() {
  if (s_pType == nullptr)
    s_pType = new CTKMarkupType(L"TestStack", L"CTestStack", &CTestStack::CreateInstance,
                                &CTKMarkupPanel::StaticType, nullptr);
  return s_pType;
}

CSize CTestStack::MeasureOverride(CTKMarkupDrawingContext* pDC, int nWidth, int) {
  CSize size(0, 0);
  for (int i = 0; i < GetChildren()->GetCount(); ++i) {
    CTKMarkupUIElement* pChild = GetChild(i);
    pChild->Measure(pDC, nWidth, INT_MAX);
    size.cx = std::max(size.cx, pChild->GetDesiredSize().cx);
    size.cy += pChild->GetDesiredSize().cy;
  }
  return size;
}

CSize CTestStack::ArrangeOverride(int nWidth, int nHeight) {
  int y = 0;
  for (int i = 0; i < GetChildren()->GetCount(); ++i) {
    CTKMarkupUIElement* pChild = GetChild(i);
    int cy = pChild->GetDesiredSize().cy;
    pChild->Arrange(CRect(0, y, nWidth, y + cy));
    y += cy;
  }
  return CSize(nWidth, nHeight);
}

// Handlers -----------------------------------------------------------------------------

void CRecordingDelegate::Execute(CTKMarkupObject* pSender, CTKMarkupObject* pArgs) {
  CTKMarkupRoutedEventArgs* pEventArgs = static_cast<CTKMarkupRoutedEventArgs*>(pArgs);
  if (!m_pLog->empty()) *m_pLog += " ";
  *m_pLog += m_name + ":" + CStringA(pEventArgs->GetRoutedEvent()->GetName()).GetString();
  if (m_bHandle) pEventArgs->SetHandled(TRUE);
  (void)pSender;
}

void Record(CTKMarkupObject* pElement, CTKMarkupRoutedEvent* pEvent, std::string* pLog,
            const std::string& name, BOOL bHandle) {
  CRecordingDelegate* pDelegate = new CRecordingDelegate(pLog, name, bHandle);
  static_cast<CTKMarkupInputElement*>(pElement)->AddHandler(pEvent, pDelegate);
  pDelegate->Release();
}

// Contexts ------------------------------------------------------------------------------

void ReleaseTestContext(CTKMarkupContext* pContext) {
  EXPECT_EQ(pContext->Release(), 0u) << "objects made through the context outlive the test";
}

// Host window ---------------------------------------------------------------------------

CMarkupHostWindow::CMarkupHostWindow() : m_pContext(nullptr), m_pRoot(nullptr) {}

CMarkupHostWindow::~CMarkupHostWindow() {
  if (m_pRoot != nullptr) m_pRoot->Release();
  if (GetSafeHwnd() != nullptr) DestroyWindow();
  if (m_pContext != nullptr) ReleaseTestContext(m_pContext);
}

BOOL CMarkupHostWindow::Create(int nWidth, int nHeight) {
  if (!CreateHost(nWidth, nHeight)) return FALSE;
  m_pContext = new CTKMarkupContext(GetSafeHwnd());
  return TRUE;
}

BOOL CMarkupHostWindow::Load(const std::wstring& text, std::string* pError) {
  CTestStack::Register();
  CTKMarkupObject* pRoot = ParseForTest(m_pContext, text, pError);
  if (pRoot == nullptr) return FALSE;
  SetRoot(pRoot);
  return TRUE;
}

void CMarkupHostWindow::SetRoot(CTKMarkupObject* pRoot) {
  if (m_pRoot != nullptr) m_pRoot->Release();
  m_pRoot = pRoot;
  Layout();
}

void CMarkupHostWindow::Layout() {
  CTKMarkupUIElement* pRoot = MarkupCast<CTKMarkupUIElement>(m_pRoot);
  if (pRoot == nullptr) return;
  CRect rc;
  GetClientRect(&rc);
  CTKMarkupDrawingContext dc(m_pContext);
  pRoot->Measure(&dc, rc.Width(), rc.Height());
  pRoot->Arrange(rc);
}

CTKMarkupObject* CMarkupHostWindow::Find(LPCWSTR lpszName) const {
  return m_pRoot != nullptr ? m_pRoot->FindName(lpszName) : nullptr;
}

LRESULT CMarkupHostWindow::Mouse(UINT message, int x, int y, WPARAM wParam) {
  return SendMessage(message, wParam, MAKELPARAM(x, y));
}

CRect CMarkupHostWindow::RectOf(CTKMarkupObject* pElement) const {
  return m_pContext->GetElementRect(pElement);
}

LRESULT CMarkupHostWindow::MoveTo(CTKMarkupObject* pElement) {
  CPoint pt = RectOf(pElement).CenterPoint();
  return Mouse(WM_MOUSEMOVE, pt.x, pt.y);
}

void CMarkupHostWindow::Click(CTKMarkupObject* pElement) {
  CPoint pt = RectOf(pElement).CenterPoint();
  Mouse(WM_MOUSEMOVE, pt.x, pt.y);
  Mouse(WM_LBUTTONDOWN, pt.x, pt.y, MK_LBUTTON);
  Mouse(WM_LBUTTONUP, pt.x, pt.y);
}

LRESULT CMarkupHostWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_pContext != nullptr) {
    LRESULT lResult = 0;
    m_bHandled = m_pContext->OnWndMsg(m_pRoot, message, wParam, lParam, &lResult);
    m_lResult = lResult;
    if (m_bHandled) return lResult;
  }
  return CTestHostWindow::WindowProc(message, wParam, lParam);
}
