// The step dialog as Add (all fields open), as Edit of a Create Folder step
// (only its fields open) and as Copy, and the about dialog with a newer
// release offered by a stand-in update service.
#include <afxwin.h>

#include <string>

#include "Gallery.h"
#include "GalleryCanvas.h"
#include "app/AboutDialog.h"
#include "app/AppResources.h"
#include "app/AppSystem.h"
#include "app/BuildStepDisplay.h"
#include "app/EditStepDialog.h"
#include "app/MainFrame.h"
#include "app/UpdateRelease.h"

namespace {

/// Answers the update query with a fixed newer release; nothing else is asked.
class CGalleryAppSystem : public CAppSystem {
 public:
  bool QueryUpdate(CTesselString, CUpdateRelease* pRelease) override {
    pRelease->available = true;
    pRelease->latestVersion = "2.1.0";
    pRelease->installerName = "VelmoranSetup-2.1.0.exe";
    return true;
  }
};

bool DrawStepDialogs(const GalleryContext& context, CMainFrame* pFrame) {
  CGalleryCanvas canvas(1650, 1040, RGB(255, 255, 255));
  bool ok = true;

  int nextX = 760;
  CAddStepDialog add(pFrame, IDD_BUILD_STEP);
  add.m_pFrame = pFrame;
  if (add.Create(IDD_BUILD_STEP, pFrame)) {
    ::SetDlgItemTextA(add.m_hWnd, IDC_STEP_NAME, "Build the installer");
    nextX = 20 + 30 +
            ScreenshotDialog(canvas, add, 20, 20,
                             "Add Build Step: DOS Command checked, every field open");
  } else {
    ok = false;
  }

  CBuildStepDataDefinition step;
  step.m_stepType = StepCreateFolder;
  step.SetStepName("Make the output folder");
  step.SetDescription("Where the installer goes");
  step.SetTargetPath("C:\\Builds\\Release\\Setup");
  CBuildStepDisplayEntry row(&step);
  const struct {
    bool copy;
    int x, y;
    const char* label;
  } forms[] = {
      {false, nextX, 20, "Edit Build Step of a Create Folder step: only its fields open"},
      {true, 20, 530, "Copy Build Step: the copy of a step, in its own caption"},
  };
  for (const auto& form : forms) {
    step.m_paused = false;
    CEditStepDialog edit(pFrame);
    edit.m_pFrame = pFrame;
    edit.m_pEntry = &row;
    edit.m_bCopy = form.copy;
    if (!edit.Create(IDD_BUILD_STEP, pFrame)) {
      ok = false;
      continue;
    }
    ScreenshotDialog(canvas, edit, form.x, form.y, form.label);
  }
  return canvas.Save(context.folder + "app-stepdialogs.png") && ok;
}

bool DrawAboutDialog(const GalleryContext& context, CMainFrame* pFrame) {
  CGalleryAppSystem system;
  AppSetSystem(&system);
  CGalleryCanvas canvas(680, 420, RGB(255, 255, 255));
  CAboutDialog about(pFrame);
  about.m_pFrame = pFrame;
  const bool created = about.Create(IDD_ABOUT, pFrame) != FALSE;
  if (created)
    ScreenshotDialog(canvas, about, 20, 20, "About: a newer release offered, Apply Update enabled");
  AppSetSystem(nullptr);
  return canvas.Save(context.folder + "app-about.png") && created;
}

}  // namespace

bool DrawStepDialogsPage(const GalleryContext& context) {
  // The application has one look of its own.
  if (context.look != "Silver") return true;
  CMainFrame* pFrame = new CMainFrame;
  if (!pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, NULL, NULL))
    return false;
  bool ok = DrawStepDialogs(context, pFrame);
  ok = DrawAboutDialog(context, pFrame) && ok;
  pFrame->DestroyWindow();
  return ok;
}
