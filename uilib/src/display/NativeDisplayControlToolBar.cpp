// CNativeDisplayControl: the display's own command bars and its one tool bar.
#include "uilib/NativeDisplayControl.h"

#include <afxpriv.h>

#include <memory>

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKToolBar.h"
#include "common/TKBitmapFunctions.h"
#include "common/TKImageManager.h"
#include "common/TKScopedHandle.h"
#include "uilib/ApplicationMainFrame.h"
#include "uilib/UIUtilities.h"

namespace {
// Top docking, floating allowed, no other dock place.
const DWORD kDisplayToolBarFlags = 97;

// The image manager is handed the strip itself, not icons taken out of the
// image list: such an icon is drawn onto black, so every transparent pixel
// of a 32-bit strip would come back black. Strips without alpha take black
// as their transparent colour, as the image lists do.
bool RegisterToolBarImages(int toolBarResourceId, int bitmapId, int cellWidth, int state) {
  UINT* commands = NULL;
  int count = 0;
  if (!CTKImageManager::LoadToolBarResourceIds(static_cast<UINT>(toolBarResourceId), &commands,
                                               &count, NULL))
    return false;
  std::unique_ptr<UINT[]> owned(commands);
  BOOL alpha = FALSE;
  CTKScopedBitmap bitmap(LoadBitmapOrPngResource(MAKEINTRESOURCE(bitmapId), &alpha));
  BITMAP info;
  if (!bitmap || !::GetObject(bitmap.Get(), sizeof(info), &info)) return false;
  CTKImageManager* manager = TKImageManager();
  const COLORREF previousMask = manager->SetMaskColor(RGB(0, 0, 0));
  const BOOL registered = manager->SetIconsFromBitmap(bitmap.Get(), commands, count, cellWidth,
                                                      info.bmHeight, state, alpha);
  manager->SetMaskColor(previousMask);
  return registered != FALSE;
}

}  // namespace

void CNativeDisplayControl::ReleaseCommandBars() {
  if (m_pCommandBars == NULL) return;
  m_pCommandBars->InternalRelease();
  m_pCommandBars = NULL;
  m_pToolBar = NULL;
}

bool CNativeDisplayControl::InitCommandBars(CRuntimeClass* commandBarsClass) {
  ReleaseCommandBars();
  if (commandBarsClass == NULL) return false;
  CObject* object = commandBarsClass->CreateObject();
  m_pCommandBars = dynamic_cast<CTKCommandBars*>(object);
  if (m_pCommandBars == NULL) {
    delete object;
    return false;
  }
  m_pCommandBars->SetSite(this);
  m_pCommandBars->CreateDockBars();
  return true;
}

CTKCommandBars* CNativeDisplayControl::GetCommandBars() { return m_pCommandBars; }

void CNativeDisplayControl::SetCommandBars(CTKCommandBars* commandBars) {
  m_pCommandBars = commandBars;
}

CTKToolBar* CNativeDisplayControl::GetToolBar() { return m_pToolBar; }

void CNativeDisplayControl::SetToolBar(CTKToolBar* toolBar) { m_pToolBar = toolBar; }

CImageList* CNativeDisplayControl::GetNormalImageList() { return &m_normalImages; }

CImageList* CNativeDisplayControl::GetDisabledImageList() { return &m_disabledImages; }

CImageList* CNativeDisplayControl::GetHotImageList() { return &m_hotImages; }

bool CNativeDisplayControl::RepositionToolBars() {
  if (!::IsWindow(m_hWnd)) return false;
  RepositionBars(AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST, 0, reposDefault, NULL, NULL,
                 TRUE);
  return true;
}

bool CNativeDisplayControl::CreateToolBar(int titleStringId, int toolBarResourceId,
                                          int normalBitmapId, int disabledBitmapId,
                                          int hotBitmapId, int dockPosition, int cellWidth) {
  if (m_pOwnerFrame == NULL) return false;
  if (!InitCommandBars(RUNTIME_CLASS(CTKCommandBars)) || GetCommandBars() == NULL) return false;
  CTesselString title;
  title.LoadString(titleStringId, AfxFindResourceHandle(MAKEINTRESOURCE(titleStringId / 16 + 1),
                                                        RT_STRING));
  SetToolBar(m_pCommandBars->Add(title.GetText(), dockPosition));
  if (m_pToolBar == NULL || !m_pToolBar->LoadToolBar(toolBarResourceId)) return false;
  LoadToolBarImages(toolBarResourceId, normalBitmapId, disabledBitmapId, hotBitmapId, cellWidth);
  CTKCommandBarsOptions* options = m_pCommandBars->GetCommandBarsOptions();
  if (options != NULL) options->bShowExpandButtonAlways = FALSE;
  m_pToolBar->SetFlags(kDisplayToolBarFlags);
  m_pToolBar->SetCloseable(FALSE);
  m_pToolBar->SetShowGripper(FALSE);
  m_pOwnerFrame->ConfigureToolTips(m_pCommandBars);
  return true;
}

bool CNativeDisplayControl::LoadToolBarImages(int toolBarResourceId, int normalBitmapId,
                                              int disabledBitmapId, int hotBitmapId,
                                              int cellWidth) {
  if (m_pCommandBars == NULL) return false;
  const struct {
    int bitmapId;
    CImageList* list;
    int state;
  } images[] = {
      {normalBitmapId, &m_normalImages, TK_IMAGESTATE_NORMAL},
      {disabledBitmapId, &m_disabledImages, TK_IMAGESTATE_DISABLED},
      {hotBitmapId, &m_hotImages, TK_IMAGESTATE_HOT},
  };
  for (const auto& image : images) {
    image.list->DeleteImageList();
    HIMAGELIST handle = NULL;
    CreateImageListFromBitmap(image.bitmapId, &handle, cellWidth);
    if (handle == NULL) continue;
    image.list->Attach(handle);
    RegisterToolBarImages(toolBarResourceId, image.bitmapId, cellWidth, image.state);
  }
  CTKCommandBarsOptions* options = m_pCommandBars->GetCommandBarsOptions();
  if (options != NULL) {
    options->szIcons = CSize(cellWidth, cellWidth);
    options->bLargeIcons = FALSE;
  }
  return true;
}

bool CNativeDisplayControl::SetToolBarButtonCaption(int commandId) {
  if (m_pToolBar == NULL || m_pToolBar->GetControls() == NULL) return false;
  CTKControl* button = m_pToolBar->GetControls()->FindControl(tkControlButton, commandId, TRUE, FALSE);
  return button != NULL && SetButtonCaptionFromString(commandId, button);
}

LRESULT CNativeDisplayControl::OnIdleUpdateCmdUI(WPARAM, LPARAM) {
  if (m_pCommandBars != NULL) m_pCommandBars->RefreshAllBars();
  return 0;
}
