// The ribbon's test fixtures: a ribbon look that records what it is asked to
// draw, a theme that hands it out, and a hidden frame with command bars and
// a ribbon whose site records the messages the ribbon sends.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "SupportThemePaintManager.h"
#include "commandbars/TKCommandBars.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonPaintManager.h"
#include "themes/TKFramePaintManagerBase.h"

class CTestRibbonPaintManager : public CTKRibbonPaintManager {
 public:
  explicit CTestRibbonPaintManager(CTKPaintManagerBase* pOwner) : CTKRibbonPaintManager(pOwner) {}

  void DrawGroup(CDC* pDC, CTKRibbonGroup* pGroup) override;
  void FillGroupsArea(CDC* pDC, CTKRibbonTab*, CRect rcGroups) override;
  CSize DrawGroupPopupButton(CDC*, CTKControl*, BOOL) override { return CSize(40, 60); }
  void FillRibbonBar(CDC* pDC, CTKRibbonBar* pRibbonBar) override;
  void DrawGroupOptionButton(CDC*, CTKControl*, BOOL) override {}
  void DrawContextHeaders(CDC*, CTKRibbonBar*, CTKRibbonTabContextHeaders*) override {}
  /// Fills the tab's rectangle so that its caption shows on a known face.
  void DrawRibbonTab(CDC* pDC, CTKTabManagerItem* pTab) override;
  void FillContextTabBackground(CDC*, CTKRibbonBar*, CRect) override { ++m_nContextFills; }
  void FillGroupPopupToolBar(CDC*, CTKRibbonGroup*, CTKCommandBar*) override {}
  void DrawCaptionBackground(CDC* pDC, CTKRibbonBar* pRibbonBar, BOOL) override;
  void DrawFrameCaption(CDC* pDC, CTKRibbonBar* pRibbonBar, BOOL) override;
  void DrawQuickAccessCustomizeButton(CDC* pDC, CTKControl* pButton) override;
  void DrawQuickAccessMoreButton(CDC*, CTKControl*) override {}
  void DrawSystemButton(CDC*, CTKControl*, CRect) override {}
  void DrawGroupsScrollButton(CDC*, CTKControl*) override {}
  void FillPopupBarFrame(CDC*, CTKPopupBar*) override {}
  void FillSystemPopupBar(CDC*, CTKPopupBar*) override {}
  void DrawSystemPopupBarButton(CDC*, CTKControl*) override {}
  void DrawControlGroupBackground(CDC*, CRect) override {}
  int GetCaptionHeight(CTKRibbonBar*) override { return m_nCaptionHeight; }
  CSize GetOptionButtonSize() override { return CSize(10, 10); }

  static constexpr COLORREF kTabFace = RGB(250, 250, 250);
  int m_nContextFills = 0;

  // Layout and painting: one flat colour per slice, and the order of the calls.
  static constexpr COLORREF kBarFace = RGB(20, 20, 20);
  static constexpr COLORREF kCaptionFace = RGB(40, 40, 40);
  static constexpr COLORREF kGroupsFace = RGB(60, 60, 60);
  static constexpr COLORREF kGroupFace = RGB(80, 80, 80);
  static constexpr COLORREF kQuickAccessFace = RGB(100, 100, 100);
  std::vector<CString> m_calls;
  int m_nCaptionHeight = 0;
};

/// A button whose size depends only on its style (large, medium or small),
/// so that layouts do not rest on the text extents of the machine.
class CTestSizedButton : public CTKControlButton {
  DECLARE_DYNCREATE(CTestSizedButton)

 public:
  CSize GetSize(CDC*) override;
  void Copy(CTKControl* pSource, BOOL bRecursive = FALSE) override;

  CSize m_szLarge = CSize(40, 66);
  CSize m_szMedium = CSize(60, 22);
  CSize m_szSmall = CSize(22, 22);
};

/// A frame look with fixed caption buttons, drawn as nothing.
class CTestRibbonFramePaintManager : public CTKFramePaintManagerBase {
 public:
  explicit CTestRibbonFramePaintManager(CTKPaintManagerBase* pOwner)
      : CTKFramePaintManagerBase(pOwner) {
    m_szCaptionButton = CSize(30, 20);
  }
  void DrawCaptionButton(CDC*, CRect, UINT, BOOL, BOOL, BOOL) override {}
  HRGN CreateFrameRegion(CTKCommandBarsFrameHook*, int, int) override { return NULL; }
  void DrawFrame(CDC*, CTKCommandBarsFrameHook*) override {}
  CSize GetCaptionButtonSize(UINT, CTKCommandBarsFrameHook*) override { return m_szCaptionButton; }
};

/// The themes' test paint manager with a ribbon look, made on first request.
class CTestRibbonThemePaintManager : public CTestThemePaintManager {
 public:
  ~CTestRibbonThemePaintManager() override;
  CTKRibbonPaintManager* GetRibbonPaintManager() override;
  /// The control height the owner reports, for the ribbon's clamp.
  int m_nControlHeightOverride = -1;
  int GetControlHeight() const override {
    return m_nControlHeightOverride >= 0 ? m_nControlHeightOverride
                                         : CTestThemePaintManager::GetControlHeight();
  }
  /// A frame look once a test asks for one (frame theming needs it).
  CTKFramePaintManager* GetFramePaintManager() override { return m_pFrame.get(); }
  void EnableTestFrame() { m_pFrame.reset(new CTestRibbonFramePaintManager(this)); }

 private:
  std::unique_ptr<CTestRibbonFramePaintManager> m_pFrame;
  CTestRibbonPaintManager* m_pRibbonPaintManager = nullptr;
};

/// A frame window that records the messages the ribbon sends its site.
class CRibbonTestFrame : public CFrameWnd {
 public:
  struct Notification {
    WPARAM wParam;
    UINT nCode;
  };
  std::vector<UINT> m_messages;
  std::vector<Notification> m_notifications;
  std::vector<WPARAM> m_commands;
  /// What the frame answers to TCN_SELCHANGING.
  LRESULT m_nSelChangingAnswer = 0;
  /// The frame offers the customise command (read when the command bars are sited).
  BOOL m_bOfferCustomize = FALSE;
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
  int Count(UINT nMessage) const;
  /// WM_SYSCOMMAND codes the frame was sent; swallowed, so it stays open.
  std::vector<WPARAM> m_sysCommands;
  /// Maximising and restoring are carried out after being recorded.
  BOOL m_bSizeCommands = FALSE;
  int CountNotifications(UINT nCode) const;

  // What the ribbon asks of the frame's caption and menus
  /// The system-menu, caption press, double-click and cursor requests, in order.
  std::vector<MSG> m_frameRequests;
  /// Each quick-access menu the ribbon was about to show: the ids of its
  /// visible entries, and the control its add entry stands for. The menu is
  /// then emptied, so that it is not tracked.
  struct ContextMenu {
    std::vector<int> ids;
    CTKControl* pTarget;
  };
  std::vector<ContextMenu> m_contextMenus;
  /// Whether the menus are recorded and emptied (else left as they are).
  BOOL m_bTakeContextMenus = FALSE;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

/// A hidden frame with command bars and a ribbon drawn by the test look.
class RibbonFrameTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  CTestRibbonPaintManager* RibbonLook() const {
    return static_cast<CTestRibbonPaintManager*>(m_pPaintManager->GetRibbonPaintManager());
  }
  /// A ribbon tab with a caption, added at the end.
  CTKRibbonTab* AddTab(LPCTSTR lpszCaption) { return m_pRibbon->AddTab(lpszCaption, 0); }

  CRibbonTestFrame* m_pFrame = nullptr;
  CTKCommandBars* m_pBars = nullptr;
  CTestRibbonThemePaintManager* m_pPaintManager = nullptr;
  CTKRibbonBar* m_pRibbon = nullptr;
  /// The class SetUp makes the ribbon of.
  CRuntimeClass* m_pRibbonClass = RUNTIME_CLASS(CTKRibbonBar);
};
