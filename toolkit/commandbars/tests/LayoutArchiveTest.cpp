// The controls of customised bars kept under a profile name: every control
// class through the INI file and the registry, pop-up bars found again, the
// block kept in the profile or in a hidden file, the question asked when a
// customised bar's definition changed, and layouts of an older schema.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <string>
#include <vector>

#include "SupportLayoutFrame.h"
#include "SupportPaintManager.h"
#include "commandbars/TKCommandBarList.h"
#include "commandbars/TKControl.h"
#include "commandbars/TKControlClasses.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKPopupBar.h"
#include "common/TKPropExchangeArchive.h"
#include "testsupport/TempFolder.h"

namespace {

/// Answers message boxes as the test says and keeps their texts.
class CLayoutTestApp : public CWinApp {
 public:
  CLayoutTestApp() : CWinApp("VelmLayoutArchiveTest") {}
  int m_nAnswer = IDYES;
  std::vector<std::string> m_prompts;
  int DoMessageBox(LPCTSTR lpszPrompt, UINT, UINT) override {
    m_prompts.push_back(lpszPrompt);
    return m_nAnswer;
  }
};

CLayoutTestApp theApp;

const char kCompany[] = "VelmoranLayoutArchiveTest";

class LayoutArchiveTest : public ::testing::TestWithParam<BOOL> {
 protected:
  void SetUp() override {
    m_system.m_strLayoutFolder = m_folder.GetPath();
    TKSetCommandBarsSystem(&m_system);
    m_profile.UseRegistry(GetParam());
    theApp.m_prompts.clear();
    theApp.m_nAnswer = IDYES;
  }
  void TearDown() override { TKSetCommandBarsSystem(nullptr); }

  CTestGlobalPaintManager m_paintManager;
  CTempFolder m_folder;
  CLayoutSystem m_system;
  CTestProfile m_profile{&theApp, m_folder.PathOf("profile.ini"), kCompany};
};

TEST_P(LayoutArchiveTest, EveryControlClassComesBackToAFreshFrame) {
  std::vector<CRuntimeClass*> classes;
  std::vector<std::string> captions;
  {
    CLayoutFrame frame;
    CTKToolBar* pBar = frame.AddBar(101, tkBarTop, {1, 2});
    CTKControls* pControls = pBar->GetControls();
    pControls->RemoveAt(0);
    for (int nType = tkControlButton; nType <= tkControlRadioButton; ++nType) {
      CTKControl* pControl = pControls->AddNew(nType, 200 + nType);
      if (pControl == nullptr) continue;
      CString strCaption;
      strCaption.Format("Control %d", nType);
      pControl->SetCaption(strCaption);
    }
    // A pop-up whose bar holds a control of its own.
    CTKControl* pPopup = pControls->AddNew(tkControlPopup, 300);
    pPopup->GetCommandBar()->GetControls()->AddNew(tkControlButton, 301)->SetCaption("Inner");
    for (int i = 0; i < pControls->GetCount(); ++i) {
      classes.push_back(pControls->GetAt(i)->GetRuntimeClass());
      captions.push_back(static_cast<LPCTSTR>(pControls->GetAt(i)->GetRawCaption()));
    }
    frame.m_pBars->SaveLayoutToProfile("Layout");
  }
  CLayoutFrame fresh;
  CTKToolBar* pBar = fresh.AddBar(101, tkBarTop, {1, 2});
  fresh.m_pBars->LoadLayoutFromProfile("Layout");
  CTKControls* pControls = pBar->GetControls();
  ASSERT_EQ(classes.size(), static_cast<size_t>(pControls->GetCount()));
  for (int i = 0; i < pControls->GetCount(); ++i) {
    EXPECT_EQ(classes[i], pControls->GetAt(i)->GetRuntimeClass()) << i;
    EXPECT_EQ(captions[i], static_cast<LPCTSTR>(pControls->GetAt(i)->GetRawCaption())) << i;
    EXPECT_EQ(pBar, pControls->GetAt(i)->GetParent()) << i;
  }
  CTKControl* pPopup = pControls->GetAt(pControls->GetCount() - 1);
  ASSERT_NE(nullptr, pPopup->GetCommandBar());
  ASSERT_EQ(1, pPopup->GetCommandBar()->GetControlCount());
  EXPECT_EQ(CString("Inner"), pPopup->GetCommandBar()->GetControl(0)->GetRawCaption());
  // The built-in controls stay behind the loaded ones.
  ASSERT_NE(nullptr, pControls->GetOriginalControls());
  EXPECT_EQ(2, pControls->GetOriginalControls()->GetCount());
}

TEST_P(LayoutArchiveTest, AnUnchangedBarIsNotKeptAndAUserBarJoins) {
  {
    CLayoutFrame frame;
    frame.AddBar(101, tkBarTop, {1, 2});
    CTKToolBar* pUser = frame.m_pBars->AddCustomBar("Mine", 500);
    pUser->GetControls()->AddNew(tkControlButton, 7);
    frame.m_pBars->SaveLayoutToProfile("Layout");
  }
  CLayoutFrame fresh;
  CTKToolBar* pBar = fresh.AddBar(101, tkBarTop, {1, 2, 3});
  fresh.m_pBars->LoadLayoutFromProfile("Layout");
  EXPECT_EQ(std::vector<int>({1, 2, 3}), CLayoutFrame::Ids(pBar));
  CTKToolBar* pUser = fresh.m_pBars->GetToolBar(500);
  ASSERT_NE(nullptr, pUser);
  EXPECT_FALSE(pUser->IsBuiltIn());
  EXPECT_EQ(CString("Mine"), pUser->GetTitle());
  EXPECT_EQ(std::vector<int>({7}), CLayoutFrame::Ids(pUser));
  EXPECT_EQ(tkBarTop, pUser->GetPosition());
}

/// A customised bar whose definition changed: answers, silence and modes.
TEST_P(LayoutArchiveTest, AChangedDefinitionUnderACustomisedBarAsksFirst) {
  struct Case {
    BOOL bCustomised;
    BOOL bSilent;
    int nAnswer;
    bool asked;
    std::vector<int> expected;
  } cases[] = {
      {TRUE, FALSE, IDNO, true, {1}},
      {TRUE, FALSE, IDYES, true, {1, 2, 3}},
      {TRUE, TRUE, IDNO, false, {1, 2, 3}},
      {FALSE, FALSE, IDNO, false, {1, 2, 3}},
  };
  for (const Case& c : cases) {
    {
      CLayoutFrame frame;
      CTKToolBar* pBar = frame.AddBar(101, tkBarTop, {1, 2});
      if (c.bCustomised) pBar->GetControls()->RemoveAt(1);
      // Kept whole, so that an unchanged bar is in the layout too.
      frame.m_pBars->SaveLayoutToProfile("Layout", FALSE);
    }
    theApp.m_prompts.clear();
    theApp.m_nAnswer = c.nAnswer;
    CLayoutFrame fresh;
    CTKToolBar* pBar = fresh.AddBar(101, tkBarTop, {1, 2, 3});
    fresh.m_pBars->LoadLayoutFromProfile("Layout", c.bSilent);
    EXPECT_EQ(c.expected, CLayoutFrame::Ids(pBar)) << c.nAnswer << c.bSilent << c.bCustomised;
    ASSERT_EQ(c.asked ? 1u : 0u, theApp.m_prompts.size());
    if (c.asked) {
      EXPECT_EQ(
          "Due to a software update the toolbar 'Bar 101' has changed. Would you like to reset "
          "your customized toolbar and load the new one?",
          theApp.m_prompts[0]);
    }
    // The new definition stays behind the user's buttons.
    EXPECT_EQ(3, pBar->GetControls()->GetOriginalControls()->GetCount());
  }
}

/// A context menu of `nId` holding buttons `ids`, kept as its built-in controls.
CTKPopupBar* AddContextMenu(CTKCommandBars* pBars, UINT nId, const std::vector<int>& ids) {
  CTKPopupBar* pMenu = CTKPopupBar::CreatePopupBar(pBars);
  pMenu->SetBarID(nId);
  for (int nControlId : ids) pMenu->GetControls()->AddNew(tkControlButton, nControlId);
  pMenu->GetControls()->CreateOriginalControls();
  pBars->GetContextMenus()->Add(pMenu);
  return pMenu;
}

TEST_P(LayoutArchiveTest, CustomisedContextMenusComeBackEvenOnesTheProgramNoLongerMakes) {
  {
    CLayoutFrame frame;
    CTKPopupBar* pKept = AddContextMenu(frame.m_pBars, 700, {10, 11});
    pKept->GetControls()->RemoveAt(1);
    pKept->GetControls()->AddNew(tkControlButton, 12);
    CTKPopupBar* pGone = AddContextMenu(frame.m_pBars, 701, {20});
    pGone->GetControls()->AddNew(tkControlButton, 21);
    AddContextMenu(frame.m_pBars, 702, {30});  // unchanged: not kept
    frame.m_pBars->SaveLayoutToProfile("Layout");
  }
  CLayoutFrame fresh;
  CTKPopupBar* pKept = AddContextMenu(fresh.m_pBars, 700, {10, 11});
  CTKPopupBar* pUnchanged = AddContextMenu(fresh.m_pBars, 702, {30, 31});
  fresh.m_pBars->LoadLayoutFromProfile("Layout");
  CTKCommandBarsContextMenus* pMenus = fresh.m_pBars->GetContextMenus();
  ASSERT_EQ(3, pMenus->GetCount());
  EXPECT_EQ(pKept, pMenus->FindCommandBar(700));
  EXPECT_EQ(std::vector<int>({10, 12}), CLayoutFrame::Ids(pKept));
  EXPECT_EQ(pKept, pKept->GetControl(1)->GetParent());
  // The program's own controls stay behind the user's.
  ASSERT_NE(nullptr, pKept->GetControls()->GetOriginalControls());
  EXPECT_EQ(2, pKept->GetControls()->GetOriginalControls()->GetCount());
  EXPECT_TRUE(pKept->GetControls()->IsChanged());
  EXPECT_EQ(std::vector<int>({30, 31}), CLayoutFrame::Ids(pUnchanged));
  CTKPopupBar* pGone = DYNAMIC_DOWNCAST(CTKPopupBar, pMenus->FindCommandBar(701));
  ASSERT_NE(nullptr, pGone);
  EXPECT_TRUE(pGone->IsContextMenu());
  EXPECT_EQ(std::vector<int>({20, 21}), CLayoutFrame::Ids(pGone));
  // Its built-in controls came with it.
  ASSERT_NE(nullptr, pGone->GetControls()->GetOriginalControls());
  EXPECT_EQ(1, pGone->GetControls()->GetOriginalControls()->GetCount());
}

INSTANTIATE_TEST_SUITE_P(Profiles, LayoutArchiveTest, ::testing::Values(FALSE, TRUE),
                         [](const ::testing::TestParamInfo<BOOL>& info) {
                           return std::string(info.param ? "Registry" : "IniFile");
                         });

// The layout block ----------------------------------------------------------------------

class LayoutBlockTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_system.m_strLayoutFolder = m_folder.GetPath();
    TKSetCommandBarsSystem(&m_system);
  }
  void TearDown() override { TKSetCommandBarsSystem(nullptr); }
  std::string FilePath() {
    CString strPath;
    m_frame.m_pBars->GetLayoutFilePath(strPath, "Block\\Name");
    return static_cast<LPCTSTR>(strPath);
  }
  std::string FileBytes(const std::string& path) {
    std::string bytes;
    CFile file;
    if (!file.Open(path.c_str(), CFile::modeRead)) return "<none>";
    bytes.resize(static_cast<size_t>(file.GetLength()));
    file.Read(&bytes[0], static_cast<UINT>(bytes.size()));
    return bytes;
  }

  CTestGlobalPaintManager m_paintManager;
  CTempFolder m_folder;
  CLayoutSystem m_system;
  CTestProfile m_profile{&theApp, m_folder.PathOf("profile.ini"), kCompany};
  CLayoutFrame m_frame;
};

TEST_F(LayoutBlockTest, UpTo16000BytesStayInTheProfileBeyondThatInAHiddenFile) {
  EXPECT_EQ(m_folder.PathOf("Block_Name"), FilePath());
  for (UINT nCount : {16000u, 16001u}) {
    const std::string block(nCount, static_cast<char>(nCount & 0xFF));
    ASSERT_TRUE(m_frame.m_pBars->StoreLayoutBlock(
        "Block\\Name", reinterpret_cast<const BYTE*>(block.data()), nCount));
    const BOOL bFile = nCount > 16000;
    EXPECT_EQ(bFile, m_profile.Int("Block\\Name-Controls", "LoadFromFile")) << nCount;
    if (bFile) {
      EXPECT_EQ(CString(FilePath().c_str()),
                theApp.GetProfileString("Block\\Name-Controls", "Controls", ""));
      EXPECT_EQ(block, FileBytes(FilePath()));
      EXPECT_TRUE(::GetFileAttributesA(FilePath().c_str()) & FILE_ATTRIBUTE_HIDDEN);
    } else {
      BYTE* pData = nullptr;
      UINT nRead = 0;
      ASSERT_TRUE(theApp.GetProfileBinary("Block\\Name-Controls", "Controls", &pData, &nRead));
      EXPECT_EQ(block, std::string(reinterpret_cast<char*>(pData), nRead));
      delete[] pData;
    }
  }
}

TEST_F(LayoutBlockTest, AFailedWriteLeavesTheOldFileAndTheProfile) {
  const std::string first(20000, 'a');
  ASSERT_TRUE(m_frame.m_pBars->StoreLayoutBlock(
      "Block\\Name", reinterpret_cast<const BYTE*>(first.data()), 20000));
  // Where the new file would be written first there is a folder.
  ASSERT_TRUE(::CreateDirectoryA((FilePath() + ".new").c_str(), NULL));
  const std::string second(30000, 'b');
  EXPECT_FALSE(m_frame.m_pBars->StoreLayoutBlock(
      "Block\\Name", reinterpret_cast<const BYTE*>(second.data()), 30000));
  EXPECT_EQ(first, FileBytes(FilePath()));
  EXPECT_EQ(1, m_profile.Int("Block\\Name-Controls", "LoadFromFile"));
  // A small layout still goes to the profile, and a large one replaces the
  // old file once it can be written.
  ::RemoveDirectoryA((FilePath() + ".new").c_str());
  ASSERT_TRUE(m_frame.m_pBars->StoreLayoutBlock(
      "Block\\Name", reinterpret_cast<const BYTE*>(second.data()), 30000));
  EXPECT_EQ(second, FileBytes(FilePath()));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA((FilePath() + ".new").c_str()));
}

TEST_F(LayoutBlockTest, ALargeLayoutLoadsFromItsFile) {
  CTKToolBar* pBar = m_frame.AddBar(101, tkBarTop, {1});
  for (int i = 0; i < 400; ++i) {
    CString strCaption;
    strCaption.Format("A long caption that makes the layout large %d", i);
    pBar->GetControls()->AddNew(tkControlButton, 1000 + i)->SetCaption(strCaption);
  }
  m_frame.m_pBars->SaveLayoutToProfile("Large");
  EXPECT_EQ(1, m_profile.Int("Large-Controls", "LoadFromFile"));
  CLayoutFrame fresh;
  CTKToolBar* pFresh = fresh.AddBar(101, tkBarTop, {1});
  fresh.m_pBars->LoadLayoutFromProfile("Large");
  EXPECT_EQ(401, pFresh->GetControlCount());
}

// Older layouts -------------------------------------------------------------------------

TEST_F(LayoutBlockTest, ASchema17LayoutGetsNoCustomStyleAndPopupGrippers) {
  CTKToolBar* pBar = m_frame.AddBar(101, tkBarTop, {1});
  pBar->SetBuiltIn(FALSE);
  CTKControl* pPopup = pBar->GetControls()->AddNew(tkControlPopup, 300);
  pPopup->SetStyle(3);
  pPopup->SetCustomStyle(0);
  CTKCommandBar* pPopupBar = pPopup->GetCommandBar();
  pPopupBar->SetShowGripper(FALSE);
  pPopupBar->SetBarID(77);
  // A stream of that time: no schema header, and the classes written with
  // the schema they had then.
  CRuntimeClass* classes[] = {RUNTIME_CLASS(CTKToolBar), RUNTIME_CLASS(CTKPopupBar),
                              RUNTIME_CLASS(CTKControlButton), RUNTIME_CLASS(CTKControlPopup)};
  for (CRuntimeClass* pClass : classes) pClass->m_wSchema = VERSIONABLE_SCHEMA | 17;
  CMemFile file;
  {
    CArchive ar(&file, CArchive::store);
    CTKPropExchangeSection px(new CTKPropExchangeArchive(ar));
    px->SetSchema(17);
    CTKPropExchangeSection bars(px->GetSection("CommandBars"));
    CTKPropExchangeEnumeratorPtr enumerator(bars->GetEnumerator("CommandBar"));
    POSITION pos = enumerator->GetPosition(2);
    for (CTKCommandBar* pEach : {static_cast<CTKCommandBar*>(pBar), pPopupBar}) {
      CTKPropExchangeSection section(enumerator->GetNext(pos));
      CObject* pObject = pEach;
      section->ExchangeObjectInstance(pObject, RUNTIME_CLASS(CTKCommandBar));
      pEach->DoPropExchange(section);
    }
  }
  for (CRuntimeClass* pClass : classes) pClass->m_wSchema = VERSIONABLE_SCHEMA | TK_LAYOUT_SCHEMA;
  file.SeekToBegin();
  CLayoutFrame fresh;
  CTKToolBar* pFresh = fresh.AddBar(101, tkBarTop, {1});
  pFresh->SetBuiltIn(FALSE);
  ASSERT_TRUE(fresh.m_pBars->LoadLayoutFromFile(&file, TRUE));
  ASSERT_EQ(2, pFresh->GetControlCount());
  CTKControl* pLoaded = pFresh->GetControl(1);
  ASSERT_NE(nullptr, pLoaded->GetCommandBar());
  EXPECT_TRUE(pLoaded->GetCommandBar()->GetShowGripper());
  // A custom style of 0 meant none: the control's own style shows.
  EXPECT_EQ(3, pLoaded->GetStyle());
}

}  // namespace
