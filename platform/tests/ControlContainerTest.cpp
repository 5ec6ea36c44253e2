// Windows that host OLE controls, with the system's web-browser control as
// the control (it activates in place without a page engine).
#include <afxdisp.h>
#include <afxocc.h>
#include <afxwin.h>

#include <gtest/gtest.h>

#include "testsupport/HostWindow.h"

namespace {

const CLSID kCLSID_WebBrowser = {
    0x8856F961, 0x340A, 0x11D0, {0xA9, 0x6B, 0x00, 0xC0, 0x4F, 0xD7, 0x05, 0xA2}};
const CLSID kCLSID_Nothing = {
    0x12345678, 0x1234, 0x1234, {0x12, 0x34, 0x12, 0x34, 0x12, 0x34, 0x12, 0x34}};

class ControlContainerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(::OleInitialize(NULL)));
    ASSERT_TRUE(m_parent.CreateHost(400, 300));
  }
  void TearDown() override {
    m_control.DestroyWindow();
    m_parent.DestroyWindow();
    ::OleUninitialize();
  }

  CTestHostWindow m_parent;
  CWnd m_control;
};

TEST_F(ControlContainerTest, ControlsNeedTheContainerEnabledFirst) {
  // Runs before the others enable it for the process.
  if (!AfxIsControlContainerEnabled()) {
    EXPECT_FALSE(m_control.CreateControl(kCLSID_WebBrowser, NULL, WS_CHILD | WS_VISIBLE,
                                         CRect(0, 0, 100, 100), &m_parent, 5));
    EXPECT_EQ(NULL, m_control.GetSafeHwnd());
  }
  AfxEnableControlContainer();
  EXPECT_TRUE(AfxIsControlContainerEnabled());
}

TEST_F(ControlContainerTest, AControlIsAChildWindowWithItsIdAndItsObject) {
  AfxEnableControlContainer();
  ASSERT_TRUE(m_control.CreateControl(kCLSID_WebBrowser, NULL, WS_CHILD | WS_VISIBLE,
                                      CRect(10, 20, 210, 120), &m_parent, 0xE900));
  ASSERT_NE(nullptr, m_control.GetControlUnknown());
  EXPECT_EQ(m_parent.GetSafeHwnd(), ::GetParent(m_control.GetSafeHwnd()));
  EXPECT_EQ(0xE900, m_control.GetDlgCtrlID());
  EXPECT_EQ(&m_control, CWnd::FromHandlePermanent(m_control.GetSafeHwnd()));
  IOleObject* pOleObject = nullptr;
  ASSERT_TRUE(SUCCEEDED(m_control.GetControlUnknown()->QueryInterface(
      IID_IOleObject, reinterpret_cast<void**>(&pOleObject))));
  IOleClientSite* pSite = nullptr;
  EXPECT_TRUE(SUCCEEDED(pOleObject->GetClientSite(&pSite)));
  EXPECT_NE(nullptr, pSite);
  if (pSite != nullptr) pSite->Release();
  pOleObject->Release();
  CRect rc;
  m_control.GetWindowRect(&rc);
  m_parent.ScreenToClient(&rc);
  EXPECT_EQ(CRect(10, 20, 210, 120), rc);
}

TEST_F(ControlContainerTest, MovingTheWindowMovesTheControl) {
  AfxEnableControlContainer();
  ASSERT_TRUE(m_control.CreateControl(kCLSID_WebBrowser, NULL, WS_CHILD | WS_VISIBLE,
                                      CRect(0, 0, 100, 100), &m_parent, 1));
  m_control.MoveWindow(5, 6, 150, 80);
  CRect rc;
  m_control.GetWindowRect(&rc);
  m_parent.ScreenToClient(&rc);
  EXPECT_EQ(CRect(5, 6, 155, 86), rc);
  m_control.SetWindowPos(nullptr, 0, 0, 60, 40, SWP_NOMOVE | SWP_NOZORDER);
  m_control.GetWindowRect(&rc);
  m_parent.ScreenToClient(&rc);
  EXPECT_EQ(CRect(5, 6, 65, 46), rc);
}

TEST_F(ControlContainerTest, DestroyingTheWindowReleasesTheControl) {
  AfxEnableControlContainer();
  ASSERT_TRUE(m_control.CreateControl(kCLSID_WebBrowser, NULL, WS_CHILD, CRect(0, 0, 100, 100),
                                      &m_parent, 1));
  HWND hWnd = m_control.GetSafeHwnd();
  EXPECT_FALSE(::IsWindowVisible(hWnd));
  EXPECT_TRUE(m_control.DestroyWindow());
  EXPECT_FALSE(::IsWindow(hWnd));
  EXPECT_EQ(NULL, m_control.GetSafeHwnd());
  EXPECT_EQ(nullptr, m_control.GetControlUnknown());
  // The object can host a control again.
  EXPECT_TRUE(m_control.CreateControl(kCLSID_WebBrowser, NULL, WS_CHILD, CRect(0, 0, 100, 100),
                                      &m_parent, 1));
}

TEST_F(ControlContainerTest, AClassThatIsNotThereGivesNoWindow) {
  AfxEnableControlContainer();
  EXPECT_FALSE(m_control.CreateControl(kCLSID_Nothing, NULL, WS_CHILD | WS_VISIBLE,
                                       CRect(0, 0, 100, 100), &m_parent, 1));
  EXPECT_EQ(NULL, m_control.GetSafeHwnd());
  EXPECT_EQ(nullptr, m_control.GetControlUnknown());
  EXPECT_EQ(0, ::GetWindow(m_parent.GetSafeHwnd(), GW_CHILD) != NULL);
}

}  // namespace
