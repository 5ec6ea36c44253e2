// The ribbon's test fixtures: a ribbon look that records what it is asked to
// draw, a theme that hands it out, and a hidden frame with command bars and
// a ribbon whose site records the messages the ribbon sends.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "SupportThemePaintManager.h"
#include "commandbars/TKCommandBars.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonPaintManager.h"

class CTestRibbonPaintManager : public CTKRibbonPaintManager {
 public:
  explicit CTestRibbonPaintManager(CTKPaintManagerBase* pOwner) : CTKRibbonPaintManager(pOwner) {}

  void DrawGroup(CDC*, CTKRibbonGroup*) override {}
  void FillGroupsArea(CDC*, CTKRibbonTab*, CRect) override {}
  CSize DrawGroupPopupButton(CDC*, CTKControl*, BOOL) override { return CSize(40, 60); }
  void FillRibbonBar(CDC*, CTKRibbonBar*) override {}
  void DrawGroupOptionButton(CDC*, CTKControl*, BOOL) override {}
  void DrawContextHeaders(CDC*, CTKRibbonBar*, CTKRibbonTabContextHeaders*) override {}
  /// Fills the tab's rectangle so that its caption shows on a known face.
  void DrawRibbonTab(CDC* pDC, CTKTabManagerItem* pTab) override;
  void FillContextTabBackground(CDC*, CTKRibbonBar*, CRect) override { ++m_nContextFills; }
  void FillGroupPopupToolBar(CDC*, CTKRibbonGroup*, CTKCommandBar*) override {}
  void DrawCaptionBackground(CDC*, CTKRibbonBar*, BOOL) override {}
  void DrawFrameCaption(CDC*, CTKRibbonBar*, BOOL) override {}
  void DrawQuickAccessCustomizeButton(CDC*, CTKControl*) override {}
  void DrawQuickAccessMoreButton(CDC*, CTKControl*) override {}
  void DrawSystemButton(CDC*, CTKControl*, CRect) override {}
  void DrawGroupsScrollButton(CDC*, CTKControl*) override {}
  void FillPopupBarFrame(CDC*, CTKPopupBar*) override {}
  void FillSystemPopupBar(CDC*, CTKPopupBar*) override {}
  void DrawSystemPopupBarButton(CDC*, CTKControl*) override {}
  void DrawControlGroupBackground(CDC*, CRect) override {}
  int GetCaptionHeight(CTKRibbonBar*) override { return 0; }
  CSize GetOptionButtonSize() override { return CSize(10, 10); }

  static constexpr COLORREF kTabFace = RGB(250, 250, 250);
  int m_nContextFills = 0;
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

 private:
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
