// Saving and loading the command bars' state under a profile name: the bar
// states as plain values, and the controls the user changed as one archive,
// kept in the profile or, when large, in a hidden file of its own.
#include <stdlib.h>

#include "commandbars/TKCommandBarList.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsDockState.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKPopupBar.h"
#include "commandbars/TKToolBar.h"
#include "common/TKPropExchange.h"
#include "common/TKPropExchangeArchive.h"
#include "common/TKZipMemFile.h"
#include "TKProfile.h"

using namespace tkprofile;

namespace {
const char kControlsSection[] = "-Controls";
const UINT kArchiveBuffer = 4096;
/// Where the ids of pop-up bars without one of their own start.
const int kFirstGeneratedBarId = 0x1000000;
}  // namespace

TK_BARS_EXCHANGE_PARAM* AFXAPI TKGetBarsExchangeParam(CTKPropExchange* pPX) {
  return pPX != nullptr ? reinterpret_cast<TK_BARS_EXCHANGE_PARAM*>(pPX->GetData()) : nullptr;
}

CTKCommandBar* AFXAPI TKFindLayoutBar(const CTKLayoutBars& bars, UINT nBarID) {
  for (const auto& pBar : bars)
    if (pBar->GetBarID() == nBarID) return pBar.Get();
  return nullptr;
}

// Entry points ------------------------------------------------------------------------

void CTKCommandBars::SaveLayoutToProfile(LPCTSTR lpszProfileName, BOOL bOnlyChanged) {
  // Bars that print preview hid count as visible again.
  OnSetPreviewMode(FALSE);
  CTKCommandBarsDockState state;
  GetDockState(state);
  state.SaveState(lpszProfileName);
  SaveDockBars(lpszProfileName);

  if (m_bCustomizeAvail) {
    CTKZipMemFile file;
    if (SaveLayoutToFile(&file, bOnlyChanged)) {
      BYTE* pData = nullptr;
      UINT nCount = 0;
      file.DetachBuffer(pData, nCount);
      StoreLayoutBlock(lpszProfileName, pData, nCount);
      free(pData);
    } else {
      EmptySection(SectionName(lpszProfileName, kControlsSection));
    }
  }
  m_pOptions->bDirty = FALSE;
}

void CTKCommandBars::LoadLayoutFromProfile(LPCTSTR lpszProfileName, BOOL bSilent) {
  if (m_bCustomizeAvail) {
    const CString strSection = SectionName(lpszProfileName, kControlsSection);
    if (GetInt(strSection, "LoadFromFile", 0)) {
      CWinApp* pApp = AfxGetApp();
      const CString strPath =
          pApp != nullptr ? pApp->GetProfileString(strSection, "Controls", "") : CString();
      CTKZipMemFile file;
      if (!strPath.IsEmpty() && file.OpenFile(strPath)) LoadLayoutFromFile(&file, bSilent);
    } else {
      BYTE* pData = nullptr;
      DWORD cbData = 0;
      {
        CTKPropExchangeSection px(TRUE, strSection);
        if (!ExchangeBinaryProp(px, "Controls", &pData, &cbData)) pData = nullptr;
      }
      if (pData != nullptr) {
        CTKZipMemFile file(pData, cbData);
        LoadLayoutFromFile(&file, bSilent);
        file.Close();
        free(pData);
      }
    }
  }
  CTKCommandBarsDockState state;
  state.LoadState(lpszProfileName);
  LoadDockBars(lpszProfileName);
  SetDockState(state);
  RecalcFrameLayout(TRUE);
  m_pOptions->bDirty = FALSE;
}

// The layout block ----------------------------------------------------------------------

void CTKCommandBars::GetLayoutFilePath(CString& strPath, LPCTSTR lpszProfileName) const {
  CString strName = lpszProfileName != nullptr ? lpszProfileName : "";
  strName.Replace("\\", "_");
  const CString strFolder = TKCommandBarsSystem()->GetLayoutStorageFolder();
  if (!strFolder.IsEmpty()) {
    strPath.Format("%s\\%s", static_cast<LPCTSTR>(strFolder), static_cast<LPCTSTR>(strName));
    return;
  }
  char szModule[MAX_PATH] = "";
  ::GetModuleFileNameA(NULL, szModule, MAX_PATH);
  strPath.Format("%s-%s", szModule, static_cast<LPCTSTR>(strName));
}

namespace {
/// Writes the block to a new file; FALSE (and no file) when it cannot.
BOOL WriteWholeFile(LPCTSTR lpszPath, const BYTE* pData, UINT nCount) {
  CFile file;
  if (!file.Open(lpszPath, CFile::modeCreate | CFile::modeWrite)) return FALSE;
  try {
    file.Write(pData, nCount);
    file.Close();
    return TRUE;
  } catch (CFileException* e) {
    e->Delete();
    file.Abort();
    ::DeleteFileA(lpszPath);
    return FALSE;
  }
}
}  // namespace

BOOL CTKCommandBars::StoreLayoutBlock(LPCTSTR lpszProfileName, const BYTE* pData, UINT nCount) {
  CWinApp* pApp = AfxGetApp();
  if (pApp == nullptr) return FALSE;
  const CString strSection = SectionName(lpszProfileName, kControlsSection);
  if (nCount <= kMaxLayoutBlock) {
    pApp->WriteProfileBinary(strSection, "Controls", const_cast<BYTE*>(pData), nCount);
    WriteInt(strSection, "LoadFromFile", 0);
    return TRUE;
  }
  // The new layout is written beside the old one and only then takes its
  // place, so that a failed write leaves the last good layout and the
  // profile values that name it.
  CString strPath;
  GetLayoutFilePath(strPath, lpszProfileName);
  const CString strTemp = strPath + ".new";
  if (!WriteWholeFile(strTemp, pData, nCount)) return FALSE;
  const DWORD dwOld = ::GetFileAttributesA(strPath);
  if (dwOld != INVALID_FILE_ATTRIBUTES) ::SetFileAttributesA(strPath, FILE_ATTRIBUTE_NORMAL);
  if (!::MoveFileExA(strTemp, strPath, MOVEFILE_REPLACE_EXISTING)) {
    if (dwOld != INVALID_FILE_ATTRIBUTES) ::SetFileAttributesA(strPath, dwOld);
    ::DeleteFileA(strTemp);
    return FALSE;
  }
  ::SetFileAttributesA(strPath, FILE_ATTRIBUTE_HIDDEN);
  pApp->WriteProfileString(strSection, "Controls", strPath);
  WriteInt(strSection, "LoadFromFile", 1);
  return TRUE;
}

namespace {
TK_BARS_EXCHANGE_PARAM MakeExchangeParam(CTKCommandBars* pCommandBars, BOOL bOnlyChanged,
                                         BOOL bSilent) {
  TK_BARS_EXCHANGE_PARAM param;
  param.bSerializeOnlyChanged = bOnlyChanged;
  param.bSilent = bSilent;
  param.pCommandBars = pCommandBars;
  return param;
}
}  // namespace

BOOL CTKCommandBars::SaveLayoutToFile(CFile* pFile, BOOL bOnlyChanged) {
  TK_BARS_EXCHANGE_PARAM param = MakeExchangeParam(this, bOnlyChanged, FALSE);
  CTKLayoutBars bars;
  GenerateCommandBarList(bars, &param);
  CArchive ar(pFile, CArchive::store, kArchiveBuffer);
  BOOL bSaved = FALSE;
  {
    CTKPropExchangeSection px(new CTKPropExchangeArchive(ar));
    px->SetData(reinterpret_cast<DWORD_PTR>(&param));
    bSaved = SaveCommandBarList(px, bars);
  }
  try {
    if (bSaved) ar.Flush();
  } catch (CException* e) {
    e->Delete();
    bSaved = FALSE;
  }
  ar.Abort();
  return bSaved;
}

BOOL CTKCommandBars::LoadLayoutFromFile(CFile* pFile, BOOL bSilent) {
  // Every bar read is offered; only changed ones were kept.
  TK_BARS_EXCHANGE_PARAM param = MakeExchangeParam(this, TRUE, bSilent);
  CTKLayoutBars bars;
  BOOL bLoaded = FALSE;
  {
    CArchive ar(pFile, CArchive::load, kArchiveBuffer);
    CTKPropExchangeSection px(new CTKPropExchangeArchive(ar));
    px->SetData(reinterpret_cast<DWORD_PTR>(&param));
    bLoaded = LoadCommandBarList(px, bars);
    ar.Abort();
  }
  if (bLoaded) RestoreCommandBarList(bars, bSilent);
  return bLoaded;
}

// The bars of a layout --------------------------------------------------------------------

void CTKCommandBars::GenerateCommandBarList(CTKLayoutBars& bars, TK_BARS_EXCHANGE_PARAM* pParam) {
  int nNextId = kFirstGeneratedBarId;
  for (int i = 0; i < GetCount(); ++i) {
    CTKToolBar* pBar = GetAt(i);
    if (pBar->IsTemporary()) continue;
    if (!pParam->bSerializeOnlyChanged || !pBar->IsBuiltIn() || pBar->ShouldSaveState())
      pBar->GenerateCommandBarList(&nNextId, bars, pParam);
  }
  for (int i = 0; i < m_pContextMenus->GetCount(); ++i) {
    CTKCommandBar* pMenu = m_pContextMenus->GetAt(i);
    if (!pParam->bSerializeOnlyChanged || pMenu->GetControls()->IsChanged())
      pMenu->GenerateCommandBarList(&nNextId, bars, pParam);
  }
}

BOOL CTKCommandBars::SaveCommandBarList(CTKPropExchange* pPX, CTKLayoutBars& bars) {
  try {
    pPX->ExchangeSchema();
    CTKPropExchangeSection section(pPX->GetSection("CommandBars"));
    CTKPropExchangeEnumeratorPtr enumerator(section->GetEnumerator("CommandBar"));
    POSITION pos = enumerator->GetPosition(static_cast<DWORD>(bars.size()));
    for (size_t i = 0; pos != nullptr && i < bars.size(); ++i) {
      CTKPropExchangeSection barSection(enumerator->GetNext(pos));
      CObject* pObject = bars[i].Get();
      if (!barSection->ExchangeObjectInstance(pObject, RUNTIME_CLASS(CTKCommandBar))) return FALSE;
      bars[i]->DoPropExchange(barSection);
    }
    return TRUE;
  } catch (CException* e) {
    e->Delete();
    return FALSE;
  }
}

BOOL CTKCommandBars::LoadCommandBarList(CTKPropExchange* pPX, CTKLayoutBars& bars) {
  try {
    pPX->ExchangeSchema();
    CTKPropExchangeSection section(pPX->GetSection("CommandBars"));
    CTKPropExchangeEnumeratorPtr enumerator(section->GetEnumerator("CommandBar"));
    POSITION pos = enumerator->GetPosition();
    while (pos != nullptr) {
      CTKPropExchangeSection barSection(enumerator->GetNext(pos));
      CObject* pObject = nullptr;
      if (!barSection->ExchangeObjectInstance(pObject, RUNTIME_CLASS(CTKCommandBar)) ||
          pObject == nullptr)
        return FALSE;
      if (!pObject->IsKindOf(RUNTIME_CLASS(CTKCommandBar))) {
        delete pObject;
        return FALSE;
      }
      CTKCommandBar* pBar = static_cast<CTKCommandBar*>(pObject);
      bars.push_back(CTKLayoutBars::value_type::Adopt(pBar));
      pBar->DoPropExchange(barSection);
      pBar->GetControls()->RefreshIndexes();
    }
    return TRUE;
  } catch (CException* e) {
    e->Delete();
    return FALSE;
  }
}

void CTKCommandBars::RestoreCommandBarList(CTKLayoutBars& bars, BOOL bSilent) {
  for (size_t i = 0; i < bars.size(); ++i) {
    CTKPopupBar* pPopup = DYNAMIC_DOWNCAST(CTKPopupBar, bars[i].Get());
    if (pPopup != nullptr && pPopup->IsContextMenu()) {
      RestoreContextMenu(pPopup, bars);
      continue;
    }
    CTKToolBar* pLoaded = DYNAMIC_DOWNCAST(CTKToolBar, bars[i].Get());
    if (pLoaded == nullptr) continue;  // pop-up bars, reached through their controls
    pLoaded->RestoreCommandBarList(bars);
    CTKToolBar* pExisting = GetToolBar(pLoaded->GetBarID());
    if (pExisting != nullptr) {
      if (pExisting != pLoaded) pExisting->RestoreFromLoaded(pLoaded, bSilent, 0);
      continue;
    }
    // A bar the user made: it joins the bars and is placed by the bar states.
    pLoaded->InternalAddRef();
    pLoaded->SetCommandBars(this);
    m_arrBars.Add(pLoaded);
    pLoaded->CreateToolBar(m_pFrame, FALSE);
    AddToReBar(pLoaded);
  }
}

void CTKCommandBars::RestoreContextMenu(CTKPopupBar* pLoaded, CTKLayoutBars& bars) {
  pLoaded->RestoreCommandBarList(bars);
  CTKCommandBar* pExisting = m_pContextMenus->FindCommandBar(pLoaded->GetBarID());
  if (pExisting != nullptr) {
    if (pExisting == pLoaded) return;
    // The menu the program made takes the user's controls and keeps its
    // own built-in ones, against which later changes are measured.
    CTKOriginalControls* pOriginal = pExisting->GetControls()->GetOriginalControls();
    if (pOriginal != nullptr) pOriginal->InternalAddRef();
    CTKControls* pControls = pLoaded->TakeControls();
    pExisting->SetControls(pControls);
    pControls->SetOriginalControls(pOriginal);
    pExisting->OnControlsChanged();
    return;
  }
  // A menu the program no longer makes still comes back as the user left it.
  pLoaded->InternalAddRef();
  m_pContextMenus->Add(pLoaded);
  if (pLoaded->GetControls()->GetOriginalControls() == nullptr)
    pLoaded->GetControls()->CreateOriginalControls();
}
